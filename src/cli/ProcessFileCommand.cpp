#include "CliCommands.h"
#include "CliPrompter.h"
#include "ExportReport.h"

#include "core/documents/ProcessFileGenerator.h"

namespace zelvan::cli {

namespace {

// zelvan-cli process-file PROJECT.pcp [--out-dir DIR]: what the button
// "生成产品工艺文件" does, questions answered yes; --out-dir stands in for the
// project directory of the project file for this run.
int processFile(const QStringList &args)
{
    ExportArguments in;
    if (!readExportArguments(args, "process-file", in))
        return 1;
    CliPrompter prompter;
    ProcessFileGenerator generator(in.record, in.company, prompter);
    generator.setOutputDirectory(in.outDir);
    return reportExport(generator.run());
}

const CommandRegistration processFileCommand({"process-file", "process-file PROJECT.pcp [--out-dir DIR]", processFile, alwaysPaints});

} // namespace
} // namespace zelvan::cli
