#pragma once

// CadIO: the DXF-writing library of the layout drawing, reached through a C
// interface so that it can be loaded at run time (libCadIO.so / CadIO.dll).
// Every call returns exactly 1 on success and 0 on failure; callers combine
// results with a bitwise AND. Texts are GBK byte strings, NUL-terminated.

#include <stddef.h>
#include <stdint.h>

#ifdef _WIN32
#  ifdef CADIO_BUILDING
#    define CADIO_API __declspec(dllexport)
#  else
#    define CADIO_API __declspec(dllimport)
#  endif
#else
#  define CADIO_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void *DxfHandle;

// Section codes.
enum {
    DXF_SECTION_HEADER = 1,
    DXF_SECTION_TABLES = 4,
    DXF_SECTION_BLOCKS = 8,
    DXF_SECTION_ENTITIES = 16,
};

// Table codes.
enum {
    DXF_TABLE_DIMSTYLE = 4,
    DXF_TABLE_LAYER = 8,
    DXF_TABLE_LTYPE = 16,
    DXF_TABLE_STYLE = 32,
};

// Style flag: the style's texts read vertically.
enum { DXF_STYLE_VERTICAL = 4 };

// Record layouts are part of the interface: the byte offsets are fixed, every
// byte not named is zero.

typedef struct DxfLinetypeRecord {
    char name[512];            // 0
    int32_t standardFlags;     // 512
    char description[512];     // 516
    int32_t elementCount;      // 1028: dash elements used, 0 = continuous
    double patternLength;      // 1032
    double elements[30];       // 1040: dash (>0), gap (<0) or dot (0) lengths
} DxfLinetypeRecord;

typedef struct DxfTextStyleRecord {
    char name[512];            // 0
    char fontFile[512];        // 512
    int32_t standardFlags;     // 1024: DXF_STYLE_VERTICAL for vertical text
    int32_t reserved;          // 1028
    double fixedHeight;        // 1032: 0 = height given with each text
    double widthFactor;        // 1040
    double lastHeight;         // 1048
    double textAngle;          // 1056: vertical styles turn their texts by it
} DxfTextStyleRecord;

typedef struct DxfDimStyleRecord {
    char name[512];            // 0
    int32_t standardFlags;     // 512
    int32_t dimLineColor;      // 516 (DIMCLRD)
    int32_t reserved1;         // 520
    int32_t reserved2;         // 524
    int32_t extLineColor;      // 528 (DIMCLRE)
    int32_t reserved3;         // 532
    double extLineExtension;   // 536 (DIMEXE): beyond the dimension line
    double extLineOffset;      // 544 (DIMEXO): gap from the measured point
    char arrowBlock1[512];     // 552 (DIMBLK1)
    char arrowBlock2[512];     // 1064 (DIMBLK2)
    double arrowSize;          // 1576 (DIMASZ)
    char textStyle[512];       // 1584 (DIMTXSTY)
    int32_t reserved4;         // 2096
    int32_t textColor;         // 2100 (DIMCLRT)
    double textHeight;         // 2104 (DIMTXT)
    int32_t textAbove;         // 2112 (DIMTAD): 1 = text above the line
    int32_t reserved5;         // 2116
    double textGap;            // 2120 (DIMGAP)
} DxfDimStyleRecord;

#ifdef __cplusplus
static_assert(sizeof(DxfLinetypeRecord) == 1280, "linetype record layout");
static_assert(offsetof(DxfLinetypeRecord, description) == 516, "linetype record layout");
static_assert(sizeof(DxfTextStyleRecord) == 1064, "text style record layout");
static_assert(offsetof(DxfTextStyleRecord, standardFlags) == 1024, "text style record layout");
static_assert(offsetof(DxfTextStyleRecord, fixedHeight) == 1032, "text style record layout");
static_assert(offsetof(DxfTextStyleRecord, textAngle) == 1056, "text style record layout");
static_assert(sizeof(DxfDimStyleRecord) == 2128, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, dimLineColor) == 516, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, extLineColor) == 528, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, extLineExtension) == 536, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, arrowBlock1) == 552, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, arrowBlock2) == 1064, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, arrowSize) == 1576, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, textStyle) == 1584, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, textColor) == 2100, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, textHeight) == 2104, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, textAbove) == 2112, "dimension style record layout");
static_assert(offsetof(DxfDimStyleRecord, textGap) == 2120, "dimension style record layout");
#endif

// The operations the layout drawing calls.
CADIO_API DxfHandle dxfCreateFile(const char *path);
CADIO_API int dxfCloseFile(DxfHandle h);
CADIO_API int dxfSectionBegin(DxfHandle h, int32_t section);
CADIO_API int dxfSectionEnd(DxfHandle h);
CADIO_API int dxfTableTypeBegin(DxfHandle h, int32_t table);
CADIO_API int dxfTableTypeEnd(DxfHandle h);
CADIO_API int dxfAddLinetype(DxfHandle h, const DxfLinetypeRecord *linetype);
CADIO_API int dxfAddLayer(DxfHandle h, const char *name, int32_t color, const char *linetype);
CADIO_API int dxfSetCurrentLayer(DxfHandle h, const char *name, int32_t reserved);
CADIO_API int dxfAddTextStyle(DxfHandle h, const DxfTextStyleRecord *style);
CADIO_API int dxfSetCurrentTextStyle(DxfHandle h, const char *name);
CADIO_API int dxfAddDimStyle(DxfHandle h, const DxfDimStyleRecord *style);
CADIO_API int dxfSetCurrentDimStyle(DxfHandle h, const char *name);
CADIO_API int dxfLine(DxfHandle h, double x1, double y1, double x2, double y2);
CADIO_API int dxfCircle(DxfHandle h, double cx, double cy, double radius);
// (x1, y1) is the insertion point, (x2, y2) the alignment point used when a
// justification other than left/baseline is given.
CADIO_API int dxfText(DxfHandle h, const char *text, double x1, double y1, double x2, double y2,
                      double height, double rotation, int32_t horizontalJustification,
                      int32_t verticalJustification, int32_t generationFlags, int32_t reserved);
// A left/baseline-aligned text at (x, y) whose characters are drawn
// `widthFactor` times their normal width (greater than 0; below 1 narrows the
// text to fit a space).
CADIO_API int dxfTextWidthFactor(DxfHandle h, const char *text, double x, double y, double height,
                                 double widthFactor);
CADIO_API int dxfDimLinear(DxfHandle h, double x1, double y1, double x2, double y2, double xd, double yd,
                           double angle, const char *text);

// Further operations of the interface.
CADIO_API int dxfWriteParamString(DxfHandle h, const char *variable, int32_t groupCode, const char *value);
CADIO_API int dxfWriteParamInteger(DxfHandle h, const char *variable, int32_t groupCode, int32_t value);
CADIO_API int dxfWriteParamDouble(DxfHandle h, const char *variable, int32_t groupCode, double value);
CADIO_API int dxfSetCurrentColor(DxfHandle h, int32_t color);
CADIO_API int dxfSetCurrentLinetype(DxfHandle h, const char *name);
CADIO_API int dxfSolid(DxfHandle h, double x1, double y1, double x2, double y2, double x3, double y3,
                       double x4, double y4);
CADIO_API int dxfArc(DxfHandle h, double cx, double cy, double radius, double startAngle, double endAngle);
CADIO_API int dxfInsertBlock(DxfHandle h, const char *name, double x, double y, double xScale, double yScale,
                             double rotation);
CADIO_API int dxfBlockBegin(DxfHandle h, const char *name, double baseX, double baseY);
CADIO_API int dxfBlockEnd(DxfHandle h);

#ifdef __cplusplus
}
#endif
