#include "gui/dialogs/ToolDialogs.h"

#include "gui/dialogs/LayoutDialog.h"
#include "gui/dialogs/QualificationLibraryDialog.h"
#include "core/project/CZelvanDoc.h"
#include "gui/dialogs/ConsumableSelectionDialog.h"
#include "gui/dialogs/DryingParametersDialog.h"
#include "gui/dialogs/PreheatParametersDialog.h"

namespace zelvan {
namespace ToolDialogs {

void layoutDrawing(CZelvanDoc &doc, const CompanyInfo &company, Prompter &prompter, QWidget *parent)
{
    LayoutDialog dialog(doc.record(), company, prompter, parent);
    dialog.exec();
}

void consumableSelection(Prompter &prompter, QWidget *parent)
{
    ConsumableSelectionDialog dialog(prompter, parent);
    dialog.exec();
}

void dryingParameters(Prompter &prompter, QWidget *parent)
{
    DryingParametersDialog dialog(prompter, parent);
    dialog.exec();
}

void preheatParameters(Prompter &prompter, QWidget *parent)
{
    PreheatParametersDialog dialog(prompter, parent);
    dialog.exec();
}

void qualificationLibrary(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
{
    QualificationLibraryDialog dialog(doc, prompter, parent);
    dialog.exec();
}

} // namespace ToolDialogs
} // namespace zelvan
