// The installation data as the program finds it beside its executables:
// text files the pages and the tip dialog read (GBK), pictures the process
// file inserts, icons the windows load, and the help.
#include "core/project/TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace zelvan;

namespace {

QDir programDir()
{
    const QByteArray bin = qgetenv("ZELVAN_BIN_DIR");
    return QDir(QString::fromLocal8Bit(bin));
}

std::string readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

// Lines of a GBK text file as the program reads them: split at line ends,
// a trailing carriage return dropped.
std::vector<std::string> lines(const std::string &bytes)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        out.push_back(line);
        start = end + 1;
    }
    return out;
}

// A text is valid GBK when it decodes without replacement characters and
// encodes back to the same bytes.
::testing::AssertionResult isValidGbk(const std::string &bytes)
{
    const std::string utf8 = gbkToUtf8(bytes);
    if (utf8.find("\xEF\xBF\xBD") != std::string::npos)
        return ::testing::AssertionFailure() << "contains byte sequences that are not GBK";
    if (utf8ToGbk(utf8) != bytes)
        return ::testing::AssertionFailure() << "does not round-trip through GBK";
    return ::testing::AssertionSuccess();
}

// The tip reader skips lines that begin with a blank, a tab or ";", and empty lines.
bool isTipLine(const std::string &line)
{
    return !line.empty() && line[0] != ' ' && line[0] != '\t' && line[0] != ';';
}

QImage loadImage(const QString &relativePath)
{
    QImageReader reader(programDir().filePath(relativePath));
    return reader.read();
}

// Share of pixels that differ clearly from white (or, with alpha, are visible).
double inkCoverage(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 inked = 0;
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = row[x];
            const bool visible = qAlpha(p) > 64;
            const bool dark = qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200;
            if (image.hasAlphaChannel() ? visible : dark)
                ++inked;
        }
    }
    return double(inked) / double(argb.width() * argb.height());
}

std::vector<std::string> nonEmptyLines(const QString &relativePath)
{
    std::vector<std::string> out;
    for (const std::string &line : lines(readBytes(programDir().filePath(relativePath)))) {
        if (!line.empty())
            out.push_back(line);
    }
    return out;
}

} // namespace

TEST(InstallationTextFiles, StandardsListIsGbkWithThirtyNumberedStandards)
{
    const std::string bytes = readBytes(programDir().filePath(QStringLiteral("标准及规范.txt")));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(isValidGbk(bytes));

    const std::vector<std::string> standards = nonEmptyLines(QStringLiteral("标准及规范.txt"));
    EXPECT_GE(standards.size(), 30u);
    // The page remembers only the first 100 lines; every line must stay selectable.
    EXPECT_LE(standards.size(), 100u);

    // "number-year title": a code prefix, a number, a four-digit year, a blank, a Chinese title.
    const QRegularExpression form(QStringLiteral(
        "^(TSG|GB|GB/T|NB/T|JB|JB/T|HG/T) ?[0-9A-Z][0-9A-Z.~ ]*-(19|20)[0-9]{2} \\S.*[\\x{4e00}-\\x{9fff}].*$"));
    QSet<QString> seen;
    for (const std::string &line : standards) {
        const QString text = fromGbk(line);
        EXPECT_TRUE(form.match(text).hasMatch()) << text.toStdString();
        EXPECT_FALSE(seen.contains(text)) << "duplicate: " << text.toStdString();
        seen.insert(text);
    }
    // The regulations every process file of the shop cites.
    const QString all = QStringList(seen.values()).join(QLatin1Char('\n'));
    for (const char *required : {"TSG 21-2016 固定式压力容器安全技术监察规程", "GB/T 150.4-2011 压力容器 第4部分：制造、检验和验收",
                                 "NB/T 47015-2011 压力容器焊接规程", "NB/T 47014-2011 承压设备焊接工艺评定",
                                 "JB/T 4711-2003 压力容器涂敷与运输包装", "GB/T 25198-2010 压力容器封头"}) {
        EXPECT_TRUE(all.contains(QString::fromUtf8(required))) << required;
    }
}

TEST(InstallationTextFiles, TipsFileHoldsTwentyReadableTips)
{
    const std::string bytes = readBytes(programDir().filePath(QStringLiteral("tips.txt")));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(isValidGbk(bytes));
    int tips = 0;
    for (const std::string &line : lines(bytes)) {
        // The tip reader takes at most 999 characters per line.
        EXPECT_LT(line.size(), 999u) << fromGbk(line).left(20).toStdString();
        if (isTipLine(line)) {
            ++tips;
            EXPECT_GE(fromGbk(line).size(), 10) << "tip too short to be useful: " << gbkToUtf8(line);
        }
    }
    EXPECT_GE(tips, 20);
}

TEST(InstallationTextFiles, EveryExternalFormHasItsProcessDiagram)
{
    const QString listPath = QStringLiteral("工序图/工序图列表.txt");
    const std::string bytes = readBytes(programDir().filePath(listPath));
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(isValidGbk(bytes));
    const std::vector<std::string> forms = nonEmptyLines(listPath);
    EXPECT_GE(forms.size(), 4u);
    for (const char *common : {"立式支腿", "立式裙座", "立式耳座", "卧式鞍座"}) {
        EXPECT_NE(std::find(forms.begin(), forms.end(), gbk(common)), forms.end()) << common;
    }
    for (const std::string &form : forms) {
        const QString picture = QStringLiteral("工序图/工序图-") + fromGbk(form) + QStringLiteral(".JPG");
        const QImage image = loadImage(picture);
        ASSERT_FALSE(image.isNull()) << picture.toStdString();
        EXPECT_GE(image.width(), 1100) << picture.toStdString();
        EXPECT_LE(image.width(), 1400) << picture.toStdString();
        EXPECT_GT(image.height(), image.width() / 2);
    }
}

TEST(InstallationTextFiles, CopiesBesideTheProgramEqualTheSources)
{
    const QDir source(QString::fromLocal8Bit(qgetenv("ZELVAN_SOURCE_DIR")) + QStringLiteral("/data"));
    for (const QString &name : {QStringLiteral("标准及规范.txt"), QStringLiteral("tips.txt"),
                                QStringLiteral("工序图/工序图列表.txt"), QStringLiteral("Container/index.html")}) {
        const std::string original = readBytes(source.filePath(name));
        ASSERT_FALSE(original.empty()) << name.toStdString();
        EXPECT_EQ(readBytes(programDir().filePath(name)), original) << name.toStdString();
    }
}

// Pictures the process file inserts, with the width the card prints them at.
class DocumentPicture : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DocumentPicture, LoadsWithInkAndPrintsWithinTheCard)
{
    const QString path = QString::fromUtf8(GetParam());
    const QImage image = loadImage(path);
    ASSERT_FALSE(image.isNull()) << GetParam();
    EXPECT_GE(image.width(), 1000);
    EXPECT_GE(image.height(), 500);
    // The word processor sizes a picture from its stored density: it must fit
    // the 15 cm of a card's table, and not shrink to a thumbnail.
    ASSERT_GT(image.dotsPerMeterX(), 0);
    const double printedCm = 100.0 * image.width() / image.dotsPerMeterX();
    EXPECT_GE(printedCm, 12.0) << GetParam();
    EXPECT_LE(printedCm, 15.5) << GetParam();
    // A real drawing: neither empty nor a filled block.
    const double ink = inkCoverage(image);
    EXPECT_GT(ink, 0.02) << GetParam();
    EXPECT_LT(ink, 0.5) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(HeadAndCardPictures, DocumentPicture,
                         ::testing::Values("封头图/椭圆封头图.JPG", "封头图/锥形封头图.JPG", "封头图/法兰封头图.JPG",
                                           "封头图/平盖封头图.JPG", "pics/接管法兰预制.JPG", "pics/补强圈预制.JPG",
                                           "pics/总装.JPG", "工序图/工序图-立式支腿.JPG",
                                           "工序图/工序图-卧式鞍座.JPG"));

TEST(ProgramDirectory, PicsFolderAcceptsTheShellSketches)
{
    // The process file writes its two sketches into pics at run time.
    const QDir pics(programDir().filePath(QStringLiteral("pics")));
    ASSERT_TRUE(pics.exists());
    QTemporaryFile probe(pics.filePath(QStringLiteral("probe-XXXXXX.BMP")));
    EXPECT_TRUE(probe.open());
}

struct IconSpec
{
    const char *path;
    int width;
    int height;
};

void PrintTo(const IconSpec &spec, std::ostream *os)
{
    *os << spec.path;
}

class ProgramIcon : public ::testing::TestWithParam<IconSpec>
{
};

TEST_P(ProgramIcon, HasItsSizeAndIsDrawn)
{
    const IconSpec spec = GetParam();
    const QImage image = loadImage(QString::fromUtf8(spec.path));
    ASSERT_FALSE(image.isNull()) << spec.path;
    EXPECT_EQ(image.width(), spec.width) << spec.path;
    EXPECT_EQ(image.height(), spec.height) << spec.path;
    // Icons on transparency are mostly shape; the head sections on white are
    // line drawings with less ink, but never an empty frame.
    const double ink = inkCoverage(image);
    EXPECT_GT(ink, image.hasAlphaChannel() ? 0.08 : 0.03) << spec.path;
    EXPECT_LT(ink, 0.97) << spec.path;
}

INSTANTIATE_TEST_SUITE_P(
    Icons, ProgramIcon,
    ::testing::Values(IconSpec{"icons/app.png", 256, 256}, IconSpec{"icons/app-48.png", 48, 48},
                      IconSpec{"icons/app-32.png", 32, 32}, IconSpec{"icons/app-16.png", 16, 16},
                      IconSpec{"icons/new-project.png", 32, 32}, IconSpec{"icons/open-project.png", 32, 32},
                      IconSpec{"icons/save-project.png", 32, 32},
                      IconSpec{"icons/layout-drawing.png", 32, 32},
                      IconSpec{"icons/consumable-selection.png", 32, 32}, IconSpec{"icons/drying-parameters.png", 32, 32},
                      IconSpec{"icons/preheat-parameters.png", 32, 32}, IconSpec{"icons/qualification-library.png", 32, 32},
                      IconSpec{"icons/company-info.png", 32, 32}, IconSpec{"icons/help.png", 32, 32},
                      IconSpec{"icons/exit.png", 32, 32}, IconSpec{"icons/tree-category.png", 16, 16},
                      IconSpec{"icons/tree-item.png", 16, 16}, IconSpec{"icons/tree-selected.png", 16, 16},
                      IconSpec{"icons/lightbulb.png", 48, 48}, IconSpec{"icons/vessel-vertical.png", 200, 200},
                      IconSpec{"icons/vessel-horizontal.png", 200, 200}, IconSpec{"icons/head-ellipsoidal.png", 240, 180},
                      IconSpec{"icons/head-conical.png", 240, 180}, IconSpec{"icons/head-flanged.png", 240, 180},
                      IconSpec{"icons/head-flat.png", 240, 180}));

TEST(ProgramIcons, EveryPictureIsDrawnOnItsOwn)
{
    // A copied placeholder shows up as two identical files.
    const QDir icons(programDir().filePath(QStringLiteral("icons")));
    QSet<QByteArray> seen;
    const QStringList names = icons.entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_GE(names.size(), 25);
    for (const QString &name : names) {
        QImage image(icons.filePath(name));
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QByteArray pixels(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(pixels)) << name.toStdString();
        seen.insert(pixels);
    }
}

namespace {

QString helpText(const QString &page)
{
    QFile file(programDir().filePath(QStringLiteral("Container/") + page));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList helpPages()
{
    return QDir(programDir().filePath(QStringLiteral("Container"))).entryList({QStringLiteral("*.html")}, QDir::Files);
}

} // namespace

TEST(Help, EveryLinkAndPictureResolves)
{
    const QStringList pages = helpPages();
    ASSERT_TRUE(pages.contains(QStringLiteral("index.html")));
    const QDir container(programDir().filePath(QStringLiteral("Container")));
    const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]+)\""));
    int references = 0;
    for (const QString &page : pages) {
        const QString html = helpText(page);
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (auto it = reference.globalMatch(html); it.hasNext();) {
            QString target = it.next().captured(1);
            if (target.startsWith(QLatin1String("http")))
                continue;
            target = target.section(QLatin1Char('#'), 0, 0);
            if (target.isEmpty())
                continue;
            ++references;
            EXPECT_TRUE(QFileInfo::exists(container.filePath(target)))
                << page.toStdString() << " -> " << target.toStdString();
        }
    }
    EXPECT_GT(references, 50);
}

TEST(Help, EveryPageIsReachableFromTheTableOfContents)
{
    const QRegularExpression link(QStringLiteral("href=\"([a-z-]+\\.html)"));
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const QString page = queue.takeFirst();
        for (auto it = link.globalMatch(helpText(page)); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (!reached.contains(target)) {
                reached.insert(target);
                queue << target;
            }
        }
    }
    for (const QString &page : helpPages())
        EXPECT_TRUE(reached.contains(page)) << page.toStdString();
}

TEST(Help, CoversEveryMenuPageToolAndDocument)
{
    QString all;
    for (const QString &page : helpPages())
        all += helpText(page);
    const char *subjects[] = {
        // menus and commands
        "新建项目", "打开项目", "关闭项目", "保存项目", "最近文件", "退出", "生成容器排版图", "常用焊材选择",
        "常用焊材烘干参数", "常用钢材最低预热参数", "焊接工艺评定库", "设置公司信息", "帮助主题", "关于", "每日一帖",
        // pages of a project window
        "项目信息", "基本信息", "封头参数", "筒节参数", "接管参数", "板材参数", "零件参数", "焊缝参数", "产品工艺卡",
        "焊接工艺卡", "塔器参数",
        // generated documents
        "-排版图.dxf", "-产品工艺文件.doc", "-产品工艺文件-筒体部分.doc", "-焊接工艺卡.doc", "-焊缝参数表.doc",
        "-零件参数表.doc", "-塔器产品合格证.doc", "打开生成的文件",
        // process cards of the process file
        "容器生产过程卡(封头)", "容器生产过程卡(筒体)", "容器生产过程卡(接管法兰预制)", "容器生产过程卡(补强圈预制)",
        "容器生产过程卡(附件预制)", "容器生产过程卡(总装)", "容器生产过程卡(试压、油漆、入库)",
        // installation data
        "标准及规范.txt", "工序图列表.txt", "tips.txt"};
    for (const char *subject : subjects)
        EXPECT_TRUE(all.contains(QString::fromUtf8(subject))) << subject;
}
