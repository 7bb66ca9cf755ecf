#include "core/project/ProjectArchive.h"
#include "core/project/ProjectMessages.h"

#include "core/project/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <cstdint>
#include <cstring>

namespace zelvan {
namespace ProjectArchive {

namespace {

// The order of the texts in a project file, written once: the writer, the
// reader and the size calculation all walk this table. The creation time
// (field 8) appears twice; on reading the second copy wins. The external form
// (process-card field 20) was added to the format last and sits at the very
// end.
enum class SlotKind { Field, CompanyName, CompanyLicence, Table, Process, Standards };

struct Slot {
    SlotKind kind;
    int id = 0; // field number, TableId or process-card field number
};

constexpr Slot fieldSlot(int number) { return {SlotKind::Field, number}; }
constexpr Slot tableSlot(TableId id) { return {SlotKind::Table, static_cast<int>(id)}; }
constexpr Slot processSlot(int number) { return {SlotKind::Process, number}; }

constexpr size_t kSlotCount = 100;

constexpr std::array<Slot, kSlotCount> kLayout = [] {
    std::array<Slot, kSlotCount> order{};
    size_t i = 0;
    for (int n : {1, 2, 3, 4, 9, 10, 11, 12, 8})
        order[i++] = fieldSlot(n);
    order[i++] = {SlotKind::CompanyName};
    order[i++] = {SlotKind::CompanyLicence};
    for (int n : {5, 6, 7, 8})
        order[i++] = fieldSlot(n);
    for (int n = 13; n <= 44; ++n)
        order[i++] = fieldSlot(n);
    for (int n : {48, 49, 50, 47, 51, 52, 53, 54, 45, 46})
        order[i++] = fieldSlot(n);
    for (int n = 55; n <= 63; ++n)
        order[i++] = fieldSlot(n);
    for (TableId id : {TableId::ShellCourses, TableId::Nozzles, TableId::Plates, TableId::Parts, TableId::Welds})
        order[i++] = tableSlot(id);
    for (int p = 1; p <= 10; ++p)
        order[i++] = processSlot(p);
    order[i++] = {SlotKind::Standards};
    for (int p = 11; p <= 19; ++p)
        order[i++] = processSlot(p);
    for (int p = 21; p <= 24; ++p)
        order[i++] = processSlot(p);
    for (TableId id : {TableId::WeldingCards, TableId::CardConsumables, TableId::CardParameters, TableId::Qualifications})
        order[i++] = tableSlot(id);
    order[i++] = processSlot(static_cast<int>(ProcessField::ExternalForm));
    // Every slot filled: a wrong count fails the build, not a file.
    if (i != kSlotCount)
        throw "layout size";
    return order;
}();

// Calls `visit` with every text the file holds for the record, in file order.
template<typename Visit>
void forEachText(const ProjectRecord &record, const CompanyInfo &company, Visit &&visit)
{
    for (const Slot &slot : kLayout) {
        switch (slot.kind) {
        case SlotKind::Field: visit(record.fieldByNumber(slot.id)); break;
        case SlotKind::CompanyName: visit(company.name); break;
        case SlotKind::CompanyLicence: visit(company.licence); break;
        case SlotKind::Process: visit(record.process(static_cast<ProcessField>(slot.id))); break;
        case SlotKind::Standards:
            for (int s = 0; s < kStandardsSelectionSize; ++s)
                visit(record.standard(s));
            break;
        case SlotKind::Table: {
            const Table &table = record.table(static_cast<TableId>(slot.id));
            visit(table.countText());
            for (int r = 0; r < table.rowCount(); ++r)
                for (int c = 0; c < table.columns(); ++c)
                    visit(table.cell(r, c));
            break;
        }
        }
    }
}

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
    forEachText(record, company, [&out](const std::string &text) { appendText(out, text); });
}

std::string write(const ProjectRecord &record, const CompanyInfo &company)
{
    // The size is known before writing, so the output is allocated once.
    size_t size = 0;
    forEachText(record, company, [&size](const std::string &text) {
        size += text.size() + (text.size() < 0xFF ? 1 : text.size() < 0xFFFE ? 3 : 7);
    });
    std::string out;
    out.reserve(size);
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
    for (const Slot &slot : kLayout) {
        std::string text;
        switch (slot.kind) {
        case SlotKind::Table:
            if (!readTable(reader, fresh.table(static_cast<TableId>(slot.id))))
                return ReadStatus::UnexpectedFormat;
            continue;
        case SlotKind::Standards:
            for (int s = 0; s < kStandardsSelectionSize; ++s) {
                if (!reader.readText(text))
                    return ReadStatus::UnexpectedFormat;
                fresh.setStandard(s, std::move(text));
            }
            continue;
        default:
            break;
        }
        if (!reader.readText(text))
            return ReadStatus::UnexpectedFormat;
        switch (slot.kind) {
        case SlotKind::Field: fresh.setFieldByNumber(slot.id, std::move(text)); break;
        case SlotKind::CompanyName: freshCompany.name = std::move(text); break;
        case SlotKind::CompanyLicence: freshCompany.licence = std::move(text); break;
        case SlotKind::Process: fresh.setProcess(static_cast<ProcessField>(slot.id), std::move(text)); break;
        case SlotKind::Table:
        case SlotKind::Standards: break;
        }
    }
    record = std::move(fresh);
    company = std::move(freshCompany);
    return ReadStatus::Ok;
}

} // namespace ProjectArchive

namespace ProjectFile {


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
        return ProjectMessages::notFound(path);
    return ProjectMessages::accessDenied(path);
}
} // namespace

FileResult load(const QString &path, ProjectRecord &record, CompanyInfo &company)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileResult::failure(ProjectMessages::notFound(path));
    if (info.isDir())
        return FileResult::failure(ProjectMessages::accessDenied(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileResult::failure(openFailureMessage(path, file));
    if (file.size() > kMaxProjectFileSize)
        return FileResult::failure(ProjectMessages::unexpectedFormat());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(ProjectMessages::accessDenied(path));
    const auto status = ProjectArchive::read(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), record, company);
    if (status != ProjectArchive::ReadStatus::Ok)
        return FileResult::failure(ProjectMessages::unexpectedFormat());
    return FileResult::success();
}

FileResult save(const QString &path, const ProjectRecord &record, const CompanyInfo &company)
{
    return AtomicFile::write(path, ProjectArchive::write(record, company));
}

} // namespace ProjectFile
} // namespace zelvan
