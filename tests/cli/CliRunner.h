#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zelvan::test {

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built zelvan-cli with arguments (and, if given, that environment).
inline CliResult runCli(const QStringList &args, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("ZELVAN_BIN_DIR") + "/zelvan-cli", args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace zelvan::test
