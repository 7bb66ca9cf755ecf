#include "core/documents/ReinforcementRingCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/project/TextCodec.h"

namespace zelvan {

QString ReinforcementRingCard::title() { return QStringLiteral("容器生产过程卡(补强圈预制)"); }
QString ReinforcementRingCard::pictureName() { return QStringLiteral("pics/补强圈预制.JPG"); }

std::vector<QStringList> ReinforcementRingCard::ringRows(const ProjectRecord &record)
{
    const auto nozzles = record.table(TableId::Nozzles).rows();
    if (nozzles.empty())
        return {QStringList(4, QString())};
    std::vector<QStringList> rows;
    for (const std::vector<std::string> &n : nozzles) {
        if (n[NozzleColumn::ReinforcementSize].empty())
            continue;
        rows.push_back({fromGbk(n[NozzleColumn::ReinforcementSize]), fromGbk(n[NozzleColumn::Number]), QStringLiteral("1"),
                        fromGbk(n[NozzleColumn::ReinforcementNote])});
    }
    return rows;
}

void ReinforcementRingCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSimpleHeader(document, in);
    const std::vector<ProcessCardFrame::Step> steps{
        {QStringLiteral("领料"), {QStringLiteral("材料必须有质量证明书，标记齐全清楚，并经检验合格方可使用。")}, QStringLiteral("检"),
         QStringLiteral("专检")},
        {QStringLiteral("划线"), {QStringLiteral("放样制造样板，用样板在钢板上进行划线。")}, QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("卷板"), {QStringLiteral("在卷板机上进行滚弧，与筒体组合间隙0~1mm。")}, QStringLiteral("铆、机"), QStringLiteral("自检")},
        {QStringLiteral("切割，开坡口"),
         {QStringLiteral("1.气焊切割，清除熔渣后去氧化皮。"), QStringLiteral("2.用气割开坡口，坡口形式见焊接工艺。")}, QStringLiteral("气"),
         QStringLiteral("自检")},
        // "M12-10G" is the shop's own designation of the tell-tale hole thread.
        {QStringLiteral("开信号孔"),
         {QStringLiteral("根据图纸要求，距边缘15mm处钻孔，并套M12-10G信号孔。注：信号孔放置在壳体最低位置处。")}, QStringLiteral("铆"),
         QStringLiteral("自检")},
        {QStringLiteral("标记移植"), {QStringLiteral("按《材料标记移植规定》进行标记移植，并经检验人员确认。")}, QStringLiteral("铆"),
         QStringLiteral("专检")},
        {QStringLiteral("检验"), {QStringLiteral("对外形尺寸、弧度、信号孔螺纹的质量进行全面检查，经检验合格后待装配。")}, QStringLiteral("检"),
         QStringLiteral("专检")},
    };
    ProcessCardFrame::writeStepTable(document, 3, true, ProcessCardFrame::stepHeaderPlain(), steps);
    ProcessCardFrame::writePictureRow(document, in.programDirectory() + pictureName());
    ProcessCardFrame::writeListRows(document, {QStringLiteral("规格"), QStringLiteral("孔号"), QStringLiteral("数量"), QStringLiteral("说明")},
                                    ringRows(in.record()));
    ProcessCardFrame::writeTextRow(document, QStringLiteral("组装焊接完成后进行气密性试验。"));
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
