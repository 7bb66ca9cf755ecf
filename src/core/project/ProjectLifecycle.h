#pragma once

#include "core/project/ProjectRecord.h"
#include "core/project/VesselCodes.h"

#include <QDateTime>
#include <QString>

#include <string>

namespace zelvan {

// Rules of creating and saving a project that need no dialog.
namespace ProjectLifecycle {

// ".pcp" is appended to a path that does not end in ".pcp", also after
// another extension ("a.txt" becomes "a.txt.pcp").
QString withPcpSuffix(const QString &path);
// The project directory: the path up to and including its last separator.
// A backslash counts as a separator too, for paths written on Windows.
QString directoryOf(const QString &path);

// What the two creation dialogs collect; copied into the record only when
// creation completes.
struct NewProjectValues {
    QString projectName;
    QString saveDirectory; // the hidden "保存目录:" field, empty in practice
    VesselType vesselType = VesselType::Vertical;
    QString vesselName;
    QString productNumber;
    QString drawingNumber;
    QDateTime createdAt;   // taken once when the add-vessel dialog closes
};

void applyNewProject(ProjectRecord &record, const NewProjectValues &values);

// The window title carries " *" while the project is modified.
QString titleWithMarker(const QString &title, bool wasModified, bool modified);

// The name the close question shows: the file name of a project with a
// document path, otherwise its title, or "无标题".
QString closeQuestionName(const QString &documentPath, const QString &title);
QString closeQuestion(const QString &name); // "将改动保存到 %1？"

} // namespace ProjectLifecycle
} // namespace zelvan
