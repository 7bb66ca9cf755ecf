#include "core/project/OutputPath.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

using namespace zelvan;

TEST(OutputPath, NamesAndUnsafeCharacters)
{
    ProjectRecord record;
    record.setField(Field::ProjectDirectory, "/work/p/");
    record.setField(Field::ProjectName, "P1");
    record.setField(Field::VesselName, gbk("罐"));
    EXPECT_EQ(OutputPaths::build(record, QStringLiteral("-焊接工艺卡.doc")).path(), QStringLiteral("/work/p/P1-罐-焊接工艺卡.doc"));
    EXPECT_EQ(OutputPaths::build(record, ".dxf", "/out").path(), QStringLiteral("/out/P1-罐.dxf"));
    EXPECT_TRUE(OutputPaths::unsafeNameMessage(record).isEmpty());

    record.setField(Field::ProjectDirectory, "C:\\vessels\\");
    EXPECT_EQ(OutputPaths::build(record, ".dxf").directory, "C:/vessels/");

    record.setField(Field::VesselName, "../etc");
    EXPECT_EQ(OutputPaths::unsafeNameMessage(record), QStringLiteral("容器名称中含有不能用于文件名的字符“/”，无法生成文件！"));
    record.setField(Field::VesselName, "a\\b");
    EXPECT_TRUE(OutputPaths::unsafeNameMessage(record).contains(QStringLiteral("“\\”")));
    record.setField(Field::VesselName, "ok");
    record.setField(Field::ProjectName, "a:b");
    EXPECT_TRUE(OutputPaths::unsafeNameMessage(record).startsWith(QStringLiteral("项目名称中含有")));
    record.setField(Field::ProjectName, std::string("a\nb"));
    EXPECT_FALSE(OutputPaths::unsafeNameMessage(record).isEmpty());
}

#include "core/project/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(AppPaths, SketchesGoBesideTheProgramOrToTheUsersOwnFolder)
{
    QTemporaryDir dir;
    const QString program = dir.path() + "/";
    // No pics folder: the path beside the program (the writer reports it).
    EXPECT_EQ(sketchDirectory(program), program + "pics/");
    QDir(program).mkdir("pics");
    EXPECT_EQ(sketchDirectory(program), program + "pics/");
    // A read-only installation: the user's own folder, which exists.
    QFile::setPermissions(program + "pics", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(program + "pics").isWritable())
        GTEST_SKIP() << "running as a user who can write everywhere";
    const QString own = sketchDirectory(program);
    EXPECT_NE(own, program + "pics/");
    EXPECT_TRUE(QFileInfo(own).isDir());
}
