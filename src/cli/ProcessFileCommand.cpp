#include "CliCommands.h"
#include "CliPrompter.h"
#include "ExportReport.h"

#include "core/documents/ProcessFileGenerator.h"
#include "core/project/ProjectArchive.h"

#include <QDir>

#include <cstdio>

namespace zelvan::cli {

namespace {

// zelvan-cli process-file PROJECT.pcp [--out-dir DIR]: what the button
// "生成产品工艺文件" does, questions answered yes; --out-dir stands in for the
// project directory of the project file for this run.
int processFile(const QStringList &args)
{
    QString projectPath;
    QString outDir;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--out-dir") && i + 1 < args.size()) {
            outDir = args.at(++i);
        } else if (projectPath.isEmpty() && !args.at(i).startsWith(QLatin1String("--"))) {
            projectPath = args.at(i);
        } else {
            projectPath.clear();
            break;
        }
    }
    if (projectPath.isEmpty()) {
        printError(QStringLiteral("usage: zelvan-cli process-file PROJECT.pcp [--out-dir DIR]"));
        return 1;
    }
    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    if (!loadProject(projectPath, record, company))
        return 1;
    if (!outDir.isEmpty())
        outDir = QDir(outDir).absolutePath() + QLatin1Char('/');

    CliPrompter prompter;
    ProcessFileGenerator generator(record, company, prompter);
    generator.setOutputDirectory(outDir);
    return reportExport(generator.run());
}

const CommandRegistration processFileCommand({"process-file", "process-file PROJECT.pcp [--out-dir DIR]", processFile});

} // namespace
} // namespace zelvan::cli
