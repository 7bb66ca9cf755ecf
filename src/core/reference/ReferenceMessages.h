#pragma once

#include <QString>

// The texts the welding reference tools show, in one place so the dialogs and
// their tests name the same constants.
namespace zelvan::ReferenceMessages {

// Consumable selection.
inline QString consumableTitle() { return QStringLiteral("常用焊材选择工具"); }
inline QString sameSteelTab() { return QStringLiteral("同种钢焊接"); }
inline QString dissimilarTab() { return QStringLiteral("异种钢焊接"); }
inline QString manualArcType() { return QStringLiteral("手工电弧焊焊条型号"); }
inline QString manualArcBrand() { return QStringLiteral("手工电弧焊焊条牌号示例"); }
inline QString submergedArcType() { return QStringLiteral("埋弧焊焊剂型号及焊丝牌号"); }
inline QString submergedArcBrand() { return QStringLiteral("埋弧焊焊剂牌号及焊丝牌号"); }
inline QString argonArcWire() { return QStringLiteral("氩弧焊焊丝钢号"); }
inline QString argonArcStandard() { return QStringLiteral("标准号"); }
inline QString co2WireLabel() { return QStringLiteral("CO2气保焊焊丝钢号："); }
inline QString steel1Label() { return QStringLiteral("钢号1:"); }
inline QString steel2Label() { return QStringLiteral("钢号2:"); }
inline QString remarkLabel() { return QStringLiteral("备注:"); }
inline QString setAsSteel1() { return QStringLiteral("设为钢号1"); }
inline QString setAsSteel2() { return QStringLiteral("设为钢号2"); }
inline QString noSteelSelected() { return QStringLiteral("未选中任何钢号！"); }

// Drying and preheat parameters.
inline QString dryingTitle() { return QStringLiteral("常用焊材烘干参数"); }
inline QString preheatTitle() { return QStringLiteral("常用钢材最低预热参数"); }
inline QString standardCaption() { return QStringLiteral("参考<<JB4709-2007钢制压力容器焊接规程>>"); }
inline QString steelCategory() { return QStringLiteral("钢材类别"); }
inline QString dryingList() { return QStringLiteral("烘干参数"); }
inline QString dryingTemperature() { return QStringLiteral("烘干温度(℃)"); }
inline QString holdingTime() { return QStringLiteral("保持时间(H)"); }
inline QString preheatList() { return QStringLiteral("预热参数"); }
inline QString preheatCondition() { return QStringLiteral("预热条件"); }
inline QString preheatTemperature() { return QStringLiteral("温度(°C)"); }
inline QString close() { return QStringLiteral("关闭"); }

} // namespace zelvan::ReferenceMessages
