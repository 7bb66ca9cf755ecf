#pragma once

#include "core/project/ProjectLifecycle.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zelvan {

class Prompter;

// "添加新容器": vessel type with its picture, vessel name, product number
// and drawing number. The creation time is taken when it is confirmed.
class AddVesselDialog : public QDialog {
    Q_OBJECT
public:
    AddVesselDialog(Prompter &prompter, QWidget *parent = nullptr);

    QComboBox *typeList() const { return m_type; }
    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *productNumberEdit() const { return m_productNumber; }
    QLineEdit *drawingNumberEdit() const { return m_drawingNumber; }

    // Copies the confirmed entries and the creation time into `values`.
    void fillValues(ProjectLifecycle::NewProjectValues &values) const;

    void accept() override;
    void reject() override;

private:
    void showTypePicture(int index);

    Prompter &m_prompter;
    QLabel *m_picture;
    QComboBox *m_type;
    QLineEdit *m_name;
    QLineEdit *m_productNumber;
    QLineEdit *m_drawingNumber;
    QDateTime m_createdAt;
};

} // namespace zelvan
