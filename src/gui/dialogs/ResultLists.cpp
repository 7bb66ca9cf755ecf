#include "gui/dialogs/ResultLists.h"

#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReportList.h"

#include <QHeaderView>

namespace zelvan {

namespace {
// Tall enough for the longest recommendation of each list (three electrodes,
// six flux–wire rows, three wires) without a scroll bar.
void fitRows(ReportList *list, int rows)
{
    const int height = list->horizontalHeader()->sizeHint().height() + rows * list->verticalHeader()->defaultSectionSize()
        + 2 * list->frameWidth() + 2;
    list->setMinimumHeight(height);
    list->setMaximumHeight(height);
}
} // namespace

ReportList *ResultLists::manualArc(QWidget *parent)
{
    auto *list = new ReportList(ReferenceMessages::manualArcType(), 160, ReferenceMessages::manualArcBrand(), 190, parent);
    list->setObjectName(QStringLiteral("manualArcList"));
    fitRows(list, 3);
    return list;
}

ReportList *ResultLists::submergedArc(QWidget *parent)
{
    auto *list =
        new ReportList(ReferenceMessages::submergedArcType(), 200, ReferenceMessages::submergedArcBrand(), 200, parent);
    list->setObjectName(QStringLiteral("submergedArcList"));
    fitRows(list, 6);
    return list;
}

ReportList *ResultLists::argonArc(QWidget *parent)
{
    auto *list = new ReportList(ReferenceMessages::argonArcWire(), 160, ReferenceMessages::argonArcStandard(), 190, parent);
    list->setObjectName(QStringLiteral("argonArcList"));
    fitRows(list, 3);
    return list;
}

void ResultLists::fill(ReportList *list, const QList<ConsumableRow> &rows)
{
    list->clearRows();
    for (const ConsumableRow &row : rows)
        list->addRow(row.first, row.second);
}

} // namespace zelvan
