// zelvan-cli: the batch tool. Runs what the program's buttons run, without a
// window: questions are answered yes, messages go to standard error.
#include "CliCommands.h"

#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
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

bool loadProject(const QString &path, ProjectRecord &record, CompanyInfo &company)
{
    const FileResult loaded = ProjectFile::load(path, record, company);
    if (!loaded.ok)
        printError(loaded.message);
    return loaded.ok;
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
    // A project directory stored as a relative path (the checked-in samples
    // hold "./") is taken from where the project file lies, so the outputs
    // land beside it whatever the working directory.
    const QString stored = fromGbk(out.record.field(Field::ProjectDirectory));
    if (!stored.isEmpty() && QDir::isRelativePath(stored))
        out.record.setField(Field::ProjectDirectory,
                            toGbk(QDir::cleanPath(QFileInfo(projectPath).absoluteDir().filePath(stored)) + QLatin1Char('/')));
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
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        zelvan::cli::printUsage();
        return 1;
    }
    const QString name = args.takeFirst();
    for (const auto &command : zelvan::cli::registry())
        if (name == QLatin1String(command.name))
            return command.run(args);
    zelvan::cli::printError(QStringLiteral("unknown command %1").arg(name));
    zelvan::cli::printUsage();
    return 1;
}
