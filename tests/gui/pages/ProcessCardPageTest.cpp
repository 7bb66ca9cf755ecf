#include "support/RecordingPrompter.h"

#include "gui/pages/ProcessCardPage.h"
#include "core/project/AppPaths.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

namespace {
void writeGbk(const QString &path, const std::string &utf8)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string bytes = gbk(utf8);
    f.write(bytes.data(), qint64(bytes.size()));
}

struct ProcessCardFixture : ::testing::Test {
    QTemporaryDir dir;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;

    void SetUp() override
    {
        setProgramDirectoryForTesting(dir.path());
        QDir(dir.path()).mkdir(QStringLiteral("工序图"));
        writeGbk(dir.filePath(QStringLiteral("标准及规范.txt")), "GB/T 150-2011 压力容器\r\n\r\nGB/T 151-2014 热交换器\r\n\nNB/T 47041-2014 塔式容器\r\n");
        writeGbk(dir.filePath(QStringLiteral("工序图/工序图列表.txt")), "立式支腿\n卧式鞍座\n");
        doc.record().setProcess(ProcessField::InnerDiameter, "1200");
        doc.record().setProcess(ProcessField::ExternalForm, gbk("卧式鞍座"));
        doc.record().setProcess(ProcessField::MainMaterial, gbk("不存在的材质"));
        doc.record().setStandard(2, "2");
    }
    void TearDown() override { setProgramDirectoryForTesting(QString()); }
};
} // namespace

TEST_F(ProcessCardFixture, ListsAreFilledAndStoredValuesShown)
{
    ProcessCardPage page(doc, prompter);
    EXPECT_TRUE(prompter.entries.isEmpty());
    QTableWidget *list = page.standardsList();
    ASSERT_EQ(list->rowCount(), 3); // blank lines are not numbered
    EXPECT_EQ(list->item(2, 0)->text(), "3");
    EXPECT_EQ(list->item(2, 1)->text(), QStringLiteral("NB/T 47041-2014 塔式容器"));
    EXPECT_EQ(list->item(2, 0)->checkState(), Qt::Checked);
    EXPECT_EQ(list->item(0, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(page.externalFormList()->count(), 2);
    EXPECT_EQ(page.externalFormList()->currentText(), QStringLiteral("卧式鞍座"));
    EXPECT_EQ(page.mainMaterialList()->currentIndex(), -1); // stored text not among the items
    EXPECT_EQ(page.innerDiameterEdit()->text(), "1200");
    EXPECT_EQ(doc.record().process(ProcessField::MainMaterial), gbk("不存在的材质"));
}

TEST_F(ProcessCardFixture, ChecksAreStoredWhenTheListLosesFocusAndEditsMark)
{
    ProcessCardPage page(doc, prompter);
    EXPECT_FALSE(doc.isModified());
    page.innerDiameterEdit()->setText("1400");
    EXPECT_EQ(doc.record().process(ProcessField::InnerDiameter), "1400");
    EXPECT_TRUE(doc.isModified());
    doc.setModifiedFlag(false);
    page.mainMaterialList()->setCurrentIndex(9);
    emit page.mainMaterialList()->activated(9);
    EXPECT_EQ(doc.record().process(ProcessField::MainMaterial), "16MnR");
    EXPECT_TRUE(doc.isModified());

    doc.setModifiedFlag(false);
    page.standardsList()->item(0, 0)->setCheckState(Qt::Checked);
    page.standardsList()->item(2, 0)->setCheckState(Qt::Unchecked);
    page.storeStandardChecks();
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.record().standard(0), "0");
    EXPECT_EQ(doc.record().standard(2), "");
    EXPECT_EQ(doc.record().standard(1), "");
}

TEST_F(ProcessCardFixture, MissingListFilesShowTheirMessagesAndNoStoredValues)
{
    QFile::remove(dir.filePath(QStringLiteral("工序图/工序图列表.txt")));
    {
        prompter.expectMessage(QStringLiteral("无法打开工序图列表.txt文件！"));
        ProcessCardPage page(doc, prompter);
        EXPECT_EQ(prompter.lastText(), QStringLiteral("无法打开工序图列表.txt文件！"));
        EXPECT_EQ(page.standardsList()->rowCount(), 3);
        EXPECT_EQ(page.externalFormList()->count(), 0);
        EXPECT_TRUE(page.innerDiameterEdit()->text().isEmpty());
        EXPECT_EQ(page.standardsList()->item(2, 0)->checkState(), Qt::Unchecked);
    }
    QFile::remove(dir.filePath(QStringLiteral("标准及规范.txt")));
    prompter.clear();
    prompter.expectMessage(QStringLiteral("无法打开标准及规范.txt文件！"));
    ProcessCardPage page(doc, prompter);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("无法打开标准及规范.txt文件！"));
    EXPECT_EQ(page.standardsList()->rowCount(), 0);
    EXPECT_EQ(doc.record().process(ProcessField::InnerDiameter), "1200");
    EXPECT_EQ(doc.record().standard(2), "2");
}

TEST_F(ProcessCardFixture, GenerateRefusesAnUnsavedProjectFirst)
{
    ProcessCardPage page(doc, prompter);
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    page.generate(false);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("导出Word前请先保存项目！")});

    EXPECT_TRUE(page.statusField()->text().isEmpty());
}
