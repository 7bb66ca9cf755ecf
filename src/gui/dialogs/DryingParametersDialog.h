#pragma once

#include "gui/dialogs/ParameterDialog.h"

namespace zelvan {

class Prompter;

// "常用焊材烘干参数": baking temperature and holding time of common electrodes
// and fluxes.
class DryingParametersDialog : public ParameterDialog {
    Q_OBJECT
public:
    DryingParametersDialog(Prompter &prompter, QWidget *parent = nullptr);

protected:
    void showParameters(QTreeWidgetItem *item) override;
};

} // namespace zelvan
