#include "gui/widgets/ListEditController.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/ListRowStore.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

namespace zelvan {

namespace {
// The stored GBK bytes of a cell travel with the list item, so texts that
// are not valid GBK (damaged or hand-made files) are written back unchanged.
constexpr int kStoredRole = Qt::UserRole + 1;

QString info() { return Prompter::titleInformation(); }

ListRowStore::Row gbkRow(const QStringList &row)
{
    ListRowStore::Row cells;
    for (const QString &cell : row)
        cells.push_back(toGbk(cell));
    return cells;
}
} // namespace

ListEditController::ListEditController(CZelvanDoc &doc, TableId table, Prompter &prompter, QWidget *page)
    : QObject(page)
    , m_doc(doc)
    , m_table(table)
    , m_prompter(prompter)
    , m_page(page)
    , m_list(new QTableWidget(page))
    , m_add(new QPushButton(QStringLiteral("添加"), page))
    , m_delete(new QPushButton(QStringLiteral("删除"), page))
    , m_save(new QPushButton(QStringLiteral("保存"), page))
{
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setShowGrid(true);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->setWordWrap(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_save->setEnabled(false);

    connect(m_add, &QPushButton::clicked, this, &ListEditController::add);
    connect(m_delete, &QPushButton::clicked, this, &ListEditController::remove);
    connect(m_save, &QPushButton::clicked, this, &ListEditController::update);
    connect(m_list, &QTableWidget::cellDoubleClicked, this, &ListEditController::modify);
    connect(m_list, &QTableWidget::customContextMenuRequested, this, &ListEditController::showContextMenu);
}

void ListEditController::setColumns(const QList<Column> &columns)
{
    m_list->setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const Column &column : columns)
        headers.append(column.header);
    m_list->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < columns.size(); ++c)
        m_list->setColumnWidth(c, columns.at(c).width);
    m_bindings = QList<QWidget *>(columns.size(), nullptr);
}

void ListEditController::setMultiSelection(bool multi)
{
    m_list->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void ListEditController::bindColumn(int column, QWidget *control)
{
    if (column >= 0 && column < m_bindings.size())
        m_bindings[column] = control;
}

void ListEditController::bindColumns(const QList<QWidget *> &controls, const QStringList &messages)
{
    for (int c = 0; c < controls.size(); ++c) {
        bindColumn(c, controls.at(c));
        if (!messages.value(c).isEmpty())
            addRequired(controls.at(c), messages.at(c));
    }
}

void ListEditController::addRequired(QWidget *control, const QString &message)
{
    m_required.append({control, message});
}

QString ListEditController::controlText(QWidget *control)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    if (auto *box = qobject_cast<QComboBox *>(control))
        return box->isEditable() ? box->currentText() : (box->currentIndex() >= 0 ? box->currentText() : QString());
    if (auto *text = qobject_cast<QTextEdit *>(control))
        return text->toPlainText();
    if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        return plain->toPlainText();
    if (auto *date = qobject_cast<QDateEdit *>(control)) {
        const QDate d = date->date();
        return QString::fromStdString(formatDate(d.year(), d.month(), d.day()));
    }
    return QString();
}

bool ListEditController::controlIsEmpty(QWidget *control)
{
    if (auto *box = qobject_cast<QComboBox *>(control); box && !box->isEditable())
        return box->currentIndex() < 0;
    return controlText(control).isEmpty();
}

void ListEditController::selectExactly(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void ListEditController::setControlText(QWidget *control, const QString &text)
{
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        edit->setText(text);
    else if (auto *box = qobject_cast<QComboBox *>(control)) {
        if (box->isEditable()) {
            selectExactly(box, text);
            box->setEditText(text);
        } else {
            selectExactly(box, text);
        }
    } else if (auto *textEdit = qobject_cast<QTextEdit *>(control))
        textEdit->setPlainText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(control))
        plain->setPlainText(text);
    else if (auto *date = qobject_cast<QDateEdit *>(control)) {
        const std::string s = toGbk(text);
        const QDate d(leadingInt(s.substr(0, 4)), s.size() >= 7 ? leadingInt(s.substr(5, 2)) : 0,
                      s.size() >= 2 ? leadingInt(s.substr(s.size() - 2)) : 0);
        if (d.isValid())
            date->setDate(d);
    }
}

QString ListEditController::capacityMessage(int capacity)
{
    return QStringLiteral("记录数已达上限（%1条），无法添加！").arg(capacity);
}

QStringList ListEditController::composeRow() const
{
    if (m_composer)
        return m_composer();
    QStringList row;
    for (QWidget *control : m_bindings)
        row.append(control ? controlText(control) : QString());
    return row;
}

QString ListEditController::firstFailedCheck(const QStringList &row, int replacing) const
{
    for (const auto &required : m_required)
        if (controlIsEmpty(required.first))
            return required.second;
    if (m_extraCheck)
        if (const QString failed = m_extraCheck(row); !failed.isEmpty())
            return failed;
    if (m_store)
        return m_store->refusal(gbkRow(row), replacing);
    return QString();
}

bool ListEditController::tableFull() const
{
    return m_store ? m_store->full() : m_list->rowCount() >= m_doc.record().table(m_table).capacity();
}

void ListEditController::loadFromRecord()
{
    m_list->setRowCount(0);
    if (m_store) {
        for (const ListRowStore::Row &row : m_store->listedRows()) {
            QStringList cells;
            for (const std::string &cell : row)
                cells.append(fromGbk(cell));
            appendRow(cells);
        }
        return;
    }
    const Table &table = m_doc.record().table(m_table);
    const int n = table.rowCount();
    for (int r = 0; r < n; ++r) {
        QStringList cells;
        QList<QByteArray> stored;
        for (int c = 0; c < table.columns(); ++c) {
            const std::string &cell = table.cell(r, c);
            cells.append(fromGbk(cell));
            stored.append(QByteArray(cell.data(), static_cast<qsizetype>(cell.size())));
        }
        appendRow(cells, stored);
    }
}

QList<QStringList> ListEditController::rows() const
{
    QList<QStringList> result;
    for (int r = 0; r < m_list->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < m_list->columnCount(); ++c)
            row.append(m_list->item(r, c) ? m_list->item(r, c)->text() : QString());
        result.append(row);
    }
    return result;
}

void ListEditController::appendRow(const QStringList &cells, const QList<QByteArray> &stored)
{
    const int r = m_list->rowCount();
    m_list->insertRow(r);
    for (int c = 0; c < m_list->columnCount(); ++c) {
        auto *item = new QTableWidgetItem(cells.value(c));
        if (c < stored.size())
            item->setData(kStoredRole, stored.at(c));
        m_list->setItem(r, c, item);
    }
}

void ListEditController::replaceRow(int r, const QStringList &cells)
{
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_list->setItem(r, c, new QTableWidgetItem(cells.value(c)));
}

void ListEditController::copyBackToRecord()
{
    Table &table = m_doc.record().table(m_table);
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(m_list->rowCount()));
    for (int r = 0; r < m_list->rowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < table.columns(); ++c) {
            const QTableWidgetItem *item = m_list->item(r, c);
            if (!item) {
                row.emplace_back();
                continue;
            }
            const QVariant stored = item->data(kStoredRole);
            if (stored.isValid()) {
                const QByteArray bytes = stored.toByteArray();
                row.emplace_back(bytes.constData(), static_cast<size_t>(bytes.size()));
            } else {
                row.push_back(toGbk(item->text()));
            }
        }
        rows.push_back(std::move(row));
    }
    table.assignRows(rows);
    emit changed();
}

QList<int> ListEditController::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListEditController::setModifying(bool modifying)
{
    m_modifying = modifying;
    m_save->setEnabled(modifying);
    m_add->setEnabled(!modifying);
    m_delete->setEnabled(!modifying);
}

void ListEditController::add()
{
    m_doc.setModifiedFlag(true);
    const QStringList row = composeRow();
    const QString failed = firstFailedCheck(row);
    if (!failed.isEmpty()) {
        m_prompter.message(info(), failed, Prompter::Icon::None);
        return;
    }
    const int capacity = m_doc.record().table(m_table).capacity();
    if (tableFull()) {
        m_prompter.message(info(), capacityMessage(capacity), Prompter::Icon::Warning);
        return;
    }
    if (m_store) {
        m_store->add(gbkRow(row));
        loadFromRecord();
        m_list->scrollToBottom();
        emit changed();
    } else {
        appendRow(row);
        copyBackToRecord();
    }
    m_prompter.message(info(), QStringLiteral("数据添加成功！"), Prompter::Icon::None);
}

void ListEditController::remove()
{
    m_doc.setModifiedFlag(true);
    if (m_list->rowCount() == 0) {
        m_prompter.message(info(), QStringLiteral("内容为空，无法删除！"), Prompter::Icon::None);
        return;
    }
    const QList<int> selected = selectedRows();
    if (selected.isEmpty()) {
        m_prompter.message(info(), QStringLiteral("所选记录为空，无法删除！"), Prompter::Icon::None);
        return;
    }
    QStringList first;
    for (int c = 0; c < m_list->columnCount(); ++c)
        first.append(m_list->item(selected.first(), c) ? m_list->item(selected.first(), c)->text() : QString());
    const QString question = m_deleteQuestion ? m_deleteQuestion(first) : QStringLiteral("是否删除选定记录？");
    if (!m_prompter.askYesNo(info(), question, Prompter::Icon::Question))
        return;
    if (m_store) {
        m_store->remove(selected.first());
        m_list->removeRow(selected.first());
        m_prompter.message(info(), QStringLiteral("数据删除成功！"), Prompter::Icon::None);
        emit changed();
        return;
    }
    for (auto it = selected.crbegin(); it != selected.crend(); ++it) {
        m_list->removeRow(*it);
        m_prompter.message(info(), QStringLiteral("数据删除成功！"), Prompter::Icon::None);
    }
    copyBackToRecord();
}

void ListEditController::modify()
{
    if (m_list->rowCount() == 0)
        return;
    const QList<int> selected = selectedRows();
    if (selected.isEmpty()) {
        m_prompter.message(info(), m_modifyWithoutSelection, m_modifyWithoutSelectionIcon);
        return;
    }
    m_doc.setModifiedFlag(true);
    if (!m_prompter.askYesNo(info(), QStringLiteral("是否修改选定记录？"), Prompter::Icon::Question))
        return;
    setModifying(true);
    QStringList row;
    for (int c = 0; c < m_list->columnCount(); ++c)
        row.append(m_list->item(selected.first(), c) ? m_list->item(selected.first(), c)->text() : QString());
    if (m_loader) {
        m_loader(row);
    } else {
        for (int c = 0; c < m_bindings.size(); ++c)
            if (m_bindings.at(c))
                setControlText(m_bindings.at(c), row.value(c));
    }
}

void ListEditController::update()
{
    if (!m_prompter.askYesNo(info(), QStringLiteral("是否更新选定记录？"), Prompter::Icon::Question))
        return;
    if (m_store) {
        updateInStore();
        return;
    }
    // Checked before anything changes, so an update whose entries fail a
    // check never loses the row being edited; the page stays in modify
    // mode so the user can correct the entry and press "保存" again.
    m_doc.setModifiedFlag(true);
    const QStringList row = composeRow();
    const QString failed = firstFailedCheck(row);
    if (!failed.isEmpty()) {
        m_prompter.message(info(), failed, Prompter::Icon::None);
        return;
    }
    const QList<int> selected = selectedRows();
    if (selected.isEmpty()) {
        // The selection was cleared while modifying: the entries become a
        // new row, as "添加" would make them.
        const int capacity = m_doc.record().table(m_table).capacity();
        if (m_list->rowCount() >= capacity) {
            m_prompter.message(info(), capacityMessage(capacity), Prompter::Icon::Warning);
            return;
        }
        appendRow(row);
    } else {
        // The row keeps its place: the order of courses and plates is the
        // order of the layout drawing and of its heat numbers.
        replaceRow(selected.first(), row);
    }
    copyBackToRecord();
    m_prompter.message(info(), QStringLiteral("数据添加成功！"), Prompter::Icon::None);
    setModifying(false);
}

void ListEditController::updateInStore()
{
    m_doc.setModifiedFlag(true);
    const QStringList row = composeRow();
    const QList<int> selected = selectedRows();
    const int index = selected.isEmpty() ? -1 : selected.first();
    const QString failed = firstFailedCheck(row, index);
    if (!failed.isEmpty()) {
        // The row being edited stays as it was, and so does modify mode.
        m_prompter.message(info(), failed, Prompter::Icon::None);
        return;
    }
    if (index < 0 && tableFull()) {
        // The selection was cleared while editing: the entries would be a new row.
        m_prompter.message(info(), capacityMessage(m_doc.record().table(m_table).capacity()), Prompter::Icon::Warning);
        return;
    }
    if (index < 0)
        m_store->add(gbkRow(row));
    else
        m_store->replace(index, gbkRow(row));
    loadFromRecord();
    if (index >= 0)
        m_list->selectRow(index);
    emit changed();
    m_prompter.message(info(), QStringLiteral("数据添加成功！"), Prompter::Icon::None);
    setModifying(false);
}

void ListEditController::contextModify()
{
    if (selectedRows().isEmpty()) {
        m_prompter.message(info(), QStringLiteral("未选中任何记录！"), Prompter::Icon::Information);
        return;
    }
    modify();
}

void ListEditController::contextDelete()
{
    if (selectedRows().isEmpty()) {
        m_prompter.message(info(), QStringLiteral("未选中任何记录！"), Prompter::Icon::Information);
        return;
    }
    remove();
}

void ListEditController::showContextMenu(const QPoint &pos)
{
    QMenu menu(QStringLiteral("操作"), m_list);
    QAction *modifyAction = menu.addAction(QStringLiteral("修改记录"));
    menu.addSeparator();
    QAction *deleteAction = menu.addAction(QStringLiteral("删除记录"));
    QAction *chosen = menu.exec(m_list->viewport()->mapToGlobal(pos));
    if (chosen == modifyAction)
        contextModify();
    else if (chosen == deleteAction)
        contextDelete();
}

} // namespace zelvan
