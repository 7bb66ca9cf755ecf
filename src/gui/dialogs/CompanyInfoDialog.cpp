#include "gui/dialogs/CompanyInfoDialog.h"

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/PageFields.h"

#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvan {

CompanyInfoDialog::CompanyInfoDialog(const CompanyInfo &current, Prompter &prompter, std::function<void()> markModified,
                                     QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_markModified(std::move(markModified))
    , m_newName(new QLineEdit(this))
    , m_newLicence(new QLineEdit(this))
    , m_result(current)
{
    setWindowTitle(QStringLiteral("设置公司信息"));
    auto *oldGroup = new QGroupBox(QStringLiteral("原信息"), this);
    auto *oldForm = new QFormLayout(oldGroup);
    auto *oldName = new QLineEdit(fromGbk(current.name), oldGroup);
    auto *oldLicence = new QLineEdit(fromGbk(current.licence), oldGroup);
    oldName->setReadOnly(true);
    oldLicence->setReadOnly(true);
    oldForm->addRow(QStringLiteral("公司名称:"), oldName);
    oldForm->addRow(QStringLiteral("制造许可证书编号:"), oldLicence);

    auto *newGroup = new QGroupBox(QStringLiteral("新信息"), this);
    auto *newForm = new QFormLayout(newGroup);
    newForm->addRow(QStringLiteral("公司名称:"), m_newName);
    newForm->addRow(QStringLiteral("制造许可证书编号:"), m_newLicence);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(oldGroup);
    layout->addWidget(newGroup);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    // Everything typed here ends up in the project file.
    PageFields::refuseNonGbkIn(this);
}

void CompanyInfoDialog::accept()
{
    if (m_markModified)
        m_markModified();
    if (m_newName->text().isEmpty()) {
        m_prompter.message(Prompter::titleInformation(), QStringLiteral("公司名称不能为空！"), Prompter::Icon::None);
        m_newName->setFocus();
        return;
    }
    m_result = {toGbk(m_newName->text()), toGbk(m_newLicence->text())};
    QDialog::accept();
}

} // namespace zelvan
