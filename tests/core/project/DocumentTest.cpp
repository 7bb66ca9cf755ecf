// The document's own save and open rules, without a window.
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;

TEST(Document, OpeningPutsFieldsOneAndTwoWhereTheFileIs)
{
    QTemporaryDir dir;
    ProjectRecord record;
    record.setField(Field::ProjectFilePath, gbk("D:\\工程\\a.pcp"));
    record.setField(Field::ProjectDirectory, gbk("D:\\工程\\"));
    const CompanyInfo stored{gbk("某厂"), "L-1"};
    ASSERT_TRUE(ProjectFile::save(dir.filePath("a.pcp"), record, stored).ok);

    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const FileResult opened = doc.open("a.pcp"); // a relative name, as given on a command line
    QDir::setCurrent(before);
    ASSERT_TRUE(opened.ok);
    const QString absolute = QDir(dir.path()).absoluteFilePath("a.pcp");
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectFilePath)), absolute);
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectDirectory)), dir.path() + "/");
    EXPECT_EQ(doc.rememberedSavePath(), absolute);
    EXPECT_EQ(doc.documentPath(), absolute);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(company.name, gbk("某厂"));
}

TEST(Document, AnEmptyFileKeepsTheCompanyInformation)
{
    QTemporaryDir dir;
    QFile empty(dir.filePath("e.pcp"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    CompanyInfo company{gbk("岳川容器厂"), "TS-9"};
    CZelvanDoc doc(company);
    ASSERT_TRUE(doc.open(dir.filePath("e.pcp")).ok);
    EXPECT_EQ(company.name, gbk("岳川容器厂"));
    EXPECT_EQ(company.licence, "TS-9");
    EXPECT_EQ(doc.title(), "e.pcp");
}

TEST(Document, AFailedSaveForgetsThePathItTried)
{
    QTemporaryDir dir;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    doc.setTitle("P1");
    EXPECT_FALSE(doc.save(dir.filePath("missing/v")).ok);
    EXPECT_TRUE(doc.rememberedSavePath().isEmpty());
    EXPECT_TRUE(doc.record().field(Field::ProjectFilePath).empty());
    EXPECT_TRUE(doc.record().field(Field::ProjectDirectory).empty());
    EXPECT_TRUE(doc.isModified());

    ASSERT_TRUE(doc.save(dir.filePath("v")).ok);
    EXPECT_EQ(doc.title(), "P1");
    // A failed "另存为" leaves the project where it was saved.
    doc.setModifiedFlag(true);
    EXPECT_FALSE(doc.saveAs(dir.filePath("missing/w")).ok);
    EXPECT_EQ(doc.rememberedSavePath(), dir.filePath("v.pcp"));
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectFilePath)), dir.filePath("v.pcp"));
    EXPECT_TRUE(doc.documentPath().isEmpty());
    EXPECT_EQ(doc.title(), "P1 *");
    // A successful one makes the new file the project.
    ASSERT_TRUE(doc.saveAs(dir.filePath("w")).ok);
    EXPECT_EQ(doc.documentPath(), dir.filePath("w.pcp"));
    EXPECT_EQ(doc.rememberedSavePath(), dir.filePath("w.pcp"));
    EXPECT_EQ(doc.title(), "w.pcp");
    EXPECT_FALSE(doc.isModified());
}
