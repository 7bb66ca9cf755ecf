#pragma once

#include "core/project/Prompter.h"

#include <QPointer>
#include <QWidget>

namespace zelvan {

// Shows the core's messages and questions as message boxes with the exact
// title, text, icon and buttons. Progress texts are shown by the page that
// runs an export (its status field), not here.
class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(QWidget *parent = nullptr) : m_parent(parent) {}

    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace zelvan
