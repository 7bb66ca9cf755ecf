// The layout drawing for a full vessel: 50 courses, 80 nozzles, 50 plates.
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

LayoutInputs fullVessel(const std::string &directory)
{
    static const char *const locations[] = {"筒节段", "上封头", "下封头", "筒节段"};
    static const char *const quadrants[] = {"一轴内", "二轴内", "三轴内", "四轴内"};
    LayoutInputs in;
    in.projectName = gbk("基准项目");
    in.projectDirectory = directory;
    in.vesselType = VesselType::Vertical;
    in.vesselName = gbk("塔器");
    in.firstHeadInnerDiameter = "2000";
    in.material = "Q345R";
    in.specification = gbk("φ2000*60000*16");
    in.preparedDate = "2024-01-01";
    in.reviewDate = "2024-01-02";
    for (int i = 0; i < 50; ++i) {
        in.courses.push_back({std::to_string(i + 1), gbk("筒节"), std::to_string(1000 + 10 * i), "16", "2000", "Q345R"});
        in.plates.push_back({std::to_string(i + 1), "Q345R", "H" + std::to_string(10000 + i), "6000", "2000", "16", "1"});
    }
    for (int i = 0; i < 80; ++i)
        in.nozzles.push_back({"N" + std::to_string(i + 1), gbk("接管"), "1", "50", gbk(locations[i % 4]),
                              gbk(quadrants[(i / 4) % 4]) + std::to_string(50 + 10 * i), std::to_string(100 + 600 * i),
                              "", "", "57", "", "", "", ""});
    in.courseCount = "50";
    in.nozzleCount = "80";
    in.plateCount = "50";
    return in;
}

void BM_LayoutGeneratorOnly(benchmark::State &state)
{
    const LayoutInputs in = fullVessel("/tmp/");
    const CompanyInfo company{gbk("岳川明压力容器制造有限公司"), gbk("TS1234")};
    for (auto _ : state) {
        NullOutput out;
        SilentPrompter prompter;
        auto result = LayoutGenerator::generate(in, company, prompter, out);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LayoutGeneratorOnly)->Unit(benchmark::kMillisecond);

void BM_LayoutDrawingThroughCadIO(benchmark::State &state)
{
    QTemporaryDir dir;
    const LayoutInputs in = fullVessel(QFile::encodeName(dir.path() + "/").toStdString());
    const CompanyInfo company{gbk("岳川明压力容器制造有限公司"), gbk("TS1234")};
    for (auto _ : state) {
        SilentPrompter prompter;
        auto result = LayoutGenerator::generate(in, company, prompter);
        if (result.status != ExportResult::Status::Written)
            state.SkipWithError("generation failed");
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_LayoutDrawingThroughCadIO)->Unit(benchmark::kMillisecond);

} // namespace
