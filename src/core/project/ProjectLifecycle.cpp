#include "core/project/ProjectLifecycle.h"
#include "core/project/ProjectMessages.h"

#include "core/project/TextCodec.h"

#include <QFileInfo>

namespace zelvan {
namespace ProjectLifecycle {

QString withPcpSuffix(const QString &path)
{
    if (path.endsWith(QLatin1String(".pcp")))
        return path;
    return path + QLatin1String(".pcp");
}

QString directoryOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype backslash = path.lastIndexOf(QLatin1Char('\\'));
    const qsizetype last = std::max(slash, backslash);
    if (last < 0)
        return QString();
    return path.left(last + 1);
}

void applyNewProject(ProjectRecord &record, const NewProjectValues &values)
{
    const QDate date = values.createdAt.date();
    const QTime time = values.createdAt.time();
    record.setField(Field::ProjectName, toGbk(values.projectName));
    record.setField(Field::SaveDirectory, toGbk(values.saveDirectory));
    record.setField(Field::VesselType, VesselTypes::code(values.vesselType));
    record.setField(Field::VesselName, toGbk(values.vesselName));
    record.setField(Field::ProductNumber, toGbk(values.productNumber));
    record.setField(Field::DrawingNumber, toGbk(values.drawingNumber));
    record.setField(Field::CreationTime, formatDateTime(date.year(), date.month(), date.day(),
                                                        time.hour(), time.minute(), time.second()));
    const std::string day = formatDate(date.year(), date.month(), date.day());
    record.setField(Field::StartDate, day);
    record.setField(Field::FinishDate, day);
}

QString titleWithMarker(const QString &title, bool wasModified, bool modified)
{
    if (!wasModified && modified)
        return title + QLatin1String(" *");
    if (wasModified && !modified)
        return title.left(std::max<qsizetype>(0, title.size() - 2));
    return title;
}

QString closeQuestionName(const QString &documentPath, const QString &title)
{
    if (!documentPath.isEmpty())
        return QFileInfo(documentPath).fileName();
    if (!title.isEmpty())
        return title;
    return QStringLiteral("无标题");
}

QString closeQuestion(const QString &name)
{
    return ProjectMessages::saveChangesTo(name);
}

} // namespace ProjectLifecycle
} // namespace zelvan
