#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <variant>
#include <vector>

// The in-memory document the automation layer types into: a body and a page
// header, each a sequence of paragraphs and tables. Plain data; the rules of
// moving and typing live in WordDocument, the file format in WordPackageWriter.
namespace zelvan {

enum class WordUnderline { None, Single, Double };
enum class WordAlignment { Left, Centre };
enum class PageOrientation { Portrait, Landscape };

// Font size of the page header's style ("小五"): what the header's text takes
// unless a size is set there.
constexpr double kWordHeaderStyleSize = 9;

struct WordRunFormat {
    bool bold = false;
    WordUnderline underline = WordUnderline::None;
    double size = 10.5; // points; a new document's body text ("五号")
    bool operator==(const WordRunFormat &) const = default;
};

// A run is text in one format, or one inline picture (length 1).
struct WordRun {
    QString text;
    WordRunFormat format;
    int picture = -1; // index into WordDocumentModel::pictures
    bool isPicture() const { return picture >= 0; }
    int length() const { return isPicture() ? 1 : int(text.size()); }
};

struct WordParagraph {
    WordAlignment alignment = WordAlignment::Left;
    std::vector<WordRun> runs;
    // Format of the paragraph mark: it sets the height of an empty line.
    WordRunFormat markFormat;
    // Kept on one page with the paragraph (or table row) that follows: a
    // title or caption never stays alone at the foot of a page.
    bool keepWithNext = false;
    // The paragraph mark is a section break: the paragraph is the last of
    // its section, and the page setup up to here is that section's.
    bool endsSection = false;
    int length() const;
    QString text() const; // pictures are left out
};

struct WordCell {
    int span = 1; // grid columns covered (a horizontal merge)
    std::vector<WordParagraph> paragraphs;
    // A cell split from a wider one is drawn as an equal share of it, as a
    // word processor splits: part splitIndex of splitCount of the width of
    // the grid columns [splitStart, splitStart + splitSpan).
    int splitIndex = 0;
    int splitCount = 1;
    int splitStart = 0;
    int splitSpan = 0;
    QString text() const; // paragraphs joined with '\n'
};

struct WordRow {
    std::vector<WordCell> cells;
    // A row is printed whole on one page unless allowed to break.
    bool allowBreakAcrossPages = false;
    // A heading row is repeated at the top of every page the table runs
    // onto; only the rows at the top of a table can be headings.
    bool heading = false;
    int gridWidth() const;
};

struct WordTable {
    int id = 0;
    int gridColumns = 0;
    bool fitToContent = false;
    // Fitted widths written as a fixed layout (only with fitToContent).
    bool widthsFixed = false;
    // Room between a cell's border and its text, left and right, in twips
    // (Word's default 0.19 cm).
    int cellPadding = 108;
    // A table that goes on with the columns of an earlier one (a list cut in
    // two by a picture) is drawn with that table's column widths, so the two
    // parts line up and a column narrow in this part alone does not wrap.
    int columnsOf = 0; // id of that table; 0 = its own widths
    std::vector<WordRow> rows;
    // The number of heading rows: the unbroken run of heading rows at the top.
    int headingRows() const;
};

using WordBlock = std::variant<WordParagraph, WordTable>;

struct WordStory {
    std::vector<WordBlock> blocks;
};

struct WordPicture {
    QString sourcePath;
    QByteArray bytes;
    QString extension;   // "jpeg" or "bmp": the media part's extension
    QString contentType; // its MIME type
    QSize pixelSize;
};

// Page setup of a section of the body. Sections follow each other on new
// pages; every one carries the same page header.
struct WordSection {
    PageOrientation orientation = PageOrientation::Portrait;
};

struct WordDocumentModel {
    WordStory body;
    // The body's sections in order: the k-th paragraph of the body that ends
    // a section ends sections[k]; the last section runs to the body's end.
    std::vector<WordSection> sections{WordSection{}};
    WordStory header;
    std::vector<WordPicture> pictures;
};

inline int WordParagraph::length() const
{
    int n = 0;
    for (const WordRun &run : runs)
        n += run.length();
    return n;
}

inline QString WordParagraph::text() const
{
    QString s;
    for (const WordRun &run : runs)
        if (!run.isPicture())
            s += run.text;
    return s;
}

inline QString WordCell::text() const
{
    QString s;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i)
            s += QLatin1Char('\n');
        s += paragraphs[i].text();
    }
    return s;
}

inline int WordRow::gridWidth() const
{
    int n = 0;
    for (const WordCell &cell : cells)
        n += cell.span;
    return n;
}

inline int WordTable::headingRows() const
{
    int n = 0;
    while (n < int(rows.size()) && rows[size_t(n)].heading)
        ++n;
    return n;
}

} // namespace zelvan
