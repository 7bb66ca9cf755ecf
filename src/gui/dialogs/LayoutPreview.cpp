#include "gui/dialogs/LayoutPreview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zelvan {

namespace {
constexpr double kMargin = 10.0; // drawing units around the sheet when fitted
}

LayoutPreview::LayoutPreview(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(360, 360);
    setCursor(Qt::OpenHandCursor);
    setToolTip(QStringLiteral("滚轮缩放，拖动平移，双击显示全图"));
}

void LayoutPreview::setDrawing(std::unique_ptr<LayoutPainter> drawing, std::vector<Highlight> highlights)
{
    const bool first = !m_drawing;
    m_drawing = std::move(drawing);
    m_highlights = std::move(highlights);
    m_message.clear();
    if (first)
        fitToView();
    update();
}

void LayoutPreview::setMessage(const QString &text)
{
    m_drawing.reset();
    m_highlights.clear();
    m_message = text;
    update();
}

void LayoutPreview::fitToView()
{
    m_zoom = 1.0;
    m_pan = QPointF();
    update();
}

QTransform LayoutPreview::viewTransform() const
{
    if (!m_drawing)
        return QTransform();
    const QRectF sheet = m_drawing->extent().adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const QTransform fitted = LayoutPainter::fitTransform(sheet, QRectF(rect()));
    // Zoom about the widget's centre, then pan.
    const QPointF c = QRectF(rect()).center();
    QTransform view;
    view.translate(c.x() + m_pan.x(), c.y() + m_pan.y());
    view.scale(m_zoom, m_zoom);
    view.translate(-c.x(), -c.y());
    return fitted * view;
}

void LayoutPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_drawing) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return;
    }
    painter.setTransform(viewTransform());
    m_drawing->paint(painter);
    QPen ring(QColor(255, 120, 0));
    ring.setCosmetic(true);
    ring.setWidthF(3.0);
    painter.setPen(ring);
    painter.setBrush(QColor(255, 120, 0, 50));
    for (const Highlight &h : m_highlights)
        painter.drawEllipse(h.centre, h.radius, h.radius);
    painter.resetTransform();
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LayoutPreview::wheelEvent(QWheelEvent *event)
{
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0 || !m_drawing)
        return;
    const double factor = std::pow(1.25, steps);
    const double zoom = std::clamp(m_zoom * factor, 0.2, 40.0);
    // Keep the point under the pointer where it is.
    const QPointF pointer = event->position();
    const QPointF c = QRectF(rect()).center();
    const double applied = zoom / m_zoom;
    m_pan = (pointer - c) - (pointer - c - m_pan) * applied;
    m_zoom = zoom;
    update();
    event->accept();
}

void LayoutPreview::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragFrom = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void LayoutPreview::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint at = event->position().toPoint();
    m_pan += at - m_dragFrom;
    m_dragFrom = at;
    update();
}

void LayoutPreview::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
    setCursor(Qt::OpenHandCursor);
}

void LayoutPreview::mouseDoubleClickEvent(QMouseEvent *)
{
    fitToView();
}

} // namespace zelvan
