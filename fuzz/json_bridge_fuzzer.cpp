// Feeds arbitrary bytes to the JSON bridge (from-json). A document it accepts
// must round-trip: its project, written out as JSON again and read back,
// is the same project, and it saves to an archive the reader accepts.
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zelvan;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ProjectRecord record;
    CompanyInfo company;
    QString error;
    if (!ProjectJson::fromJson(json, record, company, error)) {
        if (error.isEmpty()) {
            std::fprintf(stderr, "a refusal without a message\n");
            std::abort();
        }
        return 0;
    }
    const std::string archive = ProjectArchive::write(record, company);

    const std::string again = ProjectJson::toJson(record, company);
    ProjectRecord second;
    CompanyInfo secondCompany;
    QString secondError;
    if (!ProjectJson::fromJson(QByteArray(again.data(), static_cast<qsizetype>(again.size())), second, secondCompany, secondError)) {
        std::fprintf(stderr, "the bridge refuses its own output: %s\n", secondError.toUtf8().constData());
        std::abort();
    }
    if (ProjectArchive::write(second, secondCompany) != archive) {
        std::fprintf(stderr, "JSON out and back in changes the project\n");
        std::abort();
    }
    ProjectRecord fromArchive;
    CompanyInfo fromArchiveCompany;
    if (ProjectArchive::read(archive, fromArchive, fromArchiveCompany) != ProjectArchive::ReadStatus::Ok
        || ProjectArchive::write(fromArchive, fromArchiveCompany) != archive) {
        std::fprintf(stderr, "an imported project does not survive its archive\n");
        std::abort();
    }
    return 0;
}
