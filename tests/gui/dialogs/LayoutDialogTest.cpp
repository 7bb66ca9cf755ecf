#include "support/RecordingPrompter.h"

#include "gui/dialogs/LayoutDialog.h"
#include "core/project/TextCodec.h"

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

TEST(LayoutDialog, SummaryMaterialAndSpecification)
{
    ProjectRecord record;
    record.setField(Field::VesselType, "1");
    record.table(TableId::ShellCourses).assignRows({std::vector<std::string>(6, "1"), std::vector<std::string>(6, "1"),
                                                    std::vector<std::string>(6, "1")});
    record.table(TableId::Nozzles).assignRows({std::vector<std::string>(14, "1"), std::vector<std::string>(14, "1")});
    record.table(TableId::Plates).assignRows({{"1", "Q235B", "H1", "1", "1", "1", "1"}, std::vector<std::string>(7, "x"),
                                              std::vector<std::string>(7, "x"), std::vector<std::string>(7, "x")});
    record.setProcess(ProcessField::InnerDiameter, "1200");
    record.setProcess(ProcessField::OverallLength, "3600");
    record.setProcess(ProcessField::WallThickness, "12");
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    EXPECT_EQ(dialog.summaryText(),
              QStringLiteral("容器型式: 卧式            筒节数: 3\t 接管数: 2\t 所用板材数: 4"));
    EXPECT_EQ(dialog.materialEdit()->text(), "Q235B");
    EXPECT_EQ(dialog.specificationEdit()->text(), QStringLiteral("φ1200*3600*12"));
}

TEST(LayoutDialog, WithoutPlatesShowsUnknownAndGenerationIsRefused)
{
    ProjectRecord record;
    record.setField(Field::VesselType, "0");
    record.table(TableId::ShellCourses).assignRows({std::vector<std::string>(6, "1")});
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    EXPECT_EQ(dialog.materialEdit()->text(), QStringLiteral("未知"));
    EXPECT_TRUE(dialog.summaryText().startsWith(QStringLiteral("容器型式: 立式            筒节数: 1\t 接管数: 0")));
    dialog.generate(false);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"));
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("错误"));
}

TEST(LayoutDialog, GeneratesTheDrawingWithThePickedDates)
{
    QTemporaryDir dir;
    ProjectRecord record;
    record.setField(Field::VesselType, "0");
    record.setField(Field::ProjectName, "P1");
    record.setField(Field::VesselName, gbk("储罐"));
    record.setField(Field::ProjectDirectory, toGbk(dir.path() + "/"));
    record.table(TableId::ShellCourses).assignRows({{"1", "a", "1000", "10", "1200", "Q235B"}});
    record.table(TableId::Plates).assignRows({{"1", "Q235B", "H1", "1", "1", "1", "1"}});
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    dialog.reviewDateEdit()->setDate(QDate(2026, 1, 2));
    dialog.generate(false);
    const QString path = dir.filePath(QStringLiteral("P1-储罐-排版图.dxf"));
    ASSERT_TRUE(QFile::exists(path)) << prompter.texts().join('|').toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("2026-01-02"));
}
