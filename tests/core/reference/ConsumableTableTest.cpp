// The consumable table through its lookups: the shop's documented cases, the
// whole same-steel tree grade by grade, and all 120 pairs of steel groups.
#include "core/reference/ConsumableTable.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <set>

using namespace zelvan;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

ConsumableRow row(const char *first, const char *second) { return {u(first), u(second)}; }

// Every node text of a tree, in tree order, with its parent's text.
void collect(const std::vector<ReferenceNode> &nodes, const QString &parent,
             std::vector<std::pair<QString, QString>> &out)
{
    for (const ReferenceNode &node : nodes) {
        out.emplace_back(node.text, parent);
        collect(node.children, node.text, out);
    }
}

std::vector<std::pair<QString, QString>> allNodes(const std::vector<ReferenceNode> &tree)
{
    std::vector<std::pair<QString, QString>> out;
    collect(tree, QString(), out);
    return out;
}

QStringList texts(const std::vector<ReferenceNode> &nodes)
{
    QStringList list;
    for (const ReferenceNode &node : nodes)
        list.append(node.text);
    return list;
}

} // namespace

// ---- same-steel tree and lookup ----

TEST(SameSteelTree, ClassesAndGradeCountsInOrder)
{
    const auto &tree = ConsumableTable::sameSteelTree();
    EXPECT_EQ(texts(tree), (QStringList{"Fe-1", "Fe-3", "Fe-4", "Fe-5", "Fe-6", "Fe-7", "Fe-8", "Fe-9"}));
    const std::vector<size_t> counts{24, 9, 7, 5, 1, 2, 9, 1};
    ASSERT_EQ(tree.size(), counts.size());
    for (size_t i = 0; i < tree.size(); ++i) {
        EXPECT_EQ(tree[i].children.size(), counts[i]) << tree[i].text.toStdString();
        for (const ReferenceNode &grade : tree[i].children)
            EXPECT_TRUE(grade.children.empty());
    }
}

TEST(SameSteelTree, GradeOrderOfFirstAndLastClasses)
{
    const auto &tree = ConsumableTable::sameSteelTree();
    EXPECT_EQ(texts(tree[0].children),
              (QStringList{u("10(管)"), u("20(管)"), "Q235-B", "Q235-C", "20G", "20g", "20R", u("20(锻)"), "09MnD",
                           "09MnNiD", "09MnNiDR", "16Mn", "16MnR", "16MnD", "16MnDR", "15MnNiDR", "15MnNbR",
                           "12MnNiVR", "20MnMo", "20MnMoD", "15MnVR", "08MnNiCrMoVD", "07MnCrMoVR", "07MnNiMoVDR"}));
    EXPECT_EQ(texts(tree[6].children),
              (QStringList{"0Cr18Ni9", "00Cr19Ni10", "0Cr17Ni12Mo2", "00Cr17Ni14Mo2", "1Cr18Ni9Ti", "0Cr18Ni10Ti",
                           "0Cr18Ni12Mo2Ti", "0Cr19Ni13Mo3", "00Cr19Ni13Mo3"}));
    // Grades standing under two classes.
    EXPECT_TRUE(texts(tree[1].children).contains("20MnMo"));
    EXPECT_TRUE(texts(tree[1].children).contains("20MnMoD"));
    EXPECT_EQ(texts(tree[4].children), QStringList{"0Cr13"});
    EXPECT_EQ(texts(tree[5].children), (QStringList{"0Cr13", "0Cr13Al"}));
}

TEST(SameSteelLookup, SixteenMnRHasThreeFiveAndOneRowsAndCo2)
{
    const auto rec = ConsumableTable::sameSteelRecommendation("16MnR");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->manualArc, (QList<ConsumableRow>{row("E5016", "J506"), row("E5015", "J507"), row("E5003", "J502")}));
    EXPECT_EQ(rec->submergedArc,
              (QList<ConsumableRow>{row("F5A0-H10Mn2", "HJ431-H10Mn2"), row("F5A0-H10MnSi", "HJ350-H10Mn2"),
                                    row("F5A2-H10Mn2", "HJ431-H10MnSi"), row("", "HJ350-H10MnSi"),
                                    row("", "SJ101-H10Mn2")}));
    EXPECT_EQ(rec->co2Wire, "ER49-1");
    EXPECT_EQ(rec->argonArc, (QList<ConsumableRow>{row("H10MnSi", "GB/T14957")}));
    EXPECT_TRUE(rec->remark.isEmpty());
}

TEST(SameSteelLookup, ClassNodesAndUnknownTextsNameNoGrade)
{
    for (const char *text : {"Fe-1", "Fe-3", "Fe-4", "Fe-5", "Fe-6", "Fe-7", "Fe-8", "Fe-9", "", "16mnr", "16MnR "})
        EXPECT_FALSE(ConsumableTable::sameSteelRecommendation(u(text))) << text;
}

TEST(SameSteelLookup, GradesWithoutConsumablesGiveTheExplicitEmptyRecommendation)
{
    for (const char *grade : {"12MnNiVR", "15MnVR", "10MoWVNb", "12SiMoVNb", "0Cr13Al"}) {
        const auto rec = ConsumableTable::sameSteelRecommendation(u(grade));
        ASSERT_TRUE(rec) << grade;
        EXPECT_TRUE(rec->isEmpty()) << grade;
    }
}

TEST(SameSteelLookup, StainlessWiresUseTheLetterOAndTheStandardWithoutBlank)
{
    const auto rec = ConsumableTable::sameSteelRecommendation("0Cr18Ni9");
    ASSERT_TRUE(rec);
    ASSERT_EQ(rec->argonArc.size(), 1);
    EXPECT_EQ(rec->argonArc[0].first, "HOCr21Ni10");
    EXPECT_EQ(rec->argonArc[0].first.at(1), QChar(u'O'));
    EXPECT_EQ(rec->argonArc[0].second, "YB/T5091");
    EXPECT_EQ(ConsumableTable::sameSteelRecommendation("00Cr19Ni10")->argonArc[0].first, "HOOCr21Ni10");
    EXPECT_EQ(ConsumableTable::sameSteelRecommendation("0Cr18Ni12Mo2Ti")->argonArc[0].first, "HOOCr19Ni12Mo2");
    EXPECT_EQ(ConsumableTable::sameSteelRecommendation("0Cr19Ni13Mo3")->argonArc[0].first, "HOCr20Ni14Mo3");
}

TEST(SameSteelLookup, RowsWithAnEmptyCellKeepIt)
{
    const auto steel20 = ConsumableTable::sameSteelRecommendation("20R");
    EXPECT_EQ(steel20->argonArc, (QList<ConsumableRow>{row("H08A", "GB/T14957"), row("H08MnA", "")}));
    const auto lowCarbon = ConsumableTable::sameSteelRecommendation("00Cr19Ni13Mo3");
    EXPECT_EQ(lowCarbon->manualArc, (QList<ConsumableRow>{row("E317L-16", "")}));
    const auto mnMo = ConsumableTable::sameSteelRecommendation("20MnMo");
    EXPECT_EQ(mnMo->argonArc,
              (QList<ConsumableRow>{row("H10MnSi", "GB/T14957"), row("H10Mn2", ""), row("H08MnMoA", "")}));
}

// Row counts (manual, submerged, argon), first electrode and CO2 wire of every
// distinct grade text of the tree, counted by hand from the shop's table.
struct GradeExpectation {
    const char *grade;
    int manual;
    int submerged;
    int argon;
    const char *firstElectrode;
    const char *co2;
};

class SameSteelSweep : public ::testing::TestWithParam<GradeExpectation> {};

TEST_P(SameSteelSweep, GradeResolves)
{
    const GradeExpectation &e = GetParam();
    const auto rec = ConsumableTable::sameSteelRecommendation(u(e.grade));
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->manualArc.size(), e.manual);
    EXPECT_EQ(rec->submergedArc.size(), e.submerged);
    EXPECT_EQ(rec->argonArc.size(), e.argon);
    EXPECT_EQ(rec->manualArc.isEmpty() ? QString() : rec->manualArc[0].first, u(e.firstElectrode));
    EXPECT_EQ(rec->co2Wire, u(e.co2));
    EXPECT_TRUE(rec->remark.isEmpty());
    for (const ConsumableRow &r : rec->argonArc)
        EXPECT_NE(r.second, "YB/T 5091");
}

const GradeExpectation kGrades[] = {
    {"10(管)", 2, 2, 2, "E4303", ""},       {"20(管)", 2, 2, 2, "E4303", ""},
    {"Q235-B", 2, 2, 2, "E4316", ""},       {"Q235-C", 2, 2, 2, "E4316", ""},
    {"20G", 2, 2, 2, "E4316", ""},          {"20g", 2, 2, 2, "E4316", ""},
    {"20R", 2, 2, 2, "E4316", ""},          {"20(锻)", 2, 2, 2, "E4316", ""},
    {"09MnD", 1, 0, 0, "E5015-G", ""},      {"15MnNiDR", 1, 0, 0, "E5015-G", ""},
    {"09MnNiD", 1, 0, 0, "E5515-C1", ""},   {"09MnNiDR", 1, 0, 0, "E5515-C1", ""},
    {"16Mn", 3, 5, 1, "E5016", "ER49-1"},   {"16MnR", 3, 5, 1, "E5016", "ER49-1"},
    {"16MnD", 2, 0, 0, "E5016-G", ""},      {"16MnDR", 2, 0, 0, "E5016-G", ""},
    {"15MnNbR", 2, 0, 0, "E5516-G", ""},    {"20MnMo", 2, 2, 3, "E5015", ""},
    {"20MnMoD", 3, 0, 0, "E5016-G", ""},    {"08MnNiCrMoVD", 1, 0, 0, "E6015-G", ""},
    {"07MnCrMoVR", 1, 0, 0, "E6015-G", ""}, {"07MnNiMoVDR", 1, 0, 0, "E6015-G", ""},
    {"10Ni3MoVD", 1, 0, 0, "E6015-G", ""},  {"12CrMo", 1, 2, 1, "E5515-B1", "ER55-B2"},
    {"12CrMoG", 1, 2, 1, "E5515-B1", "ER55-B2"},
    {"13MnNiMoNbR", 2, 6, 1, "E6016-D1", ""}, {"18MnMoNbR", 2, 6, 1, "E6016-D1", ""},
    {"20MnMoNb", 2, 6, 1, "E6016-D1", ""},  {"15CrMoR", 1, 2, 1, "E5515-B2", "ER55-B2"},
    {"15CrMo", 1, 2, 1, "E5515-B2", "ER55-B2"}, {"15CrMoG", 1, 2, 1, "E5515-B2", "ER55-B2"},
    {"14Cr1Mo", 1, 0, 0, "E5515-B2", ""},   {"14Cr1MoR", 1, 0, 0, "E5515-B2", ""},
    {"12Cr1MoV", 1, 1, 1, "E5515-B2-V", "ER55-B2-MnV"}, {"12Cr1MoVG", 1, 1, 1, "E5515-B2-V", "ER55-B2-MnV"},
    {"12Cr2Mo1", 1, 0, 0, "E6015-B3", ""},  {"12Cr2Mo", 1, 0, 0, "E6015-B3", ""},
    {"12Cr2Mo1R", 1, 0, 0, "E6015-B3", ""}, {"12Cr2MoG", 1, 0, 0, "E6015-B3", ""},
    {"1Cr5Mo", 1, 0, 0, "E5MoV-15", ""},    {"0Cr13", 2, 0, 0, "E410-16", ""},
    {"0Cr18Ni9", 2, 2, 1, "E308-16", ""},   {"00Cr19Ni10", 1, 2, 1, "E308L-16", ""},
    {"0Cr17Ni12Mo2", 2, 2, 1, "E316-16", ""}, {"00Cr17Ni14Mo2", 1, 0, 0, "E316L-16", ""},
    {"1Cr18Ni9Ti", 2, 2, 1, "E347-16", ""}, {"0Cr18Ni10Ti", 2, 2, 1, "E347-16", ""},
    {"0Cr18Ni12Mo2Ti", 2, 2, 1, "E316L-16", ""}, {"0Cr19Ni13Mo3", 1, 2, 1, "E317-16", ""},
    {"00Cr19Ni13Mo3", 1, 0, 0, "E317L-16", ""}, {"12MnNiVR", 0, 0, 0, "", ""},
    {"15MnVR", 0, 0, 0, "", ""},            {"10MoWVNb", 0, 0, 0, "", ""},
    {"12SiMoVNb", 0, 0, 0, "", ""},         {"0Cr13Al", 0, 0, 0, "", ""},
};

INSTANTIATE_TEST_SUITE_P(EveryGrade, SameSteelSweep, ::testing::ValuesIn(kGrades));

TEST(SameSteelSweep, TheExpectationsCoverEveryGradeOfTheTree)
{
    std::set<QString> expected;
    for (const GradeExpectation &e : kGrades)
        expected.insert(u(e.grade));
    std::set<QString> inTree;
    for (const ReferenceNode &steelClass : ConsumableTable::sameSteelTree()) {
        EXPECT_FALSE(ConsumableTable::sameSteelRecommendation(steelClass.text)) << steelClass.text.toStdString();
        for (const ReferenceNode &grade : steelClass.children) {
            inTree.insert(grade.text);
            EXPECT_TRUE(ConsumableTable::sameSteelRecommendation(grade.text)) << grade.text.toStdString();
        }
    }
    EXPECT_EQ(inTree.size(), 55u);
    EXPECT_EQ(inTree, expected);
}

// ---- dissimilar tree, groups and pairs ----

TEST(DissimilarTree, ThreeLevelsForClassesWithGroups)
{
    const auto &tree = ConsumableTable::dissimilarTree();
    EXPECT_EQ(texts(tree), (QStringList{"Fe-1", "Fe-3", "Fe-4", "Fe-5", "Fe-6", "Fe-7", "Fe-8", "Fe-9"}));
    EXPECT_EQ(texts(tree[0].children), (QStringList{"Fe-1-1", "Fe-1-2", "Fe-1-3", "Fe-1-4"}));
    EXPECT_EQ(texts(tree[0].children[0].children),
              (QStringList{"20R", "20", "10", "15", u("B级"), u("A级"), "Q235-B", "Q235-C", "20g", "20G", "20MnG"}));
    EXPECT_EQ(texts(tree[1].children), (QStringList{"Fe-3-1", "Fe-3-2", "Fe-3-3"}));
    EXPECT_EQ(texts(tree[2].children), (QStringList{"Fe-4-1", "Fe-4-2"}));
    EXPECT_EQ(texts(tree[3].children), (QStringList{"Fe-5-1", "Fe-5-2"}));
    EXPECT_EQ(texts(tree[4].children), QStringList{"0Cr13"});
    EXPECT_EQ(texts(tree[5].children), (QStringList{"0Cr13", "0Cr13Al"}));
    EXPECT_EQ(tree[6].children.size(), 9u);
    EXPECT_EQ(texts(tree[7].children), QStringList{"10Ni3MoVD"});
    EXPECT_EQ(allNodes(tree).size(), 8u + 11u + 59u);
}

TEST(DissimilarGroups, FifteenGroupsInTreeOrder)
{
    EXPECT_EQ(ConsumableTable::groupNames(),
              (QStringList{"Fe-1-1", "Fe-1-2", "Fe-1-3", "Fe-1-4", "Fe-3-1", "Fe-3-2", "Fe-3-3", "Fe-4-1", "Fe-4-2",
                           "Fe-5-1", "Fe-5-2", "Fe-6", "Fe-7", "Fe-8", "Fe-9"}));
}

TEST(DissimilarGroups, ResolutionOfGroupGradeAndClassNodes)
{
    EXPECT_EQ(ConsumableTable::groupOf("Fe-1-2", "Fe-1"), QString("Fe-1-2"));
    EXPECT_EQ(ConsumableTable::groupOf("16MnR", "Fe-1-2"), QString("Fe-1-2"));
    EXPECT_EQ(ConsumableTable::groupOf("Fe-8", ""), QString("Fe-8"));
    EXPECT_EQ(ConsumableTable::groupOf("0Cr13", "Fe-6"), QString("Fe-6"));
    EXPECT_EQ(ConsumableTable::groupOf("0Cr13", "Fe-7"), QString("Fe-7"));
    for (const char *cls : {"Fe-1", "Fe-3", "Fe-4", "Fe-5"})
        EXPECT_FALSE(ConsumableTable::groupOf(cls, "")) << cls;
    EXPECT_FALSE(ConsumableTable::groupOf("", ""));
}

TEST(DissimilarGroups, EveryNodeOfTheTreeResolvesAsItsPlaceSays)
{
    int withGroup = 0;
    for (const auto &[text, parent] : allNodes(ConsumableTable::dissimilarTree())) {
        const auto group = ConsumableTable::groupOf(text, parent);
        if (parent.isEmpty() && QStringList{"Fe-1", "Fe-3", "Fe-4", "Fe-5"}.contains(text)) {
            EXPECT_FALSE(group) << text.toStdString();
            continue;
        }
        ASSERT_TRUE(group) << text.toStdString();
        EXPECT_EQ(*group, ConsumableTable::isGroupName(text) ? text : parent);
        ++withGroup;
    }
    EXPECT_EQ(withGroup, 15 + 59);
}

namespace {

// The shop's pair entries by number, each side listed as written.
const std::map<int, std::pair<QStringList, QStringList>> kEntrySides = {
    {1, {{"Fe-1-1"}, {"Fe-1-2", "Fe-1-3", "Fe-1-4"}}},
    {2, {{"Fe-1-1"}, {"Fe-4-1", "Fe-4-2", "Fe-5-1", "Fe-5-2"}}},
    {3, {{"Fe-8"}, {"Fe-1-1", "Fe-1-2", "Fe-1-3", "Fe-3-1", "Fe-3-2"}}},
    {4, {{"Fe-1-2"}, {"Fe-4-1", "Fe-4-2", "Fe-5-1", "Fe-5-2"}}},
    {5, {{"Fe-1-3"}, {"Fe-4-1", "Fe-4-2"}}},
    {6, {{"Fe-8"}, {"Fe-1-4", "Fe-3-3", "Fe-5-2"}}},
    {7, {{"Fe-3-1"}, {"Fe-3-2", "Fe-3-3"}}},
    {8, {{"Fe-3-2"}, {"Fe-3-3"}}},
    {9, {{"Fe-4-1"}, {"Fe-5-1"}}},
    {10, {{"Fe-6", "Fe-7"}, {"Fe-4-1", "Fe-4-2", "Fe-5-1"}}},
    {11, {{"Fe-4-2"}, {"Fe-5-1"}}},
    {12, {{"Fe-5-1"}, {"Fe-8"}}},
    {13, {{"Fe-5-2"}, {"Fe-6", "Fe-7"}}},
};

// First electrode, number of rows per list and remark of each entry.
struct EntryShape {
    const char *firstElectrode;
    const char *lastBrand;
    int manual;
    int submerged;
    int argon;
    const char *remark;
};

const std::map<int, EntryShape> kEntryShapes = {
    {1, {"E4315", "J507", 2, 2, 1, ""}},
    {2, {"E4315", "J427", 1, 3, 0, ""}},
    {3, {"E309-16", "A312", 3, 1, 1, ""}},
    {4, {"E5015", "J507", 1, 1, 0, ""}},
    {5, {"E5015", "J506", 2, 1, 0, ""}},
    {6, {"E310-16", "A407", 2, 1, 1, ""}},
    {7, {"E4315", "R207", 2, 3, 0, ""}},
    {8, {"E5015", "J557", 2, 2, 0, ""}},
    {9, {"E5515-B2", "A307", 2, 0, 1, "不进行热处理时采用"}},
    {10, {"E309-16", "A307", 2, 1, 1, "不进行热处理时采用"}},
    {11, {"E5515-B2-V", "A307", 2, 0, 1, "不进行热处理时采用"}},
    {12, {"E309-16", "A307", 2, 1, 1, ""}},
    {13, {"E310-15", "A407", 1, 1, 1, "不进行热处理时采用"}},
};

} // namespace

TEST(DissimilarPairs, AllHundredTwentyPairsThirtyFiveWithAnEntry)
{
    std::map<std::pair<QString, QString>, int> expected;
    for (const auto &[number, sides] : kEntrySides)
        for (const QString &a : sides.first)
            for (const QString &b : sides.second)
                expected[std::minmax(a, b)] = number;
    ASSERT_EQ(expected.size(), 35u);

    const QStringList groups = ConsumableTable::groupNames();
    int pairs = 0, withEntry = 0, without = 0;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        for (qsizetype j = i; j < groups.size(); ++j) {
            ++pairs;
            const auto forward = ConsumableTable::dissimilarRecommendation(groups[i], groups[j]);
            const auto backward = ConsumableTable::dissimilarRecommendation(groups[j], groups[i]);
            EXPECT_EQ(forward, backward) << groups[i].toStdString() << " " << groups[j].toStdString();
            const auto it = expected.find(std::minmax(groups[i], groups[j]));
            if (it == expected.end()) {
                EXPECT_FALSE(forward) << groups[i].toStdString() << " " << groups[j].toStdString();
                ++without;
                continue;
            }
            ASSERT_TRUE(forward) << groups[i].toStdString() << " " << groups[j].toStdString();
            ++withEntry;
            const EntryShape &shape = kEntryShapes.at(it->second);
            EXPECT_EQ(forward->manualArc.size(), shape.manual) << it->second;
            EXPECT_EQ(forward->submergedArc.size(), shape.submerged) << it->second;
            EXPECT_EQ(forward->argonArc.size(), shape.argon) << it->second;
            EXPECT_EQ(forward->manualArc.first().first, u(shape.firstElectrode)) << it->second;
            EXPECT_EQ(forward->manualArc.last().second, u(shape.lastBrand)) << it->second;
            EXPECT_EQ(forward->remark, u(shape.remark)) << it->second;
            EXPECT_TRUE(forward->co2Wire.isEmpty());
            for (const ConsumableRow &r : forward->argonArc)
                EXPECT_TRUE(r.second == "GB/T14957" || r.second == "YB/T 5091") << r.second.toStdString();
        }
    }
    EXPECT_EQ(pairs, 120);
    EXPECT_EQ(withEntry, 35);
    EXPECT_EQ(without, 85);
}

TEST(DissimilarPairs, SameGroupAndFe9HaveNoEntry)
{
    for (const QString &g : ConsumableTable::groupNames()) {
        EXPECT_FALSE(ConsumableTable::dissimilarRecommendation(g, g)) << g.toStdString();
        EXPECT_FALSE(ConsumableTable::dissimilarRecommendation(g, "Fe-9")) << g.toStdString();
    }
    EXPECT_FALSE(ConsumableTable::dissimilarRecommendation("Fe-1", "Fe-8"));
    EXPECT_FALSE(ConsumableTable::dissimilarRecommendation("", "Fe-8"));
}

TEST(DissimilarPairs, CarbonSteelToAusteniticIsEntryThreeInEitherOrder)
{
    const auto rec = ConsumableTable::dissimilarRecommendation("Fe-1-1", "Fe-8");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->manualArc,
              (QList<ConsumableRow>{row("E309-16", "A302"), row("E309-15", "A307"), row("E309Mo-16", "A312")}));
    EXPECT_EQ(rec->submergedArc, (QList<ConsumableRow>{row("F309-H1Cr24Ni13", "")}));
    EXPECT_EQ(rec->argonArc, (QList<ConsumableRow>{row("H1Cr24Ni13", "YB/T 5091")}));
    EXPECT_TRUE(rec->remark.isEmpty());
    EXPECT_EQ(ConsumableTable::dissimilarRecommendation("Fe-8", "Fe-1-1"), rec);
}

TEST(DissimilarPairs, CrMoToTwoAndAQuarterCrIsEntryNineWithRemark)
{
    const auto rec = ConsumableTable::dissimilarRecommendation("Fe-4-1", "Fe-5-1");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->manualArc, (QList<ConsumableRow>{row("E5515-B2", "R307"), row("E309-15", "A307")}));
    EXPECT_TRUE(rec->submergedArc.isEmpty());
    EXPECT_EQ(rec->argonArc, (QList<ConsumableRow>{row("H1Cr24Ni13", "YB/T 5091")}));
    EXPECT_EQ(rec->remark, u("不进行热处理时采用"));
}

TEST(DissimilarPairs, EntrySevenKeepsItsFluxRowsAsWritten)
{
    const auto rec = ConsumableTable::dissimilarRecommendation("Fe-3-3", "Fe-3-1");
    ASSERT_TRUE(rec);
    EXPECT_EQ(rec->submergedArc,
              (QList<ConsumableRow>{row("F4A0-H08A", "HJ431-H08A"), row("F48A0-H13CrMoA", "HJ350-H13CMoA"),
                                    row("", "SJ101-H13CrMoA")}));
}
