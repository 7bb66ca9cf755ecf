#pragma once

#include "gui/widgets/ListEditController.h"

#include <QWidget>

class QGridLayout;

namespace zelvan {

// Base of every page that edits a table: the entry area (a grid the page
// fills with its labelled controls), the buttons and the list below, all
// driven by one ListEditController.
class TablePage : public QWidget {
    Q_OBJECT
public:
    TablePage(CZelvanDoc &doc, TableId table, Prompter &prompter, QWidget *parent = nullptr);

    ListEditController &editor() { return *m_editor; }
    CZelvanDoc &document() { return m_doc; }

protected:
    // Adds a labelled control to the entry grid at (row, column pair).
    void addEntry(int row, int column, const QString &label, QWidget *control, int span = 1);
    // Places the buttons (plus extra ones) and the list, with `besideList`
    // (if any) to the list's right; call once the entries are in place.
    void finishLayout(const QList<QWidget *> &extraButtons = {}, QWidget *besideList = nullptr);
    QGridLayout *entryGrid() const { return m_grid; }

    CZelvanDoc &m_doc;
    Prompter &m_prompter;

private:
    ListEditController *m_editor;
    QGridLayout *m_grid;
};

} // namespace zelvan
