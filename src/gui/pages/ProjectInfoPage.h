#pragma once

#include <QWidget>

class QLineEdit;

namespace zelvan {

class CZelvanDoc;

// The first tab of a project window ("项目信息"): project name, number,
// manager, owner and the creation date. Only the manager marks the project
// modified.
class ProjectInfoPage : public QWidget {
    Q_OBJECT
public:
    ProjectInfoPage(CZelvanDoc &doc, QWidget *parent = nullptr);

    QLineEdit *projectNameEdit() const { return m_name; }
    QLineEdit *managerEdit() const { return m_manager; }

private:
    QLineEdit *m_name;
    QLineEdit *m_manager;
};

} // namespace zelvan
