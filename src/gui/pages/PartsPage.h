#pragma once

#include "gui/widgets/TablePage.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelvan {

// "零件参数": the vessel's bought-in and made parts (flanges, gaskets,
// heads, plates, pipes, sections) on the list-editing mechanism, with the
// parts list as its Word export.
class PartsPage : public TablePage {
    Q_OBJECT
public:
    PartsPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    // "导出Word".
    void exportWord();

    QLineEdit *numberEdit;
    QComboBox *nameBox;
    QComboBox *categoryBox;
    QLineEdit *specificationEdit;
    QComboBox *materialList;
    QComboBox *standardBox;
    QComboBox *unitList;
    QLineEdit *quantityEdit;
    QLineEdit *weightEdit;
    QComboBox *natureList;
    QLineEdit *documentNumberEdit;
    QLineEdit *workpieceNumberEdit;
    QPlainTextEdit *requirementsEdit;
    QPushButton *exportButton;
};

} // namespace zelvan
