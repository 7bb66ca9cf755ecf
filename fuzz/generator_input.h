// The input form of fuzz_generators: a sequence of edits of a project
// record, so that every input is a project and every run reaches the
// generators (an archive or a JSON document mutated at random is mostly
// refused by its reader before any generator sees it).
//
// The first byte picks the output the input is run through (mod kOutputCount,
// in the order of the Output enum); the rest is the edits.
//
// Each edit is one byte naming what it sets, the place for a table cell,
// then the text: one length byte (255: a 16-bit little-endian length
// follows) and the bytes, cut short at the end of the input.
//
//   0..62     field 1..63
//   63..86    process-card field P1..P24
//   87        standards selection: index byte (mod 100)
//   88, 89    company name, company licence
//   90..98    the row count of table 0..8
//   99..107   a cell of table 0..8: row (16 bits, mod capacity), column byte (mod columns)
//   108..255  as the byte mod 108
#pragma once

#include "core/project/ProjectRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzinput {

using zelvan::CompanyInfo;
using zelvan::ProjectRecord;

// One generator per input: a run then costs what that document costs, not
// the sum of all seven, and libFuzzer's coverage feedback still sees every
// generator since the selector byte is mutated like any other.
enum class Output { Layout, ProcessFile, WeldingCards, WeldTable, PartsList, Certificate };
constexpr int kOutputCount = 6;

constexpr int kOpFields = 0;
constexpr int kOpProcess = 63;
constexpr int kOpStandard = 87;
constexpr int kOpCompanyName = 88;
constexpr int kOpCompanyLicence = 89;
constexpr int kOpCount = 90;
constexpr int kOpCell = 99;
constexpr int kOpEnd = 108;

class Bytes {
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string text()
    {
        size_t length = byte();
        if (length == 255)
            length = byte() | (size_t(byte()) << 8);
        if (length > m_size - m_pos)
            length = m_size - m_pos;
        std::string out(reinterpret_cast<const char *>(m_data + m_pos), length);
        m_pos += length;
        return out;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

inline Output decode(const uint8_t *data, size_t size, ProjectRecord &record, CompanyInfo &company)
{
    Bytes in(data, size);
    const auto output = static_cast<Output>(in.byte() % kOutputCount);
    while (!in.atEnd()) {
        const int op = in.byte() % kOpEnd;
        if (op < kOpProcess) {
            record.setFieldByNumber(op - kOpFields + 1, in.text());
        } else if (op < kOpStandard) {
            record.setProcess(static_cast<zelvan::ProcessField>(op - kOpProcess + 1), in.text());
        } else if (op == kOpStandard) {
            const int index = in.byte() % zelvan::kStandardsSelectionSize;
            record.setStandard(index, in.text());
        } else if (op == kOpCompanyName) {
            company.name = in.text();
        } else if (op == kOpCompanyLicence) {
            company.licence = in.text();
        } else if (op < kOpCell) {
            record.table(static_cast<zelvan::TableId>(op - kOpCount)).setCountText(in.text());
        } else {
            zelvan::Table &table = record.table(static_cast<zelvan::TableId>(op - kOpCell));
            const int row = (in.byte() | (in.byte() << 8)) % table.capacity();
            const int column = in.byte() % table.columns();
            table.setCell(row, column, in.text());
        }
    }
    return output;
}

inline void appendText(std::string &out, const std::string &text)
{
    const size_t length = text.size() > 0xFFFF ? 0xFFFF : text.size();
    if (length < 255) {
        out.push_back(static_cast<char>(length));
    } else {
        out.push_back(static_cast<char>(255));
        out.push_back(static_cast<char>(length & 0xFF));
        out.push_back(static_cast<char>(length >> 8));
    }
    out.append(text, 0, length);
}

// The input that runs `output` on `record` and `company`: the selector,
// then the edits that build them from an empty record, every non-empty text
// and every count (seeds for the corpus).
inline std::string encode(Output output, const ProjectRecord &record, const CompanyInfo &company)
{
    std::string out(1, static_cast<char>(output));
    auto put = [&](int op, const std::string &text) {
        if (text.empty())
            return;
        out.push_back(static_cast<char>(op));
        appendText(out, text);
    };
    put(kOpCompanyName, company.name);
    put(kOpCompanyLicence, company.licence);
    for (int n = 1; n <= zelvan::kSingleFieldCount; ++n)
        put(kOpFields + n - 1, record.fieldByNumber(n));
    for (int p = 1; p <= zelvan::kProcessFieldCount; ++p)
        put(kOpProcess + p - 1, record.process(static_cast<zelvan::ProcessField>(p)));
    for (int s = 0; s < zelvan::kStandardsSelectionSize; ++s) {
        if (record.standard(s).empty())
            continue;
        out.push_back(static_cast<char>(kOpStandard));
        out.push_back(static_cast<char>(s));
        appendText(out, record.standard(s));
    }
    for (const zelvan::TableSpec &spec : zelvan::allTableSpecs()) {
        const zelvan::Table &table = record.table(spec.id);
        put(kOpCount + static_cast<int>(spec.id), table.countText());
        for (int r = 0; r < table.rowCount(); ++r) {
            for (int c = 0; c < table.columns(); ++c) {
                if (table.cell(r, c).empty())
                    continue;
                out.push_back(static_cast<char>(kOpCell + static_cast<int>(spec.id)));
                out.push_back(static_cast<char>(r & 0xFF));
                out.push_back(static_cast<char>(r >> 8));
                out.push_back(static_cast<char>(c));
                appendText(out, table.cell(r, c));
            }
        }
    }
    return out;
}

} // namespace fuzzinput
