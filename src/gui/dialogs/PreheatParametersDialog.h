#pragma once

#include "gui/dialogs/ParameterDialog.h"

namespace zelvan {

class Prompter;

// "常用钢材最低预热参数": minimum preheat temperatures by steel group.
class PreheatParametersDialog : public ParameterDialog {
    Q_OBJECT
public:
    PreheatParametersDialog(Prompter &prompter, QWidget *parent = nullptr);

protected:
    void showParameters(QTreeWidgetItem *item) override;
};

} // namespace zelvan
