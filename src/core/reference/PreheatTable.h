#pragma once

#include "core/reference/ReferenceNode.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

namespace zelvan {

// One row of the minimum preheat table: the condition it applies under and
// the temperature in degrees Celsius (either may be empty).
struct PreheatRow {
    QString condition;
    QString temperature;

    bool operator==(const PreheatRow &) const = default;
};

// The compiled-in minimum preheat temperatures by steel group Fe-1 … Fe-9.
class PreheatTable {
public:
    // Steel groups with their grades.
    static const std::vector<ReferenceNode> &tree();
    static bool isGroupName(const QString &text);
    // The group a tree node stands for: itself when it is a group, otherwise
    // its parent when that is a group.
    static std::optional<QString> groupOf(const QString &nodeText, const QString &parentText);
    // The rows of a group in display order; empty for anything else.
    static QList<PreheatRow> rows(const QString &group);
};

} // namespace zelvan
