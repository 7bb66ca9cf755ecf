#include "core/drawing/ProcessSketches.h"

#include "core/project/AppPaths.h"

#include "core/project/ProjectArchive.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QPainter>
#include <QPainterPath>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace zelvan {

namespace {

QImage canvas()
{
    QImage image(ProcessSketches::kWidth, ProcessSketches::kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The sketches are drawn as on a Windows device context: a one-pixel black
// pen, white fills, rectangles and ellipses given by their bounding box
// excluding the right and bottom edge.
class SketchPainter {
public:
    explicit SketchPainter(QImage &image) : m_painter(&image)
    {
        m_painter.setPen(QPen(Qt::black, 0));
        m_painter.setBrush(Qt::white);
    }
    void rectangle(int left, int top, int right, int bottom)
    {
        m_painter.drawRect(QRectF(left, top, right - left - 1, bottom - top - 1));
    }
    void ellipse(int left, int top, int right, int bottom)
    {
        m_painter.drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    }
    void line(int x1, int y1, int x2, int y2) { m_painter.drawLine(x1, y1, x2, y2); }
    // The arc of the ellipse in the box, counter-clockwise from the radial
    // through the start point to the radial through the end point.
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
    {
        const double cx = (left + right) / 2.0;
        const double cy = (top + bottom) / 2.0;
        const double rx = (right - left) / 2.0;
        const double ry = (bottom - top) / 2.0;
        // Parametric angles of the radials (y upwards, as Qt counts angles).
        auto angle = [&](QPoint p) { return std::atan2(-(p.y() - cy) / ry, (p.x() - cx) / rx) * 180.0 / M_PI; };
        const double a0 = angle(start);
        double sweep = angle(end) - a0;
        if (sweep <= 0)
            sweep += 360;
        QPainterPath path;
        const QRectF box(left, top, right - left - 1, bottom - top - 1);
        path.arcMoveTo(box, a0);
        path.arcTo(box, a0, sweep);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
        m_painter.setBrush(Qt::white);
    }
    // Text with its top-left corner at the point.
    void text(int x, int y, const QString &s)
    {
        m_painter.drawText(QRect(x, y, ProcessSketches::kWidth, ProcessSketches::kHeight), Qt::AlignLeft | Qt::AlignTop, s);
    }

    // The overall-length dimension both sketches carry above the shell:
    // extension lines up from y 48 to 28, the dimension line at y 35 with
    // open arrowheads, the length written above it at (textX, 18).
    void lengthDimension(int left, int right, int textX, int length)
    {
        line(left, 48, left, 28);
        line(right, 48, right, 28);
        line(left, 35, right, 35);
        line(left, 35, left + 4, 32);
        line(left, 35, left + 4, 38);
        line(right, 35, right - 4, 32);
        line(right, 35, right - 4, 38);
        text(textX, 18, QString::number(length));
    }

private:
    QPainter m_painter;
};

void putLe16(QByteArray &out, int offset, quint16 v) { qToLittleEndian(v, out.data() + offset); }
void putLe32(QByteArray &out, int offset, quint32 v) { qToLittleEndian(v, out.data() + offset); }

bool saveFile(const QString &path, const QByteArray &bytes)
{
    return AtomicFile::write(path, std::string_view(bytes.constData(), size_t(bytes.size()))).ok;
}

} // namespace

ProcessSketches::Dimensions ProcessSketches::fromRecord(const ProjectRecord &record)
{
    Dimensions d;
    d.innerDiameter = leadingInt(record.process(ProcessField::InnerDiameter));
    d.wallThickness = leadingInt(record.process(ProcessField::WallThickness));
    const Table &courses = record.table(TableId::ShellCourses);
    long long length = 0;
    for (int row = 0; row < courses.rowCount(); ++row)
        length += leadingInt(courses.cell(row, ShellCourseColumn::Height));
    d.totalLength = int(std::clamp<long long>(length, INT_MIN, INT_MAX));
    return d;
}

QImage ProcessSketches::drawShellSketch(const Dimensions &d)
{
    QImage image = canvas();
    SketchPainter p(image);
    // The wall is drawn t pixels thick; beyond the canvas the lines are
    // clipped anyway, so t is bounded to keep the coordinates in range.
    const int t = std::clamp(d.wallThickness, -1000, 1000);
    p.rectangle(0, 0, kWidth, kHeight);
    // Side view with the length dimension.
    p.rectangle(10, 50, 380, 160);
    p.lengthDimension(10, 379, 190, d.totalLength);
    // End view: outer and inner circle, centre lines.
    p.ellipse(420, 40, 540, 160);
    p.ellipse(420 + t, 40 + t, 540 - t, 160 - t);
    p.line(480, 20, 480, 180);
    p.line(400, 100, 550, 100);
    // Outside diameter leader.
    p.line(480, 100, 437, 57);
    p.line(437, 57, 441, 60);
    p.line(437, 57, 441, 54);
    p.text(458, 78, QStringLiteral("φ") + QString::number(d.outsideDiameter()));
    // Wall thickness.
    p.line(480, 40, 550, 40);
    p.line(480, 40 + t, 550, 40 + t);
    p.line(545, 20, 545, 40 + 3 * t);
    p.line(545, 40, 548, 36);
    p.line(545, 40, 542, 36);
    p.line(545, 40 + t, 548, 44 + t);
    p.line(545, 40 + t, 542, 44 + t);
    p.text(548, 40, QString::number(d.wallThickness));
    return image;
}

QImage ProcessSketches::drawFitUpSketch(const Dimensions &d)
{
    QImage image = canvas();
    SketchPainter p(image);
    p.rectangle(0, 0, kWidth, kHeight);
    p.rectangle(80, 50, 510, 160);
    p.arc(50, 50, 110, 160, QPoint(82, 50), QPoint(85, 190));
    p.lengthDimension(80, 509, 290, d.totalLength);
    p.line(120, 50, 120, 160);
    p.line(120, 50, 117, 54);
    p.line(120, 50, 123, 54);
    p.line(120, 160, 117, 156);
    p.line(120, 160, 123, 156);
    p.text(120, 105, QStringLiteral("φ") + QString::number(d.outsideDiameter()));
    return image;
}

QByteArray ProcessSketches::encodeBitmap(const QImage &source)
{
    // A 24-bit BMP stores blue, green, red: Qt converts to that order in one
    // pass, and each row is then copied whole (bottom row first).
    const QImage image = source.convertToFormat(QImage::Format_BGR888);
    const int width = image.width();
    const int height = image.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int pixelBytes = rowBytes * height;
    QByteArray out(54 + pixelBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    putLe32(out, 2, quint32(54 + pixelBytes));
    putLe32(out, 10, 54);
    putLe32(out, 14, 40);
    putLe32(out, 18, quint32(width));
    putLe32(out, 22, quint32(height));
    putLe16(out, 26, 1);
    putLe16(out, 28, 24);
    // Compression 0 (none) and the remaining fields stay 0.
    for (int y = 0; y < height; ++y) {
        const uchar *src = image.constScanLine(height - 1 - y);
        std::memcpy(out.data() + 54 + y * rowBytes, src, size_t(width) * 3);
    }
    return out;
}

QString ProcessSketches::shellSketchPath(const QString &programDirectory) { return sketchDirectory(programDirectory) + QStringLiteral("筒体图.BMP"); }
QString ProcessSketches::fitUpSketchPath(const QString &programDirectory) { return sketchDirectory(programDirectory) + QStringLiteral("组对简图.BMP"); }
QString ProcessSketches::messageShellSketchFailed() { return QStringLiteral("筒体图创建失败！可能原因：pics文件夹不存在"); }
QString ProcessSketches::messageFitUpSketchFailed() { return QStringLiteral("组对简图创建失败！可能原因：pics文件夹不存在"); }

int ProcessSketches::save(const ProjectRecord &record, const QString &programDirectory, Prompter &prompter)
{
    const Dimensions d = fromRecord(record);
    int written = 0;
    if (saveFile(shellSketchPath(programDirectory), encodeBitmap(drawShellSketch(d))))
        ++written;
    else
        prompter.message(Prompter::titleInformation(), messageShellSketchFailed(), Prompter::Icon::Question);
    if (saveFile(fitUpSketchPath(programDirectory), encodeBitmap(drawFitUpSketch(d))))
        ++written;
    else
        prompter.message(Prompter::titleInformation(), messageFitUpSketchFailed(), Prompter::Icon::Question);
    return written;
}

} // namespace zelvan
