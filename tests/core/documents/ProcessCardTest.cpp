#include "ProcessFixture.h"
#include "support/RecordingPrompter.h"

#include "core/documents/HeadProcessCard.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/documents/ShellProcessCard.h"
#include "core/word/WordDocument.h"
#include "core/word/WordError.h"
#include "core/drawing/ProcessSketches.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::ProcessProgramDirectory;
using zelvan::test::RecordingPrompter;

namespace {

std::vector<const WordTable *> tables(const WordDocument &document)
{
    std::vector<const WordTable *> found;
    for (const WordBlock &block : document.model().body.blocks)
        if (const auto *t = std::get_if<WordTable>(&block))
            found.push_back(t);
    return found;
}

QStringList rowTexts(const WordRow &row)
{
    QStringList texts;
    for (const WordCell &cell : row.cells)
        texts.append(cell.text());
    return texts;
}

std::vector<int> spans(const WordRow &row)
{
    std::vector<int> s;
    for (const WordCell &cell : row.cells)
        s.push_back(cell.span);
    return s;
}

bool keptWithNext(const WordRow &row)
{
    for (const WordCell &cell : row.cells)
        for (const WordParagraph &p : cell.paragraphs)
            if (!p.keepWithNext)
                return false;
    return true;
}

bool holdsPicture(const WordCell &cell)
{
    for (const WordParagraph &p : cell.paragraphs)
        for (const WordRun &run : p.runs)
            if (run.isPicture())
                return true;
    return false;
}

struct CardFixture : ::testing::Test {
    ProcessProgramDirectory program;
    ProjectRecord record = test::processProject(QStringLiteral("/tmp/"));
    CompanyInfo company = CompanyInfo::initial();
    RecordingPrompter prompter;
    std::unique_ptr<WordDocument> document = WordDocument::start();

    ProcessFileInputs inputs() { return ProcessFileInputs(record, company, program.path(), {}, prompter); }
};

} // namespace

// Head tolerances: one row per boundary of the shop's diameter ranges.
struct DiameterCase {
    int di;
    const char *first;
    const char *second;
};

class HeadDiameterLines : public ::testing::TestWithParam<DiameterCase> {};

TEST_P(HeadDiameterLines, FollowTheRange)
{
    const DiameterCase c = GetParam();
    const QStringList lines = HeadProcessCard::diameterLines(c.di);
    if (!c.first) {
        EXPECT_TRUE(lines.isEmpty());
        const QStringList list = HeadProcessCard::inspectionList(c.di);
        EXPECT_EQ(list.size(), 8);
        EXPECT_EQ(list.at(2), QString()); // one empty paragraph in place of both
        return;
    }
    EXPECT_EQ(lines, (QStringList{QString::fromUtf8(c.first), QString::fromUtf8(c.second)}));
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, HeadDiameterLines,
    ::testing::Values(DiameterCase{0, "3.直径： ±2\t最大直径与最小直径之差： ≤2", "表面凹凸度≤2\t曲面高度： ±4"},
                      DiameterCase{799, "3.直径： ±2\t最大直径与最小直径之差： ≤2", "表面凹凸度≤2\t曲面高度： ±4"},
                      DiameterCase{800, "3.直径： ±3\t最大直径与最小直径之差： ≤4", "表面凹凸度≤3\t曲面高度： ±6"},
                      DiameterCase{1200, "3.直径： ±3\t最大直径与最小直径之差： ≤4", "表面凹凸度≤3\t曲面高度： ±6"},
                      DiameterCase{1250, nullptr, nullptr},
                      DiameterCase{1300, "3.直径： ±4\t最大直径与最小直径之差： ≤6", "表面凹凸度≤4\t曲面高度： ±8"},
                      DiameterCase{1650, nullptr, nullptr},
                      DiameterCase{2400, "3.直径： ±5\t最大直径与最小直径之差： ≤8", "表面凹凸度≤4\t曲面高度： ±12"},
                      DiameterCase{2500, nullptr, nullptr},
                      DiameterCase{2600, "3.直径： ±6\t最大直径与最小直径之差： ≤9", "表面凹凸度≤4\t曲面高度： ±16"},
                      DiameterCase{3100, nullptr, nullptr},
                      DiameterCase{4000, "3.直径： ±6\t最大直径与最小直径之差： ≤10", "表面凹凸度≤4\t曲面高度： ±20"},
                      DiameterCase{4001, nullptr, nullptr}));

TEST(HeadInspection, TheShapeGapIsOnePercentOfTheDiameterWithTwoDecimals)
{
    const QStringList list = HeadProcessCard::inspectionList(1000);
    ASSERT_EQ(list.size(), 9);
    EXPECT_EQ(list.at(0), QStringLiteral("1.封头材质证书、合格证、标记齐全正确。"));
    EXPECT_EQ(list.at(4), QStringLiteral("-3≤直边高度误差≤5"));
    EXPECT_EQ(list.at(7), QStringLiteral("4.内表面的形状偏差，最大间隙≤Di*1%，即10.00mm。"));
    EXPECT_EQ(HeadProcessCard::inspectionList(5).at(7), QStringLiteral("4.内表面的形状偏差，最大间隙≤Di*1%，即0.05mm。"));
    EXPECT_EQ(HeadProcessCard::inspectionList(1650).at(6), QStringLiteral("4.内表面的形状偏差，最大间隙≤Di*1%，即16.50mm。"));
}

TEST(ShellTolerances, MisalignmentByThicknessAndCircumferenceByDiameter)
{
    EXPECT_EQ(ShellProcessCard::misalignmentLine(12), QStringLiteral("A类： ≤0.25δ\tB类： ≤0.25δ"));
    EXPECT_EQ(ShellProcessCard::misalignmentLine(13), QStringLiteral("A类： ≤3\tB类： ≤0.25δ"));
    EXPECT_EQ(ShellProcessCard::misalignmentLine(20), QStringLiteral("A类： ≤3\tB类： ≤0.25δ"));
    EXPECT_EQ(ShellProcessCard::misalignmentLine(40), QStringLiteral("A类： ≤3\tB类： ≤5"));
    EXPECT_EQ(ShellProcessCard::misalignmentLine(50), QStringLiteral("A类： ≤3\tB类： ≤0.125δ"));
    EXPECT_EQ(ShellProcessCard::misalignmentLine(51), QStringLiteral("A类： ≤0.0625δ 且 ≯10\tB类： ≤0.125δ，且≯20"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(799), QStringLiteral("外圆周长允差：±5。"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(1200), QStringLiteral("外圆周长允差：±7。"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(1600), QStringLiteral("外圆周长允差：±9。"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(1700), QStringLiteral("外圆周长允差：±11。"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(3000), QStringLiteral("外圆周长允差：±13。"));
    EXPECT_EQ(ShellProcessCard::circumferenceLine(3200), QStringLiteral("外圆周长允差：±15。"));
    for (int di : {1250, 1650, 2500, 3100, 4001})
        EXPECT_EQ(ShellProcessCard::circumferenceLine(di), QStringLiteral("外圆周长允差：错误。")) << di;
}

TEST(WeldAppearance, UndercutIsAllowedUnlessEveryWeldIsTested)
{
    EXPECT_EQ(ProcessFileInputs::weldAppearanceLine("100%"), QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹、咬边等缺陷。"));
    EXPECT_EQ(ProcessFileInputs::weldAppearanceLine("50%"),
              QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹等缺陷，咬边深度≤0.5mm，连续长度≯100mm。"));
}

TEST_F(CardFixture, TheHeadCardIsAHeaderWithSketchFiveStepsAndTheClosingRow)
{
    record.setField(Field::FirstHeadMaterial, "16MnR");
    HeadProcessCard::write(*document, inputs());
    EXPECT_TRUE(prompter.entries.isEmpty());
    const auto &blocks = document->model().body.blocks;
    EXPECT_EQ(std::get<WordParagraph>(blocks[0]).text(), QStringLiteral("容器生产过程卡(封头)"));
    EXPECT_EQ(std::get<WordParagraph>(blocks[0]).alignment, WordAlignment::Centre);
    const auto found = tables(*document);
    ASSERT_EQ(found.size(), 2u);
    // No paragraph mark between the header table and the steps.
    EXPECT_TRUE(std::holds_alternative<WordTable>(blocks[2]));
    const WordTable &header = *found[0];
    ASSERT_EQ(header.rows.size(), 4u);
    EXPECT_EQ(rowTexts(header.rows[0]), (QStringList{"容器名称", "储罐", "产品编号", "CP-2026-07"}));
    EXPECT_EQ(rowTexts(header.rows[1]), (QStringList{"材    质", "16MnR", "规    格", "φ1000/10"}));
    EXPECT_EQ(rowTexts(header.rows[2]), QStringList{"简图如下"});
    EXPECT_EQ(header.rows[2].cells[0].span, 4);
    EXPECT_EQ(header.rows[2].cells[0].paragraphs[0].alignment, WordAlignment::Centre);
    EXPECT_EQ(header.rows[3].cells[0].span, 4);
    EXPECT_TRUE(holdsPicture(header.rows[3].cells[0]));
    EXPECT_EQ(document->model().pictures.at(0).sourcePath, program.path() + QStringLiteral("封头图/椭圆封头图.JPG"));

    const WordTable &steps = *found[1];
    EXPECT_TRUE(steps.fitToContent);
    ASSERT_EQ(steps.rows.size(), 7u);
    EXPECT_EQ(rowTexts(steps.rows[0]), (QStringList{"序号", "名称", "工序内容及要求", "负责工位", "检查", "检验员"}));
    EXPECT_EQ(rowTexts(steps.rows[1]).mid(0, 2), (QStringList{"1", "检验"}));
    EXPECT_EQ(steps.rows[1].cells[2].paragraphs.size(), 9u);
    EXPECT_EQ(rowTexts(steps.rows[3]),
              (QStringList{"3", "切割", "1.利用封头切割支架及半自动切割装置切割直边。\n2.依排版图，焊接工艺卡要求切割封头A、B的坡口，具体要求见焊接工艺。",
                           "气", "自检", ""}));
    EXPECT_EQ(rowTexts(steps.rows[5]), (QStringList{"5", "检查", "依序号1、3号标准进行验收，合格后转入下道工序。", "检", "专检", ""}));
    EXPECT_EQ(rowTexts(steps.rows[6]), (QStringList{"编制人：", "审核人："}));
    EXPECT_EQ(spans(steps.rows[6]), (std::vector<int>{3, 3}));

    // A card starts on one page: its title, the whole header with the
    // sketch, then the heading row of the steps (repeated on every page)
    // with the first step.
    EXPECT_TRUE(std::get<WordParagraph>(blocks[0]).keepWithNext);
    for (const WordRow &row : header.rows)
        EXPECT_TRUE(keptWithNext(row));
    EXPECT_EQ(steps.headingRows(), 1);
    EXPECT_TRUE(keptWithNext(steps.rows[0]));
    for (size_t r = 1; r < steps.rows.size(); ++r) {
        EXPECT_FALSE(keptWithNext(steps.rows[r])) << r;
        EXPECT_FALSE(steps.rows[r].allowBreakAcrossPages) << r;
    }
    // One line down and two empty paragraphs close the card.
    ASSERT_EQ(blocks.size(), 6u);
    for (size_t i = 3; i < 6; ++i)
        EXPECT_EQ(std::get<WordParagraph>(blocks[i]).length(), 0);
}

TEST_F(CardFixture, AnUnknownHeadTypeUsesTheEllipsePictureAndSaysSo)
{
    record.setField(Field::FirstHeadType, gbk("碟形封头"));
    prompter.expectMessage(QStringLiteral("由于没有选择封头类型，所以使用默认的椭圆封头图！"));
    HeadProcessCard::write(*document, inputs());
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("由于没有选择封头类型，所以使用默认的椭圆封头图！"));
    EXPECT_EQ(document->model().pictures.at(0).sourcePath, program.path() + QStringLiteral("封头图/椭圆封头图.JPG"));
    bool known = true;
    EXPECT_EQ(HeadProcessCard::picturePath("/p/", gbk("平盖"), known), QStringLiteral("/p/封头图/平盖封头图.JPG"));
    EXPECT_TRUE(known);
    EXPECT_EQ(HeadProcessCard::picturePath("/p/", gbk("法兰"), known), QStringLiteral("/p/封头图/法兰封头图.JPG"));
    EXPECT_EQ(HeadProcessCard::picturePath("/p/", gbk("锥形封头"), known), QStringLiteral("/p/封头图/锥形封头图.JPG"));
}

TEST_F(CardFixture, AMissingHeadPictureFailsTheCall)
{
    program.remove(QStringLiteral("封头图/椭圆封头图.JPG"));
    EXPECT_THROW(HeadProcessCard::write(*document, inputs()), WordError);
}

TEST_F(CardFixture, TheShellCardDrawsItsSketchesAndShowsThemAroundSeventeenSteps)
{
    record.setProcess(ProcessField::MainWeldNdtRatio, "100%");
    record.setProcess(ProcessField::WallThickness, "12");
    ShellProcessCard::write(*document, inputs());
    EXPECT_TRUE(prompter.entries.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(program.path() + QStringLiteral("pics/筒体图.BMP")));
    EXPECT_TRUE(QFileInfo::exists(program.path() + QStringLiteral("pics/组对简图.BMP")));
    const auto &model = document->model();
    ASSERT_EQ(model.pictures.size(), 2u);
    EXPECT_EQ(model.pictures[0].contentType, QStringLiteral("image/bmp"));
    EXPECT_EQ(model.pictures[0].pixelSize, QSize(565, 230));

    const auto &blocks = model.body.blocks;
    // One paragraph mark between the header table and the steps.
    EXPECT_TRUE(std::holds_alternative<WordParagraph>(blocks[2]));
    const auto found = tables(*document);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(rowTexts(found[0]->rows[1]), (QStringList{"材    质", "16MnR", "规    格", "φ1000/12"}));
    const WordTable &steps = *found[1];
    ASSERT_EQ(steps.rows.size(), 20u); // header, 17 steps, sketch, closing
    // Without heat treatment the first step only gains its empty paragraph.
    EXPECT_EQ(steps.rows[1].cells[2].text(),
              QStringLiteral("1.材料必须有材质证书，钢号及规格应清楚。\n2.如有代用，代用单明确。\n"
                             "3.有标记及材料自编号并经原材料复验合格后，检验人员确定，方可使用。\n"));
    EXPECT_TRUE(steps.rows[9].cells[2].text().contains(QStringLiteral("对口错边量要求：\nA类： ≤0.25δ\tB类： ≤0.25δ\n对口间隙")));
    EXPECT_EQ(steps.rows[11].cells[2].text(),
              QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹、咬边等缺陷。\n"
                             "2.对产品试板进行射线探伤,III级合格执行JB/T4730-2005。在试板切下前，请监检人员检查或拍鉴证片。\n"
                             "3.委托试件加工及理化实验，合格后执行下道工序。"));
    EXPECT_TRUE(steps.rows[13].cells[2].text().contains(QStringLiteral("外圆周长允差：±7。")));
    EXPECT_EQ(rowTexts(steps.rows[17]),
              (QStringList{"17", "检验探伤",
                           "1.焊缝外观良好，无夹渣、气孔、裂纹、咬边等缺陷。\n2.对筒体进行100%射线探伤,III级合格，探伤及返修合格后转入下道工序。",
                           "检、探", "自检、专检", ""}));
    EXPECT_EQ(spans(steps.rows[18]), std::vector<int>{6});
    EXPECT_EQ(steps.rows[18].cells[0].paragraphs[0].text(), QStringLiteral("组对简图"));
    EXPECT_EQ(steps.rows[18].cells[0].paragraphs[0].alignment, WordAlignment::Centre);
    EXPECT_TRUE(holdsPicture(steps.rows[18].cells[0]));
    EXPECT_EQ(rowTexts(steps.rows[19]), (QStringList{"编制人：", "审核人："}));
    EXPECT_EQ(steps.rows[19].cells[0].paragraphs[0].alignment, WordAlignment::Left);
}

TEST_F(CardFixture, HeatTreatmentJoinsTheShellInspection)
{
    record.setProcess(ProcessField::HeatTreatment, gbk("整体热处理"));
    ShellProcessCard::write(*document, inputs());
    const WordTable &steps = *tables(*document)[1];
    EXPECT_TRUE(steps.rows[1].cells[2].text().endsWith(QStringLiteral("方可使用。\n热处理要求：整体热处理\n")));
}

TEST_F(CardFixture, WithoutPicsFolderTheSketchesAreReportedAndTheCardFails)
{
    QDir(program.path() + QStringLiteral("pics")).removeRecursively();
    prompter.expectMessages({QStringLiteral("筒体图创建失败！可能原因：pics文件夹不存在"), QStringLiteral("组对简图创建失败！可能原因：pics文件夹不存在")});
    EXPECT_THROW(ShellProcessCard::write(*document, inputs()), WordError);
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("筒体图创建失败！可能原因：pics文件夹不存在"),
                                             QStringLiteral("组对简图创建失败！可能原因：pics文件夹不存在")}));
}
