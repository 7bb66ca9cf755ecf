// The vessel sketch of the shell-course and nozzle pages, read from its
// pixels. Where a course or a nozzle should be is worked out here from the
// shop's rules (course heights over the total length, the quadrant's angle
// counted counter-clockwise from 0°), never from the widget's own helpers.
#include "support/RecordingPrompter.h"

#include "gui/pages/NozzlePage.h"
#include "gui/pages/ShellCoursePage.h"
#include "gui/widgets/VesselSketchWidget.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>

using namespace zelvan;
using test::RecordingPrompter;

namespace {

constexpr double kPi = std::numbers::pi;

QImage picture(QWidget *widget)
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool isCourse(QRgb pixel)
{
    return pixel == VesselSketchWidget::courseFill(0).rgb() || pixel == VesselSketchWidget::courseFill(1).rgb();
}

// The bounding box of the courses' fill.
QRect shellBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isCourse(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The course fills met walking along the shell from course 0's end (upwards
// on a vertical vessel, leftwards on a horizontal one), through a line a
// quarter across the shell: one (start, end) pixel span per course.
struct Span { int from, to; QRgb fill; };
std::vector<Span> courseSpans(const QImage &image, const QRect &box, bool vertical)
{
    std::vector<Span> spans;
    const int length = vertical ? box.height() : box.width();
    for (int i = 0; i < length; ++i) {
        const QRgb pixel = vertical ? image.pixel(box.left() + box.width() / 4, box.bottom() - i)
                                    : image.pixel(box.right() - i, box.top() + box.height() / 4);
        if (!isCourse(pixel))
            continue;
        if (!spans.empty() && spans.back().fill == pixel && spans.back().to >= i - 1)
            spans.back().to = i;
        else
            spans.push_back({i, i, pixel});
    }
    return spans;
}

// Seams expected at the running sum of the heights over the total, on the
// shell's pixel length.
void expectCourses(const QImage &image, bool vertical, const std::vector<double> &heights)
{
    const QRect box = shellBox(image);
    ASSERT_FALSE(box.isEmpty());
    const std::vector<Span> spans = courseSpans(image, box, vertical);
    ASSERT_EQ(spans.size(), heights.size());
    double total = 0;
    for (double h : heights)
        total += h;
    const double pixels = vertical ? box.height() : box.width();
    double sum = 0;
    for (size_t i = 0; i < heights.size(); ++i) {
        const double from = pixels * sum / total;
        sum += heights[i];
        const double to = pixels * sum / total;
        EXPECT_NEAR(spans[i].from, from, 2.5) << "course " << i;
        EXPECT_NEAR(spans[i].to, to, 2.5) << "course " << i;
        // Successive courses alternate their fill, so a seam shows.
        if (i > 0) {
            EXPECT_NE(spans[i].fill, spans[i - 1].fill);
        }
    }
}

QRgb pixelAlong(const QImage &image, const QRect &box, bool vertical, double fraction)
{
    return vertical ? image.pixel(box.left() + box.width() / 4, box.bottom() - static_cast<int>(fraction * box.height()))
                    : image.pixel(box.right() - static_cast<int>(fraction * box.width()), box.top() + box.height() / 4);
}

// Counts the paint events a widget receives: grab() paints on demand, so
// only this shows that the page asked the shown sketch to redraw.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct CourseFixture : ::testing::TestWithParam<bool> {
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;
    std::unique_ptr<ShellCoursePage> page;

    bool vertical() const { return GetParam(); }

    void SetUp() override
    {
        doc.record().setField(Field::VesselType, vertical() ? "0" : "1");
        doc.record().setField(Field::FirstHeadInnerDiameter, "1600");
        page = std::make_unique<ShellCoursePage>(doc, prompter);
        page->resize(1200, 800);
        page->show();
        page->sketch->installEventFilter(&counter);
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    // The shown sketch repainted since the last call.
    bool repainted()
    {
        settle();
        const bool painted = counter.paints > 0;
        counter.paints = 0;
        return painted;
    }

    PaintCounter counter;

    void addCourse(const QString &number, const QString &height)
    {
        page->numberEdit->setText(number);
        page->typeList->setCurrentIndex(0);
        page->heightEdit->setText(height);
        page->thicknessEdit->setText("12");
        page->diameterEdit->setText("1600");
        page->materialList->setCurrentIndex(0);
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        page->editor().add();
        EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    }
};

} // namespace

TEST_P(CourseFixture, RedrawsToScaleAfterAddUpdateAndDelete)
{
    // Beside the list, not over it.
    EXPECT_GE(page->sketch->geometry().left(), page->editor().list()->geometry().right());
    EXPECT_GT(page->sketch->width(), 150);

    EXPECT_TRUE(shellBox(picture(page->sketch)).isEmpty()); // no course yet
    repainted();
    addCourse("1", "1200");
    EXPECT_TRUE(repainted());
    addCourse("2", "1500");
    expectCourses(picture(page->sketch), vertical(), {1200, 1500});

    // The new course: 12000 typed for 1200 takes four fifths of the shell,
    // ten times the first course.
    addCourse("3", "12000");
    EXPECT_TRUE(repainted());
    QImage image = picture(page->sketch);
    expectCourses(image, vertical(), {1200, 1500, 12000});
    QRect box = shellBox(image);
    const double newCourseMiddle = (1200 + 1500 + 6000) / 14700.0;
    EXPECT_EQ(pixelAlong(image, box, vertical(), newCourseMiddle), VesselSketchWidget::courseFill(2).rgb());
    std::vector<Span> spans = courseSpans(image, box, vertical());
    ASSERT_EQ(spans.size(), 3u);
    EXPECT_NEAR(double(spans[2].to - spans[2].from + 2) / (spans[0].to - spans[0].from + 2), 10.0, 0.3);
    // True to scale: the shell is 1600 wide for 14700 long (the outline
    // covers a pixel of the fill at each edge).
    const double long_ = vertical() ? box.height() : box.width(), wide = vertical() ? box.width() : box.height();
    EXPECT_NEAR(wide, long_ * 1600.0 / 14700.0, 2.5);
    // The vessel lies the way of its type.
    EXPECT_EQ(vertical(), box.height() > box.width());

    // Corrected through "修改记录": the course shrinks to its true height.
    page->editor().list()->clearSelection();
    page->editor().list()->selectRow(2);
    prompter.answerYes();
    page->editor().modify();
    page->heightEdit->setText("1200");
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据添加成功！"));
    repainted();
    page->editor().update();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    EXPECT_TRUE(repainted());
    expectCourses(picture(page->sketch), vertical(), {1200, 1500, 1200});

    // Deleted: two courses fill the shell again.
    page->editor().list()->clearSelection();
    page->editor().list()->selectRow(2);
    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("数据删除成功！"));
    repainted();
    page->editor().remove();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("数据删除成功！"));
    EXPECT_TRUE(repainted());
    image = picture(page->sketch);
    expectCourses(image, vertical(), {1200, 1500});
    box = shellBox(image);
    // Where the third course's middle was, on the shell of two courses, is
    // now the second course.
    EXPECT_EQ(pixelAlong(image, box, vertical(), 1 - (1200 / 2.0) / 2700.0), VesselSketchWidget::courseFill(1).rgb());
    EXPECT_EQ(prompter.pendingAnswers(), 0u);
}

INSTANTIATE_TEST_SUITE_P(VesselTypes, CourseFixture, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "Vertical" : "Horizontal"; });

namespace {

struct NozzleCase {
    const char *name;
    bool vertical;
    int quadrant;     // 0..3: "一轴内" .. "四轴内"
    int distance;     // azimuth distance, mm
    int elevation;    // mm from course 0's end
};

class NozzleFixture : public ::testing::TestWithParam<NozzleCase> {
protected:
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    RecordingPrompter prompter;
    std::unique_ptr<NozzlePage> page;

    static constexpr double kRadius = 1000; // shell Ø2000
    static constexpr double kLength = 6000;

    void SetUp() override
    {
        const NozzleCase &c = GetParam();
        doc.record().setField(Field::VesselType, c.vertical ? "0" : "1");
        doc.record().setField(Field::FirstHeadInnerDiameter, "2000");
        doc.record().table(TableId::ShellCourses).assignRows({{"1", gbk("圆筒形"), "3000", "12", "2000", "16MnR"},
                                                              {"2", gbk("圆筒形"), "3000", "12", "2000", "16MnR"}});
        doc.record().table(TableId::ShellCourses).setCountText("2");
        page = std::make_unique<NozzlePage>(doc, prompter);
        page->resize(1400, 800);
        page->show();
    }

    void addNozzle(const NozzleCase &c)
    {
        page->numberEdit->setText("N1");
        page->nameEdit->setText(QStringLiteral("进料口"));
        page->openingTypeList->setCurrentIndex(0);
        page->nominalDiameterList->setCurrentIndex(0);
        page->locationList->setCurrentIndex(0); // "筒节段"
        page->quadrantList->setCurrentIndex(c.quadrant);
        page->azimuthEdit->setText(QString::number(c.distance));
        page->elevationEdit->setText(QString::number(c.elevation));
        page->pipeSizeEdit->setText("20#");
        page->outsideDiameterEdit->setText("400");
        page->thicknessEdit->setText("6");
        page->lengthEdit->setText("200");
        prompter.expectMessage(QStringLiteral("数据添加成功！"));
        page->editor().add();
        ASSERT_EQ(prompter.lastText(), QStringLiteral("数据添加成功！"));
    }
};

void PrintTo(const NozzleCase &c, std::ostream *os)
{
    *os << c.name;
}

QPointF centroid(const std::vector<QPoint> &points)
{
    QPointF sum;
    for (const QPoint &p : points)
        sum += QPointF(p);
    return points.empty() ? QPointF() : sum / static_cast<double>(points.size());
}

} // namespace

TEST_P(NozzleFixture, NozzleOnTheSideOfItsQuadrant)
{
    const NozzleCase &c = GetParam();
    PaintCounter counter;
    page->sketch->installEventFilter(&counter);
    addNozzle(c);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_GT(counter.paints, 0); // the shown sketch was asked to redraw
    const QImage image = picture(page->sketch);
    const QRect box = shellBox(image);
    ASSERT_FALSE(box.isEmpty());

    // The angle: whole quadrants of 90° from 0°, counter-clockwise, plus the
    // arc s = R asin(d / R) unrolled on the circumference.
    const double angle = 90.0 * c.quadrant + std::asin(c.distance / kRadius) * 180.0 / kPi;
    const double theta = angle * kPi / 180.0;

    // Split the nozzle's red into the side view's mark (on the shell) and
    // the plan's dot (elsewhere).
    const QRect near = box.adjusted(-25, -25, 25, 25);
    std::vector<QPoint> side, plan;
    QRect ring;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == VesselSketchWidget::nozzleColour().rgb())
                (near.contains(x, y) ? side : plan).push_back({x, y});
            else if (pixel == VesselSketchWidget::planColour().rgb())
                ring |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(side.empty());
    ASSERT_FALSE(plan.empty());
    ASSERT_FALSE(ring.isEmpty());

    // The side view is seen from 180°: 90° to the left of a vertical vessel,
    // downwards on a horizontal one (as the drawing's head views put it).
    const QPointF mark = centroid(side);
    const double pixelsPerMm = (c.vertical ? box.height() : box.width()) / kLength;
    const double across = -kRadius * std::sin(theta) * pixelsPerMm; // right (vertical) or up (horizontal)
    const double along = c.elevation * pixelsPerMm;
    if (c.vertical) {
        EXPECT_NEAR(mark.x(), box.center().x() + across, 3.0);
        EXPECT_NEAR(mark.y(), box.bottom() - along, 3.0);
    } else {
        EXPECT_NEAR(mark.y(), box.center().y() - across, 3.0);
        EXPECT_NEAR(mark.x(), box.right() - along, 3.0);
    }
    // Filled on the near half (90° to 270°), hollow on the far one.
    const bool nearHalf = std::cos(theta) < 0;
    const QRgb middle = image.pixel(mark.toPoint());
    EXPECT_EQ(middle == VesselSketchWidget::nozzleColour().rgb(), nearHalf);

    // On the plan: 0° at the top and 90° to the left (vertical), 0° to the
    // left and 90° downwards (horizontal), in screen coordinates.
    const QPointF dot = centroid(plan) - QRectF(ring).center();
    const QPointF expected = c.vertical ? QPointF(-std::sin(theta), -std::cos(theta))
                                        : QPointF(-std::cos(theta), std::sin(theta));
    const double length = std::hypot(dot.x(), dot.y());
    ASSERT_GT(length, 10.0);
    EXPECT_GT((dot.x() * expected.x() + dot.y() * expected.y()) / length, std::cos(6 * kPi / 180.0))
        << "dot at " << dot.x() << "," << dot.y();
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, NozzleFixture,
    ::testing::Values(NozzleCase{"VerticalFirst", true, 0, 500, 1000}, NozzleCase{"VerticalSecond", true, 1, 500, 2500},
                      NozzleCase{"VerticalThird", true, 2, 700, 4000}, NozzleCase{"VerticalFourth", true, 3, 300, 5000},
                      NozzleCase{"HorizontalFirst", false, 0, 500, 1000},
                      NozzleCase{"HorizontalSecond", false, 1, 500, 2500},
                      NozzleCase{"HorizontalThird", false, 2, 700, 4000},
                      NozzleCase{"HorizontalFourth", false, 3, 300, 5000}),
    [](const auto &info) { return std::string(info.param.name); });

// Head nozzles sit beyond the shell's end on their head, on the side their
// quadrant gives in the head view: on the upper head of a vertical vessel
// the second quadrant lies left (x = 405 − A), on the lower head the third
// quadrant right (x = 405 + A).
TEST(VesselSketch, HeadNozzlesBeyondTheShellOnTheirSide)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    ProjectRecord &record = doc.record();
    record.setField(Field::VesselType, "0");
    record.setField(Field::FirstHeadInnerDiameter, "2000");
    record.table(TableId::ShellCourses).assignRows({{"1", gbk("圆筒形"), "4000", "12", "2000", "16MnR"}});
    record.table(TableId::ShellCourses).setCountText("1");
    const auto nozzle = [](const char *number, const char *location, const char *azimuth) {
        return std::vector<std::string>{number, gbk("口"), gbk("法兰"), "50", gbk(location), gbk(azimuth), "500", "",
                                        "20#", "200", "4", "150", "", ""};
    };
    for (const char *location : {"上封头", "下封头"}) {
        const bool upper = std::string(location) == "上封头";
        record.table(TableId::Nozzles).assignRows({nozzle("N1", location, upper ? "二轴内500" : "三轴内500")});
        record.table(TableId::Nozzles).setCountText("1");
        VesselSketchWidget sketch(record);
        sketch.resize(380, 600);
        const QImage image = picture(&sketch);
        const QRect box = shellBox(image);
        ASSERT_FALSE(box.isEmpty());
        std::vector<QPoint> marks;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == VesselSketchWidget::nozzleColour().rgb() && x <= box.right() + 25)
                    marks.push_back({x, y});
        ASSERT_FALSE(marks.empty()) << location;
        const QPointF mark = centroid(marks);
        const double halfWidth = box.width() / 2.0;
        // About A / R = 0.52 of the radius off the axis (A = R asin(d / R)).
        const double expectedX = box.center().x() + (upper ? -1 : 1) * halfWidth * std::asin(0.5);
        EXPECT_NEAR(mark.x(), expectedX, 4.0) << location;
        if (upper) {
            EXPECT_LT(mark.y(), box.top()) << location;
        } else {
            EXPECT_GT(mark.y(), box.bottom()) << location;
        }
    }
}

// Rows from hand-edited files: no diameters, a height that is no number, one
// ("1e999") the total length counts as 1 but the seams as 1e300, an unknown
// vessel type, a nozzle without numbers. The sketch still draws a slim shell
// with its seams kept on it, lying as the nozzle page's heads are offered.
TEST(VesselSketch, OddRowsStillDrawTheShell)
{
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc doc{company};
    ProjectRecord &record = doc.record();
    record.setField(Field::VesselType, "7");
    record.table(TableId::ShellCourses).assignRows(
        {{"1", "", "abc", "", "", ""}, {"2", "", "1e999", "", "-5", ""}, {"3", "", "3000", "", "", ""}});
    record.table(TableId::ShellCourses).setCountText("3");
    record.table(TableId::Nozzles).assignRows(
        {{"N1", "", "", "", gbk("筒节段"), "", "x", "", "", "1e999", "", "", "", ""}});
    record.table(TableId::Nozzles).setCountText("1");
    VesselSketchWidget sketch(record);
    sketch.resize(380, 500);
    const QImage image = picture(&sketch);
    const QRect box = shellBox(image);
    ASSERT_FALSE(box.isEmpty());
    // The seam of course 2 is clamped to the shell's end: one course shows.
    EXPECT_EQ(courseSpans(image, box, false).size(), 1u);
    EXPECT_GT(box.width(), box.height()); // drawn lying, as the nozzle page offers left and right heads
}
