#include "core/project/RecoveryStore.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectMessages.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

#include <algorithm>

namespace zelvan {

namespace {
// The first line of every recovery file; a file without it is not ours.
constexpr std::string_view kMagic = "ZELVAN-RECOVERY 1\n";
const QLatin1String kSuffix(".zrc");

struct Header {
    QString projectPath;
    QString title;
};

// Header values are percent-encoded UTF-8, so any path (also one holding a
// line break) fits on its line.
std::string headerLine(const char *name, const QString &value)
{
    return std::string(name) + '=' + QUrl::toPercentEncoding(value).toStdString() + '\n';
}

// Splits a recovery file into its header and the project bytes after it.
bool parse(const std::string &bytes, Header &header, std::string_view &project)
{
    if (bytes.compare(0, kMagic.size(), kMagic) != 0)
        return false;
    size_t at = kMagic.size();
    bool havePath = false;
    bool haveTitle = false;
    for (;;) {
        const size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            return false;
        const std::string line = bytes.substr(at, end - at);
        at = end + 1;
        if (line.empty())
            break;
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            return false;
        const QString value = QUrl::fromPercentEncoding(QByteArray::fromStdString(line.substr(equals + 1)));
        const std::string name = line.substr(0, equals);
        if (name == "path") {
            header.projectPath = value;
            havePath = true;
        } else if (name == "title") {
            header.title = value;
            haveTitle = true;
        }
    }
    project = std::string_view(bytes).substr(at);
    return havePath && haveTitle;
}

bool readFile(const QString &path, std::string &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll().toStdString();
    return true;
}

bool isKey(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^(p-[0-9a-f]{40}|new-[0-9a-f]{32})$"));
    return pattern.match(name).hasMatch();
}
} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : m_folder(std::move(folder))
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultFolder()
{
    // No data folder (no home directory) means no copies, rather than a
    // "/recovery" folder at the root.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QLatin1String("/recovery");
}

void RecoveryStore::setFolder(const QString &folder)
{
    m_locks.clear();
    m_folder = folder;
}

QString RecoveryStore::keyForProject(const QString &projectPath)
{
    const QByteArray path = QDir::cleanPath(QFileInfo(projectPath).absoluteFilePath()).toUtf8();
    return QStringLiteral("p-") + QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex());
}

QString RecoveryStore::keyForNewProject()
{
    return QStringLiteral("new-") + QUuid::createUuid().toString(QUuid::Id128);
}

QString RecoveryStore::fileFor(const QString &key) const
{
    return m_folder + QLatin1Char('/') + key + kSuffix;
}

bool RecoveryStore::claim(const QString &key)
{
    if (m_locks.count(key))
        return true;
    auto lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + key + QLatin1String(".lock"));
    // A lock is stale only when the program holding it is gone, never by
    // its age: a project stays open for hours.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return false;
    m_locks.emplace(key, std::move(lock));
    return true;
}

void RecoveryStore::release(const QString &key)
{
    m_locks.erase(key); // QLockFile unlocks (and deletes its file) when destroyed
}

FileResult RecoveryStore::write(const QString &key, const QString &projectPath, const QString &title,
                                const ProjectRecord &record, const CompanyInfo &company)
{
    const QString target = fileFor(key);
    if (m_folder.isEmpty())
        return FileResult::failure(ProjectMessages::saveFailed());
    if (!projectPath.isEmpty()
        && QFileInfo(target).absoluteFilePath() == QFileInfo(projectPath).absoluteFilePath())
        return FileResult::failure(ProjectMessages::accessDenied(target));
    if (!QDir().mkpath(m_folder))
        return FileResult::failure(ProjectMessages::notFound(target));
    // Another running program editing the same project holds the lock; the
    // copy is written all the same, the newer one wins.
    claim(key);
    std::string bytes(kMagic);
    bytes += headerLine("path", projectPath.isEmpty() ? QString() : QFileInfo(projectPath).absoluteFilePath());
    bytes += headerLine("title", title);
    bytes += '\n';
    ProjectArchive::write(record, company, bytes);
    return AtomicFile::write(target, bytes);
}

std::vector<RecoveryEntry> RecoveryStore::offers()
{
    std::vector<RecoveryEntry> list;
    if (m_folder.isEmpty())
        return list;
    const QFileInfoList files = QDir(m_folder).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files);
    for (const QFileInfo &info : files) {
        const QString key = info.completeBaseName();
        // A copy this program writes itself belongs to a project open here.
        if (!isKey(key) || m_locks.count(key))
            continue;
        if (!claim(key))
            continue; // held by another running program
        std::string bytes;
        Header header;
        std::string_view project;
        ProjectRecord record;
        CompanyInfo company = CompanyInfo::initial();
        bool offer = readFile(info.absoluteFilePath(), bytes) && parse(bytes, header, project)
            && ProjectArchive::read(project, record, company) == ProjectArchive::ReadStatus::Ok;
        if (offer && !header.projectPath.isEmpty()) {
            const QFileInfo projectFile(header.projectPath);
            offer = !projectFile.exists() || info.lastModified() > projectFile.lastModified();
        }
        if (!offer) {
            release(key);
            continue;
        }
        list.push_back({key, info.absoluteFilePath(), header.projectPath, header.title, info.lastModified()});
    }
    std::sort(list.begin(), list.end(),
              [](const RecoveryEntry &a, const RecoveryEntry &b) { return a.writtenAt < b.writtenAt; });
    return list;
}

FileResult RecoveryStore::restore(const RecoveryEntry &entry, CZelvanDoc &doc) const
{
    std::string bytes;
    if (!readFile(entry.file, bytes))
        return FileResult::failure(ProjectMessages::notFound(entry.file));
    Header header;
    std::string_view project;
    ProjectRecord record;
    CompanyInfo company = doc.company();
    if (!parse(bytes, header, project)
        || ProjectArchive::read(project, record, company) != ProjectArchive::ReadStatus::Ok)
        return FileResult::failure(ProjectMessages::unexpectedFormat());
    doc.restoreUnsaved(std::move(record), company, header.projectPath, header.title);
    return FileResult::success();
}

void RecoveryStore::remove(const QString &key)
{
    QFile::remove(fileFor(key));
    release(key);
}

} // namespace zelvan
