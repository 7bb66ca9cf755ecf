#include "gui/dialogs/SameSteelPage.h"

#include "core/reference/ConsumableTable.h"
#include "gui/dialogs/ReferenceIcons.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReferenceTree.h"
#include "gui/dialogs/ReportList.h"
#include "gui/dialogs/ResultLists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zelvan {

SameSteelPage::SameSteelPage(QWidget *parent)
    : QWidget(parent)
    , m_tree(new ReferenceTree(ConsumableTable::sameSteelTree(), ReferenceIcons::selectionClassIcon(),
                               ReferenceIcons::selectionNodeIcon(), this))
    , m_manualArc(ResultLists::manualArc(this))
    , m_submergedArc(ResultLists::submergedArc(this))
    , m_argonArc(ResultLists::argonArc(this))
    , m_co2(new QLineEdit(this))
{
    m_tree->setObjectName(QStringLiteral("sameSteelTree"));
    m_co2->setObjectName(QStringLiteral("co2Field"));
    m_co2->setReadOnly(true);

    auto *co2Row = new QHBoxLayout;
    co2Row->addWidget(new QLabel(ReferenceMessages::co2WireLabel(), this));
    co2Row->addWidget(m_co2, 1);

    auto *results = new QVBoxLayout;
    results->addWidget(m_manualArc);
    results->addWidget(m_submergedArc);
    results->addLayout(co2Row);
    results->addWidget(m_argonArc);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(m_tree, 0);
    layout->addLayout(results, 1);

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current) { showGrade(current); });
}

void SameSteelPage::showGrade(QTreeWidgetItem *item)
{
    // A class node names no grade: everything stays empty.
    const auto recommendation =
        item ? ConsumableTable::sameSteelRecommendation(item->text(0)) : std::nullopt;
    show(recommendation.value_or(ConsumableRecommendation{}));
}

void SameSteelPage::show(const ConsumableRecommendation &recommendation)
{
    ResultLists::fill(m_manualArc, recommendation.manualArc);
    ResultLists::fill(m_submergedArc, recommendation.submergedArc);
    ResultLists::fill(m_argonArc, recommendation.argonArc);
    m_co2->setText(recommendation.co2Wire);
}

} // namespace zelvan
