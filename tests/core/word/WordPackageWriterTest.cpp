#include "core/word/WordDocument.h"
#include "core/word/WordError.h"
#include "core/word/WordPackageWriter.h"

#include "core/project/ProjectArchive.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <zip.h>

#include <map>

using namespace zelvan;

namespace {

// Parses XML with Qt's reader; returns the error text, empty when well-formed.
QString xmlError(const std::string &xml)
{
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    while (!reader.atEnd())
        reader.readNext();
    return reader.hasError() ? reader.errorString() : QString();
}

int count(const std::string &haystack, const std::string &needle)
{
    int n = 0;
    for (size_t pos = haystack.find(needle); pos != std::string::npos; pos = haystack.find(needle, pos + 1))
        ++n;
    return n;
}

// The parts of a zip package, read back with libzip.
std::map<std::string, std::string> unzip(const QByteArray &bytes)
{
    std::map<std::string, std::string> parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive) {
        zip_source_free(source);
        return parts;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        std::string data(size_t(st.size), '\0');
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        zip_fread(file, data.data(), st.size);
        zip_fclose(file);
        parts[st.name] = data;
    }
    zip_close(archive);
    return parts;
}

} // namespace

TEST(WordXmlEscaping, MarkupIsEscapedAndForbiddenCharactersNeverReachTheXml)
{
    std::string out;
    QString text = QStringLiteral("a<b>&\"'c");
    text += QChar(0x01);
    text += QChar(0x1F);
    text += QChar(0xFFFE);
    text += QChar(0xD800); // an unpaired surrogate
    text += QStringLiteral("容器");
    text += QChar(0x7F); // allowed by XML 1.0
    WordPackageWriter::appendEscaped(out, text);
    EXPECT_EQ(out, "a&lt;b&gt;&amp;&quot;&apos;c容器\x7f");
}

TEST(WordXmlSerialisation, HostileTextKeepsTheDocumentWellFormed)
{
    auto d = WordDocument::start();
    d->typeText(QStringLiteral("</w:t></w:r><w:p>]]>&lt;") + QChar(0x0B) + QChar(0x00) + QStringLiteral("尾"));
    d->seekView(WordDocument::PageHeader);
    d->typeText(QStringLiteral("<公司&名称>"));
    const std::string document = WordPackageWriter::documentXml(d->model());
    const std::string header = WordPackageWriter::headerXml(d->model());
    EXPECT_EQ(xmlError(document), QString());
    EXPECT_EQ(xmlError(header), QString());
    EXPECT_NE(document.find("&lt;/w:t&gt;&lt;/w:r&gt;&lt;w:p&gt;]]&gt;&amp;lt;尾"), std::string::npos);
    EXPECT_NE(header.find("&lt;公司&amp;名称&gt;"), std::string::npos);
    EXPECT_NE(header.find("<w:pStyle w:val=\"Header\"/>"), std::string::npos);
}

TEST(WordXmlSerialisation, RunsCarryBoldUnderlineAndHalfPointSizes)
{
    auto d = WordDocument::start();
    d->setBold(true);
    d->setSize(30);
    d->typeText(QStringLiteral("产品工艺文件"));
    d->setBold(false);
    d->setUnderline(WordUnderline::Double);
    d->setSize(18);
    d->typeText(QStringLiteral("焊"));
    d->setUnderline(WordUnderline::Single);
    d->setSize(10.5);
    d->typeText(QStringLiteral("一\t二\r\n三\n四"));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_NE(xml.find("<w:rPr><w:b/><w:bCs/><w:sz w:val=\"60\"/><w:szCs w:val=\"60\"/></w:rPr><w:t xml:space=\"preserve\">产品工艺文件</w:t>"),
              std::string::npos);
    // The schema orders the size before the underline.
    EXPECT_NE(xml.find("<w:rPr><w:sz w:val=\"36\"/><w:szCs w:val=\"36\"/><w:u w:val=\"double\"/></w:rPr>"), std::string::npos);
    EXPECT_NE(xml.find("<w:rPr><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/><w:u w:val=\"single\"/></w:rPr>"
                       "<w:t xml:space=\"preserve\">一</w:t><w:tab/><w:t xml:space=\"preserve\">二</w:t><w:br/>"
                       "<w:t xml:space=\"preserve\">三</w:t><w:br/><w:t xml:space=\"preserve\">四</w:t>"),
              std::string::npos);
    EXPECT_EQ(xmlError(xml), QString());
}

TEST(WordXmlSerialisation, MergedCellsAreGridSpansWithSingleBorders)
{
    auto d = WordDocument::start();
    const int t = d->addTable(2, 4, false);
    d->selectCell(t, 2, 2);
    d->moveRight(WordDocument::Character, 3, true);
    d->mergeCells();
    d->setAlignment(WordAlignment::Centre);
    d->typeText(QStringLiteral("简图如下"));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(xmlError(xml), QString());
    EXPECT_EQ(count(xml, "<w:tr>"), 2);
    EXPECT_EQ(count(xml, "<w:tc>"), 6);
    EXPECT_EQ(count(xml, "<w:gridSpan w:val=\"3\"/>"), 1);
    EXPECT_EQ(count(xml, "<w:gridCol w:w=\"2076\"/>"), 4); // 8306 twips / 4
    EXPECT_NE(xml.find("<w:tcW w:w=\"6228\" w:type=\"dxa\"/><w:gridSpan w:val=\"3\"/></w:tcPr><w:p><w:pPr><w:jc w:val=\"center\"/>"),
              std::string::npos);
    EXPECT_EQ(count(xml, "w:val=\"single\" w:sz=\"4\""), 6);
    EXPECT_NE(xml.find("<w:tblLayout w:type=\"fixed\"/>"), std::string::npos);
}

TEST(WordTableWidths, ASplitCellIsDividedEquallyOverUnequalColumns)
{
    auto d = WordDocument::start();
    const int t = d->addTable(2, 3, true);
    d->selectCell(t, 1, 1);
    d->typeText(QString(30, QChar(0x5BB9))); // a wide first column
    d->selectCell(t, 2, 1);
    d->moveRight(WordDocument::Character, 3, true);
    d->mergeCells();
    d->splitCells(1, 2, false);
    const auto &table = std::get<WordTable>(d->model().body.blocks[0]);
    const std::vector<int> widths = WordPackageWriter::columnWidths(table, d->model());
    ASSERT_GT(widths[0], widths[1] + widths[2]);
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(xmlError(xml), QString());
    // The half edge is a grid column edge of its own: four grid columns,
    // the split row two cells of half the table each.
    EXPECT_EQ(count(xml, "<w:gridCol "), 4);
    const int half = (widths[0] + widths[1] + widths[2]) / 2;
    EXPECT_EQ(count(xml, "<w:tcW w:w=\"" + std::to_string(half) + "\" w:type=\"dxa\"/>"), 2);
}

// Widths of a fitted table, from what a printed page needs: A4 (11906
// twips) less two margins of 1800 leaves 8306 twips of text width; a cell
// loses 108 twips of margin on each side; a Chinese character of 12 points is
// 240 twips wide; a line exactly as wide as its cell wraps in LibreOffice, so
// a fitted cell keeps a point (20 twips) of room besides. Worked out once by
// hand, a column of n Chinese characters is n × 240 + 236 twips wide:
//   2 characters 716, 3 characters 956, 4 characters 1196,
//   5 characters 1436, 6 characters 1676;
// a word of 13 Latin letters (half an em, 120 twips each) 1796.
namespace {

// A fitted table at 12 points whose first row holds `heading` and the rows
// after it the texts of `body`, column by column.
struct ListTable {
    double points = 12;
    int padding = -1; // the default
    int availableWidth = WordPackageWriter::kTextWidth;
};

std::vector<int> fittedWidths(const QStringList &heading, const std::vector<QStringList> &body, ListTable list = {})
{
    auto d = WordDocument::start();
    d->setSize(list.points);
    const int t = d->addTable(1, int(heading.size()), true);
    if (list.padding >= 0)
        d->setCellPadding(t, list.padding);
    d->selectCell(t, 1, 1);
    bool first = true;
    auto cell = [&](const QString &text) {
        if (!first)
            d->moveRight(WordDocument::Cell);
        first = false;
        d->typeText(text);
    };
    for (const QString &text : heading)
        cell(text);
    for (const QStringList &row : body)
        for (const QString &text : row)
            cell(text);
    return WordPackageWriter::columnWidths(std::get<WordTable>(d->model().body.blocks[0]), d->model(), list.availableWidth);
}

int sum(const std::vector<int> &widths)
{
    int total = 0;
    for (int w : widths)
        total += w;
    return total;
}
} // namespace

TEST(WordTableWidths, ShortColumnsGetTheirWholeTextAndTheLongOneTakesTheRest)
{
    const QString longText(200, QChar(0x5BB9));
    // Two and four characters fit their share of the page: they get exactly
    // their text, the long column everything else.
    std::vector<int> widths = fittedWidths({QStringLiteral("序号"), QStringLiteral("负责工位"), QStringLiteral("工序内容")},
                                           {{QStringLiteral("1"), QStringLiteral("铆"), longText}});
    EXPECT_EQ(widths, (std::vector<int>{716, 1196, 6394})); // the long column: 8306 - 716 - 1196

    // The step table of a card: six columns, so a share is a sixth of the
    // page (1384 twips: five characters, the cell margins besides). "自检、专检"
    // (five) prints whole; six characters are long: that column gives way,
    // but never below its heading.
    widths = fittedWidths({QStringLiteral("序号"), QStringLiteral("名称"), QStringLiteral("工序内容及要求"), QStringLiteral("负责工位"),
                           QStringLiteral("检查"), QStringLiteral("检验员")},
                          {{QStringLiteral("17"), QStringLiteral("检验"), longText, QStringLiteral("检"), QStringLiteral("自检、专检、停"), QString()},
                           {QStringLiteral("2"), QStringLiteral("划线"), QStringLiteral("短"), QStringLiteral("气、铆"), QStringLiteral("自检"), QString()}});
    ASSERT_EQ(widths.size(), 6u);
    EXPECT_EQ(widths[0], 716);
    EXPECT_EQ(widths[1], 716);
    EXPECT_EQ(widths[3], 1196);
    EXPECT_EQ(widths[5], 956);
    EXPECT_GE(widths[4], 716);  // never below its heading "检查"
    EXPECT_LT(widths[4], 1676); // less than its six characters
    // The two long columns share exactly what the short ones leave, the
    // step text taking the most.
    EXPECT_EQ(widths[2] + widths[4], 4722); // 8306 - 716 - 716 - 1196 - 956
    EXPECT_GT(widths[2], 4 * widths[4]);
    // Five characters in that column fit whole.
    widths = fittedWidths({QStringLiteral("序号"), QStringLiteral("名称"), QStringLiteral("工序内容及要求"), QStringLiteral("负责工位"),
                           QStringLiteral("检查"), QStringLiteral("检验员")},
                          {{QStringLiteral("17"), QStringLiteral("检验"), longText, QStringLiteral("检"), QStringLiteral("自检、专检"), QString()}});
    EXPECT_EQ(widths[4], 1436);

    // When everything fits, the table is only as wide as its text.
    widths = fittedWidths({QStringLiteral("序号"), QStringLiteral("名称")}, {{QStringLiteral("1"), QStringLiteral("组对筒体封头")}});
    EXPECT_EQ(widths, (std::vector<int>{716, 1676}));
}

TEST(WordTableWidths, UnbreakableWordsWidenTheirColumnAndTooManyStillFitThePage)
{
    // A Latin word cannot be broken: its column keeps room for all of it
    // (13 characters of half an em, 120 twips at 12 points).
    std::vector<int> widths = fittedWidths({QStringLiteral("检验标准"), QStringLiteral("说明")},
                                           {{QStringLiteral("JB/T4730-2005"), QString(200, QChar(0x5BB9))}});
    EXPECT_GE(widths[0], 1796);
    EXPECT_EQ(sum(widths), 8306);

    // Three words of 60 letters need more than the page: the short column
    // still gets its text, the long ones share the rest equally and the
    // table stays on the page.
    const QString word(60, QLatin1Char('W'));
    widths = fittedWidths({QStringLiteral("序号"), QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙")},
                          {{QStringLiteral("1"), word, word, word}});
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths[0], 716);
    EXPECT_EQ(sum(widths), 8306);
    for (int i = 1; i < 4; ++i)
        EXPECT_NEAR(widths[size_t(i)], 2530, 1) << i; // (8306 - 716) / 3

    // A longer word takes the larger part.
    widths = fittedWidths({QStringLiteral("甲"), QStringLiteral("乙")}, {{QString(100, QLatin1Char('W')), word}});
    EXPECT_EQ(sum(widths), 8306);
    EXPECT_GT(widths[0], widths[1]);
}

TEST(WordXmlSerialisation, PageFlowIsWrittenWhereItBelongs)
{
    auto d = WordDocument::start();
    d->typeText(QStringLiteral("标题"));
    d->typeParagraph();
    const int first = d->addTable(3, 2, true);
    d->selectCell(first, 3, 1);
    d->setAllowBreakAcrossPages(true);
    d->setHeadingRow(true); // not at the top: no repeat
    d->moveDown(WordDocument::Line, 1);
    d->addTable(1, 2, false); // directly under the first table
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(xmlError(xml), QString());
    EXPECT_NE(xml.find("<w:p><w:pPr><w:keepNext/><w:jc w:val=\"left\"/><w:rPr><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/></w:rPr></w:pPr>"
                       "<w:r><w:rPr><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/></w:rPr><w:t xml:space=\"preserve\">标题</w:t>"),
              std::string::npos);
    // Heading rows repeat (the first of each table), rows never split unless
    // allowed to.
    EXPECT_EQ(count(xml, "<w:tblHeader/>"), 2);
    EXPECT_EQ(count(xml, "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"), 2);
    EXPECT_EQ(count(xml, "<w:tr><w:trPr><w:cantSplit/></w:trPr>"), 1);
    EXPECT_EQ(count(xml, "<w:tr><w:tc>"), 1);
    // Two tables that touch are kept apart by a paragraph, so neither loses
    // its own heading row.
    EXPECT_EQ(count(xml, "</w:tbl><w:tbl>"), 0);
    EXPECT_EQ(count(xml, "</w:tbl><w:p>"), 2);
}

TEST(WordXmlSerialisation, ANameRowAboveTheStepsIsWrittenAsTheTopOfTheStepTable)
{
    // A card: title, a one-row table of name and number, the step table.
    auto d = WordDocument::start();
    d->typeText(QStringLiteral("容器生产过程卡(总装)"));
    d->typeParagraph();
    const int names = d->addTable(1, 4, false);
    d->selectCell(names, 1, 1);
    for (const char *text : {"容器名称", "储罐", "产品编号", "CP-1"}) {
        if (std::string(text) != "容器名称")
            d->moveRight(WordDocument::Cell);
        d->typeText(QString::fromUtf8(text));
    }
    d->moveDown(WordDocument::Line, 1);
    const int steps = d->addTable(2, 3, false);
    d->selectCell(steps, 1, 1);
    d->typeText(QStringLiteral("序号"));
    d->selectCell(steps, 2, 2);
    d->typeText(QStringLiteral("划线"));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(xmlError(xml), QString());
    // One table: the name row and the step heading are both repeated
    // heading rows, so the title, the names and the first step stay together.
    EXPECT_EQ(count(xml, "<w:tbl>"), 1);
    EXPECT_EQ(count(xml, "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"), 2);
    EXPECT_LT(xml.find("容器名称"), xml.find("序号"));
    // The name row keeps its four equal cells over the steps' three
    // equal columns: the grid holds the edges of both (2076 × 4, 2768 × 3).
    const size_t grid = xml.find("<w:tblGrid>");
    EXPECT_EQ(xml.substr(grid, xml.find("</w:tblGrid>") - grid),
              "<w:tblGrid><w:gridCol w:w=\"2076\"/><w:gridCol w:w=\"692\"/><w:gridCol w:w=\"1384\"/>"
              "<w:gridCol w:w=\"1384\"/><w:gridCol w:w=\"692\"/><w:gridCol w:w=\"2076\"/>");
    EXPECT_EQ(count(xml, "<w:gridSpan w:val=\"2\"/>"), 2 + 2 * 3);

    // A heading-only table before a paragraph stays a table of its own.
    auto alone = WordDocument::start();
    alone->addTable(1, 2, false);
    alone->moveDown(WordDocument::Line, 1);
    alone->typeText(QStringLiteral("正文"));
    EXPECT_EQ(count(WordPackageWriter::documentXml(alone->model()), "<w:tbl>"), 1);
}

TEST(WordXmlSerialisation, OnlyARowTallerThanAThirdOfThePageMayBreakAcrossPages)
{
    auto d = WordDocument::start();
    const int table = d->addTable(3, 2, false);
    d->setSize(12);
    d->selectCell(table, 2, 2);
    // 4153 twips wide less the padding hold 16 characters of 12 points a
    // line: 14 lines of about 312 twips are less than a third of the 13958
    // twips of an A4 page's text height, 16 lines are more.
    d->typeText(QString(16 * 14, QChar(0x5B57)));
    d->selectCell(table, 3, 2);
    d->typeText(QString(16 * 16, QChar(0x5B57)));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(count(xml, "<w:tr><w:trPr><w:cantSplit/><w:tblHeader/></w:trPr>"), 1);
    EXPECT_EQ(count(xml, "<w:tr><w:trPr><w:cantSplit/></w:trPr>"), 1);
    EXPECT_EQ(count(xml, "<w:tr><w:tc>"), 1);
    EXPECT_LT(xml.find("<w:tr><w:trPr><w:cantSplit/></w:trPr>"), xml.find("<w:tr><w:tc>"));
}

TEST(WordXmlSerialisation, TheHeaderLeavesItsSizeToTheHeaderStyle)
{
    auto d = WordDocument::start();
    d->setSize(12);
    d->seekView(WordDocument::PageHeader);
    d->typeText(QStringLiteral("公司名称"));
    d->setSize(15);
    d->typeText(QStringLiteral("大"));
    d->seekView(WordDocument::MainText);
    const std::string header = WordPackageWriter::headerXml(d->model());
    EXPECT_NE(header.find("<w:p><w:pPr><w:pStyle w:val=\"Header\"/><w:jc w:val=\"center\"/>"), std::string::npos);
    EXPECT_NE(header.find("<w:r><w:t xml:space=\"preserve\">公司名称</w:t></w:r>"),
              std::string::npos);
    // A size given in the header is the header's own.
    EXPECT_NE(header.find("<w:r><w:rPr><w:sz w:val=\"30\"/><w:szCs w:val=\"30\"/></w:rPr><w:t xml:space=\"preserve\">大</w:t>"),
              std::string::npos);
    EXPECT_EQ(count(header, "w:val=\"21\""), 0);
    // The style: 9 points (18 half-points), centred, a line under it.
    const std::string styles = WordPackageWriter::parts(d->model()).at(6).bytes;
    const size_t style = styles.find("w:styleId=\"Header\"");
    ASSERT_NE(style, std::string::npos);
    const std::string headerStyle = styles.substr(style, styles.find("</w:style>", style) - style);
    EXPECT_NE(headerStyle.find("<w:sz w:val=\"18\"/>"), std::string::npos);
    EXPECT_NE(headerStyle.find("<w:jc w:val=\"center\"/>"), std::string::npos);
    EXPECT_NE(headerStyle.find("<w:bottom w:val=\"single\""), std::string::npos);
}

TEST(WordPackage, HoldsEveryPartAndOpensAsAZip)
{
    QTemporaryDir dir;
    QImage image(1200, 300, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(dir.filePath("wide.JPG"), "JPEG"));
    auto d = WordDocument::start();
    d->seekView(WordDocument::PageHeader);
    d->typeText(QStringLiteral("公司名称"));
    d->seekView(WordDocument::MainText);
    d->addPicture(dir.filePath("wide.JPG"));
    const auto parts = unzip(d->packageBytes());
    for (const char *name : {"[Content_Types].xml", "_rels/.rels", "word/document.xml", "word/_rels/document.xml.rels",
                             "word/header1.xml", "word/styles.xml", "word/settings.xml", "word/media/image1.jpeg"})
        EXPECT_EQ(parts.count(name), 1u) << name;
    for (const auto &[name, data] : parts) {
        if (name.ends_with(".xml") || name.ends_with(".rels")) {
            EXPECT_EQ(xmlError(data), QString()) << name;
        }
    }
    const std::string &document = parts.at("word/document.xml");
    // 1200 pixels are wider than the page: scaled to 8306 twips, 300 in proportion.
    EXPECT_NE(document.find("<wp:extent cx=\"5274310\" cy=\"1318577\"/>"), std::string::npos);
    EXPECT_NE(document.find("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"), std::string::npos);
    EXPECT_NE(document.find("r:embed=\"rIdPicture1\""), std::string::npos);
    EXPECT_NE(parts.at("word/_rels/document.xml.rels").find("Target=\"media/image1.jpeg\""), std::string::npos);
    EXPECT_NE(parts.at("word/styles.xml").find("w:eastAsia=\"宋体\""), std::string::npos);
    EXPECT_NE(parts.at("word/header1.xml").find("公司名称"), std::string::npos);
    QFile file(dir.filePath("wide.JPG"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(parts.at("word/media/image1.jpeg"), file.readAll().toStdString());
}

TEST(WordPackage, SmallPicturesKeepTheirPixelSize)
{
    QTemporaryDir dir;
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.filePath("s.bmp"), "BMP"));
    auto d = WordDocument::start();
    d->addPicture(dir.filePath("s.bmp"));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_NE(xml.find("<wp:extent cx=\"952500\" cy=\"476250\"/>"), std::string::npos);
}

TEST(WordPackage, SaveAsWritesAtomicallyAndReportsFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("项目-容器-产品工艺文件.doc");
    auto d = WordDocument::start();
    d->typeText(QStringLiteral("第一版"));
    d->saveAs(path);
    QFile first(path);
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray saved = first.readAll();
    first.close();
    EXPECT_TRUE(saved.startsWith("PK"));
    EXPECT_NE(unzip(saved).at("word/document.xml").find("第一版"), std::string::npos);

    // A save that fails half-way leaves the previous file whole.
    d->typeText(QStringLiteral("第二版"));
    AtomicFile::setWriteLimitForTesting(100);
    EXPECT_THROW(d->saveAs(path), WordError);
    AtomicFile::setWriteLimitForTesting(-1);
    QFile again(path);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), saved);

    EXPECT_THROW(d->saveAs(dir.filePath("no/such/folder/x.doc")), WordError);
}

// A section break: the cover stays portrait, what follows is in a landscape
// section. Read back as a reader does: each section's page setup is in the
// last paragraph of the section, the last one at the end of the body, and
// every one shows the page header.
TEST(WordPackageWriter, SectionsTurnThePageAndKeepTheHeader)
{
    auto d = WordDocument::start();
    d->seekView(WordDocument::PageHeader);
    d->typeText(QStringLiteral("公司"));
    d->seekView(WordDocument::MainText);
    d->typeText(QStringLiteral("封面"));
    d->startSection(PageOrientation::Landscape);
    d->typeText(QStringLiteral("表格"));
    d->typeParagraph();
    d->addTable(2, 4, false);

    struct Section {
        QString paragraphText; // of the paragraph holding it; empty at the body's end
        bool inParagraph = false;
        QString width, height, orient, header;
    };
    std::vector<Section> sections;
    QString tableWidth;
    QXmlStreamReader reader(QByteArray::fromStdString(unzip(d->packageBytes()).at("word/document.xml")));
    QStringList path;
    QString paragraphText;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const QString name = reader.qualifiedName().toString();
            if (name == QLatin1String("w:p"))
                paragraphText.clear();
            if (name == QLatin1String("w:sectPr")) {
                Section s;
                s.inParagraph = path.endsWith(QStringLiteral("w:pPr")) && path.size() >= 2
                                && path.at(path.size() - 2) == QLatin1String("w:p");
                if (!s.inParagraph)
                    EXPECT_TRUE(path.endsWith(QStringLiteral("w:body")));
                sections.push_back(s);
            }
            const auto a = reader.attributes();
            if (name == QLatin1String("w:pgSz")) {
                sections.back().width = a.value(QStringLiteral("w:w")).toString();
                sections.back().height = a.value(QStringLiteral("w:h")).toString();
                sections.back().orient = a.value(QStringLiteral("w:orient")).toString();
            }
            if (name == QLatin1String("w:headerReference"))
                sections.back().header = a.value(QStringLiteral("r:id")).toString();
            if (name == QLatin1String("w:tblW"))
                tableWidth = a.value(QStringLiteral("w:w")).toString();
            path.append(name);
        } else if (reader.isEndElement()) {
            if (reader.qualifiedName() == QLatin1String("w:p") && !sections.empty() && sections.back().inParagraph
                && sections.back().paragraphText.isNull())
                sections.back().paragraphText = paragraphText;
            path.removeLast();
        } else if (reader.isCharacters()) {
            paragraphText += reader.text();
        }
    }
    ASSERT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    ASSERT_EQ(sections.size(), 2u);
    // The cover: A4 portrait (210 x 297 mm), ended by its last paragraph.
    EXPECT_TRUE(sections[0].inParagraph);
    EXPECT_EQ(sections[0].paragraphText, QStringLiteral("封面"));
    EXPECT_EQ(sections[0].width, QStringLiteral("11906"));
    EXPECT_EQ(sections[0].height, QStringLiteral("16838"));
    EXPECT_TRUE(sections[0].orient.isEmpty());
    // The table's section: A4 turned, at the end of the body.
    EXPECT_FALSE(sections[1].inParagraph);
    EXPECT_EQ(sections[1].width, QStringLiteral("16838"));
    EXPECT_EQ(sections[1].height, QStringLiteral("11906"));
    EXPECT_EQ(sections[1].orient, QStringLiteral("landscape"));
    for (const Section &s : sections)
        EXPECT_EQ(s.header, QStringLiteral("rIdHeader"));
    // A fixed table spans the landscape text width: the page less two
    // 1800-twip margins (less what equal shares lose to rounding).
    EXPECT_LE(tableWidth.toInt(), 16838 - 2 * 1800);
    EXPECT_GE(tableWidth.toInt(), 16838 - 2 * 1800 - 3);

    // A break belongs to the main text, outside tables.
    EXPECT_THROW(d->startSection(PageOrientation::Portrait), WordError); // in the table
    d->seekView(WordDocument::PageHeader);
    EXPECT_THROW(d->startSection(PageOrientation::Portrait), WordError);
}

// A list of nineteen columns on a landscape page (13,238 twips of text) at
// 8 points (an em of 160 twips) with margins of 57 twips: its four-character
// headings cannot all stand on one line, the values beneath them must.
TEST(WordTableWidths, ADenseListKeepsItsValuesWholeAndLetsItsHeadingsTakeTwoLines)
{
    const QStringList heading = {"焊缝编号", "类别", "形状", "长度", "焊接人1", "焊接人2", "焊接人3", "材质A", "规格A", "材质B",
                                 "规格B", "焊缝类型", "坡口形式", "检验类型", "检验标准", "检验比例", "合格级别", "焊缝状态", "焊接位置"};
    const QStringList weld = {"D1", "D类", "环形", "1500", "张三", "", "", "16MnR", "φ159×4.5", "16MnR", "δ=12", "带坡口角焊缝",
                              "单边单面V型坡口+单角", "MT", "JB/T4730-2005《承压设备无损检测》", "100%", "I级", "准备", "全位置焊"};
    const ListTable list{8, 57, 13238};
    const std::vector<int> widths = fittedWidths(heading, {weld}, list);
    ASSERT_EQ(widths.size(), 19u);
    EXPECT_EQ(sum(widths), 13238);
    const double em = 160;
    const double margins = 2 * 57;
    // Advance widths of Times New Roman (per em: digits and n 0.5, M 0.889,
    // R 0.667, % 0.833, = 0.564, I 0.333) and of the East Asian font for
    // φ, δ, × and the Chinese characters (one em).
    auto fits = [&](int column, double ems) {
        EXPECT_GE(widths[size_t(column)], ems * em + margins) << heading[column].toStdString();
    };
    fits(3, 4 * 0.5);                             // 1500
    fits(7, 2 * 0.5 + 0.889 + 0.5 + 0.667);      // 16MnR
    fits(8, 1 + 3 * 0.5 + 1 + 0.5 + 0.25 + 0.5); // φ159×4.5 (the point 0.25)
    fits(10, 1 + 0.564 + 2 * 0.5);                // δ=12
    fits(15, 3 * 0.5 + 0.833);                    // 100%
    fits(16, 0.333 + 1);                          // I级
    // Running text keeps four characters a line, and every heading at least
    // half its characters: "焊缝编号" in two lines of two.
    fits(11, 4);
    fits(12, 4);
    fits(0, 2);
    // The inspection standard, the longest text, gets the widest column.
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), widths[14]);
}

// The same rules leave a table whose headings fit alone: a card's heading
// stays on one line even when its text column is long.
TEST(WordTableWidths, HeadingsThatFitStayOnOneLine)
{
    const std::vector<int> widths = fittedWidths({"序号", "负责工位", "工序内容及要求"},
                                                 {{"1", "铆、焊、气", QString(300, QChar(0x710A))}});
    // 12 points: an em of 240 twips, margins of 108 on each side.
    EXPECT_GE(widths[1], 4 * 240 + 216);
    EXPECT_GE(widths[2], 7 * 240 + 216);
}

TEST(WordPackageWriter, FixedFittedWidthsAndCellMarginsAreWritten)
{
    auto d = WordDocument::start();
    const int t = d->addTable(2, 3, true);
    d->fixColumnWidths(t);
    d->setCellPadding(t, 57);
    d->selectCell(t, 2, 3);
    d->typeText(QString(200, QChar(0x710A)));
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_NE(xml.find("<w:tblLayout w:type=\"fixed\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:tblCellMar><w:left w:w=\"57\" w:type=\"dxa\"/><w:right w:w=\"57\" w:type=\"dxa\"/></w:tblCellMar>"),
              std::string::npos);
    // A fixed table spans the text width even when its content is narrower.
    auto narrow = WordDocument::start();
    const int list = narrow->addTable(2, 3, true);
    narrow->fixColumnWidths(list);
    narrow->selectCell(list, 2, 1);
    narrow->typeText(QStringLiteral("1"));
    const std::vector<int> spanning =
        WordPackageWriter::columnWidths(std::get<WordTable>(narrow->model().body.blocks[0]), narrow->model());
    EXPECT_EQ(sum(spanning), 8306);
    // Fitted, not equal: the column holding the text is the widest.
    const std::vector<int> widths = WordPackageWriter::columnWidths(std::get<WordTable>(d->model().body.blocks[0]), d->model());
    EXPECT_GT(widths[2], widths[0]);
    EXPECT_THROW(d->setCellPadding(t, -1), WordError);
}

// A list inside a fitted card (a full-width row split into five cells, the
// rows after it taking its layout): its cells are fitted to the list, so a
// pipe size prints on one line beside a quantity of "1".
TEST(WordTableWidths, TheSplitCellsOfAFittedTableAreFittedToTheirList)
{
    auto d = WordDocument::start();
    d->setSize(12);
    const int t = d->addTable(1, 6, true);
    d->selectCell(t, 1, 1);
    for (const QString &text : {QStringLiteral("序号"), QStringLiteral("名称"), QString(40, QChar(0x5BB9)),
                                QStringLiteral("负责工位"), QStringLiteral("检查"), QStringLiteral("检查人")}) {
        if (text != QStringLiteral("序号"))
            d->moveRight(WordDocument::Cell);
        d->typeText(text);
    }
    d->moveRight(WordDocument::Cell); // a new row, merged and split in five
    d->moveRight(WordDocument::Character, 6, true);
    d->mergeCells();
    d->splitCells(1, 5, false);
    const QStringList header = {"法兰大小", "接管规格", "孔号", "数量", "管口形式"};
    const QStringList nozzle = {"DN200", "20#φ219×6/200", "N1", "1", "法兰"};
    for (const QStringList &cells : {header, nozzle}) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (cells != header || i)
                d->moveRight(WordDocument::Cell);
            d->typeText(cells[i]);
        }
    }
    const std::string xml = WordPackageWriter::documentXml(d->model());
    EXPECT_EQ(xmlError(xml), QString());
    // The widths of the last row's five cells, as written.
    std::vector<int> widths;
    const size_t lastRow = xml.rfind("<w:tr>");
    for (size_t at = xml.find("<w:tcW w:w=\"", lastRow); at != std::string::npos; at = xml.find("<w:tcW w:w=\"", at + 1))
        widths.push_back(std::stoi(xml.substr(at + 12)));
    ASSERT_EQ(widths.size(), 5u);
    EXPECT_EQ(sum(widths), 8306);
    // At 12 points: an em of 240 twips, "20#φ219×6/200" is 2 + 0.5 (#) + 1
    // (φ) + 1.5 + 1 (×) + 0.5 + 0.278 (/) + 1.5 em in Times New Roman and the
    // East Asian font; the margins are 108 twips a side.
    EXPECT_GE(widths[1], (2 * 0.5 + 0.5 + 1 + 1.5 + 1 + 0.5 + 0.278 + 1.5) * 240 + 216);
    // The quantity column is no wider than its heading needs with room to
    // spare: the list does not give every column a fifth.
    EXPECT_LT(widths[3], 8306 / 5);
    EXPECT_GE(widths[3], 2 * 240 + 216);
}
