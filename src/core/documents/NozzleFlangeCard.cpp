#include "core/documents/NozzleFlangeCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/project/TextCodec.h"

namespace zelvan {

QString NozzleFlangeCard::title() { return QStringLiteral("容器生产过程卡(接管法兰预制)"); }
QString NozzleFlangeCard::pictureName() { return QStringLiteral("pics/接管法兰预制.JPG"); }

std::vector<QStringList> NozzleFlangeCard::nozzleRows(const ProjectRecord &record)
{
    std::vector<QStringList> rows;
    for (const std::vector<std::string> &n : record.table(TableId::Nozzles).rows()) {
        auto text = [&](int column) { return fromGbk(n[size_t(column)]); };
        // Every nozzle is made once: the quantity is always one.
        rows.push_back({QStringLiteral("DN") + text(NozzleColumn::NominalDiameter),
                        text(NozzleColumn::PipeSize) + QStringLiteral("φ") + text(NozzleColumn::OutsideDiameter) + QStringLiteral("×")
                            + text(NozzleColumn::Thickness) + QLatin1Char('/') + text(NozzleColumn::Length),
                        text(NozzleColumn::Number), QStringLiteral("1"), text(NozzleColumn::OpeningType)});
    }
    if (rows.empty())
        rows.push_back(QStringList(5, QString()));
    return rows;
}

void NozzleFlangeCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSimpleHeader(document, in);
    const std::vector<ProcessCardFrame::Step> steps{
        {QStringLiteral("检验"), {QStringLiteral("检查外协加工的各锻件法兰，及其配套的螺栓，并按要求做好标记。")}, QStringLiteral("铆"),
         QStringLiteral("自检")},
        {QStringLiteral("接管与法兰组对"),
         {QStringLiteral("1.法兰应检验合格，并具有完整的标记及材质证书，同时注意法兰的凹凸面。"),
          QStringLiteral("2.接管与法兰装配点焊，法兰面应保证与接管的轴线垂直度≤法兰外径/100，并≯3mm。")},
         QStringLiteral("铆、焊"), QStringLiteral("自检")},
        {QStringLiteral("焊接"), {QStringLiteral("焊接采用平放转焊，并执行焊接工艺，打焊工钢印。")}, QStringLiteral("焊"), QStringLiteral("自检")},
        // The nozzle welds are C and D welds: their own testing ratio and method.
        {QStringLiteral("探伤"),
         {QStringLiteral("所有焊缝做") + in.process(ProcessField::MinorWeldNdtRatio) + in.process(ProcessField::MinorWeldNdtMethod)
          + QStringLiteral("探伤，包括锻件外接接管。")},
         QStringLiteral("检"), QStringLiteral("专检")},
        {QStringLiteral("检验"), {QStringLiteral("检验合格后，待装配。")}, QStringLiteral("检"), QStringLiteral("专检")},
    };
    ProcessCardFrame::writeStepTable(document, 3, true, ProcessCardFrame::stepHeaderPlain(), steps);
    ProcessCardFrame::writePictureRow(document, in.programDirectory() + pictureName());
    ProcessCardFrame::writeListRows(document,
                                    {QStringLiteral("法兰大小"), QStringLiteral("接管规格"), QStringLiteral("孔号"), QStringLiteral("数量"),
                                     QStringLiteral("管口形式")},
                                    nozzleRows(in.record()));
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
