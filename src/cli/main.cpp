// zelvan-cli: the batch tool. Runs what the program's buttons run, without a
// window: questions are answered yes, messages go to standard error.
#include "CliCommands.h"

#include "core/project/ProjectArchive.h"
#include "core/project/ProjectLifecycle.h"
#include "core/project/TextCodec.h"

#include <QFileInfo>
#include <QFile>
#include <QTemporaryDir>

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace zelvan::cli {

namespace {
std::vector<Command> &registry()
{
    static std::vector<Command> commands;
    return commands;
}

void printUsage()
{
    std::fprintf(stderr, "usage: zelvan-cli COMMAND ARGS...\n");
    for (const Command &command : registry())
        std::fprintf(stderr, "  zelvan-cli %s\n", command.usage);
}
} // namespace

CommandRegistration::CommandRegistration(const Command &command)
{
    registry().push_back(command);
}

void printError(const QString &text)
{
    std::fprintf(stderr, "zelvan-cli: %s\n", text.toUtf8().constData());
}

bool readProjectFile(const QString &path, ProjectRecord &record, CompanyInfo &company)
{
    const FileResult loaded = ProjectFile::load(path, record, company);
    if (!loaded.ok)
        printError(loaded.message);
    return loaded.ok;
}

bool loadProject(const QString &path, ProjectRecord &record, CompanyInfo &company)
{
    if (!readProjectFile(path, record, company))
        return false;
    // As the desktop program opens a project: it is where the file is now,
    // not where it was last saved (a copy, or a path of another machine).
    const QString absolute = QFileInfo(path).absoluteFilePath();
    record.setField(Field::ProjectFilePath, toGbk(absolute));
    record.setField(Field::ProjectDirectory, toGbk(ProjectLifecycle::directoryOf(absolute)));
    return true;
}

bool readExportArguments(const QStringList &args, const char *command, ExportArguments &out)
{
    QString projectPath;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--out-dir") && i + 1 < args.size()) {
            out.outDir = args.at(++i);
        } else if (projectPath.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            projectPath = args.at(i);
        } else {
            projectPath.clear();
            break;
        }
    }
    if (projectPath.isEmpty()) {
        printError(QStringLiteral("usage: zelvan-cli %1 PROJECT.pcp [--out-dir DIR]").arg(QLatin1String(command)));
        return false;
    }
    if (!loadProject(projectPath, out.record, out.company))
        return false;
    if (!out.outDir.isEmpty())
        out.outDir = QDir(out.outDir).absolutePath() + QLatin1Char('/');
    return true;
}

} // namespace zelvan::cli

int main(int argc, char *argv[])
{
    // The sketches are drawn with QPainter; the offscreen platform lets the
    // batch tool run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (cron, ssh, CI) Qt warns on every run that it has
    // no runtime directory; a private one for this run keeps standard error
    // for the tool's own messages.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    // The command is known before the application is made: only commands
    // that paint get the GUI application.
    const zelvan::cli::Command *command = nullptr;
    QStringList commandArgs;
    for (int i = 2; i < argc; ++i)
        commandArgs << QString::fromLocal8Bit(argv[i]);
    if (argc >= 2)
        for (const auto &candidate : zelvan::cli::registry())
            if (std::strcmp(argv[1], candidate.name) == 0)
                command = &candidate;
    std::unique_ptr<QCoreApplication> app;
    if (command && command->paints && command->paints(commandArgs))
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = app->arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        zelvan::cli::printUsage();
        return 1;
    }
    const QString name = args.takeFirst();
    if (command)
        return command->run(args);
    zelvan::cli::printError(QStringLiteral("unknown command %1").arg(name));
    zelvan::cli::printUsage();
    return 1;
}
