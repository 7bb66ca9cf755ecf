#pragma once

#include "core/project/GeneratedFiles.h"
#include "core/project/OutputPath.h"
#include "core/project/Prompter.h"

#include <QString>

#include <optional>

namespace zelvan {

// How one export ended. The flow has already shown every message; the GUI
// then opens "打开生成的文件" with `files`, zelvan-cli turns the status into
// its exit status.
struct ExportResult {
    enum class Status {
        Written, // every file was written
        Refused, // a check refused or the user answered No: nothing was written
        Failed,  // a file could not be written; `files` lists those that were
    };
    Status status = Status::Refused;
    QString message;      // the refusal or failure shown; empty after a No
    GeneratedFiles files; // what "打开生成的文件" lists

    bool written() const { return status == Status::Written; }
};

// A check that stops an export, with the box it is shown in.
struct ExportRefusal {
    QString title;
    QString text;
    Prompter::Icon icon = Prompter::Icon::Information;

    static ExportRefusal information(const QString &text)
    {
        return {Prompter::titleInformation(), text, Prompter::Icon::Information};
    }
    static ExportRefusal error(const QString &text, Prompter::Icon icon = Prompter::Icon::Error)
    {
        return {Prompter::titleError(), text, icon};
    }
};

// What a generator writes through while the flow runs it.
class ExportRun {
public:
    explicit ExportRun(Prompter &prompter, ExportResult &result) : m_prompter(prompter), m_result(result) {}

    // A file saved under its final name; listed in "打开生成的文件".
    void written(const OutputPath &path) { m_result.files.add(path.fileName, path.directory); }
    // A file that could not be written: the message is shown at once and the
    // export ends as failed (the files already written stay listed).
    void failed(const QString &text, Prompter::Icon icon = Prompter::Icon::Error);
    // The progress text of the page that runs the export; empty clears it.
    void progress(const QString &text) { m_prompter.progress(text); }
    // A remark once the files are written (nozzles drawn at stand-in places).
    void information(const QString &text) { m_prompter.information(text); }

private:
    Prompter &m_prompter;
    ExportResult &m_result;
};

// One export as the flow sees it: checks before and after its confirmation
// question, in the order the export gives, then the generation.
class Exporter {
public:
    virtual ~Exporter() = default;

    // The kind shown by "打开生成的文件" ("1" layout drawing, "2" process file...).
    virtual QString generatedFilesKind() const = 0;
    virtual std::optional<ExportRefusal> checkBeforeQuestion() { return std::nullopt; }
    // The Yes/No question; empty for an export that asks none.
    virtual QString question() const { return QString(); }
    virtual std::optional<ExportRefusal> checkAfterQuestion() { return std::nullopt; }
    // Writes the files, each saved atomically, reporting them to `run`.
    virtual void generate(ExportRun &run) = 0;
};

namespace ExportFlow {

// Question, checks, generation under a busy cursor, the list of files
// written: the same for every export.
ExportResult run(Exporter &exporter, Prompter &prompter);

} // namespace ExportFlow
} // namespace zelvan
