#pragma once

#include "core/drawing/DxfOutput.h"

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

class QPainter;

namespace zelvan {

// The second drawing target of the layout generator: it takes the same calls
// as the DXF writer and keeps the entities, so the dialog's preview, the PDF
// and the PNG show exactly what the DXF file holds without a second copy of
// the geometry. Layers keep their DXF colours (yellow and white darkened for a
// white sheet), dimensions are built as the DXF library builds their blocks,
// texts of a vertical style run upwards and end at their point.
//
// With a file format, createFile remembers the path and closeFile writes the
// picture there atomically; without one (the preview) nothing is written.
class LayoutPainter : public DxfOutput {
public:
    enum class FileFormat { None, Pdf, Png };

    explicit LayoutPainter(FileFormat format = FileFormat::None) : m_format(format) {}

    // A PNG has this many pixels per drawing unit, around the drawing a margin
    // of kMarginUnits; a PDF is one A3 page, landscape when the drawing is
    // wider than high, with kPdfMarginMm around it.
    static constexpr double kPngPixelsPerUnit = 1.5;
    static constexpr double kMarginUnits = 10.0;
    static constexpr double kPdfMarginMm = 10.0;

    int createFile(const std::string &path) override;
    int closeFile() override;
    int sectionBegin(int) override { return 1; }
    int sectionEnd() override { return 1; }
    int tableTypeBegin(int) override { return 1; }
    int tableTypeEnd() override { return 1; }
    int addLinetype(const ::DxfLinetypeRecord &) override { return 1; }
    int addLayer(const std::string &name, int color, const std::string &linetype) override;
    int setCurrentLayer(const std::string &name) override;
    int addTextStyle(const ::DxfTextStyleRecord &style) override;
    int setCurrentTextStyle(const std::string &name) override;
    int addDimStyle(const ::DxfDimStyleRecord &style) override;
    int setCurrentDimStyle(const std::string &name) override;
    int line(double x1, double y1, double x2, double y2) override;
    int circle(double cx, double cy, double radius) override;
    int text(const std::string &text, double x, double y, double height) override;
    int narrowText(const std::string &text, double x, double y, double height, double widthFactor) override;
    int dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                  const std::string &text) override;

    bool isEmpty() const { return m_items.empty(); }
    // Every text drawn, in order (dimension texts included).
    QStringList texts() const;
    // The drawing's bounding box in drawing units (y upwards).
    QRectF extent() const;
    // Maps drawing units (y upwards) into `target` (device, y downwards),
    // the whole of `drawing` visible, centred, one scale in both directions.
    static QTransform fitTransform(const QRectF &drawing, const QRectF &target);
    // Draws every entity through `painter`, whose transform maps drawing units
    // to the device (see fitTransform), lines `penWidth` device pixels wide.
    void paint(QPainter &painter, double penWidth = 1.0) const;

    QImage toImage() const;
    QByteArray toPng() const;
    QByteArray toPdf(const QString &title) const;
    // Why closeFile failed (the file could not be written), else empty.
    QString writeError() const { return m_writeError; }

private:
    struct Item {
        enum Kind { Line, Circle, Polygon, Text } kind = Line;
        QColor colour;
        QLineF line;
        QPointF centre;
        double radius = 0;
        std::vector<QPointF> polygon; // filled (arrowheads)
        QString text;
        double height = 0;
        double rotation = 0;    // degrees, anticlockwise
        double widthFactor = 1; // narrowed texts
        int alignment = 0;      // 0 left, 1 centre, 2 right; baseline (0) or bottom (1)
        bool bottomAligned = false;
    };

    QColor layerColour() const;
    static QColor sheetColour(int aci);
    void addText(const QString &text, double x, double y, double height, double widthFactor);

    FileFormat m_format;
    std::string m_path;
    QString m_writeError;
    std::map<std::string, int> m_layerColours;
    std::map<std::string, ::DxfTextStyleRecord> m_textStyles;
    std::map<std::string, ::DxfDimStyleRecord> m_dimStyles;
    std::string m_layer = "0";
    std::string m_textStyle = "Standard";
    std::string m_dimStyle = "Standard";
    std::vector<Item> m_items;
};

} // namespace zelvan
