#include "gui/widgets/VesselSketchWidget.h"

#include "core/drawing/LayoutGeometry.h"
#include "core/drawing/LayoutInputs.h"
#include "core/project/Catalogues.h"
#include "core/project/ProjectRecord.h"
#include "core/project/TextCodec.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zelvan {

namespace {

constexpr double kMargin = 8.0;
constexpr double kDegree = std::numbers::pi / 180.0;

enum class HeadShape { Ellipsoidal, Conical, Flat };

// Field 55 or 59: the index of the head type ("0" to "3"), or, in files
// written by hand, its name.
HeadShape headShape(const std::string &stored)
{
    const QString text = fromGbk(stored);
    bool isIndex = false;
    const int index = text.toInt(&isIndex);
    const QStringList types = Catalogues::headTypes();
    const int chosen = isIndex ? index : static_cast<int>(types.indexOf(text));
    switch (chosen) {
    case 1: return HeadShape::Conical;
    case 2:
    case 3: return HeadShape::Flat; // a flange or a flat cover closes the end flat
    default: return HeadShape::Ellipsoidal;
    }
}

struct Head {
    HeadShape shape = HeadShape::Ellipsoidal;
    double radius = 0; // that of the course it closes
    double depth = 0;
    // How far the head reaches beyond the shell at `across` from the axis.
    double reachAt(double across) const
    {
        const double t = radius > 0 ? std::clamp(std::fabs(across) / radius, 0.0, 1.0) : 0.0;
        switch (shape) {
        case HeadShape::Ellipsoidal: return depth * std::sqrt(1.0 - t * t);
        case HeadShape::Conical: return depth * (1.0 - t);
        case HeadShape::Flat: return depth;
        }
        return depth;
    }
};

Head makeHead(const std::string &type, const std::string &thickness, double radius)
{
    Head head;
    head.shape = headShape(type);
    head.radius = radius;
    switch (head.shape) {
    case HeadShape::Ellipsoidal: head.depth = radius / 2.0; break; // standard 2:1 head, depth Di/4
    case HeadShape::Conical: head.depth = radius / std::sqrt(3.0); break; // 60° half-angle
    case HeadShape::Flat: head.depth = std::max(static_cast<double>(leadingInt(thickness)), radius / 25.0); break;
    }
    return head;
}

// Maps the vessel's own coordinates (along the axis from course 0's end,
// across it) to the widget, keeping one scale for both.
struct SideView {
    bool vertical = true;
    double scale = 1;
    QPointF origin; // course 0's end, on the axis
    QPointF at(double along, double across) const
    {
        return vertical ? QPointF(origin.x() + across * scale, origin.y() - along * scale)
                        : QPointF(origin.x() - along * scale, origin.y() - across * scale);
    }
};

QPolygonF headOutline(const SideView &view, const Head &head, double base, double direction)
{
    QPolygonF polygon;
    constexpr int steps = 32;
    for (int i = 0; i <= steps; ++i) {
        const double across = head.radius * (-1.0 + 2.0 * i / steps);
        polygon << view.at(base + direction * head.reachAt(across), across);
    }
    polygon << view.at(base, head.radius) << view.at(base, -head.radius);
    return polygon;
}

const std::string &cell(const std::vector<std::string> &row, int column)
{
    static const std::string empty;
    return column < static_cast<int>(row.size()) ? row[static_cast<size_t>(column)] : empty;
}

// The radius of the course at `along` (the end courses beyond the shell).
double radiusAt(const std::vector<double> &bounds, const std::vector<double> &radii, double along)
{
    for (size_t i = 0; i + 1 < bounds.size(); ++i)
        if (along < bounds[i + 1])
            return radii[i];
    return radii.back();
}

} // namespace

VesselSketchWidget::VesselSketchWidget(const ProjectRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

QSize VesselSketchWidget::sizeHint() const
{
    return {380, 420};
}

QSize VesselSketchWidget::minimumSizeHint() const
{
    return {200, 240};
}

void VesselSketchWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), background());
    p.setRenderHint(QPainter::Antialiasing, false);

    const LayoutInputs inputs = LayoutInputs::fromRecord(m_record);
    const long long length = inputs.courses.empty() ? 0 : LayoutGeometry::totalLength(inputs);
    if (length <= 0) {
        p.setPen(Qt::gray);
        p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, QStringLiteral("没有筒节，无法显示容器简图"));
        return;
    }
    // The nozzle page offers the left and right heads for any vessel type but
    // the vertical one; the sketch follows it.
    const VesselType type = inputs.vesselType.value_or(VesselType::Horizontal);
    const bool vertical = type == VesselType::Vertical;
    const LayoutGeometry geometry(inputs, type);

    // Course boundaries along the shell (mm) from the drawing's positions,
    // and each course's radius (the first course's where one has none).
    const std::vector<double> &positions = geometry.positions();
    std::vector<double> bounds;
    // A height the length does not count (a decimal exponent in an edited
    // file) can put a seam far beyond the shell's end: kept on the shell.
    for (double position : positions)
        bounds.push_back(std::clamp(static_cast<double>(length) * position / 800.0, 0.0, static_cast<double>(length)));
    std::vector<double> radii;
    double largest = 0;
    for (const auto &row : inputs.courses) {
        double r = leadingInt(cell(row, ShellCourseColumn::Diameter)) / 2.0;
        if (r <= 0)
            r = geometry.shellRadius();
        radii.push_back(r);
        largest = std::max(largest, r);
    }
    if (largest <= 0) {
        // No diameter anywhere: a slim shell, so the lengths still show.
        largest = static_cast<double>(length) / 12.0;
        std::fill(radii.begin(), radii.end(), largest);
    }
    for (double &r : radii)
        if (r <= 0)
            r = largest;
    // The heads: the first head (fields 55..58) closes the upper or left
    // end, the second (59..62, "下封头参数") course 0's end.
    const Head farHead = makeHead(m_record.field(Field::FirstHeadType), m_record.field(Field::FirstHeadWallThickness),
                                  radii.back());
    const Head nearHead = makeHead(m_record.field(Field::SecondHeadType),
                                   m_record.field(Field::SecondHeadWallThickness), radii.front());
    const double extentAlong = nearHead.depth + static_cast<double>(length) + farHead.depth;
    const double extentAcross = 2.0 * largest;

    // The side view comes first, at the largest scale the room allows once
    // the plan of the circumference has its share: beside a vertical vessel,
    // below a horizontal one. The plan takes what the side view leaves.
    const QFontMetricsF metrics(font());
    const double labelRoom = metrics.horizontalAdvance(QStringLiteral("00 00000")) + 6;
    const QRectF area = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double pad = 10; // room for the nozzle marks beyond the shell
    SideView view;
    view.vertical = vertical;
    QRectF planArea;
    if (vertical) {
        const double w = area.width() * 0.66 - labelRoom - 2 * pad, h = area.height() - 2 * pad;
        view.scale = std::max(0.0, std::min(w / extentAcross, h / extentAlong));
        const double used = 2 * pad + extentAcross * view.scale + labelRoom;
        const double axisX = area.left() + pad + largest * view.scale;
        const double bottom = area.top() + pad + (h + extentAlong * view.scale) / 2.0 - nearHead.depth * view.scale;
        view.origin = QPointF(axisX, bottom);
        const double room = area.width() - used - kMargin;
        const double planSize = std::min({room, area.height() * 0.45, 260.0});
        planArea = QRectF(area.left() + used + kMargin + (room - planSize) / 2, area.top(), planSize, planSize);
    } else {
        const double w = area.width() - 2 * pad, h = area.height() * 0.55 - metrics.height() - 2 * pad;
        view.scale = std::max(0.0, std::min(w / extentAlong, h / extentAcross));
        const double used = 2 * pad + extentAcross * view.scale + metrics.height() + 4;
        const double right = area.left() + pad + (w + extentAlong * view.scale) / 2.0 - nearHead.depth * view.scale;
        const double axisY = area.top() + pad + largest * view.scale;
        view.origin = QPointF(right, axisY);
        const double room = area.height() - used - kMargin;
        const double planSize = std::min({room, area.width() * 0.7, 260.0});
        planArea = QRectF(area.center().x() - planSize / 2, area.top() + used + kMargin, planSize, planSize);
    }

    // The heads, then the courses over them.
    const QPen outline(QColor(0x30, 0x30, 0x30), 1);
    p.setPen(outline);
    p.setBrush(headFill());
    p.drawPolygon(headOutline(view, nearHead, 0.0, -1.0));
    p.drawPolygon(headOutline(view, farHead, static_cast<double>(length), 1.0));
    for (int i = 0; i < geometry.courseCount(); ++i) {
        const size_t c = static_cast<size_t>(i);
        const QRectF course = QRectF(view.at(bounds[c], -radii[c]), view.at(bounds[c + 1], radii[c])).normalized();
        p.setPen(Qt::NoPen);
        p.setBrush(courseFill(i));
        p.drawRect(course);
        p.setPen(outline);
        p.setBrush(Qt::NoBrush);
        p.drawRect(course);
    }

    // Each course's number and height beside it, where there is room.
    p.setPen(Qt::black);
    double lastLabel = -1e9;
    for (int i = 0; i < geometry.courseCount(); ++i) {
        const size_t c = static_cast<size_t>(i);
        const auto &row = inputs.courses[c];
        const QString label = fromGbk(cell(row, ShellCourseColumn::Number)) + QLatin1Char(' ')
            + fromGbk(cell(row, ShellCourseColumn::Height));
        const QPointF middle = view.at((bounds[c] + bounds[c + 1]) / 2.0, vertical ? largest : -largest);
        if (vertical) {
            if (std::fabs(middle.y() - lastLabel) < metrics.height())
                continue;
            lastLabel = middle.y();
            p.drawText(QPointF(middle.x() + 4, middle.y() + metrics.ascent() / 2 - 1), label);
        } else {
            const double width = metrics.horizontalAdvance(label);
            if (std::fabs(middle.x() - lastLabel) < width + 4)
                continue;
            lastLabel = middle.x();
            p.drawText(QPointF(middle.x() - width / 2, middle.y() + metrics.ascent() + 2), label);
        }
    }

    // The plan: the circumference seen as the drawing's head views show it,
    // 0° at the top and 90° to the left (vertical), 0° to the left and 90°
    // downwards (horizontal), counter-clockwise.
    const QPointF planCentre = planArea.center();
    const double planRadius = std::min(planArea.width() / 2.0 - metrics.horizontalAdvance(QStringLiteral("270°")) - 4,
                                       planArea.height() / 2.0 - metrics.height() - 2);
    auto onPlan = [&](double angle, double radius) {
        const double s = std::sin(angle * kDegree), c = std::cos(angle * kDegree);
        return vertical ? planCentre + QPointF(-s, -c) * radius : planCentre + QPointF(-c, s) * radius;
    };
    const bool planRoom = planRadius > 12;
    if (planRoom) {
        p.setPen(QPen(planColour(), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(planCentre, planRadius, planRadius);
        p.setPen(QPen(planColour(), 1, Qt::DashLine));
        p.drawLine(onPlan(0, planRadius), onPlan(180, planRadius));
        p.drawLine(onPlan(90, planRadius), onPlan(270, planRadius));
        p.setPen(Qt::black);
        for (int angle : {0, 90, 180, 270}) {
            const QString text = QString::number(angle) + QStringLiteral("°");
            const double width = metrics.horizontalAdvance(text);
            const QPointF at = onPlan(angle, planRadius + width / 2 + 3);
            p.drawText(QRectF(at.x() - width / 2 - 2, at.y() - metrics.height() / 2, width + 4, metrics.height()),
                       Qt::AlignCenter, text);
        }
        // Which marks of the side view are on the near half.
        const QStringList legend = {QStringLiteral("实心：90°~270°侧"), QStringLiteral("空心：270°~90°侧")};
        double y = planCentre.y() + planRadius + metrics.height() * 1.6;
        for (const QString &line : legend) {
            if (y + metrics.descent() > height())
                break;
            p.drawText(QPointF(planCentre.x() - metrics.horizontalAdvance(line) / 2, y + metrics.ascent()), line);
            y += metrics.height();
        }
    }

    // The nozzles: at their elevation on the side of their angle, or on
    // their head; the drawing's stand-in places ringed.
    for (int i = 0; i < static_cast<int>(inputs.nozzles.size()); ++i) {
        const LayoutNozzlePlace place = geometry.nozzlePlace(i);
        QPointF at;
        bool near = true;
        if (place.headView < 0) {
            const double radius = radiusAt(bounds, radii, place.elevation);
            const double across = -radius * std::sin(place.angle * kDegree);
            at = view.at(std::clamp(place.elevation, -nearHead.depth, static_cast<double>(length) + farHead.depth),
                         across);
            // Seen from 180°: 90° to 270° is the near half.
            near = std::cos(place.angle * kDegree) <= 1e-9;
        } else {
            // The head views' axes: x across a vertical vessel, y across a
            // horizontal one.
            const double across = vertical ? place.headX : place.headY;
            const Head &head = place.headView == 0 ? farHead : nearHead;
            const double along = place.headView == 0 ? static_cast<double>(length) + head.reachAt(across)
                                                     : -head.reachAt(across);
            at = view.at(along, std::clamp(across, -head.radius, head.radius));
        }
        const double markRadius = std::max(3.0, place.outsideDiameter / 2.0 * view.scale);
        const QColor colour = place.placedExactly ? nozzleColour() : standInColour();
        p.setPen(QPen(colour, 2));
        p.setBrush(near ? QBrush(colour) : QBrush(Qt::NoBrush));
        p.drawEllipse(at, markRadius, markRadius);
        if (!place.placedExactly) {
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, markRadius + 4, markRadius + 4);
        }
        const QString mark = fromGbk(cell(inputs.nozzles[static_cast<size_t>(i)], NozzleColumn::Number));
        p.setPen(Qt::black);
        const double markX = std::min(at.x() + markRadius + 2, width() - metrics.horizontalAdvance(mark) - 1);
        p.drawText(QPointF(markX, at.y() - markRadius - 1), mark);

        if (planRoom && place.headView < 0) {
            const QPointF dot = onPlan(place.angle, planRadius);
            p.setPen(QPen(colour, 2));
            p.setBrush(colour);
            p.drawEllipse(dot, 3.5, 3.5);
            p.setPen(Qt::black);
            const QPointF text = onPlan(place.angle, planRadius - metrics.height() * 0.9);
            const double width = metrics.horizontalAdvance(mark);
            p.drawText(QPointF(text.x() - width / 2, text.y() + metrics.ascent() / 2 - 1), mark);
        }
    }
}

} // namespace zelvan
