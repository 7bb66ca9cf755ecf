#include "support/RecordingPrompter.h"

#include "core/drawing/ProcessSketches.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::RecordingPrompter;

namespace {

quint32 le32(const QByteArray &b, int offset) { return qFromLittleEndian<quint32>(b.constData() + offset); }
quint16 le16(const QByteArray &b, int offset) { return qFromLittleEndian<quint16>(b.constData() + offset); }

ProcessSketches::Dimensions dims(int d, int t, int l) { return {d, t, l}; }

bool dark(const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

// Dark pixels of a column between two rows.
std::vector<int> darkRows(const QImage &image, int x, int from, int to)
{
    std::vector<int> rows;
    for (int y = from; y <= to; ++y)
        if (dark(image, x, y))
            rows.push_back(y);
    return rows;
}

} // namespace

TEST(ProcessSketchBitmap, HeadersAreTheFiftyFourBytesOfA24BitBitmap)
{
    const QByteArray bmp = ProcessSketches::encodeBitmap(ProcessSketches::drawShellSketch(dims(1000, 10, 4000)));
    // 565 pixels of 3 bytes are 1695 bytes, padded to 1696; 230 rows.
    const int pixelBytes = 1696 * 230;
    ASSERT_EQ(bmp.size(), 54 + pixelBytes);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(bmp, 2), quint32(54 + pixelBytes));
    EXPECT_EQ(le16(bmp, 6), 0);
    EXPECT_EQ(le16(bmp, 8), 0);
    EXPECT_EQ(le32(bmp, 10), 54u);
    EXPECT_EQ(le32(bmp, 14), 40u);
    EXPECT_EQ(le32(bmp, 18), 565u);
    EXPECT_EQ(le32(bmp, 22), 230u);
    EXPECT_EQ(le16(bmp, 26), 1);
    EXPECT_EQ(le16(bmp, 28), 24);
    for (int offset = 30; offset < 54; offset += 4)
        EXPECT_EQ(le32(bmp, offset), 0u) << "offset " << offset;
    // The pad byte of every row is zero.
    for (int row = 0; row < 230; ++row)
        ASSERT_EQ(bmp.at(54 + row * 1696 + 1695), '\0') << "row " << row;
}

TEST(ProcessSketchBitmap, RowsAreStoredBottomUpInBlueGreenRedOrder)
{
    QImage image(5, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));    // top row
    image.setPixel(0, 1, qRgb(10, 20, 30)); // bottom row
    const QByteArray bmp = ProcessSketches::encodeBitmap(image);
    ASSERT_EQ(bmp.size(), 54 + 16 * 2); // 15 bytes padded to 16
    EXPECT_EQ(bmp.mid(54, 3), QByteArray("\x1e\x14\x0a", 3));
    EXPECT_EQ(bmp.mid(54 + 16, 3), QByteArray("\x03\x02\x01", 3));
}

TEST(ProcessSketchBitmap, TheFileDecodesToTheDrawnPicture)
{
    const QImage drawn = ProcessSketches::drawFitUpSketch(dims(1200, 12, 6000));
    const QImage decoded = QImage::fromData(ProcessSketches::encodeBitmap(drawn), "BMP");
    ASSERT_EQ(decoded.size(), QSize(565, 230));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
}

TEST(ProcessSketchDrawing, TheShellSketchDrawsTheWallTPixelsThickWhateverTheDiameter)
{
    for (int diameter : {500, 3000}) {
        const QImage image = ProcessSketches::drawShellSketch(dims(diameter, 10, 4000));
        // Frame corners.
        EXPECT_TRUE(dark(image, 0, 0));
        EXPECT_TRUE(dark(image, 564, 229));
        // Down the vertical centre line above the circles everything is
        // dark; at x = 470 the outer circle meets y = 40 and the inner one
        // ten pixels lower, with light between.
        const std::vector<int> rows = darkRows(image, 470, 36, 56);
        ASSERT_FALSE(rows.empty());
        EXPECT_LE(rows.front(), 42);
        EXPECT_GE(rows.back(), 48);
        EXPECT_FALSE(dark(image, 470, 45));
        // The side view's top edge and the dimension line.
        EXPECT_TRUE(dark(image, 200, 50));
        EXPECT_TRUE(dark(image, 200, 35));
    }
    // The thickness dimension line runs down to 40 + 3t.
    const QImage thick = ProcessSketches::drawShellSketch(dims(1000, 20, 0));
    EXPECT_TRUE(dark(thick, 545, 99));
    EXPECT_FALSE(dark(thick, 545, 110));
}

TEST(ProcessSketchDrawing, TheTextsAreTheLengthAndTheOutsideDiameter)
{
    // Different numbers draw differently; equal numbers the same.
    const QImage a = ProcessSketches::drawShellSketch(dims(1000, 10, 4000));
    const QImage b = ProcessSketches::drawShellSketch(dims(1000, 10, 4000));
    const QImage c = ProcessSketches::drawShellSketch(dims(1000, 10, 5000));
    EXPECT_EQ(a, b);
    EXPECT_NE(a.copy(180, 15, 80, 20), c.copy(180, 15, 80, 20));
    EXPECT_EQ(a.copy(400, 60, 160, 40), c.copy(400, 60, 160, 40));
    // Some ink at the text positions.
    bool ink = false;
    for (int x = 190; x < 220; ++x)
        for (int y = 18; y < 32; ++y)
            ink = ink || dark(a, x, y);
    EXPECT_TRUE(ink);
}

TEST(ProcessSketchDrawing, TheHeadArcLiesLeftOfTheShell)
{
    const QImage image = ProcessSketches::drawFitUpSketch(dims(1000, 10, 4000));
    // The leftmost point of the ellipse (50..109, 50..159) is at x = 50,
    // y = 105; its right half is not drawn.
    EXPECT_FALSE(darkRows(image, 50, 95, 115).empty());
    EXPECT_TRUE(darkRows(image, 108, 95, 115).empty());
    EXPECT_TRUE(dark(image, 80, 100)); // the shell outline's left edge
    EXPECT_TRUE(dark(image, 120, 70)); // the diameter line
}

TEST(ProcessSketchDrawing, HugeNumbersAreDrawnWithoutOverflow)
{
    ProjectRecord record;
    record.setProcess(ProcessField::InnerDiameter, "99999999999");
    record.setProcess(ProcessField::WallThickness, "99999999999");
    const auto d = ProcessSketches::fromRecord(record);
    EXPECT_EQ(d.outsideDiameter(), 3LL * 2147483647);
    EXPECT_EQ(ProcessSketches::drawShellSketch(d).size(), QSize(565, 230));
    EXPECT_EQ(ProcessSketches::drawShellSketch(dims(1000, -5, -20)).size(), QSize(565, 230));
}

TEST(ProcessSketchInputs, TheLengthIsTheSumOfTheCourseHeights)
{
    ProjectRecord record;
    record.setProcess(ProcessField::InnerDiameter, "1000mm");
    record.setProcess(ProcessField::WallThickness, " 12");
    Table &courses = record.table(TableId::ShellCourses);
    courses.setCell(0, ShellCourseColumn::Height, "1800");
    courses.setCell(1, ShellCourseColumn::Height, "2000.5");
    courses.setCell(2, ShellCourseColumn::Height, "999"); // beyond the count
    courses.setCountText("2");
    const auto d = ProcessSketches::fromRecord(record);
    EXPECT_EQ(d.innerDiameter, 1000);
    EXPECT_EQ(d.wallThickness, 12);
    EXPECT_EQ(d.totalLength, 3800);
    EXPECT_EQ(d.outsideDiameter(), 1024);
    courses.setCountText("");
    EXPECT_EQ(ProcessSketches::fromRecord(record).totalLength, 0);
}

TEST(ProcessSketchFiles, BothFilesAreWrittenIntoPics)
{
    QTemporaryDir dir;
    const QString program = dir.path() + QLatin1Char('/');
    QDir(dir.path()).mkdir(QStringLiteral("pics"));
    RecordingPrompter prompter;
    ProjectRecord record;
    record.setProcess(ProcessField::InnerDiameter, "800");
    record.setProcess(ProcessField::WallThickness, "8");
    EXPECT_EQ(ProcessSketches::save(record, program, prompter), 2);
    EXPECT_TRUE(prompter.entries.isEmpty());
    for (const QString &path : {ProcessSketches::shellSketchPath(program), ProcessSketches::fitUpSketchPath(program)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(file.size(), 54 + 1696 * 230);
        EXPECT_EQ(QImage::fromData(file.readAll(), "BMP").size(), QSize(565, 230));
    }
    EXPECT_EQ(ProcessSketches::shellSketchPath(program), program + QStringLiteral("pics/筒体图.BMP"));
    EXPECT_EQ(ProcessSketches::fitUpSketchPath(program), program + QStringLiteral("pics/组对简图.BMP"));
}

TEST(ProcessSketchFiles, AMissingPicsFolderIsReportedForEachSketch)
{
    QTemporaryDir dir;
    RecordingPrompter prompter;
    prompter.expectMessages({QStringLiteral("筒体图创建失败！可能原因：pics文件夹不存在"), QStringLiteral("组对简图创建失败！可能原因：pics文件夹不存在")});
    EXPECT_EQ(ProcessSketches::save(ProjectRecord{}, dir.path() + QLatin1Char('/'), prompter), 0);
    ASSERT_EQ(prompter.entries.size(), 2);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("筒体图创建失败！可能原因：pics文件夹不存在"));
    EXPECT_EQ(prompter.entries[1].text, QStringLiteral("组对简图创建失败！可能原因：pics文件夹不存在"));
}
