#pragma once

#include "core/reference/ConsumableRecommendation.h"
#include "core/reference/ReferenceNode.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zelvan {

// The compiled-in consumable table of the selection tool: which electrodes,
// flux–wire combinations and wires the shop uses for one steel grade, and for
// a joint between two steel groups.
class ConsumableTable {
public:
    // Steel classes with their grades, for the same-steel tab.
    static const std::vector<ReferenceNode> &sameSteelTree();
    // The recommendation for one grade; the lookup depends on the grade text
    // only, so a grade standing under two classes gives one answer. A grade
    // the shop has no consumables for gives an empty recommendation; a text
    // that names no grade (a class node) gives none.
    static std::optional<ConsumableRecommendation> sameSteelRecommendation(const QString &grade);

    // Classes, groups and grades for the dissimilar tab.
    static const std::vector<ReferenceNode> &dissimilarTree();
    // The fifteen steel groups the pair lookup knows, in tree order.
    static const QStringList &groupNames();
    static bool isGroupName(const QString &text);
    // The group a chosen tree node stands for: the node itself when it is a
    // group, otherwise its parent when that is a group; class nodes have none.
    static std::optional<QString> groupOf(const QString &nodeText, const QString &parentText);
    // The recommendation for a joint between two groups, in either order;
    // none when the shop has no entry for the pair.
    static std::optional<ConsumableRecommendation> dissimilarRecommendation(const QString &group1,
                                                                            const QString &group2);
};

} // namespace zelvan
