#include "core/project/ProjectLifecycle.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

using namespace zelvan;
using namespace zelvan::ProjectLifecycle;

TEST(ProjectLifecycle, PcpSuffixRules)
{
    EXPECT_EQ(withPcpSuffix("/a/b"), "/a/b.pcp");
    EXPECT_EQ(withPcpSuffix("/a/b.pcp"), "/a/b.pcp");
    EXPECT_EQ(withPcpSuffix("/a/b.txt"), "/a/b.txt.pcp");
    EXPECT_EQ(withPcpSuffix("/a/b.PCP"), "/a/b.PCP.pcp");
}

TEST(ProjectLifecycle, DirectoryKeepsTheLastSeparator)
{
    EXPECT_EQ(directoryOf("/home/u/p/x.pcp"), "/home/u/p/");
    EXPECT_EQ(directoryOf("C:\\vessels\\x.pcp"), "C:\\vessels\\");
    EXPECT_EQ(directoryOf("x.pcp"), "");
}

TEST(ProjectLifecycle, NewProjectValuesAndDates)
{
    ProjectRecord record;
    NewProjectValues v;
    v.projectName = QStringLiteral("储罐项目");
    v.vesselType = VesselType::Horizontal;
    v.vesselName = QStringLiteral("储罐");
    v.productNumber = "C-01";
    v.drawingNumber = "DWG-7";
    v.createdAt = QDateTime(QDate(2026, 3, 5), QTime(7, 8, 9));
    applyNewProject(record, v);
    EXPECT_EQ(record.field(Field::ProjectName), gbk("储罐项目"));
    EXPECT_EQ(record.field(Field::VesselType), "1");
    EXPECT_EQ(record.field(Field::CreationTime), "2026-03-05 07:08:09");
    EXPECT_EQ(record.field(Field::StartDate), "2026-03-05");
    EXPECT_EQ(record.field(Field::FinishDate), "2026-03-05");
    EXPECT_EQ(record.field(Field::ProjectFilePath), "");
}

TEST(ProjectLifecycle, CloseQuestionNames)
{
    EXPECT_EQ(closeQuestionName("/x/y/储罐.pcp", "ignored"), QStringLiteral("储罐.pcp"));
    EXPECT_EQ(closeQuestionName("", "P1 *"), "P1 *");
    EXPECT_EQ(closeQuestionName("", ""), QStringLiteral("无标题"));
    EXPECT_EQ(closeQuestion("P1 *"), QStringLiteral("将改动保存到 P1 *？"));
}

