#pragma once

#include "core/drawing/DxfOutput.h"
#include "core/drawing/LayoutInputs.h"

#include "core/export/ExportFlow.h"
#include "core/project/ProjectRecord.h"

#include <QString>

namespace zelvan {

class Prompter;

// The layout drawing ("排版图"): checks the dialog's copy of the project,
// writes the tables, the shell development with its seams, heat numbers,
// dimensions, head views and nozzles, the sheet frame, the notes and the
// title block, and reports the outcome once at the end.
class LayoutGenerator {
public:
    static QString fileSuffix() { return QStringLiteral("-排版图.dxf"); }
    static QString generatedFilesKind() { return QStringLiteral("1"); }

    // Runs the generation through CadIO loaded from the program directory
    // (or from `libraryPath` when given). `outDirectory` replaces the project
    // directory when not empty (the batch tool's --out-dir); the project must
    // have been saved all the same.
    static ExportResult generate(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                           const QString &outDirectory = QString(), const QString &libraryPath = QString());
    // The same run through any DXF output (tests record the calls).
    static ExportResult generate(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                           DxfOutput &output, const QString &outDirectory = QString());

    // The company name in the title block: on the upper row when shorter
    // than 11 bytes, otherwise its first 20 bytes there and the rest below.
    // A double-byte character is never cut: the split moves one byte left.
    static std::pair<std::string, std::string> splitCompanyName(const std::string &name);

    // The six note lines.
    static std::vector<std::string> noteLines(const LayoutInputs &inputs);
};

} // namespace zelvan
