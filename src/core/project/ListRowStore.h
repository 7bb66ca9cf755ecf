#pragma once

#include <QString>

#include <string>
#include <vector>

namespace zelvan {

// Where a list-editing page keeps the rows of its list when the table is not
// simply the list copied back: a table whose deleted rows keep their slots,
// or a list that shows only some of its table's rows. The list mirrors
// listedRows(); every change goes to the store, which writes the project.
// Rows are GBK texts, one per column; indices count the rows of the list.
class ListRowStore {
public:
    using Row = std::vector<std::string>;

    virtual ~ListRowStore() = default;

    // The rows the list shows now.
    virtual std::vector<Row> listedRows() const = 0;
    // A rule of the table's own (a duplicate check) on a new row, or on an
    // edited row replacing list row `replacing` (-1 for an add): the
    // message that refuses it, or empty.
    virtual QString refusal(const Row &row, int replacing) const
    {
        (void)row;
        (void)replacing;
        return QString();
    }
    // True when an added row would find no room in the table.
    virtual bool full() const = 0;
    // Appends the row to the list and writes it into the table.
    virtual void add(const Row &row) = 0;
    // Removes list row `index` and its row of the table.
    virtual void remove(int index) = 0;
    // Writes the edited row over list row `index`, which keeps its place in
    // the list and in the table.
    virtual void replace(int index, const Row &row) = 0;
};

} // namespace zelvan
