#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace zelvan::test {

// A DXF file as its group code / value pairs, and its entities split at the
// 0 groups: enough to check what the library wrote without its own code.
struct DxfPair {
    int code;
    std::string value;
};

struct DxfFile {
    std::string bytes;
    std::vector<DxfPair> pairs;
    bool wellFormed = true; // every code line an integer, lines in pairs

    static DxfFile read(const std::string &path)
    {
        DxfFile f;
        std::ifstream in(path, std::ios::binary);
        f.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::vector<std::string> lines;
        size_t start = 0;
        while (start < f.bytes.size()) {
            size_t end = f.bytes.find("\r\n", start);
            if (end == std::string::npos) {
                f.wellFormed = false;
                break;
            }
            lines.push_back(f.bytes.substr(start, end - start));
            start = end + 2;
        }
        if (lines.size() % 2 != 0)
            f.wellFormed = false;
        for (size_t i = 0; i + 1 < lines.size(); i += 2) {
            std::istringstream code(lines[i]);
            int c = 0;
            if (!(code >> c)) {
                f.wellFormed = false;
                break;
            }
            f.pairs.push_back({c, lines[i + 1]});
        }
        return f;
    }

    // Each object starting at a 0 group, with the following pairs.
    std::vector<std::vector<DxfPair>> objects(const std::string &type) const
    {
        std::vector<std::vector<DxfPair>> out;
        for (size_t i = 0; i < pairs.size(); ++i) {
            if (pairs[i].code != 0 || pairs[i].value != type)
                continue;
            std::vector<DxfPair> object;
            for (size_t j = i; j < pairs.size() && (j == i || pairs[j].code != 0); ++j)
                object.push_back(pairs[j]);
            out.push_back(object);
        }
        return out;
    }
};

inline std::string value(const std::vector<DxfPair> &object, int code, int nth = 0)
{
    for (const DxfPair &p : object)
        if (p.code == code && nth-- == 0)
            return p.value;
    return std::string("<none>");
}

inline double number(const std::vector<DxfPair> &object, int code, int nth = 0)
{
    return std::stod(value(object, code, nth));
}

} // namespace zelvan::test
