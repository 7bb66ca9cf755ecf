#pragma once

#include <QString>
#include <QStringList>

namespace zelvan {

// The weld kinds and, for each, the groove forms (edge preparations) the
// shop's forms offer. The weld page and the welding procedure card page both
// choose a kind first and then a groove of that kind; only the chosen texts
// are stored in the project, never a position.
namespace GrooveFormCatalogue {

// "对接焊缝", "无坡口角焊缝", "带坡口角焊缝", "表面堆焊", in this order: the
// position selects the groove list.
QStringList weldKinds();
// The groove forms of the kind at `position` (0-3); empty for any other
// position (no kind chosen).
QStringList grooveForms(int position);

// Opening the groove list with no kind chosen: the card page names the
// choice "接头形式", the weld page "焊缝类型".
inline QString chooseJointFormFirst() { return QStringLiteral("请先选择接头形式！"); }
inline QString chooseWeldKindFirst() { return QStringLiteral("请先选择焊缝类型！"); }

} // namespace GrooveFormCatalogue
} // namespace zelvan
