#include "ExportReport.h"

#include "core/export/ExportFlow.h"

#include <cstdio>

namespace zelvan::cli {

int reportExport(const ExportResult &result)
{
    for (const GeneratedFiles::Entry &entry : result.files.entries)
        std::printf("%s\n", entry.path().toUtf8().constData());
    const bool flushed = std::fflush(stdout) == 0;
    return result.written() && flushed ? 0 : 1;
}

} // namespace zelvan::cli
