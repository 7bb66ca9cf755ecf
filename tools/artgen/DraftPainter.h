#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>

namespace zelvan {

// Drafting conventions on top of QPainter, so every technical picture uses
// the same line weights, arrowheads, hatching and dimension style as a shop
// drawing: thick visible outlines, thin dimension and extension lines, filled
// arrowheads, 45° section hatching and dash-dot centre lines.
class DraftPainter
{
public:
    // unit scales line weights and arrow sizes (1.0 for pictures about 1100 px wide).
    DraftPainter(QPainter &painter, double unit);

    QPainter &painter() { return m_painter; }
    double unit() const { return m_unit; }

    QPen outlinePen() const;
    QPen thinPen() const;
    QPen centrePen() const;
    QPen hiddenPen() const;

    void setTextFont(const QFont &font) { m_textFont = font; }
    const QFont &textFont() const { return m_textFont; }

    void centreLine(QPointF a, QPointF b);
    void arrowHead(QPointF tip, QPointF from);
    // Aligned dimension between a and b; the dimension line lies offset to the
    // left of the direction a→b (negative offset: to the right). Arrowheads go
    // outside when the span is too short to hold them.
    void dimension(QPointF a, QPointF b, double offset, const QString &text);
    // Leader from tip through elbow, then a horizontal shoulder carrying text.
    void leader(QPointF tip, QPointF elbow, const QString &text, bool shoulderRight = true);
    void hatch(const QPainterPath &region, double spacing = 0, double angleDegrees = 45);
    // Weld bead in section: a filled right triangle in the corner at `corner`
    // with legs along dirA and dirB.
    void filletWeld(QPointF corner, QPointF dirA, QPointF dirB, double leg);
    // Text with its anchor given by alignment (left/centre/right, top/vcentre/bottom).
    void text(QPointF anchor, const QString &text, Qt::Alignment alignment, const QFont *font = nullptr,
              double rotationDegrees = 0);

private:
    QPainter &m_painter;
    double m_unit;
    QFont m_textFont;
};

} // namespace zelvan
