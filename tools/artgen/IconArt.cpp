#include "IconArt.h"

#include "ArtFonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>

namespace zelvan {

namespace {

const QColor kInk(0x27, 0x32, 0x3d);
const QColor kBlue(0x2f, 0x6d, 0xb5);
const QColor kLightBlue(0xd6, 0xe6, 0xf7);
const QColor kOrange(0xe8, 0x89, 0x2b);
const QColor kYellow(0xf2, 0xc1, 0x4e);
const QColor kGreen(0x3b, 0x9a, 0x4f);
const QColor kRed(0xc6, 0x42, 0x3a);
const QColor kSteel(0x8f, 0x9b, 0xa6);
const QColor kPaper(0xfb, 0xfc, 0xfd);

QPen ink(double width = 1.4)
{
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Draws in a fixed design grid (32 units for toolbar icons, 16 for tree icons)
// scaled to the requested pixel size.
QImage iconCanvas(int size, double grid, const std::function<void(QPainter &)> &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / grid, size / grid);
    draw(p);
    p.end();
    return image;
}

void sheet(QPainter &p, QRectF r, double fold)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(QColor(0xd5, 0xdb, 0xe1));
    p.drawPath(corner);
}

void newProject(QPainter &p)
{
    sheet(p, QRectF(6, 2.5, 19, 26), 6);
    p.setPen(QPen(kSteel, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double y : {12.0, 16.0, 20.0})
        p.drawLine(QPointF(10, y), QPointF(21, y));
    p.setPen(ink(1.2));
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(23.5, 23.5), 7, 7);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(23.5, 19.5), QPointF(23.5, 27.5));
    p.drawLine(QPointF(19.5, 23.5), QPointF(27.5, 23.5));
}

void openProject(QPainter &p)
{
    QPainterPath back;
    back.moveTo(2.5, 7);
    back.lineTo(11, 7);
    back.lineTo(13.5, 9.5);
    back.lineTo(27, 9.5);
    back.lineTo(27, 27);
    back.lineTo(2.5, 27);
    back.closeSubpath();
    p.setPen(ink());
    p.setBrush(QColor(0xd9, 0x9e, 0x2b));
    p.drawPath(back);
    sheet(p, QRectF(7, 4, 16, 16), 4);
    QPainterPath front;
    front.moveTo(6.5, 14);
    front.lineTo(30.5, 14);
    front.lineTo(26.5, 27);
    front.lineTo(2.5, 27);
    front.closeSubpath();
    QLinearGradient g(0, 14, 0, 27);
    g.setColorAt(0, QColor(0xfb, 0xd8, 0x76));
    g.setColorAt(1, kYellow);
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(front);
}

void saveProject(QPainter &p)
{
    QPainterPath disk;
    disk.moveTo(4, 4);
    disk.lineTo(24, 4);
    disk.lineTo(28, 8);
    disk.lineTo(28, 28);
    disk.lineTo(4, 28);
    disk.closeSubpath();
    QLinearGradient g(0, 4, 0, 28);
    g.setColorAt(0, QColor(0x4a, 0x86, 0xcc));
    g.setColorAt(1, kBlue);
    p.setPen(ink());
    p.setBrush(g);
    p.drawPath(disk);
    p.setBrush(QColor(0xdf, 0xe5, 0xea));
    p.drawRect(QRectF(9, 4, 13, 8.5));
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(17, 5.5, 3, 5.5));
    p.setPen(ink(1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(8, 16.5, 16, 11.5));
    p.setPen(QPen(kSteel, 1.2));
    p.drawLine(QPointF(10.5, 20), QPointF(21.5, 20));
    p.drawLine(QPointF(10.5, 23.5), QPointF(21.5, 23.5));
}

void layoutDrawing(QPainter &p)
{
    // A development of the shell: courses, staggered longitudinal seams and
    // nozzle openings, as on the layout drawing.
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 4.5, 27, 23));
    p.setPen(QPen(QColor(0xb8, 0xc4, 0xd0), 0.8, Qt::DashLine));
    for (double x : {9.25, 16.0, 22.75})
        p.drawLine(QPointF(x, 5), QPointF(x, 27));
    p.setPen(QPen(kRed, 1.4));
    p.drawLine(QPointF(2.5, 12.2), QPointF(29.5, 12.2));
    p.drawLine(QPointF(2.5, 19.9), QPointF(29.5, 19.9));
    p.drawLine(QPointF(16, 4.5), QPointF(16, 12.2));
    p.drawLine(QPointF(28.5, 12.2), QPointF(28.5, 19.9));
    p.drawLine(QPointF(16, 19.9), QPointF(16, 27.5));
    p.setPen(QPen(kBlue, 1.5));
    p.setBrush(kLightBlue);
    p.drawEllipse(QPointF(8.5, 8.5), 2.4, 2.4);
    p.drawEllipse(QPointF(22, 16), 2.8, 2.8);
    p.drawEllipse(QPointF(9.5, 23.5), 2, 2);
    p.setPen(ink(1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 4.5, 27, 23));
}

void electrode(QPainter &p, QPointF tip, double angleDegrees, QColor coating)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    // Bare holder end, coated length, then the striking tip.
    p.setPen(ink(1.0));
    p.setBrush(kSteel);
    p.drawRect(QRectF(18, -1.1, 6, 2.2));
    p.setBrush(coating);
    p.drawRoundedRect(QRectF(1.5, -2.1, 17, 4.2), 1.2, 1.2);
    p.setBrush(QColor(0x5a, 0x66, 0x70));
    p.drawRect(QRectF(0, -1.1, 1.8, 2.2));
    p.restore();
}

void spark(QPainter &p, QPointF centre, double radius)
{
    QPainterPath star;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r = i % 2 ? radius * 0.42 : radius;
        const QPointF pt = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient g(centre, radius);
    g.setColorAt(0, Qt::white);
    g.setColorAt(0.45, QColor(0xff, 0xe0, 0x6a));
    g.setColorAt(1, kOrange);
    p.setPen(QPen(QColor(0xc0, 0x6a, 0x14), 0.8));
    p.setBrush(g);
    p.drawPath(star);
}

void consumables(QPainter &p)
{
    electrode(p, QPointF(6, 26), -62, QColor(0xd8, 0xb0, 0x6a));
    electrode(p, QPointF(6, 26), -38, QColor(0x6f, 0x9f, 0xd8));
    electrode(p, QPointF(6, 26), -14, QColor(0x8c, 0xc0, 0x7a));
    spark(p, QPointF(6, 26), 5.5);
}

void heatWaves(QPainter &p, double left, double top, int count)
{
    p.setPen(QPen(kOrange, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const double x = left + i * 6;
        QPainterPath wave;
        wave.moveTo(x, top + 7);
        wave.cubicTo(x - 2.5, top + 5, x + 2.5, top + 3, x, top);
        p.drawPath(wave);
    }
}

void drying(QPainter &p)
{
    heatWaves(p, 10, 1.5, 3);
    QLinearGradient body(0, 10, 0, 29);
    body.setColorAt(0, QColor(0xc4, 0xcc, 0xd4));
    body.setColorAt(1, QColor(0x94, 0xa1, 0xad));
    p.setPen(ink());
    p.setBrush(body);
    p.drawRoundedRect(QRectF(3, 10, 26, 19), 2, 2);
    QRadialGradient glow(QPointF(13, 20), 9);
    glow.setColorAt(0, QColor(0xff, 0xc8, 0x5a));
    glow.setColorAt(1, QColor(0xd0, 0x5a, 0x1c));
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(6, 13.5, 15, 12), 1.2, 1.2);
    // Electrodes lying on the rack inside.
    p.setPen(QPen(QColor(0x5a, 0x33, 0x10), 1.1));
    for (double y : {17.0, 20.0, 23.0})
        p.drawLine(QPointF(7.5, y), QPointF(19.5, y));
    p.setPen(ink(1.1));
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(25, 15.5), 1.8, 1.8);
    p.drawEllipse(QPointF(25, 21.5), 1.8, 1.8);
}

void preheat(QPainter &p)
{
    // Steel plate seen at an angle, a flame under it and a thermometer.
    QPainterPath top;
    top.moveTo(2.5, 11);
    top.lineTo(18, 6);
    top.lineTo(27.5, 10);
    top.lineTo(12, 15);
    top.closeSubpath();
    p.setPen(ink(1.2));
    p.setBrush(QColor(0xb7, 0xc1, 0xca));
    p.drawPath(top);
    QPainterPath side;
    side.moveTo(2.5, 11);
    side.lineTo(12, 15);
    side.lineTo(12, 18);
    side.lineTo(2.5, 14);
    side.closeSubpath();
    p.setBrush(QColor(0x7d, 0x8a, 0x96));
    p.drawPath(side);
    QPainterPath front;
    front.moveTo(12, 15);
    front.lineTo(27.5, 10);
    front.lineTo(27.5, 13);
    front.lineTo(12, 18);
    front.closeSubpath();
    p.setBrush(QColor(0x95, 0xa2, 0xae));
    p.drawPath(front);

    QPainterPath flame;
    flame.moveTo(13, 30.5);
    flame.cubicTo(5.5, 30, 6, 24, 9.5, 19.5);
    flame.cubicTo(10, 23, 12, 23.5, 12.5, 20.5);
    flame.cubicTo(14, 22.5, 17.5, 23, 16, 19.5);
    flame.cubicTo(21, 23, 21, 30, 13, 30.5);
    QLinearGradient g(0, 19, 0, 31);
    g.setColorAt(0, kRed);
    g.setColorAt(0.5, kOrange);
    g.setColorAt(1, kYellow);
    p.setPen(QPen(QColor(0xa8, 0x3a, 0x12), 1.0));
    p.setBrush(g);
    p.drawPath(flame);

    p.setPen(ink(1.1));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(24, 14.5, 4, 12), 2, 2);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(26, 27.5), 3, 3);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(25.2, 19, 1.6, 7));
}

void qualification(QPainter &p)
{
    // Bound qualification records on a shelf, with a certifying seal.
    const QColor spines[] = {kBlue, kGreen, QColor(0x8a, 0x5a, 0xa8), kOrange};
    double x = 3;
    for (int i = 0; i < 4; ++i) {
        const double width = i == 2 ? 5 : 5.5;
        const double topY = 5 + (i % 2) * 2;
        p.setPen(ink(1.1));
        p.setBrush(spines[i]);
        p.drawRoundedRect(QRectF(x, topY, width, 26 - topY), 0.8, 0.8);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawLine(QPointF(x + 1, topY + 3), QPointF(x + width - 1, topY + 3));
        p.drawLine(QPointF(x + 1, 22.5), QPointF(x + width - 1, 22.5));
        x += width + 0.8;
    }
    p.setPen(ink(1.2));
    p.setBrush(kSteel);
    p.drawRect(QRectF(1.5, 26, 27, 2.5));
    // Seal with ribbons.
    p.setBrush(kRed);
    p.drawPolygon(QPolygonF({QPointF(22, 24), QPointF(20, 31), QPointF(23, 29.5), QPointF(24.5, 25)}));
    p.drawPolygon(QPolygonF({QPointF(27, 24), QPointF(29.5, 31), QPointF(26.5, 29.5), QPointF(25, 25)}));
    QRadialGradient g(QPointF(24, 19), 6);
    g.setColorAt(0, QColor(0xff, 0xd8, 0x60));
    g.setColorAt(1, QColor(0xd9, 0x9a, 0x1e));
    p.setBrush(g);
    p.drawEllipse(QPointF(24.5, 20.5), 5.5, 5.5);
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(22, 20.7), QPointF(24, 22.7), QPointF(27.2, 18.5)}));
}

void company(QPainter &p)
{
    // Fabrication shop: sawtooth roof, chimney and windows.
    p.setPen(ink(1.2));
    p.setBrush(QColor(0x9a, 0xa6, 0xb1));
    p.drawRect(QRectF(22, 3, 4, 12));
    QPainterPath hall;
    hall.moveTo(3, 28);
    hall.lineTo(3, 14);
    hall.lineTo(10, 9);
    hall.lineTo(10, 14);
    hall.lineTo(17, 9);
    hall.lineTo(17, 14);
    hall.lineTo(24, 9);
    hall.lineTo(24, 14);
    hall.lineTo(29, 14);
    hall.lineTo(29, 28);
    hall.closeSubpath();
    QLinearGradient g(0, 9, 0, 28);
    g.setColorAt(0, QColor(0x6d, 0xa0, 0xd9));
    g.setColorAt(1, kBlue);
    p.setBrush(g);
    p.drawPath(hall);
    p.setBrush(kLightBlue);
    for (double x : {6.0, 12.0, 18.0, 24.0})
        p.drawRect(QRectF(x, 17, 3.5, 3.5));
    p.setBrush(QColor(0xe7, 0xb9, 0x5a));
    p.drawRect(QRectF(13, 22.5, 6, 5.5));
    p.setPen(QPen(QColor(0xa8, 0xb3, 0xbd), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 1.5), QPointF(27, 0.5));
}

void help(QPainter &p)
{
    QRadialGradient g(QPointF(13, 11), 16);
    g.setColorAt(0, QColor(0x5d, 0x9b, 0xe0));
    g.setColorAt(1, kBlue);
    p.setPen(ink(1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    QFont font = ArtFonts::sans(21, true);
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2.5, 2, 27, 28), Qt::AlignCenter, QStringLiteral("?"));
}

void exitProgram(QPainter &p)
{
    p.setPen(ink(1.2));
    p.setBrush(QColor(0x8a, 0x96, 0xa2));
    p.drawRect(QRectF(4, 3, 16, 26));
    p.setBrush(QColor(0x3b, 0x44, 0x4e));
    p.drawRect(QRectF(6.5, 5.5, 11, 23.5));
    // The door swung open towards the viewer.
    QPainterPath door;
    door.moveTo(6.5, 5.5);
    door.lineTo(14, 8);
    door.lineTo(14, 31);
    door.lineTo(6.5, 29);
    door.closeSubpath();
    QLinearGradient g(6, 0, 14, 0);
    g.setColorAt(0, QColor(0xc9, 0x8a, 0x4b));
    g.setColorAt(1, QColor(0xa8, 0x6a, 0x32));
    p.setBrush(g);
    p.drawPath(door);
    p.setBrush(kYellow);
    p.drawEllipse(QPointF(12.3, 18.5), 0.9, 0.9);
    QPainterPath arrow;
    arrow.moveTo(17, 14.5);
    arrow.lineTo(24, 14.5);
    arrow.lineTo(24, 10.5);
    arrow.lineTo(31, 17.5);
    arrow.lineTo(24, 24.5);
    arrow.lineTo(24, 20.5);
    arrow.lineTo(17, 20.5);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0x8e, 0x22, 0x1c), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.setBrush(kRed);
    p.drawPath(arrow);
}

void steelSection(QPainter &p, QColor fill)
{
    // The "工" shaped section of a rolled beam stands for a steel grade.
    QPainterPath beam;
    beam.moveTo(2.5, 3);
    beam.lineTo(13.5, 3);
    beam.lineTo(13.5, 5.5);
    beam.lineTo(9.3, 5.5);
    beam.lineTo(9.3, 10.5);
    beam.lineTo(13.5, 10.5);
    beam.lineTo(13.5, 13);
    beam.lineTo(2.5, 13);
    beam.lineTo(2.5, 10.5);
    beam.lineTo(6.7, 10.5);
    beam.lineTo(6.7, 5.5);
    beam.lineTo(2.5, 5.5);
    beam.closeSubpath();
    p.setPen(QPen(kInk, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
    p.drawPath(beam);
}

} // namespace

QImage IconArt::appIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QLinearGradient background(0, 12, 0, 244);
    background.setColorAt(0, QColor(0x3b, 0x7d, 0xc6));
    background.setColorAt(1, QColor(0x1b, 0x46, 0x7e));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(12, 12, 232, 232), 46, 46);

    // Small sizes keep only the silhouette and one seam; detail would blur.
    const bool small = size <= 24;
    if (!small) {
        // Faint layout grid behind the vessel.
        p.setPen(QPen(QColor(255, 255, 255, 46), 3));
        for (double x = 44; x < 230; x += 42)
            p.drawLine(QPointF(x, 30), QPointF(x, 226));
    }

    // Legs.
    p.setPen(QPen(QColor(0x0f, 0x2a, 0x4d), 5));
    p.setBrush(QColor(0xc9, 0xd4, 0xdf));
    p.drawPolygon(QPolygonF({QPointF(82, 176), QPointF(98, 176), QPointF(92, 226), QPointF(72, 226)}));
    p.drawPolygon(QPolygonF({QPointF(158, 176), QPointF(174, 176), QPointF(184, 226), QPointF(164, 226)}));

    const QRectF shell(74, 66, 108, 124);
    QPainterPath body;
    body.moveTo(shell.left(), shell.top());
    body.arcTo(QRectF(shell.left(), shell.top() - 34, shell.width(), 68), 180, -180);
    body.lineTo(shell.right(), shell.bottom());
    body.arcTo(QRectF(shell.left(), shell.bottom() - 34, shell.width(), 68), 0, -180);
    body.closeSubpath();
    QLinearGradient steel(shell.left(), 0, shell.right(), 0);
    steel.setColorAt(0, QColor(0xb4, 0xc2, 0xd0));
    steel.setColorAt(0.35, QColor(0xff, 0xff, 0xff));
    steel.setColorAt(1, QColor(0x9a, 0xaa, 0xbb));
    p.setPen(QPen(QColor(0x0f, 0x2a, 0x4d), small ? 12 : 6));
    p.setBrush(steel);
    p.drawPath(body);

    // Seams in the shop's red, as the layout drawing marks them.
    p.setPen(QPen(QColor(0xd2, 0x3c, 0x2e), small ? 14 : 6, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(shell.left(), shell.top() + 52, shell.width(), 22), 180 * 16, 180 * 16);
    if (!small) {
        p.drawLine(QPointF(110, shell.top() + 8), QPointF(110, shell.top() + 60));
        p.drawLine(QPointF(150, shell.top() + 74), QPointF(150, shell.bottom() + 14));
    }

    // Top outlet and side nozzle with flanges.
    p.setPen(QPen(QColor(0x0f, 0x2a, 0x4d), 5));
    p.setBrush(QColor(0xe8, 0xee, 0xf4));
    p.drawRect(QRectF(118, 16, 20, 22));
    p.drawRect(QRectF(106, 12, 44, 10));
    p.drawRect(QRectF(182, 100, 26, 18));
    p.drawRect(QRectF(206, 88, 12, 42));
    p.end();
    return image;
}

QStringList IconArt::toolbarNames()
{
    return {QStringLiteral("new-project"), QStringLiteral("open-project"), QStringLiteral("save-project"),
            QStringLiteral("layout-drawing"), QStringLiteral("consumable-selection"), QStringLiteral("drying-parameters"),
            QStringLiteral("preheat-parameters"), QStringLiteral("qualification-library"), QStringLiteral("company-info"),
            QStringLiteral("help"), QStringLiteral("exit")};
}

QImage IconArt::toolbar(const QString &name, int size)
{
    static const std::map<QString, std::function<void(QPainter &)>> painters{
        {QStringLiteral("new-project"), newProject},   {QStringLiteral("open-project"), openProject},
        {QStringLiteral("save-project"), saveProject}, {QStringLiteral("layout-drawing"), layoutDrawing},
        {QStringLiteral("consumable-selection"), consumables},  {QStringLiteral("drying-parameters"), drying},
        {QStringLiteral("preheat-parameters"), preheat},          {QStringLiteral("qualification-library"), qualification},
        {QStringLiteral("company-info"), company},          {QStringLiteral("help"), help},
        {QStringLiteral("exit"), exitProgram},
    };
    const auto found = painters.find(name);
    if (found == painters.end())
        return {};
    return iconCanvas(size, 32, found->second);
}

QImage IconArt::tree(const QString &name, int size)
{
    if (name == QLatin1String("category")) {
        return iconCanvas(size, 16, [](QPainter &p) {
            QPainterPath folder;
            folder.moveTo(1.5, 3);
            folder.lineTo(6, 3);
            folder.lineTo(7.5, 4.5);
            folder.lineTo(14.5, 4.5);
            folder.lineTo(14.5, 13.5);
            folder.lineTo(1.5, 13.5);
            folder.closeSubpath();
            QLinearGradient g(0, 3, 0, 13.5);
            g.setColorAt(0, QColor(0xfb, 0xd8, 0x76));
            g.setColorAt(1, QColor(0xe0, 0xa8, 0x32));
            p.setPen(QPen(kInk, 0.9));
            p.setBrush(g);
            p.drawPath(folder);
            p.setPen(QPen(QColor(0xa8, 0x74, 0x14), 0.8));
            p.drawLine(QPointF(1.5, 6.5), QPointF(14.5, 6.5));
        });
    }
    if (name == QLatin1String("item"))
        return iconCanvas(size, 16, [](QPainter &p) { steelSection(p, QColor(0x9f, 0xb8, 0xd2)); });
    if (name == QLatin1String("selected")) {
        return iconCanvas(size, 16, [](QPainter &p) {
            steelSection(p, kOrange);
            p.setPen(QPen(Qt::white, 1.0));
            p.drawLine(QPointF(3.5, 4.2), QPointF(12.5, 4.2));
        });
    }
    return {};
}

QImage IconArt::lightBulb(int size)
{
    return iconCanvas(size, 32, [](QPainter &p) {
        QRadialGradient glow(QPointF(16, 12), 14);
        glow.setColorAt(0, QColor(0xff, 0xf4, 0xb0, 200));
        glow.setColorAt(1, QColor(0xff, 0xf4, 0xb0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(16, 12), 14, 14);

        QPainterPath glass;
        glass.moveTo(12, 20.5);
        glass.cubicTo(12, 17, 7, 15, 7, 10.5);
        glass.cubicTo(7, 5.5, 11, 2, 16, 2);
        glass.cubicTo(21, 2, 25, 5.5, 25, 10.5);
        glass.cubicTo(25, 15, 20, 17, 20, 20.5);
        glass.closeSubpath();
        QRadialGradient g(QPointF(13.5, 7.5), 12);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.5, QColor(0xff, 0xe7, 0x7a));
        g.setColorAt(1, QColor(0xf0, 0xb4, 0x28));
        p.setPen(QPen(QColor(0x8a, 0x62, 0x10), 1.1));
        p.setBrush(g);
        p.drawPath(glass);
        // Filament.
        p.setPen(QPen(QColor(0xb8, 0x5a, 0x10), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(13.5, 20), QPointF(13.5, 13), QPointF(14.8, 11.5), QPointF(16, 13),
                                  QPointF(17.2, 11.5), QPointF(18.5, 13), QPointF(18.5, 20)}));
        // Screw base.
        QLinearGradient base(11, 0, 21, 0);
        base.setColorAt(0, QColor(0x7d, 0x88, 0x93));
        base.setColorAt(0.4, QColor(0xe3, 0xe8, 0xec));
        base.setColorAt(1, QColor(0x6c, 0x77, 0x82));
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(base);
        p.drawRoundedRect(QRectF(11.5, 20.5, 9, 6.5), 1, 1);
        p.setPen(QPen(QColor(0x55, 0x60, 0x6a), 0.8));
        p.drawLine(QPointF(11.8, 22.6), QPointF(20.2, 22.6));
        p.drawLine(QPointF(11.8, 24.8), QPointF(20.2, 24.8));
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(QColor(0x3b, 0x44, 0x4e));
        p.drawRoundedRect(QRectF(13.5, 27, 5, 2.5), 1, 1);
    });
}

} // namespace zelvan
