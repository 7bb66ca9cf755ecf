#pragma once

namespace zelvan {
struct ExportResult;
}

namespace zelvan::cli {

// How every export command ends: the paths of the files written on standard
// output, one a line, and the exit status: 0 only when every file was
// written (messages have already gone to standard error).
int reportExport(const ExportResult &result);

} // namespace zelvan::cli
