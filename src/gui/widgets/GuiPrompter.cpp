#include "gui/widgets/GuiPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace zelvan {

namespace {
QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information: return QMessageBox::Information;
    case Prompter::Icon::Warning: return QMessageBox::Warning;
    case Prompter::Icon::Error: return QMessageBox::Critical;
    case Prompter::Icon::Question: return QMessageBox::Question;
    case Prompter::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

int run(QWidget *parent, const QString &title, const QString &text, Prompter::Icon icon, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(boxIcon(icon), title, text, buttons, parent ? parent : QApplication::activeWindow());
    return box.exec();
}
} // namespace

void GuiPrompter::message(const QString &title, const QString &text, Icon icon)
{
    run(m_parent, title, text, icon, QMessageBox::Ok);
}

bool GuiPrompter::askYesNo(const QString &title, const QString &text, Icon icon)
{
    return run(m_parent, title, text, icon, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Answer GuiPrompter::askYesNoCancel(const QString &title, const QString &text, Icon icon)
{
    switch (run(m_parent, title, text, icon, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

} // namespace zelvan
