// Project files and JSON documents that did not come from this program in
// good shape: cut short, with impossible counts, control characters, texts
// too long for the short length forms, bytes that are not GBK, characters
// GBK cannot hold. The reader either takes the file whole or refuses it with
// "非预期的文件格式。" and changes nothing; what it takes survives a save.
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"
#include "core/project/TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zelvan;

namespace {

const CompanyInfo kCompany{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};

ProjectRecord sample()
{
    ProjectRecord r;
    r.setField(Field::ProjectName, "R-1");
    r.setField(Field::VesselName, gbk("储罐"));
    r.setField(Field::CreationTime, "2024-03-05 08:30:00");
    r.table(TableId::ShellCourses).assignRows({{"1", gbk("筒节"), "1800", "12", "1600", "Q345R"},
                                               {"2", gbk("筒节"), "2000", "12", "1600", "Q345R"}});
    r.table(TableId::Plates).assignRows({{"1", "Q345R", "H1", "6000", "2000", "12", "2"}});
    r.setProcess(ProcessField::ExternalForm, gbk("鞍座式"));
    r.setStandard(3, "3");
    return r;
}

std::string archive(const ProjectRecord &record, const CompanyInfo &company = kCompany)
{
    return ProjectArchive::write(record, company);
}

// Reads `bytes`; on success checks that what was read saves to a file that
// reads back to the same record, byte for byte.
ProjectArchive::ReadStatus readAndCheckRoundTrip(std::string_view bytes, ProjectRecord &record, CompanyInfo &company)
{
    const auto status = ProjectArchive::read(bytes, record, company);
    if (status == ProjectArchive::ReadStatus::Ok) {
        const std::string saved = archive(record, company);
        ProjectRecord again;
        CompanyInfo againCompany;
        EXPECT_EQ(ProjectArchive::read(saved, again, againCompany), ProjectArchive::ReadStatus::Ok);
        EXPECT_EQ(archive(again, againCompany), saved);
    }
    return status;
}

// A project file by hand: `texts` in file order, each with the short form.
std::string handMade(std::initializer_list<std::string> texts)
{
    std::string out;
    for (const std::string &t : texts)
        ProjectArchive::appendText(out, t);
    return out;
}

bool fromJson(const std::string &json, ProjectRecord &record, CompanyInfo &company, QString &error)
{
    return ProjectJson::fromJson(QByteArray(json.data(), qsizetype(json.size())), record, company, error);
}

} // namespace

TEST(HostileProjectFile, EveryTruncationIsRefusedAndChangesNothing)
{
    ProjectRecord full = sample();
    full.setField(Field::DesignUnit, std::string(300, 'u'));      // the 16-bit form
    full.setProcess(ProcessField::Remarks, std::string(70000, 'r')); // the 32-bit form
    const std::string bytes = archive(full);
    ProjectRecord record = sample();
    record.setField(Field::Customer, "untouched");
    CompanyInfo company{"c", "l"};
    const std::string before = archive(record, company);
    int refused = 0;
    for (size_t cut = 1; cut < bytes.size(); cut += (cut < 2000 || bytes.size() - cut < 2000) ? 1 : 997) {
        EXPECT_EQ(ProjectArchive::read(std::string_view(bytes).substr(0, cut), record, company),
                  ProjectArchive::ReadStatus::UnexpectedFormat) << "cut at " << cut;
        ++refused;
    }
    EXPECT_GT(refused, 3000);
    EXPECT_EQ(archive(record, company), before);
    // The whole file, and the whole file with trailing bytes, are taken.
    EXPECT_EQ(readAndCheckRoundTrip(bytes + "trailing", record, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(archive(record, company), bytes);
}

TEST(HostileProjectFile, CountsThatAreNegativeOddOrHuge)
{
    ProjectRecord r = sample();
    // "-5": no rows follow, the text is kept as it was stored.
    r.table(TableId::Nozzles).setCountText("-5");
    // "2abc": two rows follow.
    r.table(TableId::Parts).setCountText("2abc");
    r.table(TableId::Parts).setCell(1, 1, gbk("鞍座"));
    ProjectRecord read;
    CompanyInfo company;
    ASSERT_EQ(readAndCheckRoundTrip(archive(r), read, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(read.table(TableId::Nozzles).countText(), "-5");
    EXPECT_EQ(read.table(TableId::Nozzles).rowCount(), 0);
    EXPECT_EQ(read.table(TableId::Parts).countText(), "2abc");
    EXPECT_EQ(read.table(TableId::Parts).rowCount(), 2);
    EXPECT_EQ(read.table(TableId::Parts).cell(1, 1), gbk("鞍座"));

    // A count past the capacity, or past the int range, cannot be placed:
    // the file is refused whole rather than read into the wrong places.
    for (const char *count : {"51", "999999999999", "2147483648", "+60"}) {
        std::string bytes = archive(ProjectRecord(), CompanyInfo());
        // Position 67 (index 66) is the shell-course count: 66 empty texts precede it.
        ASSERT_EQ(bytes[66], '\0');
        std::string countText;
        ProjectArchive::appendText(countText, count);
        bytes.replace(66, 1, countText);
        ProjectRecord untouched = sample();
        CompanyInfo untouchedCompany = kCompany;
        EXPECT_EQ(ProjectArchive::read(bytes, untouched, untouchedCompany), ProjectArchive::ReadStatus::UnexpectedFormat) << count;
        EXPECT_EQ(archive(untouched, untouchedCompany), archive(sample())) << count;
    }
    // Exactly the capacity, announced in a file with no rows after it, is a
    // file cut short.
    std::string fifty = archive(ProjectRecord(), CompanyInfo());
    fifty.replace(66, 1, handMade({"50"}));
    EXPECT_EQ(ProjectArchive::read(fifty, read, company), ProjectArchive::ReadStatus::UnexpectedFormat);
}

TEST(HostileProjectFile, ControlCharactersAndEveryByteValueSurviveASave)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.push_back(static_cast<char>(b));
    ProjectRecord r = sample();
    r.setField(Field::VesselName, std::string("a\0b\r\n\x1a\x7f", 7));
    r.setField(Field::Customer, everyByte);
    r.table(TableId::ShellCourses).setCell(0, 5, std::string("\xff\xfe\xff\x05", 4)); // looks like a UTF-16 marker
    ProjectRecord read;
    CompanyInfo company;
    ASSERT_EQ(readAndCheckRoundTrip(archive(r), read, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(read.field(Field::VesselName), std::string("a\0b\r\n\x1a\x7f", 7));
    EXPECT_EQ(read.field(Field::Customer), everyByte);
    EXPECT_EQ(read.table(TableId::ShellCourses).cell(0, 5), std::string("\xff\xfe\xff\x05", 4));
}

TEST(HostileProjectFile, TextsAroundTheLengthFormBoundaries)
{
    for (size_t length : {254u, 255u, 65533u, 65534u, 65535u, 70000u, 1u << 20}) {
        ProjectRecord r = sample();
        r.setField(Field::DesignUnit, std::string(length, 'q'));
        std::string encoded;
        ProjectArchive::appendText(encoded, r.field(Field::DesignUnit));
        const size_t prefix = length < 255 ? 1 : length < 65534 ? 3 : 7;
        EXPECT_EQ(encoded.size(), length + prefix) << length;
        ProjectRecord read;
        CompanyInfo company;
        ASSERT_EQ(readAndCheckRoundTrip(archive(r), read, company), ProjectArchive::ReadStatus::Ok) << length;
        EXPECT_EQ(read.field(Field::DesignUnit).size(), length);
        // The JSON form carries it whole too.
        ProjectRecord viaJson;
        CompanyInfo viaJsonCompany;
        QString error;
        ASSERT_TRUE(fromJson(ProjectJson::toJson(r, kCompany), viaJson, viaJsonCompany, error)) << error.toStdString();
        EXPECT_EQ(archive(viaJson, viaJsonCompany), archive(r));
    }
}

TEST(HostileProjectFile, ALengthBeyondTheFileIsRefused)
{
    // 0xFF 0xFFFF then a length of 4 GiB - 1 with three bytes behind it.
    std::string bytes("\xff\xff\xff\xff\xff\xff\xff" "abc", 10);
    ProjectRecord record;
    CompanyInfo company;
    EXPECT_EQ(ProjectArchive::read(bytes, record, company), ProjectArchive::ReadStatus::UnexpectedFormat);
    // The same in the UTF-16 form: 0xFFFFFFFF code units announced.
    std::string utf16("\xff\xfe\xff\xff\xff\xff\xff\xff\xff" "ab", 11);
    EXPECT_EQ(ProjectArchive::read(utf16, record, company), ProjectArchive::ReadStatus::UnexpectedFormat);
}

// A lone high surrogate becomes "?" on its own: the character after it is
// kept (two code units are skipped only for a real surrogate pair).
TEST(HostileProjectFile, UnicodeFormTextsWithCharactersOutsideGbk)
{
    // A file whose first text is in the UTF-16 form: "容" U+5BB9, an emoji
    // (a surrogate pair GBK cannot hold), a lone high surrogate, then "A".
    std::string bytes("\xff\xfe\xff\x05", 4);
    for (char16_t unit : {char16_t(0x5BB9), char16_t(0xD83D), char16_t(0xDE00), char16_t(0xD800), char16_t(u'A')}) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    bytes += archive(ProjectRecord(), CompanyInfo()).substr(1);
    ProjectRecord record;
    CompanyInfo company;
    ASSERT_EQ(readAndCheckRoundTrip(bytes, record, company), ProjectArchive::ReadStatus::Ok);
    const QString path = fromGbk(record.field(Field::ProjectFilePath));
    EXPECT_TRUE(path.startsWith(QStringLiteral("容"))) << path.toStdString();
    EXPECT_TRUE(path.endsWith(QLatin1Char('A'))) << path.toStdString();
    EXPECT_TRUE(path.contains(QLatin1Char('?'))) << path.toStdString();
}

TEST(HostileProjectFile, BytesThatAreNotGbkStillGiveValidJson)
{
    ProjectRecord r = sample();
    r.setField(Field::VesselName, std::string("\x81\x20\xff\x80\xfe", 5));
    r.setField(Field::Customer, std::string("\"\\\x01</tag>", 9));
    const std::string json = ProjectJson::toJson(r, kCompany);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray(json.data(), qsizetype(json.size())), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(doc.object().value("fields").toObject().value("16").toString(), QStringLiteral("\"\\\x01</tag>"));
    EXPECT_TRUE(doc.object().value("fields").toObject().value("10").toString().contains(QChar(0xFFFD)));
}

TEST(HostileJson, CharactersOutsideGbkAreRefusedWithAMessage)
{
    ProjectRecord record = sample();
    CompanyInfo company = kCompany;
    const std::string before = archive(record, company);
    QString error;
    const std::pair<const char *, const char *> cases[] = {
        {"{\"fields\": {\"10\": \"\xf0\x9f\x98\x80\"}}", // an emoji
         "fields.10 holds a character that GBK cannot hold"},
        {"{\"tables\": {\"plates\": {\"count\": \"1\", \"rows\": [[\"1\",\"\xe2\x82\xac\xe2\x84\xa2\xf0\x9f\x8e\x89\",\"\",\"\",\"\",\"\",\"\"]]}}}",
         "tables.plates.rows[0][1] holds a character that GBK cannot hold"},
    };
    for (const auto &[json, message] : cases) {
        EXPECT_FALSE(fromJson(json, record, company, error)) << json;
        EXPECT_EQ(error, QString::fromUtf8(message));
    }
    EXPECT_EQ(archive(record, company), before);
}

// A lone surrogate in a JSON text is not a character at all: it is refused
// like any other text GBK cannot hold, never stored as "?".
TEST(HostileJson, ALoneSurrogateIsRefusedNotReplaced)
{
    ProjectRecord record;
    CompanyInfo company = kCompany;
    QString error;
    for (const char *json : {"{\"company\": {\"name\": \"\\ud800\"}}", "{\"fields\": {\"3\": \"a\\udc00b\"}}"}) {
        EXPECT_FALSE(fromJson(json, record, company, error)) << json;
        EXPECT_TRUE(error.contains(QStringLiteral("GBK"))) << error.toStdString();
    }
    EXPECT_EQ(company, kCompany);
}

// What the program window does with a character GBK cannot hold: the text
// keeps every other character and the lost one shows as "?".
TEST(HostileProjectFile, CharactersTypedOutsideGbkBecomeAQuestionMarkOnly)
{
    const QString typed = QString::fromUtf8("储罐\xF0\x9F\x98\x80" "A\xE2\x82\xAC\xC3\xA9");
    const std::string stored = toGbk(typed);
    const QString back = fromGbk(stored);
    EXPECT_TRUE(back.startsWith(QString::fromUtf8("储罐?A"))) << back.toStdString();
    EXPECT_FALSE(back.contains(QChar(0xFFFD)));
    ProjectRecord r;
    r.setField(Field::VesselName, stored);
    ProjectRecord read;
    CompanyInfo company;
    ASSERT_EQ(readAndCheckRoundTrip(archive(r), read, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(read.field(Field::VesselName), stored);
}

TEST(HostileJson, CountsThatDoNotMatchTheirRowsAreRefused)
{
    struct Case {
        const char *count;
        int rows;
        bool accepted;
        const char *refusal;
    };
    // A count beyond the largest integer is named as the file writes it.
    for (const Case &c : {Case{"-5", 0, true, ""}, Case{"2abc", 2, true, ""},
                          Case{"2abc", 1, false, "tables.shell_courses has 1 rows but its count announces 2"},
                          Case{"999999999999", 0, false, "tables.shell_courses.count announces 999999999999 rows; the table holds 50"},
                          Case{"51", 51, false, "tables.shell_courses.count announces 51 rows; the table holds 50"},
                          Case{"", 0, true, ""}}) {
        std::string json = "{\"tables\": {\"shell_courses\": {\"count\": \"" + std::string(c.count) + "\", \"rows\": [";
        for (int i = 0; i < c.rows; ++i)
            json += std::string(i ? "," : "") + "[\"1\",\"a\",\"100\",\"10\",\"1000\",\"Q345R\"]";
        json += "]}}}";
        ProjectRecord record;
        CompanyInfo company;
        QString error;
        EXPECT_EQ(fromJson(json, record, company, error), c.accepted) << c.count << " with " << c.rows << " rows";
        if (c.accepted) {
            EXPECT_EQ(record.table(TableId::ShellCourses).countText(), c.count);
            EXPECT_EQ(record.table(TableId::ShellCourses).rowCount(), c.rows);
        } else {
            EXPECT_EQ(error, QString::fromUtf8(c.refusal)) << c.count;
        }
    }
}

TEST(HostileJson, WrongShapesAreRefusedNeverCrash)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "malformed JSON at offset 0: illegal value"},
        {"[]", "malformed JSON: the top level is not an object"},
        {"null", "malformed JSON at offset 1: illegal value"},
        {"{\"fields\": []}", "fields is not an object"},
        {"{\"fields\": {\"0\": \"x\"}}", "fields.0 is not a field (1 to 63; field 64 is tables.shell_courses.count)"},
        {"{\"fields\": {\"64\": \"1\"}}", "fields.64 is not a field (1 to 63; field 64 is tables.shell_courses.count)"},
        {"{\"fields\": {\"01\": \"x\"}}", "fields.01 is not a field (1 to 63; field 64 is tables.shell_courses.count)"},
        {"{\"fields\": {\"3\": 5}}", "fields.3 is not a text"},
        {"{\"process_card\": {\"S\": {}}}", "process_card.S must be a list of at most 100 texts"},
        {"{\"tables\": {\"nozzles\": {\"count\": \"1\", \"rows\": [[]]}}}", "tables.nozzles.rows[0] must be a list of 14 texts"},
        {"{\"tables\": {\"nozzles\": {\"count\": 1}}}", "tables.nozzles.count is not a text"},
        {"{\"tables\": {\"welds\": []}}", "tables.welds is not an object"},
        {"{\"company\": \"x\"}", "company is not an object"},
        {"{\"fields\": {\"3\": \"a\"", "malformed JSON at offset 20: unterminated string"},
        {"{\"fields\": {\"3\": \"\\u0000\"}}x", "malformed JSON at offset 27: garbage at the end of the document"},
    };
    for (const auto &[json, message] : cases) {
        ProjectRecord record;
        CompanyInfo company;
        QString error;
        EXPECT_FALSE(fromJson(json, record, company, error)) << json;
        EXPECT_EQ(error, QString::fromUtf8(message)) << json;
    }
}

// Every seed and every input the fuzzers ever minimised into a regression is
// read here again, in the ordinary and the sanitizer build.
TEST(HostileProjectFile, FuzzCorporaAndRegressionInputs)
{
    const QString source = qEnvironmentVariable("ZELVAN_SOURCE_DIR");
    ASSERT_FALSE(source.isEmpty());
    int archives = 0, jsons = 0;
    for (const QString &sub : {QStringLiteral("corpus"), QStringLiteral("seeds-large"), QStringLiteral("regressions")}) {
        for (const QString &target : {QStringLiteral("archive_reader"), QStringLiteral("json_bridge")}) {
            QDirIterator it(source + "/fuzz/" + sub + "/" + target, QDir::Files);
            while (it.hasNext()) {
                QFile file(it.next());
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                const QByteArray bytes = file.readAll();
                ProjectRecord record;
                CompanyInfo company;
                if (target == QLatin1String("archive_reader")) {
                    readAndCheckRoundTrip(std::string_view(bytes.constData(), size_t(bytes.size())), record, company);
                    ++archives;
                } else {
                    QString error;
                    if (ProjectJson::fromJson(bytes, record, company, error)) {
                        const std::string again = ProjectJson::toJson(record, company);
                        ProjectRecord second;
                        CompanyInfo secondCompany;
                        ASSERT_TRUE(fromJson(again, second, secondCompany, error)) << it.fileName().toStdString();
                        EXPECT_EQ(archive(second, secondCompany), archive(record, company)) << it.fileName().toStdString();
                    } else {
                        EXPECT_FALSE(error.isEmpty());
                    }
                    ++jsons;
                }
            }
        }
    }
    EXPECT_GE(archives, 8);
    EXPECT_GE(jsons, 7);
}

TEST(HostileProjectFile, AFileTooLargeToBeOursIsRefusedBeforeReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.pcp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize((qint64(1) << 30) + 1)); // sparse: no disk used
    file.close();
    ProjectRecord record = sample();
    CompanyInfo company = kCompany;
    const FileResult result = ProjectFile::load(path, record, company);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, QStringLiteral("非预期的文件格式。"));
    EXPECT_EQ(archive(record, company), archive(sample()));
}
