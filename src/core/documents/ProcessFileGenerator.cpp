#include "core/documents/ProcessFileGenerator.h"

#include "core/documents/AccessoryCard.h"
#include "core/documents/AssemblyCard.h"
#include "core/documents/HeadProcessCard.h"
#include "core/documents/NozzleFlangeCard.h"
#include "core/documents/PressureTestCard.h"
#include "core/documents/ProcessCardLists.h"
#include "core/documents/ProcessCardPageModel.h"
#include "core/documents/ProcessFileCover.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/documents/ReinforcementRingCard.h"
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
QString ProcessFileGenerator::messageNoTestPressure() { return QStringLiteral("请输入大于0的强度试验压力！"); }
QString ProcessFileGenerator::questionExport() { return QStringLiteral("即将导出为Word文件，是否继续？"); }
QString ProcessFileGenerator::progressCover() { return QStringLiteral("正在生成封面......"); }
QString ProcessFileGenerator::progressTechnicalCharacteristics() { return QStringLiteral("正在生成容器技术特性表......"); }
QString ProcessFileGenerator::progressHeadCard() { return QStringLiteral("正在生成容器生产过程卡(封头)......"); }
QString ProcessFileGenerator::progressNozzleCards() { return QStringLiteral("正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"); }
QString ProcessFileGenerator::progressAccessoryCard() { return QStringLiteral("正在生成容器生产过程卡(附件预制)......"); }
QString ProcessFileGenerator::progressAssemblyCard() { return QStringLiteral("正在生成容器生产过程卡(总装)......"); }
QString ProcessFileGenerator::progressPressureTestCard() { return QStringLiteral("正在生成容器生产过程卡(试压、油漆、入库)......"); }
QString ProcessFileGenerator::progressShellCard() { return QStringLiteral("正在生成容器生产过程卡(筒体)......"); }
QString ProcessFileGenerator::progressSaving() { return QStringLiteral("正在保存文档......"); }

std::vector<ProcessFileSection> ProcessFileGenerator::fullFileSections()
{
    return {
        {progressCover(), &ProcessFileCover::write},
        {progressTechnicalCharacteristics(), &TechnicalCharacteristicsTable::write},
        {progressHeadCard(), &HeadProcessCard::write},
        // The nozzle and ring cards are one step of the run.
        {progressNozzleCards(),
         [](WordDocument &document, const ProcessFileInputs &inputs) {
             NozzleFlangeCard::write(document, inputs);
             ReinforcementRingCard::write(document, inputs);
         }},
        {progressAccessoryCard(), &AccessoryCard::write},
        {progressAssemblyCard(), &AssemblyCard::write},
        {progressPressureTestCard(), &PressureTestCard::write},
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

ExportResult ProcessFileGenerator::run()
{
    return ExportFlow::run(*this, m_prompter);
}

std::optional<ExportRefusal> ProcessFileGenerator::checkBeforeQuestion()
{
    m_full = OutputPaths::build(m_record, fullFileSuffix(), m_outputDirectory);
    m_shell = OutputPaths::build(m_record, shellPartSuffix(), m_outputDirectory);
    // The project directory exists only after the first save.
    if (m_full.directory.isEmpty())
        return ExportRefusal::information(messageUnsaved());
    // A name that would leave the project directory is refused before any
    // other check, so nothing can be written outside it.
    if (const QString unsafe = OutputPaths::unsafeNameMessage(m_record); !unsafe.isEmpty())
        return ExportRefusal::information(unsafe);
    ProcessCardLists lists;
    lists.load(programDirectory());
    if (!ProcessCardPageModel::hasExternalForm(m_record, lists.externalForms))
        return ExportRefusal::information(messageNoExternalForm());
    m_standards.clear();
    for (const std::string &name : ProcessCardPageModel::checkedStandardNames(m_record, lists.standards))
        m_standards.append(fromGbk(name));
    if (m_standards.isEmpty())
        return ExportRefusal::information(messageNoStandard());
    // The test card states the test pressure and sizes the gauges from it:
    // without a positive number the file would order a test at "MPa" with
    // gauges of 0~0MPa.
    if (!PressureTestCard::isUsableTestPressure(m_record.process(ProcessField::TestPressure)))
        return ExportRefusal::information(messageNoTestPressure());
    return std::nullopt;
}

void ProcessFileGenerator::generate(ExportRun &run)
{
    const ProcessFileInputs inputs(m_record, m_company, programDirectory(), m_standards, m_prompter);
    // Each file is written on its own: a failure of one still leaves the
    // other written and listed.
    for (const auto &[path, sections] : {std::pair{m_full, fullFileSections()}, std::pair{m_shell, shellPartSections()}}) {
        const QString failure = writeFile(path.path(), sections, inputs, run);
        if (failure.isEmpty())
            run.written(path);
        else
            run.failed(failure);
    }
}

QString ProcessFileGenerator::writeFile(const QString &path, const std::vector<ProcessFileSection> &sections,
                                        const ProcessFileInputs &inputs, ExportRun &run)
{
    std::unique_ptr<WordDocument> document = WordDocument::start();
    if (!document)
        return WordDocument::createDispatchFailedMessage();
    try {
        document->seekView(WordDocument::PageHeader);
        document->typeText(fromGbk(m_company.name));
        document->seekView(WordDocument::MainText);
        for (const ProcessFileSection &section : sections) {
            run.progress(section.progressText);
            section.write(*document, inputs);
        }
        run.progress(progressSaving());
        document->saveAs(path);
    } catch (const WordError &error) {
        run.progress(QString());
        return error.message();
    }
    run.progress(QString());
    return QString();
}

} // namespace zelvan
