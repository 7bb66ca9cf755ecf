#include "VesselTypeArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace zelvan {

namespace {

const QColor kOutline(0x2c, 0x3a, 0x48);
const QColor kSteelDark(0x7d, 0x8c, 0x9b);
const QColor kSteelLight(0xf4, 0xf7, 0xfa);
const QColor kSeam(0x9a, 0xa8, 0xb5);
const QColor kSupport(0x4f, 0x5d, 0x6b);

// Cylinder shading across the given axis: dark edges, a highlight a third of
// the way across, as light falls on a round shell.
QLinearGradient shellShade(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, kSteelDark);
    g.setColorAt(0.32, kSteelLight);
    g.setColorAt(0.55, QColor(0xd5, 0xdd, 0xe5));
    g.setColorAt(1.0, QColor(0x6a, 0x79, 0x88));
    return g;
}

void flange(QPainter &p, QRectF r, bool vertical)
{
    p.setPen(QPen(kOutline, 1.4));
    p.setBrush(vertical ? QBrush(shellShade(r.topLeft(), r.topRight()))
                        : QBrush(shellShade(r.topLeft(), r.bottomLeft())));
    p.drawRect(r);
}

void groundShadow(QPainter &p, QPointF centre, double rx, double ry)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 0, 0, 60));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.translate(centre);
    p.scale(1.0, ry / rx);
    p.drawEllipse(QPointF(0, 0), rx, rx);
    p.restore();
}

QImage canvas(QSize size, QPainter &p)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 200.0, size.height() / 200.0);
    return image;
}

} // namespace

QImage VesselTypeArt::vertical(QSize size)
{
    QPainter p;
    QImage image = canvas(size, p);
    groundShadow(p, QPointF(100, 188), 62, 7);

    // Legs (angle steel) behind the shell first, the front leg last.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kSupport);
    p.drawPolygon(QPolygonF({QPointF(64, 132), QPointF(72, 132), QPointF(70, 186), QPointF(60, 186)}));
    p.drawPolygon(QPolygonF({QPointF(128, 132), QPointF(136, 132), QPointF(140, 186), QPointF(130, 186)}));
    p.drawRect(QRectF(56, 185, 18, 4));
    p.drawRect(QRectF(126, 185, 18, 4));

    const QRectF shell(62, 52, 76, 100);
    QPainterPath body;
    body.moveTo(shell.left(), shell.top());
    body.arcTo(QRectF(shell.left(), shell.top() - 20, shell.width(), 40), 180, -180);
    body.lineTo(shell.right(), shell.bottom());
    body.arcTo(QRectF(shell.left(), shell.bottom() - 20, shell.width(), 40), 0, -180);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(shellShade(QPointF(shell.left(), 0), QPointF(shell.right(), 0)));
    p.drawPath(body);

    // Head-to-shell circumferential seams and the middle course seam.
    p.setPen(QPen(kSeam, 1.2));
    for (double y : {shell.top(), shell.top() + 50, shell.bottom()})
        p.drawArc(QRectF(shell.left(), y - 5, shell.width(), 10), 180 * 16, 180 * 16);
    p.drawLine(QPointF(88, shell.top() + 4), QPointF(88, shell.top() + 50));
    p.drawLine(QPointF(112, shell.top() + 54), QPointF(112, shell.bottom() + 4));

    // Front leg with its pad.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0x5d, 0x6c, 0x7a));
    p.drawRect(QRectF(94, 146, 12, 12));
    p.drawPolygon(QPolygonF({QPointF(96, 156), QPointF(104, 156), QPointF(105, 186), QPointF(95, 186)}));
    p.drawRect(QRectF(91, 185, 18, 4));

    // Nozzles: top outlet, side inlet, manhole.
    flange(p, QRectF(95, 20, 10, 14), true);
    flange(p, QRectF(90, 14, 20, 6), true);
    flange(p, QRectF(138, 70, 16, 9), false);
    flange(p, QRectF(154, 64, 5, 21), false);
    flange(p, QRectF(46, 96, 16, 22), false);
    flange(p, QRectF(40, 90, 6, 34), false);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage VesselTypeArt::horizontal(QSize size)
{
    QPainter p;
    QImage image = canvas(size, p);
    groundShadow(p, QPointF(100, 160), 86, 7);

    const QRectF shell(36, 72, 128, 62);
    // Saddles under the shell.
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(kSupport);
    for (double x : {60.0, 140.0}) {
        QPainterPath saddle;
        saddle.moveTo(x - 16, 158);
        saddle.lineTo(x - 14, 120);
        saddle.lineTo(x + 14, 120);
        saddle.lineTo(x + 16, 158);
        saddle.closeSubpath();
        p.drawPath(saddle);
        p.drawRect(QRectF(x - 20, 156, 40, 4));
    }

    QPainterPath body;
    body.moveTo(shell.left(), shell.bottom());
    body.arcTo(QRectF(shell.left() - 16, shell.top(), 32, shell.height()), 270, -180);
    body.lineTo(shell.right(), shell.top());
    body.arcTo(QRectF(shell.right() - 16, shell.top(), 32, shell.height()), 90, -180);
    body.closeSubpath();
    p.setPen(QPen(kOutline, 1.6));
    p.setBrush(shellShade(QPointF(0, shell.top()), QPointF(0, shell.bottom())));
    p.drawPath(body);

    p.setPen(QPen(kSeam, 1.2));
    for (double x : {shell.left(), shell.left() + 64, shell.right()})
        p.drawArc(QRectF(x - 5, shell.top(), 10, shell.height()), 270 * 16, 180 * 16);
    p.drawLine(QPointF(shell.left() + 4, 88), QPointF(shell.left() + 64, 88));
    p.drawLine(QPointF(shell.left() + 68, 116), QPointF(shell.right() + 4, 116));

    // Saddle webs over the shell bottom (front face).
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(QColor(0x5d, 0x6c, 0x7a));
    for (double x : {60.0, 140.0})
        p.drawRect(QRectF(x - 15, 126, 30, 6));

    // Nozzles on top and a manhole.
    flange(p, QRectF(72, 56, 10, 16), true);
    flange(p, QRectF(67, 50, 20, 6), true);
    flange(p, QRectF(118, 44, 22, 28), true);
    flange(p, QRectF(112, 38, 34, 7), true);
    flange(p, QRectF(160, 98, 14, 8), false);
    flange(p, QRectF(174, 93, 5, 18), false);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace zelvan
