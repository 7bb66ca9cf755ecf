#pragma once

#include <QDialog>

class QTextBrowser;

namespace zelvan {

// The program's own help window: the "Container" help (HTML beside the
// program), opened at its table of contents.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    static QString helpIndexPath();
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser;
};

} // namespace zelvan
