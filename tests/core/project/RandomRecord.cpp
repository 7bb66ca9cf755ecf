#include "RandomRecord.h"

#include "core/project/TextCodec.h"

#include <algorithm>

namespace zelvan::test {

namespace {
std::string randomText(std::mt19937 &rng, bool withLongTexts)
{
    static const std::string chinese = gbk("筒节封头接管板材炉批号椭圆");
    std::uniform_int_distribution<int> kind(0, withLongTexts ? 9 : 6);
    switch (kind(rng)) {
    case 0: return std::string();
    case 1: return "12";
    case 2: return chinese;
    case 3: return std::string(static_cast<size_t>(std::uniform_int_distribution<int>(1, 40)(rng)), 'x');
    case 4: return gbk("φ1200*3600*12");
    case 5: return std::string(254, 'a');
    case 6: return std::string(255, 'b');
    case 7: return std::string(65533, 'c');
    case 8: return std::string(65534, 'd');
    default: return std::string(70000, 'e');
    }
}
} // namespace

ProjectRecord randomRecord(std::mt19937 &rng, bool withLongTexts)
{
    ProjectRecord record;
    for (int n = 1; n <= kSingleFieldCount; ++n)
        record.setFieldByNumber(n, randomText(rng, withLongTexts));
    for (int p = 1; p <= kProcessFieldCount; ++p)
        record.setProcess(static_cast<ProcessField>(p), randomText(rng, withLongTexts));
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        record.setStandard(s, s % 3 == 0 ? std::to_string(s) : std::string());
    for (const TableSpec &spec : allTableSpecs()) {
        Table &table = record.table(spec.id);
        std::uniform_int_distribution<int> rows(0, std::min(spec.capacity, 6));
        const int n = rows(rng);
        // Stale cells beyond the count must never reach the file.
        for (int r = 0; r < n + 2 && r < spec.capacity; ++r)
            for (int c = 0; c < spec.columns; ++c)
                table.setCell(r, c, r < n ? randomText(rng, withLongTexts) : std::string("stale"));
        switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
        case 0: table.setCountText(n == 0 ? std::string() : std::to_string(n)); break;
        case 1: table.setCountText(n == 0 ? std::string("abc") : std::to_string(n) + "abc"); break;
        case 2: table.setCountText(n == 0 ? std::string("-5") : " " + std::to_string(n)); break;
        default: table.setCountText(std::to_string(n)); break;
        }
    }
    return record;
}

CompanyInfo randomCompany(std::mt19937 &rng)
{
    return {randomText(rng, false) + gbk("压力容器厂"), randomText(rng, false)};
}

ProjectRecord fullRecord(bool withLongTexts, int rowsPerTable)
{
    ProjectRecord record;
    const std::string text = gbk("容器-") + "1234";
    const std::string longText(withLongTexts ? 70000 : 300, 'L');
    for (int n = 1; n <= kSingleFieldCount; ++n)
        record.setFieldByNumber(n, n % 10 == 0 ? longText : text);
    for (int p = 1; p <= kProcessFieldCount; ++p)
        record.setProcess(static_cast<ProcessField>(p), text);
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        record.setStandard(s, std::to_string(s));
    for (const TableSpec &spec : allTableSpecs()) {
        Table &table = record.table(spec.id);
        const int rows = std::min(rowsPerTable, spec.capacity);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < spec.columns; ++c)
                table.setCell(r, c, (r + c) % 97 == 0 ? longText : text);
        table.setCountText(std::to_string(rows));
    }
    return record;
}

} // namespace zelvan::test
