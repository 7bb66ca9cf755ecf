#include "CliCommands.h"

#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"

#include <QFile>

#include <cstdio>

namespace zelvan::cli {

namespace {

int toJson(const QStringList &args)
{
    if (args.size() != 1) {
        printError(QStringLiteral("usage: zelvan-cli to-json PROJECT.pcp"));
        return 1;
    }
    ProjectRecord record;
    CompanyInfo company = CompanyInfo::initial();
    if (!readProjectFile(args.at(0), record, company))
        return 1;
    const std::string json = ProjectJson::toJson(record, company);
    std::fwrite(json.data(), 1, json.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int fromJson(const QStringList &args)
{
    if (args.size() != 2) {
        printError(QStringLiteral("usage: zelvan-cli from-json PROJECT.json OUT.pcp"));
        return 1;
    }
    QFile file(args.at(0));
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(args.at(0), file.errorString()));
        return 1;
    }
    ProjectRecord record;
    CompanyInfo company;
    QString error;
    if (!ProjectJson::fromJson(file.readAll(), record, company, error)) {
        printError(QStringLiteral("%1: %2").arg(args.at(0), error));
        return 1;
    }
    const FileResult result = ProjectFile::save(args.at(1), record, company);
    if (!result.ok) {
        printError(result.message);
        return 1;
    }
    return 0;
}

const CommandRegistration toJsonCommand({"to-json", "to-json PROJECT.pcp", toJson});
const CommandRegistration fromJsonCommand({"from-json", "from-json PROJECT.json OUT.pcp", fromJson});

} // namespace
} // namespace zelvan::cli
