#pragma once

#include "gui/widgets/TablePage.h"

#include "core/documents/WeldingCardModel.h"

#include <memory>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zelvan {

class GrooveFormLists;

// "焊接工艺卡": the project's welding procedure cards, each with its welding
// consumables and its welding parameter passes. Three groups on the one
// list-editing mechanism; the tables' own rules (slots that survive a
// delete, which rows belong to which card) are WeldingCardModel's.
class WeldingCardPage : public TablePage {
    Q_OBJECT
public:
    WeldingCardPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);
    ~WeldingCardPage() override;

    ListEditController &cards() { return editor(); }
    ListEditController &consumables() { return *m_consumables; }
    ListEditController &parameters() { return *m_parameters; }
    GrooveFormLists &grooves() { return *m_grooves; }

    // A click on the card list: its consumables and parameters only.
    void showRowsOfSelectedCard();
    // "导出Word".
    void exportWord();

    QLineEdit *numberEdit;
    QComboBox *qualificationBox;
    QComboBox *methodList;
    QComboBox *materialList;
    QLineEdit *thicknessEdit;
    QComboBox *positionList;
    QComboBox *currentTypeBox;
    QPlainTextEdit *appearanceEdit;
    QPlainTextEdit *remarkEdit;
    QComboBox *testTypeList;
    QComboBox *testStandardList;
    QComboBox *testRatioList;
    QComboBox *acceptanceList;
    QLineEdit *consumableEdit;
    QLineEdit *dryingEdit;
    QLineEdit *layerEdit;
    QLineEdit *diameterEdit;
    QLineEdit *currentEdit;
    QLineEdit *voltageEdit;
    QLineEdit *speedEdit;
    QLineEdit *otherEdit;
    QPushButton *exportButton;

private:
    std::unique_ptr<WeldingCardModel> m_model;
    GrooveFormLists *m_grooves;
    ListEditController *m_consumables;
    ListEditController *m_parameters;
};

} // namespace zelvan
