#pragma once

#include "core/reference/ReferenceNode.h"

#include <QIcon>
#include <QTreeWidget>

#include <vector>

namespace zelvan {

// A tree of reference nodes, built once: top-level nodes carry one icon,
// every deeper node another, each with its own selected variant.
class ReferenceTree : public QTreeWidget {
    Q_OBJECT
public:
    ReferenceTree(const std::vector<ReferenceNode> &nodes, const QIcon &topLevelIcon, const QIcon &nodeIcon,
                  QWidget *parent = nullptr);

    // The first item with this text in tree order whose parent has the given
    // text (any parent when empty); nullptr when there is none.
    QTreeWidgetItem *findNode(const QString &text, const QString &parentText = QString()) const;
    // The text of an item's parent, empty for a top-level item.
    static QString parentText(const QTreeWidgetItem *item);
    // The column width every node needs when the whole tree is expanded.
    int contentWidth() const;

private:
    void addChildren(QTreeWidgetItem *parent, const std::vector<ReferenceNode> &nodes, const QIcon &icon);
};

} // namespace zelvan
