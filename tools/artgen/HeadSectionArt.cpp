#include "HeadSectionArt.h"

#include "ArtFonts.h"
#include "DraftPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>

#include <cmath>

namespace zelvan {

namespace {

// Geometry is laid out in model units where the inner diameter is 100; wall
// thicknesses and straight flanges are exaggerated so they stay legible.
constexpr double kRadius = 50;

QPointF normalOf(QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    return QPointF(d.y(), -d.x()) / length; // left of a→b on a y-down canvas
}

// Offsets an open polyline by `distance` to the left of its direction with
// mitred corners; used to turn an inner head contour into its outer contour.
QPolygonF offsetPolyline(const QPolygonF &line, double distance)
{
    QPolygonF result;
    const int n = line.size();
    for (int i = 0; i < n; ++i) {
        QPointF normal;
        if (i == 0) {
            normal = normalOf(line[0], line[1]);
        } else if (i == n - 1) {
            normal = normalOf(line[n - 2], line[n - 1]);
        } else {
            const QPointF n1 = normalOf(line[i - 1], line[i]);
            const QPointF n2 = normalOf(line[i], line[i + 1]);
            QPointF miter = n1 + n2;
            const double length = std::hypot(miter.x(), miter.y());
            miter = length > 1e-9 ? miter / length : n1;
            const double cosHalf = miter.x() * n2.x() + miter.y() * n2.y();
            normal = miter / qMax(0.3, cosHalf);
        }
        result << line[i] + normal * distance;
    }
    return result;
}

QPainterPath wallRegion(const QPolygonF &inner, const QPolygonF &outer)
{
    QPolygonF ring = inner;
    for (int i = outer.size() - 1; i >= 0; --i)
        ring << outer[i];
    ring << inner.first();
    QPainterPath path;
    path.addPolygon(ring);
    path.closeSubpath();
    return path;
}

struct Sheet
{
    QPainter &painter;
    DraftPainter &draft;
    QPointF origin; // model (0, 0): axis at the lowest drawn level of the head
    double scale;   // pixels per model unit
    bool compact;

    QPointF at(double x, double y) const { return origin + QPointF(x * scale, -y * scale); }
    QPolygonF map(const QVector<QPointF> &model) const
    {
        QPolygonF out;
        for (const QPointF &p : model)
            out << at(p.x(), p.y());
        return out;
    }
};

void drawShellStub(Sheet &s, double bottom, double top, double wall)
{
    // The adjoining shell is shown thin and dashed: it is not part of the head.
    QPainter &p = s.painter;
    p.save();
    p.setPen(s.draft.hiddenPen());
    for (double x : {-kRadius - wall, -kRadius, kRadius, kRadius + wall})
        p.drawLine(s.at(x, bottom), s.at(x, top));
    p.restore();
}

void thicknessCallout(Sheet &s, QPointF inner, QPointF outer, const QString &label)
{
    DraftPainter &d = s.draft;
    const QPointF u = (outer - inner) / std::hypot((outer - inner).x(), (outer - inner).y());
    const double arrow = 14 * d.unit();
    QPainter &p = s.painter;
    p.save();
    p.setPen(d.thinPen());
    p.drawLine(inner - u * 2.2 * arrow, outer + u * 3.2 * arrow);
    p.restore();
    d.arrowHead(inner, inner - u * arrow);
    d.arrowHead(outer, outer + u * arrow);
    const QPointF end = outer + u * 3.4 * arrow;
    d.text(end + QPointF(u.x() >= 0 ? 2 : -2, -2) * d.unit(), label,
           (u.x() >= 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignBottom, nullptr);
}

void drawEllipsoidal(Sheet &s)
{
    const double wall = 4.5, straight = 12, depth = 25; // hi = Di / 4
    QVector<QPointF> inner{{-kRadius, 0}, {-kRadius, straight}};
    const int steps = 90;
    for (int i = 1; i < steps; ++i) {
        const double t = M_PI - M_PI * i / steps;
        inner << QPointF(kRadius * std::cos(t), straight + depth * std::sin(t));
    }
    inner << QPointF(kRadius, straight) << QPointF(kRadius, 0);
    const QPolygonF innerPx = s.map(inner);
    // Offset in pixels so the wall is uniform on screen.
    const QPolygonF outer = offsetPolyline(innerPx, wall * s.scale);
    drawShellStub(s, -14, 0, wall);
    s.draft.hatch(wallRegion(innerPx, outer));
    s.draft.centreLine(s.at(0, -18), s.at(0, straight + depth + wall + 10));

    // Tangent line between straight flange and knuckle, thin.
    s.painter.save();
    s.painter.setPen(s.draft.thinPen());
    s.painter.drawLine(s.at(-kRadius, straight), s.at(kRadius, straight));
    s.painter.restore();

    s.draft.dimension(s.at(-kRadius, 0), s.at(kRadius, 0), -9 * s.scale, QStringLiteral("Di"));
    s.draft.dimension(s.at(-kRadius - wall, 0), s.at(-kRadius - wall, straight), 10 * s.scale, QStringLiteral("h"));
    thicknessCallout(s, s.at(kRadius, straight * 0.45), s.at(kRadius + wall, straight * 0.45), QStringLiteral("δ"));
    if (!s.compact) {
        // hi is measured on the axis from the tangent line to the inner crown;
        // the dimension sits just beside the centre line, inside the head.
        const double x = -9;
        const double crown = straight + depth * std::sqrt(1 - (x / kRadius) * (x / kRadius));
        s.draft.dimension(s.at(x, straight), s.at(x, crown), 0.0001, QString());
        s.draft.text(s.at(x - 2, straight + depth / 2), QStringLiteral("hi"), Qt::AlignRight | Qt::AlignVCenter);
    }
}

void drawConical(Sheet &s)
{
    const double wall = 4.5, straight = 12, small = 17, neck = 8;
    const double alpha = 45.0 * M_PI / 180.0;
    const double rise = (kRadius - small) / std::tan(alpha);
    drawShellStub(s, -14, 0, wall);
    for (int side : {-1, 1}) {
        QVector<QPointF> inner{{side * kRadius, 0}, {side * kRadius, straight},
                               {side * small, straight + rise}, {side * small, straight + rise + neck}};
        QPolygonF innerPx = s.map(inner);
        // Left of the direction is outward on the left side only; mirror the
        // walk for the right side so the wall grows outward on both.
        if (side > 0) {
            std::reverse(innerPx.begin(), innerPx.end());
        }
        const QPolygonF outer = offsetPolyline(innerPx, wall * s.scale);
        s.draft.hatch(wallRegion(innerPx, outer), 0, side > 0 ? 45 : 135);
    }
    s.draft.centreLine(s.at(0, -18), s.at(0, straight + rise + neck + 12));
    s.painter.save();
    s.painter.setPen(s.draft.thinPen());
    s.painter.drawLine(s.at(-kRadius, straight), s.at(kRadius, straight));
    s.painter.restore();

    s.draft.dimension(s.at(-kRadius, 0), s.at(kRadius, 0), -9 * s.scale, QStringLiteral("Di"));
    s.draft.dimension(s.at(-kRadius - wall, 0), s.at(-kRadius - wall, straight), 10 * s.scale, QStringLiteral("h"));
    thicknessCallout(s, s.at(kRadius, straight * 0.45), s.at(kRadius + wall, straight * 0.45), QStringLiteral("δ"));
    if (!s.compact) {
        const double top = straight + rise + neck;
        s.draft.dimension(s.at(-small, top), s.at(small, top), 9 * s.scale, QStringLiteral("di"));
        // Half apex angle between the axis direction and the cone wall.
        const QPointF apexSide = s.at(small, straight + rise);
        const double r = 16 * s.scale;
        s.painter.save();
        s.painter.setPen(s.draft.thinPen());
        s.painter.drawLine(apexSide, apexSide + QPointF(0, r * 1.3));
        const QRectF arcBox(apexSide.x() - r, apexSide.y() - r, 2 * r, 2 * r);
        s.painter.drawArc(arcBox, -90 * 16, 45 * 16);
        s.painter.restore();
        const QPointF labelAt = apexSide + QPointF(std::sin(alpha / 2), std::cos(alpha / 2)) * (r + 4 * s.draft.unit());
        s.draft.text(labelAt, QStringLiteral("α"), Qt::AlignLeft | Qt::AlignTop);
    }
}

void drawFlanged(Sheet &s)
{
    const double wall = 4, stub = 24, ringIn = kRadius + wall, ringOut = 74, ringThick = 10;
    const double gasket = 1.6, cover = 9, boltR = 66, boltHalf = 2.2, nut = 4;
    QPainter &p = s.painter;
    auto rect = [&](double x0, double y0, double x1, double y1) {
        QPainterPath path;
        path.addPolygon(s.map({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}));
        return path;
    };
    const double face = stub; // flange face level
    for (int side : {-1, 1}) {
        // Short shell section welded into the flange ring.
        s.draft.hatch(rect(side * kRadius, 0, side * (kRadius + wall), face), 0, side > 0 ? 45 : 135);
        QPainterPath ring = rect(side * ringIn, face - ringThick, side * ringOut, face);
        ring = ring.subtracted(rect(side * (boltR - boltHalf), face - ringThick - 1, side * (boltR + boltHalf), face + 1));
        s.draft.hatch(ring, 0, side > 0 ? 135 : 45);
        s.draft.filletWeld(s.at(side * ringIn, face - ringThick), QPointF(0, 1), QPointF(side, 0), 3.2 * s.scale);
        // Gasket (solid black band) and cover.
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1d, 0x24, 0x2b));
        p.drawPath(rect(side * (kRadius + 1), face, side * (ringIn + 9), face + gasket));
        p.restore();
        // Stud bolt with a nut on either side.
        p.save();
        p.setPen(s.draft.outlinePen());
        p.setBrush(Qt::white);
        p.drawPath(rect(side * (boltR - boltHalf), face - ringThick - nut - 3, side * (boltR + boltHalf),
                        face + gasket + cover + nut + 3));
        p.drawPath(rect(side * (boltR - 5), face - ringThick - nut, side * (boltR + 5), face - ringThick));
        p.drawPath(rect(side * (boltR - 5), face + gasket + cover, side * (boltR + 5), face + gasket + cover + nut));
        p.restore();
        s.draft.centreLine(s.at(side * boltR, face - ringThick - nut - 6), s.at(side * boltR, face + gasket + cover + nut + 6));
    }
    QPainterPath coverPlate = rect(-ringOut, face + gasket, ringOut, face + gasket + cover);
    for (int side : {-1, 1})
        coverPlate = coverPlate.subtracted(rect(side * (boltR - boltHalf), face, side * (boltR + boltHalf), face + gasket + cover + 1));
    s.draft.hatch(coverPlate, 0, 45);
    s.draft.centreLine(s.at(0, -8), s.at(0, face + gasket + cover + nut + 12));

    s.draft.dimension(s.at(-kRadius, 0), s.at(kRadius, 0), -9 * s.scale, QStringLiteral("Di"));
    s.draft.dimension(s.at(-ringOut, 0), s.at(-ringOut, face), 8 * s.scale, QStringLiteral("h"));
    s.draft.dimension(s.at(ringOut, face + gasket), s.at(ringOut, face + gasket + cover), -9 * s.scale, QStringLiteral("δ"));
    if (!s.compact)
        s.draft.dimension(s.at(-ringOut, face + gasket + cover), s.at(ringOut, face + gasket + cover),
                          14 * s.scale, QStringLiteral("D"));
}

void drawFlatCover(Sheet &s)
{
    const double wall = 4.5, stub = 26, cover = 10;
    auto rect = [&](double x0, double y0, double x1, double y1) {
        QPainterPath path;
        path.addPolygon(s.map({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}));
        return path;
    };
    for (int side : {-1, 1})
        s.draft.hatch(rect(side * kRadius, 0, side * (kRadius + wall), stub), 0, side > 0 ? 45 : 135);
    // The cover sits inside the shell, flush with its end, welded on both faces.
    s.draft.hatch(rect(-kRadius, stub - cover, kRadius, stub), 0, 45);
    for (int side : {-1, 1}) {
        s.draft.filletWeld(s.at(side * kRadius, stub - cover), QPointF(0, 1), QPointF(-side, 0), 3.6 * s.scale);
        s.draft.filletWeld(s.at(side * (kRadius + wall), stub), QPointF(0, -1), QPointF(-side, 0), 0.1);
    }
    // Full-penetration corner weld on the outer face, shown as a groove fill.
    for (int side : {-1, 1}) {
        QPolygonF groove = s.map({{side * (kRadius - 5), stub}, {side * (kRadius + wall), stub},
                                  {side * (kRadius + wall), stub - 0.5}, {side * kRadius, stub - 5.5}});
        s.painter.save();
        s.painter.setPen(QPen(QColor(0x1d, 0x24, 0x2b), 1));
        s.painter.setBrush(QColor(0x1d, 0x24, 0x2b));
        s.painter.drawPolygon(groove);
        s.painter.restore();
    }
    s.draft.centreLine(s.at(0, -8), s.at(0, stub + 12));
    s.draft.dimension(s.at(-kRadius, 0), s.at(kRadius, 0), -9 * s.scale, QStringLiteral("Di"));
    s.draft.dimension(s.at(-kRadius - wall, 0), s.at(-kRadius - wall, stub), 10 * s.scale, QStringLiteral("h"));
    s.draft.dimension(s.at(kRadius + wall, stub - cover), s.at(kRadius + wall, stub), -10 * s.scale, QStringLiteral("δ"));
}

struct Extent
{
    double left, right, bottom, top; // model units including dimension room
};

Extent extentOf(HeadSectionArt::Kind kind, bool compact)
{
    // The compact picture carries only Di, δ and h, so it needs less room
    // around the section and can draw it larger.
    if (compact) {
        switch (kind) {
        case HeadSectionArt::Kind::Ellipsoidal: return {-77, 78, -22, 44};
        case HeadSectionArt::Kind::Conical: return {-77, 78, -22, 60};
        case HeadSectionArt::Kind::Flanged: return {-90, 93, -22, 46};
        case HeadSectionArt::Kind::FlatCover: return {-77, 78, -22, 36};
        }
    }
    switch (kind) {
    case HeadSectionArt::Kind::Ellipsoidal: return {-80, 82, -26, 48};
    case HeadSectionArt::Kind::Conical: return {-80, 80, -26, 76};
    case HeadSectionArt::Kind::Flanged: return {-92, 94, -26, 70};
    case HeadSectionArt::Kind::FlatCover: return {-80, 82, -26, 40};
    }
    return {-80, 80, -26, 50};
}

} // namespace

QString HeadSectionArt::caption(Kind kind)
{
    switch (kind) {
    case Kind::Ellipsoidal: return QStringLiteral("标准椭圆形封头（以内径为基准，Di/2hi = 2）");
    case Kind::Conical: return QStringLiteral("锥形封头（带直边）");
    case Kind::Flanged: return QStringLiteral("法兰封头（设备法兰与法兰盖连接）");
    case Kind::FlatCover: return QStringLiteral("平盖（与筒体角焊连接）");
    }
    return {};
}

QString HeadSectionArt::legend(Kind kind)
{
    switch (kind) {
    case Kind::Ellipsoidal: return QStringLiteral("Di—封头内直径　δ—名义厚度　h—直边高度　hi—曲面深度（hi = Di/4）");
    case Kind::Conical: return QStringLiteral("Di—大端内直径　di—小端内直径　δ—名义厚度　h—直边高度　α—半顶角");
    case Kind::Flanged: return QStringLiteral("Di—筒体内直径　δ—法兰盖厚度　h—短节高度（至密封面）　D—法兰外径");
    case Kind::FlatCover: return QStringLiteral("Di—筒体内直径　δ—平盖厚度　h—短节高度");
    }
    return {};
}

QImage HeadSectionArt::render(Kind kind, QSize size, bool compact)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double unit = compact ? qMax(0.45, size.width() / 520.0) : size.width() / 1100.0;
    DraftPainter draft(painter, unit);
    draft.setTextFont(compact ? ArtFonts::symbol(size.width() / 14.0) : ArtFonts::symbol(30 * unit));

    const double captionRoom = compact ? 0 : 70 * unit;
    const double legendRoom = compact ? 0 : 70 * unit;
    const double margin = compact ? 4 : 24 * unit;
    const QRectF area(margin, margin + captionRoom, size.width() - 2 * margin,
                      size.height() - 2 * margin - captionRoom - legendRoom);
    const Extent e = extentOf(kind, compact);
    const double scale = qMin(area.width() / (e.right - e.left), area.height() / (e.top - e.bottom));
    const double drawnWidth = (e.right - e.left) * scale;
    const double drawnHeight = (e.top - e.bottom) * scale;
    const QPointF origin(area.left() + (area.width() - drawnWidth) / 2 - e.left * scale,
                         area.top() + (area.height() - drawnHeight) / 2 + e.top * scale);
    Sheet sheet{painter, draft, origin, scale, compact};

    switch (kind) {
    case Kind::Ellipsoidal: drawEllipsoidal(sheet); break;
    case Kind::Conical: drawConical(sheet); break;
    case Kind::Flanged: drawFlanged(sheet); break;
    case Kind::FlatCover: drawFlatCover(sheet); break;
    }

    if (!compact) {
        const QFont captionFont = ArtFonts::sans(28 * unit, true);
        draft.text(QPointF(margin, margin), caption(kind), Qt::AlignLeft | Qt::AlignTop, &captionFont);
        const QFont legendFont = ArtFonts::sans(22 * unit);
        painter.setPen(QPen(QColor(0xb8, 0xc2, 0xcc), 1.2 * unit));
        const double ruleY = size.height() - margin - legendRoom + 14 * unit;
        painter.drawLine(QPointF(margin, ruleY), QPointF(size.width() - margin, ruleY));
        draft.text(QPointF(margin, size.height() - margin), legend(kind), Qt::AlignLeft | Qt::AlignBottom, &legendFont);
    }
    painter.end();
    return image;
}

} // namespace zelvan
