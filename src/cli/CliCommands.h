#pragma once

#include "core/project/ProjectRecord.h"

#include <QStringList>

namespace zelvan::cli {

// A command takes its arguments (without the command name) and returns the
// exit status: 0 success, 1 refusal or failure (message on standard error).
struct Command {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
    // Whether the command paints (sketches, the layout picture): painting
    // text needs the GUI application and its fonts. The other commands run
    // under a plain core application, which starts in a fraction of the
    // time (no platform plugin, no font configuration).
    bool (*paints)(const QStringList &args) = nullptr;
};

// For commands that always paint.
inline bool alwaysPaints(const QStringList &) { return true; }

// Each command file registers itself with a static CommandRegistration, so
// adding a command means adding one file.
struct CommandRegistration {
    explicit CommandRegistration(const Command &command);
};

// Prints "zelvan-cli: <text>" on standard error.
void printError(const QString &text);

// Reads a project file for the generators; on failure prints the
// file-access or format message and returns false. As in the desktop
// program, fields 1 and 2 become the file's own path and directory, so the
// outputs go beside the file given (unless --out-dir names another folder).
bool loadProject(const QString &path, ProjectRecord &record, CompanyInfo &company);
// Reads a project file exactly as stored (the JSON conversion keeps every
// field as it is).
bool readProjectFile(const QString &path, ProjectRecord &record, CompanyInfo &company);

// The arguments of a document export, "PROJECT.pcp [--out-dir DIR]": the
// project loaded, and the directory (absolute, with its separator) that
// stands in for the project directory for this run, empty when not given.
struct ExportArguments {
    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    QString outDir;
};
// Prints the usage of `command` or the load failure and returns false.
bool readExportArguments(const QStringList &args, const char *command, ExportArguments &out);

} // namespace zelvan::cli
