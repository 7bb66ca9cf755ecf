#pragma once

#include "core/documents/ProcessCardLists.h"

#include "core/project/ProjectRecord.h"
#include "core/project/Prompter.h"

#include <QStringList>

#include <string>
#include <vector>

namespace zelvan {

// What the product process card page ("产品工艺卡") does apart from its
// widgets: the item lists of its drop-downs, the list files, the mapping
// between the standards check boxes and the record's 100-entry selection
// list, and which stored values it shows.
class ProcessCardPageModel {
public:
    static QString generateButton();   // "生成产品工艺文件"
    static QStringList mainMaterials();
    static QStringList ndtMethods();
    static QStringList ndtRatios();
    static QStringList ndtStandards();
    static QStringList acceptanceLevels();
    static QStringList standardsColumns(); // "序号", "标准及规范名称"

    // Opening the page: reads the list files (messages through the
    // prompter). The stored values are shown only when both files were read.
    struct Opened {
        ProcessCardLists lists;
        bool showStoredValues = false;
    };
    static Opened open(const QString &programDirectory, Prompter &prompter);

    // Index of the item whose text equals the stored text exactly; -1 when
    // there is none (the drop-down then has no selection).
    static int itemIndex(const QStringList &items, const std::string &storedGbk);
    static int itemIndex(const std::vector<std::string> &items, const std::string &storedGbk);

    // The check state of each of `lineCount` standards lines: a line is
    // checked when a non-empty entry of the selection list holds its index.
    static std::vector<bool> checkedStandards(const ProjectRecord &record, int lineCount);
    // Rewrites every selection entry from the check boxes: entry i holds i
    // while line i is checked, else it is empty. Only the first 100 lines
    // can be remembered.
    static void storeStandardChecks(ProjectRecord &record, const std::vector<bool> &checks);
    // The names of the checked standards, in list order.
    static std::vector<std::string> checkedStandardNames(const ProjectRecord &record, const std::vector<std::string> &standards);
    // Whether the stored external form is one of the list's items.
    static bool hasExternalForm(const ProjectRecord &record, const std::vector<std::string> &externalForms);
};

} // namespace zelvan
