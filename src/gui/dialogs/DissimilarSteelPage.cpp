#include "gui/dialogs/DissimilarSteelPage.h"

#include "core/project/Prompter.h"
#include "core/reference/ConsumableTable.h"
#include "gui/dialogs/ReferenceIcons.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReferenceTree.h"
#include "gui/dialogs/ReportList.h"
#include "gui/dialogs/ResultLists.h"

#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QVBoxLayout>

#include <memory>

namespace zelvan {

DissimilarSteelPage::DissimilarSteelPage(Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_tree(new ReferenceTree(ConsumableTable::dissimilarTree(), ReferenceIcons::selectionClassIcon(),
                               ReferenceIcons::selectionNodeIcon(), this))
    , m_manualArc(ResultLists::manualArc(this))
    , m_submergedArc(ResultLists::submergedArc(this))
    , m_argonArc(ResultLists::argonArc(this))
    , m_steel1Field(new QLineEdit(this))
    , m_steel2Field(new QLineEdit(this))
    , m_remark(new QLineEdit(this))
{
    m_tree->setObjectName(QStringLiteral("dissimilarTree"));
    m_steel1Field->setObjectName(QStringLiteral("steel1Field"));
    m_steel2Field->setObjectName(QStringLiteral("steel2Field"));
    m_remark->setObjectName(QStringLiteral("remarkField"));
    for (QLineEdit *field : {m_steel1Field, m_steel2Field, m_remark})
        field->setReadOnly(true);

    auto *steels = new QHBoxLayout;
    steels->addWidget(new QLabel(ReferenceMessages::steel1Label(), this));
    steels->addWidget(m_steel1Field, 1);
    steels->addSpacing(12);
    steels->addWidget(new QLabel(ReferenceMessages::steel2Label(), this));
    steels->addWidget(m_steel2Field, 1);

    auto *remarkRow = new QHBoxLayout;
    remarkRow->addWidget(new QLabel(ReferenceMessages::remarkLabel(), this));
    remarkRow->addWidget(m_remark, 1);

    auto *results = new QVBoxLayout;
    results->addLayout(steels);
    results->addWidget(m_manualArc);
    results->addWidget(m_submergedArc);
    results->addWidget(m_argonArc);
    results->addLayout(remarkRow);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_tree, 0);
    layout->addLayout(results, 1);

    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &DissimilarSteelPage::showContextMenu);
}

QMenu *DissimilarSteelPage::createSteelMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    connect(menu->addAction(ReferenceMessages::setAsSteel1()), &QAction::triggered, this,
            [this] { assignSelected(Steel::First); });
    connect(menu->addAction(ReferenceMessages::setAsSteel2()), &QAction::triggered, this,
            [this] { assignSelected(Steel::Second); });
    return menu;
}

void DissimilarSteelPage::showContextMenu(const QPoint &)
{
    // The menu opens at the cursor and acts on the selected node.
    std::unique_ptr<QMenu> menu(createSteelMenu(this));
    menu->exec(QCursor::pos());
}

void DissimilarSteelPage::assignSelected(Steel steel)
{
    const QList<QTreeWidgetItem *> selection = m_tree->selectedItems();
    if (selection.isEmpty()) {
        m_prompter.information(ReferenceMessages::noSteelSelected());
        return;
    }
    QTreeWidgetItem *selected = selection.first();
    if (steel == Steel::First) {
        m_steel1 = selected;
        m_steel1Field->setText(selected->text(0));
    } else {
        m_steel2 = selected;
        m_steel2Field->setText(selected->text(0));
    }
    // Looked up on every assignment, not only when a field's text changes:
    // 0Cr13 stands under two groups, and choosing the other one must not
    // leave the previous pair's answer on screen.
    if (m_steel1 && m_steel2)
        lookUpPair();
}

std::optional<QString> DissimilarSteelPage::groupOf(const QTreeWidgetItem *item)
{
    return ConsumableTable::groupOf(item->text(0), ReferenceTree::parentText(item));
}

void DissimilarSteelPage::lookUpPair()
{
    const auto group1 = groupOf(m_steel1);
    const auto group2 = groupOf(m_steel2);
    std::optional<ConsumableRecommendation> found;
    if (group1 && group2)
        found = ConsumableTable::dissimilarRecommendation(*group1, *group2);
    const ConsumableRecommendation shown = found.value_or(ConsumableRecommendation{});
    ResultLists::fill(m_manualArc, shown.manualArc);
    ResultLists::fill(m_submergedArc, shown.submergedArc);
    ResultLists::fill(m_argonArc, shown.argonArc);
    m_remark->setText(shown.remark);
}

} // namespace zelvan
