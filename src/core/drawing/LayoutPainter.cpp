#include "core/drawing/LayoutPainter.h"

#include "core/project/AtomicFile.h"
#include "core/project/TextCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace zelvan {

namespace {

std::string fieldText(const char *field, size_t size)
{
    return std::string(field, strnlen(field, size));
}

QFont fontOf(const QStringList &families)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(100);
    return font;
}

// The fonts that hold Chinese. TrueType ones are embedded into the PDF as
// text (CFF fonts would be drawn as outlines).
QStringList chineseFamilies()
{
    return {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback"),
            QStringLiteral("sans-serif")};
}

// The drawing's text style names TIMES.TTF: Latin text in Times New Roman
// (or its metric twin Liberation Serif), as a CAD program draws it, Chinese
// from a font that holds it.
QFont drawingFont()
{
    return fontOf(QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")} + chineseFamilies());
}

bool finite(std::initializer_list<double> values)
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace

QColor LayoutPainter::sheetColour(int aci)
{
    // The drawing's colour numbers on a white sheet: yellow and white are
    // darkened so that they stay readable on paper.
    switch (aci) {
    case 1: return QColor(220, 0, 0);
    case 2: return QColor(170, 130, 0);
    case 3: return QColor(0, 140, 0);
    case 4: return QColor(0, 150, 170);
    case 5: return QColor(0, 0, 220);
    case 6: return QColor(190, 0, 190);
    default: return QColor(0, 0, 0);
    }
}

int LayoutPainter::createFile(const std::string &path)
{
    m_path = path;
    m_items.clear();
    m_writeError.clear();
    return 1;
}

int LayoutPainter::closeFile()
{
    if (m_format == FileFormat::None)
        return 1;
    const QString path = QFile::decodeName(QByteArray(m_path.data(), static_cast<qsizetype>(m_path.size())));
    const QByteArray bytes = m_format == FileFormat::Pdf ? toPdf(QFileInfo(path).completeBaseName()) : toPng();
    if (bytes.isEmpty()) {
        m_writeError = QStringLiteral("无法绘制 %1。").arg(path);
        return 0;
    }
    const FileResult result = AtomicFile::write(path, std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!result.ok) {
        m_writeError = result.message;
        return 0;
    }
    return 1;
}

int LayoutPainter::addLayer(const std::string &name, int color, const std::string &)
{
    m_layerColours[name] = color;
    return 1;
}

int LayoutPainter::setCurrentLayer(const std::string &name)
{
    m_layer = name;
    return 1;
}

int LayoutPainter::addTextStyle(const ::DxfTextStyleRecord &style)
{
    m_textStyles[fieldText(style.name, sizeof style.name)] = style;
    return 1;
}

int LayoutPainter::setCurrentTextStyle(const std::string &name)
{
    m_textStyle = name;
    return 1;
}

int LayoutPainter::addDimStyle(const ::DxfDimStyleRecord &style)
{
    m_dimStyles[fieldText(style.name, sizeof style.name)] = style;
    return 1;
}

int LayoutPainter::setCurrentDimStyle(const std::string &name)
{
    m_dimStyle = name;
    return 1;
}

QColor LayoutPainter::layerColour() const
{
    const auto it = m_layerColours.find(m_layer);
    return sheetColour(it == m_layerColours.end() ? 7 : it->second);
}

int LayoutPainter::line(double x1, double y1, double x2, double y2)
{
    if (!finite({x1, y1, x2, y2}))
        return 0;
    Item item;
    item.kind = Item::Line;
    item.colour = layerColour();
    item.line = QLineF(x1, y1, x2, y2);
    m_items.push_back(item);
    return 1;
}

int LayoutPainter::circle(double cx, double cy, double radius)
{
    // The DXF library refuses a circle without a radius; so does the picture.
    if (!finite({cx, cy, radius}) || radius <= 0)
        return 0;
    Item item;
    item.kind = Item::Circle;
    item.colour = layerColour();
    item.centre = QPointF(cx, cy);
    item.radius = radius;
    m_items.push_back(item);
    return 1;
}

void LayoutPainter::addText(const QString &text, double x, double y, double height, double widthFactor)
{
    Item item;
    item.kind = Item::Text;
    item.colour = layerColour();
    item.text = text;
    item.centre = QPointF(x, y);
    item.height = height;
    item.widthFactor = widthFactor;
    // A vertical style's text is turned by the style's angle and ends at its
    // point, running upwards, as the DXF file has it.
    const auto style = m_textStyles.find(m_textStyle);
    if (style != m_textStyles.end() && (style->second.standardFlags & DXF_STYLE_VERTICAL)) {
        item.rotation = style->second.textAngle != 0.0 ? style->second.textAngle : 90.0;
        item.alignment = 2;
    }
    m_items.push_back(item);
}

int LayoutPainter::text(const std::string &text, double x, double y, double height)
{
    if (!finite({x, y, height}) || height <= 0)
        return 0;
    addText(fromGbk(text), x, y, height, 1.0);
    return 1;
}

int LayoutPainter::narrowText(const std::string &text, double x, double y, double height, double widthFactor)
{
    if (!finite({x, y, height, widthFactor}) || height <= 0 || widthFactor <= 0)
        return 0;
    addText(fromGbk(text), x, y, height, widthFactor);
    return 1;
}

int LayoutPainter::dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                             const std::string &text)
{
    if (!finite({x1, y1, x2, y2, xd, yd, angle}))
        return 0;
    ::DxfDimStyleRecord style{};
    style.arrowSize = 2.5;
    style.textHeight = 2.5;
    style.textGap = 0.625;
    style.extLineExtension = 1.25;
    style.extLineOffset = 0.625;
    if (const auto it = m_dimStyles.find(m_dimStyle); it != m_dimStyles.end())
        style = it->second;
    auto colour = [&](int aci) { return aci > 0 && aci < 256 ? sheetColour(aci) : layerColour(); };

    // The dimension line runs at `angle` through (xd, yd); the measured
    // points are projected onto it.
    const double radians = angle * M_PI / 180.0;
    const double ux = std::cos(radians), uy = std::sin(radians);
    const QPointF d(xd, yd), p1(x1, y1), p2(x2, y2);
    auto along = [&](QPointF p) { return (p.x() - xd) * ux + (p.y() - yd) * uy; };
    const double t1 = along(p1), t2 = along(p2);
    const QPointF q1 = d + QPointF(ux, uy) * t1, q2 = d + QPointF(ux, uy) * t2;

    auto addLine = [&](QPointF a, QPointF b, int aci) {
        Item item;
        item.kind = Item::Line;
        item.colour = colour(aci);
        item.line = QLineF(a, b);
        m_items.push_back(item);
    };
    // Extension lines from just off the measured point to a little past the
    // dimension line; a point already on the line needs none.
    for (const auto &[p, q] : {std::pair{p1, q1}, std::pair{p2, q2}}) {
        const QPointF v = q - p;
        const double length = std::hypot(v.x(), v.y());
        if (length <= style.extLineOffset || length < 1e-9)
            continue;
        const QPointF unit = v / length;
        addLine(p + unit * style.extLineOffset, q + unit * style.extLineExtension, style.extLineColor);
    }
    addLine(q1, q2, style.dimLineColor);

    // Closed filled arrowheads pointing outwards, or inwards from outside when
    // two do not fit between the extension lines.
    const double length = std::fabs(t2 - t1);
    if (style.arrowSize > 0 && length > 1e-9) {
        const double sx = t2 >= t1 ? ux : -ux, sy = t2 >= t1 ? uy : -uy;
        const bool outside = length < 2 * style.arrowSize;
        auto arrow = [&](QPointF tip, double dx, double dy) {
            // (dx, dy): the direction the arrow points.
            const QPointF base = tip - QPointF(dx, dy) * style.arrowSize;
            const QPointF normal(-dy * style.arrowSize / 6, dx * style.arrowSize / 6);
            Item item;
            item.kind = Item::Polygon;
            item.colour = colour(style.dimLineColor);
            item.polygon = {tip, base + normal, base - normal};
            m_items.push_back(item);
        };
        arrow(q1, outside ? sx : -sx, outside ? sy : -sy);
        arrow(q2, outside ? -sx : sx, outside ? -sy : sy);
    }

    // The measurement text, centred above the line, read from the bottom or
    // the right of the sheet.
    double textAngle = std::fmod(angle, 360.0);
    if (textAngle < 0)
        textAngle += 360.0;
    if (textAngle > 90.0 + 1e-9 && textAngle <= 270.0 + 1e-9)
        textAngle -= 180.0;
    const double tr = textAngle * M_PI / 180.0;
    const QPointF up(-std::sin(tr), std::cos(tr));
    const QPointF middle = (q1 + q2) / 2;
    Item item;
    item.kind = Item::Text;
    item.colour = colour(style.textColor);
    item.text = fromGbk(text);
    item.height = style.textHeight;
    item.rotation = textAngle;
    item.alignment = 1;
    item.bottomAligned = style.textAbove != 0;
    item.centre = style.textAbove ? middle + up * style.textGap : middle;
    m_items.push_back(item);
    return 1;
}

QStringList LayoutPainter::texts() const
{
    QStringList out;
    for (const Item &item : m_items)
        if (item.kind == Item::Text)
            out << item.text;
    return out;
}

QRectF LayoutPainter::extent() const
{
    QRectF box;
    auto include = [&](const QRectF &r) { box = box.isNull() ? r : box.united(r); };
    for (const Item &item : m_items) {
        switch (item.kind) {
        case Item::Line:
            include(QRectF(item.line.p1(), item.line.p2()).normalized());
            break;
        case Item::Circle:
            include(QRectF(item.centre - QPointF(item.radius, item.radius), QSizeF(2 * item.radius, 2 * item.radius)));
            break;
        case Item::Polygon:
            for (const QPointF &p : item.polygon)
                include(QRectF(p, QSizeF(0, 0)));
            break;
        case Item::Text:
            include(QRectF(item.centre, QSizeF(0, 0)));
            break;
        }
    }
    return box;
}

QTransform LayoutPainter::fitTransform(const QRectF &drawing, const QRectF &target)
{
    if (drawing.width() <= 0 || drawing.height() <= 0)
        return QTransform();
    const double scale = std::min(target.width() / drawing.width(), target.height() / drawing.height());
    const QPointF c = drawing.center(), t = target.center();
    return QTransform(scale, 0, 0, -scale, t.x() - scale * c.x(), t.y() + scale * c.y());
}

void LayoutPainter::paint(QPainter &painter, double penWidth) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = drawingFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    // A DXF text height is the height of a capital letter: that of the
    // Chinese font, which most of the texts are in, sets the scale (a
    // character of the form's labels then fits its cell as the form means
    // it). Latin text comes out a little narrower than a CAD program draws
    // it, for which the title block's fitting leaves room.
    const QFontMetricsF chinese(fontOf(chineseFamilies()), painter.device());
    const double capHeight = chinese.capHeight() > 0 ? chinese.capHeight() : 70.0;
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidthF(penWidth);
    for (const Item &item : m_items) {
        pen.setColor(item.colour);
        painter.setPen(pen);
        switch (item.kind) {
        case Item::Line:
            painter.drawLine(item.line);
            break;
        case Item::Circle:
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(item.centre, item.radius, item.radius);
            break;
        case Item::Polygon:
            painter.setBrush(item.colour);
            painter.drawPolygon(item.polygon.data(), int(item.polygon.size()));
            painter.setBrush(Qt::NoBrush);
            break;
        case Item::Text: {
            painter.save();
            painter.translate(item.centre);
            painter.rotate(item.rotation);
            const double s = item.height / capHeight;
            painter.scale(s * item.widthFactor, -s);
            const double width = metrics.horizontalAdvance(item.text);
            const double x = item.alignment == 0 ? 0.0 : item.alignment == 1 ? -width / 2 : -width;
            const double y = item.bottomAligned ? -metrics.descent() : 0.0;
            painter.setPen(item.colour);
            painter.drawText(QPointF(x, y), item.text);
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

QImage LayoutPainter::toImage() const
{
    const QRectF drawing = extent().adjusted(-kMarginUnits, -kMarginUnits, kMarginUnits, kMarginUnits);
    const QSize size(int(std::ceil(drawing.width() * kPngPixelsPerUnit)),
                     int(std::ceil(drawing.height() * kPngPixelsPerUnit)));
    if (isEmpty() || size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(fitTransform(drawing, QRectF(QPointF(0, 0), QSizeF(size))));
    paint(painter, 2.0);
    return image;
}

QByteArray LayoutPainter::toPng() const
{
    const QImage image = toImage();
    QByteArray bytes;
    if (image.isNull())
        return bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        bytes.clear();
    return bytes;
}

QByteArray LayoutPainter::toPdf(const QString &title) const
{
    QByteArray bytes;
    if (isEmpty())
        return bytes;
    const QRectF drawing = extent();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Zelvan"));
        writer.setResolution(600);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A3),
                                         drawing.width() > drawing.height() ? QPageLayout::Landscape
                                                                            : QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                         QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&writer))
            return QByteArray();
        painter.setTransform(fitTransform(drawing, QRectF(0, 0, writer.width(), writer.height())));
        // Lines 0.25 mm wide, as a plotter draws them.
        paint(painter, 0.25 / 25.4 * writer.resolution());
        painter.end();
    }
    return bytes;
}

} // namespace zelvan
