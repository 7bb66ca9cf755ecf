#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace zelvan {

class CZelvanDoc;
class ListEditController;
class Prompter;

// "焊接工艺评定库": the project's welding procedure qualifications, kept in
// its qualification table (saved with the project).
class QualificationLibraryDialog : public QDialog {
    Q_OBJECT
public:
    QualificationLibraryDialog(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    ListEditController &editor() const { return *m_editor; }

    QLineEdit *numberEdit;
    QDateEdit *dateEdit;
    QComboBox *materialAList;
    QLineEdit *sizeAEdit;
    QComboBox *materialBList;
    QLineEdit *sizeBEdit;
    QComboBox *plateButtList;
    QComboBox *pipeButtList;
    QComboBox *horizontalFixedList;
    QComboBox *fixed45List;
    QComboBox *tubePlateList;
    QComboBox *methodList;
    QComboBox *sizeCombo;
    QComboBox *scopeCombo;
    QComboBox *polarityCombo;
    QLineEdit *preHeatEdit;
    QLineEdit *postHeatEdit;

private:
    ListEditController *m_editor;
};

} // namespace zelvan
