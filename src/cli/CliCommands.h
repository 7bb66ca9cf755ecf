#pragma once

#include <QStringList>

namespace zelvan::cli {

// Each command takes its arguments (without the command name) and returns
// the exit status: 0 success, 1 refusal or failure (message on stderr).
int toJson(const QStringList &args);
int fromJson(const QStringList &args);

struct Command {
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
};

// Shared helper: prints "zelvan-cli: <text>" on standard error.
void printError(const QString &text);

} // namespace zelvan::cli
