#pragma once

#include "core/project/ListRowStore.h"
#include "core/project/ProjectRecord.h"

#include <string>
#include <vector>

namespace zelvan {

// The rules of the welding procedure card page over its three tables.
//
// Cards are kept compact: the card table always holds the card list, in
// list order. Consumable and parameter rows belong to every card with the
// same 编号; they are never compacted: a deleted row keeps its slot with its
// 编号 blanked, and a row with an empty 编号 counts as deleted everywhere.
// The consumable and parameter lists show either every live row (page open)
// or the rows of the card last clicked.
class WeldingCardModel {
public:
    using Row = ListRowStore::Row;

    explicit WeldingCardModel(ProjectRecord &record);
    WeldingCardModel(const WeldingCardModel &) = delete;
    WeldingCardModel &operator=(const WeldingCardModel &) = delete;

    ListRowStore &cards() { return m_cards; }
    ListRowStore &consumables() { return m_consumables; }
    ListRowStore &parameters() { return m_parameters; }

    // Page open: every consumable and parameter row whose 编号 is not empty.
    void showAllRows();
    // Card click: the rows of the card with this 编号; none for an empty
    // 编号 (no card selected).
    void showRowsOf(const std::string &number);

    // The live rows of the card with this 编号, in table order.
    static std::vector<Row> consumablesOf(const ProjectRecord &record, const std::string &number);
    static std::vector<Row> parametersOf(const ProjectRecord &record, const std::string &number);
    // The choices of "工艺评定号": the first column of each qualification
    // row, in table order, empty texts skipped.
    static std::vector<std::string> qualificationNumbers(const ProjectRecord &record);

private:
    class CardStore : public ListRowStore {
    public:
        explicit CardStore(Table &table) : m_table(table) {}
        std::vector<Row> listedRows() const override { return m_table.rows(); }
        bool full() const override { return m_table.rowCount() >= m_table.capacity(); }
        void add(const Row &row) override;
        void remove(int index) override;
        void replace(int index, const Row &row) override;

    private:
        Table &m_table;
    };

    // Rows that keep their table slots; the list maps its rows to slots.
    class SlotStore : public ListRowStore {
    public:
        enum class Reuse { FirstThreeSlots, Never };
        SlotStore(Table &table, Reuse reuse, bool refuseDuplicates);
        std::vector<Row> listedRows() const override;
        QString refusal(const Row &row, int replacing) const override;
        bool full() const override { return slotForAdd() < 0; }
        void add(const Row &row) override;
        void remove(int index) override;
        void replace(int index, const Row &row) override;

        void show(const std::string *number);
        const std::vector<int> &shownSlots() const { return m_shown; }

    private:
        int slotForAdd() const;
        void write(int slot, const Row &row);

        Table &m_table;
        Reuse m_reuse;
        bool m_refuseDuplicates;
        std::vector<int> m_shown;
    };

    CardStore m_cards;
    SlotStore m_consumables;
    SlotStore m_parameters;
};

} // namespace zelvan
