#pragma once

#include <QString>

#include <vector>

namespace zelvan {

// One node of a reference tree: a steel class, group or grade, a consumable
// category or a consumable. The dialogs build their trees from these, so the
// tree shown and the tree the tests sweep are the same data.
struct ReferenceNode {
    QString text;
    std::vector<ReferenceNode> children;
};

} // namespace zelvan
