#include "core/project/ProjectRecord.h"

#include "core/project/TextCodec.h"

#include <algorithm>

namespace zelvan {

namespace {
const std::array<TableSpec, kTableCount> kTableSpecs = {{
    {TableId::ShellCourses, "shell_courses", 50, 6},
    {TableId::Nozzles, "nozzles", 80, 14},
    {TableId::Plates, "plates", 50, 7},
    {TableId::Parts, "parts", 80, 13},
    {TableId::Welds, "welds", 80, 19},
    {TableId::WeldingCards, "welding_cards", 600, 15},
    {TableId::CardConsumables, "card_consumables", 600, 3},
    {TableId::CardParameters, "card_parameters", 600, 7},
    {TableId::Qualifications, "qualifications", 180, 17},
}};

const std::string kEmpty;
} // namespace

const std::array<TableSpec, kTableCount> &allTableSpecs() { return kTableSpecs; }

Table::Table(const TableSpec &spec)
    : m_spec(&spec)
{
}

int Table::rowCount() const
{
    const int n = leadingInt(m_count);
    if (n <= 0)
        return 0;
    return std::min(n, capacity());
}

const std::string &Table::cell(int row, int column) const
{
    if (row < 0 || row >= capacity() || column < 0 || column >= columns())
        return kEmpty;
    const size_t index = static_cast<size_t>(row) * columns() + column;
    return index < m_cells.size() ? m_cells[index] : kEmpty;
}

void Table::setCell(int row, int column, std::string text)
{
    if (row < 0 || row >= capacity() || column < 0 || column >= columns())
        return;
    const size_t index = static_cast<size_t>(row) * columns() + column;
    if (index >= m_cells.size()) {
        if (text.empty())
            return;
        m_cells.resize(static_cast<size_t>(row + 1) * columns());
    }
    m_cells[index] = std::move(text);
}

std::vector<std::vector<std::string>> Table::rows() const
{
    std::vector<std::vector<std::string>> result;
    const int n = rowCount();
    result.reserve(static_cast<size_t>(n));
    for (int r = 0; r < n; ++r) {
        std::vector<std::string> row;
        row.reserve(static_cast<size_t>(columns()));
        for (int c = 0; c < columns(); ++c)
            row.push_back(cell(r, c));
        result.push_back(std::move(row));
    }
    return result;
}

bool Table::assignRows(const std::vector<std::vector<std::string>> &rows)
{
    if (rows.size() > static_cast<size_t>(capacity()))
        return false;
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < columns(); ++c)
            setCell(static_cast<int>(r), c, c < static_cast<int>(rows[r].size()) ? rows[r][static_cast<size_t>(c)] : std::string());
    m_count = std::to_string(rows.size());
    return true;
}

ProjectRecord::ProjectRecord()
{
    m_tables.reserve(kTableCount);
    for (const TableSpec &spec : kTableSpecs)
        m_tables.emplace_back(spec);
}

const std::string &ProjectRecord::fieldByNumber(int number) const
{
    if (number == 64)
        return table(TableId::ShellCourses).countText();
    if (number < 1 || number > kSingleFieldCount)
        return kEmpty;
    return m_fields[static_cast<size_t>(number) - 1];
}

void ProjectRecord::setFieldByNumber(int number, std::string text)
{
    if (number == 64)
        table(TableId::ShellCourses).setCountText(std::move(text));
    else if (number >= 1 && number <= kSingleFieldCount)
        m_fields[static_cast<size_t>(number) - 1] = std::move(text);
}

CompanyInfo CompanyInfo::initial()
{
    return {gbk("公司名称"), gbk("许可证编号")};
}

} // namespace zelvan
