// Every output of a maximal project (every table at capacity) generated
// a hundred times in one process, as a long session of exports does: each
// run writes the same seven files, and the memory the process holds stops
// growing after the first runs (peak resident size after run 10 and after
// the last run within 5 %).
#include "core/documents/ProcessFixture.h"
#include "stress/StressScale.h"
#include "support/RecordingPrompter.h"

#include "core/documents/CertificateDocument.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/WeldingCardDocument.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

const CompanyInfo kCompany{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};
const QString kAsk = QStringLiteral("即将导出为Word文件，是否继续？");

std::string n(int i) { return std::to_string(i); }

// The process-file project of the document tests, with every table full of
// rows a shop could enter: 50 courses of 1000 mm on a diameter of 1200, 50
// plates, 80 nozzles on the shell within the radius, 80 parts, 80 welds,
// 600 welding cards with 600 consumable and 600 parameter rows, and 180
// qualifications.
ProjectRecord maximalProject(const QString &directory)
{
    ProjectRecord r = test::processProject(directory);
    r.setField(Field::VesselType, "0");
    r.setField(Field::FirstHeadInnerDiameter, "1200");
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 50; ++i)
        rows.push_back({n(i + 1), gbk("圆筒形"), "1000", "12", "1200", "16MnR"});
    r.table(TableId::ShellCourses).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 50; ++i)
        rows.push_back({n(i + 1), "16MnR", "H-" + n(i + 1), "6000", "1800", "12", "1"});
    r.table(TableId::Plates).assignRows(rows);
    rows.clear();
    const char *quadrants[] = {"一轴内", "二轴内", "三轴内", "四轴内"};
    for (int i = 0; i < 80; ++i)
        rows.push_back({"N" + n(i + 1), gbk("接管"), "1", "80", gbk("筒节段"), gbk(quadrants[i % 4]) + n(100 + i),
                        n(500 + i * 600), "", "20#", "89", "4", "200", "", ""});
    r.table(TableId::Nozzles).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 80; ++i)
        rows.push_back({"J" + n(i + 1), gbk("带颈对焊法兰"), gbk("标准件"), "DN100 PN1.6", "16MnR", "HG/T20592-2009",
                        gbk("件"), "2", "8.5", gbk("受压元件"), "W-01", "G" + n(i), gbk("按图加工")});
    r.table(TableId::Parts).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 80; ++i) {
        std::vector<std::string> row(19);
        for (int c = 0; c < 19; ++c)
            row[size_t(c)] = gbk("焊缝") + n(i) + "-" + n(c);
        rows.push_back(row);
    }
    r.table(TableId::Welds).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 600; ++i) {
        std::vector<std::string> row(15);
        for (int c = 0; c < 15; ++c)
            row[size_t(c)] = gbk("卡") + n(i) + "-" + n(c);
        row[0] = "K" + n(i);
        rows.push_back(row);
    }
    r.table(TableId::WeldingCards).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 600; ++i)
        rows.push_back({"K" + n(i), "J507", gbk("350℃×1h")});
    r.table(TableId::CardConsumables).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 600; ++i)
        rows.push_back({"K" + n(i), "1", "3.2", "110", "22", "8", ""});
    r.table(TableId::CardParameters).assignRows(rows);
    rows.clear();
    for (int i = 0; i < 180; ++i) {
        std::vector<std::string> row(17);
        for (int c = 0; c < 17; ++c)
            row[size_t(c)] = "Q" + n(i) + "-" + n(c);
        rows.push_back(row);
    }
    r.table(TableId::Qualifications).assignRows(rows);
    return r;
}

// Peak resident set size of this process in kB (VmHWM).
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

std::map<QString, qint64> filesIn(const QString &directory)
{
    std::map<QString, qint64> out;
    for (const QFileInfo &info : QDir(directory).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
        out[info.fileName()] = info.size();
    return out;
}

// One run of every generator, as the "all" batch command does. Returns the
// number of files reported written.
int generateAll(const ProjectRecord &record, const QString &out)
{
    RecordingPrompter prompter;
    int written = 0;
    LayoutInputs layout = LayoutInputs::fromRecord(record);
    layout.preparedDate = "2026-12-08";
    layout.reviewDate = "2026-12-08";
    written += int(LayoutGenerator::generate(layout, kCompany, prompter, out,
                                              qEnvironmentVariable("ZELVAN_BIN_DIR") + QStringLiteral("/CadIO"))
                       .files.entries.size());

    prompter.answerYes(kAsk);
    ProcessFileGenerator processFile(record, kCompany, prompter);
    processFile.setOutputDirectory(out);
    written += int(processFile.run().files.entries.size());

    prompter.answerYes(kAsk);
    WeldingCardDocument cards(record, kCompany, prompter);
    cards.setOutputDirectory(out);
    written += int(cards.run().files.entries.size());

    for (ProductListDocument::Layout list : {ProductListDocument::weldTable(), ProductListDocument::partsList()}) {
        prompter.answerYes(kAsk);
        ProductListDocument document(std::move(list), record, kCompany, prompter);
        document.setOutputDirectory(out);
        written += int(document.run().files.entries.size());
    }

    prompter.answerYes(kAsk);
    CertificateDocument certificate(record, kCompany, prompter);
    certificate.setOutputDirectory(out);
    written += int(certificate.run().files.entries.size());
    return written;
}

} // namespace

TEST(StressAllOutputs, AHundredRunsOfEveryGeneratorInStableMemory)
{
    const int runs = test::stressRounds(100);
    ASSERT_GE(runs, 10);
    test::ProcessProgramDirectory program;
    QTemporaryDir projectDir;
    ASSERT_TRUE(projectDir.isValid());
    const QString out = projectDir.path() + QLatin1Char('/');
    const ProjectRecord record = maximalProject(out);

    long afterTen = -1;
    std::map<QString, qint64> firstFiles;
    QElapsedTimer timer;
    timer.start();
    qint64 tenthAt = 0;
    for (int run = 1; run <= runs; ++run) {
        ASSERT_EQ(generateAll(record, out), 7) << "run " << run;
        const auto files = filesIn(projectDir.path());
        if (run == 1) {
            firstFiles = files;
            ASSERT_EQ(files.size(), 7u);
        } else {
            // The same seven files, of the same size, every time: nothing
            // grows from one run to the next.
            ASSERT_EQ(files, firstFiles) << "run " << run;
        }
        if (run == 10) {
            afterTen = peakResidentKb();
            tenthAt = timer.elapsed();
        }
    }
    const long atEnd = peakResidentKb();
    const double seconds = double(timer.elapsed()) / 1000.0;
    ASSERT_GT(afterTen, 0);
    EXPECT_LE(double(atEnd), double(afterTen) * 1.05)
        << "peak resident size " << afterTen << " kB after run 10, " << atEnd << " kB after run " << runs;
    qint64 bytes = 0;
    for (const auto &[name, size] : firstFiles)
        bytes += size;
    std::printf("[ stress   ] %d runs of all 7 outputs (%lld bytes per run) in %.1f s (%.2f s per run after the "
                "first ten); peak RSS %ld kB after run 10, %ld kB after run %d (%+.2f %%)\n",
                runs, bytes, seconds, double(timer.elapsed() - tenthAt) / 1000.0 / (runs - 10 > 0 ? runs - 10 : 1),
                afterTen, atEnd, runs, 100.0 * double(atEnd - afterTen) / double(afterTen));
}
