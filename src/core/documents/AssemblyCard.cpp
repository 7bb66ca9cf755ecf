#include "core/documents/AssemblyCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

namespace zelvan {

QString AssemblyCard::title() { return QStringLiteral("容器生产过程卡(总装)"); }
QString AssemblyCard::pictureName() { return QStringLiteral("pics/总装.JPG"); }

void AssemblyCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    using Step = ProcessCardFrame::Step;
    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSimpleHeader(document, in);
    const std::vector<Step> openings{
        {QStringLiteral("检验"), {QStringLiteral("1.依照图纸，检查所有零部件是否完整，数量正确。")}, QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("划线"),
         {QStringLiteral("1.依照排版图，在壳体上分别号出0°，90°，180°，270°四条轴线，打粉线，两端打样冲。")}, QStringLiteral("铆"),
         QStringLiteral("自检")},
        {QStringLiteral("定位"),
         {QStringLiteral("1.依照排版图，划出所有开孔点位置，并打样冲，允差±5mm。"), QStringLiteral("2.用画规画出各开孔的轮廓线，并标明大小。")},
         QStringLiteral("铆"), QStringLiteral("自检")},
        // A hold point: nothing is cut before the inspector has seen the marks.
        {QStringLiteral("检查"), {QStringLiteral("1.质检员到场检查所有开孔位置及大小是否正确。")}, QStringLiteral("检"), QStringLiteral("停检")},
        {QStringLiteral("开孔"), {QStringLiteral("1.气割开孔，按焊接工艺开坡口，并清除飞溅。")}, QStringLiteral("气"), QStringLiteral("自检")},
        {QStringLiteral("组焊外部接管法兰及人孔"),
         {QStringLiteral("1.依施工图纸，按图示的接管伸出长度组对接管、补强圈，接管伸出长度误差±5mm。"),
          QStringLiteral("2.接管与筒体轴线的平行度和垂直度≤接管长度/100≤5mm。"), QStringLiteral("3.法兰的螺栓应与壳体的主轴线跨中布置。"),
          QStringLiteral("4.点焊，执行焊接工艺卡。")},
         QStringLiteral("铆、焊"), QStringLiteral("自检、专检")},
        {QStringLiteral("焊接"), {QStringLiteral("1.执行焊接工艺卡，外观符合《焊缝成型规定》，并打焊工钢印。")}, QStringLiteral("焊"),
         QStringLiteral("自检")},
    };
    const int firstTable = ProcessCardFrame::writeStepTable(document, 3, true, ProcessCardFrame::stepHeaderPlain(), openings);
    ProcessCardFrame::writePictureRow(document, in.programDirectory() + pictureName());
    document.moveDown(WordDocument::Line, 1);

    std::vector<Step> closing{
        {QStringLiteral("组对筒体封头B"),
         {QStringLiteral("1.依据排版图标记0°，90°，180°，270°，对接筒体右封头。"), QStringLiteral("2.环缝对口错边量要求筒体工序9。"),
          QStringLiteral("3.将环缝错边量均匀分布在圆周上，对口间隙见焊接工艺。")},
         QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("支腿组装焊接"),
         {QStringLiteral("1.划线。"), QStringLiteral("2.装配垫板，使之与筒体贴合间隙≤2mm。"), QStringLiteral("3.点焊，执行焊接工艺。"),
          QStringLiteral("4.组装支腿，保证垂直及螺栓孔的距离。"), QStringLiteral("5.点焊，焊接，执行焊接工艺卡。")},
         QStringLiteral("铆、焊、气"), QStringLiteral("自检，专检")},
        {QStringLiteral("焊接"), {QStringLiteral("焊接筒体焊缝，执行焊接工艺卡。")}, QStringLiteral("焊"), QStringLiteral("自检")},
        {QStringLiteral("检验探伤"),
         {ProcessFileInputs::weldAppearanceLine(in.record().process(ProcessField::MainWeldNdtRatio)), in.shellTestingLine()},
         QStringLiteral("检、探"), QStringLiteral("自检、专检")},
        {QStringLiteral("组装压力表"),
         {QStringLiteral("1.按图纸位置组装压力表接管。"), QStringLiteral("2.组装支撑筋。"), QStringLiteral("3.焊接，执行焊接工艺卡。")},
         QStringLiteral("铆、焊"), QStringLiteral("自检、专检")},
        {QStringLiteral("检查"),
         {QStringLiteral("1.检验人员进入容器内，检查内部所有附件是否按要求安装和焊接。"), QStringLiteral("2.合格后，请监检人员到场检验。")},
         QStringLiteral("检"), QStringLiteral("专检")},
        {QStringLiteral("封人孔"), {QStringLiteral("1.所有内件组装完毕，检验人员检查。"), QStringLiteral("2.合格后班组按要求封人孔。")},
         QStringLiteral("检、铆"), QStringLiteral("专检")},
    };
    const QString heatTreatment = in.process(ProcessField::HeatTreatment);
    if (!heatTreatment.isEmpty())
        closing.push_back({QStringLiteral("热处理"), {heatTreatment}, QStringLiteral("检、铆"), QStringLiteral("自检")});
    // The steps after the picture go on in the first table's columns.
    const int secondTable = ProcessCardFrame::writeStepTable(document, 6, true, {}, closing, 12);
    document.continueColumnsOf(secondTable, firstTable);
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
