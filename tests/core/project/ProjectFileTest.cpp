#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;

namespace {
QByteArray readAll(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(ProjectFile, MissingAndUnreadableFilesNameThePath)
{
    QTemporaryDir dir;
    ProjectRecord record;
    CompanyInfo company;
    const QString missing = dir.filePath("none.pcp");
    FileResult r = ProjectFile::load(missing, record, company);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("没有找到 %1。").arg(QDir::toNativeSeparators(missing)));
    r = ProjectFile::load(dir.path(), record, company);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("对 %1 的存取被拒绝。").arg(QDir::toNativeSeparators(dir.path())));
}

TEST(ProjectFile, BadContentIsRefusedWithUnexpectedFormat)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.pcp");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x05" "ab", 3);
    f.close();
    ProjectRecord record;
    CompanyInfo company;
    const FileResult r = ProjectFile::load(path, record, company);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("非预期的文件格式。"));
}

TEST(ProjectFile, SaveIsAtomicAndFailuresKeepThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("vessel.pcp");
    ProjectRecord record;
    record.setField(Field::ProjectName, "first");
    ASSERT_TRUE(ProjectFile::save(path, record, CompanyInfo::initial()).ok);
    const QByteArray first = readAll(path);

    // A target that is a directory cannot be written.
    const QString dirTarget = dir.filePath("folder.pcp");
    QDir().mkdir(dirTarget);
    FileResult r = ProjectFile::save(dirTarget, record, CompanyInfo::initial());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("对 %1 的存取被拒绝。").arg(QDir::toNativeSeparators(dirTarget)));

    // A folder that does not exist.
    const QString noFolder = dir.filePath("missing/vessel.pcp");
    r = ProjectFile::save(noFolder, record, CompanyInfo::initial());
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("没有找到 %1。").arg(QDir::toNativeSeparators(noFolder)));
    EXPECT_EQ(readAll(path), first);
    // No temporary files are left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vessel.pcp"});
}

TEST(ProjectFile, WriteFailureKeepsTheOldFileAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("vessel.pcp");
    ASSERT_TRUE(AtomicFile::write(path, "old").ok);
    AtomicFile::setWriteLimitForTesting(10);
    const FileResult r = AtomicFile::write(path, std::string(100000, 'x'));
    AtomicFile::setWriteLimitForTesting(-1);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("保存文档失败。"));
    EXPECT_EQ(readAll(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"vessel.pcp"});
}

TEST(CZelvanDoc, ModifiedMarkerFollowsTheFlag)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    doc.setTitle("P1");
    doc.setModifiedFlag(true);
    EXPECT_EQ(doc.title(), "P1 *");
    doc.setModifiedFlag(true);
    EXPECT_EQ(doc.title(), "P1 *");
    doc.setModifiedFlag(false);
    EXPECT_EQ(doc.title(), "P1");
    doc.setModifiedFlag(false);
    EXPECT_EQ(doc.title(), "P1");
}

TEST(CZelvanDoc, SaveSetsPathFieldsAndOpenRestoresCompany)
{
    QTemporaryDir dir;
    CompanyInfo company{gbk("岳川明容器厂"), "TS123"};
    CZelvanDoc doc(company);
    doc.setTitle("P1");
    doc.record().setField(Field::ProjectName, "P1");
    doc.setModifiedFlag(true);
    const QString chosen = dir.filePath("name.txt");
    ASSERT_TRUE(doc.save(chosen).ok);
    const QString written = chosen + ".pcp";
    EXPECT_TRUE(QFile::exists(written));
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectFilePath)), written);
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectDirectory)), dir.path() + "/");
    EXPECT_EQ(doc.rememberedSavePath(), written);
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(doc.title(), "P1");

    CompanyInfo appCompany = CompanyInfo::initial();
    CZelvanDoc opened(appCompany);
    ASSERT_TRUE(opened.open(written).ok);
    EXPECT_EQ(appCompany.name, gbk("岳川明容器厂"));
    EXPECT_EQ(appCompany.licence, "TS123");
    EXPECT_EQ(opened.title(), "name.txt.pcp");
    EXPECT_EQ(opened.documentPath(), written);
    EXPECT_EQ(opened.rememberedSavePath(), written);
}

TEST(CZelvanDoc, CloseTimeSaveKeepsField1)
{
    QTemporaryDir dir;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    doc.setTitle("P1");
    doc.record().setField(Field::ProjectFilePath, "C:\\old\\P1.pcp");
    doc.setModifiedFlag(true);
    const QString target = dir.filePath("closing");
    ASSERT_TRUE(doc.saveOnClose(target).ok);
    EXPECT_EQ(doc.record().field(Field::ProjectFilePath), "C:\\old\\P1.pcp");
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectDirectory)), dir.path() + "/");
    EXPECT_EQ(doc.documentPath(), target + ".pcp");
    EXPECT_EQ(doc.title(), "closing.pcp");
    EXPECT_TRUE(doc.rememberedSavePath().isEmpty());
}

TEST(CZelvanDoc, FailedSaveLeavesTheProjectModified)
{
    QTemporaryDir dir;
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    doc.setTitle("P1");
    const FileResult r = doc.save(dir.filePath("missing/P1"));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.title(), "P1 *");
}

TEST(CZelvanDoc, FailedOpenChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.pcp");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(std::string(198, '\0').c_str(), 198);
    f.close();
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc(company);
    const FileResult r = doc.open(path);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, QStringLiteral("非预期的文件格式。"));
    EXPECT_EQ(company, CompanyInfo::initial());
    EXPECT_TRUE(doc.documentPath().isEmpty());
}
