#pragma once

#include <QString>

class QWidget;

namespace zelvan {

// The open and save dialogs, behind an interface so tests can answer them.
// `folder` is where the dialog starts (the active project's folder); when it
// is empty the dialog starts in the folder last used.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Returns the chosen path or an empty string when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &filter, const QString &folder) = 0;
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &defaultName,
                             const QString &folder) = 0;
};

class QtFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *parent, const QString &title, const QString &filter, const QString &folder) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &defaultName,
                     const QString &folder) override;

private:
    QString startFolder(const QString &folder) const;
    void remember(const QString &chosen);

    QString m_lastFolder;
};

} // namespace zelvan
