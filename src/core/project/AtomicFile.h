#pragma once

#include <QString>

#include <string_view>

namespace zelvan {

// The outcome of reading or writing a file, with the message shown to the
// user when it failed.
struct FileResult {
    bool ok = true;
    QString message; // shown to the user when !ok
    static FileResult success() { return {}; }
    static FileResult failure(QString text) { return {false, std::move(text)}; }
};

// Every file the program writes goes through here: a temporary file in the
// same folder, then a rename, so a failed write never leaves a torn file
// under the final name and the previous file stays intact.
namespace AtomicFile {

// Failures carry the project file's messages: "没有找到 %1。" for a missing
// folder, "对 %1 的存取被拒绝。" for a refused one, "保存文档失败。" otherwise.
FileResult write(const QString &path, std::string_view bytes);

// Fault injection for tests: every later write stops after `bytes` bytes as
// on a full disk (-1 turns it off).
void setWriteLimitForTesting(qint64 bytes);

} // namespace AtomicFile
} // namespace zelvan
