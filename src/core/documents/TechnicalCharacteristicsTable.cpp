#include "core/documents/TechnicalCharacteristicsTable.h"

#include "core/documents/ProcessCardLists.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/project/VesselCodes.h"
#include "core/word/WordDocument.h"

#include <QStringList>

namespace zelvan {

namespace {

void typeCells(WordDocument &document, const QStringList &texts)
{
    for (const QString &text : texts) {
        document.typeText(text);
        document.moveRight(WordDocument::Cell);
    }
}

// A label, then the other three cells of the row merged for one value.
void typeMergedRow(WordDocument &document, const QString &label, const QStringList &paragraphs, bool markAfterEach)
{
    document.typeText(label);
    document.moveRight(WordDocument::Cell);
    document.moveRight(WordDocument::Character, 3, true);
    document.mergeCells();
    for (const QString &text : paragraphs) {
        document.typeText(text);
        if (markAfterEach)
            document.typeParagraph();
    }
}

} // namespace

QString TechnicalCharacteristicsTable::vesselForm(const std::string &vesselType)
{
    const std::optional<VesselType> type = VesselTypes::parse(vesselType);
    if (!type)
        return QStringLiteral("未  知");
    return *type == VesselType::Vertical ? QStringLiteral("立  式") : QStringLiteral("卧  式");
}

void TechnicalCharacteristicsTable::write(WordDocument &document, const ProcessFileInputs &in)
{
    document.setAlignment(WordAlignment::Centre);
    document.setSize(15);
    document.setBold(false);
    document.typeText(QStringLiteral("压力容器技术特性"));
    document.typeParagraph();
    document.setAlignment(WordAlignment::Left);
    document.setSize(12);

    const int table = document.addTable(13, 4, false);
    document.selectCell(table, 1, 1);
    using P = ProcessField;
    typeCells(document, {QStringLiteral("容器名称"), in.field(Field::VesselName), QStringLiteral("产品编号"), in.field(Field::ProductNumber)});
    typeCells(document, {QStringLiteral("容器类别"), in.field(Field::VesselCategory), QStringLiteral("设计图号"), in.field(Field::DrawingNumber)});
    typeCells(document, {QStringLiteral("外形型式"), vesselForm(in.record().field(Field::VesselType)), QStringLiteral("外形尺寸"),
                         QStringLiteral("φ") + in.process(P::InnerDiameter) + QLatin1Char('*') + in.process(P::OverallLength)
                             + QLatin1Char('*') + in.process(P::WallThickness)});
    typeCells(document, {QStringLiteral("封头型式"), in.field(Field::FirstHeadType), QStringLiteral("主体材质"), in.process(P::MainMaterial)});
    typeCells(document, {QStringLiteral("容器容积"), in.process(P::Volume) + QStringLiteral("m3"), QStringLiteral("净    重"),
                         in.process(P::NetWeight) + QStringLiteral("Kg")});
    typeCells(document, {QStringLiteral("设计压力"), in.process(P::DesignPressure) + QStringLiteral("MPa"), QStringLiteral("设计温度"),
                         in.process(P::DesignTemperature) + QStringLiteral("℃")});
    typeCells(document, {QStringLiteral("强度试验压力"), in.process(P::TestPressure) + QStringLiteral("MPa"), QStringLiteral("工作介质"),
                         in.process(P::WorkingMedium)});
    typeMergedRow(document, QStringLiteral("制造标准及规范"), in.checkedStandards(), true);
    document.moveRight(WordDocument::Cell);
    typeCells(document, {QStringLiteral("探伤方法"), in.process(P::MainWeldNdtMethod), QStringLiteral("探伤比例"),
                         QStringLiteral("A，B类焊缝") + in.process(P::MainWeldNdtRatio)});
    typeCells(document, {QStringLiteral("合格级别"), in.acceptanceText(), QStringLiteral("检验标准"), in.process(P::MainWeldNdtStandard)});
    typeCells(document, {QStringLiteral("腐蚀裕度"), in.process(P::CorrosionAllowance) + QStringLiteral("mm"), QStringLiteral("焊缝系数"),
                         QStringLiteral("筒体") + in.process(P::WeldFactorShell) + QStringLiteral("，封头") + in.process(P::WeldFactorHeads)});
    typeMergedRow(document, QStringLiteral("设计单位"), {in.field(Field::DesignUnit)}, false);
    document.moveRight(WordDocument::Cell);
    typeMergedRow(document, QStringLiteral("附    注"), {in.process(P::Remarks)}, false);
    // The characteristics are read as one sheet: never split over a page.
    document.keepTableTogether(table);

    // Out of the table, the process diagram under its title.
    document.moveDown(WordDocument::Line, 1);
    document.typeParagraph();
    document.setAlignment(WordAlignment::Centre);
    document.setSize(15);
    document.typeText(QStringLiteral("产品制作工序"));
    document.typeParagraph();
    document.typeParagraph();
    document.setAlignment(WordAlignment::Left);
    document.setSize(12);
    document.moveUp(WordDocument::Line, 1);
    document.addPicture(ProcessCardLists::processDiagramPath(in.programDirectory(), in.record().process(P::ExternalForm)));
    document.moveDown(WordDocument::Line, 2);
    document.typeParagraph();
    document.typeParagraph();
}

} // namespace zelvan
