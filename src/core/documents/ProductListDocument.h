#pragma once

#include "core/documents/WordFileExport.h"
#include "core/word/WordModel.h"

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
class ProductListDocument : public WordFileExport {
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

    void write(WordDocument &document) const override;

protected:
    std::optional<ExportRefusal> checkContent() const override;

private:
    Layout m_layout;
};

} // namespace zelvan
