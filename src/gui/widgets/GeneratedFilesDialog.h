#pragma once

#include "core/export/ExportFlow.h"

#include <QDialog>

#include <functional>

class QTreeWidget;

namespace zelvan {

class Prompter;

// "打开生成的文件": the files an export has just written; "打开" (or a
// double-click) opens the selected one with the desktop's "open" action.
class GeneratedFilesDialog : public QDialog {
    Q_OBJECT
public:
    using Opener = std::function<bool(const QString &path)>;

    GeneratedFilesDialog(const GeneratedFiles &files, Prompter &prompter, QWidget *parent = nullptr);

    // After an export: the list of what it wrote, when it wrote anything
    // (a failed export may still have written some of its files).
    static void showResult(const ExportResult &result, Prompter &prompter, QWidget *parent);

    QTreeWidget *list() const { return m_list; }
    // Replaces the desktop's "open" action (tests).
    void setOpener(Opener opener) { m_opener = std::move(opener); }
    void openSelected();

private:
    Prompter &m_prompter;
    GeneratedFiles m_files;
    QTreeWidget *m_list;
    Opener m_opener;
};

} // namespace zelvan
