#pragma once

#include "core/documents/WordFileExport.h"

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
class CertificateDocument : public WordFileExport {
public:
    CertificateDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter);

    void write(WordDocument &document) const override;

    // The lines of the table's second column, row by row; the last line of
    // rows 2 and 4 ends without a paragraph mark.
    static QList<QStringList> tableLines(const ProjectRecord &record);

};

} // namespace zelvan
