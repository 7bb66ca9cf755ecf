// The welding procedure card page's table rules without widgets: which slot
// a consumable or parameter row takes, what deleting and updating leave in
// the tables, the duplicate check and the capacity of each table.
#include "core/documents/WeldingCardModel.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

using namespace zelvan;
using Row = WeldingCardModel::Row;

namespace {

Row card(const std::string &number)
{
    return {number, "", gbk("手工焊"), gbk("对接焊缝"), "16MnR", "12", gbk("平焊"), gbk("单边单面V型坡口"), "",
            "", "", "RT", "GB150", "20%", gbk("II级")};
}

Row consumable(const std::string &number, const std::string &specification)
{
    return {number, specification, gbk("350℃×1h")};
}

Row parameter(const std::string &number, const std::string &layer)
{
    return {number, layer, "3.2", "110", "22", "8", ""};
}

struct CardTables : ::testing::Test {
    ProjectRecord record;
    Table &cards = record.table(TableId::WeldingCards);
    Table &consumables = record.table(TableId::CardConsumables);
    Table &parameters = record.table(TableId::CardParameters);

    std::vector<std::string> column(const Table &table, int c) const
    {
        std::vector<std::string> cells;
        for (int r = 0; r < table.rowCount(); ++r)
            cells.push_back(table.cell(r, c));
        return cells;
    }
};

} // namespace

TEST_F(CardTables, PageOpenListsEveryLiveRowAndACardClickOnlyItsOwn)
{
    cards.assignRows({card("A"), card("B")});
    consumables.assignRows({consumable("A", "J507"), consumable("", "J422"), consumable("B", "H08A"), consumable("A", "J506")});
    parameters.assignRows({parameter("B", "1"), parameter("A", "1"), parameter("", "9")});
    WeldingCardModel model(record);
    EXPECT_EQ(model.cards().listedRows(), (std::vector<Row>{card("A"), card("B")}));
    EXPECT_EQ(model.consumables().listedRows(),
              (std::vector<Row>{consumable("A", "J507"), consumable("B", "H08A"), consumable("A", "J506")}));
    EXPECT_EQ(model.parameters().listedRows(), (std::vector<Row>{parameter("B", "1"), parameter("A", "1")}));

    model.showRowsOf("A");
    EXPECT_EQ(model.consumables().listedRows(), (std::vector<Row>{consumable("A", "J507"), consumable("A", "J506")}));
    EXPECT_EQ(model.parameters().listedRows(), (std::vector<Row>{parameter("A", "1")}));
    // Match is exact and case-sensitive; no card selected lists nothing
    // (deleted rows, whose 编号 is empty, are never listed).
    model.showRowsOf("a");
    EXPECT_TRUE(model.consumables().listedRows().empty());
    model.showRowsOf("");
    EXPECT_TRUE(model.consumables().listedRows().empty());
    EXPECT_TRUE(model.parameters().listedRows().empty());
}

TEST_F(CardTables, DuplicateConsumableRefusedAmongShownRowsOnly)
{
    WeldingCardModel model(record);
    ListRowStore &store = model.consumables();
    store.add(consumable("A", "J507"));
    EXPECT_EQ(store.refusal(consumable("A", "J507"), -1), QStringLiteral("不能增加重复记录！"));
    EXPECT_TRUE(store.refusal(consumable("B", "J507"), -1).isEmpty());
    EXPECT_TRUE(store.refusal({"A", "J507", gbk("150℃×1h")}, -1).isEmpty());
    store.add(consumable("B", "J507"));
    // After clicking card B only its rows count: A's row may be entered
    // again while B's is shown.
    model.showRowsOf("B");
    EXPECT_TRUE(store.refusal(consumable("A", "J507"), -1).isEmpty());
    EXPECT_FALSE(store.refusal(consumable("B", "J507"), -1).isEmpty());
    // An edited row is not compared with itself, but with the others.
    store.add(consumable("B", "J422"));
    EXPECT_TRUE(store.refusal(consumable("B", "J507"), 0).isEmpty());
    EXPECT_FALSE(store.refusal(consumable("B", "J422"), 0).isEmpty());
    // Parameter rows have no duplicate check.
    model.parameters().add(parameter("A", "1"));
    EXPECT_TRUE(model.parameters().refusal(parameter("A", "1"), -1).isEmpty());
}

TEST_F(CardTables, ConsumableReusesAFreedSlotAmongTheFirstThreeOnly)
{
    WeldingCardModel model(record);
    ListRowStore &store = model.consumables();
    for (const char *spec : {"S1", "S2", "S3", "S4", "S5"})
        store.add(consumable("A", spec));
    ASSERT_EQ(consumables.countText(), "5");

    store.remove(1); // the second row: its 编号 is blanked, the count stays
    EXPECT_EQ(consumables.countText(), "5");
    EXPECT_EQ(column(consumables, 0), (std::vector<std::string>{"A", "", "A", "A", "A"}));
    EXPECT_EQ(consumables.cell(1, 1), "S2");

    store.add(consumable("A", "S6")); // takes the freed second slot
    EXPECT_EQ(consumables.countText(), "5");
    EXPECT_EQ(column(consumables, 1), (std::vector<std::string>{"S1", "S6", "S3", "S4", "S5"}));
    // The list shows the new row last, as it was added.
    EXPECT_EQ(store.listedRows().back(), consumable("A", "S6"));

    store.remove(3); // list row 3 is S5, the fifth slot: beyond the first three
    EXPECT_EQ(consumables.cell(4, 0), "");
    store.add(consumable("A", "S7"));
    EXPECT_EQ(consumables.countText(), "6");
    EXPECT_EQ(column(consumables, 1), (std::vector<std::string>{"S1", "S6", "S3", "S4", "S5", "S7"}));
    EXPECT_EQ(column(consumables, 0), (std::vector<std::string>{"A", "A", "A", "A", "", "A"}));
}

TEST_F(CardTables, NewRowsAreNeverWrittenBeyondTheCount)
{
    // A fresh table's rows past the count are empty; a row written there
    // without growing the count would be lost on saving.
    WeldingCardModel model(record);
    model.consumables().add(consumable("A", "S1"));
    EXPECT_EQ(consumables.countText(), "1");
    model.consumables().add(consumable("A", "S2"));
    EXPECT_EQ(consumables.countText(), "2");
    EXPECT_EQ(column(consumables, 1), (std::vector<std::string>{"S1", "S2"}));
}

TEST_F(CardTables, ParameterRowsAreAlwaysAppended)
{
    parameters.assignRows({parameter("A", "1"), parameter("A", "2")});
    WeldingCardModel model(record);
    model.parameters().remove(0);
    EXPECT_EQ(column(parameters, 0), (std::vector<std::string>{"", "A"}));
    model.parameters().add(parameter("A", "3"));
    EXPECT_EQ(parameters.countText(), "3");
    EXPECT_EQ(column(parameters, 1), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(model.parameters().listedRows(), (std::vector<Row>{parameter("A", "2"), parameter("A", "3")}));
}

TEST_F(CardTables, DeletingACardKeepsItsRowsForANewCardWithTheSameNumber)
{
    WeldingCardModel model(record);
    model.cards().add(card("A"));
    model.cards().add(card("B"));
    model.consumables().add(consumable("A", "J507"));
    model.parameters().add(parameter("A", "1"));
    model.cards().remove(0);
    EXPECT_EQ(cards.countText(), "1");
    EXPECT_EQ(cards.cell(0, 0), "B");
    EXPECT_EQ(consumables.countText(), "1");
    model.cards().add(card("A"));
    EXPECT_EQ(column(cards, 0), (std::vector<std::string>{"B", "A"}));
    model.showRowsOf("A");
    EXPECT_EQ(model.consumables().listedRows(), (std::vector<Row>{consumable("A", "J507")}));
    EXPECT_EQ(model.parameters().listedRows(), (std::vector<Row>{parameter("A", "1")}));
    EXPECT_EQ(WeldingCardModel::consumablesOf(record, "A"), (std::vector<Row>{consumable("A", "J507")}));
}

TEST_F(CardTables, UpdateKeepsThePlaceInListAndTable)
{
    WeldingCardModel model(record);
    for (const char *n : {"A", "B", "C"})
        model.cards().add(card(n));
    model.cards().replace(1, card("B2"));
    EXPECT_EQ(column(cards, 0), (std::vector<std::string>{"A", "B2", "C"}));
    EXPECT_EQ(cards.countText(), "3");

    for (const char *spec : {"S1", "S2", "S3"})
        model.consumables().add(consumable("A", spec));
    model.consumables().replace(1, consumable("A", "NEW"));
    EXPECT_EQ(column(consumables, 1), (std::vector<std::string>{"S1", "NEW", "S3"}));
    EXPECT_EQ(consumables.countText(), "3");
    const auto listed = model.consumables().listedRows();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), consumable("A", "NEW")), 1);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), consumable("A", "S2")), 0);

    model.parameters().add(parameter("A", "1"));
    model.parameters().add(parameter("A", "2"));
    model.parameters().replace(0, parameter("A", "1-2"));
    EXPECT_EQ(column(parameters, 1), (std::vector<std::string>{"1-2", "2"}));
}

TEST_F(CardTables, EachTableHoldsSixHundredRows)
{
    std::vector<Row> full(600, card("A"));
    cards.assignRows(full);
    consumables.assignRows(std::vector<Row>(600, consumable("A", "J507")));
    parameters.assignRows(std::vector<Row>(600, parameter("A", "1")));
    WeldingCardModel model(record);
    EXPECT_TRUE(model.cards().full());
    EXPECT_TRUE(model.consumables().full());
    EXPECT_TRUE(model.parameters().full());
    // A freed consumable slot among the first three makes room again; a
    // parameter row is never written into a freed slot.
    model.consumables().remove(2);
    model.parameters().remove(2);
    EXPECT_FALSE(model.consumables().full());
    EXPECT_TRUE(model.parameters().full());
    model.cards().remove(599);
    EXPECT_FALSE(model.cards().full());
}

TEST_F(CardTables, QualificationChoicesSkipEmptyNumbers)
{
    Table &qualifications = record.table(TableId::Qualifications);
    std::vector<Row> rows(3, Row(17));
    rows[0][0] = "PQR-1";
    rows[2][0] = "PQR-3";
    qualifications.assignRows(rows);
    EXPECT_EQ(WeldingCardModel::qualificationNumbers(record), (std::vector<std::string>{"PQR-1", "PQR-3"}));
}
