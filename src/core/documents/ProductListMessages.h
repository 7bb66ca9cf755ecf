#pragma once

#include <QString>
#include <QStringList>

namespace zelvan::ProductListMessages {

// What the parts page, the weld page and their two documents say to the
// user, in one place for the pages, the generators and their tests. The
// question and the unsaved refusal are those of every Word export
// (DocumentMessages).

// The parts page's required entries, in the order they are checked.
inline QStringList partRequired()
{
    return {QStringLiteral("编号不能为空！"),   QStringLiteral("规格型号不能为空！"), QStringLiteral("材质不能为空！"),
            QStringLiteral("单位不能为空！"),   QStringLiteral("数量不能为空！"),     QStringLiteral("重量不能为空！"),
            QStringLiteral("性质不能为空！"),   QStringLiteral("技术要求不能为空！")};
}

// The weld page's required entries, in the order they are checked (the
// three welders are not among them).
inline QStringList weldRequired()
{
    return {QStringLiteral("焊缝编号不能为空！"), QStringLiteral("焊缝类别不能为空！"), QStringLiteral("焊缝形状不能为空！"),
            QStringLiteral("焊缝长度不能为空！"), QStringLiteral("材质A不能为空！"),     QStringLiteral("规格A不能为空！"),
            QStringLiteral("材质B不能为空！"),    QStringLiteral("规格B不能为空！"),     QStringLiteral("焊缝类型不能为空！"),
            QStringLiteral("坡口形式不能为空！"), QStringLiteral("检验类型不能为空！"), QStringLiteral("检验标准不能为空！"),
            QStringLiteral("检验比例不能为空！"), QStringLiteral("合格级别不能为空！"), QStringLiteral("焊缝状态不能为空！"),
            QStringLiteral("焊接位置不能为空！")};
}

// The parts list.
inline QString partsFileSuffix() { return QStringLiteral("-零件参数表.doc"); }
inline QString noParts() { return QStringLiteral("零件参数内容为空，无法导出！"); }
inline QString partsCoverTitle() { return QStringLiteral("产 品 零 件 明 细 表"); }
inline QString partsHeading() { return QStringLiteral("产  品  零  件  明  细  表"); }

// The weld parameter table.
inline QString weldsFileSuffix() { return QStringLiteral("-焊缝参数表.doc"); }
inline QString noWelds() { return QStringLiteral("焊缝参数表内容为空，无法导出！"); }
inline QString weldsCoverTitle() { return QStringLiteral("焊   缝   参   数   表"); }
inline QString weldsHeading() { return QStringLiteral("焊   缝   参   数   表"); }

// Both tables' pages.
inline QString productNumberLine() { return QStringLiteral("产品编号： "); }

} // namespace zelvan::ProductListMessages
