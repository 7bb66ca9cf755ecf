// The whole product process file (both documents, saved) for a project with
// 80 nozzles and 80 parts, in a program directory of its own.
#include "core/documents/ProcessFileGenerator.h"
#include "core/project/AppPaths.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace zelvan;

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString &, const QString &, Icon) override { ++messages; }
    bool askYesNo(const QString &, const QString &, Icon) override { return true; }
    Answer askYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    int messages = 0;
};

void writeGbk(const QString &path, const char *utf8)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const std::string bytes = gbk(utf8);
    file.write(bytes.data(), qint64(bytes.size()));
}

void writePicture(const QString &path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.save(path, "JPEG");
}

ProjectRecord benchProject(const QString &directory)
{
    ProjectRecord r;
    r.setField(Field::ProjectDirectory, toGbk(directory));
    r.setField(Field::ProjectName, "B1");
    r.setField(Field::VesselName, gbk("储罐"));
    r.setField(Field::VesselType, "1");
    r.setField(Field::FirstHeadType, gbk("椭圆封头"));
    r.setProcess(ProcessField::InnerDiameter, "1600");
    r.setProcess(ProcessField::WallThickness, "14");
    r.setProcess(ProcessField::ExternalForm, gbk("卧式鞍座"));
    r.setProcess(ProcessField::MainWeldNdtMethod, "RT");
    r.setProcess(ProcessField::MainWeldNdtRatio, "100%");
    r.setProcess(ProcessField::HeatTreatment, gbk("整体热处理"));
    for (int i = 0; i < 5; ++i)
        r.setStandard(i, std::to_string(i));
    Table &nozzles = r.table(TableId::Nozzles);
    for (int i = 0; i < 80; ++i) {
        nozzles.setCell(i, NozzleColumn::Number, "N" + std::to_string(i + 1));
        nozzles.setCell(i, NozzleColumn::NominalDiameter, "100");
        nozzles.setCell(i, NozzleColumn::PipeSize, "20#");
        nozzles.setCell(i, NozzleColumn::OutsideDiameter, "108");
        nozzles.setCell(i, NozzleColumn::Thickness, "4");
        nozzles.setCell(i, NozzleColumn::Length, "200");
        nozzles.setCell(i, NozzleColumn::ReinforcementSize, i % 2 ? "" : "DN100x10");
    }
    nozzles.setCountText("80");
    Table &parts = r.table(TableId::Parts);
    for (int i = 0; i < 80; ++i) {
        parts.setCell(i, PartColumn::Number, std::to_string(i + 1));
        parts.setCell(i, PartColumn::Name, gbk("鞍座垫板"));
        parts.setCell(i, PartColumn::TechnicalRequirements, gbk("按图纸要求下料，去毛刺，焊接执行焊接工艺卡。"));
    }
    parts.setCountText("80");
    Table &courses = r.table(TableId::ShellCourses);
    for (int i = 0; i < 3; ++i)
        courses.setCell(i, ShellCourseColumn::Height, "2000");
    courses.setCountText("3");
    return r;
}

} // namespace

static void BM_ProductProcessFile(benchmark::State &state)
{
    QTemporaryDir program;
    QTemporaryDir project;
    const QString dir = program.path() + QLatin1Char('/');
    for (const char *folder : {"工序图", "封头图", "pics"})
        QDir(dir).mkpath(QString::fromUtf8(folder));
    writeGbk(dir + QStringLiteral("标准及规范.txt"), "GB/T 150.1-2011\r\nGB/T 150.2-2011\r\nGB/T 150.3-2011\r\nGB/T 150.4-2011\r\nNB/T 47013-2015\r\n");
    writeGbk(dir + QStringLiteral("工序图/工序图列表.txt"), "卧式鞍座\r\n");
    writePicture(dir + QStringLiteral("工序图/工序图-卧式鞍座.JPG"), 900, 400);
    for (const char *name : {"封头图/椭圆封头图.JPG", "pics/接管法兰预制.JPG", "pics/补强圈预制.JPG", "pics/总装.JPG"})
        writePicture(dir + QString::fromUtf8(name), 500, 250);
    setProgramDirectoryForTesting(dir);

    const ProjectRecord record = benchProject(project.path() + QLatin1Char('/'));
    const CompanyInfo company = CompanyInfo::initial();
    SilentPrompter prompter;
    int written = 0;
    for (auto _ : state) {
        ProcessFileGenerator generator(record, company, prompter);
        written = static_cast<int>(generator.run().files.entries.size());
        benchmark::DoNotOptimize(written);
    }
    state.counters["files"] = written;
    state.counters["messages"] = prompter.messages;
    setProgramDirectoryForTesting(QString());
}
BENCHMARK(BM_ProductProcessFile)->Unit(benchmark::kMillisecond);
