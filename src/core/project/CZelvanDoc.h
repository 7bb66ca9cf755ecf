#pragma once

#include "core/project/ProjectArchive.h"
#include "core/project/ProjectRecord.h"

#include <QObject>
#include <QString>

namespace zelvan {

// One open project: the record, its title, its modified flag and the paths
// the save rules need. The company information belongs to the application
// and is shared by every document; a document only reads and replaces it.
class CZelvanDoc : public QObject {
    Q_OBJECT
public:
    explicit CZelvanDoc(CompanyInfo &company, QObject *parent = nullptr);

    ProjectRecord &record() { return m_record; }
    const ProjectRecord &record() const { return m_record; }
    CompanyInfo &company() { return *m_company; }
    const CompanyInfo &company() const { return *m_company; }

    QString title() const { return m_title; }
    void setTitle(const QString &title);

    bool isModified() const { return m_modified; }
    // Setting the flag adds " *" to the title, clearing it removes it;
    // setting it to its current value leaves the title alone.
    void setModifiedFlag(bool modified = true);

    // The path the project was opened from (empty for a new project); the
    // close-time save writes here.
    QString documentPath() const { return m_documentPath; }
    // The path Ctrl+S writes to without asking: the file the project was
    // opened from, then the last path chosen in the save dialog.
    QString rememberedSavePath() const { return m_rememberedSavePath; }
    void setRememberedSavePath(const QString &path) { m_rememberedSavePath = path; }

    // Opens `path` into this (fresh) document; replaces the company
    // information with the file's (an empty file, read as an empty project,
    // holds none and leaves it as it was). Fields 1 and 2 and the remembered
    // save path become where the file actually is, not where it was last
    // saved: a copied project saves, and generates its files, beside the
    // copy. On failure nothing changes.
    FileResult open(const QString &path);
    // Ctrl+S: ".pcp" appended, field 1, the remembered path and field 2 set,
    // then the file written. Success clears the modified flag; a failure
    // puts the three back, so the next Ctrl+S asks for a path again instead
    // of retrying the failing one.
    FileResult save(const QString &path);
    // "另存为": a save to a newly chosen path, after which the project is
    // that file (document path and title follow it).
    FileResult saveAs(const QString &path);
    // The close-time save: field 2 set but field 1 and the remembered path
    // kept; afterwards the document path is the written path and the title
    // its file name.
    FileResult saveOnClose(const QString &path);

    // A project brought back from its recovery copy: the record and company
    // information as they were, the project's path (empty for a project
    // never saved) for the next save, and the title marked modified, since
    // none of it is in the project file yet.
    void restoreUnsaved(ProjectRecord record, const CompanyInfo &company, const QString &projectPath,
                        const QString &title);

signals:
    void titleChanged(const QString &title);
    void modifiedChanged(bool modified);
    // Every change to the project (each call marking it modified), also
    // while it is already marked.
    void edited();
    // The project was written to its file.
    void saved();

private:
    FileResult write(const QString &path);
    void applyModifiedFlag(bool modified);

    ProjectRecord m_record;
    CompanyInfo *m_company;
    QString m_title;
    QString m_documentPath;
    QString m_rememberedSavePath;
    bool m_modified = false;
};

} // namespace zelvan
