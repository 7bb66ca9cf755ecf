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
    EXPECT_NE(xml.find("<w:u w:val=\"double\"/><w:sz w:val=\"36\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:u w:val=\"single\"/><w:sz w:val=\"21\"/><w:szCs w:val=\"21\"/></w:rPr>"
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

TEST(WordTableWidths, FittedColumnsFollowTheirTextAndNeverExceedThePage)
{
    auto d = WordDocument::start();
    d->setSize(12);
    const int t = d->addTable(2, 3, true);
    d->selectCell(t, 1, 1);
    d->typeText(QStringLiteral("序号"));
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("名称"));
    d->moveRight(WordDocument::Cell);
    d->typeText(QStringLiteral("检查"));
    const auto &table = std::get<WordTable>(d->model().body.blocks[0]);
    // Two characters of 12 points (240 twips each) and the cell padding.
    EXPECT_EQ(WordPackageWriter::columnWidths(table, d->model()), (std::vector<int>{696, 696, 696}));

    d->moveRight(WordDocument::Cell);
    d->moveRight(WordDocument::Cell);
    d->typeText(QString(200, QChar(0x5BB9))); // a very long content cell
    const auto &wide = std::get<WordTable>(d->model().body.blocks[0]);
    const std::vector<int> widths = WordPackageWriter::columnWidths(wide, d->model());
    // The minimum (a character and padding, no less than 636) plus a share
    // of the remaining 6398 twips by what each column would still like:
    // 60 of 47700 for the short ones.
    EXPECT_EQ(widths[0], 636 + 6398 * 60 / 47700);
    EXPECT_EQ(widths[2], widths[0]);
    EXPECT_EQ(widths[0] + widths[1] + widths[2], WordPackageWriter::kTextWidth);

    // An unbreakable Latin word keeps its column wide enough for it.
    d->selectCell(t, 1, 1);
    d->typeText(QStringLiteral("JB/T4730-2005"));
    const auto &withWord = std::get<WordTable>(d->model().body.blocks[0]);
    EXPECT_GE(WordPackageWriter::columnWidths(withWord, d->model())[0], 13 * 120 + 216);
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
