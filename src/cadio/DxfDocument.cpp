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
    e.v[0] = x1; e.v[1] = y1; e.v[2] = x2; e.v[3] = y2;
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
    e.v[0] = cx; e.v[1] = cy; e.v[2] = radius;
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
    e.v[0] = cx; e.v[1] = cy; e.v[2] = radius; e.v[3] = startAngle; e.v[4] = endAngle;
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
        e.v[2 * i] = x[i];
        e.v[2 * i + 1] = y[i];
        extend(x[i], y[i]);
    }
    addEntity(std::move(e));
    return true;
}

bool DxfDocument::text(std::string_view text, double x1, double y1, double x2, double y2, double height,
                       double rotation, int horizontal, int vertical, int generationFlags)
{
    if (!canDraw() || !finite({x1, y1, x2, y2, height, rotation}))
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
    e.v[0] = x1; e.v[1] = y1; e.v[2] = x2; e.v[3] = y2;
    // Viewers ignore the vertical flag of a TrueType style, so a vertical
    // style's texts are turned by the style's angle instead; a plain
    // left-aligned text is aligned at its end so that it runs down from its
    // point as vertically stacked text does.
    if (style && (style->standardFlags & DXF_STYLE_VERTICAL)) {
        e.rotation += style->textAngle != 0.0 ? style->textAngle : 90.0;
        if (horizontal == 0 && vertical == 0) {
            e.horizontal = 2;
            e.v[2] = x1;
            e.v[3] = y1;
        }
    }
    extend(x1, y1);
    if (e.horizontal != 0 || e.vertical != 0)
        extend(e.v[2], e.v[3]);
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
    Block block;
    block.name = "*D" + std::to_string(++m_dimensionCount);
    block.anonymous = true;
    Entity e = newEntity(Entity::Dimension);
    e.text = cleanText(text);
    e.style = m_dimStyle;
    e.block = block.name;
    e.rotation = angle;
    buildDimensionBlock(block, *style, x1, y1, x2, y2, xd, yd, angle, e.text);
    // v: first point, second point, definition point, text middle point.
    const auto [ux, uy] = direction(angle);
    const double t2 = (x2 - xd) * ux + (y2 - yd) * uy;
    const double t1 = (x1 - xd) * ux + (y1 - yd) * uy;
    e.v[0] = x1; e.v[1] = y1; e.v[2] = x2; e.v[3] = y2;
    e.v[4] = xd + t2 * ux;
    e.v[5] = yd + t2 * uy;
    const double mid = (t1 + t2) / 2;
    const double lift = style->textAbove ? style->textGap + style->textHeight / 2 : 0.0;
    double nx = -uy, ny = ux;
    // Text sits on the side a reader looks at: above, or left of a vertical line.
    if (ny < -1e-9 || (std::fabs(ny) <= 1e-9 && nx > 0)) {
        nx = -nx;
        ny = -ny;
    }
    e.v[6] = xd + mid * ux + nx * lift;
    e.v[7] = yd + mid * uy + ny * lift;
    e.height = std::fabs(t2 - t1);
    extend(x1, y1);
    extend(x2, y2);
    extend(e.v[4], e.v[5]);
    extend(xd + t1 * ux, yd + t1 * uy);
    m_blocks.push_back(std::move(block));
    m_entities.push_back(std::move(e));
    return true;
}

void DxfDocument::buildDimensionBlock(Block &block, const DxfDimStyleRecord &style, double x1, double y1, double x2,
                                      double y2, double xd, double yd, double angle, const std::string &text)
{
    const auto [ux, uy] = direction(angle);
    const double t1 = (x1 - xd) * ux + (y1 - yd) * uy;
    const double t2 = (x2 - xd) * ux + (y2 - yd) * uy;
    const double q1x = xd + t1 * ux, q1y = yd + t1 * uy;
    const double q2x = xd + t2 * ux, q2y = yd + t2 * uy;

    auto entity = [&](Entity::Kind kind, int color) {
        Entity e;
        e.kind = kind;
        e.layer = "0";
        e.color = color > 0 && color < 256 ? color : 0; // 0 = ByBlock
        return e;
    };
    auto addLine = [&](double ax, double ay, double bx, double by, int color) {
        Entity e = entity(Entity::Line, color);
        e.v[0] = ax; e.v[1] = ay; e.v[2] = bx; e.v[3] = by;
        block.entities.push_back(std::move(e));
    };

    // Extension lines run from just off the measured point to a little past
    // the dimension line; a point on the dimension line needs none.
    const struct { double px, py, qx, qy; } ext[2] = {{x1, y1, q1x, q1y}, {x2, y2, q2x, q2y}};
    for (const auto &x : ext) {
        const double dx = x.qx - x.px, dy = x.qy - x.py;
        const double len = std::hypot(dx, dy);
        if (len <= style.extLineOffset || len < 1e-9)
            continue;
        const double vx = dx / len, vy = dy / len;
        addLine(x.px + vx * style.extLineOffset, x.py + vy * style.extLineOffset,
                x.qx + vx * style.extLineExtension, x.qy + vy * style.extLineExtension, style.extLineColor);
    }

    addLine(q1x, q1y, q2x, q2y, style.dimLineColor);

    // Arrowheads point outwards from the middle; when two arrows do not fit
    // between the extension lines they sit outside, pointing in.
    const double length = std::fabs(t2 - t1);
    const double asz = style.arrowSize;
    if (asz > 0 && length > 1e-9) {
        const double sx = (t2 >= t1 ? ux : -ux), sy = (t2 >= t1 ? uy : -uy); // from q1 towards q2
        const bool outside = length < 2 * asz;
        const struct { double x, y, dirx, diry; const char *name; } tips[2] = {
            {q1x, q1y, outside ? sx : -sx, outside ? sy : -sy, style.arrowBlock1},
            {q2x, q2y, outside ? -sx : sx, outside ? -sy : sy, style.arrowBlock2},
        };
        for (const auto &tip : tips) {
            // (dirx, diry) is the way the arrow points; its base lies behind the tip.
            const double bx = tip.x - tip.dirx * asz, by = tip.y - tip.diry * asz;
            const double wx = -tip.diry * asz / 6, wy = tip.dirx * asz / 6;
            const std::string_view name(tip.name, strnlen(tip.name, 512));
            if (name.empty() || sameName(name, "ClosedFilled")) {
                Entity s = entity(Entity::Solid, style.dimLineColor);
                const double xs[4] = {bx + wx, tip.x, bx - wx, bx - wx};
                const double ys[4] = {by + wy, tip.y, by - wy, by - wy};
                for (int i = 0; i < 4; ++i) {
                    s.v[2 * i] = xs[i];
                    s.v[2 * i + 1] = ys[i];
                }
                block.entities.push_back(std::move(s));
            } else if (sameName(name, "None")) {
                continue;
            } else if (sameName(name, "Oblique") || sameName(name, "ArchTick")) {
                const double h = asz / 2;
                const double ox = (tip.dirx - tip.diry) * h * std::sqrt(0.5), oy = (tip.diry + tip.dirx) * h * std::sqrt(0.5);
                addLine(tip.x - ox, tip.y - oy, tip.x + ox, tip.y + oy, style.dimLineColor);
            } else {
                // Open and closed arrows: drawn with lines.
                const double ow = 3.0; // open arrows are wider than filled ones
                addLine(tip.x, tip.y, bx + wx * ow / 2, by + wy * ow / 2, style.dimLineColor);
                addLine(tip.x, tip.y, bx - wx * ow / 2, by - wy * ow / 2, style.dimLineColor);
                if (sameName(name, "Closed") || sameName(name, "ClosedBlank"))
                    addLine(bx + wx * ow / 2, by + wy * ow / 2, bx - wx * ow / 2, by - wy * ow / 2, style.dimLineColor);
            }
        }
    }

    // The text: above the dimension line (or centred on it), turned so that
    // it reads from the bottom or the right of the sheet.
    std::string shown = text;
    if (shown.empty() || shown == "<>") {
        char buffer[64];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, length, std::chars_format::fixed, 4);
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
    const double mx = (q1x + q2x) / 2, my = (q1y + q2y) / 2;
    Entity t = entity(Entity::Text, style.textColor);
    t.text = shown;
    t.style = std::string(fieldText(style.textStyle, sizeof style.textStyle));
    t.height = style.textHeight;
    t.rotation = textAngle;
    t.horizontal = 1;
    if (style.textAbove) {
        t.vertical = 1; // bottom of the text a gap above the line
        t.v[2] = mx + nx * style.textGap;
        t.v[3] = my + ny * style.textGap;
    } else {
        t.vertical = 2;
        t.v[2] = mx;
        t.v[3] = my;
    }
    t.v[0] = t.v[2];
    t.v[1] = t.v[3];
    block.entities.push_back(std::move(t));
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
    e.style = found->name;
    e.v[0] = x; e.v[1] = y; e.v[2] = xScale; e.v[3] = yScale;
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

std::vector<std::string> DxfDocument::render() const
{
    GroupWriter w;
    unsigned next = 1;
    auto handle = [&]() { return next++; };

    // Tables first (into their own buffer): the header's $HANDSEED must hold
    // the first handle not used anywhere in the file.
    GroupWriter tables;
    std::map<std::string, unsigned> styleHandles;
    std::map<std::string, unsigned> blockRecords;

    auto tableHead = [&](const char *name, unsigned h, size_t count) {
        tables.str(0, "TABLE");
        tables.str(2, name);
        tables.handle(5, h);
        tables.handle(330, 0);
        tables.str(100, "AcDbSymbolTable");
        tables.integer(70, static_cast<long long>(count));
    };
    auto entryHead = [&](const char *type, const char *subclass, unsigned owner, int handleCode = 5) {
        tables.str(0, type);
        tables.handle(handleCode, handle());
        tables.handle(330, owner);
        tables.str(100, "AcDbSymbolTableRecord");
        tables.str(100, subclass);
    };

    tables.str(0, "SECTION");
    tables.str(2, "TABLES");

    unsigned t = handle();
    tableHead("VPORT", t, 1);
    entryHead("VPORT", "AcDbViewportTableRecord", t);
    tables.str(2, "*Active");
    tables.integer(70, 0);
    tables.real(10, 0.0); tables.real(20, 0.0);
    tables.real(11, 1.0); tables.real(21, 1.0);
    const double cx = m_hasExtents ? (m_minX + m_maxX) / 2 : 0.0;
    const double cy = m_hasExtents ? (m_minY + m_maxY) / 2 : 0.0;
    const double viewHeight = m_hasExtents ? std::max({m_maxY - m_minY, (m_maxX - m_minX) / 1.4, 1.0}) * 1.05 : 100.0;
    tables.real(12, cx); tables.real(22, cy);
    tables.real(13, 0.0); tables.real(23, 0.0);
    tables.real(14, 10.0); tables.real(24, 10.0);
    tables.real(15, 10.0); tables.real(25, 10.0);
    tables.real(16, 0.0); tables.real(26, 0.0); tables.real(36, 1.0);
    tables.real(17, 0.0); tables.real(27, 0.0); tables.real(37, 0.0);
    tables.real(40, viewHeight);
    tables.real(41, 1.4);
    tables.real(42, 50.0);
    tables.real(43, 0.0); tables.real(44, 0.0);
    tables.real(50, 0.0); tables.real(51, 0.0);
    tables.integer(71, 0); tables.integer(72, 100); tables.integer(73, 1); tables.integer(74, 3);
    tables.integer(75, 0); tables.integer(76, 0); tables.integer(77, 0); tables.integer(78, 0);
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("LTYPE", t, m_linetypes.size());
    for (const auto &lt : m_linetypes) {
        entryHead("LTYPE", "AcDbLinetypeTableRecord", t);
        tables.str(2, fieldText(lt.name, sizeof lt.name));
        tables.integer(70, lt.standardFlags & 0x40 ? 0x40 : 0);
        tables.str(3, cleanText(fieldText(lt.description, sizeof lt.description)));
        tables.integer(72, 65);
        tables.integer(73, lt.elementCount);
        double total = 0;
        for (int i = 0; i < lt.elementCount; ++i)
            total += std::fabs(lt.elements[i]);
        tables.real(40, lt.elementCount > 0 ? (lt.patternLength > 0 ? lt.patternLength : total) : 0.0);
        for (int i = 0; i < lt.elementCount; ++i) {
            tables.real(49, lt.elements[i]);
            tables.integer(74, 0);
        }
    }
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("LAYER", t, m_layers.size());
    for (const Layer &layer : m_layers) {
        entryHead("LAYER", "AcDbLayerTableRecord", t);
        tables.str(2, layer.name);
        tables.integer(70, 0);
        tables.integer(62, layer.color);
        tables.str(6, layer.linetype);
    }
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("STYLE", t, m_styles.size());
    for (const auto &style : m_styles) {
        const std::string name(fieldText(style.name, sizeof style.name));
        tables.str(0, "STYLE");
        const unsigned h = handle();
        styleHandles[name] = h;
        tables.handle(5, h);
        tables.handle(330, t);
        tables.str(100, "AcDbSymbolTableRecord");
        tables.str(100, "AcDbTextStyleTableRecord");
        tables.str(2, name);
        // The vertical flag is carried out by turning the texts (see text()),
        // so it is not written: a viewer honouring it would turn them twice.
        tables.integer(70, style.standardFlags & ~DXF_STYLE_VERTICAL & 0x45);
        tables.real(40, style.fixedHeight);
        tables.real(41, style.widthFactor);
        tables.real(50, 0.0);
        tables.integer(71, 0);
        tables.real(42, style.lastHeight > 0 ? style.lastHeight : 2.5);
        const std::string font(fieldText(style.fontFile, sizeof style.fontFile));
        tables.str(3, cleanText(font));
        tables.str(4, sameName(font, "txt") ? "gbcbig.shx" : "");
    }
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("VIEW", t, 0);
    tables.str(0, "ENDTAB");
    t = handle();
    tableHead("UCS", t, 0);
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("APPID", t, 1);
    entryHead("APPID", "AcDbRegAppTableRecord", t);
    tables.str(2, "ACAD");
    tables.integer(70, 0);
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("DIMSTYLE", t, m_dimStyles.size());
    tables.str(100, "AcDbDimStyleTable");
    for (const auto &style : m_dimStyles) {
        entryHead("DIMSTYLE", "AcDbDimStyleTableRecord", t, 105);
        tables.str(2, fieldText(style.name, sizeof style.name));
        tables.integer(70, 0);
        tables.real(40, 1.0);
        tables.real(41, style.arrowSize);
        tables.real(42, style.extLineOffset);
        tables.real(44, style.extLineExtension);
        tables.real(140, style.textHeight);
        tables.real(147, style.textGap);
        tables.integer(77, style.textAbove ? 1 : 0);
        tables.integer(176, std::clamp(style.dimLineColor, 0, 256));
        tables.integer(177, std::clamp(style.extLineColor, 0, 256));
        tables.integer(178, std::clamp(style.textColor, 0, 256));
        const auto found = styleHandles.find(std::string(fieldText(style.textStyle, sizeof style.textStyle)));
        if (found != styleHandles.end())
            tables.handle(340, found->second);
    }
    tables.str(0, "ENDTAB");

    t = handle();
    tableHead("BLOCK_RECORD", t, 2 + m_blocks.size());
    std::vector<std::string> blockNames = {"*Model_Space", "*Paper_Space"};
    for (const Block &b : m_blocks)
        blockNames.push_back(b.name);
    for (const std::string &name : blockNames) {
        tables.str(0, "BLOCK_RECORD");
        const unsigned h = handle();
        blockRecords[name] = h;
        tables.handle(5, h);
        tables.handle(330, t);
        tables.str(100, "AcDbSymbolTableRecord");
        tables.str(100, "AcDbBlockTableRecord");
        tables.str(2, name);
    }
    tables.str(0, "ENDTAB");
    tables.str(0, "ENDSEC");

    auto writeEntity = [&](GroupWriter &out, const Entity &e, unsigned owner) {
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
            out.point(10, e.v[0], e.v[1]);
            out.point(11, e.v[2], e.v[3]);
            break;
        case Entity::Circle:
            out.str(100, "AcDbCircle");
            out.point(10, e.v[0], e.v[1]);
            out.real(40, e.v[2]);
            break;
        case Entity::Arc:
            out.str(100, "AcDbCircle");
            out.point(10, e.v[0], e.v[1]);
            out.real(40, e.v[2]);
            out.str(100, "AcDbArc");
            out.real(50, e.v[3]);
            out.real(51, e.v[4]);
            break;
        case Entity::Solid:
            out.str(100, "AcDbTrace");
            for (int i = 0; i < 4; ++i)
                out.point(10 + i, e.v[2 * i], e.v[2 * i + 1]);
            break;
        case Entity::Text:
            out.str(100, "AcDbText");
            out.point(10, e.v[0], e.v[1]);
            out.real(40, e.height);
            out.str(1, e.text);
            if (e.rotation != 0.0)
                out.real(50, e.rotation);
            out.str(7, e.style);
            if (e.flags)
                out.integer(71, e.flags);
            if (e.horizontal)
                out.integer(72, e.horizontal);
            if (e.horizontal || e.vertical)
                out.point(11, e.v[2], e.v[3]);
            out.str(100, "AcDbText");
            if (e.vertical)
                out.integer(73, e.vertical);
            break;
        case Entity::Dimension:
            out.str(100, "AcDbDimension");
            out.str(2, e.block);
            out.point(10, e.v[4], e.v[5]);
            out.point(11, e.v[6], e.v[7]);
            out.integer(70, 32); // rotated linear dimension drawn by its own block
            out.integer(71, 5);
            if (!e.text.empty())
                out.str(1, e.text);
            out.real(42, e.height);
            out.str(3, e.style);
            out.str(100, "AcDbAlignedDimension");
            out.point(13, e.v[0], e.v[1]);
            out.point(14, e.v[2], e.v[3]);
            out.real(50, e.rotation);
            out.str(100, "AcDbRotatedDimension");
            break;
        case Entity::Insert:
            out.str(100, "AcDbBlockReference");
            out.str(2, e.style);
            out.point(10, e.v[0], e.v[1]);
            if (e.v[2] != 1.0)
                out.real(41, e.v[2]);
            if (e.v[3] != 1.0)
                out.real(42, e.v[3]);
            if (e.rotation != 0.0)
                out.real(50, e.rotation);
            break;
        }
    };

    GroupWriter blocks;
    blocks.out.reserve(m_blocks.size() * 1600 + 512);
    blocks.str(0, "SECTION");
    blocks.str(2, "BLOCKS");
    auto writeBlock = [&](const std::string &name, int flags, double bx, double by, const std::vector<Entity> *entities) {
        const unsigned owner = blockRecords[name];
        blocks.str(0, "BLOCK");
        blocks.handle(5, handle());
        blocks.handle(330, owner);
        blocks.str(100, "AcDbEntity");
        blocks.str(8, "0");
        blocks.str(100, "AcDbBlockBegin");
        blocks.str(2, name);
        blocks.integer(70, flags);
        blocks.point(10, bx, by);
        blocks.str(3, name);
        blocks.str(1, "");
        if (entities)
            for (const Entity &e : *entities)
                writeEntity(blocks, e, owner);
        blocks.str(0, "ENDBLK");
        blocks.handle(5, handle());
        blocks.handle(330, owner);
        blocks.str(100, "AcDbEntity");
        blocks.str(8, "0");
        blocks.str(100, "AcDbBlockEnd");
    };
    writeBlock("*Model_Space", 0, 0, 0, nullptr);
    writeBlock("*Paper_Space", 0, 0, 0, nullptr);
    for (const Block &b : m_blocks)
        writeBlock(b.name, b.anonymous ? 1 : 0, b.baseX, b.baseY, &b.entities);
    blocks.str(0, "ENDSEC");

    GroupWriter entities;
    entities.out.reserve(m_entities.size() * 320 + 64);
    entities.str(0, "SECTION");
    entities.str(2, "ENTITIES");
    const unsigned modelSpace = blockRecords["*Model_Space"];
    for (const Entity &e : m_entities)
        writeEntity(entities, e, modelSpace);
    entities.str(0, "ENDSEC");

    GroupWriter objects;
    objects.str(0, "SECTION");
    objects.str(2, "OBJECTS");
    const unsigned root = handle();
    const unsigned groups = handle();
    objects.str(0, "DICTIONARY");
    objects.handle(5, root);
    objects.handle(330, 0);
    objects.str(100, "AcDbDictionary");
    objects.integer(281, 1);
    objects.str(3, "ACAD_GROUP");
    objects.handle(350, groups);
    objects.str(0, "DICTIONARY");
    objects.handle(5, groups);
    objects.handle(330, root);
    objects.str(100, "AcDbDictionary");
    objects.integer(281, 1);
    objects.str(0, "ENDSEC");

    w.str(0, "SECTION");
    w.str(2, "HEADER");
    w.str(9, "$ACADVER");
    w.str(1, "AC1015");
    w.str(9, "$DWGCODEPAGE");
    w.str(3, "ANSI_936");
    w.str(9, "$HANDSEED");
    w.handle(5, next);
    w.str(9, "$INSBASE");
    w.point(10, 0.0, 0.0);
    w.str(9, "$EXTMIN");
    w.point(10, m_minX, m_minY);
    w.str(9, "$EXTMAX");
    w.point(10, m_maxX, m_maxY);
    w.str(9, "$LIMMIN");
    w.real(10, m_minX);
    w.real(20, m_minY);
    w.str(9, "$LIMMAX");
    w.real(10, m_maxX);
    w.real(20, m_maxY);
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
    for (const auto &[variable, value] : m_header) {
        w.str(9, variable);
        w.str(value.first, cleanText(value.second));
    }
    w.str(0, "ENDSEC");
    w.str(0, "SECTION");
    w.str(2, "CLASSES");
    w.str(0, "ENDSEC");

    objects.str(0, "EOF");
    // Written part by part: the header goes first but is known last.
    std::vector<std::string> parts;
    for (GroupWriter *part : {&w, &tables, &blocks, &entities, &objects})
        parts.push_back(std::move(part->out));
    return parts;
}

} // namespace zelvan::cadio
