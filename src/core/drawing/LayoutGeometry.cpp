#include "core/drawing/LayoutGeometry.h"

#include "core/project/TextAdvance.h"
#include "core/project/TextCodec.h"
#include "core/project/VesselCodes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

namespace zelvan {

namespace {

constexpr double kTextHeight = 15.0;
constexpr double kSmallestTextHeight = 5.0;
// Times New Roman's capitals are 0.655 of its em; a little less, so a text
// measured with it never ends beyond its room.
constexpr double kTimesCapHeight = 0.65;
// Both head views are drawn with this radius, inside their 400-unit centre lines.
constexpr double kHeadViewRadius = 180.0;

// Nonsense input (a height of "1e999") must never put an infinite or NaN
// coordinate into the drawing.
double finiteOr(double value, double fallback)
{
    return std::isfinite(value) ? value : fallback;
}

const std::string &cell(const std::vector<std::string> &row, int column)
{
    static const std::string empty;
    return column < static_cast<int>(row.size()) ? row[static_cast<size_t>(column)] : empty;
}

std::string numbered(const char *prefix, long long number)
{
    return prefix + std::to_string(number);
}

// The head view a nozzle's location is drawn in (-1: the shell), and whether
// that head belongs to the other vessel type: it is then drawn at the view on
// the same end, the top of a vertical vessel matching the left of a
// horizontal one.
std::pair<int, bool> headViewOf(std::optional<NozzleLocation> location, VesselType orientation)
{
    const bool vertical = orientation == VesselType::Vertical;
    switch (location.value_or(NozzleLocation::Shell)) {
    case NozzleLocation::UpperHead: return {0, !vertical};
    case NozzleLocation::LowerHead: return {1, !vertical};
    case NozzleLocation::LeftHead: return {0, vertical};
    case NozzleLocation::RightHead: return {1, vertical};
    case NozzleLocation::Shell: break;
    }
    return {-1, false};
}

} // namespace

long long LayoutGeometry::totalLength(const LayoutInputs &inputs)
{
    long long sum = 0;
    for (const auto &row : inputs.courses)
        sum += leadingInt(cell(row, ShellCourseColumn::Height));
    return sum;
}

LayoutGeometry::LayoutGeometry(const LayoutInputs &inputs, Orientation orientation)
    : m_inputs(&inputs), m_orientation(orientation), m_length(totalLength(inputs))
{
    m_scale = m_length > 0 ? 800.0 / static_cast<double>(m_length) : 0.0;

    const size_t n = inputs.courses.size();
    m_positions.assign(n + 1, 0.0);
    double sum = 0;
    for (size_t i = 1; i <= n; ++i) {
        // The seams take a course's decimals ("1000.5") but never another
        // value than the length counts: "1e999" in an edited file is 1 in
        // the length, so it is 1 here too, not a seam 1e299 units away.
        const std::string &text = cell(inputs.courses[i - 1], ShellCourseColumn::Height);
        const double whole = static_cast<double>(leadingInt(text));
        const double withDecimals = leadingDouble(text);
        sum += std::isfinite(withDecimals) && std::abs(withDecimals - whole) < 1.0 ? withDecimals : whole;
        m_positions[i] = m_length > 0 ? std::clamp(finiteOr(800.0 * sum / static_cast<double>(m_length), 0.0), 0.0, 800.0) : 0.0;
    }
    if (n > 0)
        m_positions[n] = 800.0; // the last seam closes the square exactly

    m_shellRadius = n > 0 ? leadingInt(cell(inputs.courses.front(), ShellCourseColumn::Diameter)) / 2 : 0;
    // The circumference 2 pi Rs spans the 800 units of the development, so a
    // nozzle stays in its quadrant whatever the shell's length.
    m_circumferenceScale = m_shellRadius > 0 ? 800.0 / (2.0 * std::numbers::pi * m_shellRadius) : m_scale;
    // The head views are drawn at a fixed size: the head's radius is 180 units.
    const double headDiameter = static_cast<double>(leadingInt(inputs.firstHeadInnerDiameter));
    m_headViewRadius = headDiameter > 0 ? kHeadViewRadius : 0.0;
    m_headScale = headDiameter > 0 ? kHeadViewRadius / (headDiameter / 2.0) : m_scale;
}

double LayoutGeometry::estimatedTextWidth(const std::string &text, double height)
{
    // A CAD program draws a TrueType text with its capitals as tall as the
    // text height: the em of Times New Roman is the height over its cap
    // height. A double-byte character is an em wide (23 at height 15: the
    // ten characters of a company name's first row fill their 220-wide cell).
    const double em = height / kTimesCapHeight;
    double perMille = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) {
            perMille += 1000;
            ++i;
        } else {
            perMille += characterAdvancePerMille(b);
        }
    }
    return em * perMille / 1000;
}

double LayoutGeometry::heightToFit(const std::string &text, double height, double space)
{
    const double width = estimatedTextWidth(text, height);
    if (width <= space)
        return height;
    // The width grows with the height, so the fitting height is proportional.
    return std::max(kSmallestTextHeight, height * std::max(space, 0.0) / width);
}

std::vector<LayoutLine> LayoutGeometry::outline() const
{
    std::vector<LayoutLine> lines;
    if (m_orientation == Orientation::Vertical) {
        for (double x : {5.0, 205.0, 405.0, 605.0, 805.0})
            lines.push_back({x, 5, x, 805});
        lines.push_back({5, 805, 805, 805});
        lines.push_back({5, 5, 805, 5});
    } else {
        for (double y : {5.0, 205.0, 405.0, 605.0, 805.0})
            lines.push_back({805, y, 5, y});
        lines.push_back({5, 5, 5, 805});
        lines.push_back({805, 5, 805, 805});
    }
    return lines;
}

std::vector<LayoutText> LayoutGeometry::angleLabels() const
{
    const std::string zero = gbk("0°"), ninety = gbk("90°"), oneEighty = gbk("180°"), twoSeventy = gbk("270°");
    std::vector<LayoutText> labels;
    if (m_orientation == Orientation::Vertical) {
        for (double y : {815.0, -15.0}) {
            labels.push_back({zero, 5, y, kTextHeight});
            labels.push_back({ninety, 205, y, kTextHeight});
            labels.push_back({oneEighty, 405, y, kTextHeight});
            labels.push_back({twoSeventy, 605, y, kTextHeight});
            labels.push_back({zero, 805, y, kTextHeight});
        }
    } else {
        labels.push_back({zero, -15, 15, kTextHeight});
        labels.push_back({ninety, -25, 205, kTextHeight});
        labels.push_back({oneEighty, -35, 405, kTextHeight});
        labels.push_back({twoSeventy, -35, 605, kTextHeight});
        labels.push_back({zero, -15, 805, kTextHeight});
        labels.push_back({zero, 815, 15, kTextHeight});
        labels.push_back({ninety, 825, 205, kTextHeight});
        labels.push_back({oneEighty, 825, 405, kTextHeight});
        labels.push_back({twoSeventy, 825, 605, kTextHeight});
        labels.push_back({zero, 815, 805, kTextHeight});
    }
    return labels;
}

std::vector<LayoutHeadView> LayoutGeometry::headViews() const
{
    const std::string zero = gbk("0°"), ninety = gbk("90°"), twoSeventy = gbk("270°");
    auto view = [&](double cx, double cy, LayoutText a, LayoutText b, LayoutText c) {
        LayoutHeadView v;
        v.cx = cx;
        v.cy = cy;
        v.radius = m_headViewRadius;
        v.horizontalCentreLine = {cx - 200, cy, cx + 200, cy};
        v.verticalCentreLine = {cx, cy - 200, cx, cy + 200};
        v.labels = {std::move(a), std::move(b), std::move(c)};
        return v;
    };
    if (m_orientation == Orientation::Vertical)
        return {view(405, 1125, {zero, 405, 1335, kTextHeight}, {ninety, 185, 1135, kTextHeight},
                     {twoSeventy, 615, 1135, kTextHeight}),
                view(405, -315, {zero, 405, -535, kTextHeight}, {ninety, 185, -335, kTextHeight},
                     {twoSeventy, 615, -335, kTextHeight})};
    return {view(-315, 405, {zero, -525, 405, kTextHeight}, {ninety, -305, 185, kTextHeight},
                 {twoSeventy, -305, 615, kTextHeight}),
            view(1125, 405, {zero, 1345, 405, kTextHeight}, {ninety, 1105, 185, kTextHeight},
                 {twoSeventy, 1105, 615, kTextHeight})};
}

std::vector<LayoutLine> LayoutGeometry::circumferentialSeams() const
{
    std::vector<LayoutLine> lines;
    for (int j = courseCount() - 1; j >= 1; --j) {
        const double p = m_positions[static_cast<size_t>(j)];
        if (m_orientation == Orientation::Vertical)
            lines.push_back({5, 5 + p, 805, 5 + p});
        else
            lines.push_back({805 - p, 5, 805 - p, 805});
    }
    return lines;
}

std::vector<LayoutText> LayoutGeometry::circumferentialSeamLabels() const
{
    std::vector<LayoutText> labels;
    const int n = courseCount();
    for (int j = 0; j <= n; ++j) {
        const double p = m_positions[static_cast<size_t>(j)];
        const std::string text = numbered("B", n + 1 - j);
        if (m_orientation == Orientation::Vertical)
            labels.push_back({text, -20, p + 5, kTextHeight});
        else
            labels.push_back({text, 805 - p, -20, kTextHeight});
    }
    return labels;
}

std::string LayoutGeometry::heatNumber(int courseIndex) const
{
    const auto &plates = m_inputs->plates;
    if (plates.empty())
        return std::string();
    const size_t plate = std::min(static_cast<size_t>(courseIndex), plates.size() - 1);
    return cell(plates[plate], PlateColumn::HeatNumber);
}

LayoutCourse LayoutGeometry::course(int i) const
{
    const int n = courseCount();
    const double lower = m_positions[static_cast<size_t>(i)];
    const double upper = m_positions[static_cast<size_t>(i) + 1];
    // Successive longitudinal seams alternate by half a turn: 180° for even
    // courses, 0°/360° for odd ones.
    const double a = i % 2 == 0 ? 405.0 : 805.0;
    LayoutCourse c;
    const std::string &height = cell(m_inputs->courses[static_cast<size_t>(i)], ShellCourseColumn::Height);
    if (m_orientation == Orientation::Vertical) {
        for (double x : {a - 2, a, a + 2})
            c.longitudinalSeam.push_back({x, lower + 5, x, upper + 5});
        c.seamLabel = {numbered("A", n - i), a - 25, upper - 20, kTextHeight};
        // The heat number runs down the course from 45 below its top edge and
        // must end above its bottom edge.
        const std::string heat = heatNumber(i);
        c.heatNumber = {heat, a - 20, upper - 40, heightToFit(heat, kTextHeight, (upper - 40) - (lower + 5))};
        // Measured on the development's edge, so that the extension lines run
        // outside it and not along the seams.
        c.height = {805, lower + 5, 805, upper + 5, 825, 5, 90, height};
    } else {
        for (double y : {a - 2, a, a + 2})
            c.longitudinalSeam.push_back({805 - lower, y, 805 - upper, y});
        // The A label runs along the course from 25 right of its left edge and
        // must end before its right edge.
        const std::string label = numbered("A", n - i);
        c.seamLabel = {label, 830 - upper, a - 25, heightToFit(label, kTextHeight, (805 - lower) - (830 - upper))};
        c.heatNumber = {heatNumber(i), 850 - upper, a - 40, kTextHeight};
        c.height = {805 - lower, 805, 805 - upper, 805, 805, 825, 0, height};
    }
    return c;
}

LayoutDimension LayoutGeometry::totalLengthDimension() const
{
    const std::string text = std::to_string(m_length);
    if (m_orientation == Orientation::Vertical)
        return {805, 5, 805, 805, 845, 5, 90, text};
    return {805, 805, 5, 805, 805, 845, 0, text};
}

LayoutNozzle LayoutGeometry::nozzle(int index) const
{
    const auto &row = m_inputs->nozzles[static_cast<size_t>(index)];
    const std::string &azimuth = cell(row, NozzleColumn::Azimuth);
    const std::string &elevationText = cell(row, NozzleColumn::Elevation);
    const bool vertical = m_orientation == Orientation::Vertical;

    LayoutNozzle nz;
    const std::optional<Quadrant> quadrant = Quadrants::parse(azimuth);
    const int distance = leadingInt(Quadrants::split(azimuth).second);

    // s = Rs asin(d / Rs). A distance beyond the radius has no arcsine: it is
    // clamped to a quarter turn and reported; a radius of 0 puts the nozzle
    // at arc 0.
    double arc = 0;
    if (m_shellRadius != 0) {
        const double ratio = static_cast<double>(distance) / m_shellRadius;
        if (std::fabs(ratio) > 1.0)
            nz.placedExactly = false;
        arc = m_shellRadius * std::asin(std::clamp(ratio, -1.0, 1.0));
    } else if (distance != 0) {
        nz.placedExactly = false;
    }
    if (arc == 0.0)
        arc = 0.0; // never "-0"
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", arc);
    nz.arcText = buffer;

    const int q = quadrant && *quadrant != Quadrant::Centre ? static_cast<int>(*quadrant) : -1;
    const double start = 5.0 + 200.0 * q; // quadrant start on the circumference axis

    struct HeadView {
        double cx, cy;
        int sx[4], sy[4]; // signs of A (along x) and E (along y) per quadrant
    };
    static constexpr HeadView upper{405, 1125, {-1, -1, 1, 1}, {1, -1, -1, 1}};
    static constexpr HeadView lower{405, -315, {-1, -1, 1, 1}, {-1, 1, 1, -1}};
    static constexpr HeadView left{-315, 405, {-1, 1, 1, -1}, {-1, -1, 1, 1}};
    static constexpr HeadView right{1125, 405, {1, -1, -1, 1}, {-1, -1, 1, 1}};

    const std::optional<NozzleLocation> location = NozzleLocations::parse(cell(row, NozzleColumn::Location));
    const auto [view, foreignHead] = headViewOf(location, m_orientation);
    const HeadView *head = nullptr;
    if (view >= 0)
        head = vertical ? (view == 0 ? &upper : &lower) : (view == 0 ? &left : &right);

    // Shell nozzles: the arc along the circumference's scale, the elevation
    // and the hole along the length's. Head nozzles: all three in the head
    // view's own scale.
    const double arcScale = head ? m_headScale : m_circumferenceScale;
    const double lengthScale = head ? m_headScale : m_scale;
    double A = arcScale * leadingDouble(nz.arcText);
    double E = lengthScale * leadingDouble(elevationText);
    const double radius = lengthScale * leadingDouble(cell(row, NozzleColumn::OutsideDiameter));
    if (!std::isfinite(A) || !std::isfinite(E)) {
        nz.placedExactly = false;
        A = finiteOr(A, 0.0);
        E = finiteOr(E, 0.0);
    }
    nz.holeRadius = finiteOr(radius, 0.0);
    if (!head) {
        // A shell nozzle never leaves its quadrant. A negative distance has
        // no place in it: drawn at the quadrant's start and reported. The arc
        // text is rounded to whole millimetres, so a nozzle at the radius
        // would land a fraction of a unit past the quadrant's end.
        if (A < 0)
            nz.placedExactly = false;
        A = std::clamp(A, 0.0, 200.0);
    }

    // Where each dimension is measured from, and its direction (0
    // horizontal, 90 vertical).
    std::optional<std::pair<double, double>> arcFrom, elevationFrom;
    double arcAngle = 0, elevationAngle = 90;

    if (head && (foreignHead || q < 0)) {
        // A head the vessel does not have (drawn at the view on the same end:
        // the top of a vertical vessel matches the left of a horizontal one),
        // or no quadrant: the view's centre, exact only for "圆心处".
        nz.x = head->cx;
        nz.y = head->cy;
        if (foreignHead || quadrant != Quadrant::Centre)
            nz.placedExactly = false;
    } else if (head) {
        nz.x = head->cx + head->sx[q] * A;
        nz.y = head->cy + head->sy[q] * E;
        arcFrom = {vertical ? 405.0 : head->cx, nz.y};
        elevationFrom = {nz.x, vertical ? head->cy : 405.0};
    } else if (location == NozzleLocation::Shell && q >= 0) {
        if (vertical) {
            nz.x = start + A;
            nz.y = 5 + E;
            arcFrom = {start, nz.y};
            elevationFrom = {nz.x, 5.0};
        } else {
            // The circumference runs up the sheet and the length leftwards
            // from the right-hand end, as on a vertical vessel turned over.
            nz.x = 805 - E;
            nz.y = start + A;
            arcFrom = {nz.x, start};
            arcAngle = 90;
            elevationFrom = {805.0, nz.y};
            elevationAngle = 0;
        }
    } else {
        // No quadrant on the shell, or an unknown location: the development's
        // 0° at the elevation origin.
        nz.placedExactly = false;
        nz.x = vertical ? 5 : 805;
        nz.y = 5;
    }

    const double x = nz.x, y = nz.y;
    nz.leader = {{x, y, x + 133, y + 80}, {x + 133, y + 80, x + 233, y + 80}};
    nz.mark = {cell(row, NozzleColumn::Number), x + 143, y + 90, kTextHeight};
    nz.nominalDiameter = {"DN" + cell(row, NozzleColumn::NominalDiameter), x + 143, y + 55, kTextHeight};
    if (arcFrom && nz.arcText != "0")
        nz.arc = LayoutDimension{arcFrom->first, arcFrom->second, x, y, x, y, arcAngle, nz.arcText};
    if (elevationFrom && elevationText != "0")
        nz.elevation =
            LayoutDimension{elevationFrom->first, elevationFrom->second, x, y, x, y, elevationAngle, elevationText};
    return nz;
}

LayoutNozzlePlace LayoutGeometry::nozzlePlace(int index) const
{
    const auto &row = m_inputs->nozzles[static_cast<size_t>(index)];
    const LayoutNozzle nz = nozzle(index);
    LayoutNozzlePlace place;
    place.placedExactly = nz.placedExactly;
    place.outsideDiameter = std::max(0.0, finiteOr(leadingDouble(cell(row, NozzleColumn::OutsideDiameter)), 0.0));
    place.headView = headViewOf(NozzleLocations::parse(cell(row, NozzleColumn::Location)), m_orientation).first;
    const bool vertical = m_orientation == Orientation::Vertical;
    if (place.headView >= 0) {
        const LayoutHeadView view = headViews()[static_cast<size_t>(place.headView)];
        place.headX = (nz.x - view.cx) / m_headScale;
        place.headY = (nz.y - view.cy) / m_headScale;
        return place;
    }
    // The development: 800 units of circumference from 0°, the length from
    // course 0's end (the bottom of a vertical vessel, the right-hand end of a
    // horizontal one).
    const double around = vertical ? nz.x - 5.0 : nz.y - 5.0;
    const double along = vertical ? nz.y - 5.0 : 805.0 - nz.x;
    place.angle = 360.0 * around / 800.0;
    place.elevation = along / m_scale;
    return place;
}

std::vector<LayoutLine> LayoutGeometry::frame() const
{
    if (m_orientation == Orientation::Vertical)
        return {{-195, -595, 1005, -595}, {1005, -595, 1005, 1605}, {1005, 1605, -195, 1605}, {-195, 1605, -195, -595},
                {-195, 1535, 1005, 1535}};
    return {{-595, -195, 1405, -195}, {1405, -195, 1405, 1005}, {1405, 1005, -595, 1005}, {-595, 1005, -595, -195},
            {-595, 935, 1405, 935}};
}

} // namespace zelvan
