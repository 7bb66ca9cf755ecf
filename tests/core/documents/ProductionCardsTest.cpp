// The cards after the head card in the full product process file: nozzle
// flanges, reinforcing rings, accessories, assembly and the pressure test.
#include "ProcessFixture.h"
#include "support/RecordingPrompter.h"

#include "core/documents/AccessoryCard.h"
#include "core/documents/AssemblyCard.h"
#include "core/documents/NozzleFlangeCard.h"
#include "core/documents/PressureTestCard.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/documents/ReinforcementRingCard.h"
#include "core/word/WordDocument.h"
#include "core/word/WordError.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace zelvan;
using namespace zelvan::test;

namespace {

const QStringList kStepHeader{"序号", "名称", "工序内容、要求", "负责工位", "检查", "检查人"};
const QStringList kClosing{"编制人：", "审核人："};

std::vector<std::string> nozzle(const char *number, const char *form, const char *dn, const char *pipe, const char *od,
                                const char *thickness, const char *length, const char *ring = "", const char *note = "")
{
    return {gbk(number), gbk("接管"), gbk(form),  dn,        gbk("筒节段"), gbk("一轴内300"), "1000",
            "D1",        gbk(pipe),   od,         thickness, length,        gbk(ring),        gbk(note)};
}

std::vector<std::string> part(const char *number, const char *name, const char *requirements)
{
    std::vector<std::string> row(13);
    row[0] = gbk(number);
    row[1] = gbk(name);
    row[4] = "Q235B";
    row[12] = gbk(requirements);
    return row;
}

struct Cards : ::testing::Test {
    ProcessProgramDirectory program;
    ProjectRecord record = processProject(QStringLiteral("/tmp/"));
    CompanyInfo company = CompanyInfo::initial();
    RecordingPrompter prompter;
    std::unique_ptr<WordDocument> document = WordDocument::start();

    Cards()
    {
        record.setProcess(ProcessField::MinorWeldNdtMethod, "UT");
        record.setProcess(ProcessField::MinorWeldNdtRatio, "20%");
    }
    ProcessFileInputs inputs() { return ProcessFileInputs(record, company, program.path(), {}, prompter); }
    const WordDocumentModel &model() const { return document->model(); }
    std::vector<const WordTable *> tables() const { return bodyTables(model()); }
    QString picture(const char *name) const { return program.path() + QStringLiteral("pics/") + QString::fromUtf8(name); }

    void writeNozzleAndRingCards()
    {
        const ProcessFileInputs in = inputs();
        NozzleFlangeCard::write(*document, in);
        ReinforcementRingCard::write(*document, in);
    }
    // The texts of the paragraphs outside tables, in order.
    QStringList bodyParagraphs() const
    {
        QStringList texts;
        for (const WordBlock &block : model().body.blocks)
            if (const auto *p = std::get_if<WordParagraph>(&block); p && p->length() > 0)
                texts.append(p->text());
        return texts;
    }
};

void expectSimpleHeader(const WordTable &header)
{
    ASSERT_EQ(header.rows.size(), 1u);
    EXPECT_EQ(cellTexts(header.rows[0]), (QStringList{"容器名称", "储罐", "产品编号", "CP-2026-07"}));
    EXPECT_FALSE(header.fitToContent);
}

} // namespace

// ---- Nozzle-flange and reinforcement-ring cards ----

TEST_F(Cards, ThreeNozzlesOnlyTheSecondReinforced)
{
    record.table(TableId::Nozzles)
        .assignRows({nozzle("N1", "法兰", "150", "20#", "159", "4.5", "200"),
                     nozzle("N2", "法兰", "100", "20#", "108", "4", "200", "RF-100", "补强圈"),
                     nozzle("N3", "外螺纹", "50", "20#", "57", "3.5", "150")});
    writeNozzleAndRingCards();
    EXPECT_TRUE(prompter.entries.isEmpty());
    EXPECT_EQ(bodyParagraphs(), (QStringList{"容器生产过程卡(接管法兰预制)", "容器生产过程卡(补强圈预制)"}));
    EXPECT_EQ(std::get<WordParagraph>(model().body.blocks[0]).alignment, WordAlignment::Centre);
    const auto found = tables();
    ASSERT_EQ(found.size(), 4u);
    expectSimpleHeader(*found[0]);
    expectSimpleHeader(*found[2]);

    const WordTable &flanges = *found[1];
    EXPECT_TRUE(flanges.fitToContent);
    ASSERT_EQ(flanges.rows.size(), 12u); // header, 5 steps, picture, list header, 3 nozzles, closing
    EXPECT_EQ(cellTexts(flanges.rows[0]), kStepHeader);
    EXPECT_EQ(cellTexts(flanges.rows[1]),
              (QStringList{"1", "检验", "检查外协加工的各锻件法兰，及其配套的螺栓，并按要求做好标记。", "铆", "自检", ""}));
    EXPECT_EQ(cellTexts(flanges.rows[2]),
              (QStringList{"2", "接管与法兰组对",
                           "1.法兰应检验合格，并具有完整的标记及材质证书，同时注意法兰的凹凸面。\n"
                           "2.接管与法兰装配点焊，法兰面应保证与接管的轴线垂直度≤法兰外径/100，并≯3mm。",
                           "铆、焊", "自检", ""}));
    EXPECT_EQ(cellTexts(flanges.rows[3]), (QStringList{"3", "焊接", "焊接采用平放转焊，并执行焊接工艺，打焊工钢印。", "焊", "自检", ""}));
    // The C and D welds' testing ratio and method.
    EXPECT_EQ(cellTexts(flanges.rows[4]), (QStringList{"4", "探伤", "所有焊缝做20%UT探伤，包括锻件外接接管。", "检", "专检", ""}));
    EXPECT_EQ(cellTexts(flanges.rows[5]), (QStringList{"5", "检验", "检验合格后，待装配。", "检", "专检", ""}));
    EXPECT_EQ(cellSpans(flanges.rows[6]), std::vector<int>{6});
    EXPECT_EQ(cellPicture(model(), flanges.rows[6].cells[0]), picture("接管法兰预制.JPG"));
    EXPECT_EQ(cellTexts(flanges.rows[7]), (QStringList{"法兰大小", "接管规格", "孔号", "数量", "管口形式"}));
    EXPECT_EQ(flanges.rows[7].gridWidth(), 6);
    EXPECT_EQ(cellTexts(flanges.rows[8]), (QStringList{"DN150", "20#φ159×4.5/200", "N1", "1", "法兰"}));
    EXPECT_EQ(cellTexts(flanges.rows[9]), (QStringList{"DN100", "20#φ108×4/200", "N2", "1", "法兰"}));
    EXPECT_EQ(cellTexts(flanges.rows[10]), (QStringList{"DN50", "20#φ57×3.5/150", "N3", "1", "外螺纹"}));
    EXPECT_EQ(flanges.rows[10].gridWidth(), 6);
    EXPECT_EQ(cellTexts(flanges.rows[11]), kClosing);

    const WordTable &rings = *found[3];
    EXPECT_TRUE(rings.fitToContent);
    ASSERT_EQ(rings.rows.size(), 13u); // header, 7 steps, picture, list header, 1 ring, test row, closing
    EXPECT_EQ(cellTexts(rings.rows[0]), kStepHeader);
    EXPECT_EQ(cellTexts(rings.rows[1]),
              (QStringList{"1", "领料", "材料必须有质量证明书，标记齐全清楚，并经检验合格方可使用。", "检", "专检", ""}));
    EXPECT_EQ(cellTexts(rings.rows[3]), (QStringList{"3", "卷板", "在卷板机上进行滚弧，与筒体组合间隙0~1mm。", "铆、机", "自检", ""}));
    EXPECT_EQ(cellTexts(rings.rows[4]),
              (QStringList{"4", "切割，开坡口", "1.气焊切割，清除熔渣后去氧化皮。\n2.用气割开坡口，坡口形式见焊接工艺。", "气", "自检", ""}));
    EXPECT_EQ(cellTexts(rings.rows[5]),
              (QStringList{"5", "开信号孔", "根据图纸要求，距边缘15mm处钻孔，并套M12-10G信号孔。注：信号孔放置在壳体最低位置处。", "铆",
                           "自检", ""}));
    EXPECT_EQ(cellTexts(rings.rows[6]),
              (QStringList{"6", "标记移植", "按《材料标记移植规定》进行标记移植，并经检验人员确认。", "铆", "专检", ""}));
    EXPECT_EQ(cellTexts(rings.rows[7]),
              (QStringList{"7", "检验", "对外形尺寸、弧度、信号孔螺纹的质量进行全面检查，经检验合格后待装配。", "检", "专检", ""}));
    EXPECT_EQ(cellPicture(model(), rings.rows[8].cells[0]), picture("补强圈预制.JPG"));
    EXPECT_EQ(cellTexts(rings.rows[9]), (QStringList{"规格", "孔号", "数量", "说明"}));
    EXPECT_EQ(rings.rows[9].gridWidth(), 6);
    // Only the second nozzle has a ring.
    EXPECT_EQ(cellTexts(rings.rows[10]), (QStringList{"RF-100", "N2", "1", "补强圈"}));
    EXPECT_EQ(cellTexts(rings.rows[11]), QStringList{"组装焊接完成后进行气密性试验。"});
    EXPECT_EQ(cellSpans(rings.rows[11]), std::vector<int>{6});
    EXPECT_EQ(rings.rows[11].cells[0].paragraphs[0].alignment, WordAlignment::Left);
    EXPECT_EQ(cellTexts(rings.rows[12]), kClosing);
}

TEST_F(Cards, WithoutNozzlesBothListsHoldOneEmptyRow)
{
    writeNozzleAndRingCards();
    const auto found = tables();
    ASSERT_EQ(found.size(), 4u);
    const WordTable &flanges = *found[1];
    ASSERT_EQ(flanges.rows.size(), 10u);
    EXPECT_EQ(cellTexts(flanges.rows[7]), (QStringList{"法兰大小", "接管规格", "孔号", "数量", "管口形式"}));
    EXPECT_EQ(cellTexts(flanges.rows[8]), QStringList(5, QString()));
    EXPECT_EQ(cellTexts(flanges.rows[9]), kClosing);
    const WordTable &rings = *found[3];
    ASSERT_EQ(rings.rows.size(), 13u);
    EXPECT_EQ(cellTexts(rings.rows[10]), QStringList(4, QString()));
    EXPECT_EQ(cellTexts(rings.rows[11]), QStringList{"组装焊接完成后进行气密性试验。"});
}

TEST_F(Cards, NozzlesWithoutRingsGiveNoRingRow)
{
    record.table(TableId::Nozzles).assignRows({nozzle("N1", "法兰", "150", "20#", "159", "4.5", "200")});
    writeNozzleAndRingCards();
    const WordTable &rings = *tables()[3];
    ASSERT_EQ(rings.rows.size(), 12u);
    EXPECT_EQ(cellTexts(rings.rows[9]), (QStringList{"规格", "孔号", "数量", "说明"}));
    EXPECT_EQ(cellTexts(rings.rows[10]), QStringList{"组装焊接完成后进行气密性试验。"});
}

TEST_F(Cards, AMissingFlangePictureFailsTheCard)
{
    program.remove(QStringLiteral("pics/接管法兰预制.JPG"));
    EXPECT_THROW(NozzleFlangeCard::write(*document, inputs()), WordError);
}

// ---- Accessory card ----

TEST_F(Cards, EveryPartIsAStepUnderItsOwnNumber)
{
    record.table(TableId::Parts)
        .assignRows({part("7", "铭牌座", "焊后打磨平整"), part("3", "支座", "按JB/T4712.1-2007制作\r\n与筒体贴合")});
    AccessoryCard::write(*document, inputs());
    EXPECT_EQ(bodyParagraphs(), QStringList{"容器生产过程卡(附件预制)"});
    const auto found = tables();
    ASSERT_EQ(found.size(), 2u);
    expectSimpleHeader(*found[0]);
    const WordTable &steps = *found[1];
    // Widths fitted to the parts, then fixed.
    EXPECT_TRUE(steps.fitToContent);
    EXPECT_TRUE(steps.widthsFixed);
    ASSERT_EQ(steps.rows.size(), 4u);
    EXPECT_EQ(cellTexts(steps.rows[0]), kStepHeader);
    EXPECT_EQ(cellTexts(steps.rows[1]), (QStringList{"7", "铭牌座", "焊后打磨平整", "铆、焊、气、检", "自检、专检", ""}));
    EXPECT_EQ(cellTexts(steps.rows[2]),
              (QStringList{"3", "支座", "按JB/T4712.1-2007制作\r\n与筒体贴合", "铆、焊、气、检", "自检、专检", ""}));
    EXPECT_EQ(cellTexts(steps.rows[3]), kClosing);
    // One line down and two empty paragraphs close the card.
    const auto &blocks = model().body.blocks;
    ASSERT_EQ(blocks.size(), 6u);
    for (size_t i = 3; i < 6; ++i)
        EXPECT_EQ(std::get<WordParagraph>(blocks[i]).length(), 0);
}

TEST_F(Cards, WithoutPartsTheAccessoryCardHoldsOneEmptyRow)
{
    AccessoryCard::write(*document, inputs());
    const WordTable &steps = *tables()[1];
    ASSERT_EQ(steps.rows.size(), 3u);
    EXPECT_EQ(cellTexts(steps.rows[1]), QStringList(6, QString()));
    EXPECT_EQ(cellSpans(steps.rows[1]), std::vector<int>(6, 1));
    EXPECT_EQ(cellTexts(steps.rows[2]), kClosing);
}

// ---- Assembly card ----

TEST_F(Cards, TheAssemblyNumberingJumpsFromSevenToTwelveAcrossThePicture)
{
    AssemblyCard::write(*document, inputs());
    EXPECT_EQ(bodyParagraphs(), QStringList{"容器生产过程卡(总装)"});
    const auto found = tables();
    ASSERT_EQ(found.size(), 3u);
    expectSimpleHeader(*found[0]);
    const WordTable &first = *found[1];
    EXPECT_TRUE(first.fitToContent);
    ASSERT_EQ(first.rows.size(), 9u); // header, 7 steps, picture
    EXPECT_EQ(cellTexts(first.rows[0]), kStepHeader);
    EXPECT_EQ(cellTexts(first.rows[2]),
              (QStringList{"2", "划线", "1.依照排版图，在壳体上分别号出0°，90°，180°，270°四条轴线，打粉线，两端打样冲。", "铆", "自检", ""}));
    EXPECT_EQ(cellTexts(first.rows[4]), (QStringList{"4", "检查", "1.质检员到场检查所有开孔位置及大小是否正确。", "检", "停检", ""}));
    EXPECT_EQ(cellTexts(first.rows[6]),
              (QStringList{"6", "组焊外部接管法兰及人孔",
                           "1.依施工图纸，按图示的接管伸出长度组对接管、补强圈，接管伸出长度误差±5mm。\n"
                           "2.接管与筒体轴线的平行度和垂直度≤接管长度/100≤5mm。\n3.法兰的螺栓应与壳体的主轴线跨中布置。\n"
                           "4.点焊，执行焊接工艺卡。",
                           "铆、焊", "自检、专检", ""}));
    EXPECT_EQ(cellTexts(first.rows[7]).mid(0, 2), (QStringList{"7", "焊接"}));
    EXPECT_EQ(cellSpans(first.rows[8]), std::vector<int>{6});
    EXPECT_EQ(cellPicture(model(), first.rows[8].cells[0]), picture("总装.JPG"));

    // The second table follows directly, without a header row, from step 12;
    // without heat treatment it ends with step 18.
    const auto &blocks = model().body.blocks;
    ASSERT_GE(blocks.size(), 5u);
    EXPECT_TRUE(std::holds_alternative<WordTable>(blocks[2]));
    EXPECT_TRUE(std::holds_alternative<WordTable>(blocks[3]));
    const WordTable &second = *found[2];
    EXPECT_TRUE(second.fitToContent);
    ASSERT_EQ(second.rows.size(), 8u);
    EXPECT_EQ(cellTexts(second.rows[0]),
              (QStringList{"12", "组对筒体封头B",
                           "1.依据排版图标记0°，90°，180°，270°，对接筒体右封头。\n2.环缝对口错边量要求筒体工序9。\n"
                           "3.将环缝错边量均匀分布在圆周上，对口间隙见焊接工艺。",
                           "铆", "自检", ""}));
    EXPECT_EQ(cellTexts(second.rows[1]).mid(3, 2), (QStringList{"铆、焊、气", "自检，专检"}));
    EXPECT_EQ(cellTexts(second.rows[3]),
              (QStringList{"15", "检验探伤",
                           "1.焊缝外观良好，无夹渣、气孔、裂纹等缺陷，咬边深度≤0.5mm，连续长度≯100mm。\n"
                           "2.对筒体进行20%射线探伤,III级合格，探伤及返修合格后转入下道工序。",
                           "检、探", "自检、专检", ""}));
    EXPECT_EQ(cellTexts(second.rows[6]),
              (QStringList{"18", "封人孔", "1.所有内件组装完毕，检验人员检查。\n2.合格后班组按要求封人孔。", "检、铆", "专检", ""}));
    EXPECT_EQ(cellTexts(second.rows[7]), kClosing);
}

TEST_F(Cards, HeatTreatmentIsStepNineteen)
{
    record.setProcess(ProcessField::HeatTreatment, gbk("整体消除应力热处理，620±20℃"));
    record.setProcess(ProcessField::MainWeldNdtRatio, "100%");
    AssemblyCard::write(*document, inputs());
    const WordTable &second = *tables()[2];
    ASSERT_EQ(second.rows.size(), 9u);
    EXPECT_EQ(cellTexts(second.rows[3]).at(2),
              QStringLiteral("1.焊缝外观良好，无夹渣、气孔、裂纹、咬边等缺陷。\n"
                             "2.对筒体进行100%射线探伤,III级合格，探伤及返修合格后转入下道工序。"));
    EXPECT_EQ(cellTexts(second.rows[7]), (QStringList{"19", "热处理", "整体消除应力热处理，620±20℃", "检、铆", "自检", ""}));
    EXPECT_EQ(cellTexts(second.rows[8]), kClosing);
}

TEST_F(Cards, AMissingAssemblyPictureFailsTheCard)
{
    program.remove(QStringLiteral("pics/总装.JPG"));
    EXPECT_THROW(AssemblyCard::write(*document, inputs()), WordError);
}

// ---- Pressure-test, painting and storage card ----

struct GaugeCase {
    const char *testPressure;
    const char *gauge;
    bool usable;
};

class GaugeRange : public ::testing::TestWithParam<GaugeCase> {};

TEST_P(GaugeRange, FollowsTheTestPressure)
{
    const GaugeCase c = GetParam();
    EXPECT_EQ(PressureTestCard::gaugeRange(c.testPressure), QString::fromUtf8(c.gauge));
    EXPECT_EQ(PressureTestCard::isUsableTestPressure(c.testPressure), c.usable);
}

INSTANTIATE_TEST_SUITE_P(
    TestPressures, GaugeRange,
    ::testing::Values(
        // From 1 MPa: three times the whole-number part.
        GaugeCase{"1.25", "3", true}, GaugeCase{"2", "6", true}, GaugeCase{"2.0", "6", true}, GaugeCase{"1", "3", true},
        GaugeCase{"12.5", "36", true},
        // Below 1 MPa: three times the pressure, two decimals at most.
        GaugeCase{"0.8", "2.4", true}, GaugeCase{".8", "2.4", true}, GaugeCase{"0.5", "1.5", true}, GaugeCase{"0.25", "0.75", true},
        GaugeCase{"0.999", "3", true}, GaugeCase{"0.33", "0.99", true},
        // Nothing a gauge can be chosen for.
        GaugeCase{"", "0", false}, GaugeCase{"abc", "0", false}, GaugeCase{"0", "0", false}, GaugeCase{"0.00", "0", false},
        GaugeCase{"-1.5", "0", false},
        // A number with more than the number is printed as stored: refused.
        GaugeCase{"2MPa", "6", false}, GaugeCase{" 2", "6", false}, GaugeCase{"1.6.1", "3", false}));

TEST_F(Cards, ThePressureTestCardStatesTheStoredPressureAndTheGauges)
{
    record.setProcess(ProcessField::TestPressure, "0.8");
    PressureTestCard::write(*document, inputs());
    EXPECT_EQ(bodyParagraphs(), QStringList{"容器生产过程卡(试压、油漆、入库)"});
    const auto found = tables();
    ASSERT_EQ(found.size(), 2u);
    expectSimpleHeader(*found[0]);
    const WordTable &steps = *found[1];
    EXPECT_TRUE(steps.fitToContent);
    ASSERT_EQ(steps.rows.size(), 8u);
    EXPECT_EQ(cellTexts(steps.rows[0]), kStepHeader);
    EXPECT_EQ(cellTexts(steps.rows[1]).mid(0, 2), (QStringList{"1", "水压试验"}));
    EXPECT_EQ(cellTexts(steps.rows[1]).mid(3), (QStringList{"试", "自检", ""}));
    const auto &test = steps.rows[1].cells[2].paragraphs;
    ASSERT_EQ(test.size(), 9u);
    EXPECT_EQ(test[0].text(), QStringLiteral("按停检查七的规定，停检人员和技术人员应到现场并预先通知监检人员参加，试验压力为0.8MPa。"));
    EXPECT_EQ(test[1].text(), QStringLiteral("1.水压试验前，各连接部位的紧固螺栓必须装配齐全、妥当。"));
    EXPECT_EQ(test[2].text(),
              QStringLiteral("2.必须选用两个量程为0~2.4MPa，精度不低于1.5级，校验合格，在有效期内，表盘直径＞100mm，并且必须加以铅封。"));
    EXPECT_EQ(test[5].text(), QStringLiteral("5.试验用水必须洁净，温度不得低于5℃，用温度计测量。"));
    EXPECT_EQ(test[8].text(), QStringLiteral("8.以无渗漏，无异常变形，无异常响声为合格。"));
    EXPECT_EQ(cellTexts(steps.rows[3]),
              (QStringList{"3", "刷漆",
                           "1.刷漆按JB/T4711-2003《压力容器涂敷与运输包装》规定执行，容器经质检部门对各项制造质量检验合格后方可进行油漆，"
                           "容器壳体的外表面涂红丹除锈漆2遍。",
                           "试、检", "自检、专检", ""}));
    EXPECT_EQ(cellTexts(steps.rows[5]), (QStringList{"5", "整理资料", "整理资料，做竣工图。", "技、资", "自检", ""}));
    EXPECT_EQ(cellTexts(steps.rows[6]), (QStringList{"6", "产品入库", "总检填写入库单，产品入库。", "检", "自检", ""}));
    EXPECT_EQ(cellTexts(steps.rows[7]), kClosing);
}

// ---- The record's capacity ----

TEST_F(Cards, EightyNozzlesAndEightyPartsFillTheirListsQuickly)
{
    std::vector<std::vector<std::string>> nozzles;
    std::vector<std::vector<std::string>> parts;
    for (int i = 1; i <= 80; ++i) {
        const std::string n = std::to_string(i);
        nozzles.push_back(nozzle(("N" + n).c_str(), "法兰", "80", "20#", "89", "4", "200", i % 2 ? "" : "RF-80", "补强圈"));
        parts.push_back(part(n.c_str(), "筋板", "两面焊满，焊脚高度不小于6mm，焊后清除焊渣与飞溅。"));
    }
    ASSERT_TRUE(record.table(TableId::Nozzles).assignRows(nozzles));
    ASSERT_TRUE(record.table(TableId::Parts).assignRows(parts));

    QElapsedTimer timer;
    timer.start();
    const ProcessFileInputs in = inputs();
    NozzleFlangeCard::write(*document, in);
    ReinforcementRingCard::write(*document, in);
    AccessoryCard::write(*document, in);
    const QByteArray package = document->packageBytes();
    const qint64 elapsed = timer.elapsed();
    EXPECT_LT(elapsed, 1000) << "writing and packaging took " << elapsed << " ms";
    EXPECT_GT(package.size(), 0);

    const auto found = tables();
    ASSERT_EQ(found.size(), 6u);
    ASSERT_EQ(found[1]->rows.size(), 1u + 5 + 1 + 1 + 80 + 1);
    EXPECT_EQ(cellTexts(found[1]->rows[8]).at(2), QStringLiteral("N1"));
    EXPECT_EQ(cellTexts(found[1]->rows[87]).at(2), QStringLiteral("N80"));
    ASSERT_EQ(found[3]->rows.size(), 1u + 7 + 1 + 1 + 40 + 1 + 1);
    EXPECT_EQ(cellTexts(found[3]->rows[10]).at(1), QStringLiteral("N2"));
    ASSERT_EQ(found[5]->rows.size(), 1u + 80 + 1);
    EXPECT_EQ(cellTexts(found[5]->rows[80]).at(0), QStringLiteral("80"));
}
