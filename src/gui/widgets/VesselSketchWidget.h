#pragma once

#include <QColor>
#include <QWidget>

namespace zelvan {

class ProjectRecord;

// A small side view of the vessel drawn to true scale from the project
// record, so that a course of 12000 instead of 1200 or a nozzle in the wrong
// quadrant shows at a glance: the courses stacked upwards from course 0
// (vertical vessel) or leftwards from course 0 at the right-hand end
// (horizontal), the heads at both ends, and the nozzles where the layout
// drawing puts them (LayoutGeometry). The side view is seen from 180°, so
// 90° lies to the left (vertical) or downwards (horizontal) as in the
// drawing's head views; nozzles on the near half (90° to 270°) are filled,
// those on the far half hollow. Beside it, a plan of the circumference shows
// each shell nozzle at its angle. It reads the record whenever it paints:
// a page calls update() after every change of its list.
class VesselSketchWidget : public QWidget {
    Q_OBJECT
public:
    explicit VesselSketchWidget(const ProjectRecord &record, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The colours, named for tests that look for them in a picture.
    static QColor background() { return Qt::white; }
    static QColor courseFill(int courseIndex) { return courseIndex % 2 == 0 ? QColor(0xc6, 0xdc, 0xf2) : QColor(0x8f, 0xb8, 0xe0); }
    static QColor headFill() { return QColor(0xe0, 0xe0, 0xe0); }
    static QColor nozzleColour() { return QColor(0xd0, 0x10, 0x10); }
    // Nozzles the drawing can only put at a stand-in place, ringed as in the
    // layout dialog's preview.
    static QColor standInColour() { return QColor(0xff, 0x8c, 0x00); }
    static QColor planColour() { return QColor(0x30, 0x90, 0x30); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ProjectRecord &m_record;
};

} // namespace zelvan
