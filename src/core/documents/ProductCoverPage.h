#pragma once

#include "core/project/ProjectRecord.h"

#include <QDate>
#include <QString>

namespace zelvan {

class WordDocument;

// The product cover page that opens the welding procedure cards, the parts
// list, the weld parameter table and the product certificate: the company in
// the page header, the title, then the product's particulars for the
// inspector to sign and stamp.
class ProductCoverPage {
public:
    struct Options {
        QString title;
        double titleSize = 18; // points
        // The certificate adds the sentence of conformity after the finish
        // date and closes with fewer paragraph marks.
        bool certificate = false;
    };

    // "本压力容器产品经质量检验符合《压力容器安全技术监察规程》、设计图样和技术条件的要求。"
    static QString conformitySentence();

    static void write(WordDocument &document, const Options &options, const ProjectRecord &record,
                      const CompanyInfo &company, const QDate &today);
};

} // namespace zelvan
