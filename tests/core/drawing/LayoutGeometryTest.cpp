// The shell development against positions worked out by hand from the
// shop's layout rules (the samples are described in LayoutSamples.h).
#include "LayoutSamples.h"

#include "core/drawing/LayoutGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
    EXPECT_DOUBLE_EQ(g.circumferenceScale(), 800 / (2 * std::acos(-1.0) * 600));
    EXPECT_EQ(g.headViewRadius(), 180.0);
    EXPECT_DOUBLE_EQ(g.headScale(), 0.3); // 180 / (1200 / 2)
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
    EXPECT_EQ(g.headViewRadius(), 180.0);
    EXPECT_DOUBLE_EQ(g.headScale(), 180 / 500.5);
}

TEST(LayoutGeometryDerived, AHeightInExponentFormCountsAsInTheLength)
{
    // An edited file: "1e999" reads as 1 in the length (its leading
    // integer); the seams must agree with it, never run off the drawing.
    LayoutInputs in = verticalSample();
    in.courses = {courseRow("1000", "1200"), courseRow("1e999", "1200"), courseRow("1000", "1200"),
                  courseRow("1e3", "1200")};
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.length(), 2002);
    EXPECT_DOUBLE_EQ(g.positions()[1], 800.0 * 1000 / 2002);
    EXPECT_DOUBLE_EQ(g.positions()[2], 800.0 * 1001 / 2002);
    EXPECT_DOUBLE_EQ(g.positions()[3], 800.0 * 2001 / 2002);
    EXPECT_EQ(g.positions()[4], 800.0);
}

TEST(LayoutGeometryDerived, SeamsNeverPassTheEndOfTheDevelopment)
{
    // Decimals add up beyond the integer length: 3 × 1000.9 against 3000.
    LayoutInputs in = verticalSample();
    in.courses = {courseRow("1000.9", "1200"), courseRow("1000.9", "1200"), courseRow("1000.9", "1200"),
                  courseRow("0.9", "1200")};
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.length(), 3000);
    EXPECT_DOUBLE_EQ(g.positions()[2], 800.0 * 2001.8 / 3000);
    EXPECT_EQ(g.positions()[3], 800.0); // 800 × 3002.7 / 3000, held at the end
    EXPECT_EQ(g.positions()[4], 800.0);
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
    expectDimension(c0.height, 805, 5, 805, 205, 825, 5, 90, "1000"); // on the edge, off the seams

    const LayoutCourse c1 = g.course(1); // odd: seam at 0°/360°
    expectLine(c1.longitudinalSeam[0], 803, 205, 803, 505);
    expectLine(c1.longitudinalSeam[2], 807, 205, 807, 505);
    expectText(c1.seamLabel, "A2", 780, 480);
    expectText(c1.heatNumber, "H2", 785, 460);
    expectDimension(c1.height, 805, 205, 805, 505, 825, 5, 90, "1500");

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
    EXPECT_EQ(views[0].radius, 180);
    EXPECT_EQ(views[1].radius, 180);
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

// Shell nozzles, worked out from the shop's rules: the arc s = Rs asin(d / Rs)
// rounded to whole millimetres, scaled by c = 800 / (2 pi Rs) along the
// circumference (a quadrant, pi Rs / 2, is 200 units), the elevation by
// k = 800 / L along the length. A vertical vessel has the circumference along
// x; a horizontal one along y, with the length running leftwards from x = 805.
struct ShellVessel {
    const char *name;
    Orientation orientation;
    int diameter;
    std::vector<const char *> heights;
    double length;
};

TEST(LayoutNozzlePlacement, ShellNozzlesStayInTheirQuadrantWhateverTheLength)
{
    const double pi = std::acos(-1.0);
    const std::vector<ShellVessel> vessels = {
        {"vertical, L about pi D", Orientation::Vertical, 2000, {"2000", "2000", "2283"}, 6283},
        {"vertical, squat 2400 x 2000", Orientation::Vertical, 2400, {"1000", "1000"}, 2000},
        {"vertical, tall", Orientation::Vertical, 1600, {"1200", "1500", "1500", "1500", "1500", "1200"}, 8400},
        {"horizontal, L about pi D", Orientation::Horizontal, 2000, {"2000", "2000", "2283"}, 6283},
        {"horizontal, squat 2400 x 2000", Orientation::Horizontal, 2400, {"1000", "1000"}, 2000},
        {"horizontal, tall", Orientation::Horizontal, 1600, {"1200", "1500", "1500", "1500", "1500", "1200"}, 8400},
    };
    const char *words[] = {"一轴内", "二轴内", "三轴内", "四轴内"};
    const double quadrantStart[] = {5, 205, 405, 605};
    const double degrees[] = {0, 30, 89, 90}; // 90: at the radius

    for (const ShellVessel &v : vessels) {
        LayoutInputs in = verticalSample();
        in.vesselType = v.orientation;
        const std::string diameter = std::to_string(v.diameter);
        in.courses.clear();
        for (const char *h : v.heights)
            in.courses.push_back(courseRow(h, diameter.c_str()));
        const double rs = v.diameter / 2;
        const double k = 800.0 / v.length;
        const double c = 800.0 / (2 * pi * rs);
        const double elevation = 500;
        const double lengthPos = k * elevation;

        for (int q = 0; q < 4; ++q) {
            for (double deg : degrees) {
                // Distances are whole millimetres: 89° rounded down, so that
                // it stays short of the radius.
                const double exact = rs * std::sin(deg * pi / 180);
                const int d = deg == 90   ? static_cast<int>(rs)
                              : deg == 89 ? static_cast<int>(std::floor(exact))
                                          : static_cast<int>(std::lround(exact));
                const std::string azimuth = std::string(words[q]) + std::to_string(d);
                SCOPED_TRACE(std::string(v.name) + ", " + azimuth);
                in.nozzles = {nozzleRow("N", "80", "筒节段", azimuth.c_str(), "500", "100")};
                const LayoutNozzle n = LayoutGeometry(in, v.orientation).nozzle(0);

                const double trueAngle = std::asin(d / rs) * 180 / pi; // into the quadrant
                char arcText[32];
                std::snprintf(arcText, sizeof arcText, "%.0f", rs * std::asin(d / rs));
                const double along = std::min(c * std::atof(arcText), 200.0);
                const bool vertical = v.orientation == Orientation::Vertical;
                const double x = vertical ? quadrantStart[q] + along : 805 - lengthPos;
                const double y = vertical ? 5 + lengthPos : quadrantStart[q] + along;

                EXPECT_EQ(n.arcText, arcText);
                EXPECT_TRUE(n.placedExactly);
                EXPECT_NEAR(n.x, x, kEps);
                EXPECT_NEAR(n.y, y, kEps);
                EXPECT_NEAR(n.holeRadius, k * 100, kEps);
                // On the development, inside its own quadrant, at its angle.
                const double circ = vertical ? n.x : n.y;
                const double len = vertical ? n.y : n.x;
                EXPECT_GE(circ, quadrantStart[q]);
                EXPECT_LE(circ, quadrantStart[q] + 200);
                EXPECT_GE(len, 5);
                EXPECT_LE(len, 805);
                EXPECT_NEAR((circ - quadrantStart[q]) / 200 * 90, trueAngle, 0.05);

                if (d == 0) {
                    EXPECT_FALSE(n.arc.has_value());
                } else if (vertical) {
                    expectDimension(n.arc, quadrantStart[q], y, x, y, x, y, 0, arcText);
                } else {
                    expectDimension(n.arc, x, quadrantStart[q], x, y, x, y, 90, arcText);
                }
                if (vertical)
                    expectDimension(n.elevation, x, 5, x, y, x, y, 90, "500");
                else
                    expectDimension(n.elevation, 805, y, x, y, x, y, 0, "500");
            }
        }
    }
}

TEST(LayoutNozzlePlacement, ShellDiameterZeroFallsBackToTheLengthScale)
{
    LayoutInputs in = verticalSample(); // k = 0.2
    for (auto &row : in.courses)
        row[ShellCourseColumn::Diameter] = "";
    const LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_EQ(g.circumferenceScale(), 0.2);
}

// Head nozzles: the head views have radius 180; A, E and the hole use the
// head's scale 180 / (Dh / 2), or k when there is no head diameter.
struct HeadNozzleCase {
    const char *name;
    Orientation orientation;
    const char *headDiameter;
    const char *location;
    const char *azimuth;
    const char *elevation;
    double x, y, holeRadius;
    double arcFromX;       // arc dimension (angle 0) from (arcFromX, y)
    double elevationFromY; // elevation dimension (angle 90) from (x, elevationFromY)
    double viewRadius;
};

TEST(LayoutNozzlePlacement, HeadNozzlesUseTheHeadScale)
{
    // Vertical sample: Rs = 600, k = 0.2; 600 asin(300/600) = 314.16 -> "314".
    // Horizontal sample: Rs = 500, k = 0.2; 500 asin(250/500) = 261.8 -> "262".
    // Outside diameter 100 throughout.
    const HeadNozzleCase cases[] = {
        // Dh 1200: h = 180 / 600 = 0.3: A = 94.2, E = 0.3 x 200 = 60, hole 30.
        {"upper second", Orientation::Vertical, "1200", "上封头", "二轴内300", "200", 405 - 94.2, 1125 - 60, 30, 405,
         1125, 180},
        {"lower fourth", Orientation::Vertical, "1200", "下封头", "四轴内300", "200", 405 + 94.2, -315 - 60, 30, 405,
         -315, 180},
        // Dh 1000: h = 0.36: A = 94.32, E = 0.36 x 100 = 36, hole 36.
        {"left first", Orientation::Horizontal, "1000", "左封头", "一轴内250", "100", -315 - 94.32, 405 - 36, 36, -315,
         405, 180},
        {"right third", Orientation::Horizontal, "1000", "右封头", "三轴内250", "100", 1125 - 94.32, 405 + 36, 36, 1125,
         405, 180},
        // No head diameter: no circles, h = k = 0.2: A = 62.8, E = 40, hole 20.
        {"upper, no head diameter", Orientation::Vertical, "", "上封头", "二轴内300", "200", 405 - 62.8, 1125 - 40, 20,
         405, 1125, 0},
        {"right, no head diameter", Orientation::Horizontal, "0", "右封头", "三轴内250", "100", 1125 - 52.4, 405 + 20,
         20, 1125, 405, 0},
    };
    for (const HeadNozzleCase &c : cases) {
        SCOPED_TRACE(c.name);
        LayoutInputs in = c.orientation == Orientation::Vertical ? verticalSample() : horizontalSample();
        in.firstHeadInnerDiameter = c.headDiameter;
        in.nozzles = {nozzleRow("H", "80", c.location, c.azimuth, c.elevation, "100")};
        const LayoutGeometry g(in, c.orientation);
        for (const LayoutHeadView &view : g.headViews())
            EXPECT_EQ(view.radius, c.viewRadius);
        const LayoutNozzle n = g.nozzle(0);
        EXPECT_TRUE(n.placedExactly);
        EXPECT_NEAR(n.x, c.x, kEps);
        EXPECT_NEAR(n.y, c.y, kEps);
        EXPECT_NEAR(n.holeRadius, c.holeRadius, kEps);
        expectDimension(n.arc, c.arcFromX, c.y, c.x, c.y, c.x, c.y, 0, n.arcText);
        expectDimension(n.elevation, c.x, c.elevationFromY, c.x, c.y, c.x, c.y, 90, gbk(c.elevation));
    }
}

TEST(LayoutNozzlePlacement, HeadCentreAndZeroDimensions)
{
    LayoutInputs in = verticalSample();
    in.nozzles = {nozzleRow("C", "80", "下封头", "圆心处", "0", "100"),
                  nozzleRow("Z", "80", "筒节段", "三轴内0", "0", "100")};
    const LayoutGeometry g(in, Orientation::Vertical);
    LayoutNozzle n = g.nozzle(0);
    EXPECT_TRUE(n.placedExactly);
    EXPECT_EQ(n.x, 405);
    EXPECT_EQ(n.y, -315);
    EXPECT_FALSE(n.arc || n.elevation);
    n = g.nozzle(1);
    EXPECT_EQ(n.x, 405);
    EXPECT_EQ(n.y, 5);
    EXPECT_FALSE(n.arc || n.elevation);
    expectLine(n.leader[0], 405, 5, 538, 85);
    expectLine(n.leader[1], 538, 85, 638, 85);
    expectText(n.mark, "Z", 548, 95);
    expectText(n.nominalDiameter, "DN80", 548, 60);
}

TEST(LayoutGeometryCourses, ShortCoursesShrinkTheirRunningTexts)
{
    // Vertical: the heat number runs down from 45 below the band's top and
    // must end at its bottom. "12A345-1" is a capital (0.75 em) and seven
    // characters of half an em, the em 1 / 0.65 of the height (Times New
    // Roman's capitals are drawn as tall as the height): 4.25 / 0.65 h.
    LayoutInputs in = verticalSample(); // k = 0.2
    in.courses = {courseRow("500", "1200"), courseRow("200", "1200"), courseRow("3300", "1200")};
    in.plates = {plateRow("16MnR", "12A345-1")};
    LayoutGeometry g(in, Orientation::Vertical);
    EXPECT_NEAR(g.course(0).heatNumber.height, (100.0 - 45) / (4.25 / 0.65), kEps); // band 100
    EXPECT_EQ(g.course(1).heatNumber.height, 5);                            // band 40: the smallest
    EXPECT_EQ(g.course(2).heatNumber.height, 15);                           // band 660: room enough
    EXPECT_EQ(g.course(0).seamLabel.height, 15);

    // Horizontal: the A label runs right from 25 inside the band's left end
    // and must end at its right end: "A3" is 1.25 em, 1.25 / 0.65 h wide.
    in.vesselType = VesselType::Horizontal;
    in.courses = {courseRow("200", "1200"), courseRow("100", "1200"), courseRow("3700", "1200")};
    const LayoutGeometry h(in, Orientation::Horizontal);
    EXPECT_NEAR(h.course(0).seamLabel.height, (40.0 - 25) / (1.25 / 0.65), kEps); // "A3", band 40
    EXPECT_EQ(h.course(1).seamLabel.height, 5);                           // band 20
    EXPECT_EQ(h.course(2).seamLabel.height, 15);
    EXPECT_EQ(h.course(0).heatNumber.height, 15); // runs across the band
}

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
    expectDimension(c0.height, 805, 805, 405, 805, 805, 825, 0, "2000");
    const LayoutCourse c1 = g.course(1);
    expectLine(c1.longitudinalSeam[1], 405, 805, 5, 805);
    expectText(c1.seamLabel, "A1", 30, 780);
    expectText(c1.heatNumber, "P9", 50, 765);
    expectDimension(c1.height, 405, 805, 5, 805, 805, 825, 0, "2000");
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
    EXPECT_EQ(views[0].radius, 180);
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
        nozzleRow("S7", "50", "筒节段", "二轴内-300", "100", "50"), // negative distance
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
    // Clamped arcsine: a quarter turn, 600 x pi / 2 = 942.48 -> "942", at
    // the end of its quadrant (c = 800 / (2 pi 600)).
    n = g.nozzle(3);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.arcText, "942");
    EXPECT_NEAR(n.x, 5 + 942 * 800 / (2 * std::acos(-1.0) * 600), kEps);
    EXPECT_TRUE(n.arc.has_value());
    n = g.nozzle(4);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 5);
    n = g.nozzle(5);
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 405);
    EXPECT_EQ(n.y, 1125);
    n = g.nozzle(6); // kept in its quadrant, at its start
    EXPECT_FALSE(n.placedExactly);
    EXPECT_EQ(n.x, 205);

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
