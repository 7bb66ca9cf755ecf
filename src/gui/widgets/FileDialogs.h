#pragma once

#include <QString>

class QWidget;

namespace zelvan {

// The open and save dialogs, behind an interface so tests can answer them.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Returns the chosen path or an empty string when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &defaultName) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &defaultName) override;
};

} // namespace zelvan
