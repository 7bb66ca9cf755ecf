#include "CliCommands.h"
#include "CliPrompter.h"
#include "ExportReport.h"

#include "core/documents/WeldingCardDocument.h"

namespace zelvan::cli {

namespace {

// zelvan-cli welding-cards PROJECT.pcp [--out-dir DIR]: what "导出Word" of
// the welding procedure card page does, questions answered yes; --out-dir
// stands in for the project directory of the project file for this run.
int weldingCards(const QStringList &args)
{
    ExportArguments in;
    if (!readExportArguments(args, "welding-cards", in))
        return 1;
    CliPrompter prompter;
    WeldingCardDocument document(in.record, in.company, prompter);
    document.setOutputDirectory(in.outDir);
    return reportExport(document.run());
}

const CommandRegistration weldingCardsCommand({"welding-cards", "welding-cards PROJECT.pcp [--out-dir DIR]", weldingCards});

} // namespace
} // namespace zelvan::cli
