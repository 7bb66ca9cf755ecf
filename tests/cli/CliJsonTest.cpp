#include "CliRunner.h"

#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::runCli;

namespace {
QByteArray readFile(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
} // namespace

TEST(CliJson, ToJsonThenFromJsonReproducesTheFile)
{
    QTemporaryDir dir;
    ProjectRecord record;
    record.setField(Field::ProjectName, gbk("换热器项目"));
    record.setField(Field::VesselName, gbk("换热器"));
    record.table(TableId::ShellCourses).assignRows({{"1", gbk("圆筒形"), "1000", "12", "1200", "16MnR"}});
    record.table(TableId::Parts).setCountText("");
    record.setProcess(ProcessField::ExternalForm, gbk("立式支腿"));
    const QString pcp = dir.filePath("in.pcp");
    ASSERT_TRUE(ProjectFile::save(pcp, record, CompanyInfo::initial()).ok);

    const auto toJson = runCli({"to-json", pcp});
    ASSERT_EQ(toJson.exitCode, 0) << toJson.err.toStdString();
    EXPECT_TRUE(toJson.out.contains("换热器项目"));
    const QString jsonPath = dir.filePath("p.json");
    writeFile(jsonPath, toJson.out);
    const QString out = dir.filePath("out.pcp");
    const auto fromJson = runCli({"from-json", jsonPath, out});
    ASSERT_EQ(fromJson.exitCode, 0) << fromJson.err.toStdString();
    EXPECT_EQ(readFile(out), readFile(pcp));
}

TEST(CliJson, RefusalsExitWithStatus1AndWriteNothing)
{
    QTemporaryDir dir;
    const QString jsonPath = dir.filePath("bad.json");
    writeFile(jsonPath, R"({"tables": {"plates": {"count": "2", "rows": [["1","2","3","4","5","6","7"]]}}})");
    const QString out = dir.filePath("out.pcp");
    const auto r = runCli({"from-json", jsonPath, out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(r.err).trimmed(),
              QStringLiteral("zelvan-cli: %1: tables.plates has 1 rows but its count announces 2").arg(jsonPath));
    EXPECT_FALSE(QFile::exists(out));

    const auto missing = runCli({"to-json", dir.filePath("none.pcp")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(missing.err).trimmed(), QStringLiteral("zelvan-cli: 没有找到 %1。").arg(dir.filePath("none.pcp")));

    writeFile(dir.filePath("trunc.pcp"), QByteArray(10, '\0'));
    const auto truncated = runCli({"to-json", dir.filePath("trunc.pcp")});
    EXPECT_EQ(truncated.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(truncated.err).trimmed(), QStringLiteral("zelvan-cli: 非预期的文件格式。"));


    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 1);
}
