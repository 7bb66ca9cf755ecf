#pragma once

#include "core/word/WordModel.h"

#include <QByteArray>

#include <string>
#include <vector>

namespace zelvan {

// Serialises the in-memory document as a WordprocessingML package: content
// types, relationships, document, page header, styles and media, A4 in
// portrait or landscape sections, East Asian text in 宋体 and Latin text in
// Times New Roman.
class WordPackageWriter {
public:
    // Page geometry in twips: A4 with the margins of a new document.
    static constexpr int kPageWidth = 11906;
    static constexpr int kPageHeight = 16838;
    static constexpr int kMarginLeftRight = 1800;
    static constexpr int kMarginTopBottom = 1440;
    static constexpr int kTextWidth = kPageWidth - 2 * kMarginLeftRight;
    // A landscape section turns the page and keeps the margins.
    static constexpr int kLandscapeTextWidth = kPageHeight - 2 * kMarginLeftRight;
    static constexpr int sectionTextWidth(PageOrientation orientation)
    {
        return orientation == PageOrientation::Landscape ? kLandscapeTextWidth : kTextWidth;
    }
    static constexpr int kCellPadding = WordTable().cellPadding; // left and right, each, unless a table sets its own

    struct Part {
        std::string name;
        std::string bytes;
        bool compress = true;
    };

    // The whole package as zip bytes. Throws WordError when the container
    // cannot be built.
    static QByteArray write(const WordDocumentModel &model);
    // The parts, in the order they are stored.
    static std::vector<Part> parts(const WordDocumentModel &model);

    static std::string documentXml(const WordDocumentModel &model);
    static std::string headerXml(const WordDocumentModel &model);

    // Appends text as XML character data: markup characters escaped,
    // characters XML 1.0 forbids (most control characters, unpaired
    // surrogates, U+FFFE/U+FFFF) left out.
    static void appendEscaped(std::string &out, const QString &text);

    // Grid column widths (twips) of a table: equal shares of the text width,
    // or for a table fitted to its content, the full width of every column
    // whose content fits its equal share, the rest of the text width for the
    // long columns (see the definition). The text width is that of the
    // section the table is in.
    static std::vector<int> columnWidths(const WordTable &table, const WordDocumentModel &model,
                                         int availableWidth = kTextWidth);
};

} // namespace zelvan
