#include "core/project/OutputPath.h"
#include "core/project/ProjectMessages.h"

#include "core/project/TextCodec.h"

namespace zelvan {
namespace OutputPaths {

namespace {
// Characters no file name may hold on the shop's Windows machines or here.
QString forbiddenCharacter(const QString &name)
{
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (forbidden.contains(c))
            return QString(c);
        if (c.unicode() < 0x20)
            return QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    }
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return name;
    return QString();
}
} // namespace

QString unsafeNameMessage(const ProjectRecord &record)
{
    const QString projectName = fromGbk(record.field(Field::ProjectName));
    const QString vesselName = fromGbk(record.field(Field::VesselName));
    QString c = forbiddenCharacter(projectName);
    if (!c.isEmpty())
        return ProjectMessages::unsafeProjectName(c);
    c = forbiddenCharacter(vesselName);
    if (!c.isEmpty())
        return ProjectMessages::unsafeVesselName(c);
    return QString();
}

OutputPath build(const ProjectRecord &record, const QString &suffix, const QString &directoryOverride)
{
    OutputPath out;
    out.directory = directoryOverride.isEmpty() ? fromGbk(record.field(Field::ProjectDirectory)) : directoryOverride;
    if (!out.directory.isEmpty() && !out.directory.endsWith(QLatin1Char('/')) && !out.directory.endsWith(QLatin1Char('\\')))
        out.directory += QLatin1Char('/');
    // A project saved on Windows carries a backslash directory; on this
    // platform such a directory is used with native separators.
#ifndef Q_OS_WIN
    if (out.directory.contains(QLatin1Char('\\')) && !out.directory.contains(QLatin1Char('/')))
        out.directory.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    out.fileName = fromGbk(record.field(Field::ProjectName)) + QLatin1Char('-') + fromGbk(record.field(Field::VesselName)) + suffix;
    return out;
}

} // namespace OutputPaths
} // namespace zelvan
