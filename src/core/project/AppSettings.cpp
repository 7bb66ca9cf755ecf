#include "core/project/AppSettings.h"

#include <QFileInfo>

namespace zelvan {
namespace AppSettings {

namespace {
const char *kRecentGroup = "Recent File List";

bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void writeRecent(QSettings &settings, const QStringList &files)
{
    settings.beginGroup(kRecentGroup);
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString key = QStringLiteral("File%1").arg(i + 1);
        if (i < files.size())
            settings.setValue(key, files.at(i));
        else
            settings.remove(key);
    }
    settings.endGroup();
}
} // namespace

QStringList recentFiles(QSettings &settings)
{
    QStringList files;
    settings.beginGroup(kRecentGroup);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty())
            files.append(path);
    }
    settings.endGroup();
    return files;
}

void addRecentFile(QSettings &settings, const QString &path)
{
    QStringList files = recentFiles(settings);
    files.erase(std::remove_if(files.begin(), files.end(), [&](const QString &f) { return sameFile(f, path); }), files.end());
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    writeRecent(settings, files);
}

void removeRecentFile(QSettings &settings, const QString &path)
{
    QStringList files = recentFiles(settings);
    files.erase(std::remove_if(files.begin(), files.end(), [&](const QString &f) { return sameFile(f, path); }), files.end());
    writeRecent(settings, files);
}

QString companyName(QSettings &settings)
{
    return settings.value(QStringLiteral("Company/Name")).toString();
}

void setCompanyName(QSettings &settings, const QString &name)
{
    settings.setValue(QStringLiteral("Company/Name"), name);
}

} // namespace AppSettings
} // namespace zelvan
