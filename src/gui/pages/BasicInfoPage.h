#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace zelvan {

class CZelvanDoc;

// "基本信息": the vessel's identification. Text edits write their fields
// without marking the project; the category and the two dates mark it.
class BasicInfoPage : public QWidget {
    Q_OBJECT
public:
    BasicInfoPage(CZelvanDoc &doc, QWidget *parent = nullptr);

    QLineEdit *vesselNameEdit() const { return m_vesselName; }
    QComboBox *categoryList() const { return m_category; }
    QDateEdit *startDateEdit() const { return m_start; }
    QDateEdit *finishDateEdit() const { return m_finish; }

private:
    QLineEdit *m_vesselName;
    QComboBox *m_category;
    QDateEdit *m_start;
    QDateEdit *m_finish;
};

} // namespace zelvan
