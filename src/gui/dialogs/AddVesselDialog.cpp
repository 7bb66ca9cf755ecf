#include "gui/dialogs/AddVesselDialog.h"

#include "gui/widgets/DialogButtons.h"
#include "gui/widgets/PageFields.h"

#include "gui/widgets/Icons.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvan {

AddVesselDialog::AddVesselDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_picture(new QLabel(this))
    , m_type(new QComboBox(this))
    , m_name(new QLineEdit(this))
    , m_productNumber(new QLineEdit(this))
    , m_drawingNumber(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("添加新容器"));
    m_type->addItems({fromGbk(VesselTypes::name(VesselType::Vertical)), fromGbk(VesselTypes::name(VesselType::Horizontal))});
    m_picture->setFixedSize(200, 200);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setStyleSheet(QStringLiteral("background: white;"));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("容器型式:"), m_type);
    form->addRow(QStringLiteral("容器名称:"), m_name);
    form->addRow(QStringLiteral("容器编号:"), m_productNumber);
    form->addRow(QStringLiteral("图号:"), m_drawingNumber);

    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *top = new QHBoxLayout;
    top->addWidget(m_picture);
    top->addLayout(form, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(m_type, &QComboBox::currentIndexChanged, this, &AddVesselDialog::showTypePicture);
    m_type->setCurrentIndex(0);
    showTypePicture(0);
    // Everything typed here ends up in the project file.
    PageFields::refuseNonGbkIn(this);
}

void AddVesselDialog::showTypePicture(int index)
{
    const QPixmap picture = Icons::pixmap(index == 0 ? QStringLiteral("vessel-vertical") : QStringLiteral("vessel-horizontal"));
    if (picture.isNull()) {
        m_picture->clear();
        m_prompter.message(Prompter::titleInformation(),
                           index == 0 ? QStringLiteral("显示立式容器图片错误！") : QStringLiteral("显示卧式容器图片错误！"),
                           Prompter::Icon::None);
        return;
    }
    m_picture->setPixmap(picture.scaled(m_picture->size() - QSize(8, 8), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void AddVesselDialog::accept()
{
    struct Check {
        QLineEdit *edit;
        const char16_t *message;
    };
    const Check checks[] = {
        {m_name, u"容器名称不能为空！"},
        {m_productNumber, u"容器编号不能为空！"},
        {m_drawingNumber, u"容器图号不能为空！"},
    };
    for (const Check &check : checks) {
        if (check.edit->text().isEmpty()) {
            m_prompter.message(Prompter::titleInformation(), QString::fromUtf16(check.message), Prompter::Icon::None);
            check.edit->setFocus();
            return;
        }
    }
    m_createdAt = QDateTime::currentDateTime();
    QDialog::accept();
}

void AddVesselDialog::reject()
{
    if (m_prompter.askYesNo(Prompter::titleInformation(), QStringLiteral("是否退出？"), Prompter::Icon::Question))
        QDialog::reject();
}

void AddVesselDialog::fillValues(ProjectLifecycle::NewProjectValues &values) const
{
    values.vesselType = m_type->currentIndex() == 1 ? VesselType::Horizontal : VesselType::Vertical;
    values.vesselName = m_name->text();
    values.productNumber = m_productNumber->text();
    values.drawingNumber = m_drawingNumber->text();
    values.createdAt = m_createdAt.isValid() ? m_createdAt : QDateTime::currentDateTime();
}

} // namespace zelvan
