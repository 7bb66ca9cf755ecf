// Writing and reading a project whose tables hold n rows each (or their
// capacity), long texts included: at n = 600 every table is full (22,586
// texts). One text in 97 is 70,000 bytes long, as a pasted report would be.
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace zelvan;

namespace {

ProjectRecord filledRecord(int rows, int &texts)
{
    ProjectRecord record;
    const std::string text = gbk("容器-") + "1234";
    const std::string longText(70000, 'L');
    texts = kSingleFieldCount + kProcessFieldCount + kStandardsSelectionSize;
    for (int n = 1; n <= kSingleFieldCount; ++n)
        record.setFieldByNumber(n, n % 10 == 0 ? longText : text);
    for (int p = 1; p <= kProcessFieldCount; ++p)
        record.setProcess(static_cast<ProcessField>(p), text);
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        record.setStandard(s, std::to_string(s));
    for (const TableSpec &spec : allTableSpecs()) {
        Table &table = record.table(spec.id);
        const int n = std::min(rows, spec.capacity);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < spec.columns; ++c)
                table.setCell(r, c, (r + c) % 97 == 0 ? longText : text);
        table.setCountText(std::to_string(n));
        texts += n * spec.columns;
    }
    return record;
}

void BM_WriteProject(benchmark::State &state)
{
    int texts = 0;
    const ProjectRecord record = filledRecord(static_cast<int>(state.range(0)), texts);
    const CompanyInfo company = CompanyInfo::initial();
    size_t size = 0;
    for (auto _ : state) {
        std::string bytes = ProjectArchive::write(record, company);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["texts"] = texts;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
    state.SetComplexityN(texts);
}
BENCHMARK(BM_WriteProject)->Arg(10)->Arg(100)->Arg(600)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_ReadProject(benchmark::State &state)
{
    int texts = 0;
    const std::string bytes = ProjectArchive::write(filledRecord(static_cast<int>(state.range(0)), texts), CompanyInfo::initial());
    for (auto _ : state) {
        ProjectRecord record;
        CompanyInfo company;
        benchmark::DoNotOptimize(ProjectArchive::read(bytes, record, company));
    }
    state.counters["texts"] = texts;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.SetComplexityN(texts);
}
BENCHMARK(BM_ReadProject)->Arg(10)->Arg(100)->Arg(600)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
