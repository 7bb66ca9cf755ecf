#pragma once

#include "core/drawing/LayoutInputs.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvan {

struct LayoutLine {
    double x1, y1, x2, y2;
};

struct LayoutText {
    std::string text; // GBK
    double x, y;
    double height;
};

struct LayoutDimension {
    double x1, y1, x2, y2; // measured points
    double xd, yd;         // a point on the dimension line
    double angle;          // 0 horizontal, 90 vertical
    std::string text;      // shown as the measurement (GBK)
};

struct LayoutHeadView {
    double cx, cy;
    double radius; // 0 without a head diameter: no circle is drawn
    LayoutLine horizontalCentreLine;
    LayoutLine verticalCentreLine;
    std::vector<LayoutText> labels; // "0°", "90°", "270°"
};

struct LayoutCourse {
    std::vector<LayoutLine> longitudinalSeam; // three parallel lines 2 apart
    LayoutText seamLabel;                     // "A%d"
    LayoutText heatNumber;                    // written in the vertical style
    LayoutDimension height;
};

struct LayoutNozzle {
    double x, y;
    double holeRadius;
    std::vector<LayoutLine> leader;
    LayoutText mark;
    LayoutText nominalDiameter; // "DN" + nominal diameter
    std::optional<LayoutDimension> arc;
    std::optional<LayoutDimension> elevation;
    std::string arcText;
    // False when the nozzle's location, quadrant or azimuth distance gives
    // no exact position and it was drawn at a stand-in position.
    bool placedExactly = true;
};

// Where the drawing puts a nozzle, said in the vessel's own terms rather than
// in sheet coordinates: the pages' vessel sketch shows the nozzles where the
// layout drawing puts them.
struct LayoutNozzlePlace {
    // -1 on the shell; else the index into headViews() of the head view the
    // nozzle is drawn in (0: upper or left head, 1: lower or right head, the
    // end of course 0).
    int headView = -1;
    // Shell: the angle from 0° (counter-clockwise as the development unrolls,
    // 0 to 360) and the distance from course 0's end of the shell (mm).
    double angle = 0;
    double elevation = 0;
    // Head: the offset from the head's centre (mm) along the head view's
    // axes (x to the right, y up the sheet).
    double headX = 0;
    double headY = 0;
    double outsideDiameter = 0; // mm, 0 when none is given
    bool placedExactly = true;
};

// Where everything of the shell development goes: a fixed square of 800 x 800
// drawing units from (5, 5) to (805, 805), one side the circumference scaled
// by c = 800 / (2 pi Rs), so that each quadrant is exactly 200 units, the
// other the shell length scaled by k = 800 / L. Course 0 lies at the bottom of
// a vertical vessel and at the right end of a horizontal one. The head views
// have a fixed radius of 180 whatever the vessel's size, and head nozzles are
// placed with the head's own scale 180 / (Dh / 2).
class LayoutGeometry {
public:
    using Orientation = VesselType;

    // L: the sum of the leading-integer course heights.
    static long long totalLength(const LayoutInputs &inputs);

    // Requires totalLength(inputs) > 0.
    LayoutGeometry(const LayoutInputs &inputs, Orientation orientation);

    Orientation orientation() const { return m_orientation; }
    int courseCount() const { return static_cast<int>(m_inputs->courses.size()); }
    long long length() const { return m_length; }
    double scale() const { return m_scale; } // k, along the shell
    double circumferenceScale() const { return m_circumferenceScale; } // c, k without a shell diameter
    double headScale() const { return m_headScale; } // h, k without a head diameter
    const std::vector<double> &positions() const { return m_positions; }
    int shellRadius() const { return m_shellRadius; }
    double headViewRadius() const { return m_headViewRadius; }

    // The development outline and its angle labels.
    std::vector<LayoutLine> outline() const;
    std::vector<LayoutText> angleLabels() const;
    // Two head plan views: upper and lower (vertical), left and right (horizontal).
    std::vector<LayoutHeadView> headViews() const;

    // Lines between courses, from seam n-1 down to 1.
    std::vector<LayoutLine> circumferentialSeams() const;
    // "B%d" for every seam position 0..n; position j carries n + 1 - j.
    std::vector<LayoutText> circumferentialSeamLabels() const;
    LayoutCourse course(int index) const;
    // The heat number shown on a course: its own plate's, or the last
    // plate's when there are fewer plates than courses.
    std::string heatNumber(int courseIndex) const;
    LayoutDimension totalLengthDimension() const;

    LayoutNozzle nozzle(int index) const;
    // The same placement read back from the development or the head view.
    LayoutNozzlePlace nozzlePlace(int index) const;

    // The sheet frame: rectangle and title-band line.
    std::vector<LayoutLine> frame() const;

    // How wide a GBK text of this height prints: double-byte characters an
    // em wide, the others by their class (TextAdvance.h), the em being the
    // height over Times New Roman's cap height.
    static double estimatedTextWidth(const std::string &text, double height);
    // The height, at most `height` and never below 5, at which the text's
    // estimated width fits into `space`.
    static double heightToFit(const std::string &text, double height, double space);

private:
    const LayoutInputs *m_inputs;
    Orientation m_orientation;
    long long m_length = 0;
    double m_scale = 0;
    double m_circumferenceScale = 0;
    double m_headScale = 0;
    std::vector<double> m_positions;
    int m_shellRadius = 0;
    double m_headViewRadius = 0;
};

} // namespace zelvan
