#pragma once

#include "core/drawing/LayoutPainter.h"

#include <QWidget>

#include <memory>

namespace zelvan {

// The layout dialog's picture of the drawing: the entities the generator
// painted, nozzles at stand-in places ringed in orange. The wheel zooms about
// the pointer, dragging pans, a double-click fits the whole sheet again.
class LayoutPreview : public QWidget {
    Q_OBJECT
public:
    struct Highlight {
        QPointF centre; // drawing units
        double radius;
    };

    explicit LayoutPreview(QWidget *parent = nullptr);

    // A new drawing; the view is fitted to it only the first time, so a
    // redraw after a date change keeps the zoom the user chose.
    void setDrawing(std::unique_ptr<LayoutPainter> drawing, std::vector<Highlight> highlights);
    // Shown instead of a drawing (why nothing can be drawn).
    void setMessage(const QString &text);

    const LayoutPainter *drawing() const { return m_drawing.get(); }
    const std::vector<Highlight> &highlights() const { return m_highlights; }
    QString message() const { return m_message; }
    // Drawing units to widget pixels as currently shown.
    QTransform viewTransform() const;
    double zoom() const { return m_zoom; }
    void fitToView();

    QSize sizeHint() const override { return QSize(520, 520); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<LayoutPainter> m_drawing;
    std::vector<Highlight> m_highlights;
    QString m_message;
    double m_zoom = 1.0;  // over the fitted scale
    QPointF m_pan;        // pixels, after the zoom
    QPoint m_dragFrom;
    bool m_dragging = false;
};

} // namespace zelvan
