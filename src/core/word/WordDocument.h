#pragma once

#include "core/word/WordModel.h"

#include <QString>

#include <memory>

namespace zelvan {

// The word-processor automation layer: a new document with its selection,
// offering the operations the document exports are written in (type text
// and paragraph marks, switch to the page header, add and fill tables, merge
// and split cells, insert pictures, save). Every failing call throws
// WordError; nothing is written until saveAs.
class WordDocument {
public:
    // Units of the selection moves.
    enum Unit { Character = 1, Line = 5, Cell = 12 };
    // SeekView values.
    enum View { MainText = 0, PageHeader = 9 };

    // Starts the layer with a new empty document (Documents.Add). Returns
    // null when the layer cannot start; the caller shows
    // createDispatchFailedMessage() and writes no file.
    static std::unique_ptr<WordDocument> start();
    static QString createDispatchFailedMessage(); // "CreateDispatch failed."
    // Makes the next start() fail (tests of the callers' failure path).
    static void setStartFailureForTesting(bool fail);

    // Font and paragraph of the selection; the font applies to what is typed
    // next, the alignment to the paragraph(s) of the selection and to the
    // paragraphs that follow them.
    void setBold(bool bold) { m_format.bold = bold; }
    void setUnderline(WordUnderline underline) { m_format.underline = underline; }
    void setSize(double points);
    void setAlignment(WordAlignment alignment);
    const WordRunFormat &font() const { return m_format; }

    // Page flow of the selection, as a word processor's paragraph and row
    // formats. By default the layer already keeps every paragraph that
    // introduces a table or a picture with it (and the blank lines between),
    // prints every row whole on one page and repeats the first row of every
    // table at the top of each page it runs onto; these change it.
    // ParagraphFormat.KeepWithNext of the selected paragraph(s).
    void setKeepWithNext(bool keep);
    // Rows.HeadingFormat of the selection's row: a heading row repeats on
    // each page and stays with the row after it. Only rows at the top of a
    // table are repeated; others keep the flag without effect.
    void setHeadingRow(bool heading);
    // Rows.AllowBreakAcrossPages of the selection's row.
    void setAllowBreakAcrossPages(bool allow);
    // Keeps a table on one page: every row but the last is kept with the
    // row after it (KeepWithNext on their paragraphs).
    void keepTableTogether(int tableId);
    // Draws table `tableId` with the column widths of the earlier table
    // `earlierTableId` of as many columns: the second part of a list that
    // something else interrupted lines up with the first.
    void continueColumnsOf(int tableId, int earlierTableId);
    // AutoFitBehavior(wdAutoFitFixed) after a table was fitted to its
    // content: the columns keep the widths fitted to what the table holds
    // when the document is saved, and the word processor does not re-fit
    // them while the document is edited.
    void fixColumnWidths(int tableId);
    // Table.LeftPadding and RightPadding: the room between each cell's
    // borders and its text, in twips.
    void setCellPadding(int tableId, int twips);

    void typeText(const QString &text);
    void typeParagraph();
    // InsertBreak(wdSectionBreakNextPage): ends the paragraph at the
    // insertion point with a section break; what follows it starts on a new
    // page in a section of the given orientation, with the same margins and
    // page header. Only in the main text, outside tables.
    void startSection(PageOrientation orientation);
    void seekView(int view);

    // Adds a table at the insertion point (which must lie outside tables)
    // and returns its id; the insertion point is left in its first cell.
    int addTable(int rows, int columns, bool fitToContent);
    // Table.Cell(row, column).Select, counted from 1 over the cells of the row.
    void selectCell(int tableId, int row, int column);

    // MoveRight: by Cell (from the last cell a row with the last row's cell
    // layout is appended), by Character with extend = select `count` cells
    // of the row starting with the current one, by Character without extend
    // = move inside the paragraph.
    void moveRight(int unit, int count = 1, bool extend = false);
    // MoveDown/MoveUp by Line: a line is a paragraph or a table row; down
    // from a table's last row leaves the table.
    void moveDown(int unit = Line, int count = 1);
    void moveUp(int unit = Line, int count = 1);

    // Cells.Merge: the selected cells of the row become one cell.
    void mergeCells();
    // Cells.Split(rows, columns, mergeFirst): the current cell becomes
    // `columns` cells of one row sharing its width; its text stays first.
    void splitCells(int rows, int columns, bool mergeFirst = false);

    // InlineShapes.AddPicture: a JPEG or BMP file at the insertion point,
    // sized from its pixel size.
    void addPicture(const QString &path);

    // Writes the package atomically; the document stays usable.
    void saveAs(const QString &path) const;
    QByteArray packageBytes() const;

    const WordDocumentModel &model() const { return m_model; }

    // Where the insertion point is (for tests and callers that check).
    struct Position {
        bool inHeader = false;
        int block = 0;
        int row = -1; // -1 outside tables
        int cell = -1;
        int paragraph = 0;
        int offset = 0;
        int selectedCells = 1;
        bool inTable() const { return row >= 0; }
    };
    const Position &position() const { return m_pos; }

private:
    WordDocument();

    WordStory &story();
    WordParagraph &currentParagraph();
    WordTable &currentTable();
    WordTable &tableById(int id, bool &inHeader, int &block);
    void enterBlock(int block, bool fromAbove);
    void placeInCell(int row, int gridColumn);
    void collapse() { m_pos.selectedCells = 1; }
    void keepIntroductionWith(int block);
    WordRow &currentRow();


    WordDocumentModel m_model;
    WordRunFormat m_format;
    WordRunFormat m_mainTextFormat; // kept while the page header is edited
    Position m_pos;
    Position m_mainTextPos; // kept while the page header is edited
    int m_nextTableId = 1;
};

} // namespace zelvan
