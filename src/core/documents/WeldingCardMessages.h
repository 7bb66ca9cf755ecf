#pragma once

#include <QString>
#include <QStringList>

namespace zelvan::WeldingCardMessages {

// What the welding procedure card page and its document say to the user, in
// one place for the page, the generator and their tests.

// The card's required entries, in the order they are checked.
inline QStringList cardRequired()
{
    return {QStringLiteral("编号不能为空！"),     QStringLiteral("焊接方法不能为空！"), QStringLiteral("接头形式不能为空！"),
            QStringLiteral("材质不能为空！"),     QStringLiteral("壁厚不能为空！"),     QStringLiteral("焊接位置不能为空！"),
            QStringLiteral("坡口形式不能为空！"), QStringLiteral("检验类型不能为空！"), QStringLiteral("检验标准不能为空！"),
            QStringLiteral("检验比例不能为空！"), QStringLiteral("合格级别不能为空！")};
}
// A consumable row: 编号, 焊材牌号规格, 烘干要求.
inline QStringList consumableRequired()
{
    return {QStringLiteral("编号不能为空！"), QStringLiteral("焊材牌号规格不能为空！"), QStringLiteral("烘干要求不能为空！")};
}
// A parameter row: 编号, 层数, 直径, 电流, 电压, 速度 (其它 may be empty).
inline QStringList parameterRequired()
{
    return {QStringLiteral("编号不能为空！"), QStringLiteral("层数不能为空！"), QStringLiteral("直径不能为空！"),
            QStringLiteral("电流不能为空！"), QStringLiteral("电压不能为空！"), QStringLiteral("速度不能为空！")};
}

inline QString duplicateRow() { return QStringLiteral("不能增加重复记录！"); }
// Modify (or the context menu) with no row selected, on all three lists.
inline QString nothingSelected() { return QStringLiteral("未选中任何记录！"); }

// Delete questions naming the row: a tab between the two parts and no
// blank after the consumable's second colon, as the shop's form has it.
inline QString deleteConsumable(const QString &specification, const QString &drying)
{
    return QStringLiteral("是否删除选定记录？牌号规格: ") + specification + QStringLiteral("\t烘干要求:") + drying;
}
inline QString deleteParameter(const QString &layer, const QString &diameter)
{
    return QStringLiteral("是否删除选定记录？层数: ") + layer + QStringLiteral("\t直径: ") + diameter;
}

// The card document (its question and unsaved refusal are those of every
// Word export, in DocumentMessages).
inline QString fileSuffix() { return QStringLiteral("-焊接工艺卡.doc"); }
inline QString noCards() { return QStringLiteral("焊接工艺卡内容为空，无法导出！"); }
inline QString coverTitle() { return QStringLiteral("产 品 焊 接 工 艺 卡"); }
inline QString cardTitle() { return QStringLiteral("焊  接  工  艺  卡"); }

} // namespace zelvan::WeldingCardMessages
