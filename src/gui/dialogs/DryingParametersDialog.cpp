#include "gui/dialogs/DryingParametersDialog.h"

#include "core/reference/DryingTable.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReportList.h"

#include <QTreeWidgetItem>

namespace zelvan {

DryingParametersDialog::DryingParametersDialog(Prompter &, QWidget *parent)
    : ParameterDialog(ReferenceMessages::dryingTitle(), DryingTable::tree(), ReferenceMessages::dryingList(),
                      {ReferenceMessages::dryingTemperature(), 120, ReferenceMessages::holdingTime(), 120}, parent)
{
}

void DryingParametersDialog::showParameters(QTreeWidgetItem *item)
{
    // A category matches no consumable and shows one empty row.
    const DryingParameters found = DryingTable::parameters(item->text(0)).value_or(DryingParameters{});
    list()->addRow(found.temperature, found.holdingTime);
}

} // namespace zelvan
