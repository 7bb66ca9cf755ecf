#include "core/reference/DryingTable.h"

#include <QHash>

#include <initializer_list>

namespace zelvan {

namespace {

using Texts = std::initializer_list<const char *>;

struct Category {
    const char *text;
    Texts consumables;
};

const Category kTree[] = {
    {"碳钢和低合金钢焊条",
     {"J422", "J426", "J427", "J502", "J506", "J507", "J506RH", "J507RH", "J507MoW", "J557", "J556RH", "J606", "J607",
      "J607RH", "J707", "J707RH"}},
    {"低温钢焊条", {"W607", "W707Ni"}},
    {"钼和铬钼耐热钢焊条", {"R207", "R307", "R307H", "R317", "R407", "R507"}},
    {"铬镍不锈钢焊条",
     {"A102", "A107", "A132", "A137", "A202", "A302", "A207", "A307", "A002", "A022", "A212", "A242"}},
    {"铬不锈钢焊条", {"G202", "G207", "G302", "G307"}},
    {"熔炼焊剂", {"HJ431", "HJ350", "HJ260", "HJ250"}},
    {"烧结焊剂", {"SJ101", "SJ102", "SJ103", "SJ601"}},
};

struct Entry {
    Texts consumables;
    const char *temperature;
    const char *holdingTime;
};

const Entry kTable[] = {
    {{"J422", "J502"}, "150", "1"},
    {{"J426"}, "300", "1"},
    {{"J506", "J507", "J507MoW", "J557", "J427", "J606", "J607", "J707"}, "350", "1"},
    {{"J506RH", "J507RH", "J607RH"}, "350~430", "1"},
    {{"J556RH"}, "400", "1"},
    {{"J707RH"}, "400", "2"},
    {{"W607", "W707Ni", "R207", "R307", "R317", "R407", "R507"}, "350", "1"},
    {{"R307H"}, "400", "1"},
    {{"A102", "A132", "A202", "A302", "A002", "A022", "A212", "A242"}, "150", "1"},
    {{"A107", "A137", "A207", "A307"}, "250", "1"},
    {{"G202", "G302"}, "150", "1"},
    {{"G207"}, "250", "1"},
    {{"G307"}, "200~300", "1"},
    {{"HJ431"}, "250", "2"},
    {{"HJ350", "HJ260"}, "300~400", "2"},
    {{"HJ250", "SJ101", "SJ102", "SJ601"}, "300~350", "2"},
    {{"SJ103"}, "350", "2"},
};

} // namespace

const std::vector<ReferenceNode> &DryingTable::tree()
{
    static const std::vector<ReferenceNode> built = [] {
        std::vector<ReferenceNode> nodes;
        for (const Category &category : kTree) {
            ReferenceNode node{QString::fromUtf8(category.text), {}};
            for (const char *consumable : category.consumables)
                node.children.push_back({QString::fromUtf8(consumable), {}});
            nodes.push_back(std::move(node));
        }
        return nodes;
    }();
    return built;
}

std::optional<DryingParameters> DryingTable::parameters(const QString &consumable)
{
    static const QHash<QString, DryingParameters> index = [] {
        QHash<QString, DryingParameters> built;
        for (const Entry &entry : kTable)
            for (const char *name : entry.consumables)
                built.insert(QString::fromUtf8(name),
                             {QString::fromUtf8(entry.temperature), QString::fromUtf8(entry.holdingTime)});
        return built;
    }();
    const auto it = index.constFind(consumable);
    if (it == index.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace zelvan
