#include "core/drawing/DxfWriter.h"

#include "core/project/AppPaths.h"

namespace zelvan {

namespace {

const char *const kEntryPoints[] = {
    // called by the layout drawing
    "dxfCreateFile", "dxfCloseFile", "dxfSectionBegin", "dxfSectionEnd", "dxfTableTypeBegin", "dxfTableTypeEnd",
    "dxfAddLinetype", "dxfAddLayer", "dxfSetCurrentLayer", "dxfAddTextStyle", "dxfSetCurrentTextStyle",
    "dxfAddDimStyle", "dxfSetCurrentDimStyle", "dxfLine", "dxfCircle", "dxfText", "dxfTextWidthFactor", "dxfDimLinear",
    // part of the interface, resolved so that an incomplete library is refused
    "dxfWriteParamString", "dxfWriteParamInteger", "dxfWriteParamDouble", "dxfSetCurrentColor",
    "dxfSetCurrentLinetype", "dxfSolid", "dxfArc", "dxfInsertBlock", "dxfBlockBegin", "dxfBlockEnd",
};
constexpr int kEntryPointCount = static_cast<int>(sizeof kEntryPoints / sizeof kEntryPoints[0]);
static_assert(kEntryPointCount == 28);

} // namespace

// Function pointers in the order of kEntryPoints.
struct DxfWriter::Api {
    decltype(&::dxfCreateFile) createFile;
    decltype(&::dxfCloseFile) closeFile;
    decltype(&::dxfSectionBegin) sectionBegin;
    decltype(&::dxfSectionEnd) sectionEnd;
    decltype(&::dxfTableTypeBegin) tableTypeBegin;
    decltype(&::dxfTableTypeEnd) tableTypeEnd;
    decltype(&::dxfAddLinetype) addLinetype;
    decltype(&::dxfAddLayer) addLayer;
    decltype(&::dxfSetCurrentLayer) setCurrentLayer;
    decltype(&::dxfAddTextStyle) addTextStyle;
    decltype(&::dxfSetCurrentTextStyle) setCurrentTextStyle;
    decltype(&::dxfAddDimStyle) addDimStyle;
    decltype(&::dxfSetCurrentDimStyle) setCurrentDimStyle;
    decltype(&::dxfLine) line;
    decltype(&::dxfCircle) circle;
    decltype(&::dxfText) text;
    decltype(&::dxfTextWidthFactor) textWidthFactor;
    decltype(&::dxfDimLinear) dimLinear;
    QFunctionPointer others[10];
};

int DxfWriter::entryPointCount()
{
    return kEntryPointCount;
}

DxfWriter::DxfWriter() : m_library(programDirectory() + QStringLiteral("CadIO"))
{
    load();
}

DxfWriter::DxfWriter(const QString &libraryPath) : m_library(libraryPath)
{
    load();
}

void DxfWriter::load()
{
    if (!m_library.load())
        return;
    QFunctionPointer resolved[kEntryPointCount];
    for (int i = 0; i < kEntryPointCount; ++i) {
        resolved[i] = m_library.resolve(kEntryPoints[i]);
        if (!resolved[i])
            return;
    }
    m_api = std::make_unique<Api>();
    int i = 0;
    auto take = [&](auto &slot) { slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(resolved[i++]); };
    take(m_api->createFile);
    take(m_api->closeFile);
    take(m_api->sectionBegin);
    take(m_api->sectionEnd);
    take(m_api->tableTypeBegin);
    take(m_api->tableTypeEnd);
    take(m_api->addLinetype);
    take(m_api->addLayer);
    take(m_api->setCurrentLayer);
    take(m_api->addTextStyle);
    take(m_api->setCurrentTextStyle);
    take(m_api->addDimStyle);
    take(m_api->setCurrentDimStyle);
    take(m_api->line);
    take(m_api->circle);
    take(m_api->text);
    take(m_api->textWidthFactor);
    take(m_api->dimLinear);
    for (QFunctionPointer &other : m_api->others)
        other = resolved[i++];
    m_usable = true;
}

DxfWriter::~DxfWriter()
{
    if (m_fileOpen)
        closeFile();
    m_api.reset();
    if (m_library.isLoaded())
        m_library.unload();
}

int DxfWriter::createFile(const std::string &path)
{
    if (!m_usable || m_fileOpen)
        return 0;
    m_file = m_api->createFile(path.c_str());
    m_fileOpen = m_file != nullptr;
    return m_fileOpen ? 1 : 0;
}

int DxfWriter::closeFile()
{
    if (!m_usable || !m_fileOpen)
        return 0;
    const int result = m_api->closeFile(m_file);
    m_fileOpen = false;
    m_file = nullptr;
    return result;
}

// Every forwarding call: nothing is called without a usable library, and a
// call without an open file is refused by the library's handle check.
#define ZELVAN_FORWARD(call) return m_usable ? m_api->call : 0

int DxfWriter::sectionBegin(int section) { ZELVAN_FORWARD(sectionBegin(m_file, section)); }
int DxfWriter::sectionEnd() { ZELVAN_FORWARD(sectionEnd(m_file)); }
int DxfWriter::tableTypeBegin(int table) { ZELVAN_FORWARD(tableTypeBegin(m_file, table)); }
int DxfWriter::tableTypeEnd() { ZELVAN_FORWARD(tableTypeEnd(m_file)); }
int DxfWriter::addLinetype(const DxfLinetypeRecord &linetype) { ZELVAN_FORWARD(addLinetype(m_file, &linetype)); }
int DxfWriter::addLayer(const std::string &name, int color, const std::string &linetype)
{
    ZELVAN_FORWARD(addLayer(m_file, name.c_str(), color, linetype.c_str()));
}
int DxfWriter::setCurrentLayer(const std::string &name) { ZELVAN_FORWARD(setCurrentLayer(m_file, name.c_str(), 0)); }
int DxfWriter::addTextStyle(const DxfTextStyleRecord &style) { ZELVAN_FORWARD(addTextStyle(m_file, &style)); }
int DxfWriter::setCurrentTextStyle(const std::string &name) { ZELVAN_FORWARD(setCurrentTextStyle(m_file, name.c_str())); }
int DxfWriter::addDimStyle(const DxfDimStyleRecord &style) { ZELVAN_FORWARD(addDimStyle(m_file, &style)); }
int DxfWriter::setCurrentDimStyle(const std::string &name) { ZELVAN_FORWARD(setCurrentDimStyle(m_file, name.c_str())); }
int DxfWriter::line(double x1, double y1, double x2, double y2) { ZELVAN_FORWARD(line(m_file, x1, y1, x2, y2)); }
int DxfWriter::circle(double cx, double cy, double radius) { ZELVAN_FORWARD(circle(m_file, cx, cy, radius)); }
int DxfWriter::text(const std::string &text, double x, double y, double height)
{
    ZELVAN_FORWARD(text(m_file, text.c_str(), x, y, x, y, height, 0.0, 0, 0, 0, 0));
}
int DxfWriter::narrowText(const std::string &text, double x, double y, double height, double widthFactor)
{
    ZELVAN_FORWARD(textWidthFactor(m_file, text.c_str(), x, y, height, widthFactor));
}
int DxfWriter::dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                         const std::string &text)
{
    ZELVAN_FORWARD(dimLinear(m_file, x1, y1, x2, y2, xd, yd, angle, text.c_str()));
}

#undef ZELVAN_FORWARD

} // namespace zelvan
