#pragma once

#include "core/export/ExportFlow.h"
#include "core/project/OutputPath.h"
#include "core/project/ProjectRecord.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace zelvan {

class Prompter;
class WordDocument;

// "生成塔器合格证文件" of the tower parameters page: the certificate form of
// the product cover page, then the product's technical characteristics as
// a four-row table (technical data, pressure tests, NDT, construction
// standards). There is no check for empty data: a new project gives a
// certificate to be completed by hand.
class CertificateDocument : public Exporter {
public:
    CertificateDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    void setOutputDirectory(const QString &directory) { m_outputDirectory = directory; }
    void setDate(const QDate &date) { m_date = date; }

    ExportResult run();

    QString generatedFilesKind() const override { return QStringLiteral("3"); }
    QString question() const override;
    std::optional<ExportRefusal> checkAfterQuestion() override;
    void generate(ExportRun &run) override;

    void write(WordDocument &document) const;

    // The lines of the table's second column, row by row; the last line of
    // rows 2 and 4 ends without a paragraph mark.
    static QList<QStringList> tableLines(const ProjectRecord &record);

private:
    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    Prompter &m_prompter;
    QString m_outputDirectory;
    QDate m_date;
    OutputPath m_path;
};

} // namespace zelvan
