#pragma once

#include "core/project/Prompter.h"

#include <QPointer>
#include <QWidget>

class QLabel;

namespace zelvan {

// Shows the core's messages and questions as message boxes with the exact
// title, text, icon and buttons. Progress texts go to an optional label
// (the status field of the page that runs an export).
class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(QWidget *parent = nullptr) : m_parent(parent) {}

    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override;
    void progress(const QString &text) override;

    void setProgressLabel(QLabel *label);

private:
    QPointer<QWidget> m_parent;
    QPointer<QLabel> m_progressLabel;
};

} // namespace zelvan
