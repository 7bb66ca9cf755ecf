// The welding procedure card document of a full project: 600 cards, 600
// consumable rows and 600 parameter rows spread over them, saved.
#include "core/documents/WeldingCardDocument.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace zelvan;

namespace {

class YesPrompter : public Prompter {
public:
    void message(const QString &, const QString &, Icon) override { ++messages; }
    bool askYesNo(const QString &, const QString &, Icon) override { return true; }
    Answer askYesNoCancel(const QString &, const QString &, Icon) override { return Answer::Yes; }
    int messages = 0;
};

} // namespace

static void BM_WeldingCards600(benchmark::State &state)
{
    QTemporaryDir project;
    ProjectRecord record;
    record.setField(Field::ProjectDirectory, toGbk(project.path() + QLatin1Char('/')));
    record.setField(Field::ProjectName, "B1");
    record.setField(Field::VesselName, gbk("储罐"));
    std::vector<std::vector<std::string>> cards, consumables, parameters;
    for (int i = 0; i < 600; ++i) {
        const std::string number = "WPS-" + std::to_string(i % 300);
        cards.push_back({number, "PQR-1", gbk("手工焊"), gbk("对接焊缝"), "16MnR", "12", gbk("平焊"), gbk("单边单面V型坡口"),
                         gbk("直流反接"), gbk("焊缝表面不得有裂纹、气孔"), "", "RT", "GB150", "20%", gbk("III级")});
        consumables.push_back({number, "J507", gbk("350℃×1h")});
        parameters.push_back({number, "1", "3.2", "110", "22", "8", ""});
    }
    record.table(TableId::WeldingCards).assignRows(cards);
    record.table(TableId::CardConsumables).assignRows(consumables);
    record.table(TableId::CardParameters).assignRows(parameters);
    const CompanyInfo company = CompanyInfo::initial();
    YesPrompter prompter;
    int written = 0;
    for (auto _ : state) {
        WeldingCardDocument document(record, company, prompter);
        written = static_cast<int>(document.run().files.entries.size());
        benchmark::DoNotOptimize(written);
    }
    state.counters["files"] = written;
    state.counters["messages"] = prompter.messages;
}
BENCHMARK(BM_WeldingCards600)->Unit(benchmark::kMillisecond);
