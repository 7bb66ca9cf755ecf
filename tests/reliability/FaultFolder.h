#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/mount.h>

#include <map>
#include <string>

namespace zelvan::test {

// A scratch folder that can be turned into a real fault: a tiny tmpfs that
// fills up, or a file system remounted read-only. Mounting needs root (the
// CI and the developers' machines run as root); without it the fault cases
// fail with kMountNeedsRoot rather than skip, so a run that did not test the
// faults can never pass. As root, permission bits do not stop a write, so
// only a mount gives a folder that truly refuses it.
inline constexpr const char *kMountNeedsRoot =
    "mounting a small file system needs root; run the fault tests as root (the CI does)";

class FaultFolder {
public:
    FaultFolder() { m_path = m_dir.path() + QStringLiteral("/target"); QDir().mkpath(m_path); }
    ~FaultFolder()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    FaultFolder(const FaultFolder &) = delete;
    FaultFolder &operator=(const FaultFolder &) = delete;

    // Mounts a tmpfs of `kilobytes` over the folder; false when not allowed.
    bool mountTmpfs(int kilobytes)
    {
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, options.c_str()) == 0;
        return m_mounted;
    }
    bool remountReadOnly()
    {
        return m_mounted
            && ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    QString path() const { return m_path; }
    QString file(const QString &name) const { return m_path + QLatin1Char('/') + name; }

    // Every entry of the folder, hidden ones included, with its size and a
    // digest of its bytes: what a fault must leave exactly as it was.
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> out;
        const QDir dir(m_path);
        for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
            QFile f(info.absoluteFilePath());
            std::string state = "<dir>";
            if (!info.isDir()) {
                const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
                state = std::to_string(bytes.size()) + " bytes, sha1 "
                    + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString();
            }
            out[info.fileName().toStdString()] = state;
        }
        return out;
    }

    // Fills the folder's file system until it has no room left.
    void fillUp() const
    {
        QFile f(file(QStringLiteral("filler.bin")));
        if (!f.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(4096, 'f');
        while (f.write(block) == block.size() && f.flush()) {
        }
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_mounted = false;
};

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size() && f.flush();
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace zelvan::test
