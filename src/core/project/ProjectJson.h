#pragma once

#include "core/project/ProjectRecord.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace zelvan {

// The batch tool's JSON form of a project (UTF-8). Shape:
// {"company": {"name", "licence"}, "fields": {"1".."63"},
//  "process_card": {"P1".."P24", "S": [100 texts]},
//  "tables": {"shell_courses": {"count": "...", "rows": [[...], ...]}, ...}}
// Field 64 is tables.shell_courses.count; "rows" holds exactly the valid rows.
namespace ProjectJson {

std::string toJson(const ProjectRecord &record, const CompanyInfo &company);

// Refuses (returns false with a message) JSON that is malformed, has a row
// of the wrong width, more or fewer rows than the count announces, more rows
// than the table holds, or a text that GBK cannot hold.
bool fromJson(const QByteArray &json, ProjectRecord &record, CompanyInfo &company, QString &error);

} // namespace ProjectJson
} // namespace zelvan
