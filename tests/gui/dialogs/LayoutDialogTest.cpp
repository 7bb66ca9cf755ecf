#include "support/RecordingPrompter.h"

#include "gui/dialogs/LayoutDialog.h"
#include "gui/dialogs/LayoutPreview.h"
#include "core/project/TextCodec.h"

#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;

TEST(LayoutDialog, SummaryMaterialAndSpecification)
{
    ProjectRecord record;
    record.setField(Field::VesselType, "1");
    record.table(TableId::ShellCourses).assignRows({std::vector<std::string>(6, "1"), std::vector<std::string>(6, "1"),
                                                    std::vector<std::string>(6, "1")});
    record.table(TableId::Nozzles).assignRows({std::vector<std::string>(14, "1"), std::vector<std::string>(14, "1")});
    record.table(TableId::Plates).assignRows({{"1", "Q235B", "H1", "1", "1", "1", "1"}, std::vector<std::string>(7, "x"),
                                              std::vector<std::string>(7, "x"), std::vector<std::string>(7, "x")});
    record.setProcess(ProcessField::InnerDiameter, "1200");
    record.setProcess(ProcessField::OverallLength, "3600");
    record.setProcess(ProcessField::WallThickness, "12");
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    EXPECT_EQ(dialog.summaryText(),
              QStringLiteral("容器型式: 卧式            筒节数: 3\t 接管数: 2\t 所用板材数: 4"));
    EXPECT_EQ(dialog.materialEdit()->text(), "Q235B");
    EXPECT_EQ(dialog.specificationEdit()->text(), QStringLiteral("φ1200*3600*12"));
}

TEST(LayoutDialog, WithoutPlatesShowsUnknownAndGenerationIsRefused)
{
    ProjectRecord record;
    record.setField(Field::VesselType, "0");
    record.table(TableId::ShellCourses).assignRows({std::vector<std::string>(6, "1")});
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    EXPECT_EQ(dialog.materialEdit()->text(), QStringLiteral("未知"));
    EXPECT_TRUE(dialog.summaryText().startsWith(QStringLiteral("容器型式: 立式            筒节数: 1\t 接管数: 0")));
    prompter.expectMessage(QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"));
    dialog.generate(false);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"));
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("错误"));
}

TEST(LayoutDialog, GeneratesTheDrawingWithThePickedDates)
{
    QTemporaryDir dir;
    ProjectRecord record;
    record.setField(Field::VesselType, "0");
    record.setField(Field::ProjectName, "P1");
    record.setField(Field::VesselName, gbk("储罐"));
    record.setField(Field::ProjectDirectory, toGbk(dir.path() + "/"));
    record.table(TableId::ShellCourses).assignRows({{"1", "a", "1000", "10", "1200", "Q235B"}});
    record.table(TableId::Plates).assignRows({{"1", "Q235B", "H1", "1", "1", "1", "1"}});
    RecordingPrompter prompter;
    LayoutDialog dialog(record, CompanyInfo::initial(), prompter);
    dialog.reviewDateEdit()->setDate(QDate(2026, 1, 2));
    dialog.generate(false);
    const QString path = dir.filePath(QStringLiteral("P1-储罐-排版图.dxf"));
    ASSERT_TRUE(QFile::exists(path)) << prompter.texts().join('|').toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("2026-01-02"));
}

namespace {
ProjectRecord previewProject(const QString &directory)
{
    ProjectRecord record;
    record.setField(Field::VesselType, "0");
    record.setField(Field::ProjectName, "P1");
    record.setField(Field::VesselName, gbk("储罐"));
    record.setField(Field::ProjectDirectory, toGbk(directory + "/"));
    record.table(TableId::ShellCourses).assignRows({{"1", "a", "1000", "10", "1200", "Q235B"}});
    record.table(TableId::Plates).assignRows({{"1", "Q235B", "H1", "1", "1", "1", "1"}});
    // N1 lies in its quadrant; N2's distance 900 is beyond the shell radius
    // 600, so it is drawn at a stand-in place.
    auto nozzle = [](const char *mark, const char *azimuth) {
        return std::vector<std::string>{mark, gbk("接管"), "1", "100", gbk("筒节段"), gbk(azimuth), "500", "", "",
                                        "100", "", "", "", ""};
    };
    record.table(TableId::Nozzles).assignRows({nozzle("N1", "一轴内300"), nozzle("N2", "二轴内900")});
    return record;
}

int nonWhitePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y).lightness() < 200;
    return n;
}
} // namespace

TEST(LayoutDialog, PreviewFollowsTheDatesZoomsPansFitsAndMarksStandInNozzles)
{
    QTemporaryDir dir;
    RecordingPrompter prompter;
    LayoutDialog dialog(previewProject(dir.path()), CompanyInfo::initial(), prompter);
    dialog.resize(1100, 640);
    dialog.show();
    LayoutPreview *preview = dialog.preview();
    ASSERT_NE(preview->drawing(), nullptr) << preview->message().toStdString();
    EXPECT_GT(nonWhitePixels(preview->grab().toImage()), 2000);

    // Only N2 is ringed: its place is a stand-in.
    ASSERT_EQ(preview->highlights().size(), 1u);

    // A new review date draws the preview again with it.
    const LayoutPainter *before = preview->drawing();
    dialog.reviewDateEdit()->setDate(QDate(2031, 7, 9));
    EXPECT_NE(preview->drawing(), before);
    EXPECT_TRUE(preview->drawing()->texts().contains(QStringLiteral("2031-07-09")));
    EXPECT_EQ(preview->highlights().size(), 1u);

    // The wheel zooms about the pointer: the point under it stays put.
    const QPointF pointer(300, 200);
    const QPointF drawingPoint = preview->viewTransform().inverted().map(pointer);
    QWheelEvent wheel(pointer, preview->mapToGlobal(pointer), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview, &wheel);
    EXPECT_NEAR(preview->zoom(), 1.5625, 1e-9);
    const QPointF after = preview->viewTransform().map(drawingPoint);
    EXPECT_NEAR(after.x(), pointer.x(), 0.01);
    EXPECT_NEAR(after.y(), pointer.y(), 0.01);

    // Dragging moves the drawing with the pointer.
    const QPointF origin = preview->viewTransform().map(QPointF(5, 5));
    QTest::mousePress(preview, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(preview, QPoint(160, 130));
    QTest::mouseRelease(preview, Qt::LeftButton, Qt::NoModifier, QPoint(160, 130));
    const QPointF moved = preview->viewTransform().map(QPointF(5, 5));
    EXPECT_NEAR(moved.x() - origin.x(), 60, 0.01);
    EXPECT_NEAR(moved.y() - origin.y(), 30, 0.01);

    // A double-click shows the whole drawing again.
    QTest::mouseDClick(preview, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_EQ(preview->zoom(), 1.0);
    const QRectF shown = preview->viewTransform().mapRect(preview->drawing()->extent());
    EXPECT_TRUE(QRectF(preview->rect()).contains(shown));
    EXPECT_GT(shown.height(), preview->height() * 0.9);
}

TEST(LayoutDialog, ExportsPdfAndPngBesideTheDrawing)
{
    QTemporaryDir dir;
    RecordingPrompter prompter;
    LayoutDialog dialog(previewProject(dir.path()), CompanyInfo::initial(), prompter);
    EXPECT_EQ(dialog.pdfButton()->text(), QStringLiteral("导出PDF"));
    EXPECT_EQ(dialog.pngButton()->text(), QStringLiteral("导出PNG"));
    // N2's stand-in place is reported after each picture, as after the DXF file.
    const QString standIn = QStringLiteral("以下接管无法按其位置、方位和标高准确定位，已画在封头视图中心、筒体展开图0°处"
                                           "或方位距离所限的位置，请核对接管信息：\nN2");
    prompter.expectMessages({standIn, standIn});
    dialog.exportPicture(LayoutPainter::FileFormat::Pdf, false);
    dialog.exportPicture(LayoutPainter::FileFormat::Png, false);
    QFile pdf(dir.filePath(QStringLiteral("P1-储罐-排版图.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << prompter.texts().join('|').toStdString();
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    QFile png(dir.filePath(QStringLiteral("P1-储罐-排版图.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(prompter.entries.size(), 2);

}
