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
};

// Each command file registers itself with a static CommandRegistration, so
// adding a command means adding one file.
struct CommandRegistration {
    explicit CommandRegistration(const Command &command);
};

// Prints "zelvan-cli: <text>" on standard error.
void printError(const QString &text);

// Reads a project file; on failure prints the file-access or format
// message and returns false.
bool loadProject(const QString &path, ProjectRecord &record, CompanyInfo &company);

} // namespace zelvan::cli
