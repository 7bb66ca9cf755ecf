// The batch tool treats a project as the desktop program opens it: outputs
// go beside the file given, and its standard error holds only its own lines.
#include "CliRunner.h"

#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::runCli;

namespace {

QString sample() { return qEnvironmentVariable("ZELVAN_SOURCE_DIR") + "/samples/vertical-storage-tank.pcp"; }

// The sample as last saved somewhere else: fields 1 and 2 name `elsewhere`.
void copySampleAsSavedIn(const QString &target, const QString &elsewhere)
{
    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    ASSERT_TRUE(ProjectFile::load(sample(), record, company).ok);
    record.setField(Field::ProjectFilePath, toGbk(elsewhere + "/v.pcp"));
    record.setField(Field::ProjectDirectory, toGbk(elsewhere + "/"));
    ASSERT_TRUE(ProjectFile::save(target, record, company).ok);
}

QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

} // namespace

TEST(CliProject, OutputsGoBesideTheFileGivenUnlessOutDirNamesAnother)
{
    QTemporaryDir dir;
    for (const char *sub : {"saved", "copy", "out"})
        QDir(dir.path()).mkdir(sub);
    const QString copy = dir.filePath("copy/v.pcp");
    copySampleAsSavedIn(copy, dir.filePath("saved"));

    const auto layout = runCli({"layout", copy});
    ASSERT_EQ(layout.exitCode, 0) << layout.err.toStdString();
    const QString drawing = QStringLiteral("示例工程-立式储罐-排版图.dxf");
    EXPECT_EQ(QString::fromUtf8(layout.out).trimmed(), dir.filePath("copy/") + drawing);
    EXPECT_EQ(filesIn(dir.filePath("copy")), (QStringList{"v.pcp", drawing}));
    EXPECT_TRUE(filesIn(dir.filePath("saved")).isEmpty());

    const auto processFile = runCli({"process-file", copy, "--out-dir", dir.filePath("out")});
    ASSERT_EQ(processFile.exitCode, 0) << processFile.err.toStdString();
    EXPECT_EQ(filesIn(dir.filePath("out")).size(), 2);
    EXPECT_EQ(filesIn(dir.filePath("copy")).size(), 2);
    EXPECT_TRUE(filesIn(dir.filePath("saved")).isEmpty());

    // A path of another machine in the file changes nothing either.
    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    ASSERT_TRUE(ProjectFile::load(copy, record, company).ok);
    record.setField(Field::ProjectDirectory, gbk("D:\\工程\\"));
    ASSERT_TRUE(ProjectFile::save(dir.filePath("out/w.pcp"), record, company).ok);
    const auto windows = runCli({"layout", dir.filePath("out/w.pcp")});
    ASSERT_EQ(windows.exitCode, 0) << windows.err.toStdString();
    EXPECT_TRUE(filesIn(dir.filePath("out")).contains(drawing));

    // to-json shows the file as stored.
    const auto json = runCli({"to-json", copy});
    ASSERT_EQ(json.exitCode, 0);
    EXPECT_TRUE(json.out.contains(dir.filePath("saved").toUtf8()));
}

TEST(CliProject, StandardErrorHoldsOnlyTheToolsOwnLines)
{
    QTemporaryDir dir;
    const QString project = dir.filePath("v.pcp");
    ASSERT_TRUE(QFile::copy(sample(), project));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    environment.remove("QT_QPA_PLATFORM");
    const auto run = runCli({"process-file", project}, environment);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString err = QString::fromUtf8(run.err);
    EXPECT_FALSE(err.contains("XDG_RUNTIME_DIR")) << err.toStdString();
    EXPECT_FALSE(err.contains("QStandardPaths")) << err.toStdString();
    // The question the button would ask, answered as the tool answers it,
    // then the progress of the full file and of the shell part, nothing else.
    EXPECT_EQ(err.split('\n', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("提示: 即将导出为Word文件，是否继续？ -> 是"), QStringLiteral("正在生成封面......"),
                           QStringLiteral("正在生成容器技术特性表......"), QStringLiteral("正在生成容器生产过程卡(封头)......"),
                           QStringLiteral("正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"),
                           QStringLiteral("正在生成容器生产过程卡(附件预制)......"), QStringLiteral("正在生成容器生产过程卡(总装)......"),
                           QStringLiteral("正在生成容器生产过程卡(试压、油漆、入库)......"), QStringLiteral("正在保存文档......"),
                           QStringLiteral("正在生成封面......"), QStringLiteral("正在生成容器生产过程卡(筒体)......"),
                           QStringLiteral("正在保存文档......")}))
        << err.toStdString();

}
