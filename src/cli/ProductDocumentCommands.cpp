// zelvan-cli parts | welds | certificate | all: the Word exports of the
// parts page, the weld page and the tower parameters page, and every output
// of a project in one run.
#include "CliCommands.h"
#include "CliPrompter.h"
#include "ExportReport.h"

#include "core/documents/CertificateDocument.h"
#include "core/documents/CertificateMessages.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/WeldingCardDocument.h"
#include "core/documents/WeldingCardMessages.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/TextCodec.h"

#include <QDate>

#include <cstdio>

namespace zelvan::cli {

namespace {

int listDocument(const QStringList &args, const char *name, ProductListDocument::Layout layout)
{
    ExportArguments in;
    if (!readExportArguments(args, name, in))
        return 1;
    CliPrompter prompter;
    ProductListDocument document(std::move(layout), in.record, in.company, prompter);
    document.setOutputDirectory(in.outDir);
    return reportExport(document.run());
}

// zelvan-cli parts PROJECT.pcp [--out-dir DIR]: "导出Word" of the parts page.
int parts(const QStringList &args)
{
    return listDocument(args, "parts", ProductListDocument::partsList());
}

// zelvan-cli welds PROJECT.pcp [--out-dir DIR]: "导出Word" of the weld page.
int welds(const QStringList &args)
{
    return listDocument(args, "welds", ProductListDocument::weldTable());
}

// zelvan-cli certificate PROJECT.pcp [--out-dir DIR]: "生成塔器合格证文件".
int certificate(const QStringList &args)
{
    ExportArguments in;
    if (!readExportArguments(args, "certificate", in))
        return 1;
    CliPrompter prompter;
    CertificateDocument document(in.record, in.company, prompter);
    document.setOutputDirectory(in.outDir);
    return reportExport(document.run());
}

// One line per output file: the path written, or the file's name and why
// it was not written. Returns whether every expected file was written.
bool reportOutputs(const ExportResult &result, const QStringList &fileNames)
{
    bool all = true;
    for (const QString &fileName : fileNames) {
        QString written;
        for (const GeneratedFiles::Entry &entry : result.files.entries)
            if (entry.fileName == fileName)
                written = entry.path();
        if (!written.isEmpty()) {
            std::printf("%s\n", written.toUtf8().constData());
        } else {
            all = false;
            // A message of several lines stays on the output's one line.
            QString why = result.message.isEmpty() ? QStringLiteral("未生成") : result.message;
            why.replace(QLatin1Char('\n'), QLatin1Char(' '));
            std::printf("%s: %s\n", fileName.toUtf8().constData(), why.toUtf8().constData());
        }
    }
    return all && result.written();
}

// zelvan-cli all PROJECT.pcp [--out-dir DIR]: every output of the project -
// the layout drawing (dated today), the full process file and its shell
// part, the welding procedure cards, the weld parameter table, the parts
// list and the certificate. A refused or failed output does not stop the
// others; the exit status is 1 if any of them was not written.
int all(const QStringList &args)
{
    ExportArguments in;
    if (!readExportArguments(args, "all", in))
        return 1;
    CliPrompter prompter;
    auto name = [&](const QString &suffix) { return OutputPaths::build(in.record, suffix, in.outDir).fileName; };
    bool ok = true;

    LayoutInputs layout = LayoutInputs::fromRecord(in.record);
    const QDate today = QDate::currentDate();
    layout.preparedDate = formatDate(today.year(), today.month(), today.day());
    layout.reviewDate = layout.preparedDate;
    ok &= reportOutputs(LayoutGenerator::generate(layout, in.company, prompter, in.outDir),
                        {name(LayoutGenerator::fileSuffix())});

    ProcessFileGenerator processFile(in.record, in.company, prompter);
    processFile.setOutputDirectory(in.outDir);
    ok &= reportOutputs(processFile.run(),
                        {name(ProcessFileGenerator::fullFileSuffix()), name(ProcessFileGenerator::shellPartSuffix())});

    WeldingCardDocument cards(in.record, in.company, prompter);
    cards.setOutputDirectory(in.outDir);
    ok &= reportOutputs(cards.run(), {name(WeldingCardMessages::fileSuffix())});

    for (ProductListDocument::Layout list : {ProductListDocument::weldTable(), ProductListDocument::partsList()}) {
        const QString fileName = name(list.fileSuffix);
        ProductListDocument document(std::move(list), in.record, in.company, prompter);
        document.setOutputDirectory(in.outDir);
        ok &= reportOutputs(document.run(), {fileName});
    }

    CertificateDocument certificate(in.record, in.company, prompter);
    certificate.setOutputDirectory(in.outDir);
    ok &= reportOutputs(certificate.run(), {name(CertificateMessages::fileSuffix())});

    return std::fflush(stdout) == 0 && ok ? 0 : 1;
}

const CommandRegistration partsCommand({"parts", "parts PROJECT.pcp [--out-dir DIR]", parts});
const CommandRegistration weldsCommand({"welds", "welds PROJECT.pcp [--out-dir DIR]", welds});
const CommandRegistration certificateCommand({"certificate", "certificate PROJECT.pcp [--out-dir DIR]", certificate});
const CommandRegistration allCommand({"all", "all PROJECT.pcp [--out-dir DIR]", all, alwaysPaints});

} // namespace
} // namespace zelvan::cli
