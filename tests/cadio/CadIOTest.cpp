// The CadIO library through its C interface: return values, the file it
// writes, dimension blocks, texts and the temporary-file handling.
#include "DxfPairs.h"

#include "cadio/CadIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using namespace zelvan::test;

namespace {

std::string path(const QTemporaryDir &dir, const char *name)
{
    return QFile::encodeName(dir.filePath(name)).toStdString();
}

DxfLinetypeRecord linetype(const char *name)
{
    DxfLinetypeRecord r{};
    std::strcpy(r.name, name);
    return r;
}

DxfTextStyleRecord style(const char *name, int flags, double angle)
{
    DxfTextStyleRecord r{};
    std::strcpy(r.name, name);
    std::strcpy(r.fontFile, "TIMES.TTF");
    r.standardFlags = flags;
    r.widthFactor = 1.0;
    r.lastHeight = 2.5;
    r.textAngle = angle;
    return r;
}

DxfDimStyleRecord dimStyle()
{
    DxfDimStyleRecord r{};
    std::strcpy(r.name, "DIM1");
    r.dimLineColor = 2;
    r.extLineColor = 2;
    r.extLineExtension = 0.18;
    r.extLineOffset = 0.0625;
    std::strcpy(r.arrowBlock1, "ClosedFilled");
    std::strcpy(r.arrowBlock2, "ClosedFilled");
    r.arrowSize = 4.0;
    std::strcpy(r.textStyle, "Style1");
    r.textColor = 3;
    r.textHeight = 15.0;
    r.textAbove = 1;
    r.textGap = 0.09;
    return r;
}

// Opens a file with tables like the layout drawing's and the entity section open.
DxfHandle openDrawing(const std::string &file)
{
    DxfHandle h = dxfCreateFile(file.c_str());
    if (!h)
        return nullptr;
    int ok = dxfSectionBegin(h, DXF_SECTION_HEADER) & dxfSectionEnd(h);
    ok &= dxfSectionBegin(h, DXF_SECTION_TABLES);
    ok &= dxfTableTypeBegin(h, DXF_TABLE_LTYPE);
    const DxfLinetypeRecord lt = linetype("Continuous");
    ok &= dxfAddLinetype(h, &lt);
    ok &= dxfTableTypeEnd(h);
    ok &= dxfTableTypeBegin(h, DXF_TABLE_LAYER);
    ok &= dxfAddLayer(h, "Layer1", 1, "Continuous");
    ok &= dxfTableTypeEnd(h);
    ok &= dxfTableTypeBegin(h, DXF_TABLE_STYLE);
    const DxfTextStyleRecord s1 = style("Style1", 0, 0), vs = style("VStyle", DXF_STYLE_VERTICAL, 90);
    ok &= dxfAddTextStyle(h, &s1);
    ok &= dxfAddTextStyle(h, &vs);
    ok &= dxfTableTypeEnd(h);
    ok &= dxfTableTypeBegin(h, DXF_TABLE_DIMSTYLE);
    const DxfDimStyleRecord d = dimStyle();
    ok &= dxfAddDimStyle(h, &d);
    ok &= dxfTableTypeEnd(h);
    ok &= dxfSectionEnd(h);
    ok &= dxfSectionBegin(h, DXF_SECTION_ENTITIES);
    EXPECT_EQ(ok, 1);
    return h;
}

int text(DxfHandle h, const char *s, double x, double y, double height = 15)
{
    return dxfText(h, s, x, y, x, y, height, 0, 0, 0, 0, 0);
}

} // namespace

TEST(CadIOFile, HeaderTablesBlocksAndObjectsAreComplete)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "t.dxf");
    DxfHandle h = openDrawing(file);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(dxfSetCurrentLayer(h, "Layer1", 0), 1);
    EXPECT_EQ(dxfLine(h, 0, 0, 100, 50), 1);
    EXPECT_EQ(dxfCircle(h, 10, 20, 5), 1);
    EXPECT_EQ(dxfSetCurrentLayer(h, "Undeclared", 0), 1); // created on first use
    EXPECT_EQ(text(h, "x", 1, 1), 1);
    EXPECT_EQ(dxfSectionEnd(h), 1);
    EXPECT_EQ(dxfCloseFile(h), 1);

    const DxfFile f = DxfFile::read(file);
    ASSERT_TRUE(f.wellFormed);
    ASSERT_GE(f.pairs.size(), 8u);
    EXPECT_EQ(f.pairs[2].value, "$ACADVER"); // first header variable
    EXPECT_EQ(f.pairs[3].value, "AC1015");
    EXPECT_EQ(f.pairs[4].value, "$DWGCODEPAGE");
    EXPECT_EQ(f.pairs[5].value, "ANSI_936");

    std::vector<std::string> sections;
    for (size_t i = 0; i + 1 < f.pairs.size(); ++i)
        if (f.pairs[i].code == 0 && f.pairs[i].value == "SECTION")
            sections.push_back(f.pairs[i + 1].value);
    EXPECT_EQ(sections, (std::vector<std::string>{"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"}));

    std::vector<std::string> tables;
    for (const auto &t : f.objects("TABLE"))
        tables.push_back(value(t, 2));
    EXPECT_EQ(tables, (std::vector<std::string>{"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE",
                                                "BLOCK_RECORD"}));
    std::vector<std::string> linetypes;
    for (const auto &t : f.objects("LTYPE"))
        linetypes.push_back(value(t, 2));
    EXPECT_EQ(linetypes, (std::vector<std::string>{"ByBlock", "ByLayer", "Continuous"}));
    std::vector<std::string> layers;
    for (const auto &t : f.objects("LAYER"))
        layers.push_back(value(t, 2));
    EXPECT_EQ(layers, (std::vector<std::string>{"0", "Layer1", "Undeclared"}));
    std::vector<std::string> records;
    for (const auto &t : f.objects("BLOCK_RECORD"))
        records.push_back(value(t, 2));
    EXPECT_EQ(records, (std::vector<std::string>{"*Model_Space", "*Paper_Space"}));
    EXPECT_EQ(value(f.objects("DICTIONARY").at(0), 3), "ACAD_GROUP");
    EXPECT_EQ(f.objects("APPID").size(), 1u);

    // Handles are unique and below $HANDSEED; every owner is a handle of the file.
    std::set<unsigned long> handles;
    std::vector<unsigned long> owners;
    for (size_t i = 8; i < f.pairs.size(); ++i) { // after the header's $HANDSEED
        const DxfPair &p = f.pairs[i];
        if (p.code == 5 || p.code == 105) {
            EXPECT_TRUE(handles.insert(std::stoul(p.value, nullptr, 16)).second) << p.value;
        }
        if (p.code == 330)
            owners.push_back(std::stoul(p.value, nullptr, 16));
    }
    const unsigned long seed = std::stoul(f.pairs[7].value, nullptr, 16);
    EXPECT_EQ(f.pairs[6].value, "$HANDSEED");
    EXPECT_GT(seed, *handles.rbegin());
    for (unsigned long owner : owners)
        EXPECT_TRUE(owner == 0 || handles.count(owner)) << owner;

    const auto line = f.objects("LINE").at(0);
    EXPECT_EQ(value(line, 8), "Layer1");
    EXPECT_EQ(number(line, 11), 100);
    EXPECT_EQ(number(line, 21), 50);
    EXPECT_EQ(number(f.objects("CIRCLE").at(0), 40), 5);
}

TEST(CadIODimension, EveryDimensionHasItsOwnBlockBuiltFromTheStyle)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "d.dxf");
    DxfHandle h = openDrawing(file);
    ASSERT_EQ(dxfSetCurrentDimStyle(h, "DIM1"), 1);
    EXPECT_EQ(dxfDimLinear(h, 0, 0, 100, 0, 0, -20, 0, "100"), 1);
    EXPECT_EQ(dxfDimLinear(h, 405, 5, 405, 205, 825, 5, 90, "1000"), 1);
    EXPECT_EQ(dxfCloseFile(h), 1);
    const DxfFile f = DxfFile::read(file);

    const auto dims = f.objects("DIMENSION");
    ASSERT_EQ(dims.size(), 2u);
    EXPECT_EQ(value(dims[0], 2), "*D1");
    EXPECT_EQ(value(dims[1], 2), "*D2");
    EXPECT_EQ(value(dims[0], 70), "32");
    EXPECT_EQ(value(dims[0], 3), "DIM1");
    EXPECT_EQ(value(dims[0], 1), "100");
    EXPECT_EQ(number(dims[0], 13), 0);
    EXPECT_EQ(number(dims[0], 14), 100);
    EXPECT_EQ(number(dims[0], 10), 100); // where the dimension line meets the second extension line
    EXPECT_EQ(number(dims[0], 20), -20);
    EXPECT_EQ(number(dims[1], 10), 825);
    EXPECT_EQ(number(dims[1], 20), 205);
    EXPECT_EQ(number(dims[1], 50), 90);

    // Block *D1: two extension lines, the dimension line, two filled arrows, the text.
    const auto blocks = f.objects("BLOCK");
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(value(blocks[2], 2), "*D1");
    EXPECT_EQ(value(blocks[2], 70), "1");
    size_t begin = 0;
    while (begin + 6 < f.pairs.size() && !(f.pairs[begin].code == 0 && f.pairs[begin].value == "BLOCK" && f.pairs[begin + 6].value == "*D1"))
        ++begin;
    ASSERT_LT(begin + 6, f.pairs.size());
    while (f.pairs[begin].value != "LINE")
        ++begin;
    std::vector<std::string> kinds;
    std::vector<std::vector<DxfPair>> entities;
    for (size_t i = begin; i < f.pairs.size() && f.pairs[i].value != "ENDBLK"; ++i) {
        if (f.pairs[i].code == 0) {
            kinds.push_back(f.pairs[i].value);
            entities.emplace_back();
        }
        if (!entities.empty())
            entities.back().push_back(f.pairs[i]);
    }
    EXPECT_EQ(kinds, (std::vector<std::string>{"LINE", "LINE", "LINE", "SOLID", "SOLID", "TEXT"}));
    // Extension line 1 from 0.0625 off the point to 0.18 past the line.
    EXPECT_DOUBLE_EQ(number(entities[0], 20), -0.0625);
    EXPECT_DOUBLE_EQ(number(entities[0], 21), -20.18);
    EXPECT_EQ(value(entities[0], 62), "2");
    // Dimension line.
    EXPECT_EQ(number(entities[2], 10), 0);
    EXPECT_EQ(number(entities[2], 11), 100);
    EXPECT_EQ(number(entities[2], 21), -20);
    // Arrow tips on the ends, 4 long, pointing outwards.
    EXPECT_EQ(number(entities[3], 11), 0);
    EXPECT_EQ(number(entities[3], 10), 4);
    EXPECT_EQ(number(entities[4], 11), 100);
    EXPECT_EQ(number(entities[4], 10), 96);
    // Text 15 high, centred a gap of 0.09 above the line, colour 3, style Style1.
    EXPECT_EQ(value(entities[5], 1), "100");
    EXPECT_EQ(number(entities[5], 40), 15);
    EXPECT_EQ(number(entities[5], 11), 50);
    EXPECT_DOUBLE_EQ(number(entities[5], 21), -20 + 0.09);
    EXPECT_EQ(value(entities[5], 7), "Style1");
    EXPECT_EQ(value(entities[5], 62), "3");

    const auto dimstyles = f.objects("DIMSTYLE");
    ASSERT_EQ(dimstyles.size(), 2u);
    EXPECT_EQ(value(dimstyles[1], 2), "DIM1");
    EXPECT_EQ(number(dimstyles[1], 41), 4.0);
    EXPECT_EQ(number(dimstyles[1], 140), 15.0);
    EXPECT_EQ(number(dimstyles[1], 147), 0.09);
    EXPECT_EQ(value(dimstyles[1], 77), "1");
    EXPECT_EQ(value(dimstyles[1], 176), "2");
    EXPECT_EQ(value(dimstyles[1], 178), "3");
    EXPECT_NE(value(dimstyles[1], 105), "<none>");
}

TEST(CadIOText, ControlCharactersNeverReachTheFileRaw)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "c.dxf");
    DxfHandle h = openDrawing(file);
    EXPECT_EQ(text(h, "A\nB\r\nC\tD\x01", 0, 0), 1);
    EXPECT_EQ(text(h, "\xD6\xD0\xCE\xC4", 0, 20), 1);       // "中文" in GBK, kept
    EXPECT_EQ(text(h, "x\xD6", 0, 40), 1);                  // a lead byte without its trail byte
    EXPECT_EQ(text(h, "\x80y\xFF", 0, 60), 1);              // bytes GBK does not use
    EXPECT_EQ(dxfCloseFile(h), 1);
    const DxfFile f = DxfFile::read(file);
    ASSERT_TRUE(f.wellFormed);
    const auto texts = f.objects("TEXT");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(value(texts[0], 1), "A B  C D ");
    EXPECT_EQ(value(texts[1], 1), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(value(texts[2], 1), "x?");
    EXPECT_EQ(value(texts[3], 1), "?y?");
    EXPECT_EQ(f.bytes.find('\t'), std::string::npos);
    // Every line break is a CR LF pair ending a group line.
    for (size_t i = 0; i < f.bytes.size(); ++i)
        if (f.bytes[i] == '\n') {
            ASSERT_EQ(f.bytes[i - 1], '\r');
        }
}

TEST(CadIOText, VerticalStyleTextsAreTurnedToReadVertically)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "v.dxf");
    DxfHandle h = openDrawing(file);
    EXPECT_EQ(dxfSetCurrentTextStyle(h, "VStyle"), 1);
    EXPECT_EQ(text(h, "H123", 385, 160), 1);
    EXPECT_EQ(dxfSetCurrentTextStyle(h, "Style1"), 1);
    EXPECT_EQ(text(h, "A1", 380, 180), 1);
    EXPECT_EQ(dxfCloseFile(h), 1);
    const DxfFile f = DxfFile::read(file);
    const auto texts = f.objects("TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(value(texts[0], 7), "VStyle");
    EXPECT_EQ(number(texts[0], 50), 90);
    EXPECT_EQ(value(texts[0], 72), "2"); // ends at its point and runs down from it
    EXPECT_EQ(number(texts[0], 11), 385);
    EXPECT_EQ(number(texts[0], 21), 160);
    EXPECT_EQ(value(texts[1], 50), "<none>");
    // The style itself does not carry the vertical flag a viewer would apply again.
    for (const auto &s : f.objects("STYLE"))
        EXPECT_EQ(std::stoi(value(s, 70)) & 4, 0);
}

TEST(CadIOText, AWidthFactorNarrowsTheTextAndOnlyThatText)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "w.dxf");
    DxfHandle h = openDrawing(file);
    EXPECT_EQ(dxfTextWidthFactor(h, "CP-2026-031", 505, 1545, 15, 0.8), 1);
    EXPECT_EQ(text(h, "CP-01", 505, 1580), 1);
    EXPECT_EQ(dxfTextWidthFactor(h, "X", 0, 0, 15, 0), 0);
    EXPECT_EQ(dxfTextWidthFactor(h, "X", 0, 0, 15, -1), 0);
    EXPECT_EQ(dxfTextWidthFactor(h, "X", 0, 0, 15, std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(dxfTextWidthFactor(h, nullptr, 0, 0, 15, 0.5), 0);
    EXPECT_EQ(dxfCloseFile(h), 1);
    const DxfFile f = DxfFile::read(file);
    ASSERT_TRUE(f.wellFormed);
    const auto texts = f.objects("TEXT");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(value(texts[0], 1), "CP-2026-031");
    EXPECT_EQ(number(texts[0], 10), 505);
    EXPECT_EQ(number(texts[0], 40), 15);
    EXPECT_EQ(number(texts[0], 41), 0.8);
    EXPECT_EQ(value(texts[1], 41), "<none>"); // full width: no group 41
}

TEST(CadIORefusals, CallsOutOfPlaceOrWithBadValuesReturnZero)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "r.dxf");
    DxfHandle h = dxfCreateFile(file.c_str());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(dxfLine(h, 0, 0, 1, 1), 0);                    // no entity section open
    EXPECT_EQ(dxfAddLayer(h, "L", 1, "Continuous"), 0);      // no layer table open
    EXPECT_EQ(dxfSectionBegin(h, 3), 0);                     // no such section
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_TABLES), 1);
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_TABLES), 0);    // already open
    EXPECT_EQ(dxfTableTypeBegin(h, 64), 0);
    EXPECT_EQ(dxfTableTypeBegin(h, DXF_TABLE_LAYER), 1);
    EXPECT_EQ(dxfAddLayer(h, "Bad/Name", 1, "Continuous"), 0);
    EXPECT_EQ(dxfAddLayer(h, "L", 1, "Dashed"), 0);          // linetype not defined
    EXPECT_EQ(dxfTableTypeEnd(h), 1);
    EXPECT_EQ(dxfSectionEnd(h), 1);
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_ENTITIES), 1);
    EXPECT_EQ(dxfSetCurrentTextStyle(h, "Missing"), 0);
    EXPECT_EQ(dxfSetCurrentDimStyle(h, "Missing"), 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(dxfLine(h, nan, 0, 1, 1), 0);
    EXPECT_EQ(dxfCircle(h, 0, inf, 1), 0);
    EXPECT_EQ(dxfCircle(h, 0, 0, 0), 0);
    EXPECT_EQ(dxfDimLinear(h, 0, 0, inf, 0, 0, 0, 0, "x"), 0);
    EXPECT_EQ(text(h, "t", 0, 0, 0), 0); // no height and no fixed height
    EXPECT_EQ(dxfText(h, nullptr, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(dxfCloseFile(h), 1);
    EXPECT_EQ(dxfCloseFile(h), 0);      // closed handles are refused
    EXPECT_EQ(dxfLine(h, 0, 0, 1, 1), 0);
    EXPECT_EQ(dxfLine(nullptr, 0, 0, 1, 1), 0);
    int notAHandle = 0;
    EXPECT_EQ(dxfSectionEnd(&notAHandle), 0);
    const std::string text = DxfFile::read(file).bytes;
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_EQ(dxfCreateFile(path(dir, "missing/folder/x.dxf").c_str()), nullptr);
    EXPECT_EQ(dxfCreateFile(""), nullptr);
}

TEST(CadIOFile, WrittenUnderATemporaryNameAndRenamedOnClose)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "drawing.dxf");
    {
        QFile old(QString::fromStdString(file));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous drawing");
    }
    DxfHandle h = openDrawing(file);
    ASSERT_NE(h, nullptr);
    dxfLine(h, 0, 0, 1, 1);
    // While the drawing is being written the old file is untouched and the
    // new one exists only under a temporary name beside it.
    QFile old(QString::fromStdString(file));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous drawing"));
    old.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    EXPECT_EQ(dxfCloseFile(h), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"drawing.dxf"});
    EXPECT_TRUE(DxfFile::read(file).bytes.find("AC1015") != std::string::npos);
}

TEST(CadIOFile, ALongFinalNameStillGetsATemporaryName)
{
    QTemporaryDir dir;
    const std::string file = path(dir, (std::string(240, 'a') + ".dxf").c_str());
    DxfHandle h = dxfCreateFile(file.c_str());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(dxfCloseFile(h), 1);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
}

TEST(CadIOFile, AFailedCloseLeavesNothingUnderTheFinalName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    const std::string file = path(dir, "sub/drawing.dxf");
    DxfHandle h = openDrawing(file);
    ASSERT_NE(h, nullptr);
    dxfLine(h, 0, 0, 1, 1);
    // Something removes the temporary file behind the library's back: the
    // rename fails and the close reports it.
    for (const QString &name : QDir(dir.filePath("sub")).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath("sub/" + name));
    EXPECT_EQ(dxfCloseFile(h), 0);
    EXPECT_TRUE(QDir(dir.filePath("sub")).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(CadIOInterface, TheFurtherOperationsWork)
{
    QTemporaryDir dir;
    const std::string file = path(dir, "o.dxf");
    DxfHandle h = dxfCreateFile(file.c_str());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_HEADER), 1);
    EXPECT_EQ(dxfWriteParamString(h, "$PROJECTNAME", 1, "P1"), 1);
    EXPECT_EQ(dxfWriteParamInteger(h, "$LUNITS", 70, 2), 1);
    EXPECT_EQ(dxfWriteParamDouble(h, "$TEXTSIZE", 40, 3.5), 1);
    EXPECT_EQ(dxfWriteParamString(h, "$ACADVER", 1, "AC1009"), 0); // the library's own
    EXPECT_EQ(dxfSectionEnd(h), 1);
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_BLOCKS), 1);
    EXPECT_EQ(dxfBlockBegin(h, "MARK", 0, 0), 1);
    EXPECT_EQ(dxfSolid(h, 0, 0, 1, 0, 0, 1, 1, 1), 1);
    EXPECT_EQ(dxfArc(h, 0, 0, 2, 0, 90), 1);
    EXPECT_EQ(dxfBlockEnd(h), 1);
    EXPECT_EQ(dxfBlockBegin(h, "*D9", 0, 0), 0);
    EXPECT_EQ(dxfSectionEnd(h), 1);
    EXPECT_EQ(dxfSectionBegin(h, DXF_SECTION_ENTITIES), 1);
    EXPECT_EQ(dxfSetCurrentColor(h, 5), 1);
    EXPECT_EQ(dxfSetCurrentLinetype(h, "Continuous"), 1);
    EXPECT_EQ(dxfInsertBlock(h, "MARK", 10, 10, 2, 2, 45), 1);
    EXPECT_EQ(dxfInsertBlock(h, "NOPE", 10, 10, 1, 1, 0), 0);
    EXPECT_EQ(dxfSetCurrentColor(h, 300), 0);
    EXPECT_EQ(dxfSetCurrentLinetype(h, "Dashed"), 0);
    EXPECT_EQ(dxfCloseFile(h), 1);
    const DxfFile f = DxfFile::read(file);
    EXPECT_NE(f.bytes.find("$PROJECTNAME\r\n  1\r\nP1"), std::string::npos);
    EXPECT_NE(f.bytes.find("$TEXTSIZE\r\n 40\r\n3.5"), std::string::npos);
    const auto insert = f.objects("INSERT").at(0);
    EXPECT_EQ(value(insert, 2), "MARK");
    EXPECT_EQ(value(insert, 62), "5");
    EXPECT_EQ(number(insert, 50), 45);
    EXPECT_EQ(f.objects("SOLID").size(), 1u);
    EXPECT_EQ(f.objects("ARC").size(), 1u);
}
