#include "core/project/AtomicFile.h"

#include "core/project/ProjectMessages.h"

#include <QFileInfo>
#include <QSaveFile>

namespace zelvan {
namespace AtomicFile {

namespace {
qint64 g_writeLimit = -1;
} // namespace

void setWriteLimitForTesting(qint64 bytes) { g_writeLimit = bytes; }

FileResult write(const QString &path, std::string_view bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return FileResult::failure(ProjectMessages::accessDenied(path));
    if (!QFileInfo(info.absolutePath()).isDir())
        return FileResult::failure(ProjectMessages::notFound(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(ProjectMessages::accessDenied(path));
    qint64 toWrite = static_cast<qint64>(bytes.size());
    if (g_writeLimit >= 0 && toWrite > g_writeLimit)
        toWrite = g_writeLimit;
    const qint64 written = file.write(bytes.data(), toWrite);
    if (written != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return FileResult::failure(ProjectMessages::saveFailed());
    }
    // A small file sits in Qt's write buffer until it is flushed; a failed
    // flush (a full disk) must not let commit() rename an empty temporary
    // over the previous file.
    if (!file.flush()) {
        file.cancelWriting();
        return FileResult::failure(ProjectMessages::saveFailed());
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::PermissionsError)
            return FileResult::failure(ProjectMessages::accessDenied(path));
        return FileResult::failure(ProjectMessages::saveFailed());
    }
    return FileResult::success();
}

} // namespace AtomicFile
} // namespace zelvan
