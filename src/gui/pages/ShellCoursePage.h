#pragma once

#include "gui/widgets/TablePage.h"

class QComboBox;
class QLineEdit;

namespace zelvan {

class VesselSketchWidget;

// "筒节参数": the shell courses in order, bottom (or right) course first.
class ShellCoursePage : public TablePage {
    Q_OBJECT
public:
    ShellCoursePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    QLineEdit *numberEdit;
    QComboBox *typeList;
    QLineEdit *heightEdit;
    QLineEdit *thicknessEdit;
    QLineEdit *diameterEdit;
    QComboBox *materialList;
    // The vessel drawn to scale, redrawn after every change of the list.
    VesselSketchWidget *sketch;
};

} // namespace zelvan
