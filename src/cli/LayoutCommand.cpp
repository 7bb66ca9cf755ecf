// zelvan-cli layout: the layout drawing without the dialog. Material,
// specification and summary are taken as the dialog takes them; the dates
// default to today, as the dialog's date pickers do. --pdf and --png also
// write the drawing as a PDF or PNG picture (what "导出PDF"/"导出PNG" write).
#include "CliCommands.h"
#include "CliPrompter.h"
#include "ExportReport.h"

#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDate>

#include <cstdio>

namespace zelvan::cli {

namespace {

bool takeDate(const QString &text, std::string &out)
{
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return false;
    out = formatDate(date.year(), date.month(), date.day());
    return true;
}

int layout(const QStringList &args)
{
    const char *usage = "usage: zelvan-cli layout PROJECT.pcp [--out-dir DIR] [--prepared-date YYYY-MM-DD] "
                        "[--review-date YYYY-MM-DD] [--pdf FILE] [--png FILE]";
    QString projectPath, outDir, pdfFile, pngFile;
    const QDate today = QDate::currentDate();
    std::string prepared = formatDate(today.year(), today.month(), today.day());
    std::string review = prepared;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--out-dir") && hasValue) {
            outDir = args.at(++i);
        } else if (arg == QLatin1String("--pdf") && hasValue) {
            pdfFile = args.at(++i);
        } else if (arg == QLatin1String("--png") && hasValue) {
            pngFile = args.at(++i);
        } else if (arg == QLatin1String("--prepared-date") && hasValue) {
            if (!takeDate(args.at(++i), prepared)) {
                printError(QStringLiteral("invalid date %1 (expected YYYY-MM-DD)").arg(args.at(i)));
                return 1;
            }
        } else if (arg == QLatin1String("--review-date") && hasValue) {
            if (!takeDate(args.at(++i), review)) {
                printError(QStringLiteral("invalid date %1 (expected YYYY-MM-DD)").arg(args.at(i)));
                return 1;
            }
        } else if (!arg.startsWith(QLatin1String("--")) && projectPath.isEmpty()) {
            projectPath = arg;
        } else {
            printError(QString::fromLatin1(usage));
            return 1;
        }
    }
    if (projectPath.isEmpty()) {
        printError(QString::fromLatin1(usage));
        return 1;
    }

    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    if (!loadProject(projectPath, record, company))
        return 1;
    LayoutInputs inputs = LayoutInputs::fromRecord(record);
    inputs.preparedDate = prepared;
    inputs.reviewDate = review;

    // The DXF file first; the pictures are drawn by the same generator once
    // it is written, so a refused drawing is refused once.
    CliPrompter prompter;
    int status = reportExport(LayoutGenerator::generate(inputs, company, prompter, outDir));
    if (status != 0)
        return status;
    if (!pdfFile.isEmpty())
        status |= reportExport(
            LayoutGenerator::exportPicture(inputs, company, prompter, LayoutPainter::FileFormat::Pdf, pdfFile, outDir));
    if (!pngFile.isEmpty())
        status |= reportExport(
            LayoutGenerator::exportPicture(inputs, company, prompter, LayoutPainter::FileFormat::Png, pngFile, outDir));
    return status;
}

// The DXF file is written by CadIO; only the PDF and PNG pictures paint.
bool layoutPaints(const QStringList &args)
{
    return args.contains(QLatin1String("--pdf")) || args.contains(QLatin1String("--png"));
}

const CommandRegistration layoutCommand(
    {"layout",
     "layout PROJECT.pcp [--out-dir DIR] [--prepared-date YYYY-MM-DD] [--review-date YYYY-MM-DD] "
     "[--pdf FILE] [--png FILE]",
     layout, layoutPaints});

} // namespace
} // namespace zelvan::cli
