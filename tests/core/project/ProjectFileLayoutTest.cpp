// The order of texts in a project file, checked against files built byte by
// byte from the format's position table, and against the sample projects
// read and written back unchanged.
#include "core/project/ProjectArchive.h"

#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <utility>

using namespace zelvan;

namespace {

// One text with its one-byte length prefix (every text here is short).
std::string text(const std::string &value)
{
    return std::string(1, static_cast<char>(value.size())) + value;
}

std::string tag(const char *prefix, int n)
{
    return prefix + std::to_string(n);
}

// Positions 1 to 66 of the format, as (position, field number); 0 marks the
// company name and -1 the licence. Field 8 stands at 9 and again at 15.
const std::vector<std::pair<int, int>> kHeadPositions = {
    {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 9}, {6, 10}, {7, 11}, {8, 12}, {9, 8}, {10, 0}, {11, -1},
    {12, 5}, {13, 6}, {14, 7}, {15, 8}, {16, 13}, {17, 14}, {18, 15}, {19, 16}, {20, 17}, {21, 18},
    {22, 19}, {23, 20}, {24, 21}, {25, 22}, {26, 23}, {27, 24}, {28, 25}, {29, 26}, {30, 27}, {31, 28},
    {32, 29}, {33, 30}, {34, 31}, {35, 32}, {36, 33}, {37, 34}, {38, 35}, {39, 36}, {40, 37}, {41, 38},
    {42, 39}, {43, 40}, {44, 41}, {45, 42}, {46, 43}, {47, 44}, {48, 48}, {49, 49}, {50, 50}, {51, 47},
    {52, 51}, {53, 52}, {54, 53}, {55, 54}, {56, 45}, {57, 46}, {58, 55}, {59, 56}, {60, 57}, {61, 58},
    {62, 59}, {63, 60}, {64, 61}, {65, 62}, {66, 63},
};

// A file whose every text names its position: "f<position>" for the first
// 66, one shell-course row and one qualification row, "p<n>" for process
// field n and "s<i>" for standard i.
std::string craftedFile()
{
    std::string bytes;
    for (const auto &[position, field] : kHeadPositions)
        bytes += text(tag("f", position));
    bytes += text("1"); // shell courses: one row of 6
    for (int c = 0; c < 6; ++c)
        bytes += text(tag("c", c));
    for (int t = 0; t < 4; ++t) // nozzles, plates, parts, welds
        bytes += text("");
    for (int p = 1; p <= 10; ++p)
        bytes += text(tag("p", p));
    for (int s = 0; s < 100; ++s)
        bytes += text(tag("s", s));
    for (int p = 11; p <= 19; ++p)
        bytes += text(tag("p", p));
    for (int p = 21; p <= 24; ++p)
        bytes += text(tag("p", p));
    for (int t = 0; t < 3; ++t) // welding cards, consumables, parameters
        bytes += text("0");
    bytes += text("1"); // qualifications: one row of 17
    for (int c = 0; c < 17; ++c)
        bytes += text(tag("q", c));
    bytes += text("p20");
    return bytes;
}

} // namespace

TEST(ProjectFileLayout, EveryPositionLandsInItsField)
{
    const std::string bytes = craftedFile();
    ProjectRecord record;
    CompanyInfo company;
    ASSERT_EQ(ProjectArchive::read(bytes, record, company), ProjectArchive::ReadStatus::Ok);

    for (const auto &[position, field] : kHeadPositions) {
        if (field == 0)
            EXPECT_EQ(company.name, tag("f", position));
        else if (field == -1)
            EXPECT_EQ(company.licence, tag("f", position));
        else if (field == 8)
            EXPECT_EQ(record.fieldByNumber(8), "f15") << "the second copy of the creation time wins";
        else
            EXPECT_EQ(record.fieldByNumber(field), tag("f", position)) << "position " << position;
    }
    const Table &courses = record.table(TableId::ShellCourses);
    ASSERT_EQ(courses.rowCount(), 1);
    EXPECT_EQ(courses.countText(), "1");
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(courses.cell(0, c), tag("c", c));
    for (int p = 1; p <= 24; ++p)
        EXPECT_EQ(record.process(static_cast<ProcessField>(p)), tag("p", p)) << "P" << p;
    for (int s = 0; s < 100; ++s)
        EXPECT_EQ(record.standard(s), tag("s", s));
    const Table &qualifications = record.table(TableId::Qualifications);
    ASSERT_EQ(qualifications.rowCount(), 1);
    for (int c = 0; c < 17; ++c)
        EXPECT_EQ(qualifications.cell(0, c), tag("q", c));
    EXPECT_EQ(record.table(TableId::WeldingCards).rowCount(), 0);

    // Written back, the same bytes, but for position 9: the record holds one
    // creation time, which the writer puts at both of its positions.
    std::string expected = bytes;
    const size_t first = expected.find(text("f9"));
    expected.replace(first, text("f9").size(), text("f15"));
    EXPECT_EQ(ProjectArchive::write(record, company), expected);
}

TEST(ProjectFileLayout, SampleProjectsWriteBackByteForByte)
{
    const QString source = qEnvironmentVariable("ZELVAN_SOURCE_DIR");
    ASSERT_FALSE(source.isEmpty());
    for (const char *name : {"vertical-storage-tank.pcp", "horizontal-storage-tank.pcp"}) {
        QFile file(source + QStringLiteral("/samples/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray original = file.readAll();
        ASSERT_GT(original.size(), 1000) << name;
        ProjectRecord record;
        CompanyInfo company;
        ASSERT_EQ(ProjectArchive::read(std::string_view(original.constData(), size_t(original.size())), record, company),
                  ProjectArchive::ReadStatus::Ok)
            << name;
        EXPECT_GT(record.table(TableId::Nozzles).rowCount(), 0) << name;
        const std::string written = ProjectArchive::write(record, company);
        EXPECT_EQ(written, std::string(original.constData(), size_t(original.size()))) << name;
    }
}
