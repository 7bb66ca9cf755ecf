#pragma once

#include "core/project/ProjectRecord.h"

#include <QMap>
#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zelvan {

class CZelvanDoc;
class Prompter;

// "塔器参数": the vessel's technical data for the product certificate -
// design and working conditions of shell and tube side, structure and
// dimensions, pressure tests, NDT and the construction standards. Every
// change is stored at once and marks the project modified, so closing the
// project asks before the edits are lost.
class TowerParametersPage : public QWidget {
    Q_OBJECT
public:
    TowerParametersPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    // The control of a record field 23..54 (a QLineEdit or a QComboBox).
    QWidget *control(Field field) const { return m_controls.value(int(field)); }
    QLineEdit *edit(Field field) const;
    QComboBox *list(Field field) const;

    // "生成塔器合格证文件".
    void exportCertificate();

    QPushButton *certificateButton;

private:
    CZelvanDoc &m_doc;
    Prompter &m_prompter;
    QMap<int, QWidget *> m_controls;
};

} // namespace zelvan
