#include "core/documents/ProcessFileGenerator.h"

#include "core/documents/HeadProcessCard.h"
#include "core/documents/ProcessCardLists.h"
#include "core/documents/ProcessCardPageModel.h"
#include "core/documents/ProcessFileCover.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/documents/ShellProcessCard.h"
#include "core/documents/TechnicalCharacteristicsTable.h"
#include "core/word/WordDocument.h"
#include "core/word/WordError.h"

#include "core/project/AppPaths.h"
#include "core/project/OutputPath.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

namespace zelvan {

QString ProcessFileGenerator::fullFileSuffix() { return QStringLiteral("-产品工艺文件.doc"); }
QString ProcessFileGenerator::shellPartSuffix() { return QStringLiteral("-产品工艺文件-筒体部分.doc"); }
QString ProcessFileGenerator::messageUnsaved() { return QStringLiteral("导出Word前请先保存项目！"); }
QString ProcessFileGenerator::messageNoExternalForm() { return QStringLiteral("请选择一种容器外设形式！"); }
QString ProcessFileGenerator::messageNoStandard() { return QStringLiteral("请选择所需的标准和规范！"); }
QString ProcessFileGenerator::questionExport() { return QStringLiteral("即将导出为Word文件，是否继续？"); }
QString ProcessFileGenerator::progressCover() { return QStringLiteral("正在生成封面......"); }
QString ProcessFileGenerator::progressTechnicalCharacteristics() { return QStringLiteral("正在生成容器技术特性表......"); }
QString ProcessFileGenerator::progressHeadCard() { return QStringLiteral("正在生成容器生产过程卡(封头)......"); }
QString ProcessFileGenerator::progressShellCard() { return QStringLiteral("正在生成容器生产过程卡(筒体)......"); }
QString ProcessFileGenerator::progressSaving() { return QStringLiteral("正在保存文档......"); }

std::vector<ProcessFileSection> ProcessFileGenerator::fullFileSections()
{
    return {
        {progressCover(), &ProcessFileCover::write},
        {progressTechnicalCharacteristics(), &TechnicalCharacteristicsTable::write},
        {progressHeadCard(), &HeadProcessCard::write},
    };
}

std::vector<ProcessFileSection> ProcessFileGenerator::shellPartSections()
{
    return {
        {progressCover(), &ProcessFileCover::write},
        {progressShellCard(), &ShellProcessCard::write},
    };
}

ProcessFileGenerator::ProcessFileGenerator(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter)
    : m_record(record)
    , m_company(company)
    , m_prompter(prompter)
{
}

ProcessFileGenerator::Result ProcessFileGenerator::run()
{
    Result result;
    result.refused = true;
    const OutputPath full = OutputPaths::build(m_record, fullFileSuffix(), m_outputDirectory);
    const OutputPath shell = OutputPaths::build(m_record, shellPartSuffix(), m_outputDirectory);
    // The project directory exists only after the first save.
    if (full.directory.isEmpty()) {
        m_prompter.information(messageUnsaved());
        return result;
    }
    // A name that would leave the project directory is refused before any
    // other check, so nothing can be written outside it.
    if (const QString unsafe = OutputPaths::unsafeNameMessage(m_record); !unsafe.isEmpty()) {
        m_prompter.information(unsafe);
        return result;
    }
    const QString programDir = programDirectory();
    ProcessCardLists lists;
    lists.load(programDir);
    if (!ProcessCardPageModel::hasExternalForm(m_record, lists.externalForms)) {
        m_prompter.information(messageNoExternalForm());
        return result;
    }
    const std::vector<std::string> standards = ProcessCardPageModel::checkedStandardNames(m_record, lists.standards);
    if (standards.empty()) {
        m_prompter.information(messageNoStandard());
        return result;
    }
    if (!m_prompter.askYesNo(Prompter::titleInformation(), questionExport()))
        return result;
    result.refused = false;

    QStringList standardNames;
    for (const std::string &name : standards)
        standardNames.append(fromGbk(name));
    const ProcessFileInputs inputs(m_record, m_company, programDir, standardNames, m_prompter);

    result.files.kind = generatedFilesKind();
    if (writeFile(full.path(), fullFileSections(), inputs)) {
        result.files.add(full.fileName, full.directory);
        ++result.filesWritten;
    }
    if (writeFile(shell.path(), shellPartSections(), inputs)) {
        result.files.add(shell.fileName, shell.directory);
        ++result.filesWritten;
    }
    return result;
}

bool ProcessFileGenerator::writeFile(const QString &path, const std::vector<ProcessFileSection> &sections, const ProcessFileInputs &inputs)
{
    std::unique_ptr<WordDocument> document = WordDocument::start();
    if (!document) {
        m_prompter.error(WordDocument::createDispatchFailedMessage());
        return false;
    }
    try {
        document->seekView(WordDocument::PageHeader);
        document->typeText(fromGbk(m_company.name));
        document->seekView(WordDocument::MainText);
        for (const ProcessFileSection &section : sections) {
            m_prompter.progress(section.progressText);
            section.write(*document, inputs);
        }
        m_prompter.progress(progressSaving());
        document->saveAs(path);
    } catch (const WordError &error) {
        m_prompter.progress(QString());
        m_prompter.error(error.message());
        return false;
    }
    m_prompter.progress(QString());
    return true;
}

} // namespace zelvan
