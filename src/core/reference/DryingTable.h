#pragma once

#include "core/reference/ReferenceNode.h"

#include <QString>

#include <optional>
#include <vector>

namespace zelvan {

// Baking temperature and holding time of a welding consumable before use.
struct DryingParameters {
    QString temperature; // "烘干温度(℃)", a value or a range such as "350~430"
    QString holdingTime; // "保持时间(H)"

    bool operator==(const DryingParameters &) const = default;
};

// The compiled-in drying table of common electrodes and fluxes.
class DryingTable {
public:
    // Consumable categories with their consumables.
    static const std::vector<ReferenceNode> &tree();
    // The parameters of a consumable by exact name; none for anything else
    // (a category).
    static std::optional<DryingParameters> parameters(const QString &consumable);
};

} // namespace zelvan
