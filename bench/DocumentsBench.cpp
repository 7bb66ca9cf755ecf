// The Word documents of the scaled sample project, each saved as the program
// saves it (the automation layer, the package writer, the atomic file): the
// process file with its shell part, the welding procedure cards, the weld
// table, the parts list and the certificate. The argument is the number of
// rows of the tables the document prints (capped by their capacity).
#include "BenchProject.h"

#include "core/documents/CertificateDocument.h"
#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/ProductListDocument.h"
#include "core/documents/WeldingCardDocument.h"
#include "core/project/Prompter.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace zelvan;

namespace {

class YesPrompter : public Prompter {
public:
    void message(const QString &, const QString &, Icon) override { ++messages; }
    bool askYesNo(const QString &, const QString &, Icon) override { return true; }
    Answer askYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    int messages = 0;
};

// Runs `make(record, company, prompter).run()` per iteration; a run that
// writes nothing or says anything is an error, not a figure.
template<typename Run>
void runDocument(benchmark::State &state, int rows, int complexity, Run run)
{
    QTemporaryDir project;
    const ProjectRecord record = bench::scaledProject(rows, project.path() + QLatin1Char('/'));
    const CompanyInfo company = bench::benchCompany();
    YesPrompter prompter;
    for (auto _ : state) {
        const ExportResult result = run(record, company, prompter);
        if (!result.written() || result.files.entries.empty()) {
            state.SkipWithError("document not written");
            break;
        }
    }
    if (prompter.messages)
        state.SkipWithError("the document's checks complained");
    state.SetComplexityN(complexity);
}

int rowsOf(benchmark::State &state, TableId id)
{
    return std::min(static_cast<int>(state.range(0)), bench::capacityOf(id));
}

void BM_ProcessFile(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    runDocument(state, n, rowsOf(state, TableId::Nozzles) + rowsOf(state, TableId::Parts),
                [](const ProjectRecord &r, const CompanyInfo &c, Prompter &p) { return ProcessFileGenerator(r, c, p).run(); });
}
BENCHMARK(BM_ProcessFile)->Arg(10)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_WeldingCards(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    runDocument(state, n, rowsOf(state, TableId::WeldingCards),
                [](const ProjectRecord &r, const CompanyInfo &c, Prompter &p) { return WeldingCardDocument(r, c, p).run(); });
}
BENCHMARK(BM_WeldingCards)->Arg(10)->Arg(100)->Arg(600)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_WeldTable(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    runDocument(state, n, rowsOf(state, TableId::Welds), [](const ProjectRecord &r, const CompanyInfo &c, Prompter &p) {
        return ProductListDocument(ProductListDocument::weldTable(), r, c, p).run();
    });
}
BENCHMARK(BM_WeldTable)->Arg(10)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_PartsList(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    runDocument(state, n, rowsOf(state, TableId::Parts), [](const ProjectRecord &r, const CompanyInfo &c, Prompter &p) {
        return ProductListDocument(ProductListDocument::partsList(), r, c, p).run();
    });
}
BENCHMARK(BM_PartsList)->Arg(10)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The certificate prints the tower parameters, not table rows: one size.
void BM_Certificate(benchmark::State &state)
{
    runDocument(state, 600, 1, [](const ProjectRecord &r, const CompanyInfo &c, Prompter &p) {
        return CertificateDocument(r, c, p).run();
    });
}
BENCHMARK(BM_Certificate)->Unit(benchmark::kMillisecond);

} // namespace
