// Writes the seed corpora: real project files and their JSON forms, built in
// code so the seeds follow the archive format as the program writes it.
// Usage: fuzz_seed_writer ARCHIVE_CORPUS_DIR JSON_CORPUS_DIR [GENERATORS_CORPUS_DIR [SAMPLE.pcp...]]
// The generators' seeds are the same projects (and the given sample
// projects) as edits of an empty record (generator_input.h).
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"
#include "core/project/TextCodec.h"

#include "generator_input.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

using namespace zelvan;

namespace {

bool writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

ProjectRecord sampleVessel()
{
    ProjectRecord r;
    r.setField(Field::ProjectFilePath, "D:\\projects\\R-101\\R-101.pcp");
    r.setField(Field::ProjectDirectory, "D:\\projects\\R-101");
    r.setField(Field::ProjectName, "R-101");
    r.setField(Field::VesselName, gbk("储气罐"));
    r.setField(Field::VesselType, gbk("卧式容器"));
    r.setField(Field::CreationTime, "2024-03-05 08:30:00");
    r.setField(Field::DesignPressureShell, "1.6");
    r.setField(Field::DesignTemperatureShell, "150");
    r.setField(Field::InnerDiameter, "1600");
    r.setField(Field::WallThickness, "12");
    r.setField(Field::FirstHeadType, "EHA");
    r.setField(Field::FirstHeadMaterial, "Q345R");
    r.setField(Field::FirstHeadInnerDiameter, "1600");
    r.setField(Field::FirstHeadWallThickness, "14");
    Table &courses = r.table(TableId::ShellCourses);
    courses.assignRows({{"1", gbk("筒节"), "1800", "12", "1600", "Q345R"},
                        {"2", gbk("筒节"), "2000", "12", "1600", "Q345R"}});
    Table &nozzles = r.table(TableId::Nozzles);
    nozzles.assignRows({{"N1", gbk("进气口"), gbk("插入式"), "DN100", gbk("筒体"), "0", "500", "B1", "108x6",
                         "108", "6", "200", "", ""}});
    r.setProcess(ProcessField::Remarks, gbk("焊后进行整体热处理。"));
    r.setStandard(0, "GB/T 150-2011");
    return r;
}

ProjectRecord fullTables()
{
    ProjectRecord r = sampleVessel();
    for (const TableSpec &spec : allTableSpecs()) {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < spec.capacity; ++i) {
            std::vector<std::string> row;
            for (int c = 0; c < spec.columns; ++c)
                row.push_back(std::to_string(i + 1));
            rows.push_back(std::move(row));
        }
        r.table(spec.id).assignRows(rows);
    }
    return r;
}

ProjectRecord longTexts()
{
    ProjectRecord r = sampleVessel();
    // One text in each length form: 1 byte, 0xFF + 16 bits, 0xFF 0xFFFF + 32 bits.
    r.setField(Field::ProjectOwner, std::string(254, 'a'));
    r.setField(Field::Customer, std::string(255, 'b'));
    r.setField(Field::DesignUnit, std::string(65533, 'c'));
    r.setProcess(ProcessField::Remarks, std::string(70000, 'd'));
    return r;
}

// The Unicode form: the same layout, each text marked 0xFF 0xFFFE and held in
// UTF-16LE code units.
void appendUtf16Text(std::string &out, const std::u16string &text)
{
    out.push_back(static_cast<char>(0xFF));
    out.push_back(static_cast<char>(0xFE));
    out.push_back(static_cast<char>(0xFF));
    const size_t units = text.size();
    if (units < 0xFF) {
        out.push_back(static_cast<char>(units));
    } else {
        out.push_back(static_cast<char>(0xFF));
        out.push_back(static_cast<char>(units & 0xFF));
        out.push_back(static_cast<char>(units >> 8));
    }
    for (char16_t unit : text) {
        out.push_back(static_cast<char>(unit & 0xFF));
        out.push_back(static_cast<char>(unit >> 8));
    }
}

std::string utf16Project()
{
    // 66 head texts, five tables, 10 + 100 + 9 + 4 process texts, four
    // tables, the external form: all in the UTF-16 form.
    std::string out;
    for (int i = 0; i < 66; ++i)
        appendUtf16Text(out, i == 2 ? u"R-102" : i == 5 ? u"\u50A8\u6C14\u7F50" : u"");
    appendUtf16Text(out, u"1");
    for (char16_t c : std::u16string(u"123456"))
        appendUtf16Text(out, std::u16string(1, c));
    for (int t = 1; t < 5; ++t)
        appendUtf16Text(out, u"0");
    for (int i = 0; i < 10 + 100 + 9 + 4; ++i)
        appendUtf16Text(out, i == 0 ? u"1600" : u"");
    for (int t = 0; t < 4; ++t)
        appendUtf16Text(out, u"");
    appendUtf16Text(out, u"\u65E0"); // a character outside the ASCII range
    return out;
}

// One seed per output for the same project.
bool writeGeneratorSeeds(const std::string &stem, const ProjectRecord &record, const CompanyInfo &company)
{
    bool ok = true;
    for (int output = 0; output < fuzzinput::kOutputCount; ++output)
        ok &= writeFile(stem + "-" + std::to_string(output) + ".bin",
                        fuzzinput::encode(static_cast<fuzzinput::Output>(output), record, company));
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: fuzz_seed_writer ARCHIVE_CORPUS_DIR JSON_CORPUS_DIR [GENERATORS_CORPUS_DIR [SAMPLE.pcp...]]\n");
        return 2;
    }
    const std::string archiveDir = argv[1];
    const std::string jsonDir = argv[2];
    const CompanyInfo company = CompanyInfo::initial();

    struct Seed {
        const char *name;
        ProjectRecord record;
    };
    ProjectRecord hostileCounts = sampleVessel();
    hostileCounts.table(TableId::Nozzles).setCountText("-5");
    hostileCounts.table(TableId::Plates).setCountText("2abc");
    hostileCounts.table(TableId::Parts).setCountText("999999999999");
    hostileCounts.setField(Field::VesselName, std::string("a\x01\x1f\r\n\t\"\\<&>b", 13));
    const Seed seeds[] = {
        {"empty", ProjectRecord()},
        {"sample_vessel", sampleVessel()},
        {"full_tables", fullTables()},
        {"long_texts", longTexts()},
        {"hostile_counts", hostileCounts},
    };
    bool ok = true;
    for (const Seed &seed : seeds) {
        ok &= writeFile(archiveDir + "/" + seed.name + ".pcp", ProjectArchive::write(seed.record, company));
        ok &= writeFile(jsonDir + "/" + seed.name + ".json", ProjectJson::toJson(seed.record, company));
        if (argc > 3)
            ok &= writeGeneratorSeeds(std::string(argv[3]) + "/" + seed.name, seed.record, company);
    }
    for (int i = 4; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ProjectRecord record;
        CompanyInfo sampleCompany;
        if (ProjectArchive::read(bytes, record, sampleCompany) != ProjectArchive::ReadStatus::Ok) {
            std::fprintf(stderr, "%s is not a project file\n", argv[i]);
            return 1;
        }
        std::string name = argv[i];
        name = name.substr(name.find_last_of('/') + 1);
        ok &= writeGeneratorSeeds(std::string(argv[3]) + "/" + name.substr(0, name.find('.')), record, sampleCompany);
    }
    // A new project before the company is filled in: the smallest file the
    // program writes (199 bytes, every text empty).
    ok &= writeFile(archiveDir + "/empty_no_company.pcp", ProjectArchive::write(ProjectRecord(), CompanyInfo()));
    ok &= writeFile(archiveDir + "/utf16_form.pcp", utf16Project());
    // The empty file: an empty project.
    ok &= writeFile(archiveDir + "/zero_bytes.pcp", std::string());
    ok &= writeFile(jsonDir + "/empty_object.json", "{}");
    ok &= writeFile(jsonDir + "/partial.json",
                    "{\"fields\": {\"3\": \"R-7\", \"10\": \"\\u50a8\\u6c14\\u7f50\"},"
                    " \"tables\": {\"plates\": {\"count\": \"1\", \"rows\": [[\"1\",\"Q345R\",\"H1\",\"6000\",\"2000\",\"12\",\"2\"]]}}}");
    return ok ? 0 : 1;
}
