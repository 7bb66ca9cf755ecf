// The drying and preheat tables through their lookups.
#include "core/reference/DryingTable.h"
#include "core/reference/PreheatTable.h"

#include <gtest/gtest.h>

#include <map>

using namespace zelvan;

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

QStringList texts(const std::vector<ReferenceNode> &nodes)
{
    QStringList list;
    for (const ReferenceNode &node : nodes)
        list.append(node.text);
    return list;
}

} // namespace

// ---- drying ----

TEST(DryingTable, SevenCategoriesWithTheirConsumablesInOrder)
{
    const auto &tree = DryingTable::tree();
    EXPECT_EQ(texts(tree), (QStringList{u("碳钢和低合金钢焊条"), u("低温钢焊条"), u("钼和铬钼耐热钢焊条"),
                                        u("铬镍不锈钢焊条"), u("铬不锈钢焊条"), u("熔炼焊剂"), u("烧结焊剂")}));
    ASSERT_EQ(tree.size(), 7u);
    EXPECT_EQ(texts(tree[0].children),
              (QStringList{"J422", "J426", "J427", "J502", "J506", "J507", "J506RH", "J507RH", "J507MoW", "J557",
                           "J556RH", "J606", "J607", "J607RH", "J707", "J707RH"}));
    EXPECT_EQ(texts(tree[1].children), (QStringList{"W607", "W707Ni"}));
    EXPECT_EQ(texts(tree[2].children), (QStringList{"R207", "R307", "R307H", "R317", "R407", "R507"}));
    EXPECT_EQ(texts(tree[3].children), (QStringList{"A102", "A107", "A132", "A137", "A202", "A302", "A207", "A307",
                                                    "A002", "A022", "A212", "A242"}));
    EXPECT_EQ(texts(tree[4].children), (QStringList{"G202", "G207", "G302", "G307"}));
    EXPECT_EQ(texts(tree[5].children), (QStringList{"HJ431", "HJ350", "HJ260", "HJ250"}));
    EXPECT_EQ(texts(tree[6].children), (QStringList{"SJ101", "SJ102", "SJ103", "SJ601"}));
}

TEST(DryingTable, J707RHIsFourHundredForTwoHours)
{
    EXPECT_EQ(DryingTable::parameters("J707RH"), (DryingParameters{"400", "2"}));
}

TEST(DryingTable, CategoriesAndOtherTextsHaveNoParameters)
{
    for (const ReferenceNode &category : DryingTable::tree())
        EXPECT_FALSE(DryingTable::parameters(category.text)) << category.text.toStdString();
    EXPECT_FALSE(DryingTable::parameters(""));
    EXPECT_FALSE(DryingTable::parameters("j422"));
    EXPECT_FALSE(DryingTable::parameters("J42"));
}

TEST(DryingTable, EveryConsumableHasItsParameters)
{
    // Temperature and holding time of each consumable, read off the table by
    // hand.
    const std::map<QString, std::pair<QString, QString>> expected = {
        {"J422", {"150", "1"}},     {"J426", {"300", "1"}},     {"J427", {"350", "1"}},
        {"J502", {"150", "1"}},     {"J506", {"350", "1"}},     {"J507", {"350", "1"}},
        {"J506RH", {"350~430", "1"}}, {"J507RH", {"350~430", "1"}}, {"J507MoW", {"350", "1"}},
        {"J557", {"350", "1"}},     {"J556RH", {"400", "1"}},   {"J606", {"350", "1"}},
        {"J607", {"350", "1"}},     {"J607RH", {"350~430", "1"}}, {"J707", {"350", "1"}},
        {"J707RH", {"400", "2"}},   {"W607", {"350", "1"}},     {"W707Ni", {"350", "1"}},
        {"R207", {"350", "1"}},     {"R307", {"350", "1"}},     {"R307H", {"400", "1"}},
        {"R317", {"350", "1"}},     {"R407", {"350", "1"}},     {"R507", {"350", "1"}},
        {"A102", {"150", "1"}},     {"A107", {"250", "1"}},     {"A132", {"150", "1"}},
        {"A137", {"250", "1"}},     {"A202", {"150", "1"}},     {"A302", {"150", "1"}},
        {"A207", {"250", "1"}},     {"A307", {"250", "1"}},     {"A002", {"150", "1"}},
        {"A022", {"150", "1"}},     {"A212", {"150", "1"}},     {"A242", {"150", "1"}},
        {"G202", {"150", "1"}},     {"G207", {"250", "1"}},     {"G302", {"150", "1"}},
        {"G307", {"200~300", "1"}}, {"HJ431", {"250", "2"}},    {"HJ350", {"300~400", "2"}},
        {"HJ260", {"300~400", "2"}}, {"HJ250", {"300~350", "2"}}, {"SJ101", {"300~350", "2"}},
        {"SJ102", {"300~350", "2"}}, {"SJ103", {"350", "2"}},   {"SJ601", {"300~350", "2"}},
    };
    int swept = 0;
    for (const ReferenceNode &category : DryingTable::tree()) {
        for (const ReferenceNode &consumable : category.children) {
            const auto found = DryingTable::parameters(consumable.text);
            ASSERT_TRUE(found) << consumable.text.toStdString();
            const auto &want = expected.at(consumable.text);
            EXPECT_EQ(found->temperature, want.first) << consumable.text.toStdString();
            EXPECT_EQ(found->holdingTime, want.second) << consumable.text.toStdString();
            ++swept;
        }
    }
    EXPECT_EQ(swept, 48);
    EXPECT_EQ(expected.size(), 48u);
}

// ---- preheat ----

TEST(PreheatTable, GroupsAndTheirGradesAsTheShopListsThem)
{
    const auto &tree = PreheatTable::tree();
    EXPECT_EQ(texts(tree), (QStringList{"Fe-1", "Fe-3", "Fe-4", "Fe-5", "Fe-6", "Fe-7", "Fe-8", "Fe-9"}));
    const std::vector<size_t> counts{25, 9, 7, 5, 1, 2, 10, 1};
    for (size_t i = 0; i < tree.size(); ++i)
        EXPECT_EQ(tree[i].children.size(), counts[i]) << tree[i].text.toStdString();
    EXPECT_EQ(texts(tree[0].children).mid(0, 6), (QStringList{"20R", "20", "10", "15", u("B级"), u("A级")}));
    EXPECT_EQ(texts(tree[0].children).last(), "07MnNiMoVDR");
    // 0Cr17Ni12Mo2 appears twice under Fe-8; 0Cr13 under Fe-6 and Fe-7.
    EXPECT_EQ(texts(tree[6].children).count("0Cr17Ni12Mo2"), 2);
    EXPECT_EQ(texts(tree[6].children).last(), "0Cr17Ni12Mo2");
    EXPECT_EQ(texts(tree[4].children), QStringList{"0Cr13"});
    EXPECT_EQ(texts(tree[5].children), (QStringList{"0Cr13", "0Cr13Al"}));
}

TEST(PreheatTable, SixteenMnRShowsTheTwoFe1Rows)
{
    const auto group = PreheatTable::groupOf("16MnR", "Fe-1");
    ASSERT_EQ(group, QString("Fe-1"));
    EXPECT_EQ(PreheatTable::rows(*group),
              (QList<PreheatRow>{{u("①规定碳含量＞0.3%且接头厚度＞25mm"), "80"}, {u("②除①外的其它材料"), "10"}}));
}

TEST(PreheatTable, ZeroCr13DependsOnItsGroup)
{
    EXPECT_EQ(PreheatTable::rows(*PreheatTable::groupOf("0Cr13", "Fe-7")), (QList<PreheatRow>{{u("不预热"), ""}}));
    EXPECT_EQ(PreheatTable::rows(*PreheatTable::groupOf("0Cr13", "Fe-6")), (QList<PreheatRow>{{"", "200"}}));
}

TEST(PreheatTable, RowsOfEveryGroup)
{
    EXPECT_EQ(PreheatTable::rows("Fe-3"),
              (QList<PreheatRow>{{u("①规定最小抗拉强度＞480MPa或接头厚度＞16mm"), "80"}, {u("②除①外的其它材料"), "10"}}));
    EXPECT_EQ(PreheatTable::rows("Fe-4"),
              (QList<PreheatRow>{{u("①规定最小抗拉强度＞410MPa或接头厚度＞13mm"), "120"}, {u("②除①外的其它材料"), "10"}}));
    EXPECT_EQ(PreheatTable::rows("Fe-5"),
              (QList<PreheatRow>{{u("①规定最小抗拉强度＞410MPa"), "200"},
                                 {u("②规定最低铬含量＞6.0%且接头厚度＞13mm"), "200"},
                                 {u("③除①、②外的其它材料"), "150"}}));
    EXPECT_EQ(PreheatTable::rows("Fe-8"), (QList<PreheatRow>{{u("不预热"), ""}}));
    EXPECT_EQ(PreheatTable::rows("Fe-9"), (QList<PreheatRow>{{"", "150"}}));
    EXPECT_TRUE(PreheatTable::rows("Fe-2").isEmpty());
    EXPECT_TRUE(PreheatTable::rows("Fe-1-1").isEmpty());
    EXPECT_TRUE(PreheatTable::rows("").isEmpty());
}

TEST(PreheatTable, EveryNodeOfTheTreeResolvesToItsGroup)
{
    const std::map<QString, int> rowCounts = {{"Fe-1", 2}, {"Fe-3", 2}, {"Fe-4", 2}, {"Fe-5", 3},
                                              {"Fe-6", 1}, {"Fe-7", 1}, {"Fe-8", 1}, {"Fe-9", 1}};
    int nodes = 0;
    for (const ReferenceNode &group : PreheatTable::tree()) {
        ASSERT_EQ(PreheatTable::groupOf(group.text, ""), group.text);
        EXPECT_EQ(PreheatTable::rows(group.text).size(), rowCounts.at(group.text));
        ++nodes;
        for (const ReferenceNode &grade : group.children) {
            EXPECT_EQ(PreheatTable::groupOf(grade.text, group.text), group.text) << grade.text.toStdString();
            ++nodes;
        }
    }
    EXPECT_EQ(nodes, 8 + 60);
    EXPECT_FALSE(PreheatTable::groupOf("16MnR", ""));
    EXPECT_FALSE(PreheatTable::groupOf("Fe-1-1", ""));
}
