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
    EXPECT_EQ(OutputPaths::unsafeNameMessage(record), QStringLiteral("容器名称中含有不能用于文件名的字符“\\”，无法生成文件！"));
    record.setField(Field::VesselName, "ok");
    record.setField(Field::ProjectName, "a:b");
    EXPECT_EQ(OutputPaths::unsafeNameMessage(record), QStringLiteral("项目名称中含有不能用于文件名的字符“:”，无法生成文件！"));
    // A control character is named by its code, as it cannot be shown.
    record.setField(Field::ProjectName, std::string("a\nb"));
    EXPECT_EQ(OutputPaths::unsafeNameMessage(record), QStringLiteral("项目名称中含有不能用于文件名的字符“\\x0a”，无法生成文件！"));
    record.setField(Field::ProjectName, "..");
    EXPECT_EQ(OutputPaths::unsafeNameMessage(record), QStringLiteral("项目名称中含有不能用于文件名的字符“..”，无法生成文件！"));

}

#include "core/project/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

// Root may write into any folder, so the read-only installation only exists
// for an ordinary user: run as root (the CI), the case runs again in a child
// process that has dropped to the user nobody.
TEST(AppPaths, SketchesGoBesideTheProgramOrToTheUsersOwnFolder)
{
    if (::geteuid() == 0) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", "/nonexistent");
        env.remove("XDG_DATA_HOME");
        env.remove("XDG_RUNTIME_DIR");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                                QCoreApplication::applicationFilePath(),
                                "--gtest_filter=AppPaths.SketchesGoBesideTheProgramOrToTheUsersOwnFolder"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
        return;
    }
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.path() + "/";
    // The user's own data folder, inside the scratch folder.
    const QString data = dir.path() + "/data";
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    // No pics folder: the path beside the program (the writer reports it).
    EXPECT_EQ(sketchDirectory(program), program + "pics/");
    QDir(program).mkdir("pics");
    EXPECT_EQ(sketchDirectory(program), program + "pics/");
    // A read-only installation: the user's own folder, which exists.
    QFile::setPermissions(program + "pics", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    ASSERT_FALSE(QFileInfo(program + "pics").isWritable());
    const QString own = sketchDirectory(program);
    EXPECT_TRUE(own.startsWith(data + "/")) << own.toStdString();
    EXPECT_TRUE(own.endsWith("/pics/")) << own.toStdString();
    EXPECT_TRUE(QFileInfo(own).isDir());
    QFile::setPermissions(program + "pics", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

}
