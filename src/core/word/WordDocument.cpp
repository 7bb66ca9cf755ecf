#include "core/word/WordDocument.h"

#include "core/word/WordError.h"
#include "core/word/WordPackageWriter.h"

#include "core/project/ProjectArchive.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace zelvan {

namespace {

bool &startFailure()
{
    static bool fail = false;
    return fail;
}

// Inserts a run at a character offset of a paragraph, joining it to the
// text run it follows when both have the same format.
void insertRun(WordParagraph &paragraph, int offset, WordRun run)
{
    int position = 0;
    auto it = paragraph.runs.begin();
    for (; it != paragraph.runs.end(); ++it) {
        const int length = it->length();
        if (offset <= position + length) {
            const int inner = offset - position;
            if (inner == length) {
                if (!run.isPicture() && !it->isPicture() && it->format == run.format) {
                    it->text += run.text;
                    return;
                }
                ++it;
            } else if (inner > 0) {
                // Split a text run (a picture has length 1, so inner is 0 there).
                WordRun tail = *it;
                tail.text = it->text.mid(inner);
                it->text.truncate(inner);
                it = paragraph.runs.insert(it + 1, tail);
            }
            paragraph.runs.insert(it, std::move(run));
            return;
        }
        position += length;
    }
    paragraph.runs.push_back(std::move(run));
}

// Splits a paragraph at an offset: the runs from the offset on are returned
// as a new paragraph with the same alignment.
WordParagraph splitParagraph(WordParagraph &paragraph, int offset)
{
    // The new paragraph takes the paragraph format, as after Enter.
    WordParagraph tail;
    tail.alignment = paragraph.alignment;
    tail.markFormat = paragraph.markFormat;
    tail.keepWithNext = paragraph.keepWithNext;
    // A section break is the paragraph's mark, and the mark ends the tail.
    tail.endsSection = paragraph.endsSection;
    paragraph.endsSection = false;
    std::vector<WordRun> head;
    int position = 0;
    for (WordRun &run : paragraph.runs) {
        const int length = run.length();
        if (position + length <= offset) {
            head.push_back(std::move(run));
        } else if (position >= offset) {
            tail.runs.push_back(std::move(run));
        } else {
            WordRun second = run;
            second.text = run.text.mid(offset - position);
            run.text.truncate(offset - position);
            head.push_back(std::move(run));
            tail.runs.push_back(std::move(second));
        }
        position += length;
    }
    paragraph.runs = std::move(head);
    return tail;
}

WordParagraph emptyParagraph(WordAlignment alignment, const WordRunFormat &markFormat)
{
    WordParagraph p;
    p.alignment = alignment;
    p.markFormat = markFormat;
    return p;
}

int gridStart(const WordRow &row, int cell)
{
    int start = 0;
    for (int i = 0; i < cell; ++i)
        start += row.cells[size_t(i)].span;
    return start;
}

int cellAtGrid(const WordRow &row, int gridColumn)
{
    int start = 0;
    for (size_t i = 0; i < row.cells.size(); ++i) {
        start += row.cells[i].span;
        if (gridColumn < start)
            return int(i);
    }
    return int(row.cells.size()) - 1;
}

} // namespace

WordDocument::WordDocument()
{
    // A new document holds one empty paragraph, and so does its header.
    m_model.body.blocks.emplace_back(WordParagraph{});
    // The header's paragraph and its text follow the header style
    // (centred, 9 points) until told otherwise.
    WordParagraph header;
    header.alignment = WordAlignment::Centre;
    header.markFormat.size = kWordHeaderStyleSize;
    m_model.header.blocks.emplace_back(header);
}

std::unique_ptr<WordDocument> WordDocument::start()
{
    if (startFailure())
        return nullptr;
    return std::unique_ptr<WordDocument>(new WordDocument);
}

QString WordDocument::createDispatchFailedMessage()
{
    return QStringLiteral("CreateDispatch failed.");
}

void WordDocument::setStartFailureForTesting(bool fail)
{
    startFailure() = fail;
}

WordStory &WordDocument::story()
{
    return m_pos.inHeader ? m_model.header : m_model.body;
}

WordTable &WordDocument::currentTable()
{
    return std::get<WordTable>(story().blocks[size_t(m_pos.block)]);
}

WordParagraph &WordDocument::currentParagraph()
{
    WordBlock &block = story().blocks[size_t(m_pos.block)];
    if (!m_pos.inTable())
        return std::get<WordParagraph>(block);
    WordTable &table = std::get<WordTable>(block);
    return table.rows[size_t(m_pos.row)].cells[size_t(m_pos.cell)].paragraphs[size_t(m_pos.paragraph)];
}

void WordDocument::setSize(double points)
{
    if (!(points >= 1 && points <= 1638))
        throw WordError(QStringLiteral("字号%1无效！").arg(points));
    m_format.size = points;
}

void WordDocument::keepIntroductionWith(int block)
{
    // The paragraph that introduces a table or picture (its title or
    // caption) is kept with it, and so are the blank lines between them.
    auto &blocks = story().blocks;
    for (int b = block - 1; b >= 0; --b) {
        auto *p = std::get_if<WordParagraph>(&blocks[size_t(b)]);
        if (!p || std::any_of(p->runs.begin(), p->runs.end(), [](const WordRun &r) { return r.isPicture(); }))
            return;
        p->keepWithNext = true;
        if (p->length() > 0)
            return;
    }
}

WordRow &WordDocument::currentRow()
{
    if (!m_pos.inTable())
        throw WordError(QStringLiteral("插入点不在表格中，无法设置表格行！"));
    return currentTable().rows[size_t(m_pos.row)];
}

void WordDocument::setKeepWithNext(bool keep)
{
    if (m_pos.inTable() && m_pos.selectedCells > 1) {
        WordRow &row = currentRow();
        for (int i = 0; i < m_pos.selectedCells; ++i)
            for (WordParagraph &p : row.cells[size_t(m_pos.cell + i)].paragraphs)
                p.keepWithNext = keep;
        return;
    }
    currentParagraph().keepWithNext = keep;
}

void WordDocument::setHeadingRow(bool heading)
{
    WordRow &row = currentRow();
    row.heading = heading;
    for (WordCell &cell : row.cells)
        for (WordParagraph &p : cell.paragraphs)
            p.keepWithNext = heading;
}

void WordDocument::setAllowBreakAcrossPages(bool allow)
{
    currentRow().allowBreakAcrossPages = allow;
}

void WordDocument::keepTableTogether(int tableId)
{
    bool inHeader = false;
    int block = 0;
    WordTable &table = tableById(tableId, inHeader, block);
    for (size_t r = 0; r + 1 < table.rows.size(); ++r)
        for (WordCell &cell : table.rows[r].cells)
            for (WordParagraph &p : cell.paragraphs)
                p.keepWithNext = true;
}

void WordDocument::continueColumnsOf(int tableId, int earlierTableId)
{
    bool inHeader = false;
    int block = 0;
    const int columns = tableById(earlierTableId, inHeader, block).gridColumns;
    WordTable &table = tableById(tableId, inHeader, block);
    if (table.gridColumns != columns || earlierTableId >= tableId)
        throw WordError(QStringLiteral("表格的列不一致！"));
    table.columnsOf = earlierTableId;
}

void WordDocument::fixColumnWidths(int tableId)
{
    bool inHeader = false;
    int block = 0;
    tableById(tableId, inHeader, block).widthsFixed = true;
}

void WordDocument::setCellPadding(int tableId, int twips)
{
    if (twips < 0 || twips > 1440)
        throw WordError(QStringLiteral("单元格边距%1超出范围！").arg(twips));
    bool inHeader = false;
    int block = 0;
    tableById(tableId, inHeader, block).cellPadding = twips;
}

void WordDocument::setAlignment(WordAlignment alignment)
{
    if (m_pos.inTable() && m_pos.selectedCells > 1) {
        WordRow &row = currentTable().rows[size_t(m_pos.row)];
        for (int i = 0; i < m_pos.selectedCells; ++i)
            for (WordParagraph &p : row.cells[size_t(m_pos.cell + i)].paragraphs)
                p.alignment = alignment;
        return;
    }
    currentParagraph().alignment = alignment;
}

void WordDocument::typeText(const QString &text)
{
    collapse();
    if (text.isEmpty())
        return;
    WordRun run;
    run.text = text;
    run.format = m_format;
    WordParagraph &paragraph = currentParagraph();
    paragraph.markFormat = m_format;
    insertRun(paragraph, m_pos.offset, std::move(run));
    m_pos.offset += int(text.size());
}

void WordDocument::typeParagraph()
{
    collapse();
    WordParagraph &paragraph = currentParagraph();
    paragraph.markFormat = m_format;
    WordParagraph tail = splitParagraph(paragraph, m_pos.offset);
    tail.markFormat = m_format;
    if (m_pos.inTable()) {
        auto &paragraphs = currentTable().rows[size_t(m_pos.row)].cells[size_t(m_pos.cell)].paragraphs;
        paragraphs.insert(paragraphs.begin() + m_pos.paragraph + 1, std::move(tail));
        ++m_pos.paragraph;
    } else {
        auto &blocks = story().blocks;
        blocks.insert(blocks.begin() + m_pos.block + 1, WordBlock(std::move(tail)));
        ++m_pos.block;
    }
    m_pos.offset = 0;
}

void WordDocument::startSection(PageOrientation orientation)
{
    if (m_pos.inHeader || m_pos.inTable())
        throw WordError(QStringLiteral("分节符只能插入正文中表格以外的位置！"));
    // The section the insertion point is in: the section breaks before it.
    int section = 0;
    for (int i = 0; i < m_pos.block; ++i)
        if (const auto *p = std::get_if<WordParagraph>(&m_model.body.blocks[size_t(i)]); p && p->endsSection)
            ++section;
    // The break is a paragraph mark: the text before the insertion point
    // ends the section as it was set up, the rest (and a break that ended
    // the paragraph) goes with the new section.
    typeParagraph();
    std::get<WordParagraph>(m_model.body.blocks[size_t(m_pos.block - 1)]).endsSection = true;
    m_model.sections.insert(m_model.sections.begin() + section + 1, WordSection{orientation});
}

void WordDocument::seekView(int view)
{
    if (view == PageHeader) {
        if (!m_pos.inHeader) {
            m_mainTextPos = m_pos;
            m_mainTextFormat = m_format;
            m_format = WordRunFormat{};
            m_format.size = kWordHeaderStyleSize;
            m_pos = Position{};
            m_pos.inHeader = true;
            m_pos.block = int(m_model.header.blocks.size()) - 1;
            if (auto *p = std::get_if<WordParagraph>(&m_model.header.blocks[size_t(m_pos.block)]))
                m_pos.offset = p->length();
        }
    } else if (view == MainText) {
        if (m_pos.inHeader) {
            m_pos = m_mainTextPos;
            m_format = m_mainTextFormat;
        }
    } else {
        throw WordError(QStringLiteral("不支持的视图类型：%1").arg(view));
    }
}

int WordDocument::addTable(int rows, int columns, bool fitToContent)
{
    collapse();
    if (rows < 1 || columns < 1 || rows > 32767 || columns > 63)
        throw WordError(QStringLiteral("无法插入%1行%2列的表格！").arg(rows).arg(columns));
    if (m_pos.inTable())
        throw WordError(QStringLiteral("不能在表格中插入表格！"));
    auto &blocks = story().blocks;
    WordParagraph &paragraph = std::get<WordParagraph>(blocks[size_t(m_pos.block)]);
    const WordAlignment alignment = paragraph.alignment;
    // The table goes in at the insertion point: text before it stays in its
    // own paragraph, and a paragraph (the rest, or an empty one) always
    // follows the table so that the insertion point can leave it.
    WordParagraph tail = splitParagraph(paragraph, m_pos.offset);
    int tableBlock = m_pos.block;
    if (paragraph.runs.empty())
        blocks.erase(blocks.begin() + tableBlock);
    else
        ++tableBlock;

    WordTable table;
    table.id = m_nextTableId++;
    table.gridColumns = columns;
    table.fitToContent = fitToContent;
    WordRow row;
    for (int c = 0; c < columns; ++c)
        row.cells.push_back(WordCell{1, {emptyParagraph(alignment, m_format)}});
    table.rows.assign(size_t(rows), row);
    // The first row heads the table: repeated on every page the table runs
    // onto and never left alone at the foot of a page.
    table.rows.front().heading = true;
    for (WordCell &cell : table.rows.front().cells)
        cell.paragraphs.front().keepWithNext = true;
    blocks.insert(blocks.begin() + tableBlock, WordBlock(std::move(table)));
    blocks.insert(blocks.begin() + tableBlock + 1, WordBlock(std::move(tail)));
    keepIntroductionWith(tableBlock);

    m_pos.block = tableBlock;
    m_pos.row = 0;
    m_pos.cell = 0;
    m_pos.paragraph = 0;
    m_pos.offset = 0;
    return m_nextTableId - 1;
}

WordTable &WordDocument::tableById(int id, bool &inHeader, int &block)
{
    for (int h = 0; h < 2; ++h) {
        WordStory &s = h ? m_model.header : m_model.body;
        for (size_t i = 0; i < s.blocks.size(); ++i)
            if (auto *t = std::get_if<WordTable>(&s.blocks[i]); t && t->id == id) {
                inHeader = h == 1;
                block = int(i);
                return *t;
            }
    }
    throw WordError(QStringLiteral("表格不存在！"));
}

void WordDocument::selectCell(int tableId, int row, int column)
{
    bool inHeader = false;
    int block = 0;
    WordTable &table = tableById(tableId, inHeader, block);
    if (row < 1 || row > int(table.rows.size()) || column < 1 || column > int(table.rows[size_t(row - 1)].cells.size()))
        throw WordError(QStringLiteral("表格中不存在第%1行第%2列的单元格！").arg(row).arg(column));
    if (inHeader != m_pos.inHeader) {
        // Into or out of the page header, as SeekView does.
        if (inHeader) {
            m_mainTextPos = m_pos;
            m_mainTextFormat = m_format;
            m_format = WordRunFormat{};
            m_format.size = kWordHeaderStyleSize;
        } else {
            m_format = m_mainTextFormat;
        }
    }
    m_pos = Position{};
    m_pos.inHeader = inHeader;
    m_pos.block = block;
    m_pos.row = row - 1;
    m_pos.cell = column - 1;
}

void WordDocument::moveRight(int unit, int count, bool extend)
{
    if (count < 0)
        throw WordError(QStringLiteral("移动次数无效！"));
    if (unit == Cell) {
        if (!m_pos.inTable())
            throw WordError(QStringLiteral("插入点不在表格中，无法移到下一个单元格！"));
        for (int i = 0; i < count; ++i) {
            collapse();
            WordTable &table = currentTable();
            WordRow &row = table.rows[size_t(m_pos.row)];
            if (m_pos.cell + 1 < int(row.cells.size())) {
                ++m_pos.cell;
            } else {
                if (m_pos.row + 1 == int(table.rows.size())) {
                    // From the last cell a new row with the last row's layout.
                    WordRow added;
                    added.allowBreakAcrossPages = row.allowBreakAcrossPages;
                    for (const WordCell &cell : row.cells) {
                        WordCell copy = cell;
                        copy.paragraphs = {emptyParagraph(cell.paragraphs.back().alignment, cell.paragraphs.back().markFormat)};
                        added.cells.push_back(std::move(copy));
                    }
                    table.rows.push_back(std::move(added));
                }
                ++m_pos.row;
                m_pos.cell = 0;
            }
            // The insertion point goes to the end of the cell's text.
            const auto &paragraphs = table.rows[size_t(m_pos.row)].cells[size_t(m_pos.cell)].paragraphs;
            m_pos.paragraph = int(paragraphs.size()) - 1;
            m_pos.offset = paragraphs.back().length();
        }
        return;
    }
    if (unit == Character) {
        if (extend) {
            if (!m_pos.inTable())
                throw WordError(QStringLiteral("插入点不在表格中，无法选定单元格！"));
            const int available = int(currentTable().rows[size_t(m_pos.row)].cells.size()) - m_pos.cell;
            m_pos.selectedCells = std::clamp(count, 1, available);
            return;
        }
        collapse();
        m_pos.offset = std::min(m_pos.offset + count, currentParagraph().length());
        return;
    }
    throw WordError(QStringLiteral("不支持的移动单位：%1").arg(unit));
}

void WordDocument::placeInCell(int row, int gridColumn)
{
    const WordRow &r = currentTable().rows[size_t(row)];
    m_pos.row = row;
    m_pos.cell = cellAtGrid(r, gridColumn);
    m_pos.paragraph = 0;
    m_pos.offset = 0;
}

void WordDocument::enterBlock(int block, bool fromAbove)
{
    m_pos.block = block;
    m_pos.paragraph = 0;
    m_pos.offset = 0;
    if (auto *table = std::get_if<WordTable>(&story().blocks[size_t(block)])) {
        placeInCell(fromAbove ? 0 : int(table->rows.size()) - 1, 0);
    } else {
        m_pos.row = -1;
        m_pos.cell = -1;
    }
}

void WordDocument::moveDown(int unit, int count)
{
    if (unit != Line)
        throw WordError(QStringLiteral("不支持的移动单位：%1").arg(unit));
    for (int i = 0; i < count; ++i) {
        collapse();
        const int blockCount = int(story().blocks.size());
        if (m_pos.inTable()) {
            WordTable &table = currentTable();
            if (m_pos.row + 1 < int(table.rows.size())) {
                placeInCell(m_pos.row + 1, gridStart(table.rows[size_t(m_pos.row)], m_pos.cell));
                continue;
            }
        }
        if (m_pos.block + 1 < blockCount)
            enterBlock(m_pos.block + 1, true);
        else
            m_pos.offset = currentParagraph().length(); // the last line: to its end
    }
}

void WordDocument::moveUp(int unit, int count)
{
    if (unit != Line)
        throw WordError(QStringLiteral("不支持的移动单位：%1").arg(unit));
    for (int i = 0; i < count; ++i) {
        collapse();
        if (m_pos.inTable() && m_pos.row > 0) {
            WordTable &table = currentTable();
            placeInCell(m_pos.row - 1, gridStart(table.rows[size_t(m_pos.row)], m_pos.cell));
            continue;
        }
        if (m_pos.block > 0)
            enterBlock(m_pos.block - 1, false);
        else
            m_pos.offset = 0; // the first line: to its start
    }
}

void WordDocument::mergeCells()
{
    if (!m_pos.inTable())
        throw WordError(QStringLiteral("插入点不在表格中，无法合并单元格！"));
    WordRow &row = currentTable().rows[size_t(m_pos.row)];
    const int n = m_pos.selectedCells;
    if (n > 1) {
        WordCell merged;
        merged.span = 0;
        const WordAlignment alignment = row.cells[size_t(m_pos.cell)].paragraphs.front().alignment;
        for (int i = 0; i < n; ++i) {
            WordCell &cell = row.cells[size_t(m_pos.cell + i)];
            merged.span += cell.span;
            // Merged cells keep the text of each cell, each in its own paragraph.
            for (WordParagraph &p : cell.paragraphs)
                if (p.length() > 0)
                    merged.paragraphs.push_back(std::move(p));
        }
        if (merged.paragraphs.empty())
            merged.paragraphs.push_back(emptyParagraph(alignment, m_format));
        row.cells.erase(row.cells.begin() + m_pos.cell, row.cells.begin() + m_pos.cell + n);
        row.cells.insert(row.cells.begin() + m_pos.cell, std::move(merged));
    }
    collapse();
    const auto &paragraphs = row.cells[size_t(m_pos.cell)].paragraphs;
    m_pos.paragraph = int(paragraphs.size()) - 1;
    m_pos.offset = paragraphs.back().length();
}

void WordDocument::splitCells(int rows, int columns, bool mergeFirst)
{
    (void)mergeFirst; // a single cell is split; there is nothing to merge first
    if (!m_pos.inTable())
        throw WordError(QStringLiteral("插入点不在表格中，无法拆分单元格！"));
    collapse();
    WordRow &row = currentTable().rows[size_t(m_pos.row)];
    WordCell &cell = row.cells[size_t(m_pos.cell)];
    // The table keeps one column grid: a cell is split along grid lines.
    if (rows != 1 || columns < 1 || columns > cell.span)
        throw WordError(QStringLiteral("无法将单元格拆分为%1行%2列！").arg(rows).arg(columns));
    const int span = cell.span;
    const int start = gridStart(row, m_pos.cell);
    const WordAlignment alignment = cell.paragraphs.back().alignment;
    std::vector<WordCell> parts;
    for (int i = 0; i < columns; ++i) {
        WordCell part;
        part.span = span / columns + (i < span % columns ? 1 : 0);
        part.splitIndex = i;
        part.splitCount = columns;
        part.splitStart = start;
        part.splitSpan = span;
        part.paragraphs.push_back(emptyParagraph(alignment, m_format));
        parts.push_back(std::move(part));
    }
    parts.front().paragraphs = std::move(cell.paragraphs);
    row.cells.erase(row.cells.begin() + m_pos.cell);
    row.cells.insert(row.cells.begin() + m_pos.cell, parts.begin(), parts.end());
    m_pos.paragraph = 0;
    m_pos.offset = 0;
}

void WordDocument::addPicture(const QString &path)
{
    collapse();
    if (!QFileInfo::exists(path))
        throw WordError(QStringLiteral("插入图片失败，文件不存在：%1").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw WordError(QStringLiteral("插入图片失败，无法读取文件：%1").arg(path));
    WordPicture picture;
    picture.sourcePath = path;
    picture.bytes = file.readAll();
    QBuffer buffer(&picture.bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    picture.pixelSize = reader.size();
    if (format == "jpeg" || format == "jpg") {
        picture.extension = QStringLiteral("jpeg");
        picture.contentType = QStringLiteral("image/jpeg");
    } else if (format == "bmp") {
        picture.extension = QStringLiteral("bmp");
        picture.contentType = QStringLiteral("image/bmp");
    }
    if (picture.extension.isEmpty() || !picture.pixelSize.isValid() || picture.pixelSize.isEmpty())
        throw WordError(QStringLiteral("插入图片失败，不是可用的JPEG或BMP图片：%1").arg(path));

    // The same file inserted twice is stored once.
    int index = -1;
    for (size_t i = 0; i < m_model.pictures.size(); ++i)
        if (m_model.pictures[i].bytes == picture.bytes)
            index = int(i);
    if (index < 0) {
        index = int(m_model.pictures.size());
        m_model.pictures.push_back(std::move(picture));
    }
    WordRun run;
    run.picture = index;
    run.format = m_format;
    insertRun(currentParagraph(), m_pos.offset, std::move(run));
    const bool startsParagraph = m_pos.offset == 0;
    ++m_pos.offset;

    // What introduces the picture stays on its page: the paragraphs before
    // it, or in a table, the caption above it in the cell or the row above.
    if (!startsParagraph)
        return;
    if (!m_pos.inTable()) {
        keepIntroductionWith(m_pos.block);
        return;
    }
    WordTable &table = currentTable();
    auto &paragraphs = table.rows[size_t(m_pos.row)].cells[size_t(m_pos.cell)].paragraphs;
    if (m_pos.paragraph > 0) {
        for (int i = m_pos.paragraph - 1; i >= 0; --i) {
            paragraphs[size_t(i)].keepWithNext = true;
            if (paragraphs[size_t(i)].length() > 0)
                break;
        }
    } else if (m_pos.row > 0) {
        for (WordCell &cell : table.rows[size_t(m_pos.row - 1)].cells)
            for (WordParagraph &p : cell.paragraphs)
                p.keepWithNext = true;
    }
}

QByteArray WordDocument::packageBytes() const
{
    return WordPackageWriter::write(m_model);
}

void WordDocument::saveAs(const QString &path) const
{
    const QByteArray bytes = packageBytes();
    const FileResult result = AtomicFile::write(path, std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!result.ok)
        throw WordError(result.message);
}

} // namespace zelvan
