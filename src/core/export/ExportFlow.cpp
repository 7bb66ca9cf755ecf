#include "core/export/ExportFlow.h"

#include "core/export/BusyCursor.h"

namespace zelvan {

void ExportRun::failed(const QString &text, Prompter::Icon icon)
{
    m_prompter.error(text, icon);
    m_result.status = ExportResult::Status::Failed;
    if (m_result.message.isEmpty())
        m_result.message = text;
}

namespace ExportFlow {

namespace {
ExportResult refused(Prompter &prompter, const ExportRefusal &refusal)
{
    prompter.message(refusal.title, refusal.text, refusal.icon);
    ExportResult result;
    result.message = refusal.text;
    return result;
}
} // namespace

ExportResult run(Exporter &exporter, Prompter &prompter)
{
    if (const std::optional<ExportRefusal> refusal = exporter.checkBeforeQuestion())
        return refused(prompter, *refusal);
    const QString question = exporter.question();
    if (!question.isEmpty() && !prompter.askYesNo(Prompter::titleInformation(), question))
        return ExportResult{};
    if (const std::optional<ExportRefusal> refusal = exporter.checkAfterQuestion())
        return refused(prompter, *refusal);

    ExportResult result;
    result.status = ExportResult::Status::Written;
    result.files.kind = exporter.generatedFilesKind();
    {
        const BusyCursor busy;
        ExportRun run(prompter, result);
        exporter.generate(run);
    }
    // Nothing written is never a success, whatever the generator reported.
    if (result.status == ExportResult::Status::Written && result.files.isEmpty())
        result.status = ExportResult::Status::Failed;
    return result;
}

} // namespace ExportFlow
} // namespace zelvan
