#pragma once

#include "gui/widgets/TablePage.h"

class QComboBox;
class QLineEdit;

namespace zelvan {

// "板材参数": the plates allotted to the vessel; plate i gives course i its
// heat number in the layout drawing.
class PlatePage : public TablePage {
    Q_OBJECT
public:
    PlatePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    QLineEdit *numberEdit;
    QComboBox *materialList;
    QLineEdit *heatNumberEdit;
    QLineEdit *lengthEdit;
    QLineEdit *widthEdit;
    QLineEdit *thicknessEdit;
    QLineEdit *quantityEdit;
};

} // namespace zelvan
