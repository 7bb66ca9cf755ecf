#include "core/word/WordDocument.h"
#include "core/word/WordError.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zelvan;

namespace {

std::unique_ptr<WordDocument> newDocument()
{
    auto document = WordDocument::start();
    EXPECT_TRUE(document);
    return document;
}

const WordParagraph &bodyParagraph(const WordDocument &d, size_t block)
{
    return std::get<WordParagraph>(d.model().body.blocks.at(block));
}

const WordTable &bodyTable(const WordDocument &d, size_t block)
{
    return std::get<WordTable>(d.model().body.blocks.at(block));
}

std::vector<int> spans(const WordRow &row)
{
    std::vector<int> s;
    for (const WordCell &cell : row.cells)
        s.push_back(cell.span);
    return s;
}

} // namespace

TEST(WordDocumentTyping, TextTakesTheFontOfTheSelectionAndJoinsEqualRuns)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("产品"));
    d->typeText(QStringLiteral("编号"));
    d->setBold(true);
    d->setUnderline(WordUnderline::Double);
    d->setSize(15);
    d->typeText(QStringLiteral("X"));
    const WordParagraph &p = bodyParagraph(*d, 0);
    ASSERT_EQ(p.runs.size(), 2u);
    EXPECT_EQ(p.runs[0].text, QStringLiteral("产品编号"));
    EXPECT_FALSE(p.runs[0].format.bold);
    EXPECT_EQ(p.runs[0].format.size, 10.5);
    EXPECT_EQ(p.runs[1].text, QStringLiteral("X"));
    EXPECT_TRUE(p.runs[1].format.bold);
    EXPECT_EQ(p.runs[1].format.underline, WordUnderline::Double);
    EXPECT_EQ(p.runs[1].format.size, 15);
    EXPECT_EQ(p.markFormat.size, 15);
}

TEST(WordDocumentTyping, ParagraphMarksMakeParagraphsThatKeepTheAlignment)
{
    auto d = newDocument();
    d->setAlignment(WordAlignment::Centre);
    d->typeParagraph();
    d->typeText(QStringLiteral("标题"));
    d->typeParagraph();
    d->setAlignment(WordAlignment::Left);
    d->typeText(QStringLiteral("正文"));
    ASSERT_EQ(d->model().body.blocks.size(), 3u);
    EXPECT_EQ(bodyParagraph(*d, 0).length(), 0);
    EXPECT_EQ(bodyParagraph(*d, 0).alignment, WordAlignment::Centre);
    EXPECT_EQ(bodyParagraph(*d, 1).text(), QStringLiteral("标题"));
    EXPECT_EQ(bodyParagraph(*d, 1).alignment, WordAlignment::Centre);
    EXPECT_EQ(bodyParagraph(*d, 2).text(), QStringLiteral("正文"));
    EXPECT_EQ(bodyParagraph(*d, 2).alignment, WordAlignment::Left);
}

TEST(WordDocumentTyping, MovingUpTypesAtTheStartOfTheLineAbove)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("ab"));
    d->typeParagraph();
    d->typeText(QStringLiteral("cd"));
    d->moveUp(WordDocument::Line, 1);
    d->typeText(QStringLiteral("Z"));
    d->typeParagraph();
    EXPECT_EQ(bodyParagraph(*d, 0).text(), QStringLiteral("Z"));
    EXPECT_EQ(bodyParagraph(*d, 1).text(), QStringLiteral("ab"));
    EXPECT_EQ(bodyParagraph(*d, 2).text(), QStringLiteral("cd"));
    // Down twice from the second line: the last line, then stays there.
    d->moveDown(WordDocument::Line, 5);
    d->typeText(QStringLiteral("!"));
    EXPECT_EQ(bodyParagraph(*d, 2).text(), QStringLiteral("cd!"));
}

TEST(WordDocumentHeader, SeekViewTypesIntoThePageHeaderAndReturnsToTheBody)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("正文1"));
    d->seekView(WordDocument::PageHeader);
    d->typeText(QStringLiteral("公司名称"));
    d->seekView(WordDocument::MainText);
    d->typeText(QStringLiteral("续"));
    ASSERT_EQ(d->model().header.blocks.size(), 1u);
    const auto &header = std::get<WordParagraph>(d->model().header.blocks[0]);
    EXPECT_EQ(header.text(), QStringLiteral("公司名称"));
    EXPECT_EQ(header.alignment, WordAlignment::Centre);
    EXPECT_EQ(bodyParagraph(*d, 0).text(), QStringLiteral("正文1续"));
    EXPECT_THROW(d->seekView(3), WordError);
}

TEST(WordDocumentTables, TableAtAnEmptyParagraphIsFollowedByAParagraph)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("前"));
    d->typeParagraph();
    const int t = d->addTable(2, 3, false);
    ASSERT_EQ(d->model().body.blocks.size(), 3u);
    EXPECT_EQ(bodyParagraph(*d, 0).text(), QStringLiteral("前"));
    const WordTable &table = bodyTable(*d, 1);
    EXPECT_EQ(table.id, t);
    EXPECT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(spans(table.rows[0]), (std::vector<int>{1, 1, 1}));
    EXPECT_TRUE(std::holds_alternative<WordParagraph>(d->model().body.blocks[2]));
}

TEST(WordDocumentTables, TableInsideTextSplitsTheParagraph)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("abcd"));
    d->moveUp(WordDocument::Line, 1); // to the start of the only line
    d->moveRight(WordDocument::Character, 2);
    d->addTable(1, 1, true);
    ASSERT_EQ(d->model().body.blocks.size(), 3u);
    EXPECT_EQ(bodyParagraph(*d, 0).text(), QStringLiteral("ab"));
    EXPECT_TRUE(bodyTable(*d, 1).fitToContent);
    EXPECT_EQ(bodyParagraph(*d, 2).text(), QStringLiteral("cd"));
}

TEST(WordDocumentTables, CellMovesFillInReadingOrderAndAppendRowsWithTheLastLayout)
{
    auto d = newDocument();
    const int t = d->addTable(2, 3, false);
    d->selectCell(t, 1, 1);
    for (int i = 1; i <= 6; ++i) {
        d->typeText(QString::number(i));
        d->moveRight(WordDocument::Cell);
    }
    // The last move appended a third row; merge two of its cells, then move
    // on from its last cell: the fourth row copies the merged layout.
    d->moveRight(WordDocument::Character, 2, true);
    d->mergeCells();
    d->typeText(QStringLiteral("合并"));
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("末"));
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("新"));
    const WordTable &table = bodyTable(*d, 0);
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0].cells[0].text(), QStringLiteral("1"));
    EXPECT_EQ(table.rows[0].cells[2].text(), QStringLiteral("3"));
    EXPECT_EQ(table.rows[1].cells[2].text(), QStringLiteral("6"));
    EXPECT_EQ(spans(table.rows[2]), (std::vector<int>{2, 1}));
    EXPECT_EQ(table.rows[2].cells[0].text(), QStringLiteral("合并"));
    EXPECT_EQ(table.rows[2].cells[1].text(), QStringLiteral("末"));
    EXPECT_EQ(spans(table.rows[3]), (std::vector<int>{2, 1}));
    EXPECT_EQ(table.rows[3].cells[0].text(), QStringLiteral("新"));
}

TEST(WordDocumentTables, MergeKeepsEachCellsTextAsAParagraph)
{
    auto d = newDocument();
    const int t = d->addTable(1, 4, false);
    d->selectCell(t, 1, 2);
    d->typeText(QStringLiteral("甲"));
    d->moveRight(WordDocument::Cell);
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("乙"));
    d->selectCell(t, 1, 2);
    d->moveRight(WordDocument::Character, 3, true);
    d->mergeCells();
    d->typeParagraph();
    d->typeText(QStringLiteral("丙"));
    const WordRow &row = bodyTable(*d, 0).rows[0];
    EXPECT_EQ(spans(row), (std::vector<int>{1, 3}));
    EXPECT_EQ(row.cells[1].text(), QStringLiteral("甲\n乙\n丙"));
    // Selecting more cells than the row has stops at the row's end.
    d->selectCell(t, 1, 1);
    d->moveRight(WordDocument::Character, 9, true);
    EXPECT_EQ(d->position().selectedCells, 2);
}

TEST(WordDocumentTables, SplitDividesAMergedCellAlongTheGrid)
{
    auto d = newDocument();
    const int t = d->addTable(1, 6, false);
    d->selectCell(t, 1, 1);
    d->moveRight(WordDocument::Character, 6, true);
    d->mergeCells();
    d->typeText(QStringLiteral("编制人："));
    d->splitCells(1, 2, false);
    EXPECT_EQ(spans(bodyTable(*d, 0).rows[0]), (std::vector<int>{3, 3}));
    EXPECT_EQ(bodyTable(*d, 0).rows[0].cells[0].text(), QStringLiteral("编制人："));
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("审核人："));
    EXPECT_EQ(bodyTable(*d, 0).rows[0].cells[1].text(), QStringLiteral("审核人："));

    d->selectCell(t, 1, 1);
    d->splitCells(1, 2, false);
    EXPECT_EQ(spans(bodyTable(*d, 0).rows[0]), (std::vector<int>{2, 1, 3}));
    d->selectCell(t, 1, 3);
    d->splitCells(1, 3, false);
    EXPECT_EQ(spans(bodyTable(*d, 0).rows[0]), (std::vector<int>{2, 1, 1, 1, 1}));
    // A cell one column wide cannot become two, nor a row two rows.
    EXPECT_THROW(d->splitCells(1, 2, false), WordError);
    d->selectCell(t, 1, 1);
    EXPECT_THROW(d->splitCells(2, 1, false), WordError);
}

TEST(WordDocumentTables, LinesAreRowsAndDownFromTheLastRowLeavesTheTable)
{
    auto d = newDocument();
    const int t = d->addTable(3, 3, false);
    d->selectCell(t, 1, 1);
    d->moveRight(WordDocument::Character, 2, true);
    d->mergeCells(); // row 1: spans 2, 1
    d->selectCell(t, 1, 2);
    d->moveDown(WordDocument::Line, 1);
    // Same grid column: the third cell of row 2.
    EXPECT_EQ(d->position().row, 1);
    EXPECT_EQ(d->position().cell, 2);
    d->moveUp(WordDocument::Line, 1);
    EXPECT_EQ(d->position().cell, 1);
    d->moveDown(WordDocument::Line, 3);
    EXPECT_FALSE(d->position().inTable());
    EXPECT_EQ(d->position().block, 1);
    d->typeText(QStringLiteral("表后"));
    EXPECT_EQ(bodyParagraph(*d, 1).text(), QStringLiteral("表后"));
    d->moveUp(WordDocument::Line, 1);
    EXPECT_EQ(d->position().row, 2);
    EXPECT_THROW(d->addTable(1, 1, false), WordError);
}

TEST(WordDocumentTables, CallsOutsideATableOrOutsideItsCellsFail)
{
    auto d = newDocument();
    EXPECT_THROW(d->moveRight(WordDocument::Cell), WordError);
    EXPECT_THROW(d->mergeCells(), WordError);
    const int t = d->addTable(2, 2, false);
    EXPECT_THROW(d->selectCell(t, 3, 1), WordError);
    EXPECT_THROW(d->selectCell(t, 1, 0), WordError);
    EXPECT_THROW(d->selectCell(t + 1, 1, 1), WordError);
    EXPECT_THROW(d->addTable(0, 2, false), WordError);
}

TEST(WordDocumentPictures, JpegAndBmpAreInsertedWithTheirPixelSize)
{
    QTemporaryDir dir;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dir.filePath("a.JPG"), "JPEG"));
    ASSERT_TRUE(image.scaled(10, 30).save(dir.filePath("b.BMP"), "BMP"));
    auto d = newDocument();
    d->typeText(QStringLiteral("图"));
    d->addPicture(dir.filePath("a.JPG"));
    d->addPicture(dir.filePath("b.BMP"));
    d->addPicture(dir.filePath("a.JPG"));
    d->typeText(QStringLiteral("后"));
    const auto &model = d->model();
    ASSERT_EQ(model.pictures.size(), 2u); // the same picture is stored once
    EXPECT_EQ(model.pictures[0].pixelSize, QSize(40, 20));
    EXPECT_EQ(model.pictures[0].contentType, QStringLiteral("image/jpeg"));
    EXPECT_EQ(model.pictures[1].pixelSize, QSize(10, 30));
    EXPECT_EQ(model.pictures[1].contentType, QStringLiteral("image/bmp"));
    const WordParagraph &p = bodyParagraph(*d, 0);
    ASSERT_EQ(p.runs.size(), 5u);
    EXPECT_EQ(p.runs[1].picture, 0);
    EXPECT_EQ(p.runs[2].picture, 1);
    EXPECT_EQ(p.runs[3].picture, 0);
    EXPECT_EQ(p.text(), QStringLiteral("图后"));
}

TEST(WordDocumentPictures, AMissingOrBrokenPictureFailsNamingTheFile)
{
    QTemporaryDir dir;
    auto d = newDocument();
    const QString missing = dir.filePath("工序图-无.JPG");
    try {
        d->addPicture(missing);
        FAIL() << "no failure";
    } catch (const WordError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("插入图片失败，文件不存在：%1").arg(missing));
    }
    QFile broken(dir.filePath("broken.JPG"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    try {
        d->addPicture(broken.fileName());
        FAIL() << "a file that is no picture was inserted";
    } catch (const WordError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("插入图片失败，不是可用的JPEG或BMP图片：%1").arg(broken.fileName()));
    }

    EXPECT_TRUE(d->model().pictures.empty());
    EXPECT_EQ(bodyParagraph(*d, 0).runs.size(), 0u);
}

TEST(WordDocumentStart, TheStartFailurePathGivesNoDocument)
{
    WordDocument::setStartFailureForTesting(true);
    EXPECT_EQ(WordDocument::start(), nullptr);
    WordDocument::setStartFailureForTesting(false);
    EXPECT_NE(WordDocument::start(), nullptr);
    EXPECT_EQ(WordDocument::createDispatchFailedMessage(), QStringLiteral("CreateDispatch failed."));
}

TEST(WordDocumentPageFlow, WhatIntroducesATableOrPictureIsKeptWithIt)
{
    QTemporaryDir dir;
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    ASSERT_TRUE(image.save(dir.filePath("p.bmp"), "BMP"));

    auto d = newDocument();
    d->typeText(QStringLiteral("前文"));
    d->typeParagraph();
    d->typeText(QStringLiteral("标题"));
    d->typeParagraph();
    d->typeParagraph();
    const int t = d->addTable(2, 2, false);
    // The title and the blank line under it stay with the table; the text
    // before the title is free.
    ASSERT_EQ(d->model().body.blocks.size(), 5u);
    EXPECT_FALSE(bodyParagraph(*d, 0).keepWithNext);
    EXPECT_TRUE(bodyParagraph(*d, 1).keepWithNext);
    EXPECT_TRUE(bodyParagraph(*d, 2).keepWithNext);
    EXPECT_FALSE(bodyParagraph(*d, 4).keepWithNext);

    // A caption row above a picture row keeps the two on one page.
    d->selectCell(t, 1, 1);
    d->typeText(QStringLiteral("简图如下"));
    d->selectCell(t, 2, 1);
    d->addPicture(dir.filePath("p.bmp"));
    const WordTable &table = bodyTable(*d, 3);
    for (const WordCell &cell : table.rows[0].cells)
        EXPECT_TRUE(cell.paragraphs.front().keepWithNext);
    EXPECT_FALSE(table.rows[1].cells[0].paragraphs.front().keepWithNext);

    // After the table: a caption, then its picture in the next paragraph.
    // A picture inside a line of text introduces nothing.
    d->moveDown(WordDocument::Line, 1);
    d->typeText(QStringLiteral("组对简图"));
    d->typeParagraph();
    d->addPicture(dir.filePath("p.bmp"));
    d->typeParagraph();
    d->typeText(QStringLiteral("见图"));
    d->addPicture(dir.filePath("p.bmp"));
    ASSERT_EQ(d->model().body.blocks.size(), 7u);
    EXPECT_TRUE(bodyParagraph(*d, 4).keepWithNext);
    EXPECT_FALSE(bodyParagraph(*d, 5).keepWithNext);
    EXPECT_FALSE(bodyParagraph(*d, 6).keepWithNext);

    // And the operation itself, for anything else a generator wants kept.
    d->setKeepWithNext(true);
    EXPECT_TRUE(bodyParagraph(*d, 6).keepWithNext);
}

TEST(WordDocumentPageFlow, RowsStayWholeAndTheFirstRowHeadsTheTable)
{
    auto d = newDocument();
    const int t = d->addTable(2, 3, true);
    d->selectCell(t, 2, 1);
    d->setAllowBreakAcrossPages(true);
    d->moveRight(WordDocument::Cell, 3); // from the last cell: a new row
    const WordTable &table = bodyTable(*d, 0);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_TRUE(table.rows[0].heading);
    EXPECT_FALSE(table.rows[0].allowBreakAcrossPages);
    EXPECT_TRUE(table.rows[0].cells[2].paragraphs.front().keepWithNext);
    // An added row takes the layout of the last one but is no heading.
    EXPECT_FALSE(table.rows[2].heading);
    EXPECT_TRUE(table.rows[2].allowBreakAcrossPages);
    EXPECT_EQ(table.headingRows(), 1);

    // Two heading rows, then none: the flag and the keep go together.
    d->selectCell(t, 2, 2);
    d->setHeadingRow(true);
    EXPECT_EQ(table.headingRows(), 2);
    d->selectCell(t, 1, 1);
    d->setHeadingRow(false);
    EXPECT_EQ(table.headingRows(), 0);
    EXPECT_FALSE(table.rows[0].cells[1].paragraphs.front().keepWithNext);

    // Kept together: every row but the last is kept with the next.
    d->keepTableTogether(t);
    EXPECT_TRUE(table.rows[0].cells[0].paragraphs.front().keepWithNext);
    EXPECT_TRUE(table.rows[1].cells[2].paragraphs.front().keepWithNext);
    EXPECT_FALSE(table.rows[2].cells[0].paragraphs.front().keepWithNext);

    d->moveDown(WordDocument::Line, 5);
    EXPECT_THROW(d->setHeadingRow(true), WordError);
    EXPECT_THROW(d->setAllowBreakAcrossPages(false), WordError);
}

TEST(WordDocumentHeader, HeaderTextTakesTheHeaderStyleAndTheBodyKeepsItsFont)
{
    auto d = newDocument();
    d->setSize(14);
    d->setBold(true);
    d->seekView(WordDocument::PageHeader);
    EXPECT_EQ(d->font().size, 9); // "小五", a word processor's header style
    EXPECT_FALSE(d->font().bold);
    d->typeText(QStringLiteral("公司名称"));
    d->seekView(WordDocument::MainText);
    EXPECT_EQ(d->font().size, 14);
    EXPECT_TRUE(d->font().bold);
    const auto &header = std::get<WordParagraph>(d->model().header.blocks[0]);
    EXPECT_EQ(header.runs.at(0).format.size, 9);
    EXPECT_EQ(header.markFormat.size, 9);
}

TEST(WordDocumentSections, ABreakSplitsTheSectionItIsTypedIn)
{
    auto d = newDocument();
    d->typeText(QStringLiteral("封面"));
    d->startSection(PageOrientation::Landscape);
    d->typeText(QStringLiteral("表"));
    // A break typed at the start of the cover's line: what precedes it keeps
    // the cover's portrait page, the cover line goes to the new section and
    // still ends it with its own break, before the landscape one.
    d->moveUp(WordDocument::Line, 1);
    d->typeText(QStringLiteral("前"));
    d->startSection(PageOrientation::Portrait);
    ASSERT_EQ(d->model().body.blocks.size(), 3u);
    EXPECT_EQ(bodyParagraph(*d, 0).text(), QStringLiteral("前"));
    EXPECT_TRUE(bodyParagraph(*d, 0).endsSection);
    EXPECT_EQ(bodyParagraph(*d, 1).text(), QStringLiteral("封面"));
    EXPECT_TRUE(bodyParagraph(*d, 1).endsSection);
    EXPECT_FALSE(bodyParagraph(*d, 2).endsSection);
    std::vector<PageOrientation> orientations;
    for (const WordSection &s : d->model().sections)
        orientations.push_back(s.orientation);
    EXPECT_EQ(orientations, (std::vector<PageOrientation>{PageOrientation::Portrait, PageOrientation::Portrait,
                                                         PageOrientation::Landscape}));
    // A table put in before the cover line leaves the break on that line.
    d->addTable(1, 2, false);
    EXPECT_TRUE(std::holds_alternative<WordTable>(d->model().body.blocks.at(1)));
    EXPECT_EQ(bodyParagraph(*d, 2).text(), QStringLiteral("封面"));
    EXPECT_TRUE(bodyParagraph(*d, 2).endsSection);
}
