#include "gui/dialogs/ReportList.h"

#include <QHeaderView>
#include <QScrollBar>

namespace zelvan {

ReportList::ReportList(const QString &firstHeader, int firstWidth, const QString &secondHeader, int secondWidth,
                       QWidget *parent)
    : QTableWidget(0, 2, parent)
{
    setHorizontalHeaderLabels({firstHeader, secondHeader});
    setColumnWidth(0, firstWidth);
    setColumnWidth(1, secondWidth);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setMinimumWidth(preferredWidth());
}

void ReportList::clearRows()
{
    setRowCount(0);
}

void ReportList::addRow(const QString &first, const QString &second)
{
    const int row = rowCount();
    insertRow(row);
    setItem(row, 0, new QTableWidgetItem(first));
    setItem(row, 1, new QTableWidgetItem(second));
}

QString ReportList::cell(int row, int column) const
{
    const QTableWidgetItem *it = item(row, column);
    return it ? it->text() : QString();
}

int ReportList::preferredWidth() const
{
    return columnWidth(0) + columnWidth(1) + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

} // namespace zelvan
