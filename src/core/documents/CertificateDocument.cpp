#include "core/documents/CertificateDocument.h"

#include "core/documents/CertificateMessages.h"
#include "core/documents/DocumentMessages.h"
#include "core/documents/ProductCoverPage.h"
#include "core/documents/ProductListMessages.h"
#include "core/documents/TowerParameterLists.h"
#include "core/project/TextCodec.h"
#include "core/word/WordDocument.h"

namespace zelvan {

namespace {
using namespace TowerParameterLists;

// The text of a coded line: texts[position] for a stored code naming one
// of them, `otherwise` for anything else (empty, out of range, not a number).
QString byCode(const std::string &code, const QStringList &texts, const QString &otherwise)
{
    const int at = position(fromGbk(code), int(texts.size()));
    return at < 0 ? otherwise : texts.at(at);
}

QStringList prefixed(const QString &prefix, const QStringList &items, const QString &suffix = QString())
{
    QStringList out;
    for (const QString &item : items)
        out.append(prefix + item + suffix);
    return out;
}
} // namespace

CertificateDocument::CertificateDocument(const ProjectRecord &record, const CompanyInfo &company, Prompter &prompter)
    : WordFileExport(record, company, prompter, CertificateMessages::fileSuffix())
{
}

QList<QStringList> CertificateDocument::tableLines(const ProjectRecord &record)
{
    auto f = [&](Field field) { return fromGbk(record.field(field)); };
    const QString shell = QStringLiteral("壳程(壳体)  ");
    const QString jacket = QStringLiteral("管程(夹套)   ");
    const QString mpa = QStringLiteral(" MPa");
    const QString gap = QStringLiteral("     ");
    const QStringList percentages = {QStringLiteral("10%"), QStringLiteral("20%"), QStringLiteral("50%"), QStringLiteral("100%")};
    const QString notChosen = CertificateMessages::notChosen();

    const QStringList technical = {
        QStringLiteral("设 计 压 力：") + shell + f(Field::DesignPressureShell) + mpa + gap + jacket + f(Field::DesignPressureTube) + mpa,
        QStringLiteral("设 计 温 度：") + shell + f(Field::DesignTemperatureShell) + QStringLiteral(" ℃") + gap + jacket
            + f(Field::DesignTemperatureTube) + QStringLiteral(" ℃"),
        QStringLiteral("工 作 介 质：") + shell + f(Field::WorkingMediumShell) + QString(8, QLatin1Char(' ')) + jacket
            + f(Field::WorkingMediumTube),
        QStringLiteral("最高工作压力：") + shell + f(Field::MaxWorkingPressureShell) + mpa + gap + jacket
            + f(Field::MaxWorkingPressureTube) + mpa,
        byCode(record.field(Field::StructureForm),
               {QStringLiteral("结构形式：  ■ 单层 □ 多层(□ 热套   □ 绕带   □ 包扎)"),
                QStringLiteral("结构形式：  □ 单层 ■ 多层(□ 热套   □ 绕带   □ 包扎)")},
               QString()),
        QStringLiteral("换热面积：") + f(Field::HeatExchangeArea) + QStringLiteral("  M^2  重量： ") + f(Field::Weight)
            + QStringLiteral(" KG     容积：") + f(Field::Volume) + QStringLiteral("  M^3"),
        QStringLiteral("规格：  内径  ") + f(Field::InnerDiameter) + QStringLiteral("  mm    壁厚： ") + f(Field::WallThickness)
            + QStringLiteral("  mm"),
        QStringLiteral("总高(总长)： ") + f(Field::OverallLength) + QStringLiteral(" mm"),
    };
    const QStringList tests = {
        QStringLiteral("耐 压 试 验：") + shell + f(Field::PressureTestShell) + mpa + gap + jacket + f(Field::PressureTestTube) + mpa,
        QStringLiteral("气密性试验：") + shell + f(Field::AirTightnessTestShell) + mpa + gap + QStringLiteral("渗漏(夹套)   ")
            + f(Field::LeakageTest) + mpa,
        QStringLiteral("补强板焊缝密封试验压力： ") + f(Field::PadWeldSealTestPressure) + QStringLiteral("  MPa"),
    };
    // The first instrument is printed with two blanks after the colon, the
    // others with three, as on the shop's certificate form.
    const QStringList instruments = {QStringLiteral("仪器：  250EG-B2F  "), QStringLiteral("仪器：   250EGS3  "),
                                     QStringLiteral("仪器：   200EGS3  "), QStringLiteral("仪器：   300EG-B2F  ")};
    const QStringList ndt = {
        byCode(record.field(Field::NdtMethod), prefixed(QStringLiteral("无损检验方法： "), ndtMethods(), QStringLiteral("  ")),
               QStringLiteral("无损检验方法： ") + notChosen + QStringLiteral("  "))
            + byCode(record.field(Field::NdtInstrument), instruments, QStringLiteral("仪器：   ") + notChosen + QStringLiteral("  ")),
        byCode(record.field(Field::DrawingInspectionRatio), prefixed(QStringLiteral("图样规定无损检测比例： "), percentages),
               QStringLiteral("图样规定无损检测比例： ") + notChosen + QStringLiteral("  ")),
        byCode(record.field(Field::MinimumInspectionRatio), prefixed(QStringLiteral("单条焊缝实际检测最小比例： "), percentages),
               QStringLiteral("单条焊缝实际检测最小比例： ") + notChosen + QStringLiteral("  ")),
        QStringLiteral("焊缝总长：  A类焊缝 ") + f(Field::WeldLengthA) + QStringLiteral("  m  B类焊缝  ") + f(Field::WeldLengthB)
            + QStringLiteral("  m"),
        QStringLiteral("实际无损检测长度：  A类焊缝 ") + f(Field::InspectedLengthA) + QStringLiteral("  m  B类焊缝  ")
            + f(Field::InspectedLengthB) + QStringLiteral("  m"),
        byCode(record.field(Field::AddedNdtRatio),
               {QStringLiteral("增加探伤比例： ■ 符合标准规定 □ 无此项"), QStringLiteral("增加探伤比例： □ 符合标准规定 ■ 无此项")},
               QString()),
    };
    // The certificate writes the manufacturing standard with full-width
    // brackets although the page's label has ASCII ones.
    const QStringList standards = {
        QStringLiteral("设计标准：  ") + byCode(record.field(Field::DesignStandard), designStandards(), notChosen),
        QStringLiteral("制造（现场组焊）标准：  ")
            + byCode(record.field(Field::ManufacturingStandard), manufacturingStandards(), notChosen),
        QStringLiteral("探伤标准：  ") + byCode(record.field(Field::NdtStandard), ndtStandards(), notChosen),
    };
    return {technical, tests, ndt, standards};
}

void CertificateDocument::write(WordDocument &document) const
{
    ProductCoverPage::write(document, {CertificateMessages::coverTitle(), 18, true}, m_record, m_company, m_date);

    document.setAlignment(WordAlignment::Centre);
    document.setBold(true);
    document.setSize(18);
    document.typeText(CertificateMessages::heading());
    document.typeParagraph();
    document.setBold(false);
    document.setAlignment(WordAlignment::Left);
    document.setSize(12);
    document.typeText(ProductListMessages::productNumberLine() + fromGbk(m_record.field(Field::ProductNumber)));
    document.typeParagraph();
    document.typeParagraph();

    const QStringList headings = {QStringLiteral("技术参数"), QStringLiteral("压力试验"), QStringLiteral("无损检测"),
                                  QStringLiteral("施工依据")};
    const QList<QStringList> lines = tableLines(m_record);
    // Widths fitted to the content and then fixed: in two equal columns the
    // four-character headings stood in half the page while each line of the
    // characteristics ("设 计 压 力：壳程(壳体) 1.0 MPa 管程(夹套) / MPa")
    // broke in two.
    const int table = document.addTable(4, 2, true);
    document.fixColumnWidths(table);
    // The first row is the technical data, not a heading: repeated at the
    // top of the next page it printed the whole block twice.
    document.selectCell(table, 1, 1);
    document.setHeadingRow(false);
    for (int row = 0; row < 4; ++row) {
        document.selectCell(table, row + 1, 1);
        document.typeText(headings.at(row));
        document.selectCell(table, row + 1, 2);
        // Rows 2 and 4 end on their last line; rows 1 and 3 close with a
        // paragraph mark after it.
        const bool closingMark = row == 0 || row == 2;
        const QStringList &cellLines = lines.at(row);
        for (qsizetype i = 0; i < cellLines.size(); ++i) {
            document.typeText(cellLines.at(i));
            if (i + 1 < cellLines.size() || closingMark)
                document.typeParagraph();
        }
    }
}

} // namespace zelvan
