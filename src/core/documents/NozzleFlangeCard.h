#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class ProcessFileInputs;
class ProjectRecord;
class WordDocument;

// "容器生产过程卡(接管法兰预制)": nozzles welded to their flanges before
// assembly, with the list of every nozzle of the project.
class NozzleFlangeCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(接管法兰预制)"
    static QString pictureName(); // "pics/接管法兰预制.JPG" under the program directory
    // The nozzle list: flange size, pipe, number, quantity and form of each
    // nozzle in table order; one empty row for a project without nozzles.
    static std::vector<QStringList> nozzleRows(const ProjectRecord &record);
};

} // namespace zelvan
