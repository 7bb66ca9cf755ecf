// DxfWriter against the real CadIO library, a missing one and an incomplete one.
#include "core/drawing/DxfWriter.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;

namespace {
QString cadio()
{
    return qEnvironmentVariable("ZELVAN_BIN_DIR") + "/CadIO";
}
std::string native(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}
} // namespace

TEST(DxfWriter, ResolvesTheTwentyEightNames)
{
    EXPECT_EQ(DxfWriter::entryPointCount(), 28);
    DxfWriter writer(cadio());
    EXPECT_TRUE(writer.isUsable());
    EXPECT_FALSE(writer.isFileOpen());
}

TEST(DxfWriter, ForwardsCallsAndReturnsOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.dxf");
    DxfWriter writer(cadio());
    EXPECT_EQ(writer.createFile(native(path)), 1);
    EXPECT_TRUE(writer.isFileOpen());
    EXPECT_EQ(writer.sectionBegin(DXF_SECTION_ENTITIES), 1);
    EXPECT_EQ(writer.line(0, 0, 10, 10), 1);
    EXPECT_EQ(writer.circle(5, 5, 2), 1);
    EXPECT_EQ(writer.text("abc", 1, 2, 3), 1);
    EXPECT_EQ(writer.narrowText("abc", 1, 2, 3, 0.5), 1);
    EXPECT_EQ(writer.narrowText("abc", 1, 2, 3, 0), 0); // a width factor must be positive
    EXPECT_EQ(writer.dimLinear(0, 0, 10, 0, 0, -5, 0, "10"), 1);
    EXPECT_EQ(writer.setCurrentTextStyle("NoSuchStyle"), 0); // refusals come through as 0
    EXPECT_EQ(writer.sectionEnd(), 1);
    EXPECT_EQ(writer.closeFile(), 1);
    EXPECT_FALSE(writer.isFileOpen());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(writer.closeFile(), 0);
    EXPECT_EQ(writer.line(0, 0, 1, 1), 0); // no file open
}

TEST(DxfWriter, MissingLibraryMakesEveryCallReturnZero)
{
    QTemporaryDir dir;
    DxfWriter writer(dir.filePath("CadIO"));
    EXPECT_FALSE(writer.isUsable());
    EXPECT_EQ(writer.createFile(native(dir.filePath("b.dxf"))), 0);
    EXPECT_EQ(writer.sectionBegin(1), 0);
    EXPECT_EQ(writer.line(0, 0, 1, 1), 0);
    EXPECT_EQ(writer.text("x", 0, 0, 1), 0);
    EXPECT_EQ(writer.closeFile(), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("b.dxf")));
}

TEST(DxfWriter, LibraryWithoutTheEntryPointsIsNotUsable)
{
    // Any shared library lacking the names: Qt's own core library.
    const QString qtCore = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6";
    ASSERT_TRUE(QFile::exists(qtCore));
    DxfWriter writer(qtCore);
    EXPECT_FALSE(writer.isUsable());
    EXPECT_EQ(writer.createFile("/tmp/never.dxf"), 0);
}

TEST(DxfWriter, DestroyingTheWriterClosesTheOpenFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.dxf");
    {
        DxfWriter writer(cadio());
        ASSERT_EQ(writer.createFile(native(path)), 1);
        writer.sectionBegin(DXF_SECTION_ENTITIES);
        writer.line(0, 0, 3, 4);
        EXPECT_FALSE(QFile::exists(path)); // still under its temporary name
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.contains("LINE"));
    EXPECT_TRUE(bytes.endsWith("EOF\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"c.dxf"});
}

TEST(DxfWriter, DefaultLoadsFromTheProgramDirectory)
{
    // Test executables live beside libCadIO.so in the build's bin folder.
    DxfWriter writer;
    EXPECT_TRUE(writer.isUsable());
}
