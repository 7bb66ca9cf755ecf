#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace zelvan {

// Per-user settings, kept where the shop's earlier installations kept them:
// organization "Local AppWizard-Generated Applications", application
// "Zelvan", one group per section.
namespace AppSettings {

inline constexpr const char *kOrganization = "Local AppWizard-Generated Applications";
inline constexpr const char *kApplication = "Zelvan";
inline constexpr int kRecentFileCount = 4;

QStringList recentFiles(QSettings &settings);
// Puts `path` first, removes an older entry of the same file, keeps four.
void addRecentFile(QSettings &settings, const QString &path);
void removeRecentFile(QSettings &settings, const QString &path);

QString companyName(QSettings &settings);
void setCompanyName(QSettings &settings, const QString &name);

} // namespace AppSettings
} // namespace zelvan
