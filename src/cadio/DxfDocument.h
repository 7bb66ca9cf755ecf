#pragma once

#include "CadIO.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan::cadio {

// One DXF file being written. Calls are checked against the section and table
// that is open and collected in memory; closing writes a complete ASCII DXF
// R2000 file (header, classes, the full table set, blocks, entities, objects)
// to the temporary file opened at creation and renames it into place, so the
// final name never holds a half-written drawing.
class DxfDocument {
public:
    // Opens the temporary file beside `path`; isOpen() tells whether that worked.
    explicit DxfDocument(std::string path);
    ~DxfDocument();
    DxfDocument(const DxfDocument &) = delete;
    DxfDocument &operator=(const DxfDocument &) = delete;

    bool isOpen() const { return m_temp != nullptr; }
    const std::string &temporaryPath() const { return m_tempPath; }

    bool close();

    bool sectionBegin(int section);
    bool sectionEnd();
    bool tableBegin(int table);
    bool tableEnd();

    bool addLinetype(const DxfLinetypeRecord &record);
    bool addLayer(std::string_view name, int color, std::string_view linetype);
    bool addTextStyle(const DxfTextStyleRecord &record);
    bool addDimStyle(const DxfDimStyleRecord &record);

    bool setCurrentLayer(std::string_view name);
    bool setCurrentTextStyle(std::string_view name);
    bool setCurrentDimStyle(std::string_view name);
    bool setCurrentColor(int color);
    bool setCurrentLinetype(std::string_view name);

    bool headerVariable(std::string_view variable, int groupCode, std::string value);

    bool line(double x1, double y1, double x2, double y2);
    bool circle(double cx, double cy, double radius);
    bool arc(double cx, double cy, double radius, double startAngle, double endAngle);
    bool solid(const double x[4], const double y[4]);
    bool text(std::string_view text, double x1, double y1, double x2, double y2, double height, double rotation,
              int horizontal, int vertical, int generationFlags, double widthFactor = 1.0);
    bool dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                   std::string_view text);
    bool blockBegin(std::string_view name, double baseX, double baseY);
    bool blockEnd();
    bool insertBlock(std::string_view name, double x, double y, double xScale, double yScale, double rotation);

    // A text as it may appear in the file: control characters become blanks
    // (a DXF value is one line) and byte sequences that are not GBK become "?".
    static std::string cleanText(std::string_view text);
    // Names of layers, styles and blocks: not empty, no characters DXF
    // forbids in symbol names.
    static bool isValidName(std::string_view name);

    struct Point {
        double x = 0, y = 0;
    };

    // One entity as it will be written; each kind uses the fields named for it.
    struct Entity {
        enum Kind { Line, Circle, Arc, Solid, Text, Dimension, Insert } kind = Line;
        std::string layer;
        std::string linetype; // empty = ByLayer
        int color = 256;      // 256 = ByLayer

        Point start, end;                      // LINE
        Point centre;                          // CIRCLE, ARC
        double radius = 0;                     // CIRCLE, ARC
        double startAngle = 0, endAngle = 0;   // ARC, degrees
        Point corners[4];                      // SOLID
        Point insertion;                       // TEXT, INSERT
        Point alignment;                       // TEXT: used with a justification
        Point first, second;                   // DIMENSION: the measured points
        Point definition;                      // DIMENSION: on the dimension line, level with `second`
        Point textMiddle;                      // DIMENSION
        double measurement = 0;                // DIMENSION: the measured length
        double xScale = 1, yScale = 1;         // INSERT

        std::string text;     // TEXT, DIMENSION
        std::string style;    // TEXT: text style; DIMENSION: dimension style
        std::string block;    // DIMENSION: its geometry block; INSERT: the inserted block
        double height = 0;    // TEXT
        double widthFactor = 1; // TEXT: relative width of its characters
        double rotation = 0;  // TEXT, DIMENSION, INSERT, degrees
        int horizontal = 0;   // TEXT justification
        int vertical = 0;
        int flags = 0;        // TEXT generation flags
    };

private:
    friend class DxfRenderer;

    struct Layer { std::string name; int color; std::string linetype; };
    struct Block { std::string name; double baseX = 0, baseY = 0; bool anonymous = false; std::vector<Entity> entities; };

    bool canDraw() const;
    std::vector<Entity> &drawTarget();
    Entity newEntity(Entity::Kind kind) const;
    void addEntity(Entity entity);
    void extend(double x, double y);
    const DxfTextStyleRecord *findStyle(std::string_view name) const;
    const DxfDimStyleRecord *findDimStyle(std::string_view name) const;
    bool hasLinetype(std::string_view name) const;
    Layer *findLayer(std::string_view name);
    // The whole file in parts, in file order.
    std::vector<std::string> render() const;

    std::string m_path;
    std::string m_tempPath;
    std::FILE *m_temp = nullptr;

    int m_section = 0;
    int m_table = 0;
    int m_openBlock = -1; // index into m_blocks

    std::vector<DxfLinetypeRecord> m_linetypes;
    std::vector<Layer> m_layers;
    std::vector<DxfTextStyleRecord> m_styles;
    std::vector<DxfDimStyleRecord> m_dimStyles;
    std::vector<std::pair<std::string, std::pair<int, std::string>>> m_header;
    std::vector<Block> m_blocks; // user blocks and dimension blocks, in order of creation
    std::vector<Entity> m_entities;
    int m_dimensionCount = 0;

    std::string m_layer = "0";
    std::string m_linetype;
    int m_color = 256;
    std::string m_textStyle = "Standard";
    std::string m_dimStyle = "Standard";

    bool m_hasExtents = false;
    double m_minX = 0, m_minY = 0, m_maxX = 0, m_maxY = 0;
};

} // namespace zelvan::cadio
