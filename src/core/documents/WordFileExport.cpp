#include "core/documents/WordFileExport.h"

#include "core/documents/DocumentMessages.h"
#include "core/word/WordDocument.h"
#include "core/word/WordError.h"

namespace zelvan {

WordFileExport::WordFileExport(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter,
                               QString fileSuffix)
    : m_record(record)
    , m_company(company)
    , m_date(QDate::currentDate())
    , m_prompter(prompter)
    , m_fileSuffix(std::move(fileSuffix))
{
}

ExportResult WordFileExport::run()
{
    return ExportFlow::run(*this, m_prompter);
}

QString WordFileExport::question() const
{
    return DocumentMessages::exportQuestion();
}

std::optional<ExportRefusal> WordFileExport::checkAfterQuestion()
{
    if (std::optional<ExportRefusal> empty = checkContent())
        return empty;
    m_path = OutputPaths::build(m_record, m_fileSuffix, m_outputDirectory);
    // The project directory exists only after the first save.
    if (m_path.directory.isEmpty())
        return ExportRefusal::information(DocumentMessages::notSaved());
    if (const QString unsafe = OutputPaths::unsafeNameMessage(m_record); !unsafe.isEmpty())
        return ExportRefusal::information(unsafe);
    return std::nullopt;
}

void WordFileExport::generate(ExportRun &run)
{
    std::unique_ptr<WordDocument> document = WordDocument::start();
    if (!document) {
        run.failed(WordDocument::createDispatchFailedMessage());
        return;
    }
    try {
        write(*document);
        document->saveAs(m_path.path());
    } catch (const WordError &error) {
        run.failed(error.message());
        return;
    }
    run.written(m_path);
}

} // namespace zelvan
