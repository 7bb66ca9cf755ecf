#include "core/project/ProjectRecord.h"

#include <gtest/gtest.h>

using namespace zelvan;

TEST(ProjectRecord, TablesHaveTheirCapacitiesAnd22586Slots)
{
    ProjectRecord record;
    int slots = kSingleFieldCount + kProcessFieldCount + kStandardsSelectionSize;
    for (const TableSpec &spec : allTableSpecs()) {
        const Table &table = record.table(spec.id);
        EXPECT_EQ(table.capacity(), spec.capacity);
        EXPECT_EQ(table.columns(), spec.columns);
        slots += 1 + spec.capacity * spec.columns;
    }
    EXPECT_EQ(slots, 22586);
    EXPECT_EQ(record.table(TableId::WeldingCards).capacity(), 600);
    EXPECT_EQ(record.table(TableId::Qualifications).columns(), 17);
}

TEST(ProjectRecord, RowCountReadsLeadingInteger)
{
    ProjectRecord record;
    Table &plates = record.table(TableId::Plates);
    for (auto [text, expected] : std::initializer_list<std::pair<const char *, int>>{
             {"", 0}, {"0", 0}, {"-5", 0}, {"2abc", 2}, {" 3", 3}, {"abc", 0}, {"999999999999", 50}}) {
        plates.setCountText(text);
        EXPECT_EQ(plates.rowCount(), expected) << text;
        EXPECT_EQ(plates.countText(), text);
    }
}

TEST(ProjectRecord, CopyBackWritesRowsThenCountAndLeavesStaleCells)
{
    ProjectRecord record;
    Table &courses = record.table(TableId::ShellCourses);
    ASSERT_TRUE(courses.assignRows({{"1", "a", "1000", "10", "1200", "16MnR"}, {"2", "b", "800", "10", "1200", "16MnR"}}));
    EXPECT_EQ(record.fieldByNumber(64), "2");
    ASSERT_TRUE(courses.assignRows({{"9", "c", "500", "8", "1000", "20R"}}));
    EXPECT_EQ(courses.countText(), "1");
    EXPECT_EQ(courses.cell(0, 0), "9");
    EXPECT_EQ(courses.cell(1, 0), "2"); // stale, ignored by everyone
    EXPECT_EQ(courses.rows().size(), 1u);
    ASSERT_TRUE(courses.assignRows({}));
    EXPECT_EQ(courses.countText(), "0");
    // Beyond the capacity nothing is accepted.
    std::vector<std::vector<std::string>> tooMany(51, std::vector<std::string>(6, "x"));
    EXPECT_FALSE(courses.assignRows(tooMany));
    EXPECT_EQ(courses.countText(), "0");
}

TEST(ProjectRecord, OutOfRangeCellsAreIgnored)
{
    ProjectRecord record;
    Table &t = record.table(TableId::Nozzles);
    t.setCell(80, 0, "x");
    t.setCell(0, 14, "x");
    EXPECT_EQ(t.cell(80, 0), "");
    EXPECT_EQ(t.cell(-1, 0), "");
}
