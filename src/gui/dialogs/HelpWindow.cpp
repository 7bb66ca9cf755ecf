#include "gui/dialogs/HelpWindow.h"

#include "gui/widgets/Icons.h"
#include "core/project/AppPaths.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zelvan {

QString HelpWindow::helpIndexPath()
{
    return programDirectory() + QLatin1String("Container/index.html");
}

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
    , m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("帮助主题"));
    setWindowIcon(Icons::appIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_browser->setOpenExternalLinks(true);
    const QString index = helpIndexPath();
    if (QFile::exists(index))
        m_browser->setSource(QUrl::fromLocalFile(index));
    else
        m_browser->setPlainText(QStringLiteral("没有找到帮助文件 %1。").arg(index));

    auto *back = new QPushButton(QStringLiteral("后退"), this);
    auto *home = new QPushButton(QStringLiteral("目录"), this);
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, m_browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_browser, 1);
    layout->addLayout(buttons);
    resize(900, 680);
}

} // namespace zelvan
