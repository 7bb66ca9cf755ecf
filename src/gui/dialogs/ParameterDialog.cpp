#include "gui/dialogs/ParameterDialog.h"

#include "gui/dialogs/ReferenceIcons.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/ReferenceTree.h"
#include "gui/dialogs/ReportList.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace zelvan {

ParameterDialog::ParameterDialog(const QString &title, const std::vector<ReferenceNode> &nodes,
                                 const QString &listHeading, const Columns &columns, QWidget *parent)
    : QDialog(parent)
    , m_tree(new ReferenceTree(nodes, ReferenceIcons::categoryIcon(), ReferenceIcons::itemIcon(), this))
    , m_list(new ReportList(columns.first, columns.firstWidth, columns.second, columns.secondWidth, this))
    , m_caption(new QLabel(ReferenceMessages::standardCaption(), this))
    , m_listHeading(new QLabel(listHeading, this))
    , m_close(new QPushButton(ReferenceMessages::close(), this))
{
    setWindowTitle(title);
    setModal(true);
    m_tree->setHeaderHidden(false);
    m_tree->setHeaderLabel(ReferenceMessages::steelCategory());
    m_tree->setMinimumWidth(std::max(m_tree->minimumWidth(), 200));
    m_tree->setObjectName(QStringLiteral("categoryTree"));
    m_list->setObjectName(QStringLiteral("parameterList"));
    // Texts in this caption are shown as written, "<<" included.
    m_caption->setTextFormat(Qt::PlainText);
    m_listHeading->setTextFormat(Qt::PlainText);

    auto *grid = new QGridLayout;
    grid->addWidget(m_tree, 0, 0);
    auto *right = new QVBoxLayout;
    right->addWidget(m_listHeading);
    right->addWidget(m_list, 1);
    grid->addLayout(right, 0, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_caption);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        m_list->clearRows();
        if (current)
            showParameters(current);
    });
    resize(sizeHint().width() + 40, 420);
}

} // namespace zelvan
