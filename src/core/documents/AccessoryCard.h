#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class ProcessFileInputs;
class ProjectRecord;
class WordDocument;

// "容器生产过程卡(附件预制)": every part of the part table is one step of
// its own, under the part's number, with its technical requirements.
class AccessoryCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(附件预制)"
    // The step rows (six cells each) in the part table's order; one empty
    // row for an empty part table.
    static std::vector<QStringList> partRows(const ProjectRecord &record);
};

} // namespace zelvan
