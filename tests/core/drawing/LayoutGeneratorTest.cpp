// The generator's sequence of DXF calls, its refusals and its final report,
// recorded through a DXF output that stands in for the library.
#include "LayoutSamples.h"
#include "RecordingDxfOutput.h"
#include "support/RecordingPrompter.h"

#include "core/drawing/DxfWriter.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace zelvan;
using namespace zelvan::test;

namespace {

CompanyInfo company(const char *name)
{
    return {gbk(name), gbk("TS1234")};
}

template <typename T>
T at(const std::vector<unsigned char> &bytes, size_t offset)
{
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

std::string textAt(const std::vector<unsigned char> &bytes, size_t offset)
{
    return std::string(reinterpret_cast<const char *>(bytes.data() + offset));
}

} // namespace

TEST(LayoutGeneratorRefusals, NoPlatesComesFirstAndCreatesNothing)
{
    LayoutInputs in = verticalSample();
    in.plates.clear();
    in.courses.clear();
    in.projectDirectory.clear();
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"));
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
    EXPECT_TRUE(out.calls.empty());
}

TEST(LayoutGeneratorRefusals, ThenNoCoursesThenUnsavedThenUnsafeNameThenZeroHeight)
{
    LayoutInputs in = verticalSample();
    in.courses.clear();
    in.projectDirectory.clear();
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("筒节数为零，无法生成排版图！\n请输入筒节信息！"));
    LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("筒节数为零，无法生成排版图！\n请输入筒节信息！")});
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));

    in = verticalSample();
    in.projectDirectory.clear();
    prompter.clear();
    prompter.expectMessage(QStringLiteral("生成排版图前请先保存项目！"));
    LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("生成排版图前请先保存项目！")});
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));

    in = verticalSample();
    in.vesselName = gbk("罐/1");
    prompter.clear();
    prompter.expectMessage(QStringLiteral("容器名称中含有不能用于文件名的字符“/”，无法生成文件！"));
    LayoutGenerator::generate(in, company("公司"), prompter, out);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));

    in = verticalSample();
    in.courses = {courseRow("0", "1000"), courseRow("abc", "1000")};
    prompter.clear();
    prompter.expectMessage(QStringLiteral("筒节总高度为零，无法生成排版图！"));
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("筒节总高度为零，无法生成排版图！")});
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_TRUE(out.calls.empty());
}

TEST(LayoutGeneratorRefusals, NegativeTotalHeightIsRefusedLikeZero)
{
    // Only an edited file holds a negative height; it gives no scale either.
    LayoutInputs in = verticalSample();
    in.courses = {courseRow("1000", "1200"), courseRow("-3000", "1200")};
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("筒节总高度为零，无法生成排版图！"));
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("筒节总高度为零，无法生成排版图！")});
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_TRUE(out.calls.empty());
}

TEST(LayoutGeneratorRefusals, WrongVesselTypeStopsBeforeTheFileIsCreated)
{
    LayoutInputs in = verticalSample();
    in.vesselType = std::nullopt;
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("容器型式错误！"));
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("容器型式错误！"));
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
    // Nothing is created, so an earlier drawing of that name survives.
    EXPECT_TRUE(out.calls.empty());
}

TEST(LayoutGeneratorTables, RecordsCarryTheirFieldsAtTheFixedOffsets)
{
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    LayoutGenerator::generate(verticalSample(), company("公司"), prompter, out);
    std::vector<std::string> head;
    for (size_t i = 0; i < 23; ++i)
        head.push_back(out.calls[i].op);
    const std::vector<std::string> expected = {
        "createFile", "sectionBegin", "sectionEnd", "sectionBegin", "tableTypeBegin", "addLinetype", "tableTypeEnd",
        "tableTypeBegin", "addLayer", "addLayer", "addLayer", "addLayer", "tableTypeEnd", "tableTypeBegin",
        "addTextStyle", "addTextStyle", "tableTypeEnd", "tableTypeBegin", "addDimStyle", "tableTypeEnd",
        "sectionEnd", "sectionBegin", "line"};
    EXPECT_EQ(head, expected);
    EXPECT_EQ(out.calls[1].numbers[0], 1);
    EXPECT_EQ(out.calls[3].numbers[0], 4);
    EXPECT_EQ(out.calls[4].numbers[0], 16);
    EXPECT_EQ(out.calls[7].numbers[0], 8);
    EXPECT_EQ(out.calls[13].numbers[0], 32);
    EXPECT_EQ(out.calls[17].numbers[0], 4);
    EXPECT_EQ(out.calls[21].numbers[0], 16);

    const auto &lt = out.calls[5].record;
    ASSERT_EQ(lt.size(), 1280u);
    EXPECT_EQ(textAt(lt, 0), "Continuous");
    EXPECT_EQ(textAt(lt, 516), "Solid line");
    for (size_t i = 0; i < lt.size(); ++i)
        if (i >= 516 + 10 || (i >= 10 && i < 516)) {
            ASSERT_EQ(lt[i], 0) << "byte " << i;
        }

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(out.calls[8 + i].texts[0], "Layer" + std::to_string(i + 1));
        EXPECT_EQ(out.calls[8 + i].numbers[0], i + 1);
        EXPECT_EQ(out.calls[8 + i].texts[1], "Continuous");
    }

    const auto &s1 = out.calls[14].record;
    ASSERT_EQ(s1.size(), 1064u);
    EXPECT_EQ(textAt(s1, 0), "Style1");
    EXPECT_EQ(textAt(s1, 512), "TIMES.TTF");
    EXPECT_EQ(at<int32_t>(s1, 1024), 0);
    EXPECT_EQ(at<double>(s1, 1032), 0.0);
    EXPECT_EQ(at<double>(s1, 1040), 1.0);
    EXPECT_EQ(at<double>(s1, 1048), 0.3);
    EXPECT_EQ(at<double>(s1, 1056), 0.0);
    const auto &vs = out.calls[15].record;
    EXPECT_EQ(textAt(vs, 0), "VStyle");
    EXPECT_EQ(textAt(vs, 512), "TIMES.TTF");
    EXPECT_EQ(at<int32_t>(vs, 1024), 4);
    EXPECT_EQ(at<double>(vs, 1048), 15.0);
    EXPECT_EQ(at<double>(vs, 1056), 90.0);

    const auto &dim = out.calls[18].record;
    ASSERT_EQ(dim.size(), 2128u);
    EXPECT_EQ(textAt(dim, 0), "DIM1");
    EXPECT_EQ(at<int32_t>(dim, 516), 2);
    EXPECT_EQ(at<int32_t>(dim, 520), 0);
    EXPECT_EQ(at<int32_t>(dim, 524), 0);
    EXPECT_EQ(at<int32_t>(dim, 528), 2);
    EXPECT_EQ(at<double>(dim, 536), 0.18);
    EXPECT_EQ(at<double>(dim, 544), 0.0625);
    EXPECT_EQ(textAt(dim, 552), "ClosedFilled");
    EXPECT_EQ(textAt(dim, 1064), "ClosedFilled");
    EXPECT_EQ(at<double>(dim, 1576), 4.0);
    EXPECT_EQ(textAt(dim, 1584), "Style1");
    EXPECT_EQ(at<int32_t>(dim, 2100), 3);
    EXPECT_EQ(at<double>(dim, 2104), 15.0);
    EXPECT_EQ(at<int32_t>(dim, 2112), 1);
    EXPECT_EQ(at<double>(dim, 2120), 0.09);
}

TEST(LayoutGeneratorContent, LayersStylesAndEntityOrder)
{
    LayoutInputs in = verticalSample();
    in.nozzles = {nozzleRow("N1", "80", "筒节段", "一轴内300", "500", "100"),
                  nozzleRow("N2", "50", "下封头", "圆心处", "0", "50")};
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    ASSERT_EQ(result.status, ExportResult::Status::Written);
    EXPECT_TRUE(prompter.entries.isEmpty());
    EXPECT_EQ(result.files.kind, QStringLiteral("1"));
    ASSERT_EQ(result.files.entries.size(), 1);
    EXPECT_EQ(result.files.entries[0].fileName, QStringLiteral("项目-储罐-排版图.dxf"));
    EXPECT_EQ(result.files.entries[0].directory, QStringLiteral("/tmp/"));
    EXPECT_EQ(out.calls.front().texts[0], "/tmp/项目-储罐-排版图.dxf"); // native (UTF-8) path

    std::vector<std::string> layers;
    for (const auto &c : out.ofKind("setCurrentLayer"))
        layers.push_back(c.texts[0]);
    EXPECT_EQ(layers, (std::vector<std::string>{"Layer1", "Layer2", "Layer3", "0", "Layer3"}));

    // Outline and head views come before any layer is set.
    const long firstLayer = [&] {
        for (size_t i = 0; i < out.calls.size(); ++i)
            if (out.calls[i].op == "setCurrentLayer")
                return static_cast<long>(i);
        return -1L;
    }();
    EXPECT_EQ(out.calls[22].op, "line");
    EXPECT_EQ(out.calls[22].numbers, (std::vector<double>{5, 5, 5, 805}));
    size_t before = 0, circles = 0;
    for (long i = 0; i < firstLayer; ++i) {
        before += out.calls[static_cast<size_t>(i)].op == "line";
        circles += out.calls[static_cast<size_t>(i)].op == "circle";
    }
    EXPECT_EQ(before, 7u + 4u);   // outline + two centre lines per view
    EXPECT_EQ(circles, 2u);

    // Each heat number is written in VStyle, then Style1 again.
    for (const char *heat : {"H1", "H2"}) {
        const long i = out.indexOfText(heat);
        ASSERT_GT(i, 0);
        EXPECT_EQ(out.calls[static_cast<size_t>(i) - 1].op, "setCurrentTextStyle");
        EXPECT_EQ(out.calls[static_cast<size_t>(i) - 1].texts[0], "VStyle");
        EXPECT_EQ(out.calls[static_cast<size_t>(i) + 1].texts[0], "Style1");
    }
    EXPECT_EQ(out.count("setCurrentTextStyle"), 6u);
    EXPECT_EQ(out.ofKind("setCurrentDimStyle").at(0).texts[0], "DIM1");

    // 3 course dimensions + total + N1's arc and elevation dimensions.
    const auto dims = out.ofKind("dimLinear");
    ASSERT_EQ(dims.size(), 6u);
    EXPECT_EQ(dims[3].texts[0], "4000");
    EXPECT_EQ(dims[4].texts[0], "314");
    EXPECT_EQ(dims[5].texts[0], "500");
    EXPECT_EQ(out.count("circle"), 2u + 2u);

    // Every number handed to the library is finite.
    for (const auto &c : out.calls)
        for (double v : c.numbers)
            EXPECT_TRUE(std::isfinite(v)) << c.op;

    EXPECT_EQ(out.calls[out.calls.size() - 2].op, "sectionEnd");
    EXPECT_EQ(out.calls.back().op, "closeFile");
}

TEST(LayoutGeneratorContent, NotesAndTitleBlockVertical)
{
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    LayoutGenerator::generate(verticalSample(), company("某某压力容器公司"), prompter, out);
    auto expectTextAt = [&](const std::string &text, double x, double y, double h = 15) {
        const long i = out.indexOfText(text);
        ASSERT_GE(i, 0) << text;
        // Position and height; a value too wide for its cell carries a
        // width factor besides (LongTitleBlockTextsAreNarrowedToTheirCells).
        const std::vector<double> &n = out.calls[static_cast<size_t>(i)].numbers;
        EXPECT_EQ(std::vector<double>(n.begin(), n.begin() + std::min<size_t>(3, n.size())),
                  (std::vector<double>{x, y, h}))
            << text;
    };
    expectTextAt(gbk("说明"), 765, -220);
    expectTextAt(gbk("本排版图以DWG-7中俯"), 705, -245);
    expectTextAt(gbk("视图上侧为0°，逆时针展开，"), 705, -275);
    expectTextAt(gbk("开孔方位和尺寸与该图保持一"), 705, -305);
    expectTextAt(gbk("致，标记移植见图示。RT探伤"), 705, -335);
    expectTextAt(gbk("20%，III合格，试压(立置)"), 705, -365);
    expectTextAt(gbk("1.25MPa。"), 705, -395);
    expectTextAt(gbk("某某压力容器公司"), -195, 1580); // 16 bytes: first 20 on the upper row
    expectTextAt(gbk("容器主体"), 25, 1580);
    expectTextAt(gbk("排 版 图"), 25, 1545);
    expectTextAt(gbk("工程名称"), 125, 1580);
    expectTextAt(gbk("产品名称"), 125, 1545);
    expectTextAt(gbk("项目"), 225, 1580);
    expectTextAt(gbk("储罐"), 225, 1545);
    expectTextAt(gbk("图    号"), 405, 1580);
    expectTextAt(gbk("产品编号"), 405, 1545);
    expectTextAt("DWG-7", 505, 1580);
    expectTextAt("CP-01", 505, 1545);
    expectTextAt(gbk("材质"), 585, 1580);
    expectTextAt(gbk("规格"), 585, 1545);
    expectTextAt(gbk("16MnR"), 635, 1580);
    expectTextAt(gbk("φ1200*4000*10"), 635, 1545, 13);
    expectTextAt(gbk("编制"), 755, 1580);
    expectTextAt(gbk("审核"), 755, 1545);
    expectTextAt("2024-03-01", 915, 1575, 13);
    expectTextAt("2024-03-02", 915, 1545, 13);

    std::vector<double> separators;
    for (const auto &c : out.ofKind("line"))
        if (c.numbers[1] == 1535 && c.numbers[3] == 1605)
            separators.push_back(c.numbers[0]);
    EXPECT_EQ(separators, (std::vector<double>{25, 115, 215, 405, 495, 585, 635, 755, 795, 875, 915}));
}

TEST(LayoutGeneratorContent, NotesAndTitleBlockHorizontal)
{
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    LayoutGenerator::generate(horizontalSample(), company("公司"), prompter, out);
    auto expectTextAt = [&](const std::string &text, double x, double y, double h = 15) {
        const long i = out.indexOfText(text);
        ASSERT_GE(i, 0) << text;
        // Position and height; a value too wide for its cell carries a
        // width factor besides (LongTitleBlockTextsAreNarrowedToTheirCells).
        const std::vector<double> &n = out.calls[static_cast<size_t>(i)].numbers;
        EXPECT_EQ(std::vector<double>(n.begin(), n.begin() + std::min<size_t>(3, n.size())),
                  (std::vector<double>{x, y, h}))
            << text;
    };
    expectTextAt(gbk("说明"), 1165, 155);
    expectTextAt(gbk("本排版图以DWG-7中俯"), 1105, 125);
    expectTextAt(gbk("20%，III合格，试压(卧置)"), 1105, 5);
    expectTextAt(gbk("1.25MPa。"), 1105, -25);
    expectTextAt(gbk("公司"), -595, 980);
    expectTextAt(gbk("容器主体"), -375, 980);
    expectTextAt(gbk("φ1200*4000*10"), 335, 945, 13);
    expectTextAt(gbk("日期"), 605, 980);
    expectTextAt("2024-03-01", 665, 975, 13);
    expectTextAt("2024-03-02", 665, 945, 13);
    bool middle = false;
    for (const auto &c : out.ofKind("line"))
        middle |= c.numbers == std::vector<double>{-285, 970, 1405, 970};
    EXPECT_TRUE(middle);
}

// A text in the title block wider than its cell is narrowed to end at the
// cell's right edge: the next separator, or the frame. A CAD program draws
// the capitals of Times New Roman (about 0.65 of its em) as tall as the text
// height; Chinese and "φ" are an em wide, capitals 0.75 em, digits, "-",
// "*", "/" and blanks half an em at most.
TEST(LayoutGeneratorContent, LongTitleBlockTextsAreNarrowedToTheirCells)
{
    const double em15 = 15 / 0.65, em13 = 13 / 0.65;
    LayoutInputs in = verticalSample();
    in.productNumber = "CP-2026-031";             // 2 capitals + 9 = 6 em in 505..585
    in.projectName = gbk("石油化工储运站");         // 7 em = 161.5 in 225..405: fits
    in.vesselName = gbk("某某石油化工储运工程项目二期"); // 14 em in 225..405
    in.specification = gbk("φ2000*100000*16");    // 1 + 14 / 2 = 8 em in 635..755
    in.reviewDate = "2024-03-02 / 2024-03-09";     // 23 / 2 em in 915..1005 (frame)
    in.drawingNumber = "D-7";                      // 1.75 em: fits
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    ASSERT_EQ(LayoutGenerator::generate(in, company("公司"), prompter, out).status, ExportResult::Status::Written);
    auto numbersOf = [&](const std::string &text) {
        const long i = out.indexOfText(text);
        return i < 0 ? std::vector<double>{} : out.calls[static_cast<size_t>(i)].numbers;
    };
    auto expectNarrowed = [&](const std::string &text, double x, double y, double h, double factor) {
        const std::vector<double> n = numbersOf(text);
        ASSERT_EQ(n.size(), 4u) << text;
        EXPECT_EQ(n[0], x);
        EXPECT_EQ(n[1], y);
        EXPECT_EQ(n[2], h);
        EXPECT_NEAR(n[3], factor, 1e-12) << text;
    };
    expectNarrowed("CP-2026-031", 505, 1545, 15, 80.0 / (6 * em15));
    expectNarrowed(gbk("某某石油化工储运工程项目二期"), 225, 1545, 15, 180.0 / (14 * em15));
    expectNarrowed(gbk("φ2000*100000*16"), 635, 1545, 13, 120.0 / (8 * em13));
    expectNarrowed("2024-03-02 / 2024-03-09", 915, 1545, 13, 90.0 / (11.5 * em13));
    // A date is 5 em at 13: 98 in a cell of 90.
    expectNarrowed("2024-03-01", 915, 1575, 13, 90.0 / (5 * em13));
    // So are the form's own labels where the cell is narrow: "编制" is 2 em
    // in 755..795, "容器主体" 4 em in 25..115.
    expectNarrowed(gbk("编制"), 755, 1580, 15, 40.0 / (2 * em15));
    expectNarrowed(gbk("容器主体"), 25, 1580, 15, 90.0 / (4 * em15));
    // Texts that fit keep their full width: "材质" is 2 em in 585..635.
    EXPECT_EQ(numbersOf(gbk("石油化工储运站")), (std::vector<double>{225, 1580, 15}));
    EXPECT_EQ(numbersOf("D-7"), (std::vector<double>{505, 1580, 15}));
    EXPECT_EQ(numbersOf(gbk("材质")), (std::vector<double>{585, 1580, 15}));

    // Horizontal vessel: the product number's cell is 205..285.
    in.vesselType = VesselType::Horizontal;
    RecordingDxfOutput h;
    LayoutGenerator::generate(in, company("公司"), prompter, h);
    const long i = h.indexOfText("CP-2026-031");
    ASSERT_GE(i, 0);
    const std::vector<double> n = h.calls[static_cast<size_t>(i)].numbers;
    ASSERT_EQ(n.size(), 4u);
    EXPECT_EQ(n[0], 205);
    EXPECT_NEAR(n[3], 80.0 / (6 * em15), 1e-12);
}

TEST(LayoutGeneratorCompanyName, TenBytesOnOneLineTwentyFourSplit)
{
    EXPECT_EQ(LayoutGenerator::splitCompanyName(gbk("五个汉字啊")), std::make_pair(gbk("五个汉字啊"), std::string()));
    const std::string twelve = gbk("某某市压力容器制造有限公司"); // 13 characters, 26 bytes
    const auto [upper, lower] = LayoutGenerator::splitCompanyName(gbk("某某压力容器制造有限公司")); // 24 bytes
    EXPECT_EQ(upper, gbk("某某压力容器制造有限"));
    EXPECT_EQ(lower, gbk("公司"));
    // 11 bytes: split rule applies, everything fits the upper row.
    EXPECT_EQ(LayoutGenerator::splitCompanyName("ABCDEFGHIJK"), std::make_pair(std::string("ABCDEFGHIJK"), std::string()));
    // A cut inside a double-byte character moves left instead of splitting it.
    const auto mixed = LayoutGenerator::splitCompanyName("A" + twelve);
    EXPECT_EQ(mixed.first.size(), 19u);
    EXPECT_EQ(mixed.first + mixed.second, "A" + twelve);
    EXPECT_EQ(mixed.second, gbk("有限公司"));

    RecordingDxfOutput out;
    RecordingPrompter prompter;
    LayoutGenerator::generate(verticalSample(), company("某某压力容器制造有限公司"), prompter, out);
    ASSERT_GE(out.indexOfText(gbk("某某压力容器制造有限")), 0);
    EXPECT_EQ(out.calls[static_cast<size_t>(out.indexOfText(gbk("公司")))].numbers,
              (std::vector<double>{-195, 1545, 15}));

    RecordingDxfOutput ten;
    LayoutGenerator::generate(verticalSample(), company("五个汉字啊"), prompter, ten);
    const size_t texts = ten.count("text");
    RecordingDxfOutput eleven;
    LayoutGenerator::generate(verticalSample(), {"ABCDEFGHIJK", ""}, prompter, eleven);
    EXPECT_EQ(eleven.count("text"), texts + 1); // the (empty) lower row is written too
}

TEST(LayoutGeneratorReport, AnyFailedCallGivesOneErrorAfterTheWholeSequence)
{
    RecordingDxfOutput reference;
    RecordingPrompter prompter;
    LayoutGenerator::generate(verticalSample(), company("公司"), prompter, reference);

    RecordingDxfOutput out;
    out.failAt = {30};
    prompter.clear();
    prompter.expectMessage(QStringLiteral("DXF文件生成错误！\n可能原因:无法加载CadIO.dll文件;\n排版图文件已打开"));
    const auto result = LayoutGenerator::generate(verticalSample(), company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Failed);
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_EQ(out.calls.size(), reference.calls.size()); // never aborted midway
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Error);
    EXPECT_EQ(prompter.entries[0].text,
              QStringLiteral("DXF文件生成错误！\n可能原因:无法加载CadIO.dll文件;\n排版图文件已打开"));
}

TEST(LayoutGeneratorReport, MissingLibraryFailsEveryCallAndReportsOnce)
{
    QTemporaryDir dir;
    LayoutInputs in = verticalSample();
    in.projectDirectory = QFile::encodeName(dir.path() + "/").toStdString();
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("DXF文件生成错误！\n可能原因:无法加载CadIO.dll文件;\n排版图文件已打开"));
    const auto result =
        LayoutGenerator::generate(in, company("公司"), prompter, QString(), dir.filePath("nowhere/CadIO"));
    EXPECT_EQ(result.status, ExportResult::Status::Failed);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(LayoutGeneratorReport, StandInNozzlesAreReportedOnceByMark)
{
    LayoutInputs in = verticalSample();
    in.nozzles = {nozzleRow("N1", "80", "筒节段", "一轴内300", "500", "100"),
                  nozzleRow("N2", "80", "左封头", "一轴内300", "500", "100"),
                  nozzleRow("N3", "80", "筒节段", "二轴内5000", "500", "100")};
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("以下接管无法按其位置、方位和标高准确定位，已画在封头视图中心、筒体展开图0°处"
                                          "或方位距离所限的位置，请核对接管信息：\nN2、N3"));
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, out);
    EXPECT_EQ(result.status, ExportResult::Status::Written);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));

}

TEST(LayoutGeneratorReport, WritesARealFileThroughCadIO)
{
    QTemporaryDir dir;
    LayoutInputs in = horizontalSample();
    in.projectDirectory = QFile::encodeName(dir.path() + "/").toStdString();
    RecordingPrompter prompter;
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, QString(),
                                                  qEnvironmentVariable("ZELVAN_BIN_DIR") + "/CadIO");
    ASSERT_EQ(result.status, ExportResult::Status::Written) << prompter.texts().join("|").toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("项目-储罐-排版图.dxf")});
    QFile f(result.files.entries[0].path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1015\r\n"));
    EXPECT_TRUE(bytes.contains("$DWGCODEPAGE\r\n  3\r\nANSI_936\r\n"));
    EXPECT_TRUE(bytes.contains(QByteArray::fromStdString(gbk("排 版 图"))));
    EXPECT_TRUE(bytes.endsWith("  0\r\nEOF\r\n"));
}

TEST(LayoutGeneratorReport, NoHeadDiameterDrawsNoHeadCirclesAndSucceeds)
{
    // The library refuses a radius of 0; without a head diameter the head
    // views keep their centre lines and labels and the run succeeds.
    LayoutInputs in = verticalSample();
    in.firstHeadInnerDiameter.clear();
    in.nozzles = {nozzleRow("N1", "80", "上封头", "一轴内300", "200", "100"),
                  nozzleRow("N2", "80", "筒节段", "一轴内300", "200", "")};
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    EXPECT_EQ(LayoutGenerator::generate(in, company("公司"), prompter, out).status,
              ExportResult::Status::Written);
    EXPECT_TRUE(prompter.entries.isEmpty());
    const auto circles = out.ofKind("circle");
    ASSERT_EQ(circles.size(), 1u); // N1's hole only
    for (const auto &c : circles)
        EXPECT_GT(c.numbers[2], 0);
    EXPECT_NE(out.indexOfText(gbk("270°")), -1);

    QTemporaryDir dir;
    in.projectDirectory = QFile::encodeName(dir.path() + "/").toStdString();
    const auto result = LayoutGenerator::generate(in, company("公司"), prompter, QString(),
                                                  qEnvironmentVariable("ZELVAN_BIN_DIR") + "/CadIO");
    EXPECT_EQ(result.status, ExportResult::Status::Written) << prompter.texts().join("|").toStdString();
    EXPECT_TRUE(prompter.entries.isEmpty());
}

TEST(LayoutGeneratorReport, OutDirectoryReplacesTheProjectDirectory)
{
    RecordingDxfOutput out;
    RecordingPrompter prompter;
    const auto result = LayoutGenerator::generate(verticalSample(), company("公司"), prompter, out, "/srv/out");
    EXPECT_EQ(result.files.entries.at(0).directory, QStringLiteral("/srv/out/"));
    EXPECT_EQ(out.calls.front().texts[0], "/srv/out/项目-储罐-排版图.dxf");
}
