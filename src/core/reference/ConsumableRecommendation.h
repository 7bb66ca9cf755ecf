#pragma once

#include <QList>
#include <QString>

namespace zelvan {

// One row of a two-column result list. An empty first cell marks a further
// choice for the second column of the row above (another flux or brand).
struct ConsumableRow {
    QString first;
    QString second;

    bool operator==(const ConsumableRow &) const = default;
};

// The consumables recommended for a grade or a pair of steel groups: rows for
// manual metal-arc, submerged-arc and argon-arc welding, the CO2 wire (same
// steel only) and the remark (dissimilar pairs only).
struct ConsumableRecommendation {
    QList<ConsumableRow> manualArc;
    QList<ConsumableRow> submergedArc;
    QList<ConsumableRow> argonArc;
    QString co2Wire;
    QString remark;

    bool isEmpty() const
    {
        return manualArc.isEmpty() && submergedArc.isEmpty() && argonArc.isEmpty() && co2Wire.isEmpty()
            && remark.isEmpty();
    }
    bool operator==(const ConsumableRecommendation &) const = default;
};

} // namespace zelvan
