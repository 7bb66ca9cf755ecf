#include "gui/widgets/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace zelvan {

QString QtFileDialogs::startFolder(const QString &folder) const
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return m_lastFolder;
}

void QtFileDialogs::remember(const QString &chosen)
{
    m_lastFolder = QFileInfo(chosen).absolutePath();
}

QString QtFileDialogs::openFile(QWidget *parent, const QString &title, const QString &filter, const QString &folder)
{
    QFileDialog dialog(parent, title, startFolder(folder), filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    remember(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveFile(QWidget *parent, const QString &title, const QString &filter, const QString &defaultName,
                                const QString &folder)
{
    QFileDialog dialog(parent, title, startFolder(folder), filter);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    remember(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

} // namespace zelvan
