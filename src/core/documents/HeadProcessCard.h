#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace zelvan {

class ProcessFileInputs;
class WordDocument;

// "容器生产过程卡(封头)": the heads' production process card of the full
// product process file.
class HeadProcessCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(封头)"
    // The head picture under the program directory; the ellipse picture for
    // a type without one (`known` false then).
    static QString picturePath(const QString &programDirectory, const std::string &headType, bool &known);
    // The two diameter tolerance lines of the inspection (text, tab, text),
    // by the inner diameter; empty when the diameter is in none of the
    // shop's ranges.
    static QStringList diameterLines(int innerDiameter);
    // The whole inspection list of step 1.
    static QStringList inspectionList(int innerDiameter);
};

} // namespace zelvan
