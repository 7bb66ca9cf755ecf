#include "gui/dialogs/AboutDialog.h"

#include "gui/widgets/Icons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zelvan {

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于"));
    setWindowIcon(Icons::appIcon());
    auto *icon = new QLabel(this);
    icon->setPixmap(Icons::pixmap(QStringLiteral("app")).scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *texts = new QVBoxLayout;
    texts->addWidget(new QLabel(QStringLiteral("岳川明压力容器排版图软件"), this));
    texts->addWidget(new QLabel(QStringLiteral("软件版本号：1.1.20"), this));
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
}

} // namespace zelvan
