// The layout dialog's copy of the project: material, specification and the
// summary line the dialog shows.
#include "core/drawing/LayoutInputs.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

using namespace zelvan;

namespace {
ProjectRecord sampleRecord()
{
    ProjectRecord r;
    r.setField(Field::ProjectName, gbk("项目"));
    r.setField(Field::ProjectDirectory, "/p/");
    r.setField(Field::VesselType, "1");
    r.setField(Field::VesselName, gbk("卧罐"));
    r.setField(Field::DrawingNumber, "D-1");
    r.setField(Field::ProductNumber, "C-1");
    r.setField(Field::FirstHeadInnerDiameter, "1600");
    r.setProcess(ProcessField::InnerDiameter, "1600");
    r.setProcess(ProcessField::OverallLength, "5200");
    r.setProcess(ProcessField::WallThickness, "12");
    r.setProcess(ProcessField::MainWeldNdtMethod, "RT");
    r.setProcess(ProcessField::TestPressure, "2.1");
    Table &courses = r.table(TableId::ShellCourses);
    courses.assignRows({{"1", "", "1000", "12", "1600", ""}, {"2", "", "1000", "12", "1600", ""},
                        {"3", "", "1000", "12", "1600", ""}});
    r.table(TableId::Nozzles).assignRows(std::vector<std::vector<std::string>>(2, std::vector<std::string>(14, "x")));
    r.table(TableId::Plates).assignRows({{"1", gbk("16MnR"), "A1", "", "", "", ""}, {"2", "Q235B", "A2", "", "", "", ""},
                                         {"3", "Q235B", "A3", "", "", "", ""}, {"4", "Q235B", "A4", "", "", "", ""}});
    return r;
}
} // namespace

TEST(LayoutInputs, CopiesTheRecordAndComputesMaterialAndSpecification)
{
    const LayoutInputs in = LayoutInputs::fromRecord(sampleRecord());
    EXPECT_EQ(in.projectName, gbk("项目"));
    EXPECT_EQ(in.projectDirectory, "/p/");
    EXPECT_EQ(in.courses.size(), 3u);
    EXPECT_EQ(in.nozzles.size(), 2u);
    EXPECT_EQ(in.plates.size(), 4u);
    EXPECT_EQ(in.material, gbk("16MnR"));
    EXPECT_EQ(in.specification, gbk("φ1600*5200*12"));
    EXPECT_EQ(in.mainWeldNdtMethod, "RT");
    EXPECT_EQ(in.testPressure, "2.1");
    EXPECT_EQ(in.firstHeadInnerDiameter, "1600");
}

TEST(LayoutInputs, HorizontalSummaryLine)
{
    const LayoutInputs in = LayoutInputs::fromRecord(sampleRecord());
    EXPECT_EQ(fromGbk(in.summaryLine()),
              QStringLiteral("容器型式: 卧式            筒节数: 3\t 接管数: 2\t 所用板材数: 4"));
}

TEST(LayoutInputs, WithoutPlatesMaterialIsUnknownAndEmptyCountsReadZero)
{
    ProjectRecord r = sampleRecord();
    r.setField(Field::VesselType, "0");
    r.table(TableId::Plates).setCountText("");
    r.table(TableId::Nozzles).setCountText("");
    const LayoutInputs in = LayoutInputs::fromRecord(r);
    EXPECT_EQ(in.material, gbk("未知"));
    EXPECT_TRUE(in.plates.empty());
    EXPECT_EQ(in.plateCount, "0");
    EXPECT_EQ(fromGbk(in.summaryLine()),
              QStringLiteral("容器型式: 立式            筒节数: 3\t 接管数: 0\t 所用板材数: 0"));
}

TEST(LayoutInputs, RowsBeyondTheCountAreNotCopied)
{
    ProjectRecord r = sampleRecord();
    r.table(TableId::ShellCourses).setCountText("2");
    const LayoutInputs in = LayoutInputs::fromRecord(r);
    EXPECT_EQ(in.courses.size(), 2u);
    EXPECT_EQ(in.courseCount, "2");
}
