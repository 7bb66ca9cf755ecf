#pragma once

#include "core/export/ExportFlow.h"
#include "core/project/OutputPath.h"
#include "core/project/ProjectRecord.h"

#include <QDate>
#include <QString>

#include <optional>

namespace zelvan {

class Prompter;
class WordDocument;

// A Word export that writes one file after the product cover page: the
// question every Word export asks, then the export's own content check (an
// empty list), the unsaved project and the unsafe names, then the document
// through the automation layer, saved atomically.
class WordFileExport : public Exporter {
public:
    WordFileExport(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter, QString fileSuffix);

    // Replaces the project directory for this run (the batch tool's --out-dir).
    void setOutputDirectory(const QString &directory) { m_outputDirectory = directory; }
    // The date stamped on the cover page (today unless set).
    void setDate(const QDate &date) { m_date = date; }

    ExportResult run();

    QString generatedFilesKind() const override { return QStringLiteral("3"); }
    QString question() const override;
    std::optional<ExportRefusal> checkAfterQuestion() override;
    void generate(ExportRun &run) override;

    // The whole document, cover page first.
    virtual void write(WordDocument &document) const = 0;

protected:
    // The refusal of an export with nothing to print; none by default.
    virtual std::optional<ExportRefusal> checkContent() const { return std::nullopt; }

    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    QDate m_date;

private:
    Prompter &m_prompter;
    QString m_fileSuffix;
    QString m_outputDirectory;
    OutputPath m_path;
};

} // namespace zelvan
