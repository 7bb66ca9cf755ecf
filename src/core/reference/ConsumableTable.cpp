#include "core/reference/ConsumableTable.h"

#include <QHash>

#include <initializer_list>

namespace zelvan {

namespace {

struct Row {
    const char *first;
    const char *second;
};

using Rows = std::initializer_list<Row>;
using Texts = std::initializer_list<const char *>;

// Grades that share one recommendation.
struct SameSteelEntry {
    Texts grades;
    Rows manualArc;
    Rows submergedArc;
    const char *co2Wire;
    Rows argonArc;
};

// Pairs of groups that share one recommendation: every group of the first
// side with every group of the second.
struct PairEntry {
    Texts sideA;
    Texts sideB;
    Rows manualArc;
    Rows submergedArc;
    Rows argonArc;
    const char *remark;
};

const char *const kNone = "";

const SameSteelEntry kSameSteel[] = {
    {{"10(管)", "20(管)"},
     {{"E4303", "J422"}, {"E4315", "J427"}},
     {{"F4A0-H08A", "HJ431-H08A"}, {"F4A2-H08MnA", "HJ431-H08MnA"}},
     kNone,
     {{"H08A", "GB/T14957"}, {"H08MnA", ""}}},
    {{"Q235-B", "Q235-C", "20G", "20g", "20R", "20(锻)"},
     {{"E4316", "J426"}, {"E4315", "J427"}},
     {{"F4A0-H08A", "HJ431-H08A"}, {"F4A2-H08MnA", "HJ431-H08MnA"}},
     kNone,
     {{"H08A", "GB/T14957"}, {"H08MnA", ""}}},
    {{"09MnD", "15MnNiDR"}, {{"E5015-G", "W607"}}, {}, kNone, {}},
    {{"09MnNiD", "09MnNiDR"}, {{"E5515-C1", "W707Ni"}}, {}, kNone, {}},
    {{"16Mn", "16MnR"},
     {{"E5016", "J506"}, {"E5015", "J507"}, {"E5003", "J502"}},
     {{"F5A0-H10Mn2", "HJ431-H10Mn2"},
      {"F5A0-H10MnSi", "HJ350-H10Mn2"},
      {"F5A2-H10Mn2", "HJ431-H10MnSi"},
      {"", "HJ350-H10MnSi"},
      {"", "SJ101-H10Mn2"}},
     "ER49-1",
     {{"H10MnSi", "GB/T14957"}}},
    {{"16MnD", "16MnDR"}, {{"E5016-G", "J506RH"}, {"E5015-G", "J507RH"}}, {}, kNone, {}},
    {{"15MnNbR"}, {{"E5516-G", "J556RH"}, {"E5515-G", "J557"}}, {}, kNone, {}},
    {{"20MnMo"},
     {{"E5015", "J507"}, {"E5515-G", "J557"}},
     {{"F5A0-H10Mn2A", "HJ431-H10Mn2A"}, {"F55A0-H08MnMoA", "HJ350-H08MnMoA"}},
     kNone,
     {{"H10MnSi", "GB/T14957"}, {"H10Mn2", ""}, {"H08MnMoA", ""}}},
    {{"20MnMoD"}, {{"E5016-G", "J506RH"}, {"E5015-G", "J507RH"}, {"E5516-G", "J556RH"}}, {}, kNone, {}},
    {{"08MnNiCrMoVD", "07MnCrMoVR", "07MnNiMoVDR", "10Ni3MoVD"}, {{"E6015-G", "J607RH"}}, {}, kNone, {}},
    {{"12CrMo", "12CrMoG"},
     {{"E5515-B1", "R207"}},
     {{"F48A0-H13CrMoA", "HJ350-H13CrMoA"}, {"", "SJ101-H13CrMoA"}},
     "ER55-B2",
     {{"H08CMoA", "GB/T14957"}}},
    {{"13MnNiMoNbR", "18MnMoNbR", "20MnMoNb"},
     {{"E6016-D1", "J606"}, {"E6015-D1", "J607"}},
     {{"F62A0-H08Mn2MoA", "HJ431-H08Mn2MoA"},
      {"F62A0-H08Mn2MoVA", "HJ350-H08Mn2MoA"},
      {"F62A2-H08Mn2MoA", "HJ431-H08Mn2MoVA"},
      {"F62A2-H08Mn2MoVA", "HJ350-H08Mn2MoVA"},
      {"", "SJ101-H08Mn2MoA"},
      {"", "SJ101-H08Mn2MoVA"}},
     kNone,
     {{"H08Mn2MoA", "GB/T14957"}}},
    {{"15CrMoR", "15CrMo", "15CrMoG"},
     {{"E5515-B2", "R307"}},
     {{"F48A0-H13CrMoA", "HJ350-H13CrMoA"}, {"", "SJ101-H13CrMoA"}},
     "ER55-B2",
     {{"H13CrMoA", "GB/T14957"}}},
    {{"14Cr1Mo", "14Cr1MoR"}, {{"E5515-B2", "R307H"}}, {}, kNone, {}},
    {{"12Cr1MoV", "12Cr1MoVG"},
     {{"E5515-B2-V", "R317"}},
     {{"F48A0-H08CrMoVA", "HJ350-H08CrMoVA"}},
     "ER55-B2-MnV",
     {{"H08GrMoVA", "GB/T14957"}}},
    {{"12Cr2Mo1", "12Cr2Mo", "12Cr2Mo1R", "12Cr2MoG"}, {{"E6015-B3", "R407"}}, {}, kNone, {}},
    {{"1Cr5Mo"}, {{"E5MoV-15", "R507"}}, {}, kNone, {}},
    {{"0Cr13"}, {{"E410-16", "G202"}, {"E410-15", "G207"}}, {}, kNone, {}},
    // Wire names of the stainless grades begin with the letter O, as the
    // shop's table writes them; the wire standard has no blank here.
    {{"0Cr18Ni9"},
     {{"E308-16", "A102"}, {"E308-15", "A107"}},
     {{"F308-H08Cr21Ni10", "SJ601-H08Cr21Ni10"}, {"", "HJ260-H08Cr21Ni10"}},
     kNone,
     {{"HOCr21Ni10", "YB/T5091"}}},
    {{"00Cr19Ni10"},
     {{"E308L-16", "A002"}},
     {{"F308L-H03Cr21Ni10", "SJ601-H03Cr21Ni10"}, {"", "HJ260-H03Cr21Ni10"}},
     kNone,
     {{"HOOCr21Ni10", "YB/T5091"}}},
    {{"0Cr17Ni12Mo2"},
     {{"E316-16", "A202"}, {"E316-16", "A207"}},
     {{"F316-H08Cr19Ni12Mo2", "SJ601-H08Cr19Ni12Mo2"}, {"", "HJ260-H08Cr19Ni12Mo2"}},
     kNone,
     {{"HOCr19Ni12Mo2", "YB/T5091"}}},
    {{"00Cr17Ni14Mo2"}, {{"E316L-16", "A022"}}, {}, kNone, {}},
    {{"1Cr18Ni9Ti", "0Cr18Ni10Ti"},
     {{"E347-16", "A132"}, {"E347-15", "A137"}},
     {{"F347-H08Cr20Ni10Nb", "SJ601-H08Cr20Ni10Nb"}, {"", "HJ260-H08Cr20Ni10Nb"}},
     kNone,
     {{"HOCr20Ni10Ti", "YB/T5091"}}},
    {{"0Cr18Ni12Mo2Ti"},
     {{"E316L-16", "A022"}, {"E318-16", "A212"}},
     {{"F316L-H03Cr19Ni12Mo2", "SJ601-H03Cr19Ni12Mo2"}, {"", "HJ260-H03Cr19Ni12Mo2"}},
     kNone,
     {{"HOOCr19Ni12Mo2", "YB/T5091"}}},
    {{"0Cr19Ni13Mo3"},
     {{"E317-16", "A242"}},
     {{"F317-H08Cr19Ni14Mo3", "SJ601-H08Cr19Ni14Mo3"}, {"", "HJ260-H08Cr19Ni14Mo3"}},
     kNone,
     {{"HOCr20Ni14Mo3", "YB/T5091"}}},
    {{"00Cr19Ni13Mo3"}, {{"E317L-16", ""}}, {}, kNone, {}},
    // Grades listed in the tree for which the shop keeps no consumables.
    {{"12MnNiVR", "15MnVR", "10MoWVNb", "12SiMoVNb", "0Cr13Al"}, {}, {}, kNone, {}},
};

// The argon-arc standard is written with a blank in this table.
const PairEntry kPairs[] = {
    {{"Fe-1-1"},
     {"Fe-1-2", "Fe-1-3", "Fe-1-4"},
     {{"E4315", "J427"}, {"E5015", "J507"}},
     {{"F4A0-H08A", "HJ431-H08A"}, {"F4A2-H08MnA", "HJ431-H08MnA"}},
     {{"H08MnA", "GB/T14957"}},
     ""},
    {{"Fe-1-1"},
     {"Fe-4-1", "Fe-4-2", "Fe-5-1", "Fe-5-2"},
     {{"E4315", "J427"}},
     {{"F4A0-H08A", "HJ431-H08A"}, {"", "HJ350-H08A"}, {"", "SJ101-H08A"}},
     {},
     ""},
    {{"Fe-8"},
     {"Fe-1-1", "Fe-1-2", "Fe-1-3", "Fe-3-1", "Fe-3-2"},
     {{"E309-16", "A302"}, {"E309-15", "A307"}, {"E309Mo-16", "A312"}},
     {{"F309-H1Cr24Ni13", ""}},
     {{"H1Cr24Ni13", "YB/T 5091"}},
     ""},
    {{"Fe-1-2"},
     {"Fe-4-1", "Fe-4-2", "Fe-5-1", "Fe-5-2"},
     {{"E5015", "J507"}},
     {{"F5A0-H10Mn2", "HJ431-H10Mn2"}},
     {},
     ""},
    {{"Fe-1-3"},
     {"Fe-4-1", "Fe-4-2"},
     {{"E5015", "J507"}, {"E5016", "J506"}},
     {{"F5A0-H10Mn2", "HJ431-H10Mn2"}},
     {},
     ""},
    {{"Fe-8"},
     {"Fe-1-4", "Fe-3-3", "Fe-5-2"},
     {{"E310-16", "A402"}, {"E310-15", "A407"}},
     {{"F310-H1Cr26Ni21", ""}},
     {{"H1Cr26Ni21", "YB/T 5091"}},
     ""},
    {{"Fe-3-1"},
     {"Fe-3-2", "Fe-3-3"},
     {{"E4315", "J427"}, {"E5515-B1", "R207"}},
     {{"F4A0-H08A", "HJ431-H08A"}, {"F48A0-H13CrMoA", "HJ350-H13CMoA"}, {"", "SJ101-H13CrMoA"}},
     {},
     ""},
    {{"Fe-3-2"},
     {"Fe-3-3"},
     {{"E5015", "J507"}, {"E5515-G", "J557"}},
     {{"F5A0-H08MnA", "HJ431-H08MnA"}, {"F55A0-H08MnMoA", "HJ350-H08MnMoA"}},
     {},
     ""},
    {{"Fe-4-1"},
     {"Fe-5-1"},
     {{"E5515-B2", "R307"}, {"E309-15", "A307"}},
     {},
     {{"H1Cr24Ni13", "YB/T 5091"}},
     "不进行热处理时采用"},
    {{"Fe-6", "Fe-7"},
     {"Fe-4-1", "Fe-4-2", "Fe-5-1"},
     {{"E309-16", "A302"}, {"E309-15", "A307"}},
     {{"F309-H1Cr24Ni13", ""}},
     {{"H1Cr24Ni13", "YB/T 5091"}},
     "不进行热处理时采用"},
    {{"Fe-4-2"},
     {"Fe-5-1"},
     {{"E5515-B2-V", "R317"}, {"E309-15", "A307"}},
     {},
     {{"H1Cr24Ni13", "YB/T 5091"}},
     "不进行热处理时采用"},
    {{"Fe-5-1"},
     {"Fe-8"},
     {{"E309-16", "A302"}, {"E309-15", "A307"}},
     {{"F309-H1Cr24Ni13", ""}},
     {{"H1Cr24Ni13", "YB/T 5091"}},
     ""},
    {{"Fe-5-2"},
     {"Fe-6", "Fe-7"},
     {{"E310-15", "A407"}},
     {{"F310-H1Cr26Ni21", ""}},
     {{"H1Cr26Ni21", "YB/T 5091"}},
     "不进行热处理时采用"},
};

struct TreeClass {
    const char *text;
    Texts grades;
};

const TreeClass kSameSteelTree[] = {
    {"Fe-1",
     {"10(管)", "20(管)", "Q235-B", "Q235-C", "20G", "20g", "20R", "20(锻)", "09MnD", "09MnNiD", "09MnNiDR", "16Mn",
      "16MnR", "16MnD", "16MnDR", "15MnNiDR", "15MnNbR", "12MnNiVR", "20MnMo", "20MnMoD", "15MnVR", "08MnNiCrMoVD",
      "07MnCrMoVR", "07MnNiMoVDR"}},
    {"Fe-3",
     {"12CrMo", "12CrMoG", "20MnMo", "20MnMoD", "10MoWVNb", "12SiMoVNb", "13MnNiMoNbR", "18MnMoNbR", "20MnMoNb"}},
    {"Fe-4", {"15CrMoR", "15CrMo", "14Cr1Mo", "14Cr1MoR", "15CrMoG", "12Cr1MoV", "12Cr1MoVG"}},
    {"Fe-5", {"12Cr2Mo1", "12Cr2Mo", "12Cr2Mo1R", "12Cr2MoG", "1Cr5Mo"}},
    {"Fe-6", {"0Cr13"}},
    {"Fe-7", {"0Cr13", "0Cr13Al"}},
    {"Fe-8",
     {"0Cr18Ni9", "00Cr19Ni10", "0Cr17Ni12Mo2", "00Cr17Ni14Mo2", "1Cr18Ni9Ti", "0Cr18Ni10Ti", "0Cr18Ni12Mo2Ti",
      "0Cr19Ni13Mo3", "00Cr19Ni13Mo3"}},
    {"Fe-9", {"10Ni3MoVD"}},
};

struct TreeGroup {
    const char *text;
    Texts grades;
};

// Classes with sub-classes show the groups as a middle level; the other
// classes are groups themselves and hold their grades directly.
struct DissimilarClass {
    const char *text;
    std::initializer_list<TreeGroup> groups;
    Texts grades;
};

const DissimilarClass kDissimilarTree[] = {
    {"Fe-1",
     {{"Fe-1-1", {"20R", "20", "10", "15", "B级", "A级", "Q235-B", "Q235-C", "20g", "20G", "20MnG"}},
      {"Fe-1-2", {"16MnR", "16MnDR", "15MnNiDR", "09MnNiDR", "16Mn", "16MnD", "09MnNiD", "09MnD"}},
      {"Fe-1-3", {"15MnVR", "15MnNbR"}},
      {"Fe-1-4", {"08MnNiCrMoVD", "12MnNiVR", "07MnCrMoVR", "07MnNiMoVDR"}}},
     {}},
    {"Fe-3",
     {{"Fe-3-1", {"12CrMo", "12CrMoG"}},
      {"Fe-3-2", {"20MnMo", "20MnMoD", "10MoWVNb", "12SiMoVNb"}},
      {"Fe-3-3", {"13MnNiMoNbR", "18MnMoNbR", "20MnMoNb"}}},
     {}},
    {"Fe-4",
     {{"Fe-4-1", {"15CrMoR", "15CrMo", "14Cr1Mo", "14Cr1MoR", "15CrMoG"}},
      {"Fe-4-2", {"12Cr1MoV", "12Cr1MoVG"}}},
     {}},
    {"Fe-5", {{"Fe-5-1", {"12Cr2Mo1", "12Cr2Mo", "12Cr2Mo1R", "12Cr2MoG"}}, {"Fe-5-2", {"1Cr5Mo"}}}, {}},
    {"Fe-6", {}, {"0Cr13"}},
    {"Fe-7", {}, {"0Cr13", "0Cr13Al"}},
    {"Fe-8",
     {},
     {"0Cr18Ni9", "00Cr19Ni10", "0Cr17Ni12Mo2", "00Cr17Ni14Mo2", "1Cr18Ni9Ti", "0Cr18Ni10Ti", "0Cr18Ni12Mo2Ti",
      "0Cr19Ni13Mo3", "00Cr19Ni13Mo3"}},
    {"Fe-9", {}, {"10Ni3MoVD"}},
};

QList<ConsumableRow> toRows(Rows rows)
{
    QList<ConsumableRow> list;
    list.reserve(qsizetype(rows.size()));
    for (const Row &row : rows)
        list.append({QString::fromUtf8(row.first), QString::fromUtf8(row.second)});
    return list;
}

std::vector<ReferenceNode> leaves(Texts texts)
{
    std::vector<ReferenceNode> nodes;
    nodes.reserve(texts.size());
    for (const char *text : texts)
        nodes.push_back({QString::fromUtf8(text), {}});
    return nodes;
}

// A pair key independent of the order of the two groups.
QString pairKey(const QString &a, const QString &b)
{
    return a < b ? a + QLatin1Char('|') + b : b + QLatin1Char('|') + a;
}

const QHash<QString, ConsumableRecommendation> &sameSteelIndex()
{
    static const QHash<QString, ConsumableRecommendation> index = [] {
        QHash<QString, ConsumableRecommendation> built;
        for (const SameSteelEntry &entry : kSameSteel) {
            ConsumableRecommendation rec;
            rec.manualArc = toRows(entry.manualArc);
            rec.submergedArc = toRows(entry.submergedArc);
            rec.argonArc = toRows(entry.argonArc);
            rec.co2Wire = QString::fromUtf8(entry.co2Wire);
            for (const char *grade : entry.grades)
                built.insert(QString::fromUtf8(grade), rec);
        }
        return built;
    }();
    return index;
}

const QHash<QString, ConsumableRecommendation> &pairIndex()
{
    static const QHash<QString, ConsumableRecommendation> index = [] {
        QHash<QString, ConsumableRecommendation> built;
        for (const PairEntry &entry : kPairs) {
            ConsumableRecommendation rec;
            rec.manualArc = toRows(entry.manualArc);
            rec.submergedArc = toRows(entry.submergedArc);
            rec.argonArc = toRows(entry.argonArc);
            rec.remark = QString::fromUtf8(entry.remark);
            for (const char *a : entry.sideA)
                for (const char *b : entry.sideB)
                    built.insert(pairKey(QString::fromUtf8(a), QString::fromUtf8(b)), rec);
        }
        return built;
    }();
    return index;
}

} // namespace

const std::vector<ReferenceNode> &ConsumableTable::sameSteelTree()
{
    static const std::vector<ReferenceNode> tree = [] {
        std::vector<ReferenceNode> built;
        for (const TreeClass &steelClass : kSameSteelTree)
            built.push_back({QString::fromUtf8(steelClass.text), leaves(steelClass.grades)});
        return built;
    }();
    return tree;
}

std::optional<ConsumableRecommendation> ConsumableTable::sameSteelRecommendation(const QString &grade)
{
    const auto &index = sameSteelIndex();
    const auto it = index.constFind(grade);
    if (it == index.constEnd())
        return std::nullopt;
    return *it;
}

const std::vector<ReferenceNode> &ConsumableTable::dissimilarTree()
{
    static const std::vector<ReferenceNode> tree = [] {
        std::vector<ReferenceNode> built;
        for (const DissimilarClass &steelClass : kDissimilarTree) {
            ReferenceNode node{QString::fromUtf8(steelClass.text), leaves(steelClass.grades)};
            for (const TreeGroup &group : steelClass.groups)
                node.children.push_back({QString::fromUtf8(group.text), leaves(group.grades)});
            built.push_back(std::move(node));
        }
        return built;
    }();
    return tree;
}

const QStringList &ConsumableTable::groupNames()
{
    static const QStringList names = [] {
        QStringList built;
        for (const DissimilarClass &steelClass : kDissimilarTree) {
            if (steelClass.groups.size() == 0)
                built.append(QString::fromUtf8(steelClass.text));
            for (const TreeGroup &group : steelClass.groups)
                built.append(QString::fromUtf8(group.text));
        }
        return built;
    }();
    return names;
}

bool ConsumableTable::isGroupName(const QString &text)
{
    return groupNames().contains(text);
}

std::optional<QString> ConsumableTable::groupOf(const QString &nodeText, const QString &parentText)
{
    if (isGroupName(nodeText))
        return nodeText;
    if (isGroupName(parentText))
        return parentText;
    return std::nullopt;
}

std::optional<ConsumableRecommendation> ConsumableTable::dissimilarRecommendation(const QString &group1,
                                                                                  const QString &group2)
{
    const auto &index = pairIndex();
    const auto it = index.constFind(pairKey(group1, group2));
    if (it == index.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace zelvan
