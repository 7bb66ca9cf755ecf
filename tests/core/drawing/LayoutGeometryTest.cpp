// The shell development against positions worked out by hand from the
// shop's layout rules (the samples are described in LayoutSamples.h).
#include "LayoutSamples.h"

#include "core/drawing/LayoutGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zelvan;
using namespace zelvan::test;

namespace {

constexpr double kEps = 1e-9;
using Orientation = LayoutGeometry::Orientation;

void expectLine(const LayoutLine &l, double x1, double y1, double x2, double y2)
{
    EXPECT_NEAR(l.x1, x1, kEps);
    EXPECT_NEAR(l.y1, y1, kEps);
    EXPECT_NEAR(l.x2, x2, kEps);
    EXPECT_NEAR(l.y2, y2, kEps);
}

void expectText(const LayoutText &t, const std::string &text, double x, double y, double height = 15)
{
    EXPECT_EQ(t.text, text);
    EXPECT_NEAR(t.x, x, kEps);
    EXPECT_NEAR(t.y, y, kEps);
    EXPECT_EQ(t.height, height);
}

void expectDimension(const std::optional<LayoutDimension> &d, double x1, double y1, double x2, double y2, double xd,
                     double yd, double angle, const std::string &text)
{
    ASSERT_TRUE(d.has_value());
    EXPECT_NEAR(d->x1, x1, kEps);
    EXPECT_NEAR(d->y1, y1, kEps);
    EXPECT_NEAR(d->x2, x2, kEps);
    EXPECT_NEAR(d->y2, y2, kEps);
    EXPECT_NEAR(d->xd, xd, kEps);
    EXPECT_NEAR(d->yd, yd, kEps);
    EXPECT_EQ(d->angle, angle);
    EXPECT_EQ(d->text, text);
}

} // namespace

TEST(LayoutGeometryDerived, ScaleRadiusPositions)
{
    const LayoutInputs in = verticalSample();
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.length(), 4000);
    EXPECT_DOUBLE_EQ(g.scale(), 0.2);
    ASSERT_EQ(g.positions().size(), 4u);
    EXPECT_DOUBLE_EQ(g.positions()[0], 0);
    EXPECT_DOUBLE_EQ(g.positions()[1], 200);
    EXPECT_DOUBLE_EQ(g.positions()[2], 500);
    EXPECT_EQ(g.positions()[3], 800.0);
    EXPECT_EQ(g.shellRadius(), 600);
    EXPECT_EQ(g.headViewRadius(), 120.0);
}

TEST(LayoutGeometryDerived, LengthIsIntegerButPositionsUseDecimals)
{
    LayoutInputs in = verticalSample();
    // L = 1000 + 1000 + 1001 = 3001 (decimals dropped); p uses 1000.5 etc.
    in.courses = {courseRow("1000.5", "1201"), courseRow("1000.5", "0"), courseRow("1001", "0")};
    in.firstHeadInnerDiameter = "1001";
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.length(), 3001);
    EXPECT_DOUBLE_EQ(g.positions()[1], 800.0 * 1000.5 / 3001);
    EXPECT_DOUBLE_EQ(g.positions()[2], 800.0 * 2001.0 / 3001);
    EXPECT_EQ(g.positions()[3], 800.0);
    EXPECT_EQ(g.shellRadius(), 600);              // 1201 / 2 in integers
    EXPECT_EQ(g.headViewRadius(), 500 * 800 / 3001); // 133, truncated
}

TEST(LayoutGeometryVertical, SeamsLabelsHeatNumbersAndDimensions)
{
    const LayoutInputs in = verticalSample();
    const LayoutGeometry g(in, Orientation::Vertical);

    const auto seams = g.circumferentialSeams();
    ASSERT_EQ(seams.size(), 2u);
    expectLine(seams[0], 5, 505, 805, 505); // j = 2 first
    expectLine(seams[1], 5, 205, 805, 205);

    const auto labels = g.circumferentialSeamLabels();
    ASSERT_EQ(labels.size(), 4u);
    expectText(labels[0], "B4", -20, 5);
    expectText(labels[1], "B3", -20, 205);
    expectText(labels[2], "B2", -20, 505);
    expectText(labels[3], "B1", -20, 805);

    const LayoutCourse c0 = g.course(0);
    ASSERT_EQ(c0.longitudinalSeam.size(), 3u);
    expectLine(c0.longitudinalSeam[0], 403, 5, 403, 205);
    expectLine(c0.longitudinalSeam[1], 405, 5, 405, 205);
    expectLine(c0.longitudinalSeam[2], 407, 5, 407, 205);
    expectText(c0.seamLabel, "A3", 380, 180);
    expectText(c0.heatNumber, "H1", 385, 160);
    expectDimension(c0.height, 405, 5, 405, 205, 825, 5, 90, "1000");

    const LayoutCourse c1 = g.course(1); // odd: seam at 0°/360°
    expectLine(c1.longitudinalSeam[0], 803, 205, 803, 505);
    expectLine(c1.longitudinalSeam[2], 807, 205, 807, 505);
    expectText(c1.seamLabel, "A2", 780, 480);
    expectText(c1.heatNumber, "H2", 785, 460);
    expectDimension(c1.height, 405, 205, 405, 505, 825, 5, 90, "1500");

    const LayoutCourse c2 = g.course(2); // beyond the last plate
    expectLine(c2.longitudinalSeam[1], 405, 505, 405, 805);
    expectText(c2.seamLabel, "A1", 380, 780);
    expectText(c2.heatNumber, "H2", 385, 760);

    expectDimension(g.totalLengthDimension(), 805, 5, 805, 805, 845, 5, 90, "4000");
}

TEST(LayoutGeometryVertical, OutlineAndHeadViews)
{
    const LayoutInputs in = verticalSample();
    const LayoutGeometry g(in, Orientation::Vertical);
    const auto outline = g.outline();
    ASSERT_EQ(outline.size(), 7u);
    expectLine(outline[0], 5, 5, 5, 805);
    expectLine(outline[4], 805, 5, 805, 805);
    expectLine(outline[5], 5, 805, 805, 805);
    expectLine(outline[6], 5, 5, 805, 5);
    const auto angles = g.angleLabels();
    ASSERT_EQ(angles.size(), 10u);
    expectText(angles[2], gbk("180°"), 405, 815);
    expectText(angles[9], gbk("0°"), 805, -15);

    const auto views = g.headViews();
    ASSERT_EQ(views.size(), 2u);
    EXPECT_EQ(views[0].cx, 405);
    EXPECT_EQ(views[0].cy, 1125);
    EXPECT_EQ(views[0].radius, 120);
    expectLine(views[0].horizontalCentreLine, 205, 1125, 605, 1125);
    expectLine(views[0].verticalCentreLine, 405, 925, 405, 1325);
    expectText(views[0].labels[0], gbk("0°"), 405, 1335);
    expectText(views[0].labels[1], gbk("90°"), 185, 1135);
    expectText(views[0].labels[2], gbk("270°"), 615, 1135);
    EXPECT_EQ(views[1].cy, -315);
    expectText(views[1].labels[0], gbk("0°"), 405, -535);
    expectText(views[1].labels[1], gbk("90°"), 185, -335);
    expectText(views[1].labels[2], gbk("270°"), 615, -335);

    const auto frame = g.frame();
    ASSERT_EQ(frame.size(), 5u);
    expectLine(frame[0], -195, -595, 1005, -595);
    expectLine(frame[2], 1005, 1605, -195, 1605);
    expectLine(frame[4], -195, 1535, 1005, 1535);
}

TEST(LayoutGeometryVertical, OneCourseHasNoSeamLineAndIsA1)
{
    LayoutInputs in = verticalSample();
    in.courses = {courseRow("3000", "1000")};
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_TRUE(g.circumferentialSeams().empty());
    const auto labels = g.circumferentialSeamLabels();
    ASSERT_EQ(labels.size(), 2u);
    expectText(labels[0], "B2", -20, 5);
    expectText(labels[1], "B1", -20, 805);
    const LayoutCourse c = g.course(0);
    EXPECT_EQ(c.seamLabel.text, "A1");
    EXPECT_EQ(c.longitudinalSeam[1].x1, 405); // 180°
}

TEST(LayoutGeometryVertical, FewerPlatesThanCoursesRepeatTheLastHeatNumber)
{
    LayoutInputs in = verticalSample();
    in.courses.assign(5, courseRow("800", "1000"));
    in.plates = {plateRow("Q235B", "P0"), plateRow("Q235B", "P1"), plateRow("Q235B", "P2")};
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.heatNumber(2), "P2");
    EXPECT_EQ(g.heatNumber(3), "P2");
    EXPECT_EQ(g.heatNumber(4), "P2");
    EXPECT_EQ(g.course(4).heatNumber.text, "P2");
    // Extra plates are ignored.
    in.plates.resize(7, plateRow("Q235B", "X"));
    EXPECT_EQ(LayoutGeometry(in, Orientation::Vertical).heatNumber(4), "X");
    EXPECT_EQ(LayoutGeometry(in, Orientation::Vertical).heatNumber(1), "P1");
}

// One row per quadrant and location of a vertical vessel: (k = 0.2, Rs = 600).
struct VerticalNozzleCase {
    const char *name;
    const char *location;
    const char *azimuth;
    const char *elevation;
    double x, y;
    const char *arcText;
    bool arcDimension;
    double arcFromX; // arc dimension starts at (arcFromX, y)
    bool elevationDimension;
    double elevationFromY; // elevation dimension starts at (x, elevationFromY)
};

void PrintTo(const VerticalNozzleCase &c, std::ostream *os)
{
    *os << c.name;
}

class VerticalNozzle : public ::testing::TestWithParam<VerticalNozzleCase> {};

TEST_P(VerticalNozzle, PlacedByQuadrantAzimuthAndElevation)
{
    const VerticalNozzleCase &c = GetParam();
    LayoutInputs in = verticalSample();
    in.nozzles = {nozzleRow("N1", "80", c.location, c.azimuth, c.elevation, "100")};
    const LayoutGeometry g(in, Orientation::Vertical);
    const LayoutNozzle n = g.nozzle(0);
    EXPECT_NEAR(n.x, c.x, kEps);
    EXPECT_NEAR(n.y, c.y, kEps);
    EXPECT_EQ(n.arcText, c.arcText);
    EXPECT_NEAR(n.holeRadius, 20, kEps); // k x outside diameter
    EXPECT_TRUE(n.placedExactly);
    ASSERT_EQ(n.leader.size(), 2u);
    expectLine(n.leader[0], c.x, c.y, c.x + 133, c.y + 80);
    expectLine(n.leader[1], c.x + 133, c.y + 80, c.x + 233, c.y + 80);
    expectText(n.mark, "N1", c.x + 143, c.y + 90);
    expectText(n.nominalDiameter, "DN80", c.x + 143, c.y + 55);
    EXPECT_EQ(n.arc.has_value(), c.arcDimension);
    if (c.arcDimension)
        expectDimension(n.arc, c.arcFromX, c.y, c.x, c.y, c.x, c.y, 0, c.arcText);
    EXPECT_EQ(n.elevation.has_value(), c.elevationDimension);
    if (c.elevationDimension)
        expectDimension(n.elevation, c.x, c.elevationFromY, c.x, c.y, c.x, c.y, 90, gbk(c.elevation));
}

// Arc values: 600 asin(300/600) = 314.159 -> "314" -> A = 62.8;
// 600 asin(600/600) = 942.478 -> "942" -> A = 188.4; 600 asin(100/600) =
// 100.47 -> "100" -> A = 20. Elevations 500 -> E = 100, 200 -> E = 40.
INSTANTIATE_TEST_SUITE_P(
    Quadrants, VerticalNozzle,
    ::testing::Values(
        VerticalNozzleCase{"ShellFirst", "筒节段", "一轴内300", "500", 67.8, 105, "314", true, 5, true, 5},
        VerticalNozzleCase{"ShellSecond", "筒节段", "二轴内300", "500", 267.8, 105, "314", true, 205, true, 5},
        VerticalNozzleCase{"ShellThird", "筒节段", "三轴内600", "200", 593.4, 45, "942", true, 405, true, 5},
        VerticalNozzleCase{"ShellFourth", "筒节段", "四轴内100", "200", 625, 45, "100", true, 605, true, 5},
        VerticalNozzleCase{"UpperFirst", "上封头", "一轴内300", "200", 342.2, 1165, "314", true, 405, true, 1125},
        VerticalNozzleCase{"UpperSecond", "上封头", "二轴内600", "200", 216.6, 1085, "942", true, 405, true, 1125},
        VerticalNozzleCase{"UpperThird", "上封头", "三轴内300", "200", 467.8, 1085, "314", true, 405, true, 1125},
        VerticalNozzleCase{"UpperFourth", "上封头", "四轴内300", "200", 467.8, 1165, "314", true, 405, true, 1125},
        VerticalNozzleCase{"UpperCentre", "上封头", "圆心处", "0", 405, 1125, "0", false, 0, false, 0},
        VerticalNozzleCase{"LowerFirst", "下封头", "一轴内300", "200", 342.2, -355, "314", true, 405, true, -315},
        VerticalNozzleCase{"LowerSecond", "下封头", "二轴内300", "200", 342.2, -275, "314", true, 405, true, -315},
        VerticalNozzleCase{"LowerThird", "下封头", "三轴内300", "200", 467.8, -275, "314", true, 405, true, -315},
        VerticalNozzleCase{"LowerFourth", "下封头", "四轴内300", "200", 467.8, -355, "314", true, 405, true, -315},
        VerticalNozzleCase{"LowerCentre", "下封头", "圆心处100", "300", 405, -315, "100", false, 0, false, 0},
        VerticalNozzleCase{"ElevationZeroHasNoElevationDimension", "筒节段", "二轴内300", "0", 267.8, 5, "314", true,
                           205, false, 0},
        VerticalNozzleCase{"ArcZeroHasNoArcDimension", "筒节段", "三轴内0", "500", 405, 105, "0", false, 0, true, 5}),
    [](const ::testing::TestParamInfo<VerticalNozzleCase> &info) { return std::string(info.param.name); });

struct HorizontalNozzleCase {
    const char *name;
    const char *location;
    const char *azimuth;
    const char *elevation;
    double x, y;
    double arcFromX;       // arc dimension from (arcFromX, y)
    double elevationFromY; // elevation dimension from (x, elevationFromY)
};

void PrintTo(const HorizontalNozzleCase &c, std::ostream *os)
{
    *os << c.name;
}

class HorizontalNozzle : public ::testing::TestWithParam<HorizontalNozzleCase> {};

TEST_P(HorizontalNozzle, PlacedByQuadrantAzimuthAndElevation)
{
    const HorizontalNozzleCase &c = GetParam();
    LayoutInputs in = horizontalSample();
    in.nozzles = {nozzleRow("M", "50", c.location, c.azimuth, c.elevation, "50")};
    const LayoutNozzle n = LayoutGeometry(in, Orientation::Horizontal).nozzle(0);
    EXPECT_NEAR(n.x, c.x, kEps);
    EXPECT_NEAR(n.y, c.y, kEps);
    EXPECT_NEAR(n.holeRadius, 10, kEps);
    EXPECT_TRUE(n.placedExactly);
    expectDimension(n.arc, c.arcFromX, c.y, c.x, c.y, c.x, c.y, 0, n.arcText);
    expectDimension(n.elevation, c.x, c.elevationFromY, c.x, c.y, c.x, c.y, 90, gbk(c.elevation));
}

// Rs = 500, k = 0.2: 500 asin(250/500) = 261.8 -> "262" -> A = 52.4;
// 500 asin(100/500) = 100.67 -> "101" -> A = 20.2; elevation 300 -> E = 60,
// 100 -> E = 20.
INSTANTIATE_TEST_SUITE_P(
    Quadrants, HorizontalNozzle,
    ::testing::Values(HorizontalNozzleCase{"ShellFirst", "筒节段", "一轴内250", "300", 752.6, 65, 805, 5},
                      HorizontalNozzleCase{"ShellSecond", "筒节段", "二轴内250", "300", 752.6, 265, 805, 205},
                      HorizontalNozzleCase{"ShellThird", "筒节段", "三轴内250", "300", 752.6, 465, 805, 405},
                      HorizontalNozzleCase{"ShellFourth", "筒节段", "四轴内250", "300", 752.6, 665, 805, 605},
                      HorizontalNozzleCase{"LeftFirst", "左封头", "一轴内100", "100", -335.2, 385, -315, 405},
                      HorizontalNozzleCase{"LeftSecond", "左封头", "二轴内100", "100", -294.8, 385, -315, 405},
                      HorizontalNozzleCase{"LeftThird", "左封头", "三轴内100", "100", -294.8, 425, -315, 405},
                      HorizontalNozzleCase{"LeftFourth", "左封头", "四轴内100", "100", -335.2, 425, -315, 405},
                      HorizontalNozzleCase{"RightFirst", "右封头", "一轴内100", "100", 1145.2, 385, 1125, 405},
                      HorizontalNozzleCase{"RightSecond", "右封头", "二轴内100", "100", 1104.8, 385, 1125, 405},
                      HorizontalNozzleCase{"RightThird", "右封头", "三轴内100", "100", 1104.8, 425, 1125, 405},
                      HorizontalNozzleCase{"RightFourth", "右封头", "四轴内100", "100", 1145.2, 425, 1125, 405}),
    [](const ::testing::TestParamInfo<HorizontalNozzleCase> &info) { return std::string(info.param.name); });

TEST(LayoutGeometryHorizontal, SeamsLabelsHeatNumbersAndDimensions)
{
    const LayoutInputs in = horizontalSample();
    const LayoutGeometry g(in, Orientation::Horizontal);
    const auto seams = g.circumferentialSeams();
    ASSERT_EQ(seams.size(), 1u);
    expectLine(seams[0], 405, 5, 405, 805);
    const auto labels = g.circumferentialSeamLabels();
    ASSERT_EQ(labels.size(), 3u);
    expectText(labels[0], "B3", 805, -20);
    expectText(labels[1], "B2", 405, -20);
    expectText(labels[2], "B1", 5, -20);

    const LayoutCourse c0 = g.course(0);
    expectLine(c0.longitudinalSeam[0], 805, 403, 405, 403);
    expectLine(c0.longitudinalSeam[2], 805, 407, 405, 407);
    expectText(c0.seamLabel, "A2", 430, 380);
    expectText(c0.heatNumber, "P9", 450, 365);
    expectDimension(c0.height, 805, 405, 405, 405, 805, 825, 0, "2000");
    const LayoutCourse c1 = g.course(1);
    expectLine(c1.longitudinalSeam[1], 405, 805, 5, 805);
    expectText(c1.seamLabel, "A1", 30, 780);
    expectText(c1.heatNumber, "P9", 50, 765);
    expectDimension(c1.height, 405, 405, 5, 405, 805, 825, 0, "2000");
    expectDimension(g.totalLengthDimension(), 805, 805, 5, 805, 805, 845, 0, "4000");

    const auto outline = g.outline();
    expectLine(outline[0], 805, 5, 5, 5);
    expectLine(outline[5], 5, 5, 5, 805);
    expectLine(outline[6], 805, 5, 805, 805);
    const auto angles = g.angleLabels();
    expectText(angles[2], gbk("180°"), -35, 405);
    expectText(angles[6], gbk("90°"), 825, 205);
    const auto views = g.headViews();
    EXPECT_EQ(views[0].cx, -315);
    EXPECT_EQ(views[0].radius, 100);
    expectText(views[0].labels[0], gbk("0°"), -525, 405);
    expectText(views[1].labels[2], gbk("270°"), 1105, 615);
    expectLine(g.frame()[4], -595, 935, 1405, 935);
}

TEST(LayoutGeometryStandIns, NozzlesWithoutAPositionAreDrawnAndFlagged)
{
    LayoutInputs in = verticalSample();
    in.nozzles = {
        nozzleRow("S1", "50", "筒节段", "圆心处", "500", "50"),   // no quadrant on the shell
        nozzleRow("S2", "50", "左封头", "一轴内100", "100", "50"), // head of a horizontal vessel
        nozzleRow("S3", "50", "右封头", "一轴内100", "100", "50"),
        nozzleRow("S4", "50", "筒节段", "一轴内900", "100", "50"), // beyond Rs = 600
        nozzleRow("S5", "50", "裙座", "一轴内100", "100", "50"),   // unknown location
        nozzleRow("S6", "50", "上封头", "东侧100", "100", "50"),   // unknown quadrant word
    };
    const LayoutGeometry g(in, Orientation::Vertical);
    LayoutNozzle n = g.nozzle(0);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 5);
    EXPECT_EQ(n.y, 5);
    EXPECT_FALSE(n.arc || n.elevation);
    n = g.nozzle(1);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 405);
    EXPECT_EQ(n.y, 1125);
    EXPECT_FALSE(n.arc || n.elevation);
    n = g.nozzle(2);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.y, -315);
    // Clamped arcsine: a quarter turn, 600 x pi / 2 = 942.48 -> "942".
    n = g.nozzle(3);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.arcText, "942");
    EXPECT_NEAR(n.x, 5 + 188.4, kEps);
    EXPECT_TRUE(n.arc.has_value());
    n = g.nozzle(4);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 5);
    n = g.nozzle(5);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 405);
    EXPECT_EQ(n.y, 1125);

    LayoutInputs h = horizontalSample();
    h.nozzles = {nozzleRow("T1", "50", "上封头", "一轴内100", "100", "50"),
                 nozzleRow("T2", "50", "下封头", "圆心处", "0", "50"),
                 nozzleRow("T3", "50", "筒节段", "圆心处", "0", "50")};
    const LayoutGeometry gh(h, Orientation::Horizontal);
    EXPECT_EQ(gh.nozzle(0).x, -315);
    EXPECT_EQ(gh.nozzle(1).x, 1125);
    EXPECT_FALSE(gh.nozzle(1).placedExactly);
    EXPECT_EQ(gh.nozzle(2).x, 805);
    EXPECT_EQ(gh.nozzle(2).y, 5);
}

TEST(LayoutGeometryStandIns, ZeroDiameterPutsShellNozzlesAtArcZero)
{
    LayoutInputs in = verticalSample();
    for (auto &row : in.courses)
        row[ShellCourseColumn::Diameter] = "";
    in.nozzles = {nozzleRow("Z", "50", "筒节段", "二轴内300", "500", "50")};
    const LayoutNozzle n = LayoutGeometry(in, Orientation::Vertical).nozzle(0);
    EXPECT_EQ(n.arcText, "0");
    EXPECT_EQ(n.x, 205);
    EXPECT_FALSE(n.arc.has_value());
    EXPECT_TRUE(n.elevation.has_value());
}

TEST(LayoutGeometryStandIns, NoCoordinateIsEverInfiniteOrNaN)
{
    LayoutInputs in = verticalSample();
    in.courses = {courseRow("1e999", "1200"), courseRow("1", "1200")};
    in.nozzles = {nozzleRow("X", "50", "筒节段", "一轴内1e999", "1e999", "1e999"),
                  nozzleRow("Y", "50", "上封头", "二轴内99999999999", "-1e999", "5")};
    const LayoutGeometry g(in, Orientation::Vertical);
    for (double p : g.positions())
        EXPECT_TRUE(std::isfinite(p));
    for (int i = 0; i < 2; ++i) {
        const LayoutNozzle n = g.nozzle(i);
        EXPECT_TRUE(std::isfinite(n.x) && std::isfinite(n.y) && std::isfinite(n.holeRadius));
        for (const auto &d : {n.arc, n.elevation})
            if (d) {
                EXPECT_TRUE(std::isfinite(d->x1) && std::isfinite(d->y1) && std::isfinite(d->xd));
            }
    }
    // A distance far beyond the radius is clamped to a quarter turn.
    EXPECT_FALSE(g.nozzle(1).placedExactly);
    EXPECT_EQ(g.nozzle(1).arcText, "942");
}
