#pragma once

#include "cadio/CadIO.h"

#include <string>

namespace zelvan {

// The DXF operations the layout generator uses, each returning exactly 1 on
// success. DxfWriter forwards them to the CadIO library; tests put a
// recorder in its place to check every coordinate the generator emits.
class DxfOutput {
public:
    virtual ~DxfOutput() = default;

    virtual int createFile(const std::string &path) = 0;
    virtual int closeFile() = 0;
    virtual int sectionBegin(int section) = 0;
    virtual int sectionEnd() = 0;
    virtual int tableTypeBegin(int table) = 0;
    virtual int tableTypeEnd() = 0;
    virtual int addLinetype(const ::DxfLinetypeRecord &linetype) = 0;
    virtual int addLayer(const std::string &name, int color, const std::string &linetype) = 0;
    virtual int setCurrentLayer(const std::string &name) = 0;
    virtual int addTextStyle(const ::DxfTextStyleRecord &style) = 0;
    virtual int setCurrentTextStyle(const std::string &name) = 0;
    virtual int addDimStyle(const ::DxfDimStyleRecord &style) = 0;
    virtual int setCurrentDimStyle(const std::string &name) = 0;
    virtual int line(double x1, double y1, double x2, double y2) = 0;
    virtual int circle(double cx, double cy, double radius) = 0;
    // Text at (x, y), height, rotation 0, left/baseline aligned.
    virtual int text(const std::string &text, double x, double y, double height) = 0;
    // The same text drawn `widthFactor` times its normal width, to fit a cell;
    // an output that cannot narrow texts writes it at its full width.
    virtual int narrowText(const std::string &text, double x, double y, double height, double widthFactor)
    {
        (void)widthFactor;
        return this->text(text, x, y, height);
    }
    virtual int dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                          const std::string &text) = 0;
};

} // namespace zelvan
