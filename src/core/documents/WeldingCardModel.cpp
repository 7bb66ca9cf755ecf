#include "core/documents/WeldingCardModel.h"

#include "core/documents/WeldingCardMessages.h"

namespace zelvan {

namespace {
std::vector<WeldingCardModel::Row> rowsOf(const Table &table, const std::string &number)
{
    std::vector<WeldingCardModel::Row> rows;
    if (number.empty())
        return rows; // an empty 编号 marks deleted rows: they belong to no card
    for (int r = 0; r < table.rowCount(); ++r)
        if (table.cell(r, 0) == number) {
            WeldingCardModel::Row row;
            for (int c = 0; c < table.columns(); ++c)
                row.push_back(table.cell(r, c));
            rows.push_back(std::move(row));
        }
    return rows;
}

WeldingCardModel::Row fitted(WeldingCardModel::Row row, int columns)
{
    row.resize(size_t(columns));
    return row;
}
} // namespace

WeldingCardModel::WeldingCardModel(ProjectRecord &record)
    : m_cards(record.table(TableId::WeldingCards))
    , m_consumables(record.table(TableId::CardConsumables), SlotStore::Reuse::FirstThreeSlots, true)
    , m_parameters(record.table(TableId::CardParameters), SlotStore::Reuse::Never, false)
{
    showAllRows();
}

void WeldingCardModel::showAllRows()
{
    m_consumables.show(nullptr);
    m_parameters.show(nullptr);
}

void WeldingCardModel::showRowsOf(const std::string &number)
{
    m_consumables.show(&number);
    m_parameters.show(&number);
}

std::vector<WeldingCardModel::Row> WeldingCardModel::consumablesOf(const ProjectRecord &record, const std::string &number)
{
    return rowsOf(record.table(TableId::CardConsumables), number);
}

std::vector<WeldingCardModel::Row> WeldingCardModel::parametersOf(const ProjectRecord &record, const std::string &number)
{
    return rowsOf(record.table(TableId::CardParameters), number);
}

std::vector<std::string> WeldingCardModel::qualificationNumbers(const ProjectRecord &record)
{
    std::vector<std::string> numbers;
    const Table &table = record.table(TableId::Qualifications);
    for (int r = 0; r < table.rowCount(); ++r)
        if (!table.cell(r, 0).empty())
            numbers.push_back(table.cell(r, 0));
    return numbers;
}

// Cards: the table is the list, committed whole after every change.

void WeldingCardModel::CardStore::add(const Row &row)
{
    std::vector<Row> rows = m_table.rows();
    rows.push_back(fitted(row, m_table.columns()));
    m_table.assignRows(rows);
}

void WeldingCardModel::CardStore::remove(int index)
{
    std::vector<Row> rows = m_table.rows();
    if (index < 0 || index >= int(rows.size()))
        return;
    rows.erase(rows.begin() + index);
    m_table.assignRows(rows);
}

void WeldingCardModel::CardStore::replace(int index, const Row &row)
{
    std::vector<Row> rows = m_table.rows();
    if (index < 0 || index >= int(rows.size()))
        return;
    rows[size_t(index)] = fitted(row, m_table.columns());
    m_table.assignRows(rows);
}

// Consumable and parameter rows: each list row lives in its own table slot.

WeldingCardModel::SlotStore::SlotStore(Table &table, Reuse reuse, bool refuseDuplicates)
    : m_table(table)
    , m_reuse(reuse)
    , m_refuseDuplicates(refuseDuplicates)
{
}

void WeldingCardModel::SlotStore::show(const std::string *number)
{
    m_shown.clear();
    if (number && number->empty())
        return;
    for (int r = 0; r < m_table.rowCount(); ++r) {
        const std::string &rowNumber = m_table.cell(r, 0);
        if (number ? rowNumber == *number : !rowNumber.empty())
            m_shown.push_back(r);
    }
}

std::vector<WeldingCardModel::Row> WeldingCardModel::SlotStore::listedRows() const
{
    std::vector<Row> rows;
    for (int slot : m_shown) {
        Row row;
        for (int c = 0; c < m_table.columns(); ++c)
            row.push_back(m_table.cell(slot, c));
        rows.push_back(std::move(row));
    }
    return rows;
}

QString WeldingCardModel::SlotStore::refusal(const Row &row, int replacing) const
{
    if (!m_refuseDuplicates)
        return QString();
    // Only the rows shown are compared: the same consumable under another
    // card's 编号 is a different row.
    const Row candidate = fitted(row, m_table.columns());
    for (size_t i = 0; i < m_shown.size(); ++i) {
        if (int(i) == replacing)
            continue;
        bool same = true;
        for (int c = 0; c < m_table.columns() && same; ++c)
            same = m_table.cell(m_shown[i], c) == candidate[size_t(c)];
        if (same)
            return WeldingCardMessages::duplicateRow();
    }
    return QString();
}

int WeldingCardModel::SlotStore::slotForAdd() const
{
    const int count = m_table.rowCount();
    // A consumable takes a freed slot among the first three rows before it
    // grows the table. Only rows inside the count are free slots: a row
    // written beyond the count would be lost when the project is saved.
    if (m_reuse == Reuse::FirstThreeSlots)
        for (int r = 0; r < std::min(3, count); ++r)
            if (m_table.cell(r, 0).empty())
                return r;
    return count < m_table.capacity() ? count : -1;
}

void WeldingCardModel::SlotStore::write(int slot, const Row &row)
{
    for (int c = 0; c < m_table.columns(); ++c)
        m_table.setCell(slot, c, c < int(row.size()) ? row[size_t(c)] : std::string());
}

void WeldingCardModel::SlotStore::add(const Row &row)
{
    const int slot = slotForAdd();
    if (slot < 0)
        return;
    write(slot, row);
    if (slot == m_table.rowCount())
        m_table.setCountText(std::to_string(slot + 1));
    m_shown.push_back(slot);
}

void WeldingCardModel::SlotStore::remove(int index)
{
    if (index < 0 || index >= int(m_shown.size()))
        return;
    m_table.setCell(m_shown[size_t(index)], 0, std::string());
    m_shown.erase(m_shown.begin() + index);
}

void WeldingCardModel::SlotStore::replace(int index, const Row &row)
{
    if (index < 0 || index >= int(m_shown.size()))
        return;
    write(m_shown[size_t(index)], row);
}

} // namespace zelvan
