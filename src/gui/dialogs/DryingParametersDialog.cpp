#include "gui/dialogs/DryingParametersDialog.h"

#include "core/reference/DryingTable.h"
#include "core/reference/ReferenceTexts.h"
#include "gui/dialogs/ReportList.h"

#include <QTreeWidgetItem>

namespace zelvan {

DryingParametersDialog::DryingParametersDialog(Prompter &, QWidget *parent)
    : ParameterDialog(ReferenceTexts::dryingTitle(), DryingTable::tree(), ReferenceTexts::dryingList(),
                      {ReferenceTexts::dryingTemperature(), 120, ReferenceTexts::holdingTime(), 120}, parent)
{
}

void DryingParametersDialog::showParameters(QTreeWidgetItem *item)
{
    // A category matches no consumable and shows one empty row.
    const DryingParameters found = DryingTable::parameters(item->text(0)).value_or(DryingParameters{});
    list()->addRow(found.temperature, found.holdingTime);
}

} // namespace zelvan
