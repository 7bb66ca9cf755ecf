#pragma once

#include "core/project/AtomicFile.h"
#include "core/project/ProjectRecord.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <memory>
#include <vector>

class QLockFile;

namespace zelvan {

class CZelvanDoc;

// A copy of a project with unsaved changes, kept in the user's data folder
// so a crash or a killed program loses no more than the edits made after the
// last copy.
struct RecoveryEntry {
    QString key;         // names the file in the recovery folder
    QString file;        // the recovery file itself
    QString projectPath; // the project file, empty for a project never saved
    QString title;       // the window title, without the modified marker
    QDateTime writtenAt; // when the copy was last written
};

// The recovery folder: one file per project, named by a hash of the
// project's absolute path (or by a unique name for a project never saved),
// each a short header (the project's path and title) followed by the
// project exactly as its .pcp file would hold it. Files are written
// atomically and never over a project file.
//
// A program that writes a project's recovery file holds a lock beside it
// while the project is open, so a second running program does not offer
// (and, on "否", delete) the copy of a project still being edited. A killed
// program's locks are recognised as stale by their dead process.
class RecoveryStore {
public:
    explicit RecoveryStore(QString folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // "recovery" in the user's data folder (QStandardPaths::AppDataLocation);
    // empty when there is none, and an empty folder keeps no copies.
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);

    // The key of a saved project: the same absolute path always gives the
    // same key, two paths two keys.
    static QString keyForProject(const QString &projectPath);
    // A key of its own for a project never saved.
    static QString keyForNewProject();
    QString fileFor(const QString &key) const;

    // Writes the project's copy under `key`. A failure leaves the previous
    // copy (and, always, the project file) as it was.
    FileResult write(const QString &key, const QString &projectPath, const QString &title,
                     const ProjectRecord &record, const CompanyInfo &company);

    // The copies to offer at start-up, oldest first: readable, not held by
    // another running program, and either of a project never saved, of a
    // project file that is gone, or newer than their project file. The
    // offered copies are held by this store until restored or removed.
    std::vector<RecoveryEntry> offers();

    // Reads a copy into a fresh document: the project's path and title, the
    // record and the company information, marked modified.
    FileResult restore(const RecoveryEntry &entry, CZelvanDoc &doc) const;

    // Deletes the copy and its lock (nothing happens when there is none).
    void remove(const QString &key);

private:
    bool claim(const QString &key);
    void release(const QString &key);

    QString m_folder;
    std::map<QString, std::unique_ptr<QLockFile>> m_locks;
};

} // namespace zelvan
