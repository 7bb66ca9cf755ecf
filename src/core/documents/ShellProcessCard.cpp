#include "core/documents/ShellProcessCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/drawing/ProcessSketches.h"
#include "core/project/TextCodec.h"

namespace zelvan {

QString ShellProcessCard::title() { return QStringLiteral("容器生产过程卡(筒体)"); }

QString ShellProcessCard::misalignmentLine(int t)
{
    if (t <= 12)
        return QStringLiteral("A类： ≤0.25δ\tB类： ≤0.25δ");
    if (t <= 20)
        return QStringLiteral("A类： ≤3\tB类： ≤0.25δ");
    if (t <= 40)
        return QStringLiteral("A类： ≤3\tB类： ≤5");
    if (t <= 50)
        return QStringLiteral("A类： ≤3\tB类： ≤0.125δ");
    return QStringLiteral("A类： ≤0.0625δ 且 ≯10\tB类： ≤0.125δ，且≯20");
}

QString ShellProcessCard::circumferenceLine(int di)
{
    const char16_t *tolerance = u"错误";
    if (di < 800)
        tolerance = u"±5";
    else if (di <= 1200)
        tolerance = u"±7";
    else if (di >= 1300 && di <= 1600)
        tolerance = u"±9";
    else if (di >= 1700 && di <= 2400)
        tolerance = u"±11";
    else if (di >= 2600 && di <= 3000)
        tolerance = u"±13";
    else if (di >= 3200 && di <= 4000)
        tolerance = u"±15";
    return QStringLiteral("外圆周长允差：") + QString::fromUtf16(tolerance) + QStringLiteral("。");
}

void ShellProcessCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    const ProjectRecord &record = in.record();
    ProcessSketches::save(record, in.programDirectory(), in.prompter());
    const int di = leadingInt(record.process(ProcessField::InnerDiameter));
    const int t = leadingInt(record.process(ProcessField::WallThickness));
    const std::string &ratio = record.process(ProcessField::MainWeldNdtRatio);
    const QString method = in.testingMethodName();
    const QString acceptance = in.acceptanceText();
    const QString heatTreatment = in.process(ProcessField::HeatTreatment);

    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSketchHeader(document, in, in.process(ProcessField::MainMaterial),
                                        ProcessSketches::shellSketchPath(in.programDirectory()), true);

    QStringList inspection{QStringLiteral("1.材料必须有材质证书，钢号及规格应清楚。"), QStringLiteral("2.如有代用，代用单明确。"),
                           QStringLiteral("3.有标记及材料自编号并经原材料复验合格后，检验人员确定，方可使用。")};
    if (!heatTreatment.isEmpty())
        inspection << QStringLiteral("热处理要求：") + heatTreatment;
    inspection << QString();

    const std::vector<ProcessCardFrame::Step> steps{
        {QStringLiteral("检验"), inspection, QStringLiteral("检"), QStringLiteral("专检")},
        {QStringLiteral("号料划线"),
         {QStringLiteral("按排版图及技术交底内容分配板料"),
          QStringLiteral("1.按封头实测值号料，（两封头尺寸要匹配）准确划出实际用料线，并留出2~3mm加工余量。"),
          QStringLiteral("2.钢板两端划50mm检查线，并按规定划中心线，并打样冲眼。"), QStringLiteral("3.按垂直钢板轧制方向号产品试板。"),
          QStringLiteral("规格：400×125×δ；数量：2块；δ为板厚。"), QStringLiteral("4.划线公差执行《容器下料工艺守则》。"),
          QStringLiteral("长度公差：±1mm；"), QStringLiteral("宽    度：±1mm；"), QStringLiteral("对角线之差：≤2mm。"),
          QStringLiteral("5.检验人员专检后，方可进行下一步工作。")},
         QStringLiteral("铆"), QStringLiteral("自检专检")},
        {QStringLiteral("标记移植"), {QStringLiteral("按《材料标记移植规定》进行标记移植，并经检验人员确认。")}, QStringLiteral("铆"),
         QStringLiteral("自检")},
        {QStringLiteral("下料"), {QStringLiteral("气割下料（带产品试板），清除飞溅、熔渣。")}, QStringLiteral("气"), QStringLiteral("自检")},
        {QStringLiteral("坡口加工"),
         {QStringLiteral("1.火焰切割，清除熔渣后去氧化皮，砂轮机打磨至金属光泽。"), QStringLiteral("2.坡口加工后按检查线找正，允许偏差±0.5mm。"),
          QStringLiteral("3.用焊缝检验角度尺检查坡口。"), QStringLiteral("4.坡口表面不得有裂纹、分层、夹渣等缺陷。")},
         QStringLiteral("气、铆、检"), QStringLiteral("自检专检")},
        {QStringLiteral("标记"),
         {QStringLiteral("做各筒节标记，依据排版图所示标记0°，90°，180°，270°（油漆），并打样冲，标定焊缝位置。")},
         QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("检查"), {QStringLiteral("按《容器下料工艺守则》标准验收板料。")}, QStringLiteral("检"), QStringLiteral("专检")},
        {QStringLiteral("压头"), {QStringLiteral("1.用模具对钢板预弯，长度≥350mm。"), QStringLiteral("2.用样板检查，弧板与样板间隙≤2mm。")},
         QStringLiteral("铆、机"), QStringLiteral("自检")},
        {QStringLiteral("卷圆"),
         {QStringLiteral("1.在卷板机和吊车的配合下进行滚制。"), QStringLiteral("2.要用吊具配合，防止筒节回弹。"),
          QStringLiteral("3.板料要放正，不得滚斜。"), QStringLiteral("4.要用样板检查，间隙不得大于±1mm。"),
          QStringLiteral("5.端面不平度≤2mm。"), QStringLiteral("对口错边量要求："), misalignmentLine(t),
          QStringLiteral("对口间隙按焊接工艺要求。")},
         QStringLiteral("铆、焊、机"), QStringLiteral("自检、专检")},
        {QStringLiteral("纵缝焊接"), {QStringLiteral("1.点焊：执行焊接工艺卡。"), QStringLiteral("2.焊接按焊接工艺执行，并打焊工钢印。")},
         QStringLiteral("焊"), QStringLiteral("自检")},
        {QStringLiteral("检验"),
         {ProcessFileInputs::weldAppearanceLine(ratio),
          QStringLiteral("2.对产品试板进行") + method + QLatin1Char(',') + acceptance + QStringLiteral("执行")
              + in.process(ProcessField::MainWeldNdtStandard) + QStringLiteral("。在试板切下前，请监检人员检查或拍鉴证片。"),
          QStringLiteral("3.委托试件加工及理化实验，合格后执行下道工序。")},
         QStringLiteral("检、探"), QStringLiteral("自检、专检")},
        {QStringLiteral("校圆"), {QStringLiteral("用卷板机进行校圆，校圆后加支撑防止筒节变形。")}, QStringLiteral("铆、机"), QStringLiteral("自检")},
        {QStringLiteral("检验"),
         {QStringLiteral("1.棱角度E≤0.1δ+2mm，≯5mm。"), QStringLiteral("2.圆度e≤0.01φmm，且不大于22mm。"),
          QStringLiteral("3.筒节外圆周长要求："), circumferenceLine(di), QStringLiteral("4.检验合格后，转入下道工序。")},
         QStringLiteral("检"), QStringLiteral("专检")},
        {QStringLiteral("组对"),
         {QStringLiteral("1.将以上工序形成的筒节，按照排版图及标记进行组对。"), QStringLiteral("2.环缝对口错边量要求见序9。"),
          QStringLiteral("3.筒体长度误差≤2L/1000。"), QStringLiteral("4.筒体直线度≤H/1000，且≤20mm。")},
         QStringLiteral("铆、焊"), QStringLiteral("自检、专检")},
        {QStringLiteral("组对筒体封头"),
         {QStringLiteral("1.依据排版图标记0°，90°，180°，270°，对接筒体封头A。"), QStringLiteral("2.环缝对口错边量要求见序9。"),
          QStringLiteral("3.将环缝错边量均匀分布在圆周上，对口间隙见焊接工艺。")},
         QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("焊接"), {QStringLiteral("焊接筒体环缝，执行焊接工艺卡。")}, QStringLiteral("焊"), QStringLiteral("自检")},
        {QStringLiteral("检验探伤"),
         {ProcessFileInputs::weldAppearanceLine(ratio), in.shellTestingLine()},
         QStringLiteral("检、探"), QStringLiteral("自检、专检")},
    };
    ProcessCardFrame::writeStepTable(document, 6, true, ProcessCardFrame::stepHeaderWithSketch(), steps);

    // The fit-up sketch over a full row directly before the closing row.
    ProcessCardFrame::moveToMergedRow(document);
    document.setAlignment(WordAlignment::Centre);
    document.typeText(QStringLiteral("组对简图"));
    document.typeParagraph();
    document.addPicture(ProcessSketches::fitUpSketchPath(in.programDirectory()));
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
