#include "core/documents/ProcessFileGenerator.h"

#include "core/documents/DocumentMessages.h"

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

std::vector<ProcessFileSection> ProcessFileGenerator::fullFileSections()
{
    return {
        {DocumentMessages::progressCover(), &ProcessFileCover::write},
        {DocumentMessages::progressTechnicalCharacteristics(), &TechnicalCharacteristicsTable::write},
        {DocumentMessages::progressHeadCard(), &HeadProcessCard::write},
        // The nozzle and ring cards are one step of the run.
        {DocumentMessages::progressNozzleCards(),
         [](WordDocument &document, const ProcessFileInputs &inputs) {
             NozzleFlangeCard::write(document, inputs);
             ReinforcementRingCard::write(document, inputs);
         }},
        {DocumentMessages::progressAccessoryCard(), &AccessoryCard::write},
        {DocumentMessages::progressAssemblyCard(), &AssemblyCard::write},
        {DocumentMessages::progressPressureTestCard(), &PressureTestCard::write},
    };
}

std::vector<ProcessFileSection> ProcessFileGenerator::shellPartSections()
{
    return {
        {DocumentMessages::progressCover(), &ProcessFileCover::write},
        {DocumentMessages::progressShellCard(), &ShellProcessCard::write},
    };
}

ProcessFileGenerator::ProcessFileGenerator(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter)
    : m_record(record)
    , m_company(company)
    , m_prompter(prompter)
{
}

QString ProcessFileGenerator::question() const
{
    return DocumentMessages::exportQuestion();
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
        return ExportRefusal::information(DocumentMessages::notSaved());
    // A name that would leave the project directory is refused before any
    // other check, so nothing can be written outside it.
    if (const QString unsafe = OutputPaths::unsafeNameMessage(m_record); !unsafe.isEmpty())
        return ExportRefusal::information(unsafe);
    ProcessCardLists lists;
    lists.load(programDirectory());
    if (!ProcessCardPageModel::hasExternalForm(m_record, lists.externalForms))
        return ExportRefusal::information(DocumentMessages::noExternalForm());
    m_standards.clear();
    for (const std::string &name : ProcessCardPageModel::checkedStandardNames(m_record, lists.standards))
        m_standards.append(fromGbk(name));
    if (m_standards.isEmpty())
        return ExportRefusal::information(DocumentMessages::noStandard());
    // The test card states the test pressure and sizes the gauges from it:
    // without a positive number the file would order a test at "MPa" with
    // gauges of 0~0MPa.
    if (!PressureTestCard::isUsableTestPressure(m_record.process(ProcessField::TestPressure)))
        return ExportRefusal::information(DocumentMessages::noTestPressure());
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
        run.progress(DocumentMessages::progressSaving());
        document->saveAs(path);
    } catch (const WordError &error) {
        run.progress(QString());
        return error.message();
    }
    run.progress(QString());
    return QString();
}

} // namespace zelvan
