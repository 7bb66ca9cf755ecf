#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class ProcessFileInputs;
class ProjectRecord;
class WordDocument;

// "容器生产过程卡(补强圈预制)": the reinforcing rings of the nozzles that
// need one, with their list.
class ReinforcementRingCard {
public:
    static void write(WordDocument &document, const ProcessFileInputs &inputs);

    static QString title(); // "容器生产过程卡(补强圈预制)"
    static QString pictureName(); // "pics/补强圈预制.JPG" under the program directory
    // One row per nozzle with a reinforcement specification, in table order:
    // specification, nozzle number, quantity, note. A project without
    // nozzles gets one empty row; nozzles none of which is reinforced get none.
    static std::vector<QStringList> ringRows(const ProjectRecord &record);
};

} // namespace zelvan
