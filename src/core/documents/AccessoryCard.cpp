#include "core/documents/AccessoryCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/project/TextCodec.h"

namespace zelvan {

QString AccessoryCard::title() { return QStringLiteral("容器生产过程卡(附件预制)"); }

std::vector<QStringList> AccessoryCard::partRows(const ProjectRecord &record)
{
    std::vector<QStringList> rows;
    for (const std::vector<std::string> &part : record.table(TableId::Parts).rows()) {
        // Any part may need riveting, welding, cutting and inspection; the
        // inspector signs on paper.
        rows.push_back({fromGbk(part[PartColumn::Number]), fromGbk(part[PartColumn::Name]),
                        fromGbk(part[PartColumn::TechnicalRequirements]), QStringLiteral("铆、焊、气、检"), QStringLiteral("自检、专检"),
                        QString()});
    }
    if (rows.empty())
        rows.push_back(QStringList(6, QString()));
    return rows;
}

void AccessoryCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSimpleHeader(document, in);
    // Fixed column widths, fitted to the parts: the long requirement texts
    // wrap in their column, while "铆、焊、气、检" and the heading stay on
    // one line (in equal columns the heading printed "工序内/容、要求").
    const int table = ProcessCardFrame::writeRowTable(document, 2, true, ProcessCardFrame::stepHeaderPlain(), partRows(in.record()));
    document.fixColumnWidths(table);
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
