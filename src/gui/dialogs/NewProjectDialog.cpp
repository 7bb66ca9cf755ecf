#include "gui/dialogs/NewProjectDialog.h"

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/PageFields.h"

#include "gui/dialogs/AddVesselDialog.h"
#include "core/project/Prompter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvan {

NewProjectDialog::NewProjectDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_name(new QLineEdit(this))
    , m_saveDirectory(new QLineEdit(this))
    , m_browse(new QPushButton(QStringLiteral("..."), this))
{
    setWindowTitle(QStringLiteral("创建新项目"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("项目名称:"), m_name);
    // The save directory field and its button exist but are hidden: the
    // project is placed where the user first saves it.
    auto *dirRow = new QHBoxLayout;
    dirRow->addWidget(m_saveDirectory);
    dirRow->addWidget(m_browse);
    form->addRow(QStringLiteral("保存目录:"), dirRow);
    form->labelForField(dirRow)->hide();
    m_saveDirectory->hide();
    m_browse->hide();

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(360);
    // Everything typed here ends up in the project file.
    PageFields::refuseNonGbkIn(this);
}

void NewProjectDialog::accept()
{
    if (m_name->text().isEmpty()) {
        m_prompter.message(Prompter::titleInformation(), QStringLiteral("工程名称不能为空！"), Prompter::Icon::None);
        m_name->setFocus();
        return;
    }
    m_values.projectName = m_name->text();
    m_values.saveDirectory = m_saveDirectory->text();
    if (!runAddVessel())
        return; // cancelled: this dialog stays open with its contents
    QDialog::accept();
}

void NewProjectDialog::reject()
{
    if (m_prompter.askYesNo(Prompter::titleInformation(), QStringLiteral("是否退出？"), Prompter::Icon::Question))
        QDialog::reject();
}

bool NewProjectDialog::runAddVessel()
{
    AddVesselDialog dialog(m_prompter, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.fillValues(m_values);
    return true;
}

} // namespace zelvan
