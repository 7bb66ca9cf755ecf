#include "DxfDocument.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <tuple>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zelvan::cadio {

namespace {

constexpr double kPi = 3.14159265358979323846;

bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The unit vector of an angle in degrees; exact for the right angles every
// drawing uses, so that a vertical dimension stays exactly vertical.
std::pair<double, double> direction(double degrees)
{
    double a = std::fmod(degrees, 360.0);
    if (a < 0)
        a += 360.0;
    if (a == 0.0)
        return {1.0, 0.0};
    if (a == 90.0)
        return {0.0, 1.0};
    if (a == 180.0)
        return {-1.0, 0.0};
    if (a == 270.0)
        return {0.0, -1.0};
    const double r = a * kPi / 180.0;
    return {std::cos(r), std::sin(r)};
}

// A fixed-size name field of a record, read up to its NUL or its end.
std::string_view fieldText(const char *field, size_t size)
{
    return std::string_view(field, strnlen(field, size));
}

bool sameName(std::string_view a, std::string_view b)
{
    // Symbol names compare without regard to ASCII case, as in every CAD program.
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (ca < 0x80 && cb < 0x80) {
            if (std::tolower(ca) != std::tolower(cb))
                return false;
        } else if (ca != cb) {
            return false;
        }
    }
    return true;
}

template <typename Record>
void copyName(Record &record, std::string_view name)
{
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, name.data(), std::min(name.size(), sizeof record.name - 1));
}

// Writes group code / value pairs the way AutoCAD does: the code right-aligned
// in three columns, CR LF line ends, numbers independent of the C locale.
class GroupWriter {
public:
    void code(int c)
    {
        char buffer[16];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, c);
        (void)ec;
        const size_t len = static_cast<size_t>(end - buffer);
        if (len < 3)
            out.append(3 - len, ' ');
        out.append(buffer, len);
        out += "\r\n";
    }
    void str(int c, std::string_view value)
    {
        code(c);
        out.append(value);
        out += "\r\n";
    }
    void integer(int c, long long value)
    {
        code(c);
        char buffer[32];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)ec;
        out.append(buffer, end);
        out += "\r\n";
    }
    void real(int c, double value)
    {
        code(c);
        if (value == 0.0)
            value = 0.0; // no "-0.0"
        char buffer[64];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)ec;
        std::string_view text(buffer, static_cast<size_t>(end - buffer));
        out.append(text);
        // Some readers want a decimal point in every floating-point value.
        if (text.find_first_of(".eE") == std::string_view::npos)
            out += ".0";
        out += "\r\n";
    }
    void point(int c, double x, double y)
    {
        real(c, x);
        real(c + 10, y);
        real(c + 20, 0.0);
    }
    void handle(int c, unsigned value)
    {
        char buffer[16];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
        (void)ec;
        std::string text(buffer, end);
        std::transform(text.begin(), text.end(), text.begin(), [](char ch) { return static_cast<char>(std::toupper(ch)); });
        str(c, text);
    }

    std::string out;
};

using Entity = DxfDocument::Entity;
using Point = DxfDocument::Point;

// A linear dimension's line: the measured points projected along the
// dimension's direction onto the line through (xd, yd).
struct DimensionLine {
    DimensionLine(double x1, double y1, double x2, double y2, double xd, double yd, double angle)
        : from{x1, y1}, to{x2, y2}
    {
        std::tie(ux, uy) = direction(angle);
        t1 = (x1 - xd) * ux + (y1 - yd) * uy;
        t2 = (x2 - xd) * ux + (y2 - yd) * uy;
        q1 = {xd + t1 * ux, yd + t1 * uy};
        q2 = {xd + t2 * ux, yd + t2 * uy};
    }
    double length() const { return std::fabs(t2 - t1); }

    Point from, to; // the measured points
    double ux = 1, uy = 0; // direction of the dimension line
    double t1 = 0, t2 = 0; // the measured points' places along it, from (xd, yd)
    Point q1, q2;          // their feet on the dimension line
};

// Where the DIMENSION entity says its text sits: the middle of the dimension
// line, lifted to the side a reader looks at when the style puts the text
// above the line.
Point dimensionTextMiddle(const DxfDimStyleRecord &style, const DimensionLine &line, double xd, double yd)
{
    const double mid = (line.t1 + line.t2) / 2;
    const double lift = style.textAbove ? style.textGap + style.textHeight / 2 : 0.0;
    double nx = -line.uy, ny = line.ux;
    // Text sits on the side a reader looks at: above, or left of a vertical line.
    if (ny < -1e-9 || (std::fabs(ny) <= 1e-9 && nx > 0)) {
        nx = -nx;
        ny = -ny;
    }
    return {xd + mid * line.ux + nx * lift, yd + mid * line.uy + ny * lift};
}

// The entities of a dimension's geometry block, drawn on layer 0 in the
// style's colours.
class DimensionBlockBuilder {
public:
    DimensionBlockBuilder(const DxfDimStyleRecord &style, const DimensionLine &line) : m_style(style), m_line(line) {}

    // Extension lines run from just off the measured point to a little past
    // the dimension line; a point on the dimension line needs none.
    void extensionLines()
    {
        const struct { Point p, q; } ext[2] = {{m_line.from, m_line.q1}, {m_line.to, m_line.q2}};
        for (const auto &x : ext) {
            const double dx = x.q.x - x.p.x, dy = x.q.y - x.p.y;
            const double len = std::hypot(dx, dy);
            if (len <= m_style.extLineOffset || len < 1e-9)
                continue;
            const double vx = dx / len, vy = dy / len;
            addLine(x.p.x + vx * m_style.extLineOffset, x.p.y + vy * m_style.extLineOffset,
                    x.q.x + vx * m_style.extLineExtension, x.q.y + vy * m_style.extLineExtension,
                    m_style.extLineColor);
        }
    }

    void dimensionLine() { addLine(m_line.q1.x, m_line.q1.y, m_line.q2.x, m_line.q2.y, m_style.dimLineColor); }

    // Arrowheads point outwards from the middle; when two arrows do not fit
    // between the extension lines they sit outside, pointing in.
    void arrowheads()
    {
        const double length = m_line.length();
        const double asz = m_style.arrowSize;
        if (!(asz > 0 && length > 1e-9))
            return;
        const double t1 = m_line.t1, t2 = m_line.t2, ux = m_line.ux, uy = m_line.uy;
        const double sx = (t2 >= t1 ? ux : -ux), sy = (t2 >= t1 ? uy : -uy); // from q1 towards q2
        const bool outside = length < 2 * asz;
        arrowhead(m_line.q1, outside ? sx : -sx, outside ? sy : -sy, m_style.arrowBlock1);
        arrowhead(m_line.q2, outside ? -sx : sx, outside ? -sy : sy, m_style.arrowBlock2);
    }

    // The text: above the dimension line (or centred on it), turned so that
    // it reads from the bottom or the right of the sheet.
    void measurementText(double angle, const std::string &text)
    {
        std::string shown = text;
        if (shown.empty() || shown == "<>") {
            char buffer[64];
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, m_line.length(), std::chars_format::fixed, 4);
            (void)ec;
            shown.assign(buffer, end);
            while (!shown.empty() && shown.back() == '0')
                shown.pop_back();
            if (!shown.empty() && shown.back() == '.')
                shown.pop_back();
        }
        double textAngle = std::fmod(angle, 360.0);
        if (textAngle < 0)
            textAngle += 360.0;
        if (textAngle > 90.0 + 1e-9 && textAngle <= 270.0 + 1e-9)
            textAngle -= 180.0;
        const auto [tx, ty] = direction(textAngle);
        const double nx = -ty, ny = tx; // "up" for the text
        const double mx = (m_line.q1.x + m_line.q2.x) / 2, my = (m_line.q1.y + m_line.q2.y) / 2;
        Entity t = entity(Entity::Text, m_style.textColor);
        t.text = shown;
        t.style = std::string(fieldText(m_style.textStyle, sizeof m_style.textStyle));
        t.height = m_style.textHeight;
        t.rotation = textAngle;
        t.horizontal = 1;
        if (m_style.textAbove) {
            t.vertical = 1; // bottom of the text a gap above the line
            t.alignment = {mx + nx * m_style.textGap, my + ny * m_style.textGap};
        } else {
            t.vertical = 2;
            t.alignment = {mx, my};
        }
        t.insertion = t.alignment;
        m_entities.push_back(std::move(t));
    }

    std::vector<Entity> take() { return std::move(m_entities); }

private:
    Entity entity(Entity::Kind kind, int color) const
    {
        Entity e;
        e.kind = kind;
        e.layer = "0";
        e.color = color > 0 && color < 256 ? color : 0; // 0 = ByBlock
        return e;
    }

    void addLine(double ax, double ay, double bx, double by, int color)
    {
        Entity e = entity(Entity::Line, color);
        e.start = {ax, ay};
        e.end = {bx, by};
        m_entities.push_back(std::move(e));
    }

    // One arrowhead with its tip at `tip`, pointing along (dirx, diry); its
    // base lies behind the tip. The style's block name picks the shape.
    void arrowhead(Point tip, double dirx, double diry, const char *block)
    {
        const double asz = m_style.arrowSize;
        const double bx = tip.x - dirx * asz, by = tip.y - diry * asz;
        const double wx = -diry * asz / 6, wy = dirx * asz / 6;
        const std::string_view name(block, strnlen(block, 512));
        if (name.empty() || sameName(name, "ClosedFilled")) {
            Entity s = entity(Entity::Solid, m_style.dimLineColor);
            s.corners[0] = {bx + wx, by + wy};
            s.corners[1] = tip;
            s.corners[2] = {bx - wx, by - wy};
            s.corners[3] = {bx - wx, by - wy};
            m_entities.push_back(std::move(s));
        } else if (sameName(name, "None")) {
            return;
        } else if (sameName(name, "Oblique") || sameName(name, "ArchTick")) {
            const double h = asz / 2;
            const double ox = (dirx - diry) * h * std::sqrt(0.5), oy = (diry + dirx) * h * std::sqrt(0.5);
            addLine(tip.x - ox, tip.y - oy, tip.x + ox, tip.y + oy, m_style.dimLineColor);
        } else {
            // Open and closed arrows: drawn with lines.
            const double ow = 3.0; // open arrows are wider than filled ones
            addLine(tip.x, tip.y, bx + wx * ow / 2, by + wy * ow / 2, m_style.dimLineColor);
            addLine(tip.x, tip.y, bx - wx * ow / 2, by - wy * ow / 2, m_style.dimLineColor);
            if (sameName(name, "Closed") || sameName(name, "ClosedBlank"))
                addLine(bx + wx * ow / 2, by + wy * ow / 2, bx - wx * ow / 2, by - wy * ow / 2, m_style.dimLineColor);
        }
    }

    const DxfDimStyleRecord &m_style;
    const DimensionLine &m_line;
    std::vector<Entity> m_entities;
};

std::vector<Entity> dimensionBlockEntities(const DxfDimStyleRecord &style, const DimensionLine &line, double angle,
                                           const std::string &text)
{
    DimensionBlockBuilder builder(style, line);
    builder.extensionLines();
    builder.dimensionLine();
    builder.arrowheads();
    builder.measurementText(angle, text);
    return builder.take();
}

std::atomic<unsigned> g_tempCounter{0};

} // namespace

DxfDocument::DxfDocument(std::string path) : m_path(std::move(path))
{
    if (m_path.empty())
        return;
#ifdef _WIN32
    const long pid = 0;
#else
    const long pid = static_cast<long>(getpid());
#endif
    // The temporary file lies in the same folder, so the final rename never
    // crosses file systems; its name is short, so a final name near the
    // length limit still has a temporary one. "x" refuses an existing file.
#ifdef _WIN32
    const size_t slash = m_path.find_last_of("/\\");
#else
    const size_t slash = m_path.find_last_of('/');
#endif
    const std::string folder = slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100 && !m_temp; ++attempt) {
        m_tempPath = folder + ".~cadio-" + std::to_string(pid) + "-" + std::to_string(g_tempCounter++) + ".tmp";
        m_temp = std::fopen(m_tempPath.c_str(), "wbx");
        if (!m_temp && errno != EEXIST)
            break;
    }
    if (!m_temp) {
        m_tempPath.clear();
        return;
    }

    // The library's initial definitions: every file holds these.
    DxfLinetypeRecord lt{};
    for (const char *name : {"ByBlock", "ByLayer", "Continuous"}) {
        lt = DxfLinetypeRecord{};
        copyName(lt, name);
        if (std::strcmp(name, "Continuous") == 0)
            std::strcpy(lt.description, "Solid line");
        m_linetypes.push_back(lt);
    }
    m_layers.push_back({"0", 7, "Continuous"});
    DxfTextStyleRecord standard{};
    copyName(standard, "Standard");
    // txt with the Chinese big font: AutoCAD's own way of showing GBK texts.
    std::strcpy(standard.fontFile, "txt");
    standard.widthFactor = 1.0;
    standard.lastHeight = 2.5;
    m_styles.push_back(standard);
    DxfDimStyleRecord dim{};
    copyName(dim, "Standard");
    dim.extLineExtension = 1.25;
    dim.extLineOffset = 0.625;
    std::strcpy(dim.arrowBlock1, "ClosedFilled");
    std::strcpy(dim.arrowBlock2, "ClosedFilled");
    dim.arrowSize = 2.5;
    std::strcpy(dim.textStyle, "Standard");
    dim.textHeight = 2.5;
    dim.textAbove = 1;
    dim.textGap = 0.625;
    m_dimStyles.push_back(dim);
}

DxfDocument::~DxfDocument()
{
    // Destroyed without a successful close: the drawing is incomplete, so
    // nothing may appear under the final name.
    if (m_temp) {
        std::fclose(m_temp);
        std::remove(m_tempPath.c_str());
    }
}

std::string DxfDocument::cleanText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 || b == 0x7F) {
            out += ' ';
        } else if (b < 0x80) {
            out += static_cast<char>(b);
        } else if (b >= 0x81 && b <= 0xFE && i + 1 < text.size()) {
            const unsigned char t = static_cast<unsigned char>(text[i + 1]);
            if (t >= 0x40 && t <= 0xFE && t != 0x7F) {
                out += static_cast<char>(b);
                out += static_cast<char>(t);
                ++i;
            } else {
                out += '?';
            }
        } else {
            out += '?';
        }
    }
    return out;
}

bool DxfDocument::isValidName(std::string_view name)
{
    if (name.empty() || name.size() > 255)
        return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || std::strchr("<>/\\\":;?*|=`", c))
            return false;
    return cleanText(name) == name;
}

bool DxfDocument::sectionBegin(int section)
{
    if (!isOpen() || m_section != 0)
        return false;
    switch (section) {
    case DXF_SECTION_HEADER:
    case DXF_SECTION_TABLES:
    case DXF_SECTION_BLOCKS:
    case DXF_SECTION_ENTITIES:
        m_section = section;
        return true;
    default:
        return false;
    }
}

bool DxfDocument::sectionEnd()
{
    if (!isOpen() || m_section == 0)
        return false;
    const bool clean = m_table == 0 && m_openBlock < 0;
    m_section = 0;
    m_table = 0;
    m_openBlock = -1;
    return clean;
}

bool DxfDocument::tableBegin(int table)
{
    if (!isOpen() || m_section != DXF_SECTION_TABLES || m_table != 0)
        return false;
    switch (table) {
    case DXF_TABLE_DIMSTYLE:
    case DXF_TABLE_LAYER:
    case DXF_TABLE_LTYPE:
    case DXF_TABLE_STYLE:
        m_table = table;
        return true;
    default:
        return false;
    }
}

bool DxfDocument::tableEnd()
{
    if (!isOpen() || m_table == 0)
        return false;
    m_table = 0;
    return true;
}

bool DxfDocument::hasLinetype(std::string_view name) const
{
    return std::any_of(m_linetypes.begin(), m_linetypes.end(),
                       [&](const DxfLinetypeRecord &r) { return sameName(fieldText(r.name, sizeof r.name), name); });
}

DxfDocument::Layer *DxfDocument::findLayer(std::string_view name)
{
    for (Layer &layer : m_layers)
        if (sameName(layer.name, name))
            return &layer;
    return nullptr;
}

const DxfTextStyleRecord *DxfDocument::findStyle(std::string_view name) const
{
    for (const auto &style : m_styles)
        if (sameName(fieldText(style.name, sizeof style.name), name))
            return &style;
    return nullptr;
}

const DxfDimStyleRecord *DxfDocument::findDimStyle(std::string_view name) const
{
    for (const auto &style : m_dimStyles)
        if (sameName(fieldText(style.name, sizeof style.name), name))
            return &style;
    return nullptr;
}

bool DxfDocument::addLinetype(const DxfLinetypeRecord &record)
{
    if (!isOpen() || m_table != DXF_TABLE_LTYPE)
        return false;
    const std::string_view name = fieldText(record.name, sizeof record.name);
    if (!isValidName(name) || record.elementCount < 0 || record.elementCount > 30)
        return false;
    for (int i = 0; i < record.elementCount; ++i)
        if (!std::isfinite(record.elements[i]))
            return false;
    DxfLinetypeRecord copy = record;
    copy.description[sizeof copy.description - 1] = 0;
    // Redefining a linetype (the drawing's own "Continuous") replaces the
    // library's definition in place.
    for (auto &existing : m_linetypes) {
        if (sameName(fieldText(existing.name, sizeof existing.name), name)) {
            existing = copy;
            return true;
        }
    }
    m_linetypes.push_back(copy);
    return true;
}

bool DxfDocument::addLayer(std::string_view name, int color, std::string_view linetype)
{
    if (!isOpen() || m_table != DXF_TABLE_LAYER || !isValidName(name))
        return false;
    if (color == 0 || color < -255 || color > 255 || !hasLinetype(linetype))
        return false;
    if (Layer *existing = findLayer(name)) {
        existing->color = color;
        existing->linetype = std::string(linetype);
        return true;
    }
    m_layers.push_back({std::string(name), color, std::string(linetype)});
    return true;
}

bool DxfDocument::addTextStyle(const DxfTextStyleRecord &record)
{
    if (!isOpen() || m_table != DXF_TABLE_STYLE)
        return false;
    const std::string_view name = fieldText(record.name, sizeof record.name);
    if (!isValidName(name) || fieldText(record.fontFile, sizeof record.fontFile).empty())
        return false;
    if (!finite({record.fixedHeight, record.widthFactor, record.lastHeight, record.textAngle})
        || record.fixedHeight < 0 || record.widthFactor <= 0)
        return false;
    DxfTextStyleRecord copy = record;
    copy.fontFile[sizeof copy.fontFile - 1] = 0;
    for (auto &existing : m_styles) {
        if (sameName(fieldText(existing.name, sizeof existing.name), name)) {
            existing = copy;
            return true;
        }
    }
    m_styles.push_back(copy);
    return true;
}

bool DxfDocument::addDimStyle(const DxfDimStyleRecord &record)
{
    if (!isOpen() || m_table != DXF_TABLE_DIMSTYLE)
        return false;
    const std::string_view name = fieldText(record.name, sizeof record.name);
    if (!isValidName(name) || !findStyle(fieldText(record.textStyle, sizeof record.textStyle)))
        return false;
    if (!finite({record.extLineExtension, record.extLineOffset, record.arrowSize, record.textHeight, record.textGap})
        || record.textHeight <= 0 || record.arrowSize < 0)
        return false;
    DxfDimStyleRecord copy = record;
    copy.arrowBlock1[sizeof copy.arrowBlock1 - 1] = 0;
    copy.arrowBlock2[sizeof copy.arrowBlock2 - 1] = 0;
    for (auto &existing : m_dimStyles) {
        if (sameName(fieldText(existing.name, sizeof existing.name), name)) {
            existing = copy;
            return true;
        }
    }
    m_dimStyles.push_back(copy);
    return true;
}

bool DxfDocument::setCurrentLayer(std::string_view name)
{
    if (!isOpen() || !isValidName(name))
        return false;
    // Drawing on a layer nobody declared is what CAD programs allow: the
    // layer comes into being with the default colour.
    if (!findLayer(name))
        m_layers.push_back({std::string(name), 7, "Continuous"});
    m_layer = findLayer(name)->name;
    return true;
}

bool DxfDocument::setCurrentTextStyle(std::string_view name)
{
    const DxfTextStyleRecord *style = isOpen() ? findStyle(name) : nullptr;
    if (!style)
        return false;
    m_textStyle = std::string(fieldText(style->name, sizeof style->name));
    return true;
}

bool DxfDocument::setCurrentDimStyle(std::string_view name)
{
    const DxfDimStyleRecord *style = isOpen() ? findDimStyle(name) : nullptr;
    if (!style)
        return false;
    m_dimStyle = std::string(fieldText(style->name, sizeof style->name));
    return true;
}

bool DxfDocument::setCurrentColor(int color)
{
    if (!isOpen() || color < 0 || color > 256)
        return false;
    m_color = color;
    return true;
}

bool DxfDocument::setCurrentLinetype(std::string_view name)
{
    if (!isOpen() || !hasLinetype(name))
        return false;
    m_linetype = sameName(name, "ByLayer") ? std::string() : std::string(name);
    return true;
}

bool DxfDocument::headerVariable(std::string_view variable, int groupCode, std::string value)
{
    if (!isOpen() || m_section != DXF_SECTION_HEADER || variable.size() < 2 || variable[0] != '$')
        return false;
    if (!isValidName(variable.substr(1)) || groupCode < 0 || groupCode > 1071)
        return false;
    // The library owns the variables that describe the file itself.
    for (const char *owned : {"$ACADVER", "$DWGCODEPAGE", "$HANDSEED", "$EXTMIN", "$EXTMAX"})
        if (sameName(variable, owned))
            return false;
    for (auto &entry : m_header) {
        if (sameName(entry.first, variable)) {
            entry.second = {groupCode, std::move(value)};
            return true;
        }
    }
    m_header.push_back({std::string(variable), {groupCode, std::move(value)}});
    return true;
}

bool DxfDocument::canDraw() const
{
    return isOpen() && (m_section == DXF_SECTION_ENTITIES || (m_section == DXF_SECTION_BLOCKS && m_openBlock >= 0));
}

std::vector<DxfDocument::Entity> &DxfDocument::drawTarget()
{
    return m_openBlock >= 0 ? m_blocks[static_cast<size_t>(m_openBlock)].entities : m_entities;
}

DxfDocument::Entity DxfDocument::newEntity(Entity::Kind kind) const
{
    Entity e;
    e.kind = kind;
    e.layer = m_layer;
    e.linetype = m_linetype;
    e.color = m_color;
    return e;
}

void DxfDocument::addEntity(Entity entity)
{
    drawTarget().push_back(std::move(entity));
}

void DxfDocument::extend(double x, double y)
{
    if (m_openBlock >= 0)
        return; // block definitions are not in model space
    if (!m_hasExtents) {
        m_minX = m_maxX = x;
        m_minY = m_maxY = y;
        m_hasExtents = true;
        return;
    }
    m_minX = std::min(m_minX, x);
    m_maxX = std::max(m_maxX, x);
    m_minY = std::min(m_minY, y);
    m_maxY = std::max(m_maxY, y);
}

bool DxfDocument::line(double x1, double y1, double x2, double y2)
{
    if (!canDraw() || !finite({x1, y1, x2, y2}))
        return false;
    Entity e = newEntity(Entity::Line);
    e.start = {x1, y1};
    e.end = {x2, y2};
    extend(x1, y1);
    extend(x2, y2);
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::circle(double cx, double cy, double radius)
{
    if (!canDraw() || !finite({cx, cy, radius}) || radius <= 0)
        return false;
    Entity e = newEntity(Entity::Circle);
    e.centre = {cx, cy};
    e.radius = radius;
    extend(cx - radius, cy - radius);
    extend(cx + radius, cy + radius);
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::arc(double cx, double cy, double radius, double startAngle, double endAngle)
{
    if (!canDraw() || !finite({cx, cy, radius, startAngle, endAngle}) || radius <= 0)
        return false;
    Entity e = newEntity(Entity::Arc);
    e.centre = {cx, cy};
    e.radius = radius;
    e.startAngle = startAngle;
    e.endAngle = endAngle;
    extend(cx - radius, cy - radius);
    extend(cx + radius, cy + radius);
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::solid(const double x[4], const double y[4])
{
    if (!canDraw() || !finite({x[0], x[1], x[2], x[3], y[0], y[1], y[2], y[3]}))
        return false;
    Entity e = newEntity(Entity::Solid);
    for (int i = 0; i < 4; ++i) {
        e.corners[i] = {x[i], y[i]};
        extend(x[i], y[i]);
    }
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::text(std::string_view text, double x1, double y1, double x2, double y2, double height,
                       double rotation, int horizontal, int vertical, int generationFlags, double widthFactor)
{
    if (!canDraw() || !finite({x1, y1, x2, y2, height, rotation, widthFactor}) || widthFactor <= 0)
        return false;
    const DxfTextStyleRecord *style = findStyle(m_textStyle);
    if (height <= 0 && style && style->fixedHeight > 0)
        height = style->fixedHeight;
    if (height <= 0 || horizontal < 0 || horizontal > 5 || vertical < 0 || vertical > 3)
        return false;
    Entity e = newEntity(Entity::Text);
    e.text = cleanText(text);
    e.style = m_textStyle;
    e.height = height;
    e.rotation = rotation;
    e.horizontal = horizontal;
    e.vertical = vertical;
    e.flags = generationFlags & 6;
    e.widthFactor = widthFactor;
    e.insertion = {x1, y1};
    e.alignment = {x2, y2};
    // Viewers ignore the vertical flag of a TrueType style, so a vertical
    // style's texts are turned by the style's angle instead; a plain
    // left-aligned text is aligned at its end so that it runs down from its
    // point as vertically stacked text does.
    if (style && (style->standardFlags & DXF_STYLE_VERTICAL)) {
        e.rotation += style->textAngle != 0.0 ? style->textAngle : 90.0;
        if (horizontal == 0 && vertical == 0) {
            e.horizontal = 2;
            e.alignment = {x1, y1};
        }
    }
    extend(x1, y1);
    if (e.horizontal != 0 || e.vertical != 0)
        extend(e.alignment.x, e.alignment.y);
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                            std::string_view text)
{
    // Dimensions live in model space only: each one owns an anonymous block.
    if (!isOpen() || m_section != DXF_SECTION_ENTITIES || m_openBlock >= 0)
        return false;
    if (!finite({x1, y1, x2, y2, xd, yd, angle}))
        return false;
    const DxfDimStyleRecord *style = findDimStyle(m_dimStyle);
    if (!style)
        return false;
    const DimensionLine line(x1, y1, x2, y2, xd, yd, angle);
    Block block;
    block.name = "*D" + std::to_string(++m_dimensionCount);
    block.anonymous = true;
    Entity e = newEntity(Entity::Dimension);
    e.text = cleanText(text);
    e.style = m_dimStyle;
    e.block = block.name;
    e.rotation = angle;
    block.entities = dimensionBlockEntities(*style, line, angle, e.text);
    e.first = {x1, y1};
    e.second = {x2, y2};
    e.definition = line.q2;
    e.textMiddle = dimensionTextMiddle(*style, line, xd, yd);
    e.measurement = line.length();
    extend(x1, y1);
    extend(x2, y2);
    extend(line.q2.x, line.q2.y);
    extend(line.q1.x, line.q1.y);
    m_blocks.push_back(std::move(block));
    m_entities.push_back(std::move(e));
    return true;
}

bool DxfDocument::blockBegin(std::string_view name, double baseX, double baseY)
{
    if (!isOpen() || m_section != DXF_SECTION_BLOCKS || m_openBlock >= 0 || !finite({baseX, baseY}))
        return false;
    // "*" names belong to the library's own anonymous blocks.
    if (!isValidName(name) || name[0] == '*')
        return false;
    for (const Block &b : m_blocks)
        if (sameName(b.name, name))
            return false;
    Block block;
    block.name = std::string(name);
    block.baseX = baseX;
    block.baseY = baseY;
    m_blocks.push_back(std::move(block));
    m_openBlock = static_cast<int>(m_blocks.size()) - 1;
    return true;
}

bool DxfDocument::blockEnd()
{
    if (!isOpen() || m_openBlock < 0)
        return false;
    m_openBlock = -1;
    return true;
}

bool DxfDocument::insertBlock(std::string_view name, double x, double y, double xScale, double yScale, double rotation)
{
    if (!isOpen() || m_section != DXF_SECTION_ENTITIES || !finite({x, y, xScale, yScale, rotation}))
        return false;
    if (xScale == 0 || yScale == 0)
        return false;
    const auto found = std::find_if(m_blocks.begin(), m_blocks.end(),
                                    [&](const Block &b) { return !b.anonymous && sameName(b.name, name); });
    if (found == m_blocks.end())
        return false;
    Entity e = newEntity(Entity::Insert);
    e.block = found->name;
    e.insertion = {x, y};
    e.xScale = xScale;
    e.yScale = yScale;
    e.rotation = rotation;
    extend(x, y);
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::close()
{
    if (!isOpen())
        return false;
    bool ok = true;
    for (const std::string &part : render())
        ok = ok && std::fwrite(part.data(), 1, part.size(), m_temp) == part.size();
    ok = std::fflush(m_temp) == 0 && ok;
#ifndef _WIN32
    ok = fsync(fileno(m_temp)) == 0 && ok;
#endif
    ok = std::fclose(m_temp) == 0 && ok;
    m_temp = nullptr;
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::path(m_tempPath), std::filesystem::path(m_path), ec);
        ok = !ec;
    }
    if (!ok)
        std::remove(m_tempPath.c_str());
    return ok;
}

// Writes one document as ASCII DXF, section by section. Every object gets the
// next handle in the order it is written, tables first: the header's
// $HANDSEED, written first in the file but known only at the end, holds the
// first handle not used anywhere.
class DxfRenderer {
public:
    explicit DxfRenderer(const DxfDocument &document) : m_doc(document) {}

    std::vector<std::string> run()
    {
        tables();
        blocks();
        entities();
        objects();
        header();
        // Written part by part: the header goes first but is known last.
        std::vector<std::string> parts;
        for (GroupWriter *part : {&m_header, &m_tables, &m_blocks, &m_entities, &m_objects})
            parts.push_back(std::move(part->out));
        return parts;
    }

private:
    using Entity = DxfDocument::Entity;

    unsigned handle() { return m_next++; }

    void tableHead(const char *name, unsigned h, size_t count)
    {
        m_tables.str(0, "TABLE");
        m_tables.str(2, name);
        m_tables.handle(5, h);
        m_tables.handle(330, 0);
        m_tables.str(100, "AcDbSymbolTable");
        m_tables.integer(70, static_cast<long long>(count));
    }

    void entryHead(const char *type, const char *subclass, unsigned owner, int handleCode = 5)
    {
        m_tables.str(0, type);
        m_tables.handle(handleCode, handle());
        m_tables.handle(330, owner);
        m_tables.str(100, "AcDbSymbolTableRecord");
        m_tables.str(100, subclass);
    }

    void tables()
    {
        m_tables.str(0, "SECTION");
        m_tables.str(2, "TABLES");
        viewportTable();
        linetypeTable();
        layerTable();
        styleTable();
        emptyTable("VIEW");
        emptyTable("UCS");
        appIdTable();
        dimStyleTable();
        blockRecordTable();
        m_tables.str(0, "ENDSEC");
    }

    // The active viewport shows the whole drawing.
    void viewportTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("VPORT", t, 1);
        entryHead("VPORT", "AcDbViewportTableRecord", t);
        w.str(2, "*Active");
        w.integer(70, 0);
        w.real(10, 0.0); w.real(20, 0.0);
        w.real(11, 1.0); w.real(21, 1.0);
        const DxfDocument &d = m_doc;
        const double cx = d.m_hasExtents ? (d.m_minX + d.m_maxX) / 2 : 0.0;
        const double cy = d.m_hasExtents ? (d.m_minY + d.m_maxY) / 2 : 0.0;
        const double viewHeight =
            d.m_hasExtents ? std::max({d.m_maxY - d.m_minY, (d.m_maxX - d.m_minX) / 1.4, 1.0}) * 1.05 : 100.0;
        w.real(12, cx); w.real(22, cy);
        w.real(13, 0.0); w.real(23, 0.0);
        w.real(14, 10.0); w.real(24, 10.0);
        w.real(15, 10.0); w.real(25, 10.0);
        w.real(16, 0.0); w.real(26, 0.0); w.real(36, 1.0);
        w.real(17, 0.0); w.real(27, 0.0); w.real(37, 0.0);
        w.real(40, viewHeight);
        w.real(41, 1.4);
        w.real(42, 50.0);
        w.real(43, 0.0); w.real(44, 0.0);
        w.real(50, 0.0); w.real(51, 0.0);
        w.integer(71, 0); w.integer(72, 100); w.integer(73, 1); w.integer(74, 3);
        w.integer(75, 0); w.integer(76, 0); w.integer(77, 0); w.integer(78, 0);
        w.str(0, "ENDTAB");
    }

    void linetypeTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("LTYPE", t, m_doc.m_linetypes.size());
        for (const auto &lt : m_doc.m_linetypes) {
            entryHead("LTYPE", "AcDbLinetypeTableRecord", t);
            w.str(2, fieldText(lt.name, sizeof lt.name));
            w.integer(70, lt.standardFlags & 0x40 ? 0x40 : 0);
            w.str(3, DxfDocument::cleanText(fieldText(lt.description, sizeof lt.description)));
            w.integer(72, 65);
            w.integer(73, lt.elementCount);
            double total = 0;
            for (int i = 0; i < lt.elementCount; ++i)
                total += std::fabs(lt.elements[i]);
            w.real(40, lt.elementCount > 0 ? (lt.patternLength > 0 ? lt.patternLength : total) : 0.0);
            for (int i = 0; i < lt.elementCount; ++i) {
                w.real(49, lt.elements[i]);
                w.integer(74, 0);
            }
        }
        w.str(0, "ENDTAB");
    }

    void layerTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("LAYER", t, m_doc.m_layers.size());
        for (const auto &layer : m_doc.m_layers) {
            entryHead("LAYER", "AcDbLayerTableRecord", t);
            w.str(2, layer.name);
            w.integer(70, 0);
            w.integer(62, layer.color);
            w.str(6, layer.linetype);
        }
        w.str(0, "ENDTAB");
    }

    // Text styles; their handles are kept for the dimension styles that name them.
    void styleTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("STYLE", t, m_doc.m_styles.size());
        for (const auto &style : m_doc.m_styles) {
            const std::string name(fieldText(style.name, sizeof style.name));
            w.str(0, "STYLE");
            const unsigned h = handle();
            m_styleHandles[name] = h;
            w.handle(5, h);
            w.handle(330, t);
            w.str(100, "AcDbSymbolTableRecord");
            w.str(100, "AcDbTextStyleTableRecord");
            w.str(2, name);
            // The vertical flag is carried out by turning the texts (see text()),
            // so it is not written: a viewer honouring it would turn them twice.
            w.integer(70, style.standardFlags & ~DXF_STYLE_VERTICAL & 0x45);
            w.real(40, style.fixedHeight);
            w.real(41, style.widthFactor);
            w.real(50, 0.0);
            w.integer(71, 0);
            w.real(42, style.lastHeight > 0 ? style.lastHeight : 2.5);
            const std::string font(fieldText(style.fontFile, sizeof style.fontFile));
            w.str(3, DxfDocument::cleanText(font));
            w.str(4, sameName(font, "txt") ? "gbcbig.shx" : "");
        }
        w.str(0, "ENDTAB");
    }

    void emptyTable(const char *name)
    {
        const unsigned t = handle();
        tableHead(name, t, 0);
        m_tables.str(0, "ENDTAB");
    }

    void appIdTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("APPID", t, 1);
        entryHead("APPID", "AcDbRegAppTableRecord", t);
        w.str(2, "ACAD");
        w.integer(70, 0);
        w.str(0, "ENDTAB");
    }

    void dimStyleTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("DIMSTYLE", t, m_doc.m_dimStyles.size());
        w.str(100, "AcDbDimStyleTable");
        for (const auto &style : m_doc.m_dimStyles) {
            entryHead("DIMSTYLE", "AcDbDimStyleTableRecord", t, 105);
            w.str(2, fieldText(style.name, sizeof style.name));
            w.integer(70, 0);
            w.real(40, 1.0);
            w.real(41, style.arrowSize);
            w.real(42, style.extLineOffset);
            w.real(44, style.extLineExtension);
            w.real(140, style.textHeight);
            w.real(147, style.textGap);
            w.integer(77, style.textAbove ? 1 : 0);
            w.integer(176, std::clamp(style.dimLineColor, 0, 256));
            w.integer(177, std::clamp(style.extLineColor, 0, 256));
            w.integer(178, std::clamp(style.textColor, 0, 256));
            const auto found = m_styleHandles.find(std::string(fieldText(style.textStyle, sizeof style.textStyle)));
            if (found != m_styleHandles.end())
                w.handle(340, found->second);
        }
        w.str(0, "ENDTAB");
    }

    // Model space, paper space and every block, user and dimension blocks alike.
    void blockRecordTable()
    {
        GroupWriter &w = m_tables;
        const unsigned t = handle();
        tableHead("BLOCK_RECORD", t, 2 + m_doc.m_blocks.size());
        std::vector<std::string> blockNames = {"*Model_Space", "*Paper_Space"};
        for (const auto &b : m_doc.m_blocks)
            blockNames.push_back(b.name);
        for (const std::string &name : blockNames) {
            w.str(0, "BLOCK_RECORD");
            const unsigned h = handle();
            m_blockRecords[name] = h;
            w.handle(5, h);
            w.handle(330, t);
            w.str(100, "AcDbSymbolTableRecord");
            w.str(100, "AcDbBlockTableRecord");
            w.str(2, name);
        }
        w.str(0, "ENDTAB");
    }

    void entity(GroupWriter &out, const Entity &e, unsigned owner)
    {
        static const char *const names[] = {"LINE", "CIRCLE", "ARC", "SOLID", "TEXT", "DIMENSION", "INSERT"};
        out.str(0, names[e.kind]);
        out.handle(5, handle());
        out.handle(330, owner);
        out.str(100, "AcDbEntity");
        out.str(8, e.layer);
        if (!e.linetype.empty())
            out.str(6, e.linetype);
        if (e.color != 256)
            out.integer(62, e.color);
        switch (e.kind) {
        case Entity::Line:
            out.str(100, "AcDbLine");
            out.point(10, e.start.x, e.start.y);
            out.point(11, e.end.x, e.end.y);
            break;
        case Entity::Circle:
            out.str(100, "AcDbCircle");
            out.point(10, e.centre.x, e.centre.y);
            out.real(40, e.radius);
            break;
        case Entity::Arc:
            out.str(100, "AcDbCircle");
            out.point(10, e.centre.x, e.centre.y);
            out.real(40, e.radius);
            out.str(100, "AcDbArc");
            out.real(50, e.startAngle);
            out.real(51, e.endAngle);
            break;
        case Entity::Solid:
            out.str(100, "AcDbTrace");
            for (int i = 0; i < 4; ++i)
                out.point(10 + i, e.corners[i].x, e.corners[i].y);
            break;
        case Entity::Text:
            textEntity(out, e);
            break;
        case Entity::Dimension:
            out.str(100, "AcDbDimension");
            out.str(2, e.block);
            out.point(10, e.definition.x, e.definition.y);
            out.point(11, e.textMiddle.x, e.textMiddle.y);
            out.integer(70, 32); // rotated linear dimension drawn by its own block
            out.integer(71, 5);
            if (!e.text.empty())
                out.str(1, e.text);
            out.real(42, e.measurement);
            out.str(3, e.style);
            out.str(100, "AcDbAlignedDimension");
            out.point(13, e.first.x, e.first.y);
            out.point(14, e.second.x, e.second.y);
            out.real(50, e.rotation);
            out.str(100, "AcDbRotatedDimension");
            break;
        case Entity::Insert:
            out.str(100, "AcDbBlockReference");
            out.str(2, e.block);
            out.point(10, e.insertion.x, e.insertion.y);
            if (e.xScale != 1.0)
                out.real(41, e.xScale);
            if (e.yScale != 1.0)
                out.real(42, e.yScale);
            if (e.rotation != 0.0)
                out.real(50, e.rotation);
            break;
        }
    }

    void textEntity(GroupWriter &out, const Entity &e)
    {
        out.str(100, "AcDbText");
        out.point(10, e.insertion.x, e.insertion.y);
        out.real(40, e.height);
        out.str(1, e.text);
        if (e.rotation != 0.0)
            out.real(50, e.rotation);
        if (e.widthFactor != 1.0)
            out.real(41, e.widthFactor);
        out.str(7, e.style);
        if (e.flags)
            out.integer(71, e.flags);
        if (e.horizontal)
            out.integer(72, e.horizontal);
        if (e.horizontal || e.vertical)
            out.point(11, e.alignment.x, e.alignment.y);
        out.str(100, "AcDbText");
        if (e.vertical)
            out.integer(73, e.vertical);
    }

    void block(const std::string &name, int flags, double bx, double by, const std::vector<Entity> *entities)
    {
        GroupWriter &w = m_blocks;
        const unsigned owner = m_blockRecords[name];
        w.str(0, "BLOCK");
        w.handle(5, handle());
        w.handle(330, owner);
        w.str(100, "AcDbEntity");
        w.str(8, "0");
        w.str(100, "AcDbBlockBegin");
        w.str(2, name);
        w.integer(70, flags);
        w.point(10, bx, by);
        w.str(3, name);
        w.str(1, "");
        if (entities)
            for (const Entity &e : *entities)
                entity(w, e, owner);
        w.str(0, "ENDBLK");
        w.handle(5, handle());
        w.handle(330, owner);
        w.str(100, "AcDbEntity");
        w.str(8, "0");
        w.str(100, "AcDbBlockEnd");
    }

    void blocks()
    {
        m_blocks.out.reserve(m_doc.m_blocks.size() * 1600 + 512);
        m_blocks.str(0, "SECTION");
        m_blocks.str(2, "BLOCKS");
        block("*Model_Space", 0, 0, 0, nullptr);
        block("*Paper_Space", 0, 0, 0, nullptr);
        for (const auto &b : m_doc.m_blocks)
            block(b.name, b.anonymous ? 1 : 0, b.baseX, b.baseY, &b.entities);
        m_blocks.str(0, "ENDSEC");
    }

    void entities()
    {
        m_entities.out.reserve(m_doc.m_entities.size() * 320 + 64);
        m_entities.str(0, "SECTION");
        m_entities.str(2, "ENTITIES");
        const unsigned modelSpace = m_blockRecords["*Model_Space"];
        for (const Entity &e : m_doc.m_entities)
            entity(m_entities, e, modelSpace);
        m_entities.str(0, "ENDSEC");
    }

    // The root dictionary with its empty group dictionary; the file ends here.
    void objects()
    {
        GroupWriter &w = m_objects;
        w.str(0, "SECTION");
        w.str(2, "OBJECTS");
        const unsigned root = handle();
        const unsigned groups = handle();
        w.str(0, "DICTIONARY");
        w.handle(5, root);
        w.handle(330, 0);
        w.str(100, "AcDbDictionary");
        w.integer(281, 1);
        w.str(3, "ACAD_GROUP");
        w.handle(350, groups);
        w.str(0, "DICTIONARY");
        w.handle(5, groups);
        w.handle(330, root);
        w.str(100, "AcDbDictionary");
        w.integer(281, 1);
        w.str(0, "ENDSEC");
        w.str(0, "EOF");
    }

    // The header and the empty classes section.
    void header()
    {
        GroupWriter &w = m_header;
        const DxfDocument &d = m_doc;
        w.str(0, "SECTION");
        w.str(2, "HEADER");
        w.str(9, "$ACADVER");
        w.str(1, "AC1015");
        w.str(9, "$DWGCODEPAGE");
        w.str(3, "ANSI_936");
        w.str(9, "$HANDSEED");
        w.handle(5, m_next);
        w.str(9, "$INSBASE");
        w.point(10, 0.0, 0.0);
        w.str(9, "$EXTMIN");
        w.point(10, d.m_minX, d.m_minY);
        w.str(9, "$EXTMAX");
        w.point(10, d.m_maxX, d.m_maxY);
        w.str(9, "$LIMMIN");
        w.real(10, d.m_minX);
        w.real(20, d.m_minY);
        w.str(9, "$LIMMAX");
        w.real(10, d.m_maxX);
        w.real(20, d.m_maxY);
        w.str(9, "$INSUNITS");
        w.integer(70, 4);
        w.str(9, "$MEASUREMENT");
        w.integer(70, 1);
        w.str(9, "$CLAYER");
        w.str(8, "0");
        w.str(9, "$TEXTSTYLE");
        w.str(7, "Standard");
        w.str(9, "$DIMSTYLE");
        w.str(2, "Standard");
        for (const auto &[variable, value] : d.m_header) {
            w.str(9, variable);
            w.str(value.first, DxfDocument::cleanText(value.second));
        }
        w.str(0, "ENDSEC");
        w.str(0, "SECTION");
        w.str(2, "CLASSES");
        w.str(0, "ENDSEC");
    }

    const DxfDocument &m_doc;
    unsigned m_next = 1;
    GroupWriter m_header, m_tables, m_blocks, m_entities, m_objects;
    std::map<std::string, unsigned> m_styleHandles;
    std::map<std::string, unsigned> m_blockRecords;
};

std::vector<std::string> DxfDocument::render() const
{
    return DxfRenderer(*this).run();
}

} // namespace zelvan::cadio
