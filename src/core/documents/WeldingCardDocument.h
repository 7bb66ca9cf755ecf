#pragma once

#include "core/export/ExportFlow.h"
#include "core/project/OutputPath.h"
#include "core/project/ProjectRecord.h"

#include <QDate>
#include <QString>

namespace zelvan {

class Prompter;
class WordDocument;

// "导出Word" of the welding procedure card page: the product cover page,
// then one card table per welding procedure card with the consumables and
// the welding parameters of its 编号, all in one document.
class WeldingCardDocument : public Exporter {
public:
    WeldingCardDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    // Replaces the project directory for this run (the batch tool's --out-dir).
    void setOutputDirectory(const QString &directory) { m_outputDirectory = directory; }
    // The date stamped on the cover page (today unless set).
    void setDate(const QDate &date) { m_date = date; }

    ExportResult run();

    QString generatedFilesKind() const override { return QStringLiteral("3"); }
    QString question() const override;
    std::optional<ExportRefusal> checkAfterQuestion() override;
    void generate(ExportRun &run) override;

    // Writes the cover and every card into `document`.
    void write(WordDocument &document) const;
    // One card with its consumable and parameter rows.
    static void writeCard(WordDocument &document, const std::vector<std::string> &card,
                          const std::vector<std::vector<std::string>> &consumables,
                          const std::vector<std::vector<std::string>> &parameters);

private:
    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    Prompter &m_prompter;
    QString m_outputDirectory;
    QDate m_date;
    OutputPath m_path;
};

} // namespace zelvan
