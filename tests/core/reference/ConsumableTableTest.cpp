// The consumable table through its lookups: the shop's documented cases, and
// every lookup (each grade, each group, all 225 ordered pairs of the fifteen
// groups) against the table transcribed in consumables-expected.tsv.
#include "core/reference/ConsumableTable.h"

#include <gtest/gtest.h>

#include <QFile>
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
    // "20MnMo" and "20MnMoD" stand under Fe-1 and Fe-3, "0Cr13" under Fe-6 and Fe-7.
    EXPECT_EQ(texts(tree[1].children), (QStringList{"12CrMo", "12CrMoG", "20MnMo", "20MnMoD", "10MoWVNb", "12SiMoVNb",
                                                    "13MnNiMoNbR", "18MnMoNbR", "20MnMoNb"}));

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

// ---- the whole table against its transcription ----

namespace {

// The expected table, read from the test's data file (transcribed once from
// the shop's consumable tables, independently of the program's arrays).
struct ExpectedTable {
    std::map<QString, ConsumableRecommendation> grades;   // same steel
    std::vector<std::pair<QString, QStringList>> groups;  // group -> grades, file order
    std::map<int, ConsumableRecommendation> entries;
    std::map<std::pair<QString, QString>, int> pairs;     // unordered (sorted) pair -> entry, 0 none
    QString error;
};

QList<ConsumableRow> *listOf(ConsumableRecommendation &rec, const QString &kind)
{
    if (kind == "manual")
        return &rec.manualArc;
    if (kind == "submerged")
        return &rec.submergedArc;
    if (kind == "argon")
        return &rec.argonArc;
    return nullptr;
}

const ExpectedTable &expected()
{
    static const ExpectedTable table = [] {
        ExpectedTable t;
        QFile file(qEnvironmentVariable("ZELVAN_SOURCE_DIR") + "/tests/core/reference/consumables-expected.tsv");
        if (!file.open(QIODevice::ReadOnly)) {
            t.error = "cannot read " + file.fileName();
            return t;
        }
        int lineNumber = 0;
        for (const QByteArray &raw : file.readAll().split('\n')) {
            ++lineNumber;
            const QString line = QString::fromUtf8(raw);
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QStringList c = line.split('\t');
            bool ok = false;
            if (c[0] == "grade" && c.size() == 3 && c[2] == "empty") {
                ok = t.grades.emplace(c[1], ConsumableRecommendation{}).second;
            } else if (c[0] == "grade" && c.size() == 4 && c[2] == "co2") {
                t.grades[c[1]].co2Wire = c[3];
                ok = true;
            } else if (c[0] == "grade" && c.size() == 5 && listOf(t.grades[c[1]], c[2])) {
                listOf(t.grades[c[1]], c[2])->append({c[3], c[4]});
                ok = true;
            } else if (c[0] == "group" && c.size() == 3) {
                if (t.groups.empty() || t.groups.back().first != c[1])
                    t.groups.push_back({c[1], {}});
                t.groups.back().second.append(c[2]);
                ok = true;
            } else if (c[0] == "entry" && c.size() == 4 && c[2] == "remark") {
                t.entries[c[1].toInt()].remark = c[3];
                ok = true;
            } else if (c[0] == "entry" && c.size() == 5 && listOf(t.entries[c[1].toInt()], c[2])) {
                listOf(t.entries[c[1].toInt()], c[2])->append({c[3], c[4]});
                ok = true;
            } else if (c[0] == "pair" && c.size() == 4) {
                ok = t.pairs.emplace(std::minmax(c[1], c[2]), c[3] == "-" ? 0 : c[3].toInt()).second;
            }
            if (!ok) {
                t.error = QString("bad line %1: %2").arg(lineNumber).arg(line);
                return t;
            }
        }
        return t;
    }();
    return table;
}

std::string describe(const std::optional<ConsumableRecommendation> &rec)
{
    if (!rec)
        return "(none)";
    std::string s;
    auto rows = [&s](const char *name, const QList<ConsumableRow> &list) {
        for (const ConsumableRow &r : list)
            s += std::string("\n  ") + name + " (" + r.first.toStdString() + ", " + r.second.toStdString() + ")";
    };
    rows("manual", rec->manualArc);
    rows("submerged", rec->submergedArc);
    rows("argon", rec->argonArc);
    s += "\n  co2 " + rec->co2Wire.toStdString() + "\n  remark " + rec->remark.toStdString();
    return s;
}

} // namespace

TEST(ConsumableTranscription, TheDataFileIsComplete)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_EQ(t.grades.size(), 55u);
    EXPECT_EQ(t.groups.size(), 15u);
    EXPECT_EQ(t.entries.size(), 13u);
    EXPECT_EQ(t.pairs.size(), 120u);
    int withEntry = 0;
    for (const auto &[pair, entry] : t.pairs)
        withEntry += entry != 0;
    EXPECT_EQ(withEntry, 35);
}

TEST(SameSteelLookup, EveryGradeGivesTheTranscribedRecommendation)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    for (const auto &[grade, rec] : t.grades) {
        const auto actual = ConsumableTable::sameSteelRecommendation(grade);
        EXPECT_EQ(actual, rec) << grade.toStdString() << "\nactual:" << describe(actual) << "\nexpected:"
                               << describe(rec);
    }
}

TEST(SameSteelLookup, TheTreeHoldsExactlyTheTranscribedGrades)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    std::set<QString> inTree;
    for (const ReferenceNode &steelClass : ConsumableTable::sameSteelTree()) {
        EXPECT_FALSE(ConsumableTable::sameSteelRecommendation(steelClass.text)) << steelClass.text.toStdString();
        for (const ReferenceNode &grade : steelClass.children)
            inTree.insert(grade.text);
    }
    std::set<QString> transcribed;
    for (const auto &[grade, rec] : t.grades)
        transcribed.insert(grade);
    EXPECT_EQ(inTree, transcribed);
}

TEST(DissimilarGroups, TheTreeHoldsTheTranscribedGroupsAndGrades)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    std::vector<std::pair<QString, QStringList>> inTree;
    for (const ReferenceNode &steelClass : ConsumableTable::dissimilarTree()) {
        const bool hasGroups = !steelClass.children.empty() && !steelClass.children.front().children.empty();
        if (!hasGroups) {
            inTree.push_back({steelClass.text, texts(steelClass.children)});
            continue;
        }
        for (const ReferenceNode &group : steelClass.children)
            inTree.push_back({group.text, texts(group.children)});
    }
    EXPECT_EQ(inTree, t.groups);
}

// Choosing a grade resolves to the group it stands under; choosing a group
// node resolves to itself; the four classes with sub-groups resolve to none.
TEST(DissimilarGroups, EveryGradeAndGroupNodeResolvesToItsTranscribedGroup)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    const std::map<QString, QString> classOfGroup = {
        {"Fe-1-1", "Fe-1"}, {"Fe-1-2", "Fe-1"}, {"Fe-1-3", "Fe-1"}, {"Fe-1-4", "Fe-1"}, {"Fe-3-1", "Fe-3"},
        {"Fe-3-2", "Fe-3"}, {"Fe-3-3", "Fe-3"}, {"Fe-4-1", "Fe-4"}, {"Fe-4-2", "Fe-4"}, {"Fe-5-1", "Fe-5"},
        {"Fe-5-2", "Fe-5"}, {"Fe-6", ""},       {"Fe-7", ""},       {"Fe-8", ""},       {"Fe-9", ""}};
    int grades = 0;
    for (const auto &[group, members] : t.groups) {
        ASSERT_TRUE(classOfGroup.count(group)) << group.toStdString();
        EXPECT_EQ(ConsumableTable::groupOf(group, classOfGroup.at(group)), std::optional<QString>(group));
        for (const QString &grade : members) {
            EXPECT_EQ(ConsumableTable::groupOf(grade, group), std::optional<QString>(group)) << grade.toStdString();
            ++grades;
        }
    }
    EXPECT_EQ(grades, 59);
    for (const char *cls : {"Fe-1", "Fe-3", "Fe-4", "Fe-5"})
        EXPECT_EQ(ConsumableTable::groupOf(cls, ""), std::nullopt) << cls;
    EXPECT_EQ(ConsumableTable::groupOf("", ""), std::nullopt);
    // "0Cr13" stands under two groups: the parent decides.
    EXPECT_EQ(ConsumableTable::groupOf("0Cr13", "Fe-6"), std::optional<QString>("Fe-6"));
    EXPECT_EQ(ConsumableTable::groupOf("0Cr13", "Fe-7"), std::optional<QString>("Fe-7"));
}

TEST(DissimilarPairs, AllOrderedPairsGiveTheTranscribedEntry)
{
    const ExpectedTable &t = expected();
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    int lookups = 0;
    for (const auto &[first, members1] : t.groups) {
        for (const auto &[second, members2] : t.groups) {
            const auto it = t.pairs.find(std::minmax(first, second));
            ASSERT_NE(it, t.pairs.end()) << first.toStdString() << " " << second.toStdString();
            const std::optional<ConsumableRecommendation> want =
                it->second == 0 ? std::nullopt : std::optional(t.entries.at(it->second));
            const auto actual = ConsumableTable::dissimilarRecommendation(first, second);
            EXPECT_EQ(actual, want) << first.toStdString() << " with " << second.toStdString() << " (entry "
                                    << it->second << ")\nactual:" << describe(actual) << "\nexpected:"
                                    << describe(want);
            ++lookups;
        }
    }
    EXPECT_EQ(lookups, 225);
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
