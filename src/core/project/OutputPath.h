#pragma once

#include "core/project/ProjectRecord.h"

#include <QString>

namespace zelvan {

// Every generator names its file project directory + project name + "-" +
// vessel name + suffix. A name that could leave the project directory or
// that a file name cannot hold is refused here, in one place, before
// anything is written.
struct OutputPath {
    QString directory; // field 2, with its trailing separator
    QString fileName;  // project name + "-" + vessel name + suffix
    QString path() const { return directory + fileName; }
};

namespace OutputPaths {

// The refusal text naming the offending character, or empty when both
// names are usable in a file name.
QString unsafeNameMessage(const ProjectRecord &record);

// Builds the output path; `directoryOverride` (the batch tool's --out-dir)
// replaces field 2 when not empty. The directory is not checked here: each
// generator refuses an empty project directory with its own message.
OutputPath build(const ProjectRecord &record, const QString &suffix, const QString &directoryOverride = QString());

} // namespace OutputPaths
} // namespace zelvan
