// The painting target (preview, PDF, PNG) against the DXF target: one
// generator, two targets, the same calls; and the picture it paints.
#include "LayoutSamples.h"
#include "RecordingDxfOutput.h"
#include "support/RecordingPrompter.h"

#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutPainter.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace zelvan;
using test::RecordingDxfOutput;
using test::RecordingPrompter;

namespace {

// The painting target with every call it receives written down.
class RecordingPainter : public LayoutPainter {
public:
    using LayoutPainter::LayoutPainter;
    RecordingDxfOutput log;

    int createFile(const std::string &p) override { return log.createFile(p) & LayoutPainter::createFile(p); }
    int closeFile() override { return log.closeFile() & LayoutPainter::closeFile(); }
    int sectionBegin(int s) override { return log.sectionBegin(s) & LayoutPainter::sectionBegin(s); }
    int sectionEnd() override { return log.sectionEnd() & LayoutPainter::sectionEnd(); }
    int tableTypeBegin(int t) override { return log.tableTypeBegin(t) & LayoutPainter::tableTypeBegin(t); }
    int tableTypeEnd() override { return log.tableTypeEnd() & LayoutPainter::tableTypeEnd(); }
    int addLinetype(const DxfLinetypeRecord &r) override { return log.addLinetype(r) & LayoutPainter::addLinetype(r); }
    int addLayer(const std::string &n, int c, const std::string &l) override
    {
        return log.addLayer(n, c, l) & LayoutPainter::addLayer(n, c, l);
    }
    int setCurrentLayer(const std::string &n) override { return log.setCurrentLayer(n) & LayoutPainter::setCurrentLayer(n); }
    int addTextStyle(const DxfTextStyleRecord &r) override { return log.addTextStyle(r) & LayoutPainter::addTextStyle(r); }
    int setCurrentTextStyle(const std::string &n) override
    {
        return log.setCurrentTextStyle(n) & LayoutPainter::setCurrentTextStyle(n);
    }
    int addDimStyle(const DxfDimStyleRecord &r) override { return log.addDimStyle(r) & LayoutPainter::addDimStyle(r); }
    int setCurrentDimStyle(const std::string &n) override
    {
        return log.setCurrentDimStyle(n) & LayoutPainter::setCurrentDimStyle(n);
    }
    int line(double a, double b, double c, double d) override { return log.line(a, b, c, d) & LayoutPainter::line(a, b, c, d); }
    int circle(double x, double y, double r) override { return log.circle(x, y, r) & LayoutPainter::circle(x, y, r); }
    int text(const std::string &t, double x, double y, double h) override
    {
        return log.text(t, x, y, h) & LayoutPainter::text(t, x, y, h);
    }
    int narrowText(const std::string &t, double x, double y, double h, double f) override
    {
        return log.narrowText(t, x, y, h, f) & LayoutPainter::narrowText(t, x, y, h, f);
    }
    int dimLinear(double a, double b, double c, double d, double e, double f, double g, const std::string &t) override
    {
        return log.dimLinear(a, b, c, d, e, f, g, t) & LayoutPainter::dimLinear(a, b, c, d, e, f, g, t);
    }
};

LayoutInputs sampleInputs(const char *name, const QString &directory)
{
    QFile file(qEnvironmentVariable("ZELVAN_SOURCE_DIR") + QStringLiteral("/samples/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray bytes = file.readAll();
    ProjectRecord record;
    CompanyInfo company;
    EXPECT_EQ(ProjectArchive::read(std::string_view(bytes.constData(), size_t(bytes.size())), record, company),
              ProjectArchive::ReadStatus::Ok);
    LayoutInputs in = LayoutInputs::fromRecord(record);
    in.projectDirectory = toGbk(directory + QLatin1Char('/'));
    in.preparedDate = "2026-12-01";
    in.reviewDate = "2026-12-02";
    return in;
}

void expectSameCalls(const std::vector<RecordingDxfOutput::Call> &dxf, const std::vector<RecordingDxfOutput::Call> &other,
                     const std::string &expectedPath)
{
    ASSERT_EQ(dxf.size(), other.size());
    for (size_t i = 0; i < dxf.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i) + " " + dxf[i].op);
        EXPECT_EQ(dxf[i].op, other[i].op);
        EXPECT_EQ(dxf[i].numbers, other[i].numbers);
        EXPECT_EQ(dxf[i].record, other[i].record);
        if (dxf[i].op == "createFile")
            EXPECT_EQ(other[i].texts[0], expectedPath);
        else
            EXPECT_EQ(dxf[i].texts, other[i].texts);
    }
}

} // namespace

// Both sample projects: the DXF run, the preview and the PDF and PNG exports
// make the same calls in the same order; only the file name differs.
TEST(LayoutPainter, ReceivesTheSameCallsAsTheDxfTargetForBothSamples)
{
    for (const char *name : {"vertical-storage-tank.pcp", "horizontal-storage-tank.pcp"}) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const LayoutInputs in = sampleInputs(name, dir.path());
        const CompanyInfo company{gbk("岳川明压力容器制造有限公司"), "TS-01"};
        RecordingPrompter prompter;

        RecordingDxfOutput dxf;
        ASSERT_TRUE(LayoutGenerator::generate(in, company, prompter, dxf).written());
        ASSERT_GT(dxf.calls.size(), 150u);
        const std::string dxfPath = dxf.calls.front().texts[0];
        ASSERT_TRUE(dxfPath.ends_with(".dxf"));
        const std::string stem = dxfPath.substr(0, dxfPath.size() - 4);

        RecordingDxfOutput preview;
        EXPECT_TRUE(LayoutGenerator::preview(in, company, preview).isEmpty());
        expectSameCalls(dxf.calls, preview.calls, dxfPath);

        for (auto format : {LayoutPainter::FileFormat::Pdf, LayoutPainter::FileFormat::Png}) {
            const std::string extension = format == LayoutPainter::FileFormat::Pdf ? ".pdf" : ".png";
            RecordingPainter painter(format);
            const ExportResult result = LayoutGenerator::exportPicture(in, company, prompter, painter, format);
            ASSERT_TRUE(result.written()) << prompter.texts().join('|').toStdString();
            expectSameCalls(dxf.calls, painter.log.calls, stem + extension);
            // Written under that name, listed in the generated-file list.
            const QString written = QFile::decodeName(QByteArray::fromStdString(stem + extension));
            EXPECT_TRUE(QFile::exists(written));
            ASSERT_EQ(result.files.entries.size(), 1);
            EXPECT_EQ(result.files.entries[0].path(), written);
        }
    }
}

// The PNG of the vertical sample with one shell nozzle: 1.5 pixels per
// drawing unit over the frame (-195..1005 by -595..1605) and a 10-unit
// margin, the outline black, a circumferential seam red (layer 1), a
// longitudinal seam yellow (layer 2), the nozzle hole green (layer 3).
TEST(LayoutPainter, PngShowsOutlineSeamsAndNozzleInTheirColours)
{
    QTemporaryDir dir;
    LayoutInputs in = test::verticalSample();
    in.projectDirectory = toGbk(dir.path() + QLatin1Char('/'));
    // Rs = 600, d = 300: arc 600 * asin(0.5) = 314, on the circumference
    // scale 800 / (2 pi 600) A = 66.6; elevation 2000 on the length scale
    // 800 / 4000 gives E = 400: centre (71.6, 405), hole radius 0.2 * 200 = 40.
    in.nozzles = {test::nozzleRow("N1", "100", "筒节段", "一轴内300", "2000", "200")};
    in.nozzleCount = "1";
    RecordingPrompter prompter;
    const ExportResult result =
        LayoutGenerator::exportPicture(in, CompanyInfo::initial(), prompter, LayoutPainter::FileFormat::Png);
    ASSERT_TRUE(result.written()) << prompter.texts().join('|').toStdString();
    const QImage image(dir.filePath(QStringLiteral("项目-储罐-排版图.png")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1830);
    EXPECT_EQ(image.height(), 3330);

    auto pixelNear = [&](double x, double y, const std::function<bool(QColor)> &wanted) {
        const int px = int(std::lround((x + 205) * 1.5)), py = int(std::lround((1615 - y) * 1.5));
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if (image.valid(px + dx, py + dy) && wanted(image.pixelColor(px + dx, py + dy)))
                    return true;
        return false;
    };
    auto dark = [](QColor c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; };
    auto red = [](QColor c) { return c.red() > 150 && c.green() < 110 && c.blue() < 110; };
    auto yellow = [](QColor c) { return c.red() > 110 && c.green() > 80 && c.blue() < 80 && c.red() > c.green(); };
    auto green = [](QColor c) { return c.green() > 90 && c.red() < 90 && c.blue() < 90; };
    auto white = [](QColor c) { return c.red() > 245 && c.green() > 245 && c.blue() > 245; };

    EXPECT_TRUE(pixelNear(5, 600, dark)) << "outline at 0 degrees";
    EXPECT_TRUE(pixelNear(805, 600, dark)) << "outline at 360 degrees";
    EXPECT_TRUE(pixelNear(300, 205, red)) << "seam between courses 1 and 2";
    EXPECT_TRUE(pixelNear(300, 505, red)) << "seam between courses 2 and 3";
    EXPECT_TRUE(pixelNear(403, 100, yellow)) << "longitudinal seam of course 1 at 180 degrees";
    EXPECT_TRUE(pixelNear(71.6, 445, green)) << "top of the nozzle hole";
    EXPECT_TRUE(pixelNear(111.6, 405, green)) << "right of the nozzle hole";
    EXPECT_TRUE(pixelNear(300, 350, white)) << "inside a course, nothing drawn";
    EXPECT_FALSE(pixelNear(300, 350, dark));
}

// A picture that cannot be written (its folder is gone) fails with the
// file's own message and leaves nothing behind.
TEST(LayoutPainter, UnwritablePictureFailsWithTheFileMessage)
{
    QTemporaryDir dir;
    LayoutInputs in = test::verticalSample();
    in.projectDirectory = toGbk(dir.path() + QStringLiteral("/gone/"));
    RecordingPrompter prompter;
    const QString expected = QStringLiteral("排版图文件生成错误！\n没有找到 %1。").arg(dir.path() + QStringLiteral("/gone/项目-储罐-排版图.pdf"));
    prompter.expectMessage(expected);
    const ExportResult result =
        LayoutGenerator::exportPicture(in, CompanyInfo::initial(), prompter, LayoutPainter::FileFormat::Pdf);
    EXPECT_EQ(result.status, ExportResult::Status::Failed);
    EXPECT_EQ(result.message, expected);

    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("gone/项目-储罐-排版图.pdf"))));
}
