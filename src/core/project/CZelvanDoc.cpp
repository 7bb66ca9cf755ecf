#include "core/project/CZelvanDoc.h"

#include "core/project/ProjectLifecycle.h"
#include "core/project/TextCodec.h"

#include <QFileInfo>

namespace zelvan {

CZelvanDoc::CZelvanDoc(CompanyInfo &company, QObject *parent)
    : QObject(parent)
    , m_company(&company)
{
}

void CZelvanDoc::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

void CZelvanDoc::setModifiedFlag(bool modified)
{
    applyModifiedFlag(modified);
    if (modified)
        emit edited();
}

void CZelvanDoc::applyModifiedFlag(bool modified)
{
    if (m_modified == modified)
        return;
    setTitle(ProjectLifecycle::titleWithMarker(m_title, m_modified, modified));
    m_modified = modified;
    emit modifiedChanged(m_modified);
}

FileResult CZelvanDoc::open(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Read before the load: an empty file carries no company texts.
    const bool emptyFile = QFileInfo(absolute).exists() && QFileInfo(absolute).size() == 0;
    ProjectRecord loaded;
    CompanyInfo company = *m_company;
    FileResult result = ProjectFile::load(path, loaded, company);
    if (!result.ok)
        return result;
    m_record = std::move(loaded);
    if (!emptyFile)
        *m_company = company;
    m_record.setField(Field::ProjectFilePath, toGbk(absolute));
    m_record.setField(Field::ProjectDirectory, toGbk(ProjectLifecycle::directoryOf(absolute)));
    m_documentPath = absolute;
    m_rememberedSavePath = absolute;
    m_modified = false;
    setTitle(QFileInfo(absolute).fileName());
    return result;
}

FileResult CZelvanDoc::write(const QString &path)
{
    FileResult result = ProjectFile::save(path, m_record, *m_company);
    // A failed save leaves the project as unsaved as it was: marked, but
    // no new change.
    applyModifiedFlag(!result.ok);
    if (result.ok)
        emit saved();
    return result;
}

FileResult CZelvanDoc::save(const QString &chosenPath)
{
    const QString path = ProjectLifecycle::withPcpSuffix(chosenPath);
    const std::string previousFile = m_record.field(Field::ProjectFilePath);
    const std::string previousDirectory = m_record.field(Field::ProjectDirectory);
    const QString previousRemembered = m_rememberedSavePath;
    m_record.setField(Field::ProjectFilePath, toGbk(path));
    m_record.setField(Field::ProjectDirectory, toGbk(ProjectLifecycle::directoryOf(path)));
    m_rememberedSavePath = path;
    FileResult result = write(path);
    if (!result.ok) {
        m_record.setField(Field::ProjectFilePath, previousFile);
        m_record.setField(Field::ProjectDirectory, previousDirectory);
        m_rememberedSavePath = previousRemembered;
    }
    return result;
}

void CZelvanDoc::restoreUnsaved(ProjectRecord record, const CompanyInfo &company, const QString &projectPath,
                                const QString &title)
{
    m_record = std::move(record);
    *m_company = company;
    m_documentPath = projectPath;
    m_rememberedSavePath = projectPath;
    m_modified = false;
    setTitle(title);
    applyModifiedFlag(true);
}

FileResult CZelvanDoc::saveAs(const QString &chosenPath)
{
    FileResult result = save(chosenPath);
    if (result.ok) {
        m_documentPath = m_rememberedSavePath;
        setTitle(QFileInfo(m_documentPath).fileName());
    }
    return result;
}

FileResult CZelvanDoc::saveOnClose(const QString &chosenPath)
{
    const QString path = ProjectLifecycle::withPcpSuffix(chosenPath);
    m_record.setField(Field::ProjectDirectory, toGbk(ProjectLifecycle::directoryOf(path)));
    FileResult result = write(path);
    if (result.ok) {
        m_documentPath = path;
        setTitle(QFileInfo(path).fileName());
    }
    return result;
}

} // namespace zelvan
