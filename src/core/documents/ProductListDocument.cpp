#include "core/documents/ProductListDocument.h"

#include "core/documents/DocumentMessages.h"
#include "core/documents/ProductCoverPage.h"
#include "core/documents/ProductListMessages.h"
#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

namespace zelvan {

namespace {
constexpr int kTableRows = 18; // the header and 17 records fill the first page
}

ProductListDocument::Layout ProductListDocument::partsList()
{
    // Material, document number and workpiece number stay in the project:
    // the list that goes to the customer does not show them.
    using namespace PartColumn;
    return {TableId::Parts,
            ProductListMessages::partsCoverTitle(),
            ProductListMessages::partsHeading(),
            ProductListMessages::partsFileSuffix(),
            ProductListMessages::noParts(),
            {QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("类别"), QStringLiteral("规格型号"),
             QStringLiteral("标准号"), QStringLiteral("单位"), QStringLiteral("数量"), QStringLiteral("重量"),
             QStringLiteral("性质"), QStringLiteral("技术要求")},
            {Number, Name, Category, Specification, StandardNumber, Unit, Quantity, Weight, Nature, TechnicalRequirements},
            // Ten columns on a portrait page: the small size leaves the long
            // ones (名称, 技术要求) room.
            9};
}

ProductListDocument::Layout ProductListDocument::weldTable()
{
    std::vector<int> all;
    for (int column = 0; column < 19; ++column)
        all.push_back(column);
    // Nineteen columns do not fit a portrait page legibly: the table gets
    // landscape pages of its own, at 8 pt, the size at which the sizes and
    // materials of a nozzle weld ("φ159×4.5", "16MnR") print unbroken
    // beside a full inspection standard.
    return {TableId::Welds,
            ProductListMessages::weldsCoverTitle(),
            ProductListMessages::weldsHeading(),
            ProductListMessages::weldsFileSuffix(),
            ProductListMessages::noWelds(),
            {QStringLiteral("焊缝编号"), QStringLiteral("类别"), QStringLiteral("形状"), QStringLiteral("长度"),
             QStringLiteral("焊接人1"), QStringLiteral("焊接人2"), QStringLiteral("焊接人3"), QStringLiteral("材质A"),
             QStringLiteral("规格A"), QStringLiteral("材质B"), QStringLiteral("规格B"), QStringLiteral("焊缝类型"),
             QStringLiteral("坡口形式"), QStringLiteral("检验类型"), QStringLiteral("检验标准"), QStringLiteral("检验比例"),
             QStringLiteral("合格级别"), QStringLiteral("焊缝状态"), QStringLiteral("焊接位置")},
            all,
            8,
            PageOrientation::Landscape};
}

ProductListDocument::ProductListDocument(Layout layout, const ProjectRecord &record, const CompanyInfo &company,
                                         Prompter &prompter)
    : WordFileExport(record, company, prompter, layout.fileSuffix)
    , m_layout(std::move(layout))
{
}

std::optional<ExportRefusal> ProductListDocument::checkContent() const
{
    if (m_record.table(m_layout.table).rowCount() == 0)
        return ExportRefusal::information(m_layout.emptyMessage);
    return std::nullopt;
}

void ProductListDocument::write(WordDocument &document) const
{
    ProductCoverPage::write(document, {m_layout.coverTitle, 18, false}, m_record, m_company, m_date);
    if (m_layout.tableOrientation != PageOrientation::Portrait)
        document.startSection(m_layout.tableOrientation);

    document.setAlignment(WordAlignment::Centre);
    document.setBold(true);
    document.setSize(18);
    document.typeText(m_layout.heading);
    document.typeParagraph();
    document.setBold(false);
    document.setAlignment(WordAlignment::Left);
    document.setSize(12);
    document.typeText(ProductListMessages::productNumberLine() + fromGbk(m_record.field(Field::ProductNumber)));
    document.typeParagraph();

    document.setSize(m_layout.tableFontSize);
    const int columns = int(m_layout.headers.size());
    // Fixed column widths, fitted to what the list holds: in equal columns
    // "16MnR" and "δ=12" broke in the middle and the inspection standard
    // took nine lines a weld, while "类别" and "长度" stayed half empty.
    const int table = document.addTable(kTableRows, columns, true);
    document.fixColumnWidths(table);
    // Narrow cell margins (0.1 cm): with ten or nineteen columns Word's
    // 0.19 cm on each side takes a third of the width from the text.
    document.setCellPadding(table, 57);
    document.selectCell(table, 1, 1);
    bool first = true;
    auto cell = [&](const QString &text) {
        // Moving on from the last cell appends a row.
        if (!first)
            document.moveRight(WordDocument::Cell);
        first = false;
        document.typeText(text);
    };
    for (const QString &header : m_layout.headers)
        cell(header);
    for (const std::vector<std::string> &row : m_record.table(m_layout.table).rows())
        for (int column : m_layout.columns)
            cell(column < int(row.size()) ? fromGbk(row[size_t(column)]) : QString());
}

} // namespace zelvan
