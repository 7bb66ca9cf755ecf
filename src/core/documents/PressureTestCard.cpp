#include "core/documents/PressureTestCard.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/project/TextCodec.h"

#include <QRegularExpression>

namespace zelvan {

QString PressureTestCard::title() { return QStringLiteral("容器生产过程卡(试压、油漆、入库)"); }

QString PressureTestCard::gaugeRange(const std::string &testPressure)
{
    const qint64 whole = leadingInt(testPressure);
    if (whole >= 1)
        return QString::number(3 * whole);
    const double pressure = leadingDouble(testPressure);
    if (!(pressure > 0))
        return QStringLiteral("0");
    QString range = QString::number(3 * pressure, 'f', 2);
    while (range.endsWith(QLatin1Char('0')))
        range.chop(1);
    if (range.endsWith(QLatin1Char('.')))
        range.chop(1);
    return range;
}

bool PressureTestCard::isUsableTestPressure(const std::string &testPressure)
{
    static const QRegularExpression plainNumber(QStringLiteral("^([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
    return plainNumber.match(QString::fromLatin1(testPressure.data(), qsizetype(testPressure.size()))).hasMatch()
        && leadingDouble(testPressure) > 0;
}

QStringList PressureTestCard::testList(const std::string &testPressure)
{
    return {QStringLiteral("按停检查七的规定，停检人员和技术人员应到现场并预先通知监检人员参加，试验压力为") + fromGbk(testPressure)
                + QStringLiteral("MPa。"),
            QStringLiteral("1.水压试验前，各连接部位的紧固螺栓必须装配齐全、妥当。"),
            QStringLiteral("2.必须选用两个量程为0~") + gaugeRange(testPressure)
                + QStringLiteral("MPa，精度不低于1.5级，校验合格，在有效期内，表盘直径＞100mm，并且必须加以铅封。"),
            QStringLiteral("3.在刻度盘上划出最高工作压力红线，一只压力表装在试压泵出口中，一只装在压力表短接上，朝易观察一面。"),
            QStringLiteral("4.压力试验场地做好安全防护措施，设置警告标志，并经技术人员及安全部门认可，在试压过程中，无关人员不得在现场停留。"),
            QStringLiteral("5.试验用水必须洁净，温度不得低于5℃，用温度计测量。"),
            QStringLiteral("6.将容器最上部接管法兰口设为排气口，充水时将停留在容器内的空气从排气孔排净。"),
            QStringLiteral("7.按试压工艺守则进行试压，试压时容器外表面要保持干燥。"),
            QStringLiteral("8.以无渗漏，无异常变形，无异常响声为合格。")};
}

void PressureTestCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSimpleHeader(document, in);
    const std::vector<ProcessCardFrame::Step> steps{
        {QStringLiteral("水压试验"), testList(in.record().process(ProcessField::TestPressure)), QStringLiteral("试"), QStringLiteral("自检")},
        {QStringLiteral("除锈"),
         {QStringLiteral("按《通用工艺守则》中有关规定对容器的外表面进行彻底的除锈，对油污铁锈、焊接飞溅物和其他影响油漆质量的杂物都应清除干净。")},
         QStringLiteral("试、检"), QStringLiteral("自检、专检")},
        {QStringLiteral("刷漆"),
         {QStringLiteral("1.刷漆按JB/T4711-2003《压力容器涂敷与运输包装》规定执行，容器经质检部门对各项制造质量检验合格后方可进行油漆，"
                         "容器壳体的外表面涂红丹除锈漆2遍。")},
         QStringLiteral("试、检"), QStringLiteral("自检、专检")},
        {QStringLiteral("铭牌"), {QStringLiteral("1.在铭牌垫板上，装订铭牌。")}, QStringLiteral("试"), QStringLiteral("自检")},
        {QStringLiteral("整理资料"), {QStringLiteral("整理资料，做竣工图。")}, QStringLiteral("技、资"), QStringLiteral("自检")},
        {QStringLiteral("产品入库"), {QStringLiteral("总检填写入库单，产品入库。")}, QStringLiteral("检"), QStringLiteral("自检")},
    };
    ProcessCardFrame::writeStepTable(document, 1, true, ProcessCardFrame::stepHeaderPlain(), steps);
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
