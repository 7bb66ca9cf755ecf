// The layout drawing of the scaled sample vessel, up to its full size: 50
// courses, 80 nozzles, 50 plates.
#include "BenchProject.h"

#include "core/drawing/DxfOutput.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zelvan;

class SilentPrompter : public Prompter {
public:
    void message(const QString &, const QString &, Icon) override { ++messages; }
    bool askYesNo(const QString &, const QString &, Icon) override { return true; }
    Answer askYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    int messages = 0;
};

// Accepts every call: the generator's own cost without the library.
class NullOutput : public DxfOutput {
public:
    int createFile(const std::string &) override { return 1; }
    int closeFile() override { return 1; }
    int sectionBegin(int) override { return 1; }
    int sectionEnd() override { return 1; }
    int tableTypeBegin(int) override { return 1; }
    int tableTypeEnd() override { return 1; }
    int addLinetype(const DxfLinetypeRecord &) override { return 1; }
    int addLayer(const std::string &, int, const std::string &) override { return 1; }
    int setCurrentLayer(const std::string &) override { return 1; }
    int addTextStyle(const DxfTextStyleRecord &) override { return 1; }
    int setCurrentTextStyle(const std::string &) override { return 1; }
    int addDimStyle(const DxfDimStyleRecord &) override { return 1; }
    int setCurrentDimStyle(const std::string &) override { return 1; }
    int line(double, double, double, double) override { return 1; }
    int circle(double, double, double) override { return 1; }
    int text(const std::string &, double, double, double) override { return 1; }
    int dimLinear(double, double, double, double, double, double, double, const std::string &) override { return 1; }
};

// n rows: min(n, 50) courses and plates, min(n, 80) nozzles.
LayoutInputs vessel(int rows, const QString &directory, int &complexity)
{
    const ProjectRecord record = bench::scaledProject(rows, directory);
    LayoutInputs in = LayoutInputs::fromRecord(record);
    in.preparedDate = "2026-12-08";
    in.reviewDate = "2026-12-08";
    complexity = static_cast<int>(in.courses.size() + in.nozzles.size() + in.plates.size());
    return in;
}

void BM_LayoutGeneratorOnly(benchmark::State &state)
{
    int n = 0;
    const LayoutInputs in = vessel(static_cast<int>(state.range(0)), QStringLiteral("/tmp/"), n);
    const CompanyInfo company = bench::benchCompany();
    for (auto _ : state) {
        NullOutput out;
        SilentPrompter prompter;
        auto result = LayoutGenerator::generate(in, company, prompter, out);
        benchmark::DoNotOptimize(result);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_LayoutGeneratorOnly)->Arg(10)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The drawing as the program writes it: CadIO, a DXF file saved atomically.
void BM_LayoutDrawing(benchmark::State &state)
{
    QTemporaryDir dir;
    int n = 0;
    const LayoutInputs in = vessel(static_cast<int>(state.range(0)), dir.path() + QLatin1Char('/'), n);
    const CompanyInfo company = bench::benchCompany();
    for (auto _ : state) {
        SilentPrompter prompter;
        auto result = LayoutGenerator::generate(in, company, prompter);
        if (result.status != ExportResult::Status::Written)
            state.SkipWithError("generation failed");
        benchmark::DoNotOptimize(result);
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_LayoutDrawing)->Arg(10)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
