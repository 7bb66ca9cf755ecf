// The recovery copies: what a copy brings back, which copies are offered at
// start-up, and that writing one never endangers the project file.
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/RecoveryStore.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>

using namespace zelvan;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

QByteArray sampleBytes()
{
    return readAll(qEnvironmentVariable("ZELVAN_SOURCE_DIR") + QStringLiteral("/samples/vertical-storage-tank.pcp"));
}

QStringList keysOf(const std::vector<RecoveryEntry> &entries)
{
    QStringList keys;
    for (const RecoveryEntry &e : entries)
        keys.append(e.key);
    return keys;
}

struct RecoveryStoreTest : ::testing::Test {
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("data/recovery")); }
    QString project(const QString &name) const { return dir.filePath(QStringLiteral("projects/") + name); }
    CompanyInfo company = CompanyInfo::initial();

    // A project opened from a copy of the vertical sample, then changed.
    void openChanged(CZelvanDoc &doc, const QString &path)
    {
        writeAll(path, sampleBytes());
        ASSERT_TRUE(doc.open(path).ok);
        doc.record().setField(Field::VesselName, gbk("改过的容器"));
        doc.record().setField(Field::ProjectOwner, gbk("新业主"));
        doc.setModifiedFlag(true);
    }
};

} // namespace

TEST_F(RecoveryStoreTest, ACopyComesBackAsTheUnsavedProjectAndTheProjectFileIsUntouched)
{
    ASSERT_FALSE(sampleBytes().isEmpty());
    const QString path = project(QStringLiteral("立式储罐.pcp"));
    CZelvanDoc doc(company);
    openChanged(doc, path);
    EXPECT_EQ(doc.title(), QStringLiteral("立式储罐.pcp *"));
    const QString key = RecoveryStore::keyForProject(path);
    {
        RecoveryStore store(folder());
        const FileResult written = store.write(key, path, QStringLiteral("立式储罐.pcp"), doc.record(), doc.company());
        ASSERT_TRUE(written.ok) << written.message.toStdString();
        EXPECT_TRUE(QFileInfo::exists(store.fileFor(key)));
        EXPECT_EQ(QFileInfo(store.fileFor(key)).absolutePath(), QFileInfo(folder()).absoluteFilePath());
    } // the program ends without saving
    EXPECT_EQ(readAll(path), sampleBytes()) << "the project file changed";

    // The next start: another store on the same folder.
    RecoveryStore next(folder());
    const std::vector<RecoveryEntry> offers = next.offers();
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(offers[0].projectPath, QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(offers[0].title, QStringLiteral("立式储罐.pcp"));

    CompanyInfo otherCompany = CompanyInfo::initial();
    CZelvanDoc restored(otherCompany);
    ASSERT_TRUE(next.restore(offers[0], restored).ok);
    EXPECT_TRUE(restored.isModified());
    EXPECT_EQ(restored.title(), QStringLiteral("立式储罐.pcp *"));
    EXPECT_EQ(restored.documentPath(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(restored.rememberedSavePath(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(restored.record().field(Field::VesselName), gbk("改过的容器"));
    EXPECT_EQ(restored.record().field(Field::ProjectOwner), gbk("新业主"));
    EXPECT_EQ(otherCompany, company);
    // Everything else is the sample as it was opened (fields 1 and 2 say
    // where it was opened from).
    ProjectRecord original;
    CompanyInfo originalCompany = CompanyInfo::initial();
    const QByteArray sample = sampleBytes();
    ASSERT_EQ(ProjectArchive::read(std::string_view(sample.constData(), size_t(sample.size())), original,
                                   originalCompany),
              ProjectArchive::ReadStatus::Ok);
    original.setField(Field::ProjectFilePath, restored.record().field(Field::ProjectFilePath));
    original.setField(Field::ProjectDirectory, restored.record().field(Field::ProjectDirectory));
    original.setField(Field::VesselName, gbk("改过的容器"));
    original.setField(Field::ProjectOwner, gbk("新业主"));
    EXPECT_TRUE(ProjectArchive::write(restored.record(), otherCompany)
                == ProjectArchive::write(original, originalCompany));

    next.remove(offers[0].key);
    EXPECT_FALSE(QFileInfo::exists(offers[0].file));
    EXPECT_TRUE(RecoveryStore(folder()).offers().empty());
    EXPECT_EQ(readAll(path), sampleBytes());
}

TEST_F(RecoveryStoreTest, OnlyCopiesNewerThanTheirProjectOrWithoutOneAreOffered)
{
    const QDateTime now = QDateTime::currentDateTime();
    ProjectRecord record;
    record.setField(Field::ProjectName, gbk("试验"));
    const QString older = project(QStringLiteral("older.pcp"));    // saved before the copy
    const QString newer = project(QStringLiteral("newer.pcp"));    // saved after the copy
    const QString gone = project(QStringLiteral("gone.pcp"));      // deleted since
    writeAll(older, "");
    writeAll(newer, "");
    const QString neverSaved = RecoveryStore::keyForNewProject();
    {
        RecoveryStore store(folder());
        ASSERT_TRUE(store.write(neverSaved, QString(), QStringLiteral("试验"), record, company).ok);
        for (const QString &p : {older, newer, gone})
            ASSERT_TRUE(store.write(RecoveryStore::keyForProject(p), p, QFileInfo(p).fileName(), record, company).ok);
        setModified(store.fileFor(neverSaved), now.addSecs(-300));
        setModified(older, now.addSecs(-3600));
        setModified(store.fileFor(RecoveryStore::keyForProject(older)), now.addSecs(-200));
        setModified(store.fileFor(RecoveryStore::keyForProject(newer)), now.addSecs(-3600));
        setModified(newer, now.addSecs(-60));
        setModified(store.fileFor(RecoveryStore::keyForProject(gone)), now.addSecs(-100));
    }
    // Neither a file that is not a copy nor a damaged copy is offered.
    writeAll(folder() + QStringLiteral("/notes.zrc"), "ZELVAN-RECOVERY 1\npath=\ntitle=x\n\n");
    writeAll(RecoveryStore(folder()).fileFor(RecoveryStore::keyForProject(project(QStringLiteral("torn.pcp")))),
             "ZELVAN-RECOVERY 1\npath=\ntitle=x\n\n\x05" "ab");

    RecoveryStore next(folder());
    const std::vector<RecoveryEntry> offers = next.offers();
    EXPECT_EQ(keysOf(offers), (QStringList{neverSaved, RecoveryStore::keyForProject(older),
                                           RecoveryStore::keyForProject(gone)}));
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_TRUE(offers[0].projectPath.isEmpty());
    EXPECT_EQ(offers[0].title, QStringLiteral("试验"));
    EXPECT_EQ(offers[2].projectPath, QFileInfo(gone).absoluteFilePath());
    // The copy older than its project stays where it is, unoffered.
    EXPECT_TRUE(QFileInfo::exists(next.fileFor(RecoveryStore::keyForProject(newer))));

    CZelvanDoc restored(company);
    ASSERT_TRUE(next.restore(offers[0], restored).ok);
    EXPECT_TRUE(restored.documentPath().isEmpty());
    EXPECT_TRUE(restored.rememberedSavePath().isEmpty());
    EXPECT_EQ(restored.title(), QStringLiteral("试验 *"));
    EXPECT_EQ(restored.record().field(Field::ProjectName), gbk("试验"));
}

TEST_F(RecoveryStoreTest, ACopyHeldByARunningProgramIsNotOffered)
{
    ProjectRecord record;
    auto running = std::make_unique<RecoveryStore>(folder());
    const QString key = RecoveryStore::keyForNewProject();
    ASSERT_TRUE(running->write(key, QString(), QStringLiteral("甲"), record, company).ok);
    RecoveryStore second(folder());
    EXPECT_TRUE(second.offers().empty()) << "a second program offered a project still being edited";
    running.reset(); // that program ends
    EXPECT_EQ(keysOf(second.offers()), QStringList{key});
}

TEST_F(RecoveryStoreTest, AFailedCopyLeavesThePreviousCopyAndTheProjectAsTheyWere)
{
    const QString path = project(QStringLiteral("罐.pcp"));
    CZelvanDoc doc(company);
    openChanged(doc, path);
    RecoveryStore store(folder());
    const QString key = RecoveryStore::keyForProject(path);
    ASSERT_TRUE(store.write(key, path, QStringLiteral("罐.pcp"), doc.record(), doc.company()).ok);
    const QByteArray firstCopy = readAll(store.fileFor(key));

    doc.record().setField(Field::VesselName, gbk("第三版"));
    AtomicFile::setWriteLimitForTesting(10); // the disk fills up
    const FileResult failed = store.write(key, path, QStringLiteral("罐.pcp"), doc.record(), doc.company());
    AtomicFile::setWriteLimitForTesting(-1);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(readAll(store.fileFor(key)), firstCopy);
    EXPECT_EQ(readAll(path), sampleBytes());

    // A data folder that cannot be made (a file stands in its way).
    writeAll(dir.filePath(QStringLiteral("blocked")), "x");
    RecoveryStore blocked(dir.filePath(QStringLiteral("blocked/recovery")));
    EXPECT_FALSE(blocked.write(key, path, QStringLiteral("罐.pcp"), doc.record(), doc.company()).ok);
    EXPECT_EQ(readAll(path), sampleBytes());
}

TEST_F(RecoveryStoreTest, NoCopyIsWrittenOverTheProjectFile)
{
    // A project opened from the recovery folder under a copy's own name.
    RecoveryStore store(folder());
    const QString key = RecoveryStore::keyForNewProject();
    const QString path = store.fileFor(key);
    writeAll(path, sampleBytes());
    CZelvanDoc doc(company);
    ASSERT_TRUE(doc.open(path).ok);
    doc.record().setField(Field::VesselName, gbk("改过的容器"));
    EXPECT_FALSE(store.write(key, path, QStringLiteral("x"), doc.record(), doc.company()).ok);
    EXPECT_EQ(readAll(path), sampleBytes());
}

TEST_F(RecoveryStoreTest, OneKeyPerProjectPath)
{
    const QString a = project(QStringLiteral("a.pcp"));
    EXPECT_EQ(RecoveryStore::keyForProject(a),
              RecoveryStore::keyForProject(dir.filePath(QStringLiteral("projects/./x/../a.pcp"))));
    EXPECT_NE(RecoveryStore::keyForProject(a), RecoveryStore::keyForProject(project(QStringLiteral("b.pcp"))));
    EXPECT_NE(RecoveryStore::keyForNewProject(), RecoveryStore::keyForNewProject());
}
