#pragma once

#include "gui/widgets/TablePage.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zelvan {

class GrooveFormLists;

// "焊缝参数": every weld of the vessel with its parts, joint, inspection
// and progress, on the list-editing mechanism, with the weld parameter
// table as its Word export. Weld type and groove form are the linked lists
// shared with the welding procedure card page.
class WeldPage : public TablePage {
    Q_OBJECT
public:
    WeldPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    GrooveFormLists &grooves() { return *m_grooves; }
    // "导出Word".
    void exportWord();

    QLineEdit *numberEdit;
    QComboBox *categoryList;
    QComboBox *shapeList;
    QLineEdit *lengthEdit;
    QComboBox *welder1Box;
    QComboBox *welder2Box;
    QComboBox *welder3Box;
    QComboBox *materialAList;
    QLineEdit *specificationAEdit;
    QComboBox *materialBList;
    QLineEdit *specificationBEdit;
    QComboBox *testTypeList;
    QComboBox *testStandardList;
    QComboBox *testRatioList;
    QComboBox *acceptanceList;
    QComboBox *stateList;
    QComboBox *positionList;
    QPushButton *exportButton;

private:
    GrooveFormLists *m_grooves;
};

} // namespace zelvan
