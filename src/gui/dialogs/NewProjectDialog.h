#pragma once

#include "core/project/ProjectLifecycle.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace zelvan {

class Prompter;

// "创建新项目": the project name, then the add-vessel dialog. Accepted only
// when both are complete; `values()` then holds everything creation needs.
class NewProjectDialog : public QDialog {
    Q_OBJECT
public:
    NewProjectDialog(Prompter &prompter, QWidget *parent = nullptr);

    const ProjectLifecycle::NewProjectValues &values() const { return m_values; }
    QLineEdit *nameEdit() const { return m_name; }

    void accept() override;
    void reject() override;

protected:
    // Runs the add-vessel dialog; returns true when it was confirmed.
    // Tests replace it to script the second dialog.
    virtual bool runAddVessel();

    ProjectLifecycle::NewProjectValues m_values;

private:
    Prompter &m_prompter;
    QLineEdit *m_name;
    QLineEdit *m_saveDirectory;
    QPushButton *m_browse;
};

} // namespace zelvan
