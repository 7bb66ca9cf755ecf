#include "core/word/WordPackageWriter.h"

#include "core/project/TextAdvance.h"
#include "core/word/WordError.h"

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace zelvan {

namespace {

constexpr const char *kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char *kNamespaces =
    " xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\""
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\""
    " xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\""
    " xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";
constexpr const char *kRelationshipType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr qint64 kEmuPerTwip = 635;
constexpr qint64 kEmuPerPixel = 9525; // pictures are laid out at 96 pixels per inch

bool isAllowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

std::string number(qint64 n)
{
    return std::to_string(n);
}

int halfPoints(double points)
{
    return int(std::lround(points * 2));
}

// Scales `widths` in proportion so that they add up to `total`: each edge
// is rounded down from its exact place, the last lands on `total`.
void stretchTo(std::vector<int> &widths, int total)
{
    qint64 sum = 0;
    for (int w : widths)
        sum += w;
    if (sum <= 0)
        return;
    qint64 running = 0;
    int edge = 0;
    for (int &w : widths) {
        running += w;
        const int next = &w == &widths.back() ? total : int(running * total / sum);
        w = next - edge;
        edge = next;
    }
}

// Width of a character below U+2000 in twips at `em`.
int latinWidth(QChar c, int em)
{
    return em * characterAdvancePerMille(c.unicode()) / 1000;
}

// Width a line of text takes, in twips: full-width (CJK) characters one em,
// the others by latinWidth, a tab a default tab stop.
int textWidth(const QString &text, double points)
{
    int widest = 0;
    int width = 0;
    const int em = int(points * 20);
    for (QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            widest = std::max(widest, width);
            width = 0;
        } else if (c == QLatin1Char('\t')) {
            width += 420;
        } else if (c.unicode() >= 0x2E80 || (c.unicode() >= 0x2000 && c.unicode() < 0x2070)) {
            width += em;
        } else {
            width += latinWidth(c, em);
        }
    }
    return std::max(widest, width);
}

// Width of the widest piece a line cannot be broken inside: a run of Latin
// letters and digits, or one full-width character.
int unbreakableWidth(const QString &text, double points)
{
    const int em = int(points * 20);
    int widest = 0;
    int word = 0;
    for (QChar c : text) {
        if (c.unicode() < 0x2000 && !c.isSpace()) {
            word += latinWidth(c, em);
            widest = std::max(widest, word);
        } else {
            word = 0;
            if (!c.isSpace())
                widest = std::max(widest, em);
        }
    }
    return widest;
}

struct PictureExtent {
    qint64 cx;
    qint64 cy;
};

PictureExtent pictureExtent(const WordPicture &picture, int maxWidthTwips)
{
    qint64 cx = qint64(picture.pixelSize.width()) * kEmuPerPixel;
    qint64 cy = qint64(picture.pixelSize.height()) * kEmuPerPixel;
    const qint64 maxCx = qint64(std::max(maxWidthTwips, 1)) * kEmuPerTwip;
    if (cx > maxCx) {
        cy = cy * maxCx / cx;
        cx = maxCx;
    }
    return {cx, std::max<qint64>(cy, 1)};
}

// Page setup of a section, in the order the schema gives it: the page
// header (the same on every page of every section), page size, margins,
// columns.
std::string sectionProperties(const WordSection &section)
{
    using W = WordPackageWriter;
    const bool landscape = section.orientation == PageOrientation::Landscape;
    const int width = landscape ? W::kPageHeight : W::kPageWidth;
    const int height = landscape ? W::kPageWidth : W::kPageHeight;
    return "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdHeader\"/>"
           "<w:pgSz w:w=\"" + number(width) + "\" w:h=\"" + number(height) + "\""
        + (landscape ? " w:orient=\"landscape\"" : "") + "/>"
           "<w:pgMar w:top=\"" + number(W::kMarginTopBottom) + "\" w:right=\"" + number(W::kMarginLeftRight) + "\" w:bottom=\""
        + number(W::kMarginTopBottom) + "\" w:left=\"" + number(W::kMarginLeftRight) + "\" w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/>"
           "<w:cols w:space=\"425\"/></w:sectPr>";
}

void appendEscapedText(std::string &out, QStringView text);

class StoryWriter {
public:
    StoryWriter(const WordDocumentModel &model, std::string &out, bool header, int &drawingId)
        : m_model(model), m_out(out), m_header(header), m_drawingId(drawingId) {}

    void blocks(const WordStory &story)
    {
        bool afterTable = false;
        size_t section = 0;
        auto currentSection = [&]() -> const WordSection & {
            return m_model.sections[std::min(section, m_model.sections.size() - 1)];
        };
        for (size_t b = 0; b < story.blocks.size(); ++b) {
            const WordBlock &block = story.blocks[b];
            m_textWidth = m_header ? WordPackageWriter::kTextWidth
                                   : WordPackageWriter::sectionTextWidth(currentSection().orientation);
            m_textHeight = (currentSection().orientation == PageOrientation::Landscape ? WordPackageWriter::kPageWidth
                                                                                      : WordPackageWriter::kPageHeight)
                - 2 * WordPackageWriter::kMarginTopBottom;
            if (const auto *p = std::get_if<WordParagraph>(&block)) {
                // The last paragraph of a section carries its page setup.
                const bool ends = !m_header && p->endsSection;
                paragraph(*p, m_textWidth, ends ? &currentSection() : nullptr);
                if (ends)
                    ++section;
                afterTable = false;
            } else {
                // Word processors join two tables that touch into one, and
                // the second would lose its own heading row; a line of one
                // point keeps them apart without a visible gap.
                if (afterTable)
                    m_out += "<w:p><w:pPr><w:keepNext/><w:spacing w:before=\"0\" w:after=\"0\" w:line=\"20\" w:lineRule=\"exact\"/>"
                             "<w:rPr><w:sz w:val=\"2\"/><w:szCs w:val=\"2\"/></w:rPr></w:pPr></w:p>";
                const auto &t = std::get<WordTable>(block);
                // A table of heading rows only (a card's name and number)
                // that touches the next table is written as the top of that
                // table. Word processors keep a table's heading rows with its
                // first row, but not every one keeps one table with the
                // next: written apart, the card's title and name row could
                // end a page with its steps on the next.
                const WordTable *next = b + 1 < story.blocks.size() ? std::get_if<WordTable>(&story.blocks[b + 1]) : nullptr;
                if (next && !next->rows.empty() && isHeadingOnly(t)) {
                    table(*next, &t);
                    ++b;
                } else {
                    table(t);
                }
                afterTable = true;
            }
        }
    }

private:
    // Run properties in the order the WordprocessingML schema gives them
    // (bold, size, underline). Header text leaves the size to the header
    // style unless it was given another one.
    // Written straight into the part: a document of many cards has tens of
    // thousands of runs, and temporary strings per run cost more than the
    // text itself.
    void runProperties(const WordRunFormat &format)
    {
        const bool size = !m_header || format.size != kWordHeaderStyleSize;
        if (!format.bold && !size && format.underline == WordUnderline::None)
            return;
        m_out += "<w:rPr>";
        if (format.bold)
            m_out += "<w:b/><w:bCs/>";
        if (size) {
            char value[16];
            const int length = std::snprintf(value, sizeof value, "%d", halfPoints(format.size));
            m_out += "<w:sz w:val=\"";
            m_out.append(value, size_t(length));
            m_out += "\"/><w:szCs w:val=\"";
            m_out.append(value, size_t(length));
            m_out += "\"/>";
        }
        if (format.underline == WordUnderline::Single)
            m_out += "<w:u w:val=\"single\"/>";
        else if (format.underline == WordUnderline::Double)
            m_out += "<w:u w:val=\"double\"/>";
        m_out += "</w:rPr>";
    }

    void textRun(const WordRun &run)
    {
        m_out += "<w:r>";
        runProperties(run.format);
        // Tabs and line breaks inside a text are elements of their own; the
        // other characters go out as escaped character data.
        const QString &text = run.text;
        qsizetype start = 0;
        auto flush = [&](qsizetype end) {
            if (end > start) {
                m_out += "<w:t xml:space=\"preserve\">";
                appendEscapedText(m_out, QStringView(text).mid(start, end - start));
                m_out += "</w:t>";
            }
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\t')) {
                flush(i);
                m_out += "<w:tab/>";
                start = i + 1;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                flush(i);
                m_out += "<w:br/>";
                if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                    ++i;
                start = i + 1;
            }
        }
        flush(text.size());
        m_out += "</w:r>";
    }

    void pictureRun(const WordRun &run, int maxWidth)
    {
        const WordPicture &picture = m_model.pictures[size_t(run.picture)];
        const PictureExtent e = pictureExtent(picture, maxWidth);
        const std::string id = number(++m_drawingId);
        const std::string name = "image" + number(run.picture + 1) + "." + picture.extension.toStdString();
        const std::string cx = number(e.cx);
        const std::string cy = number(e.cy);
        m_out += "<w:r>";
        runProperties(run.format);
        m_out += "<w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\"><wp:extent cx=\"" + cx + "\" cy=\"" + cy
            + "\"/><wp:docPr id=\"" + id + "\" name=\"Picture " + id
            + "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/></wp:cNvGraphicFramePr>"
              "<a:graphic><a:graphicData uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
              "<pic:nvPicPr><pic:cNvPr id=\"" + id + "\" name=\"" + name + "\"/><pic:cNvPicPr/></pic:nvPicPr>"
              "<pic:blipFill><a:blip r:embed=\"rIdPicture" + number(run.picture + 1)
            + "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>"
              "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"" + cx + "\" cy=\"" + cy
            + "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
              "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
    }

    void paragraph(const WordParagraph &p, int maxWidth, const WordSection *endsSection = nullptr)
    {
        m_out += "<w:p><w:pPr>";
        if (m_header)
            m_out += "<w:pStyle w:val=\"Header\"/>";
        if (p.keepWithNext)
            m_out += "<w:keepNext/>";
        m_out += p.alignment == WordAlignment::Centre ? "<w:jc w:val=\"center\"/>" : "<w:jc w:val=\"left\"/>";
        runProperties(p.markFormat);
        if (endsSection)
            m_out += sectionProperties(*endsSection);
        m_out += "</w:pPr>";
        for (const WordRun &run : p.runs) {
            if (run.isPicture())
                pictureRun(run, maxWidth);
            else
                textRun(run);
        }
        m_out += "</w:p>";
    }

    // Height the text of a row takes, in twips, roughly: its tallest cell,
    // each paragraph as many lines as its text needs at the cell's width.
    // Pictures do not count: a picture cannot be cut, so breaking its row
    // would only leave an empty piece of it behind.
    int estimatedTextHeight(const WordRow &row, const std::vector<std::pair<int, int>> &cellEdges, int padding) const
    {
        int tallest = 0;
        for (size_t c = 0; c < row.cells.size() && c < cellEdges.size(); ++c) {
            const int width = std::max(cellEdges[c].second - cellEdges[c].first - 2 * padding, 1);
            int height = 0;
            for (const WordParagraph &p : row.cells[c].paragraphs) {
                int text = 0;
                int lineHeight = 0;
                for (const WordRun &run : p.runs) {
                    if (!run.isPicture()) {
                        text += textWidth(run.text, run.format.size);
                        lineHeight = std::max(lineHeight, int(run.format.size * 26)); // single spacing, about 1.3 em
                    }
                }
                if (!lineHeight)
                    lineHeight = 12 * 26;
                height += lineHeight * std::max(1, (text + width - 1) / width);
            }
            tallest = std::max(tallest, height);
        }
        return tallest;
    }

    static bool isHeadingOnly(const WordTable &t)
    {
        return !t.rows.empty() && t.headingRows() == int(t.rows.size());
    }

    // Cell edges in twips of each row of a table drawn with the given column
    // widths. Split cells share their parent's width, which can add edges of
    // their own: equally, or in a table fitted to its content, fitted to the
    // split cells of all rows split alike (a list inside a card: "20#φ219×6/
    // 200" beside a quantity of "1").
    std::vector<std::vector<std::pair<int, int>>> rowEdges(const WordTable &t, const std::vector<int> &widths,
                                                           int scaledTotal = 0) const
    {
        std::vector<int> columnX{0};
        for (int w : widths)
            columnX.push_back(columnX.back() + w);
        if (scaledTotal && columnX.back())
            for (int &x : columnX)
                x = int(qint64(x) * scaledTotal / columnX.back());
        auto x = [&](int gridColumn) { return columnX[size_t(std::clamp(gridColumn, 0, int(widths.size())))]; };
        // The parts of one split, left edge of each relative to the parent,
        // by (start, span, count).
        std::map<std::tuple<int, int, int>, std::vector<int>> splits;
        auto splitEdges = [&](const WordCell &cell, int parentWidth) -> const std::vector<int> & {
            const auto key = std::make_tuple(cell.splitStart, cell.splitSpan, cell.splitCount);
            auto found = splits.find(key);
            if (found != splits.end())
                return found->second;
            std::vector<int> parts(size_t(cell.splitCount) + 1, 0);
            if (t.fitToContent && parentWidth > 0) {
                WordTable split;
                split.gridColumns = cell.splitCount;
                split.fitToContent = true;
                split.cellPadding = t.cellPadding;
                for (const WordRow &row : t.rows) {
                    WordRow part;
                    for (const WordCell &c : row.cells)
                        if (c.splitCount == cell.splitCount && c.splitStart == cell.splitStart && c.splitSpan == cell.splitSpan) {
                            part.cells.push_back(c);
                            part.cells.back().span = 1;
                        }
                    if (int(part.cells.size()) == cell.splitCount)
                        split.rows.push_back(std::move(part));
                }
                std::vector<int> fitted = WordPackageWriter::columnWidths(split, m_model, parentWidth);
                // The parts fill their parent: content narrower than it
                // widens every part in proportion.
                stretchTo(fitted, parentWidth);
                for (size_t i = 0; i < fitted.size() && i + 1 < parts.size(); ++i)
                    parts[i + 1] = parts[i] + fitted[i];
            } else {
                for (int i = 0; i <= cell.splitCount; ++i)
                    parts[size_t(i)] = parentWidth * i / cell.splitCount;
            }
            return splits.emplace(key, std::move(parts)).first->second;
        };
        std::vector<std::vector<std::pair<int, int>>> edges;
        for (const WordRow &row : t.rows) {
            std::vector<std::pair<int, int>> cellEdges;
            int column = 0;
            for (const WordCell &cell : row.cells) {
                int left = x(column);
                int right = x(column + cell.span);
                if (cell.splitCount > 1) {
                    const int parentLeft = x(cell.splitStart);
                    const int parentWidth = x(cell.splitStart + cell.splitSpan) - parentLeft;
                    const std::vector<int> &parts = splitEdges(cell, parentWidth);
                    left = parentLeft + parts[size_t(cell.splitIndex)];
                    right = parentLeft + parts[size_t(cell.splitIndex) + 1];
                }
                column += cell.span;
                cellEdges.emplace_back(left, right);
            }
            edges.push_back(std::move(cellEdges));
        }
        return edges;
    }

    // Writes table `t`; the rows of `top` (heading rows only), when given,
    // come first, drawn with their own column widths over the same width.
    void table(const WordTable &t, const WordTable *top = nullptr)
    {
        const std::vector<int> widths = WordPackageWriter::columnWidths(t, m_model, m_textWidth);
        int total = 0;
        for (int w : widths)
            total += w;
        m_out += "<w:tbl><w:tblPr><w:tblW w:w=\"" + number(total) + "\" w:type=\"dxa\"/><w:tblBorders>";
        for (const char *edge : {"top", "left", "bottom", "right", "insideH", "insideV"})
            m_out += std::string("<w:") + edge + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
        m_out += "</w:tblBorders>";
        m_out += t.fitToContent && !t.widthsFixed ? "<w:tblLayout w:type=\"autofit\"/>" : "<w:tblLayout w:type=\"fixed\"/>";
        m_out += "<w:tblCellMar><w:left w:w=\"" + number(t.cellPadding) + "\" w:type=\"dxa\"/><w:right w:w=\""
            + number(t.cellPadding) + "\" w:type=\"dxa\"/></w:tblCellMar>"
            "<w:tblLook w:val=\"0000\" w:firstRow=\"0\" w:lastRow=\"0\" w:firstColumn=\"0\" w:lastColumn=\"0\" w:noHBand=\"0\" w:noVBand=\"0\"/>"
            "</w:tblPr><w:tblGrid>";
        std::vector<const WordRow *> rows;
        std::vector<std::vector<std::pair<int, int>>> edges;
        if (top) {
            edges = rowEdges(*top, WordPackageWriter::columnWidths(*top, m_model, m_textWidth), total);
            for (const WordRow &row : top->rows)
                rows.push_back(&row);
        }
        for (auto &e : rowEdges(t, widths))
            edges.push_back(std::move(e));
        for (const WordRow &row : t.rows)
            rows.push_back(&row);
        // The grid is every column edge and every edge of every row.
        std::set<int> grid{0};
        for (int w : widths)
            grid.insert(*grid.rbegin() + w);
        for (const auto &cellEdges : edges)
            for (const auto &[left, right] : cellEdges) {
                grid.insert(left);
                grid.insert(right);
            }
        const std::vector<int> gridX(grid.begin(), grid.end());
        for (size_t i = 1; i < gridX.size(); ++i)
            m_out += "<w:gridCol w:w=\"" + number(gridX[i] - gridX[i - 1]) + "\"/>";
        m_out += "</w:tblGrid>";
        auto gridIndex = [&](int edge) { return int(std::lower_bound(gridX.begin(), gridX.end(), edge) - gridX.begin()); };
        const size_t headingRows = (top ? top->rows.size() : 0) + size_t(t.headingRows());
        for (size_t r = 0; r < rows.size(); ++r) {
            const WordRow &row = *rows[r];
            m_out += "<w:tr>";
            // A row is kept whole on its page, unless it is so tall (a page
            // of test instructions) that keeping it whole would push the
            // card's title, header and heading rows to a page of their own.
            const bool keepWhole = !row.allowBreakAcrossPages
                && (r < headingRows || estimatedTextHeight(row, edges[r], t.cellPadding) <= m_textHeight / 3);
            if (keepWhole || r < headingRows) {
                m_out += "<w:trPr>";
                if (keepWhole)
                    m_out += "<w:cantSplit/>";
                if (r < headingRows)
                    m_out += "<w:tblHeader/>";
                m_out += "</w:trPr>";
            }
            for (size_t c = 0; c < row.cells.size(); ++c) {
                const auto [left, right] = edges[r][c];
                const int width = right - left;
                const int span = gridIndex(right) - gridIndex(left);
                m_out += "<w:tc><w:tcPr><w:tcW w:w=\"";
                appendNumber(width);
                m_out += "\" w:type=\"dxa\"/>";
                if (span > 1) {
                    m_out += "<w:gridSpan w:val=\"";
                    appendNumber(span);
                    m_out += "\"/>";
                }
                m_out += "</w:tcPr>";
                for (const WordParagraph &p : row.cells[c].paragraphs)
                    paragraph(p, width - 2 * t.cellPadding);
                m_out += "</w:tc>";
            }
            m_out += "</w:tr>";
        }
        m_out += "</w:tbl>";
    }

    void appendNumber(int n)
    {
        char value[16];
        const int length = std::snprintf(value, sizeof value, "%d", n);
        m_out.append(value, size_t(length));
    }

    const WordDocumentModel &m_model;
    std::string &m_out;
    bool m_header;
    int &m_drawingId;
    int m_textWidth = WordPackageWriter::kTextWidth; // of the section being written
    int m_textHeight = WordPackageWriter::kPageHeight - 2 * WordPackageWriter::kMarginTopBottom;
};

// A bound on the size of a story's XML. The part of a large document (600
// welding procedure cards: ten megabytes) is written into one string; grown by
// doubling it would be copied and its pages touched about three times over,
// and the pages reserved but never written cost nothing.
size_t paragraphBound(const WordParagraph &p)
{
    size_t bytes = 320 + (p.endsSection ? 800 : 0);
    for (const WordRun &run : p.runs)
        bytes += run.isPicture() ? 2000 : 200 + 6 * size_t(run.text.size());
    return bytes;
}

size_t reserveFor(const WordStory &story)
{
    size_t bytes = 4096;
    for (const WordBlock &block : story.blocks) {
        if (const auto *p = std::get_if<WordParagraph>(&block)) {
            bytes += paragraphBound(*p);
            continue;
        }
        const WordTable &t = std::get<WordTable>(block);
        bytes += 1500 + 40 * size_t(t.gridColumns);
        for (const WordRow &row : t.rows) {
            bytes += 80;
            for (const WordCell &cell : row.cells) {
                bytes += 120;
                for (const WordParagraph &p : cell.paragraphs)
                    bytes += paragraphBound(p);
            }
        }
    }
    return bytes;
}

std::string relationshipsXml(const WordDocumentModel &model, bool mainDocument)
{
    std::string out = kXmlDeclaration;
    out += "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (mainDocument) {
        out += std::string("<Relationship Id=\"rIdStyles\" Type=\"") + kRelationshipType + "styles\" Target=\"styles.xml\"/>";
        out += std::string("<Relationship Id=\"rIdSettings\" Type=\"") + kRelationshipType + "settings\" Target=\"settings.xml\"/>";
        out += std::string("<Relationship Id=\"rIdHeader\" Type=\"") + kRelationshipType + "header\" Target=\"header1.xml\"/>";
    }
    for (size_t i = 0; i < model.pictures.size(); ++i)
        out += "<Relationship Id=\"rIdPicture" + number(qint64(i) + 1) + "\" Type=\"" + kRelationshipType + "image\" Target=\"media/image"
            + number(qint64(i) + 1) + "." + model.pictures[i].extension.toStdString() + "\"/>";
    out += "</Relationships>";
    return out;
}

std::string contentTypesXml()
{
    std::string out = kXmlDeclaration;
    out += "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>"
           "<Default Extension=\"bmp\" ContentType=\"image/bmp\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
           "<Override PartName=\"/word/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
           "<Override PartName=\"/word/settings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
           "<Override PartName=\"/word/header1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>"
           "</Types>";
    return out;
}

std::string stylesXml()
{
    std::string out = kXmlDeclaration;
    out += "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
           "<w:docDefaults><w:rPrDefault><w:rPr>"
           "<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" w:eastAsia=\"宋体\" w:cs=\"Times New Roman\"/>"
           "<w:kern w:val=\"2\"/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/>"
           "<w:lang w:val=\"en-US\" w:eastAsia=\"zh-CN\" w:bidi=\"ar-SA\"/>"
           "</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
           "</w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/>"
           "<w:pPr><w:widowControl w:val=\"0\"/></w:pPr></w:style>"
           "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\"><w:name w:val=\"Default Paragraph Font\"/></w:style>"
           "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
           "<w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/>"
           "<w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"108\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr></w:style>"
           "<w:style w:type=\"paragraph\" w:styleId=\"Header\"><w:name w:val=\"header\"/><w:basedOn w:val=\"Normal\"/>"
           "<w:pPr><w:pBdr><w:bottom w:val=\"single\" w:sz=\"6\" w:space=\"1\" w:color=\"auto\"/></w:pBdr>"
           "<w:tabs><w:tab w:val=\"center\" w:pos=\"4153\"/><w:tab w:val=\"right\" w:pos=\"8306\"/></w:tabs>"
           "<w:snapToGrid w:val=\"0\"/><w:jc w:val=\"center\"/></w:pPr><w:rPr><w:sz w:val=\"18\"/><w:szCs w:val=\"18\"/></w:rPr></w:style>"
           "</w:styles>";
    return out;
}

std::string settingsXml()
{
    std::string out = kXmlDeclaration;
    out += "<w:settings xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
           "<w:zoom w:percent=\"100\"/><w:defaultTabStop w:val=\"420\"/><w:characterSpacingControl w:val=\"compressPunctuation\"/>"
           "<w:compat><w:compatSetting w:name=\"compatibilityMode\" w:uri=\"http://schemas.microsoft.com/office/word\" w:val=\"15\"/></w:compat>"
           "</w:settings>";
    return out;
}

struct ZipCloser {
    void operator()(zip_t *archive) const { zip_discard(archive); }
};

} // namespace

void WordPackageWriter::appendEscaped(std::string &out, const QString &text)
{
    appendEscapedText(out, text);
}

namespace {
void appendEscapedText(std::string &out, QStringView text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && text.at(i + 1).isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text.at(++i).unicode());
        else if (QChar::isSurrogate(c))
            continue; // unpaired: not a character
        if (!isAllowedInXml(c))
            continue;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: appendUtf8(out, c);
        }
    }
}
} // namespace

namespace {
constexpr int kFitSlack = 20;
} // namespace

std::vector<int> WordPackageWriter::columnWidths(const WordTable &table, const WordDocumentModel &model, int availableWidth)
{
    const int n = std::max(table.gridColumns, 1);
    // A table and those that go on with its columns share one set of widths,
    // fitted to the rows of them all.
    const int root = table.columnsOf ? table.columnsOf : table.id;
    if (table.columnsOf || table.id) {
        WordTable joined;
        bool continued = false;
        for (const WordBlock &block : model.body.blocks)
            if (const auto *t = std::get_if<WordTable>(&block); t && t->gridColumns == n) {
                if (t->id == root && !t->columnsOf) {
                    joined = *t;
                } else if (t->columnsOf == root && joined.id == root) {
                    joined.rows.insert(joined.rows.end(), t->rows.begin(), t->rows.end());
                    continued = true;
                }
            }
        if (continued) {
            joined.id = 0; // fitted as one table of all those rows
            return columnWidths(joined, model, availableWidth);
        }
    }
    std::vector<int> widths(size_t(n), availableWidth / n);
    if (!table.fitToContent)
        return widths;
    const int padding = table.cellPadding;

    // Fitted to its content the way the shop's cards need it: a column whose
    // longest line fits in an equal share of the text width gets that line's
    // whole width, so short columns ("序号", "检查", "自检") never wrap. Only
    // the long columns give way: they share the rest, each keeping at least
    // its widest unbreakable piece (a Latin word, a picture) and the lines of
    // the heading rows whole, the room above that in proportion to what each
    // would still like. When even those minimums do not fit, the long
    // columns share the rest in proportion to their minimums.
    std::vector<int> minimum(size_t(n), 0);
    std::vector<int> desired(size_t(n), 0);
    const size_t headingRows = size_t(table.headingRows());
    // `headingShare`: the part of a heading line a column must hold (1 = the
    // whole line, 2 = half of it: the heading takes two lines).
    // The largest font of each column, for the room an empty column keeps.
    std::vector<int> columnEm(size_t(n), 0);
    auto measure = [&](int headingShare) {
        std::fill(minimum.begin(), minimum.end(), 0);
        std::fill(desired.begin(), desired.end(), 0);
        for (size_t r = 0; r < table.rows.size(); ++r) {
            int column = 0;
            for (const WordCell &cell : table.rows[r].cells) {
                if (cell.span == 1 && column < n) {
                    int need = 0;
                    int piece = 0;
                    int em = 0;
                    for (const WordParagraph &p : cell.paragraphs) {
                        int width = 0;
                        for (const WordRun &run : p.runs) {
                            em = std::max(em, int(run.format.size * 20));
                            if (run.isPicture()) {
                                const int w = int(pictureExtent(model.pictures[size_t(run.picture)], availableWidth).cx / kEmuPerTwip);
                                width += w;
                                piece = std::max(piece, w);
                            } else {
                                width += textWidth(run.text, run.format.size);
                                piece = std::max(piece, unbreakableWidth(run.text, run.format.size));
                            }
                        }
                        need = std::max(need, width);
                    }
                    columnEm[size_t(column)] = std::max(columnEm[size_t(column)], em);
                    if (r < headingRows) {
                        // Two characters at least on each line of a heading.
                        need = std::max((need + headingShare - 1) / headingShare, std::min(need, 2 * em));
                        piece = std::max(piece, need);
                    }
                    // A line exactly as wide as its cell wraps in some word
                    // processors: a point of room beyond the padding.
                    desired[size_t(column)] = std::max(desired[size_t(column)], need + 2 * padding + kFitSlack);
                    minimum[size_t(column)] = std::max(minimum[size_t(column)], piece + 2 * padding + kFitSlack);
                }
                column += cell.span;
            }
        }
        qint64 total = 0;
        for (int i = 0; i < n; ++i) {
            // An empty column still takes room to write two characters in
            // (at 10.5 pt, the body text's size, when it holds no text).
            const int em = columnEm[size_t(i)] > 0 ? columnEm[size_t(i)] : 210;
            minimum[size_t(i)] = std::max(minimum[size_t(i)], 2 * padding + 2 * em);
            // In a table too dense for whole headings, a column of running
            // text keeps four characters a line (or all of its longest line
            // when shorter): else "对接焊缝" and "双边双面V型坡口" give their
            // room to the numbers and print a character a line.
            if (headingShare > 1)
                minimum[size_t(i)] = std::max(minimum[size_t(i)],
                                              std::min(desired[size_t(i)], 2 * padding + kFitSlack + 4 * em));
            desired[size_t(i)] = std::max(desired[size_t(i)], minimum[size_t(i)]);
            total += minimum[size_t(i)];
        }
        return total;
    };
    // Headings on one line, unless the table is then wider than the page (a
    // list of nineteen columns headed "焊缝编号", "检验标准", ...): then a
    // heading may take two lines, as in equal columns, rather than squeeze
    // the sizes and numbers beneath it ("φ159×4.5", "1500") into two.
    if (measure(1) > availableWidth)
        measure(2);
    const int fairShare = availableWidth / n;
    int rest = availableWidth;
    std::vector<int> longColumns;
    for (int i = 0; i < n; ++i) {
        // A column is short when its longest line fits in a fair share of
        // the text width: its words ("自检、专检", "铆、焊、气") then print
        // whole, the cell padding besides.
        if (desired[size_t(i)] <= fairShare + 2 * padding + kFitSlack) {
            widths[size_t(i)] = desired[size_t(i)];
            rest -= desired[size_t(i)];
        } else {
            longColumns.push_back(i);
        }
    }
    if (longColumns.empty()) {
        // Everything fits: the table is as wide as its content, but never
        // wider than the page; a list or form with fixed widths spans the
        // page, its columns widened in proportion.
        if (rest < 0 || (rest > 0 && table.widthsFixed))
            stretchTo(widths, availableWidth);
        return widths;
    }
    qint64 totalMinimum = 0;
    qint64 totalDesired = 0;
    for (int i : longColumns) {
        totalMinimum += minimum[size_t(i)];
        totalDesired += desired[size_t(i)];
    }
    if (totalDesired <= rest) {
        // The long columns fit in what the short ones left; a table with
        // fixed widths still spans the page.
        for (int i : longColumns)
            widths[size_t(i)] = desired[size_t(i)];
        if (table.widthsFixed)
            stretchTo(widths, availableWidth);
        return widths;
    }
    int given = 0;
    for (int i : longColumns) {
        const size_t c = size_t(i);
        if (totalMinimum >= rest)
            widths[c] = int(qint64(rest) * minimum[c] / totalMinimum);
        else
            widths[c] = minimum[c] + int((rest - totalMinimum) * (desired[c] - minimum[c]) / (totalDesired - totalMinimum));
        given += widths[c];
    }
    // Rounding left over goes to the widest long column, so the table spans
    // the page.
    const int widest = *std::max_element(longColumns.begin(), longColumns.end(),
                                         [&](int a, int b) { return widths[size_t(a)] < widths[size_t(b)]; });
    widths[size_t(widest)] += rest - given;
    return widths;
}

std::string WordPackageWriter::documentXml(const WordDocumentModel &model)
{
    std::string out = kXmlDeclaration;
    out.reserve(reserveFor(model.body));
    out += std::string("<w:document") + kNamespaces + "><w:body>";
    int drawingId = 0;
    StoryWriter(model, out, false, drawingId).blocks(model.body);
    out += sectionProperties(model.sections.back()) + "</w:body></w:document>";
    return out;
}

std::string WordPackageWriter::headerXml(const WordDocumentModel &model)
{
    std::string out = kXmlDeclaration;
    out += std::string("<w:hdr") + kNamespaces + ">";
    // Drawing ids of the header continue after those of the body.
    int drawingId = 100000;
    StoryWriter(model, out, true, drawingId).blocks(model.header);
    out += "</w:hdr>";
    return out;
}

std::vector<WordPackageWriter::Part> WordPackageWriter::parts(const WordDocumentModel &model)
{
    std::vector<Part> parts;
    parts.push_back({"[Content_Types].xml", contentTypesXml()});
    std::string rootRels = kXmlDeclaration;
    rootRels += std::string("<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                            "<Relationship Id=\"rId1\" Type=\"") + kRelationshipType + "officeDocument\" Target=\"word/document.xml\"/>"
                            "</Relationships>";
    parts.push_back({"_rels/.rels", rootRels});
    parts.push_back({"word/document.xml", documentXml(model)});
    parts.push_back({"word/_rels/document.xml.rels", relationshipsXml(model, true)});
    parts.push_back({"word/header1.xml", headerXml(model)});
    parts.push_back({"word/_rels/header1.xml.rels", relationshipsXml(model, false)});
    parts.push_back({"word/styles.xml", stylesXml()});
    parts.push_back({"word/settings.xml", settingsXml()});
    for (size_t i = 0; i < model.pictures.size(); ++i) {
        const WordPicture &picture = model.pictures[i];
        // JPEG is compressed already; a bitmap (the process sketches: line
        // drawings on white) deflates to a few percent of its size.
        parts.push_back({"word/media/image" + number(qint64(i) + 1) + "." + picture.extension.toStdString(),
                         std::string(picture.bytes.constData(), size_t(picture.bytes.size())),
                         picture.extension == QLatin1String("bmp")});
    }
    return parts;
}

QByteArray WordPackageWriter::write(const WordDocumentModel &model)
{
    constexpr size_t kSmallestDeflatedPart = 4096;
    const std::vector<Part> content = parts(model);
    const QString failed = QStringLiteral("无法生成Word文档的文件包！");

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer)
        throw WordError(failed);
    zip_source_keep(buffer);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> bufferOwner(buffer, &zip_source_free);
    std::unique_ptr<zip_t, ZipCloser> archive(zip_open_from_source(buffer, ZIP_TRUNCATE, &error));
    zip_error_fini(&error);
    if (!archive)
        throw WordError(failed);
    for (const Part &part : content) {
        zip_source_t *source = zip_source_buffer(archive.get(), part.bytes.data(), part.bytes.size(), 0);
        if (!source)
            throw WordError(failed);
        const zip_int64_t index = zip_file_add(archive.get(), part.name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            throw WordError(failed);
        }
        // Deflating a part of a few hundred bytes saves less than its own
        // set-up costs (zlib prepares ≈ 256 KiB of state for every entry).
        // zlib's fastest level: the XML and the sketch bitmaps still shrink
        // to a tenth or less (the process file's shell part 24 KB instead
        // of 18 KB). The user does not see the difference; the fuzzing of
        // the generators, which writes a package per input, runs the
        // process file a third faster.
        const bool deflate = part.compress && part.bytes.size() >= kSmallestDeflatedPart;
        zip_set_file_compression(archive.get(), zip_uint64_t(index), deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 1);
    }
    if (zip_close(archive.get()) != 0)
        throw WordError(failed);
    archive.release();

    QByteArray bytes;
    if (zip_source_open(buffer) != 0)
        throw WordError(failed);
    zip_source_seek(buffer, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(buffer);
    zip_source_seek(buffer, 0, SEEK_SET);
    bytes.resize(qsizetype(std::max<zip_int64_t>(size, 0)));
    const zip_int64_t read = zip_source_read(buffer, bytes.data(), zip_uint64_t(bytes.size()));
    zip_source_close(buffer);
    if (read != size)
        throw WordError(failed);
    return bytes;
}

} // namespace zelvan
