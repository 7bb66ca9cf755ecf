#include "core/project/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zelvan {

namespace {
QString &overrideDirectory()
{
    static QString directory;
    return directory;
}
} // namespace

QString programDirectory()
{
    QString dir = overrideDirectory();
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString sketchDirectory(const QString &programDirectory)
{
    const QString beside = programDirectory + QLatin1String("pics/");
    const QFileInfo folder(beside);
    if (!folder.exists() || folder.isWritable())
        return beside; // a missing folder is reported by the sketch writer
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (own.isEmpty() || !QDir().mkpath(own + QLatin1String("/pics")))
        return beside;
    return own + QLatin1String("/pics/");
}

void setProgramDirectoryForTesting(const QString &directory)
{
    overrideDirectory() = directory;
}

} // namespace zelvan
