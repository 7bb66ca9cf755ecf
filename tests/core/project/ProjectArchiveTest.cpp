#include "RandomRecord.h"

#include "core/project/ProjectArchive.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

using namespace zelvan;

namespace {
void expectSameRecord(const ProjectRecord &a, const ProjectRecord &b)
{
    for (int n = 1; n <= 64; ++n)
        EXPECT_EQ(a.fieldByNumber(n), b.fieldByNumber(n)) << "field " << n;
    for (int p = 1; p <= kProcessFieldCount; ++p)
        EXPECT_EQ(a.process(static_cast<ProcessField>(p)), b.process(static_cast<ProcessField>(p))) << "P" << p;
    for (int s = 0; s < kStandardsSelectionSize; ++s)
        EXPECT_EQ(a.standard(s), b.standard(s));
    for (const TableSpec &spec : allTableSpecs()) {
        EXPECT_EQ(a.table(spec.id).countText(), b.table(spec.id).countText()) << spec.jsonKey;
        EXPECT_EQ(a.table(spec.id).rows(), b.table(spec.id).rows()) << spec.jsonKey;
    }
}

std::string encoded(std::string_view text)
{
    std::string out;
    ProjectArchive::appendText(out, text);
    return out;
}
} // namespace

TEST(ProjectArchive, EmptyProjectIs199ZeroBytes)
{
    ProjectRecord record;
    const std::string bytes = ProjectArchive::write(record, CompanyInfo{});
    EXPECT_EQ(bytes, std::string(199, '\0'));
}

TEST(ProjectArchive, LengthPrefixForms)
{
    EXPECT_EQ(encoded(""), std::string(1, '\0'));
    EXPECT_EQ(encoded(std::string(254, 'a')).substr(0, 1), "\xFE");
    EXPECT_EQ(encoded(std::string(254, 'a')).size(), 255u);
    EXPECT_EQ(encoded(std::string(255, 'a')).substr(0, 3), std::string("\xFF\xFF\x00", 3));
    EXPECT_EQ(encoded(std::string(255, 'a')).size(), 258u);
    EXPECT_EQ(encoded(std::string(65533, 'a')).substr(0, 3), std::string("\xFF\xFD\xFF", 3));
    EXPECT_EQ(encoded(std::string(65534, 'a')).substr(0, 7), std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    EXPECT_EQ(encoded(std::string(70000, 'a')).substr(0, 7), std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7));
}

TEST(ProjectArchive, RandomRecordsRoundTrip)
{
    std::mt19937 rng(20261208);
    for (int i = 0; i < 40; ++i) {
        const ProjectRecord record = test::randomRecord(rng, i % 4 == 0);
        const CompanyInfo company = test::randomCompany(rng);
        const std::string bytes = ProjectArchive::write(record, company);
        ProjectRecord back;
        CompanyInfo backCompany;
        ASSERT_EQ(ProjectArchive::read(bytes, back, backCompany), ProjectArchive::ReadStatus::Ok);
        expectSameRecord(record, back);
        EXPECT_EQ(company, backCompany);
        // Writing what was read gives the same bytes: stale cells never
        // reached the file.
        EXPECT_EQ(ProjectArchive::write(back, backCompany), bytes);
    }
}

TEST(ProjectArchive, OrderOfTheFirstTextsAndExternalFormLast)
{
    ProjectRecord record;
    record.setField(Field::ProjectFilePath, "path");
    record.setField(Field::VesselType, "1");
    record.setField(Field::CreationTime, "2026-12-08 10:00:00");
    record.setField(Field::AddedNdtRatio, "47");
    record.setField(Field::DrawingInspectionRatio, "45");
    record.setProcess(ProcessField::ExternalForm, "P20");
    const std::string bytes = ProjectArchive::write(record, CompanyInfo{"C", "L"});
    EXPECT_EQ(bytes.substr(0, 5), "\x04path");
    // position 5 is the vessel type
    EXPECT_EQ(bytes.substr(8, 2), std::string("\x01" "1", 2));
    // position 9 is the creation time, 10 and 11 the company texts
    EXPECT_EQ(bytes.substr(13, 1), "\x13");
    EXPECT_EQ(bytes.substr(33, 4), std::string("\x01" "C\x01" "L", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x03P20", 4));
    EXPECT_NE(bytes.find(std::string("\x02" "47", 3)), std::string::npos);
    EXPECT_LT(bytes.find(std::string("\x02" "47", 3)), bytes.find(std::string("\x02" "45", 3)));
}

TEST(ProjectArchive, SecondCreationTimeWins)
{
    ProjectRecord record;
    std::string bytes = ProjectArchive::write(record, CompanyInfo{});
    // Replace position 9 (first copy) and position 15 (second copy).
    std::string crafted;
    for (int i = 0; i < 8; ++i)
        crafted.push_back('\0');
    crafted += std::string("\x05" "first", 6);
    crafted += std::string(5, '\0');
    crafted += std::string("\x06" "second", 7);
    crafted += bytes.substr(15);
    ProjectRecord back;
    CompanyInfo company;
    ASSERT_EQ(ProjectArchive::read(crafted, back, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(back.field(Field::CreationTime), "second");
}

TEST(ProjectArchive, ZeroLengthFileIsAnEmptyProjectAndTrailingBytesAreIgnored)
{
    ProjectRecord back;
    back.setField(Field::ProjectName, "old");
    CompanyInfo company{"x", "y"};
    ASSERT_EQ(ProjectArchive::read("", back, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(back.field(Field::ProjectName), "");
    EXPECT_EQ(company, CompanyInfo{});

    ProjectRecord record;
    record.setField(Field::ProjectName, "abc");
    std::string bytes = ProjectArchive::write(record, CompanyInfo{});
    bytes += "garbage after the last text";
    ASSERT_EQ(ProjectArchive::read(bytes, back, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(back.field(Field::ProjectName), "abc");
}

TEST(ProjectArchive, TruncatedFilesAreRefusedAndLeaveTheRecordUnchanged)
{
    std::mt19937 rng(7);
    const ProjectRecord record = test::randomRecord(rng, false);
    const std::string bytes = ProjectArchive::write(record, CompanyInfo{"a", "b"});
    ProjectRecord target;
    target.setField(Field::ProjectName, "untouched");
    CompanyInfo company{"keep", "keep"};
    for (size_t cut : {size_t(1), size_t(10), bytes.size() / 2, bytes.size() - 1}) {
        ASSERT_EQ(ProjectArchive::read(std::string_view(bytes).substr(0, cut), target, company),
                  ProjectArchive::ReadStatus::UnexpectedFormat) << cut;
        EXPECT_EQ(target.field(Field::ProjectName), "untouched");
        EXPECT_EQ(company.name, "keep");
    }
    // A length prefix announcing more bytes than the file holds.
    ASSERT_EQ(ProjectArchive::read(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7), target, company),
              ProjectArchive::ReadStatus::UnexpectedFormat);
}

TEST(ProjectArchive, CountBeyondCapacityIsRefused)
{
    ProjectRecord record;
    record.table(TableId::Plates).setCountText("51");
    const std::string bytes = ProjectArchive::write(record, CompanyInfo{});
    // The writer clamps to the capacity; craft the file so 51 rows follow.
    std::string crafted = bytes;
    const size_t countPos = 66 + 1 + 1; // 66 texts, empty shell count, empty nozzle count
    ASSERT_EQ(crafted.substr(countPos, 3), std::string("\x02" "51", 3));
    crafted.insert(countPos + 3, std::string(51 * 7, '\0'));
    ProjectRecord back;
    CompanyInfo company;
    EXPECT_EQ(ProjectArchive::read(crafted, back, company), ProjectArchive::ReadStatus::UnexpectedFormat);
}

TEST(ProjectArchive, Utf16TextsAreConvertedToGbk)
{
    // Project name (position 3) in the UTF-16 form: FF FE FF, unit count, units.
    std::string crafted(2, '\0');
    crafted += std::string("\xFF\xFE\xFF\x02", 4);
    crafted += std::string("\xB9\x5B\x68\x56", 4); // 容器
    crafted += std::string(196, '\0');
    ProjectRecord back;
    CompanyInfo company;
    ASSERT_EQ(ProjectArchive::read(crafted, back, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(back.field(Field::ProjectName), gbk("容器"));
}

TEST(ProjectArchive, FullRecordRoundTrips)
{
    const ProjectRecord record = test::fullRecord(true);
    const std::string bytes = ProjectArchive::write(record, CompanyInfo::initial());
    ProjectRecord back;
    CompanyInfo company;
    ASSERT_EQ(ProjectArchive::read(bytes, back, company), ProjectArchive::ReadStatus::Ok);
    EXPECT_EQ(ProjectArchive::write(back, company), bytes);
    EXPECT_EQ(back.table(TableId::WeldingCards).rows().size(), 600u);
}
