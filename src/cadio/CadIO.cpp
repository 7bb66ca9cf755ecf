// The C entry points of CadIO: each checks its handle against the files this
// library has open and forwards to the document, behind an exception barrier.
#include "CadIO.h"
#include "DxfDocument.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <mutex>
#include <set>

using zelvan::cadio::DxfDocument;

namespace {

std::mutex g_mutex;

std::set<DxfDocument *> &openDocuments()
{
    static std::set<DxfDocument *> documents;
    return documents;
}

// The document behind a handle, or null for a handle this library did not
// hand out or has closed already.
DxfDocument *document(DxfHandle h)
{
    auto *doc = static_cast<DxfDocument *>(h);
    return openDocuments().count(doc) ? doc : nullptr;
}

// No C++ exception may cross the C interface: the caller may not be C++ at
// all. Whatever a call throws (out of memory while collecting a drawing, a
// failing lock) turns into the call's failure result.
template <typename Result, typename F>
Result guarded(Result failure, F &&f) noexcept
{
    try {
        return f();
    } catch (...) {
        return failure;
    }
}

template <typename F>
int call(DxfHandle h, F &&f) noexcept
{
    return guarded(0, [&] {
        std::lock_guard<std::mutex> lock(g_mutex);
        DxfDocument *doc = document(h);
        return doc && f(*doc) ? 1 : 0;
    });
}

std::string_view text(const char *s)
{
    return s ? std::string_view(s) : std::string_view();
}

} // namespace

extern "C" {

DxfHandle dxfCreateFile(const char *path)
{
    return guarded<DxfHandle>(nullptr, [&]() -> DxfHandle {
        if (!path || !*path)
            return nullptr;
        auto doc = std::make_unique<DxfDocument>(path);
        if (!doc->isOpen())
            return nullptr;
        std::lock_guard<std::mutex> lock(g_mutex);
        openDocuments().insert(doc.get()); // may throw: `doc` still owns the document then
        return doc.release();
    });
}

int dxfCloseFile(DxfHandle h)
{
    return guarded(0, [&] {
        std::unique_ptr<DxfDocument> doc;
        {
            std::lock_guard<std::mutex> lock(g_mutex);
            DxfDocument *raw = document(h);
            if (!raw)
                return 0;
            openDocuments().erase(raw);
            doc.reset(raw);
        }
        // A document that throws while being written is destroyed on the way
        // out, which removes its temporary file.
        return doc->close() ? 1 : 0;
    });
}

int dxfSectionBegin(DxfHandle h, int32_t section)
{
    return call(h, [&](DxfDocument &d) { return d.sectionBegin(section); });
}

int dxfSectionEnd(DxfHandle h)
{
    return call(h, [&](DxfDocument &d) { return d.sectionEnd(); });
}

int dxfTableTypeBegin(DxfHandle h, int32_t table)
{
    return call(h, [&](DxfDocument &d) { return d.tableBegin(table); });
}

int dxfTableTypeEnd(DxfHandle h)
{
    return call(h, [&](DxfDocument &d) { return d.tableEnd(); });
}

int dxfAddLinetype(DxfHandle h, const DxfLinetypeRecord *linetype)
{
    return call(h, [&](DxfDocument &d) { return linetype && d.addLinetype(*linetype); });
}

int dxfAddLayer(DxfHandle h, const char *name, int32_t color, const char *linetype)
{
    return call(h, [&](DxfDocument &d) { return d.addLayer(text(name), color, text(linetype)); });
}

int dxfSetCurrentLayer(DxfHandle h, const char *name, int32_t)
{
    return call(h, [&](DxfDocument &d) { return d.setCurrentLayer(text(name)); });
}

int dxfAddTextStyle(DxfHandle h, const DxfTextStyleRecord *style)
{
    return call(h, [&](DxfDocument &d) { return style && d.addTextStyle(*style); });
}

int dxfSetCurrentTextStyle(DxfHandle h, const char *name)
{
    return call(h, [&](DxfDocument &d) { return d.setCurrentTextStyle(text(name)); });
}

int dxfAddDimStyle(DxfHandle h, const DxfDimStyleRecord *style)
{
    return call(h, [&](DxfDocument &d) { return style && d.addDimStyle(*style); });
}

int dxfSetCurrentDimStyle(DxfHandle h, const char *name)
{
    return call(h, [&](DxfDocument &d) { return d.setCurrentDimStyle(text(name)); });
}

int dxfLine(DxfHandle h, double x1, double y1, double x2, double y2)
{
    return call(h, [&](DxfDocument &d) { return d.line(x1, y1, x2, y2); });
}

int dxfCircle(DxfHandle h, double cx, double cy, double radius)
{
    return call(h, [&](DxfDocument &d) { return d.circle(cx, cy, radius); });
}

int dxfText(DxfHandle h, const char *s, double x1, double y1, double x2, double y2, double height, double rotation,
            int32_t horizontalJustification, int32_t verticalJustification, int32_t generationFlags, int32_t)
{
    return call(h, [&](DxfDocument &d) {
        return s && d.text(s, x1, y1, x2, y2, height, rotation, horizontalJustification, verticalJustification,
                           generationFlags);
    });
}

int dxfTextWidthFactor(DxfHandle h, const char *s, double x, double y, double height, double widthFactor)
{
    return call(h, [&](DxfDocument &d) { return s && d.text(s, x, y, x, y, height, 0.0, 0, 0, 0, widthFactor); });
}

int dxfDimLinear(DxfHandle h, double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                 const char *s)
{
    return call(h, [&](DxfDocument &d) { return d.dimLinear(x1, y1, x2, y2, xd, yd, angle, text(s)); });
}

int dxfWriteParamString(DxfHandle h, const char *variable, int32_t groupCode, const char *value)
{
    return call(h, [&](DxfDocument &d) { return value && d.headerVariable(text(variable), groupCode, value); });
}

int dxfWriteParamInteger(DxfHandle h, const char *variable, int32_t groupCode, int32_t value)
{
    return call(h, [&](DxfDocument &d) { return d.headerVariable(text(variable), groupCode, std::to_string(value)); });
}

int dxfWriteParamDouble(DxfHandle h, const char *variable, int32_t groupCode, double value)
{
    return call(h, [&](DxfDocument &d) {
        if (!std::isfinite(value))
            return false;
        char buffer[64];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)ec;
        return d.headerVariable(text(variable), groupCode, std::string(buffer, end));
    });
}

int dxfSetCurrentColor(DxfHandle h, int32_t color)
{
    return call(h, [&](DxfDocument &d) { return d.setCurrentColor(color); });
}

int dxfSetCurrentLinetype(DxfHandle h, const char *name)
{
    return call(h, [&](DxfDocument &d) { return d.setCurrentLinetype(text(name)); });
}

int dxfSolid(DxfHandle h, double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4)
{
    const double xs[4] = {x1, x2, x3, x4};
    const double ys[4] = {y1, y2, y3, y4};
    return call(h, [&](DxfDocument &d) { return d.solid(xs, ys); });
}

int dxfArc(DxfHandle h, double cx, double cy, double radius, double startAngle, double endAngle)
{
    return call(h, [&](DxfDocument &d) { return d.arc(cx, cy, radius, startAngle, endAngle); });
}

int dxfInsertBlock(DxfHandle h, const char *name, double x, double y, double xScale, double yScale, double rotation)
{
    return call(h, [&](DxfDocument &d) { return d.insertBlock(text(name), x, y, xScale, yScale, rotation); });
}

int dxfBlockBegin(DxfHandle h, const char *name, double baseX, double baseY)
{
    return call(h, [&](DxfDocument &d) { return d.blockBegin(text(name), baseX, baseY); });
}

int dxfBlockEnd(DxfHandle h)
{
    return call(h, [&](DxfDocument &d) { return d.blockEnd(); });
}

} // extern "C"
