#include "gui/widgets/TablePage.h"

#include "gui/widgets/PageFields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zelvan {

TablePage::TablePage(CZelvanDoc &doc, TableId table, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_prompter(prompter)
    , m_editor(new ListEditController(doc, table, prompter, this))
    , m_grid(new QGridLayout)
{
    m_grid->setHorizontalSpacing(8);
    m_grid->setVerticalSpacing(6);
}

void TablePage::addEntry(int row, int column, const QString &label, QWidget *control, int span)
{
    if (!label.isEmpty())
        m_grid->addWidget(new QLabel(label, this), row, column * 2, Qt::AlignRight | Qt::AlignVCenter);
    m_grid->addWidget(control, row, column * 2 + 1, 1, span * 2 - 1);
}

void TablePage::finishLayout(const QList<QWidget *> &extraButtons, QWidget *besideList)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_editor->addButton());
    buttons->addWidget(m_editor->deleteButton());
    buttons->addWidget(m_editor->saveButton());
    for (QWidget *button : extraButtons)
        buttons->addWidget(button);
    auto *entries = new QHBoxLayout;
    entries->addLayout(m_grid);
    entries->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(entries);
    layout->addLayout(buttons);
    if (besideList) {
        auto *lower = new QHBoxLayout;
        lower->addWidget(m_editor->list(), 1);
        lower->addWidget(besideList);
        layout->addLayout(lower, 1);
    } else {
        layout->addWidget(m_editor->list(), 1);
    }
    // The entries become rows of the project file.
    PageFields::refuseNonGbkIn(this);
    m_editor->loadFromRecord();
}

} // namespace zelvan
