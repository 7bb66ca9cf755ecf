#include "gui/dialogs/PreheatParametersDialog.h"

#include "core/reference/PreheatTable.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReferenceTree.h"
#include "gui/dialogs/ReportList.h"

#include <QTreeWidgetItem>

namespace zelvan {

PreheatParametersDialog::PreheatParametersDialog(Prompter &, QWidget *parent)
    : ParameterDialog(ReferenceMessages::preheatTitle(), PreheatTable::tree(), ReferenceMessages::preheatList(),
                      {ReferenceMessages::preheatCondition(), 260, ReferenceMessages::preheatTemperature(), 90}, parent)
{
}

void PreheatParametersDialog::showParameters(QTreeWidgetItem *item)
{
    const auto group = PreheatTable::groupOf(item->text(0), ReferenceTree::parentText(item));
    if (!group)
        return;
    for (const PreheatRow &row : PreheatTable::rows(*group))
        list()->addRow(row.condition, row.temperature);
}

} // namespace zelvan
