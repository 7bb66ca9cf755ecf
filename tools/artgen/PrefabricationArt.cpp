#include "PrefabricationArt.h"

#include "ArtFonts.h"
#include "DraftPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>

namespace zelvan {

namespace {

constexpr int kWidth = 1100;
constexpr int kHeight = 680;
const QColor kInk(0x1d, 0x24, 0x2b);

QPainterPath box(QPointF a, QPointF b)
{
    QPainterPath path;
    path.addRect(QRectF(a, b).normalized());
    return path;
}

void frame(QPainter &p, DraftPainter &d, const QString &caption, const QStringList &notes, double notesTop)
{
    const QFont captionFont = ArtFonts::sans(28, true);
    d.text(QPointF(24, 20), caption, Qt::AlignLeft | Qt::AlignTop, &captionFont);
    p.setPen(QPen(QColor(0xb8, 0xc2, 0xcc), 1.2));
    p.drawLine(QPointF(24, notesTop), QPointF(kWidth - 24, notesTop));
    const QFont noteFont = ArtFonts::sans(21);
    double y = notesTop + 10;
    for (const QString &note : notes) {
        d.text(QPointF(24, y), note, Qt::AlignLeft | Qt::AlignTop, &noteFont);
        y += 32;
    }
}

QImage blank()
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Geometric tolerance frame: symbol | value | datum.
void toleranceFrame(DraftPainter &d, QPointF topLeft, const QString &symbol, const QString &value, const QString &datum)
{
    QPainter &p = d.painter();
    const QFont font = ArtFonts::sans(21);
    QFontMetricsF metrics(font);
    const double h = 36;
    const double w1 = 38, w2 = metrics.horizontalAdvance(value) + 20, w3 = 34;
    p.save();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(topLeft, QSizeF(w1 + w2 + w3, h)));
    p.drawLine(topLeft + QPointF(w1, 0), topLeft + QPointF(w1, h));
    p.drawLine(topLeft + QPointF(w1 + w2, 0), topLeft + QPointF(w1 + w2, h));
    p.restore();
    d.text(topLeft + QPointF(w1 / 2, h / 2), symbol, Qt::AlignCenter, &font);
    d.text(topLeft + QPointF(w1 + w2 / 2, h / 2), value, Qt::AlignCenter, &font);
    d.text(topLeft + QPointF(w1 + w2 + w3 / 2, h / 2), datum, Qt::AlignCenter, &font);
}

void datumTag(DraftPainter &d, QPointF onLine, QPointF direction, const QString &name)
{
    QPainter &p = d.painter();
    const QPointF n(-direction.y(), direction.x());
    p.save();
    p.setPen(QPen(kInk, 1.4));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({onLine + n * 9, onLine - n * 9, onLine + direction * 14}));
    const QPointF boxCentre = onLine + direction * 44;
    p.drawLine(onLine + direction * 14, boxCentre - direction * 16);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(boxCentre - QPointF(16, 16), QSizeF(32, 32)));
    p.restore();
    const QFont font = ArtFonts::sans(21);
    d.text(boxCentre, name, Qt::AlignCenter, &font);
}

} // namespace

QImage PrefabricationArt::nozzleFlange()
{
    QImage image = blank();
    QPainter p(&image);
    DraftPainter d(p, 1.0);
    d.setTextFont(ArtFonts::sans(22));

    // Section of a nozzle with a slip-on plate flange.
    const QPointF axisTop(300, 178);
    const double k = 3.6;
    auto at = [&](double x, double y) { return axisTop + QPointF(x * k, y * k); };
    const double pipeOut = 20, wall = 3.2, flangeR = 52, flangeT = 11, boltR = 41, bolt = 3.4, length = 66;
    const double face = 0;
    for (int side : {-1, 1}) {
        QPainterPath flange = box(at(side * (pipeOut), face), at(side * flangeR, face + flangeT));
        flange = flange.subtracted(box(at(side * (boltR - bolt), face - 1), at(side * (boltR + bolt), face + flangeT + 1)));
        // Raised sealing face.
        flange = flange.united(box(at(side * pipeOut, face - 2.2), at(side * 33, face)));
        d.hatch(flange, 0, side > 0 ? 45 : 135);
        QPainterPath pipe = box(at(side * (pipeOut - wall), face + 3.5), at(side * pipeOut, face + length));
        d.hatch(pipe, 0, side > 0 ? 135 : 45);
        // Fillet on the back of the flange and a seal weld inside the bore.
        d.filletWeld(at(side * pipeOut, face + flangeT), QPointF(0, 1), QPointF(side, 0), 4.4 * k);
        d.filletWeld(at(side * (pipeOut - wall), face + 3.5), QPointF(0, -1), QPointF(side, 0), 3.0 * k);
        d.centreLine(at(side * boltR, face - 7), at(side * boltR, face + flangeT + 7));
    }
    d.centreLine(at(0, face - 14), at(0, face + length + 8));
    d.dimension(at(-flangeR, face - 2.2), at(flangeR, face - 2.2), 9 * k, QStringLiteral("D"));
    d.dimension(at(-pipeOut, face + length), at(pipeOut, face + length), -8 * k, QStringLiteral("φd×s"));
    d.dimension(at(flangeR, face - 2.2), at(flangeR, face + length), 7 * k, QStringLiteral("L"));
    const QPointF frameAt(520, 96);
    toleranceFrame(d, frameAt, QStringLiteral("⊥"), QStringLiteral("D/100，且≤3"), QStringLiteral("A"));
    p.setPen(d.thinPen());
    p.drawLine(frameAt + QPointF(0, 18), frameAt + QPointF(-24, 18));
    p.drawLine(frameAt + QPointF(-24, 18), at(30, face - 2.2));
    d.arrowHead(at(30, face - 2.2), frameAt + QPointF(-24, 18));
    datumTag(d, at(pipeOut, face + 46), QPointF(1, 0), QStringLiteral("A"));
    d.leader(at(-27, face - 2.2), QPointF(150, 100), QStringLiteral("密封面"));
    d.leader(at(-pipeOut - 1.5, face + flangeT + 2.5), QPointF(100, 300), QStringLiteral("角焊缝"), false);

    // Plan of the flange: bolt holes straddle the main axis lines.
    const QPointF centre(900, 310);
    const double r = 140;
    p.setPen(d.outlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.drawEllipse(centre, 56, 56);
    p.drawEllipse(centre, 46, 46);
    p.setPen(d.centrePen());
    p.drawEllipse(centre, 108, 108);
    d.centreLine(centre + QPointF(-r - 24, 0), centre + QPointF(r + 24, 0));
    d.centreLine(centre + QPointF(0, -r - 24), centre + QPointF(0, r + 24));
    p.setPen(d.outlinePen());
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45 * i) * M_PI / 180;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * 108, 11, 11);
    }
    d.leader(centre + QPointF(std::cos(-M_PI / 8), std::sin(-M_PI / 8)) * 120, centre + QPointF(70, -190),
             QStringLiteral("螺栓孔跨中布置"), false);
    const QFont small = ArtFonts::sans(20);
    d.text(centre + QPointF(-r - 26, -4), QStringLiteral("主轴线"), Qt::AlignRight | Qt::AlignBottom, &small);

    frame(p, d, QStringLiteral("接管与法兰组焊简图"),
          {QStringLiteral("1. 法兰应检验合格，标记及材质证书齐全，组对前确认密封面型式。"),
           QStringLiteral("2. 法兰面与接管轴线的垂直度≤法兰外径D/100，且≤3mm；点焊定位后检查，平放转动施焊。"),
           QStringLiteral("3. 法兰螺栓孔与壳体主轴线跨中布置；焊后按规定比例进行C、D类焊缝无损检测。")},
          560);
    p.end();
    return image;
}

QImage PrefabricationArt::reinforcementRing()
{
    QImage image = blank();
    QPainter p(&image);
    DraftPainter d(p, 1.0);
    d.setTextFont(ArtFonts::sans(22));

    // Plan of the ring.
    const QPointF c(255, 320);
    const double outer = 170, inner = 78;
    QPainterPath ring;
    ring.addEllipse(c, outer, outer);
    QPainterPath hole;
    hole.addEllipse(c, inner, inner);
    p.setPen(d.outlinePen());
    p.setBrush(QColor(0xee, 0xf3, 0xf8));
    p.drawPath(ring.subtracted(hole));
    d.centreLine(c + QPointF(-outer - 22, 0), c + QPointF(outer + 22, 0));
    d.centreLine(c + QPointF(0, -outer - 22), c + QPointF(0, outer + 22));
    // Tell-tale hole near the outer edge, at the lowest point when fitted.
    const QPointF signal = c + QPointF(0, outer - 28);
    p.setPen(d.outlinePen());
    p.setBrush(Qt::white);
    p.drawEllipse(signal, 9, 9);
    p.setPen(QPen(kInk, 1.2));
    p.drawArc(QRectF(signal - QPointF(12, 12), QSizeF(24, 24)), 0, 270 * 16);
    d.dimension(c + QPointF(-outer, 0), c + QPointF(outer, 0), outer + 36, QStringLiteral("D₂"));
    d.dimension(c + QPointF(-inner, 0), c + QPointF(inner, 0), 26, QStringLiteral("D₁"));
    d.leader(signal + QPointF(8, 6), c + QPointF(150, 196), QStringLiteral("信号孔（装配后置于最低位置）"));

    // Section: shell wall, pad and nozzle.
    const double left = 560, right = 1070, shellTop = 330, shellT = 26, padT = 22, nozzleX = 815, nozzleR = 70,
                 nozzleT = 14, padHalf = 170;
    for (int side : {-1, 1}) {
        const double x0 = nozzleX + side * nozzleR;
        const double xEdge = side < 0 ? left : right;
        QPainterPath shell = box(QPointF(x0, shellTop), QPointF(xEdge, shellTop + shellT));
        d.hatch(shell, 0, 45);
        QPainterPath pad = box(QPointF(x0, shellTop - 2 - padT), QPointF(nozzleX + side * padHalf, shellTop - 2));
        d.hatch(pad, 7, 135);
        QPainterPath nozzle = box(QPointF(nozzleX + side * (nozzleR - nozzleT), shellTop - 150),
                                  QPointF(nozzleX + side * nozzleR, shellTop + shellT + 30));
        d.hatch(nozzle, 0, side > 0 ? 135 : 45);
        d.filletWeld(QPointF(nozzleX + side * padHalf, shellTop - 2), QPointF(0, -1), QPointF(side, 0), 0.1);
        d.filletWeld(QPointF(nozzleX + side * padHalf, shellTop), QPointF(0, -1), QPointF(side, 0), 20);
        d.filletWeld(QPointF(nozzleX + side * nozzleR, shellTop - 2 - padT), QPointF(0, -1), QPointF(side, 0), 18);
        d.filletWeld(QPointF(nozzleX + side * (nozzleR - nozzleT), shellTop + shellT), QPointF(0, 1),
                     QPointF(-side, 0), 0.1);
    }
    p.setPen(d.hiddenPen());
    p.drawLine(QPointF(left, shellTop), QPointF(left - 10, shellTop));
    d.centreLine(QPointF(nozzleX, shellTop - 175), QPointF(nozzleX, shellTop + shellT + 50));
    d.dimension(QPointF(nozzleX + padHalf, shellTop - 2), QPointF(nozzleX + padHalf, shellTop - 2 - padT), -40,
                QStringLiteral("δc"));
    d.leader(QPointF(nozzleX - 140, shellTop - 12), QPointF(nozzleX - 200, shellTop - 100), QStringLiteral("补强圈"), false);
    d.leader(QPointF(nozzleX - nozzleR + 6, shellTop - 110), QPointF(nozzleX - 150, shellTop - 160),
             QStringLiteral("接管"), false);
    d.leader(QPointF(nozzleX + 200, shellTop + 12), QPointF(nozzleX + 150, shellTop + 90), QStringLiteral("壳体"));
    d.leader(QPointF(nozzleX + 120, shellTop - 1), QPointF(nozzleX + 100, shellTop + 150),
             QStringLiteral("组合间隙0~1"), false);

    frame(p, d, QStringLiteral("补强圈预制简图"),
          {QStringLiteral("1. 用样板划线、切割，在卷板机上滚弧，与筒体组合间隙0~1mm；坡口型式见焊接工艺。"),
           QStringLiteral("2. 距外缘15mm处钻孔并攻丝作信号孔，装配时信号孔置于壳体最低位置。"),
           QStringLiteral("3. 组装焊接后由信号孔通入0.4~0.5MPa压缩空气，检查焊接接头质量。")},
          560);
    p.end();
    return image;
}

QImage PrefabricationArt::generalAssembly()
{
    QImage image = blank();
    QPainter p(&image);
    DraftPainter d(p, 1.0);
    d.setTextFont(ArtFonts::sans(22));

    // Elevation of a vertical vessel.
    const double left = 180, right = 350, top = 170, bottom = 410;
    QPainterPath body;
    body.moveTo(left, top);
    body.arcTo(QRectF(left, top - 42, right - left, 84), 180, -180);
    body.lineTo(right, bottom);
    body.arcTo(QRectF(left, bottom - 42, right - left, 84), 0, -180);
    body.closeSubpath();
    p.setPen(d.outlinePen());
    p.setBrush(QColor(0xf4, 0xf7, 0xfa));
    p.drawPath(body);
    p.setPen(QPen(QColor(0xb0, 0x2a, 0x2a), 2.0));
    for (double y : {top, top + 120.0, bottom})
        p.drawLine(QPointF(left, y), QPointF(right, y));
    const QFont small = ArtFonts::sans(19);
    d.text(QPointF(left - 8, top), QStringLiteral("B1"), Qt::AlignRight | Qt::AlignVCenter, &small);
    d.text(QPointF(left - 8, top + 120), QStringLiteral("B2"), Qt::AlignRight | Qt::AlignVCenter, &small);
    d.text(QPointF(left - 8, bottom), QStringLiteral("B3"), Qt::AlignRight | Qt::AlignVCenter, &small);
    d.centreLine(QPointF((left + right) / 2, top - 62), QPointF((left + right) / 2, bottom + 60));
    // Legs.
    p.setPen(d.outlinePen());
    p.setBrush(QColor(0xd5, 0xdc, 0xe3));
    p.drawRect(QRectF(left + 8, bottom - 40, 16, 120));
    p.drawRect(QRectF(right - 24, bottom - 40, 16, 120));
    // Side nozzle with flange and the projection from the shell's outer surface.
    const double ny = 235;
    p.drawRect(QRectF(right, ny - 16, 70, 32));
    p.drawRect(QRectF(right + 70, ny - 40, 14, 80));
    d.centreLine(QPointF(right - 20, ny), QPointF(right + 110, ny));
    d.dimension(QPointF(right, ny - 40), QPointF(right + 84, ny - 40), 40, QStringLiteral("L±5"));
    // Elevation of the nozzle from the lower tangent line.
    d.dimension(QPointF(right + 84, bottom), QPointF(right + 84, ny), -50, QStringLiteral("H±5"));
    p.setPen(d.thinPen());
    p.drawLine(QPointF(right + 4, bottom), QPointF(right + 140, bottom));
    // Top outlet.
    p.setPen(d.outlinePen());
    p.drawRect(QRectF((left + right) / 2 - 14, top - 80, 28, 40));
    p.drawRect(QRectF((left + right) / 2 - 36, top - 92, 72, 12));
    p.setPen(QPen(QColor(0xb0, 0x2a, 0x2a), 2.0));
    p.drawLine(QPointF(right - 50, top + 4), QPointF(right - 50, top + 116));
    p.drawLine(QPointF(left + 50, top + 124), QPointF(left + 50, bottom - 4));
    d.leader(QPointF(left + 50, top + 200), QPointF(110, top + 175), QStringLiteral("A类焊缝"), false);

    // Plan: 0° at the top, angles counter-clockwise, as on the layout drawing.
    const QPointF c(800, 300);
    const double r = 170;
    p.setPen(d.outlinePen());
    p.setBrush(QColor(0xf4, 0xf7, 0xfa));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r - 12, r - 12);
    d.centreLine(c + QPointF(-r - 30, 0), c + QPointF(r + 30, 0));
    d.centreLine(c + QPointF(0, -r - 30), c + QPointF(0, r + 30));
    const QFont axisFont = ArtFonts::sans(21, true);
    d.text(c + QPointF(0, -r - 34), QStringLiteral("0°"), Qt::AlignHCenter | Qt::AlignBottom, &axisFont);
    d.text(c + QPointF(-r - 34, 0), QStringLiteral("90°"), Qt::AlignRight | Qt::AlignVCenter, &axisFont);
    d.text(c + QPointF(0, r + 34), QStringLiteral("180°"), Qt::AlignHCenter | Qt::AlignTop, &axisFont);
    d.text(c + QPointF(r + 34, 0), QStringLiteral("270°"), Qt::AlignLeft | Qt::AlignVCenter, &axisFont);
    // A nozzle at 300° (between 270° and 0°), radial, with its azimuth.
    const double theta = 300.0;
    const double a = (90 + theta) * M_PI / 180; // 0° points up, angles run anticlockwise
    const QPointF u(std::cos(a), -std::sin(a));
    const QPointF n(-u.y(), u.x());
    p.setPen(d.outlinePen());
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({c + u * r + n * 14, c + u * (r + 60) + n * 14, c + u * (r + 60) - n * 14, c + u * r - n * 14}));
    p.drawPolygon(QPolygonF({c + u * (r + 60) + n * 34, c + u * (r + 72) + n * 34, c + u * (r + 72) - n * 34,
                             c + u * (r + 60) - n * 34}));
    d.centreLine(c, c + u * (r + 96));
    p.setPen(d.thinPen());
    p.setBrush(Qt::NoBrush);
    const double arcR = 92;
    p.drawArc(QRectF(c - QPointF(arcR, arcR), QSizeF(2 * arcR, 2 * arcR)), 90 * 16, int(theta * 16));
    d.arrowHead(c + u * arcR, c + u * arcR - n * 20);
    d.text(c + QPointF(26, 56), QStringLiteral("θ（方位角）"), Qt::AlignLeft | Qt::AlignTop, &small);
    d.text(c + QPointF(-r - 10, r + 8), QStringLiteral("俯视"), Qt::AlignLeft | Qt::AlignTop, &small);

    frame(p, d, QStringLiteral("总装简图"),
          {QStringLiteral("1. 依照排版图在壳体上划出0°、90°、180°、270°四条轴线，开孔位置允差±5mm。"),
           QStringLiteral("2. 接管伸出长度L、标高H误差±5mm；接管与筒体轴线的平行度、垂直度≤接管长度/100，且≤5mm。"),
           QStringLiteral("3. 开孔前质检员检查开孔位置及大小（停检点），点焊、焊接执行焊接工艺卡。")},
          560);
    p.end();
    return image;
}

} // namespace zelvan
