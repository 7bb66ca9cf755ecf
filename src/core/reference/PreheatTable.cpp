#include "core/reference/PreheatTable.h"

#include <initializer_list>

namespace zelvan {

namespace {

using Texts = std::initializer_list<const char *>;

struct Group {
    const char *text;
    Texts grades;
};

// 0Cr13 stands under Fe-6 and Fe-7, and 0Cr17Ni12Mo2 twice under Fe-8, as in
// the shop's table.
const Group kTree[] = {
    {"Fe-1",
     {"20R", "20", "10", "15", "B级", "A级", "Q235-B", "Q235-C", "20g", "20G", "20MnG", "16MnR", "16MnDR", "15MnNiDR",
      "09MnNiDR", "16Mn", "16MnD", "09MnNiD", "09MnD", "15MnVR", "15MnNbR", "08MnNiCrMoVD", "12MnNiVR", "07MnCrMoVR",
      "07MnNiMoVDR"}},
    {"Fe-3",
     {"12CrMo", "12CrMoG", "20MnMo", "20MnMoD", "10MoWVNb", "12SiMoVNb", "13MnNiMoNbR", "18MnMoNbR", "20MnMoNb"}},
    {"Fe-4", {"15CrMoR", "15CrMo", "14Cr1Mo", "14Cr1MoR", "15CrMoG", "12Cr1MoV", "12Cr1MoVG"}},
    {"Fe-5", {"12Cr2Mo1", "12Cr2Mo", "12Cr2Mo1R", "12Cr2MoG", "1Cr5Mo"}},
    {"Fe-6", {"0Cr13"}},
    {"Fe-7", {"0Cr13", "0Cr13Al"}},
    {"Fe-8",
     {"0Cr18Ni9", "00Cr19Ni10", "0Cr17Ni12Mo2", "00Cr17Ni14Mo2", "1Cr18Ni9Ti", "0Cr18Ni10Ti", "0Cr18Ni12Mo2Ti",
      "0Cr19Ni13Mo3", "00Cr19Ni13Mo3", "0Cr17Ni12Mo2"}},
    {"Fe-9", {"10Ni3MoVD"}},
};

struct Row {
    const char *group;
    const char *condition;
    const char *temperature;
};

const Row kRows[] = {
    {"Fe-1", "①规定碳含量＞0.3%且接头厚度＞25mm", "80"},
    {"Fe-1", "②除①外的其它材料", "10"},
    {"Fe-3", "①规定最小抗拉强度＞480MPa或接头厚度＞16mm", "80"},
    {"Fe-3", "②除①外的其它材料", "10"},
    {"Fe-4", "①规定最小抗拉强度＞410MPa或接头厚度＞13mm", "120"},
    {"Fe-4", "②除①外的其它材料", "10"},
    {"Fe-5", "①规定最小抗拉强度＞410MPa", "200"},
    {"Fe-5", "②规定最低铬含量＞6.0%且接头厚度＞13mm", "200"},
    {"Fe-5", "③除①、②外的其它材料", "150"},
    {"Fe-6", "", "200"},
    {"Fe-7", "不预热", ""},
    {"Fe-8", "不预热", ""},
    {"Fe-9", "", "150"},
};

} // namespace

const std::vector<ReferenceNode> &PreheatTable::tree()
{
    static const std::vector<ReferenceNode> built = [] {
        std::vector<ReferenceNode> nodes;
        for (const Group &group : kTree) {
            ReferenceNode node{QString::fromUtf8(group.text), {}};
            for (const char *grade : group.grades)
                node.children.push_back({QString::fromUtf8(grade), {}});
            nodes.push_back(std::move(node));
        }
        return nodes;
    }();
    return built;
}

bool PreheatTable::isGroupName(const QString &text)
{
    for (const Group &group : kTree)
        if (text == QString::fromUtf8(group.text))
            return true;
    return false;
}

std::optional<QString> PreheatTable::groupOf(const QString &nodeText, const QString &parentText)
{
    if (isGroupName(nodeText))
        return nodeText;
    if (isGroupName(parentText))
        return parentText;
    return std::nullopt;
}

QList<PreheatRow> PreheatTable::rows(const QString &group)
{
    QList<PreheatRow> found;
    for (const Row &row : kRows)
        if (group == QString::fromUtf8(row.group))
            found.append({QString::fromUtf8(row.condition), QString::fromUtf8(row.temperature)});
    return found;
}

} // namespace zelvan
