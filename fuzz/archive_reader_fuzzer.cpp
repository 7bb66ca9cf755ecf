// Feeds arbitrary bytes to the project-file reader. Beyond "no crash, no
// undefined behaviour", a file the reader accepts must survive a round trip:
// writing what was read and reading it again gives the same bytes, so a
// project opened and saved unchanged never drifts.
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace zelvan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    // Records local to the run: a record costs what it holds, and a run that
    // frees all it allocated spares libFuzzer its leak re-run.
    ProjectRecord record;
    CompanyInfo company;
    if (ProjectArchive::read(bytes, record, company) != ProjectArchive::ReadStatus::Ok)
        return 0;

    const std::string first = ProjectArchive::write(record, company);
    ProjectRecord again;
    CompanyInfo againCompany;
    if (ProjectArchive::read(first, again, againCompany) != ProjectArchive::ReadStatus::Ok) {
        std::fprintf(stderr, "a written project is not readable\n");
        std::abort();
    }
    if (ProjectArchive::write(again, againCompany) != first) {
        std::fprintf(stderr, "reading and writing a project changes it\n");
        std::abort();
    }
    // Every accepted record can be shown as JSON (the to-json command).
    const std::string json = ProjectJson::toJson(record, company);
    if (json.empty() || json.front() != '{') {
        std::fprintf(stderr, "the JSON form is empty\n");
        std::abort();
    }
    return 0;
}
