// Writing and reading a project whose tables hold n rows each (or their
// capacity), long texts included: at n = 600 every table is full (22,586
// texts). One text in 97 is 70,000 bytes long, as a pasted report would be.
#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"
#include "core/project/RandomRecord.h"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace zelvan;

namespace {

// The record of the tests' full project, its tables cut to `rows` rows.
ProjectRecord filledRecord(int rows, int &texts)
{
    texts = kSingleFieldCount + kProcessFieldCount + kStandardsSelectionSize;
    for (const TableSpec &spec : allTableSpecs())
        texts += std::min(rows, spec.capacity) * spec.columns;
    return test::fullRecord(true, rows);
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
