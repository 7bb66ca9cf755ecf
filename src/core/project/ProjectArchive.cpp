#include "core/project/ProjectArchive.h"

#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdint>
#include <cstring>

namespace zelvan {
namespace ProjectArchive {

namespace {

// The fixed order of the single fields at the start of the file. Negative
// entries stand for the company texts (-1 name, -2 licence). The creation
// time (field 8) appears twice; on reading the second copy wins.
constexpr int kCompanyName = -1;
constexpr int kCompanyLicence = -2;
constexpr int kHeadOrder[] = {
    1, 2, 3, 4, 9, 10, 11, 12, 8, kCompanyName, kCompanyLicence, 5, 6, 7, 8, 13,
    14, 15, 16, 17, 18, 19, 20, 21, 22,
    23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44,
    48, 49, 50, 47, 51, 52, 53, 54, 45, 46,
    55, 56, 57, 58, 59, 60, 61, 62, 63,
};
static_assert(sizeof kHeadOrder / sizeof kHeadOrder[0] == 66, "66 texts precede the shell-course count");

constexpr TableId kTablesBeforeProcessCard[] = {TableId::ShellCourses, TableId::Nozzles, TableId::Plates,
                                                TableId::Parts, TableId::Welds};
constexpr TableId kTablesAfterProcessCard[] = {TableId::WeldingCards, TableId::CardConsumables,
                                               TableId::CardParameters, TableId::Qualifications};

void appendLE(std::string &out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    bool readText(std::string &text)
    {
        uint32_t length = 0;
        uint8_t first = 0;
        if (!readByte(first))
            return false;
        if (first < 0xFF) {
            length = first;
        } else {
            uint16_t word = 0;
            if (!readWord(word))
                return false;
            if (word == 0xFFFE)
                return readUtf16Text(text);
            if (word < 0xFFFF) {
                length = word;
            } else if (!readDword(length)) {
                return false;
            }
        }
        if (length > m_bytes.size() - m_pos)
            return false;
        text.assign(m_bytes.data() + m_pos, length);
        m_pos += length;
        return true;
    }

private:
    bool readUtf16Text(std::string &text)
    {
        uint32_t units = 0;
        uint8_t first = 0;
        if (!readByte(first))
            return false;
        if (first < 0xFF) {
            units = first;
        } else {
            uint16_t word = 0;
            if (!readWord(word))
                return false;
            if (word < 0xFFFF)
                units = word;
            else if (!readDword(units))
                return false;
        }
        if (units > (m_bytes.size() - m_pos) / 2)
            return false;
        std::u16string utf16(units, u'\0');
        for (uint32_t i = 0; i < units; ++i) {
            const auto lo = static_cast<uint8_t>(m_bytes[m_pos + 2 * i]);
            const auto hi = static_cast<uint8_t>(m_bytes[m_pos + 2 * i + 1]);
            utf16[i] = static_cast<char16_t>(lo | (hi << 8));
        }
        m_pos += 2 * static_cast<size_t>(units);
        text = utf16ToGbk(utf16);
        return true;
    }

    bool readByte(uint8_t &value)
    {
        if (m_pos + 1 > m_bytes.size())
            return false;
        value = static_cast<uint8_t>(m_bytes[m_pos++]);
        return true;
    }
    bool readWord(uint16_t &value)
    {
        if (m_pos + 2 > m_bytes.size())
            return false;
        value = static_cast<uint16_t>(static_cast<uint8_t>(m_bytes[m_pos]) | (static_cast<uint8_t>(m_bytes[m_pos + 1]) << 8));
        m_pos += 2;
        return true;
    }
    bool readDword(uint32_t &value)
    {
        if (m_pos + 4 > m_bytes.size())
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<uint32_t>(static_cast<uint8_t>(m_bytes[m_pos + i])) << (8 * i);
        m_pos += 4;
        return true;
    }

    std::string_view m_bytes;
    size_t m_pos = 0;
};

void writeTable(std::string &out, const Table &table)
{
    appendText(out, table.countText());
    const int n = table.rowCount();
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < table.columns(); ++c)
            appendText(out, table.cell(r, c));
}

bool readTable(Reader &reader, Table &table)
{
    std::string count;
    if (!reader.readText(count))
        return false;
    // A count beyond the table's capacity cannot come from this program;
    // refuse the file rather than place rows outside the record.
    const int n = leadingInt(count);
    if (n > table.capacity())
        return false;
    table.setCountText(std::move(count));
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < table.columns(); ++c) {
            std::string text;
            if (!reader.readText(text))
                return false;
            table.setCell(r, c, std::move(text));
        }
    }
    return true;
}

} // namespace

void appendText(std::string &out, std::string_view text)
{
    const uint64_t length = text.size();
    if (length < 0xFF) {
        appendLE(out, length, 1);
    } else if (length < 0xFFFE) {
        out.push_back(static_cast<char>(0xFF));
        appendLE(out, length, 2);
    } else {
        out.push_back(static_cast<char>(0xFF));
        appendLE(out, 0xFFFF, 2);
        appendLE(out, length, 4);
    }
    out.append(text);
}

void write(const ProjectRecord &record, const CompanyInfo &company, std::string &out)
{
    for (int number : kHeadOrder) {
        if (number == kCompanyName)
            appendText(out, company.name);
        else if (number == kCompanyLicence)
            appendText(out, company.licence);
        else
            appendText(out, record.fieldByNumber(number));
    }
    for (TableId id : kTablesBeforeProcessCard)
        writeTable(out, record.table(id));
    for (int p = 1; p <= 10; ++p)
        appendText(out, record.process(static_cast<ProcessField>(p)));
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        appendText(out, record.standard(s));
    for (int p = 11; p <= 19; ++p)
        appendText(out, record.process(static_cast<ProcessField>(p)));
    for (int p = 21; p <= 24; ++p)
        appendText(out, record.process(static_cast<ProcessField>(p)));
    for (TableId id : kTablesAfterProcessCard)
        writeTable(out, record.table(id));
    // The external form was added to the format last and sits at the very end.
    appendText(out, record.process(ProcessField::ExternalForm));
}

namespace {
// Bytes the texts of a record take, so the output is allocated once.
size_t encodedSize(const ProjectRecord &record, const CompanyInfo &company)
{
    auto sizeOf = [](const std::string &text) { return text.size() + (text.size() < 0xFF ? 1 : text.size() < 0xFFFE ? 3 : 7); };
    size_t total = sizeOf(company.name) + sizeOf(company.licence) + sizeOf(record.field(Field::CreationTime));
    for (int n = 1; n <= kSingleFieldCount; ++n)
        total += sizeOf(record.fieldByNumber(n));
    for (int p = 1; p <= kProcessFieldCount; ++p)
        total += sizeOf(record.process(static_cast<ProcessField>(p)));
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        total += sizeOf(record.standard(s));
    for (const TableSpec &spec : allTableSpecs()) {
        const Table &table = record.table(spec.id);
        total += sizeOf(table.countText());
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c < table.columns(); ++c)
                total += sizeOf(table.cell(r, c));
    }
    return total;
}
} // namespace

std::string write(const ProjectRecord &record, const CompanyInfo &company)
{
    std::string out;
    out.reserve(encodedSize(record, company));
    write(record, company, out);
    return out;
}

ReadStatus read(std::string_view bytes, ProjectRecord &record, CompanyInfo &company)
{
    // Fill a fresh record and commit only when the whole file was read, so a
    // bad file never leaves a partly filled project behind.
    ProjectRecord fresh;
    CompanyInfo freshCompany;
    if (bytes.empty()) {
        record = std::move(fresh);
        company = freshCompany;
        return ReadStatus::Ok;
    }
    Reader reader(bytes);
    std::string text;
    for (int number : kHeadOrder) {
        if (!reader.readText(text))
            return ReadStatus::UnexpectedFormat;
        if (number == kCompanyName)
            freshCompany.name = std::move(text);
        else if (number == kCompanyLicence)
            freshCompany.licence = std::move(text);
        else
            fresh.setFieldByNumber(number, std::move(text));
    }
    for (TableId id : kTablesBeforeProcessCard)
        if (!readTable(reader, fresh.table(id)))
            return ReadStatus::UnexpectedFormat;
    auto readProcess = [&](int p) {
        if (!reader.readText(text))
            return false;
        fresh.setProcess(static_cast<ProcessField>(p), std::move(text));
        return true;
    };
    for (int p = 1; p <= 10; ++p)
        if (!readProcess(p))
            return ReadStatus::UnexpectedFormat;
    for (int s = 0; s < kStandardsSelectionSize; ++s) {
        if (!reader.readText(text))
            return ReadStatus::UnexpectedFormat;
        fresh.setStandard(s, std::move(text));
    }
    for (int p = 11; p <= 19; ++p)
        if (!readProcess(p))
            return ReadStatus::UnexpectedFormat;
    for (int p = 21; p <= 24; ++p)
        if (!readProcess(p))
            return ReadStatus::UnexpectedFormat;
    for (TableId id : kTablesAfterProcessCard)
        if (!readTable(reader, fresh.table(id)))
            return ReadStatus::UnexpectedFormat;
    if (!readProcess(static_cast<int>(ProcessField::ExternalForm)))
        return ReadStatus::UnexpectedFormat;
    record = std::move(fresh);
    company = std::move(freshCompany);
    return ReadStatus::Ok;
}

} // namespace ProjectArchive

namespace ProjectFile {

QString messageUnexpectedFormat() { return QStringLiteral("非预期的文件格式。"); }
QString messageNotFound(const QString &path) { return QStringLiteral("没有找到 %1。").arg(QDir::toNativeSeparators(path)); }
QString messageAccessDenied(const QString &path) { return QStringLiteral("对 %1 的存取被拒绝。").arg(QDir::toNativeSeparators(path)); }
QString messageSaveFailed() { return QStringLiteral("保存文档失败。"); }

namespace {
// No project this program writes comes near this; a larger file is not one
// of ours and is refused before it is read into memory.
constexpr qint64 kMaxProjectFileSize = qint64(1) << 30;

QString openFailureMessage(const QString &path, const QFileDevice &)
{
    // A missing folder is "not found"; any other refusal to open a file in
    // an existing folder (read-only, no permission, a directory of that
    // name) is an access failure.
    const QFileInfo info(path);
    if (!info.exists() && !QFileInfo(info.absolutePath()).isDir())
        return messageNotFound(path);
    return messageAccessDenied(path);
}
} // namespace

FileResult load(const QString &path, ProjectRecord &record, CompanyInfo &company)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileResult::failure(messageNotFound(path));
    if (info.isDir())
        return FileResult::failure(messageAccessDenied(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(openFailureMessage(path, file));
    if (file.size() > kMaxProjectFileSize)
        return FileResult::failure(messageUnexpectedFormat());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(messageAccessDenied(path));
    const auto status = ProjectArchive::read(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), record, company);
    if (status != ProjectArchive::ReadStatus::Ok)
        return FileResult::failure(messageUnexpectedFormat());
    return FileResult::success();
}

namespace {
qint64 g_writeLimit = -1;
} // namespace

void setWriteLimitForTesting(qint64 bytes) { g_writeLimit = bytes; }

FileResult saveBytes(const QString &path, std::string_view bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return FileResult::failure(messageAccessDenied(path));
    if (!QFileInfo(info.absolutePath()).isDir())
        return FileResult::failure(messageNotFound(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(openFailureMessage(path, file));
    qint64 toWrite = static_cast<qint64>(bytes.size());
    if (g_writeLimit >= 0 && toWrite > g_writeLimit)
        toWrite = g_writeLimit;
    const qint64 written = file.write(bytes.data(), toWrite);
    if (written != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return FileResult::failure(messageSaveFailed());
    }
    // A small file sits in Qt's write buffer until it is flushed; a failed
    // flush (a full disk) must not let commit() rename an empty temporary
    // over the previous file.
    if (!file.flush()) {
        file.cancelWriting();
        return FileResult::failure(messageSaveFailed());
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::PermissionsError)
            return FileResult::failure(messageAccessDenied(path));
        return FileResult::failure(messageSaveFailed());
    }
    return FileResult::success();
}

FileResult save(const QString &path, const ProjectRecord &record, const CompanyInfo &company)
{
    return saveBytes(path, ProjectArchive::write(record, company));
}

} // namespace ProjectFile
} // namespace zelvan
