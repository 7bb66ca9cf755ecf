#pragma once

#include "core/drawing/DxfOutput.h"

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace zelvan::test {

// A DXF output that records every call with its arguments; a call can be
// made to fail by its position in the sequence.
class RecordingDxfOutput : public DxfOutput {
public:
    struct Call {
        std::string op;
        std::vector<double> numbers;
        std::vector<std::string> texts;
        std::vector<unsigned char> record; // raw bytes of a table record
    };

    std::vector<Call> calls;
    std::set<size_t> failAt; // indices of calls that return 0

    int createFile(const std::string &path) override { return add({"createFile", {}, {path}, {}}); }
    int closeFile() override { return add({"closeFile", {}, {}, {}}); }
    int sectionBegin(int section) override { return add({"sectionBegin", {double(section)}, {}, {}}); }
    int sectionEnd() override { return add({"sectionEnd", {}, {}, {}}); }
    int tableTypeBegin(int table) override { return add({"tableTypeBegin", {double(table)}, {}, {}}); }
    int tableTypeEnd() override { return add({"tableTypeEnd", {}, {}, {}}); }
    int addLinetype(const DxfLinetypeRecord &r) override { return add({"addLinetype", {}, {r.name}, bytes(r)}); }
    int addLayer(const std::string &name, int color, const std::string &linetype) override
    {
        return add({"addLayer", {double(color)}, {name, linetype}, {}});
    }
    int setCurrentLayer(const std::string &name) override { return add({"setCurrentLayer", {}, {name}, {}}); }
    int addTextStyle(const DxfTextStyleRecord &r) override { return add({"addTextStyle", {}, {r.name}, bytes(r)}); }
    int setCurrentTextStyle(const std::string &name) override { return add({"setCurrentTextStyle", {}, {name}, {}}); }
    int addDimStyle(const DxfDimStyleRecord &r) override { return add({"addDimStyle", {}, {r.name}, bytes(r)}); }
    int setCurrentDimStyle(const std::string &name) override { return add({"setCurrentDimStyle", {}, {name}, {}}); }
    int line(double x1, double y1, double x2, double y2) override { return add({"line", {x1, y1, x2, y2}, {}, {}}); }
    int circle(double cx, double cy, double r) override { return add({"circle", {cx, cy, r}, {}, {}}); }
    int text(const std::string &t, double x, double y, double h) override { return add({"text", {x, y, h}, {t}, {}}); }
    // Recorded as a text with its width factor as a fourth number.
    int narrowText(const std::string &t, double x, double y, double h, double f) override
    {
        return add({"text", {x, y, h, f}, {t}, {}});
    }
    int dimLinear(double x1, double y1, double x2, double y2, double xd, double yd, double angle,
                  const std::string &t) override
    {
        return add({"dimLinear", {x1, y1, x2, y2, xd, yd, angle}, {t}, {}});
    }

    std::vector<Call> ofKind(const std::string &op) const
    {
        std::vector<Call> out;
        for (const Call &c : calls)
            if (c.op == op)
                out.push_back(c);
        return out;
    }
    size_t count(const std::string &op) const { return ofKind(op).size(); }
    // Index of the first text call with this text, or -1.
    long indexOfText(const std::string &t) const
    {
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i].op == "text" && calls[i].texts[0] == t)
                return static_cast<long>(i);
        return -1;
    }

private:
    template <typename R>
    static std::vector<unsigned char> bytes(const R &r)
    {
        std::vector<unsigned char> out(sizeof r);
        std::memcpy(out.data(), &r, sizeof r);
        return out;
    }
    int add(Call c)
    {
        calls.push_back(std::move(c));
        return failAt.count(calls.size() - 1) ? 0 : 1;
    }
};

} // namespace zelvan::test
