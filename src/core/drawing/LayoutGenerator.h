#pragma once

#include "core/drawing/DxfOutput.h"
#include "core/drawing/LayoutGeometry.h"
#include "core/drawing/LayoutPainter.h"
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

    // The drawing as a PDF (vector, one A3 page) or PNG picture, through the
    // same checks and the same drawing sequence as the DXF file, painted by
    // LayoutPainter and written atomically. Named like the DXF file with
    // pictureSuffix(), or `file` when given (the batch tool's --pdf/--png).
    static QString pictureSuffix(LayoutPainter::FileFormat format);
    static ExportResult exportPicture(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                      LayoutPainter::FileFormat format, const QString &file = QString(),
                                      const QString &outDirectory = QString());
    // The same through a given painter (tests record its calls).
    static ExportResult exportPicture(const LayoutInputs &inputs, const CompanyInfo &company, Prompter &prompter,
                                      LayoutPainter &painter, LayoutPainter::FileFormat format,
                                      const QString &file = QString(), const QString &outDirectory = QString());

    // The drawing sequence of generate() into `output` without writing a file
    // and without the checks of where the file goes (the dialog's preview of an
    // unsaved project). Returns the refusal text when the inputs cannot be
    // drawn (nothing is drawn then), else an empty text.
    static QString preview(const LayoutInputs &inputs, const CompanyInfo &company, DxfOutput &output);
    // The nozzles drawn at stand-in places (no defined position, or an
    // azimuth distance beyond the shell radius); none when nothing can be drawn.
    static std::vector<LayoutNozzle> approximatelyPlacedNozzles(const LayoutInputs &inputs);

    // The company name in the title block: on the upper row when shorter
    // than 11 bytes, otherwise its first 20 bytes there and the rest below.
    // A double-byte character is never cut: the split moves one byte left.
    static std::pair<std::string, std::string> splitCompanyName(const std::string &name);

    // The six note lines.
    static std::vector<std::string> noteLines(const LayoutInputs &inputs);
};

} // namespace zelvan
