#include "core/documents/WeldingCardDocument.h"

#include "core/documents/ProductCoverPage.h"
#include "core/documents/DocumentMessages.h"
#include "core/documents/WeldingCardMessages.h"
#include "core/documents/WeldingCardModel.h"
#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

#include <variant>

namespace zelvan {

namespace {
constexpr int kColumns = 6; // every span of the card is counted in sixths

// Columns of the welding-card table.
enum CardColumn {
    Number, Qualification, Method, JointForm, Material, Thickness, Position, Groove, CurrentType,
    Appearance, Remark, TestType, TestStandard, TestRatio, AcceptanceLevel
};

// Fills a table cell by cell in reading order; moving on from the last cell
// appends a row with the last row's layout, which the next merge or split
// reshapes.
class CardWriter {
public:
    explicit CardWriter(WordDocument &document) : m_document(document) {}

    // The next cell, `span` sixths wide when the row still has narrower
    // cells there.
    CardWriter &cell(const QString &text, int span = 1)
    {
        if (!m_first)
            m_document.moveRight(WordDocument::Cell);
        m_first = false;
        if (span > 1) {
            m_document.moveRight(WordDocument::Character, cellsFor(span), true);
            m_document.mergeCells();
        }
        m_document.typeText(text);
        return *this;
    }
    // The next row as one full-width cell split into six.
    CardWriter &splitRow(const QStringList &texts)
    {
        m_document.moveRight(WordDocument::Cell);
        m_document.moveRight(WordDocument::Character, kColumns, true);
        m_document.mergeCells();
        m_document.splitCells(1, kColumns, false);
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (i)
                m_document.moveRight(WordDocument::Cell);
            m_document.typeText(texts.at(i));
        }
        return *this;
    }

private:
    // How many of the row's cells from the insertion point make `span`
    // grid columns.
    int cellsFor(int span) const
    {
        const WordDocument::Position &pos = m_document.position();
        const WordTable &table = std::get<WordTable>(m_document.model().body.blocks[size_t(pos.block)]);
        const WordRow &row = table.rows[size_t(pos.row)];
        int covered = 0;
        int cells = 0;
        for (size_t c = size_t(pos.cell); c < row.cells.size() && covered < span; ++c, ++cells)
            covered += row.cells[c].span;
        return cells;
    }

    WordDocument &m_document;
    bool m_first = true;
};

QString text(const std::vector<std::string> &row, int column)
{
    return column < int(row.size()) ? fromGbk(row[size_t(column)]) : QString();
}
} // namespace

WeldingCardDocument::WeldingCardDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter)
    : WordFileExport(record, company, prompter, WeldingCardMessages::fileSuffix())
{
}

std::optional<ExportRefusal> WeldingCardDocument::checkContent() const
{
    if (m_record.table(TableId::WeldingCards).rowCount() == 0)
        return ExportRefusal::information(WeldingCardMessages::noCards());
    return std::nullopt;
}

void WeldingCardDocument::write(WordDocument &document) const
{
    ProductCoverPage::write(document, {WeldingCardMessages::coverTitle(), 20, false}, m_record, m_company, m_date);
    for (const std::vector<std::string> &card : m_record.table(TableId::WeldingCards).rows()) {
        const std::string &number = card.at(Number);
        writeCard(document, card, WeldingCardModel::consumablesOf(m_record, number),
                  WeldingCardModel::parametersOf(m_record, number));
    }
}

void WeldingCardDocument::writeCard(WordDocument &document, const std::vector<std::string> &card,
                                    const std::vector<std::vector<std::string>> &consumables,
                                    const std::vector<std::vector<std::string>> &parameters)
{
    document.setAlignment(WordAlignment::Centre);
    document.setBold(true);
    document.setSize(18);
    document.setUnderline(WordUnderline::Double);
    document.typeText(WeldingCardMessages::cardTitle());
    document.typeParagraph();
    document.typeParagraph();
    document.setBold(false);
    document.setSize(12);
    document.setUnderline(WordUnderline::None);

    const int table = document.addTable(6, kColumns, false);
    // Narrow cell margins (0.1 cm): with Word's 0.19 cm a five-character
    // label at 12 pt ("工艺评定号", "填充、盖面") is wider than a sixth of the
    // page and prints its last character on a line of its own.
    document.setCellPadding(table, 57);
    document.selectCell(table, 1, 1);
    CardWriter w(document);
    auto c = [&](int column) { return text(card, column); };
    w.cell(QStringLiteral("编号")).cell(c(Number), 2).cell(QStringLiteral("工艺评定号")).cell(c(Qualification), 2);
    w.cell(QStringLiteral("焊接方法")).cell(c(Method), 2).cell(QStringLiteral("接头形式")).cell(c(JointForm), 2);
    w.cell(QStringLiteral("材质")).cell(c(Material)).cell(QStringLiteral("壁厚")).cell(c(Thickness))
        .cell(QStringLiteral("焊接位置")).cell(c(Position));
    w.cell(QStringLiteral("坡口形式")).cell(c(Groove), 2).cell(QStringLiteral("电流特性")).cell(c(CurrentType), 2);
    w.cell(QStringLiteral("无损检测"), 6);
    w.cell(QStringLiteral("检验类型")).cell(c(TestType), 2).cell(QStringLiteral("检验标准")).cell(c(TestStandard), 2);
    w.cell(QStringLiteral("检验比例")).cell(c(TestRatio), 2).cell(QStringLiteral("合格级别")).cell(c(AcceptanceLevel), 2);

    w.cell(QStringLiteral("焊材牌号规格"), 3).cell(QStringLiteral("烘干要求"), 3);
    // A card without rows still gets room to fill in by hand.
    if (consumables.empty())
        w.cell(QString(), 3).cell(QString(), 3).cell(QString(), 3).cell(QString(), 3);
    for (const std::vector<std::string> &row : consumables)
        w.cell(text(row, 1), 3).cell(text(row, 2), 3);

    w.cell(QStringLiteral("焊接程序及规范"), 6);
    w.splitRow({QStringLiteral("层数"), QStringLiteral("直径"), QStringLiteral("电流(A)"), QStringLiteral("电压(V)"),
                QStringLiteral("速度(m/h)"), QStringLiteral("其它")});
    if (parameters.empty())
        for (int i = 0; i < 2 * kColumns; ++i)
            w.cell(QString());
    for (const std::vector<std::string> &row : parameters)
        for (int column = 1; column <= kColumns; ++column)
            w.cell(text(row, column));

    w.cell(QStringLiteral("外观要求"), 6).cell(c(Appearance), 6);
    w.cell(QStringLiteral("备注"), 6).cell(c(Remark), 6);
    w.splitRow({QStringLiteral("编制"), QString(), QStringLiteral("审核"), QString(), QStringLiteral("日期"), QString()});

    document.moveDown(WordDocument::Line, 2);
    document.typeParagraph();
}

} // namespace zelvan
