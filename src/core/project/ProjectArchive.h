#pragma once

#include "core/project/AtomicFile.h"
#include "core/project/ProjectRecord.h"

#include <QString>

#include <string>
#include <string_view>

namespace zelvan {

// The ".pcp" text archive: a flat sequence of length-prefixed GBK texts in a
// fixed order, no header. Each text is prefixed by its byte length in one of
// three little-endian forms (1 byte up to 254; 0xFF + 2 bytes up to 65533;
// 0xFF 0xFFFF + 4 bytes beyond). The reader also takes the UTF-16 form
// (0xFF 0xFFFE, then a length in 16-bit units) and converts it to GBK.
namespace ProjectArchive {

enum class ReadStatus { Ok, UnexpectedFormat };

// Appends the encoded record and company information to `out`.
void write(const ProjectRecord &record, const CompanyInfo &company, std::string &out);
std::string write(const ProjectRecord &record, const CompanyInfo &company);

// Reads a whole archive into `record` and `company`, which are only changed
// when the archive is complete and every count fits its table. Bytes after
// the last text are ignored; an empty input is an empty project.
ReadStatus read(std::string_view bytes, ProjectRecord &record, CompanyInfo &company);

// Encoding of a single text, exposed for tests.
void appendText(std::string &out, std::string_view text);

} // namespace ProjectArchive

// File-level load and save with the user-facing failure messages.
namespace ProjectFile {

// Reads `path` into `record`/`company`; on failure both are unchanged.
FileResult load(const QString &path, ProjectRecord &record, CompanyInfo &company);
// Writes atomically: a temporary file in the same folder, then a rename, so
// a failed save leaves the previous file intact.
FileResult save(const QString &path, const ProjectRecord &record, const CompanyInfo &company);
} // namespace ProjectFile

} // namespace zelvan
