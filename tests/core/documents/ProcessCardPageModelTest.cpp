#include "ProcessFixture.h"
#include "support/RecordingPrompter.h"

#include "core/documents/ProcessCardPageModel.h"

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::ProcessProgramDirectory;
using zelvan::test::RecordingPrompter;

TEST(ProcessCardLists, BlankLinesAreSkippedSoTheStandardsAreNumberedWithoutGaps)
{
    ProcessProgramDirectory program;
    RecordingPrompter prompter;
    const auto opened = ProcessCardPageModel::open(program.path(), prompter);
    EXPECT_TRUE(prompter.entries.isEmpty());
    EXPECT_TRUE(opened.showStoredValues);
    ASSERT_EQ(opened.lists.standards.size(), 3u);
    EXPECT_EQ(fromGbk(opened.lists.standards[1]), QStringLiteral("JB/T4710-2005钢制塔式容器"));
    EXPECT_EQ(fromGbk(opened.lists.standards[2]), QStringLiteral("HG20584-1998钢制化工容器制造技术要求"));
    ASSERT_EQ(opened.lists.externalForms.size(), 2u);
    EXPECT_EQ(fromGbk(opened.lists.externalForms[1]), QStringLiteral("鞍座式"));
    EXPECT_EQ(ProcessCardLists::processDiagramPath(program.path(), opened.lists.externalForms[1]),
              program.path() + QStringLiteral("工序图/工序图-鞍座式.JPG"));
}

TEST(ProcessCardLists, AMissingStandardsFileShowsNothingStored)
{
    ProcessProgramDirectory program;
    program.remove(QStringLiteral("标准及规范.txt"));
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("无法打开标准及规范.txt文件！"));
    const auto opened = ProcessCardPageModel::open(program.path(), prompter);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("无法打开标准及规范.txt文件！"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Information);
    EXPECT_FALSE(opened.showStoredValues);
    EXPECT_TRUE(opened.lists.standards.empty());
    EXPECT_TRUE(opened.lists.externalForms.empty());
}

TEST(ProcessCardLists, AMissingFormsListKeepsTheStandards)
{
    ProcessProgramDirectory program;
    program.remove(QStringLiteral("工序图/工序图列表.txt"));
    RecordingPrompter prompter;
    prompter.expectMessage(QStringLiteral("无法打开工序图列表.txt文件！"));
    const auto opened = ProcessCardPageModel::open(program.path(), prompter);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("无法打开工序图列表.txt文件！")});
    EXPECT_FALSE(opened.showStoredValues);
    EXPECT_EQ(opened.lists.standards.size(), 3u);
    EXPECT_TRUE(opened.lists.externalForms.empty());
}

TEST(ProcessCardChecks, EntryIHoldsIWhileLineIIsChecked)
{
    ProjectRecord record;
    record.setStandard(7, "x");
    ProcessCardPageModel::storeStandardChecks(record, {true, false, true});
    EXPECT_EQ(record.standard(0), "0");
    EXPECT_EQ(record.standard(1), "");
    EXPECT_EQ(record.standard(2), "2");
    EXPECT_EQ(record.standard(7), ""); // every entry is rewritten
    EXPECT_EQ(ProcessCardPageModel::checkedStandards(record, 3), (std::vector<bool>{true, false, true}));

    // Unchecking clears the entry, so the line is unchecked when reopened.
    ProcessCardPageModel::storeStandardChecks(record, {false, false, true});
    EXPECT_EQ(record.standard(0), "");
    EXPECT_EQ(ProcessCardPageModel::checkedStandards(record, 3), (std::vector<bool>{false, false, true}));
}

TEST(ProcessCardChecks, TheLineCheckedIsTheOneTheEntryNames)
{
    ProjectRecord record;
    record.setStandard(0, "2");  // an entry naming another line checks that line
    record.setStandard(5, "40"); // a line the list does not have
    EXPECT_EQ(ProcessCardPageModel::checkedStandards(record, 3), (std::vector<bool>{false, false, true}));
    const std::vector<std::string> names{"a", "b", "c"};
    EXPECT_EQ(ProcessCardPageModel::checkedStandardNames(record, names), (std::vector<std::string>{"c"}));
}

TEST(ProcessCardChecks, OnlyTheFirstHundredStandardsAreRemembered)
{
    ProjectRecord record;
    std::vector<bool> checks(120, true);
    ProcessCardPageModel::storeStandardChecks(record, checks);
    EXPECT_EQ(record.standard(99), "99");
    const std::vector<bool> restored = ProcessCardPageModel::checkedStandards(record, 120);
    EXPECT_TRUE(restored[99]);
    EXPECT_FALSE(restored[100]);
    EXPECT_FALSE(restored[119]);
}

TEST(ProcessCardDropDowns, AStoredTextSelectsOnlyTheItemEqualToIt)
{
    EXPECT_EQ(ProcessCardPageModel::itemIndex(ProcessCardPageModel::acceptanceLevels(), gbk("III级")), 2);
    EXPECT_EQ(ProcessCardPageModel::itemIndex(ProcessCardPageModel::acceptanceLevels(), gbk("III")), -1);
    EXPECT_EQ(ProcessCardPageModel::itemIndex(ProcessCardPageModel::ndtStandards(), "SY/T 0449-1997"), 2);
    EXPECT_EQ(ProcessCardPageModel::itemIndex(ProcessCardPageModel::mainMaterials(), "0Cr13"), 16);
    EXPECT_EQ(ProcessCardPageModel::mainMaterials().size(), 17);
    EXPECT_EQ(ProcessCardPageModel::itemIndex(ProcessCardPageModel::ndtRatios(), ""), -1);
    ProjectRecord record;
    record.setProcess(ProcessField::ExternalForm, gbk("鞍座"));
    EXPECT_FALSE(ProcessCardPageModel::hasExternalForm(record, {gbk("鞍座式")}));
    record.setProcess(ProcessField::ExternalForm, gbk("鞍座式"));
    EXPECT_TRUE(ProcessCardPageModel::hasExternalForm(record, {gbk("支座式"), gbk("鞍座式")}));
}
