#include "core/documents/ProcessCardPageModel.h"

#include "core/project/Catalogues.h"
#include "core/project/TextCodec.h"

#include <algorithm>

namespace zelvan {

QString ProcessCardPageModel::generateButton() { return QStringLiteral("生成产品工艺文件"); }

QStringList ProcessCardPageModel::mainMaterials()
{
    return Catalogues::materials();
}

QStringList ProcessCardPageModel::ndtMethods()
{
    return {QStringLiteral("RT"), QStringLiteral("MT"), QStringLiteral("UT"), QStringLiteral("PT")};
}

QStringList ProcessCardPageModel::ndtRatios()
{
    return {QStringLiteral("10%"), QStringLiteral("20%"), QStringLiteral("50%"), QStringLiteral("100%")};
}

QStringList ProcessCardPageModel::ndtStandards()
{
    return {QStringLiteral("JB/T4730-2005"), QStringLiteral("JB/T4735-1997"), QStringLiteral("SY/T 0449-1997"),
            QStringLiteral("GB150-1998"), QStringLiteral("GB151-1999")};
}

QStringList ProcessCardPageModel::acceptanceLevels()
{
    return {QStringLiteral("I级"), QStringLiteral("II级"), QStringLiteral("III级"), QStringLiteral("IV级"), QStringLiteral("无要求")};
}

QStringList ProcessCardPageModel::standardsColumns()
{
    return {QStringLiteral("序号"), QStringLiteral("标准及规范名称")};
}

ProcessCardPageModel::Opened ProcessCardPageModel::open(const QString &programDirectory, Prompter &prompter)
{
    Opened opened;
    switch (opened.lists.load(programDirectory)) {
    case ProcessCardLists::Status::StandardsMissing:
        prompter.information(ProcessCardLists::messageStandardsMissing());
        break;
    case ProcessCardLists::Status::ExternalFormsMissing:
        prompter.information(ProcessCardLists::messageExternalFormsMissing());
        break;
    case ProcessCardLists::Status::Ok:
        opened.showStoredValues = true;
        break;
    }
    return opened;
}

int ProcessCardPageModel::itemIndex(const QStringList &items, const std::string &storedGbk)
{
    return int(items.indexOf(fromGbk(storedGbk)));
}

int ProcessCardPageModel::itemIndex(const std::vector<std::string> &items, const std::string &storedGbk)
{
    const auto it = std::find(items.begin(), items.end(), storedGbk);
    return it == items.end() ? -1 : int(it - items.begin());
}

std::vector<bool> ProcessCardPageModel::checkedStandards(const ProjectRecord &record, int lineCount)
{
    std::vector<bool> checks(size_t(std::max(lineCount, 0)), false);
    for (int i = 0; i < kStandardsSelectionSize; ++i) {
        const std::string &entry = record.standard(i);
        if (entry.empty())
            continue;
        const int line = leadingInt(entry);
        if (line >= 0 && line < lineCount)
            checks[size_t(line)] = true;
    }
    return checks;
}

void ProcessCardPageModel::storeStandardChecks(ProjectRecord &record, const std::vector<bool> &checks)
{
    for (int i = 0; i < kStandardsSelectionSize; ++i) {
        const bool checked = i < int(checks.size()) && checks[size_t(i)];
        record.setStandard(i, checked ? std::to_string(i) : std::string());
    }
}

std::vector<std::string> ProcessCardPageModel::checkedStandardNames(const ProjectRecord &record, const std::vector<std::string> &standards)
{
    const std::vector<bool> checks = checkedStandards(record, int(standards.size()));
    std::vector<std::string> names;
    for (size_t i = 0; i < standards.size(); ++i)
        if (checks[i])
            names.push_back(standards[i]);
    return names;
}

bool ProcessCardPageModel::hasExternalForm(const ProjectRecord &record, const std::vector<std::string> &externalForms)
{
    return itemIndex(externalForms, record.process(ProcessField::ExternalForm)) >= 0;
}

} // namespace zelvan
