// Saving a project under real faults: a full disk, a read-only folder, a
// directory in the way, a folder that is gone, a write cut short. Whatever
// happens, the user gets one clear message, the file already on disk stays
// byte for byte, no half-written file or temporary is left behind, and the
// project stays marked modified so it is not lost on close.
#include "FaultFolder.h"

#include "core/project/ProjectMessages.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::FaultFolder;
using zelvan::test::kMountNeedsRoot;
using zelvan::test::readBytes;
using zelvan::test::writeBytes;

namespace {

ProjectRecord smallProject()
{
    ProjectRecord r;
    r.setField(Field::ProjectName, "R-1");
    r.setField(Field::VesselName, gbk("储罐"));
    r.table(TableId::ShellCourses).assignRows({{"1", gbk("筒节"), "1800", "12", "1600", "Q345R"}});
    return r;
}

// Larger than any of the small file systems below can take.
ProjectRecord largeProject()
{
    ProjectRecord r = smallProject();
    r.setProcess(ProcessField::Remarks, std::string(200000, 'x'));
    return r;
}

const CompanyInfo kCompany{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};

QByteArray archiveBytes(const ProjectRecord &record)
{
    const std::string bytes = ProjectArchive::write(record, kCompany);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

struct WriteLimit {
    explicit WriteLimit(qint64 bytes) { AtomicFile::setWriteLimitForTesting(bytes); }
    ~WriteLimit() { AtomicFile::setWriteLimitForTesting(-1); }
};

} // namespace

TEST(SaveFaults, AWriteCutShortKeepsThePreviousFileAndLeavesNothingElse)
{
    FaultFolder folder;
    const QString path = folder.file(QStringLiteral("R-1.pcp"));
    const QByteArray previous = archiveBytes(smallProject());
    ASSERT_TRUE(writeBytes(path, previous));
    const auto before = folder.snapshot();

    for (qint64 limit : {qint64(0), qint64(1), qint64(100), qint64(150000)}) {
        WriteLimit cut(limit);
        const FileResult result = ProjectFile::save(path, largeProject(), kCompany);
        EXPECT_FALSE(result.ok) << limit;
        EXPECT_EQ(result.message, QStringLiteral("保存文档失败。")) << limit;
        EXPECT_EQ(folder.snapshot(), before) << "after a cut at " << limit << " bytes";
    }
    // Without the fault the same save goes through.
    EXPECT_TRUE(ProjectFile::save(path, largeProject(), kCompany).ok);
    EXPECT_EQ(readBytes(path), archiveBytes(largeProject()));
}

TEST(SaveFaults, ADirectoryOfTheTargetNameIsRefusedAndLeftAlone)
{
    FaultFolder folder;
    const QString path = folder.file(QStringLiteral("R-1.pcp"));
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_TRUE(writeBytes(path + QStringLiteral("/inside.txt"), "kept"));
    const FileResult result = ProjectFile::save(path, smallProject(), kCompany);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("对 %1 的存取被拒绝。").arg(path));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(readBytes(path + QStringLiteral("/inside.txt")), "kept");
    EXPECT_EQ(folder.snapshot().size(), 1u);
}

TEST(SaveFaults, AFolderThatIsGoneIsReportedAsNotFound)
{
    FaultFolder folder;
    const QString path = folder.file(QStringLiteral("gone/R-1.pcp"));
    const FileResult result = ProjectFile::save(path, smallProject(), kCompany);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("没有找到 %1。").arg(path));
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("gone"))));
}

TEST(SaveFaults, AFullDiskKeepsThePreviousFile)
{
    FaultFolder folder;
    ASSERT_TRUE(folder.mountTmpfs(64)) << kMountNeedsRoot;
    const QString path = folder.file(QStringLiteral("R-1.pcp"));
    ASSERT_TRUE(writeBytes(path, archiveBytes(smallProject())));
    const auto before = folder.snapshot();

    const FileResult result = ProjectFile::save(path, largeProject(), kCompany);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("保存文档失败。"));
    EXPECT_EQ(folder.snapshot(), before);

    // Space for the small project is still there: saving it again works.
    ProjectRecord changed = smallProject();
    changed.setField(Field::Customer, gbk("用户"));
    EXPECT_TRUE(ProjectFile::save(path, changed, kCompany).ok);
    EXPECT_EQ(readBytes(path), archiveBytes(changed));
}

// A project smaller than the write buffer only reaches the disk when the
// file is flushed at commit; a full disk must fail the save there too, not
// rename an empty temporary over the previous project and report success.
TEST(SaveFaults, ASmallProjectOnAFullDiskIsNotReportedAsSaved)
{
    FaultFolder folder;
    ASSERT_TRUE(folder.mountTmpfs(64)) << kMountNeedsRoot;
    const QString path = folder.file(QStringLiteral("R-1.pcp"));
    ASSERT_TRUE(writeBytes(path, archiveBytes(smallProject())));
    folder.fillUp();
    const auto before = folder.snapshot();

    ProjectRecord changed = smallProject();
    changed.setField(Field::Customer, std::string(3000, 'c'));
    const FileResult result = ProjectFile::save(path, changed, kCompany);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("保存文档失败。"));
    EXPECT_EQ(folder.snapshot(), before);
    EXPECT_EQ(readBytes(path), archiveBytes(smallProject()));
}

TEST(SaveFaults, AReadOnlyFolderKeepsThePreviousFile)
{
    FaultFolder folder;
    ASSERT_TRUE(folder.mountTmpfs(256)) << kMountNeedsRoot;
    const QString path = folder.file(QStringLiteral("R-1.pcp"));
    ASSERT_TRUE(writeBytes(path, archiveBytes(smallProject())));
    ASSERT_TRUE(folder.remountReadOnly());
    const auto before = folder.snapshot();

    const FileResult result = ProjectFile::save(path, largeProject(), kCompany);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("对 %1 的存取被拒绝。").arg(path));
    EXPECT_EQ(folder.snapshot(), before);
    // A new file in the same folder is refused with a file-access message
    // naming it, and nothing is created.
    const QString other = folder.file(QStringLiteral("R-2.pcp"));
    const QString message = ProjectFile::save(other, smallProject(), kCompany).message;
    EXPECT_EQ(message, QStringLiteral("对 %1 的存取被拒绝。").arg(other));

    EXPECT_EQ(folder.snapshot(), before);
}

// The document side: after any failed save the project stays modified and
// the title keeps its marker, so closing the window still asks.
TEST(SaveFaults, AFailedSaveLeavesTheDocumentModified)
{
    FaultFolder folder;
    const bool mounted = folder.mountTmpfs(64);
    ASSERT_TRUE(mounted) << kMountNeedsRoot;
    CompanyInfo company = kCompany;
    CZelvanDoc doc(company);
    doc.record() = mounted ? largeProject() : smallProject();
    doc.setTitle(QStringLiteral("R-1.pcp"));
    doc.setModifiedFlag(true);
    const QString path = folder.file(QStringLiteral("R-1.pcp"));

    {
        // A full disk.
        WriteLimit cut(mounted ? -1 : 10);
        const FileResult result = doc.save(path);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, QStringLiteral("保存文档失败。"));
    }
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.title().endsWith(QStringLiteral(" *"))) << doc.title().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(folder.snapshot().empty());

    // A document that was clean before the failure becomes modified: what is
    // in memory is no longer what is on disk.
    doc.record() = smallProject();
    ASSERT_TRUE(doc.save(path).ok);
    EXPECT_FALSE(doc.isModified());
    {
        WriteLimit cut(5);
        EXPECT_FALSE(doc.saveOnClose(path).ok);
    }
    EXPECT_TRUE(doc.isModified());
    ProjectRecord reread;
    CompanyInfo rereadCompany;
    ASSERT_TRUE(ProjectFile::load(path, reread, rereadCompany).ok);
    EXPECT_EQ(ProjectArchive::write(reread, rereadCompany), ProjectArchive::write(doc.record(), company));
}

TEST(SaveFaults, OpeningADirectoryOrAMissingFileChangesNothing)
{
    FaultFolder folder;
    CompanyInfo company = kCompany;
    CZelvanDoc doc(company);
    doc.record() = smallProject();
    const std::string before = ProjectArchive::write(doc.record(), company);

    const QString dir = folder.file(QStringLiteral("dir.pcp"));
    ASSERT_TRUE(QDir().mkpath(dir));
    EXPECT_EQ(doc.open(dir).message, QStringLiteral("对 %1 的存取被拒绝。").arg(dir));
    const QString missing = folder.file(QStringLiteral("missing.pcp"));
    EXPECT_EQ(doc.open(missing).message, QStringLiteral("没有找到 %1。").arg(missing));
    EXPECT_EQ(ProjectArchive::write(doc.record(), company), before);
    EXPECT_EQ(company, kCompany);
}
