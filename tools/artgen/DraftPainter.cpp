#include "DraftPainter.h"

#include "ArtFonts.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPolygonF>

#include <cmath>

namespace zelvan {

namespace {

const QColor kInk(0x1d, 0x24, 0x2b);
const QColor kDimensionInk(0x1f, 0x4e, 0x8c);

QPointF unitVector(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    return length > 0 ? d / length : QPointF(1, 0);
}

} // namespace

DraftPainter::DraftPainter(QPainter &painter, double unit)
    : m_painter(painter), m_unit(unit), m_textFont(ArtFonts::sans(22 * unit))
{
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

QPen DraftPainter::outlinePen() const
{
    QPen pen(kInk, 3.0 * m_unit);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen DraftPainter::thinPen() const
{
    return QPen(kDimensionInk, 1.4 * m_unit);
}

QPen DraftPainter::centrePen() const
{
    QPen pen(QColor(0x9a, 0x2b, 0x2b), 1.3 * m_unit);
    pen.setDashPattern({18, 4, 3, 4});
    return pen;
}

QPen DraftPainter::hiddenPen() const
{
    QPen pen(kInk, 1.6 * m_unit);
    pen.setDashPattern({6, 4});
    return pen;
}

void DraftPainter::centreLine(QPointF a, QPointF b)
{
    m_painter.save();
    m_painter.setPen(centrePen());
    m_painter.drawLine(a, b);
    m_painter.restore();
}

void DraftPainter::arrowHead(QPointF tip, QPointF from)
{
    const QPointF u = unitVector(from, tip);
    const QPointF n(-u.y(), u.x());
    const double length = 14 * m_unit;
    const double half = 3.6 * m_unit;
    const QPointF base = tip - u * length;
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(kDimensionInk);
    m_painter.drawPolygon(QPolygonF({tip, base + n * half, base - n * half}));
    m_painter.restore();
}

void DraftPainter::dimension(QPointF a, QPointF b, double offset, const QString &label)
{
    const QPointF u = unitVector(a, b);
    const QPointF n(u.y(), -u.x()); // left of a→b on a y-down canvas
    const double sign = offset >= 0 ? 1 : -1;
    const double gap = 4 * m_unit;
    const double overshoot = 8 * m_unit;
    const QPointF da = a + n * offset;
    const QPointF db = b + n * offset;

    m_painter.save();
    m_painter.setPen(thinPen());
    if (std::abs(offset) > gap) {
        m_painter.drawLine(a + n * sign * gap, da + n * sign * overshoot);
        m_painter.drawLine(b + n * sign * gap, db + n * sign * overshoot);
    }
    const double span = QLineF(da, db).length();
    const double arrow = 14 * m_unit;
    if (span > 3 * arrow) {
        m_painter.drawLine(da, db);
        arrowHead(da, db);
        arrowHead(db, da);
    } else {
        // Short span: arrows point inwards from outside, as on a shop drawing.
        m_painter.drawLine(da - u * 2.2 * arrow, db + u * 2.2 * arrow);
        arrowHead(da, da - u * arrow);
        arrowHead(db, db + u * arrow);
    }
    m_painter.restore();

    // Text sits on the outer side of the dimension line. Symbols (Di, δ, L)
    // stay upright beside a steep dimension line; longer texts run along it.
    const QPointF middle = (da + db) / 2;
    const QPointF outward = n * sign;
    QFontMetricsF metrics(m_textFont);
    const bool steep = std::abs(u.x()) < 0.3;
    if (steep && label.size() <= 6) {
        const QPointF anchor = middle + outward * (6 * m_unit);
        text(anchor, label, (outward.x() < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        return;
    }
    double angle = std::atan2(u.y(), u.x()) * 180.0 / M_PI;
    if (angle > 90.1)
        angle -= 180;
    else if (angle <= -90.1)
        angle += 180;
    const QPointF anchor = middle + outward * (metrics.height() * 0.55 + 2 * m_unit);
    text(anchor, label, Qt::AlignCenter, nullptr, angle);
}

void DraftPainter::leader(QPointF tip, QPointF elbow, const QString &label, bool shoulderRight)
{
    QFontMetricsF metrics(m_textFont);
    const double width = metrics.horizontalAdvance(label) + 8 * m_unit;
    const QPointF end = elbow + QPointF(shoulderRight ? width : -width, 0);
    m_painter.save();
    m_painter.setPen(thinPen());
    m_painter.drawLine(tip, elbow);
    m_painter.drawLine(elbow, end);
    m_painter.restore();
    arrowHead(tip, elbow);
    const QPointF anchor = shoulderRight ? elbow + QPointF(4 * m_unit, -3 * m_unit)
                                         : end + QPointF(4 * m_unit, -3 * m_unit);
    text(anchor, label, Qt::AlignLeft | Qt::AlignBottom);
}

void DraftPainter::hatch(const QPainterPath &region, double spacing, double angleDegrees)
{
    if (spacing <= 0)
        spacing = 9 * m_unit;
    const QRectF bounds = region.boundingRect();
    const double reach = std::hypot(bounds.width(), bounds.height());
    const double radians = angleDegrees * M_PI / 180.0;
    const QPointF dir(std::cos(radians), -std::sin(radians));
    const QPointF across(-dir.y(), dir.x());
    const QPointF centre = bounds.center();

    m_painter.save();
    m_painter.setClipPath(region, Qt::IntersectClip);
    m_painter.setPen(QPen(kInk, 1.1 * m_unit));
    for (double s = -reach; s <= reach; s += spacing) {
        const QPointF origin = centre + across * s;
        m_painter.drawLine(origin - dir * reach, origin + dir * reach);
    }
    m_painter.restore();
    m_painter.save();
    m_painter.setPen(outlinePen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(region);
    m_painter.restore();
}

void DraftPainter::filletWeld(QPointF corner, QPointF dirA, QPointF dirB, double leg)
{
    const QPointF a = corner + unitVector(QPointF(), dirA) * leg;
    const QPointF b = corner + unitVector(QPointF(), dirB) * leg;
    m_painter.save();
    m_painter.setPen(QPen(kInk, 1.2 * m_unit));
    m_painter.setBrush(kInk);
    m_painter.drawPolygon(QPolygonF({corner, a, b}));
    m_painter.restore();
}

void DraftPainter::text(QPointF anchor, const QString &label, Qt::Alignment alignment, const QFont *font,
                        double rotationDegrees)
{
    const QFont &used = font ? *font : m_textFont;
    QFontMetricsF metrics(used);
    const double width = metrics.horizontalAdvance(label);
    const double height = metrics.height();
    double x = 0;
    double y = 0;
    if (alignment & Qt::AlignHCenter)
        x = -width / 2;
    else if (alignment & Qt::AlignRight)
        x = -width;
    if (alignment & Qt::AlignVCenter)
        y = -height / 2;
    else if (alignment & Qt::AlignBottom)
        y = -height;

    m_painter.save();
    m_painter.translate(anchor);
    m_painter.rotate(rotationDegrees);
    m_painter.setFont(used);
    m_painter.setPen(kInk);
    m_painter.drawText(QRectF(x, y, width + 1, height), Qt::AlignLeft | Qt::AlignTop, label);
    m_painter.restore();
}

} // namespace zelvan
