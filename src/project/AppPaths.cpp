#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

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

void setProgramDirectoryForTesting(const QString &directory)
{
    overrideDirectory() = directory;
}

} // namespace zelvan
