// Writing and reading a project whose every table is full (22,586 texts,
// long texts included).
#include "../tests/core/project/RandomRecord.h"

#include "core/project/ProjectArchive.h"

#include <benchmark/benchmark.h>

using namespace zelvan;

static void BM_WriteFullProject(benchmark::State &state)
{
    const ProjectRecord record = test::fullRecord(true);
    const CompanyInfo company = CompanyInfo::initial();
    for (auto _ : state) {
        std::string bytes = ProjectArchive::write(record, company);
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_WriteFullProject)->Unit(benchmark::kMillisecond);

static void BM_ReadFullProject(benchmark::State &state)
{
    const std::string bytes = ProjectArchive::write(test::fullRecord(true), CompanyInfo::initial());
    state.counters["bytes"] = static_cast<double>(bytes.size());
    for (auto _ : state) {
        ProjectRecord record;
        CompanyInfo company;
        benchmark::DoNotOptimize(ProjectArchive::read(bytes, record, company));
    }
}
BENCHMARK(BM_ReadFullProject)->Unit(benchmark::kMillisecond);
