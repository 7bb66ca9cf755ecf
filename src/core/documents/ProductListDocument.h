#pragma once

#include "core/export/ExportFlow.h"
#include "core/project/OutputPath.h"
#include "core/project/ProjectRecord.h"
#include "core/word/WordModel.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace zelvan {

class Prompter;
class WordDocument;

// "导出Word" of the parts page and of the weld page: the product cover
// page, a heading with the product number, then one table of the page's
// rows under a header row. The table starts with 18 rows; more records
// extend it, fewer leave empty rows for the shop to fill in by hand.
class ProductListDocument : public Exporter {
public:
    // What tells the two documents apart.
    struct Layout {
        TableId table;
        QString coverTitle;
        QString heading;
        QString fileSuffix;
        QString emptyMessage;
        QStringList headers;
        std::vector<int> columns; // the record columns printed, in order
        double tableFontSize;     // points
        // The table's section: a wide table turns its pages.
        PageOrientation tableOrientation = PageOrientation::Portrait;
    };
    static Layout partsList();
    static Layout weldTable();

    ProductListDocument(Layout layout, const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    // Replaces the project directory for this run (the batch tool's --out-dir).
    void setOutputDirectory(const QString &directory) { m_outputDirectory = directory; }
    // The date stamped on the cover page (today unless set).
    void setDate(const QDate &date) { m_date = date; }

    ExportResult run();

    QString generatedFilesKind() const override { return QStringLiteral("3"); }
    QString question() const override;
    std::optional<ExportRefusal> checkAfterQuestion() override;
    void generate(ExportRun &run) override;

    void write(WordDocument &document) const;

private:
    Layout m_layout;
    const ProjectRecord &m_record;
    const CompanyInfo &m_company;
    Prompter &m_prompter;
    QString m_outputDirectory;
    QDate m_date;
    OutputPath m_path;
};

} // namespace zelvan
