#include "core/documents/HeadProcessCard.h"

#include "core/documents/DocumentMessages.h"

#include "core/documents/ProcessCardFrame.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/word/WordDocument.h"

#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <climits>

namespace zelvan {

QString HeadProcessCard::title() { return QStringLiteral("容器生产过程卡(封头)"); }

QString HeadProcessCard::picturePath(const QString &programDirectory, const std::string &headType, bool &known)
{
    const QString type = fromGbk(headType);
    QString name;
    if (type == QStringLiteral("椭圆封头"))
        name = QStringLiteral("椭圆封头图.JPG");
    else if (type == QStringLiteral("锥形封头"))
        name = QStringLiteral("锥形封头图.JPG");
    else if (type == QStringLiteral("法兰"))
        name = QStringLiteral("法兰封头图.JPG");
    else if (type == QStringLiteral("平盖"))
        name = QStringLiteral("平盖封头图.JPG");
    known = !name.isEmpty();
    if (!known)
        name = QStringLiteral("椭圆封头图.JPG");
    return programDirectory + QStringLiteral("封头图/") + name;
}

QStringList HeadProcessCard::diameterLines(int di)
{
    struct Range {
        int from, to;
        const char16_t *diameter, *difference, *unevenness, *height;
    };
    // Tolerances of formed heads by inner diameter, mm.
    static const Range ranges[] = {
        {INT_MIN, 799, u"±2", u"≤2", u"≤2", u"±4"},
        {800, 1200, u"±3", u"≤4", u"≤3", u"±6"},
        {1300, 1600, u"±4", u"≤6", u"≤4", u"±8"},
        {1700, 2400, u"±5", u"≤8", u"≤4", u"±12"},
        {2600, 3000, u"±6", u"≤9", u"≤4", u"±16"},
        {3200, 4000, u"±6", u"≤10", u"≤4", u"±20"},
    };
    for (const Range &r : ranges) {
        if (di >= r.from && di <= r.to) {
            return {QStringLiteral("3.直径： ") + QString::fromUtf16(r.diameter) + QStringLiteral("\t最大直径与最小直径之差： ")
                        + QString::fromUtf16(r.difference),
                    QStringLiteral("表面凹凸度") + QString::fromUtf16(r.unevenness) + QStringLiteral("\t曲面高度： ")
                        + QString::fromUtf16(r.height)};
        }
    }
    return {};
}

QStringList HeadProcessCard::inspectionList(int di)
{
    QStringList list{QStringLiteral("1.封头材质证书、合格证、标记齐全正确。"), QStringLiteral("2.封头外观检查符合标准。")};
    const QStringList lines = diameterLines(di);
    if (lines.isEmpty())
        list.append(QString()); // one empty paragraph in place of both
    else
        list.append(lines);
    // The shape deviation is computed in single precision, as the shop's
    // cards always showed it.
    const float gap = float(di) * 0.01f;
    list << QStringLiteral("-3≤直边高度误差≤5") << QStringLiteral("直边纵向皱折深度≤1.5")
         << QStringLiteral("对封头外观进行检验，用弦长不小于封头内径的0.75倍的样板进行检查，影视样板垂直于封头内表面。")
         << QStringLiteral("4.内表面的形状偏差，最大间隙≤Di*1%，即") + QString::asprintf("%4.2f", double(gap)) + QStringLiteral("mm。")
         << QStringLiteral("5.检测合格后，经原材质复验合格，检验人员确认后，转入下一工序。");
    return list;
}

void HeadProcessCard::write(WordDocument &document, const ProcessFileInputs &in)
{
    const int di = leadingInt(in.record().process(ProcessField::InnerDiameter));
    bool known = false;
    const QString picture = picturePath(in.programDirectory(), in.record().field(Field::FirstHeadType), known);
    if (!known)
        in.prompter().information(DocumentMessages::noHeadType());

    ProcessCardFrame::writeTitle(document, title());
    ProcessCardFrame::writeSketchHeader(document, in, in.field(Field::FirstHeadMaterial), picture, false);
    const std::vector<ProcessCardFrame::Step> steps{
        {QStringLiteral("检验"), inspectionList(di), QStringLiteral("检"), QStringLiteral("自检")},
        {QStringLiteral("划线"), {QStringLiteral("按图纸尺寸划出封头切割线，并打样冲。若标记移植被切割掉，划线后按《标记移植规定》进行移植。")},
         QStringLiteral("铆"), QStringLiteral("自检")},
        {QStringLiteral("切割"),
         {QStringLiteral("1.利用封头切割支架及半自动切割装置切割直边。"),
          QStringLiteral("2.依排版图，焊接工艺卡要求切割封头A、B的坡口，具体要求见焊接工艺。")},
         QStringLiteral("气"), QStringLiteral("自检")},
        {QStringLiteral("清理"), {QStringLiteral("1.坡口边缘15~20mm范围内彻底清理熔渣、铁锈、氧化皮、毛刺、凸起并打磨至金属光泽。")},
         QStringLiteral("气、铆"), QStringLiteral("自检")},
        {QStringLiteral("检查"), {QStringLiteral("依序号1、3号标准进行验收，合格后转入下道工序。")}, QStringLiteral("检"), QStringLiteral("专检")},
    };
    ProcessCardFrame::writeStepTable(document, 6, true, ProcessCardFrame::stepHeaderWithSketch(), steps);
    ProcessCardFrame::writeClosingRow(document);
}

} // namespace zelvan
