#include "gui/dialogs/ReferenceTree.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>

namespace zelvan {

ReferenceTree::ReferenceTree(const std::vector<ReferenceNode> &nodes, const QIcon &topLevelIcon,
                             const QIcon &nodeIcon, QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    for (const ReferenceNode &node : nodes) {
        auto *item = new QTreeWidgetItem(this, QStringList{node.text});
        item->setIcon(0, topLevelIcon);
        addChildren(item, node.children, nodeIcon);
    }
    // Wide enough that no node of the expanded tree is cut.
    ensurePolished();
    setMinimumWidth(contentWidth() + 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 4);
}

int ReferenceTree::contentWidth() const
{
    auto *self = const_cast<ReferenceTree *>(this);
    QList<QTreeWidgetItem *> collapsed;
    for (QTreeWidgetItemIterator it(self); *it; ++it)
        if ((*it)->childCount() > 0 && !(*it)->isExpanded())
            collapsed.append(*it);
    for (QTreeWidgetItem *item : collapsed)
        item->setExpanded(true);
    const int width = sizeHintForColumn(0);
    for (QTreeWidgetItem *item : collapsed)
        item->setExpanded(false);
    return width;
}

void ReferenceTree::addChildren(QTreeWidgetItem *parent, const std::vector<ReferenceNode> &nodes, const QIcon &icon)
{
    for (const ReferenceNode &node : nodes) {
        auto *item = new QTreeWidgetItem(parent, QStringList{node.text});
        item->setIcon(0, icon);
        addChildren(item, node.children, icon);
    }
}

QTreeWidgetItem *ReferenceTree::findNode(const QString &text, const QString &parentText) const
{
    for (QTreeWidgetItemIterator it(const_cast<ReferenceTree *>(this)); *it; ++it) {
        QTreeWidgetItem *item = *it;
        if (item->text(0) != text)
            continue;
        if (parentText.isEmpty() || ReferenceTree::parentText(item) == parentText)
            return item;
    }
    return nullptr;
}

QString ReferenceTree::parentText(const QTreeWidgetItem *item)
{
    return item && item->parent() ? item->parent()->text(0) : QString();
}

} // namespace zelvan
