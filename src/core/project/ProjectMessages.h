#pragma once

#include <QDir>
#include <QString>

namespace zelvan::ProjectMessages {

// What opening, saving and naming a project's files say to the user, in one
// place for the code and its tests. Paths are shown with the platform's
// separators.
inline QString unexpectedFormat() { return QStringLiteral("非预期的文件格式。"); }
inline QString notFound(const QString &path) { return QStringLiteral("没有找到 %1。").arg(QDir::toNativeSeparators(path)); }
inline QString accessDenied(const QString &path)
{
    return QStringLiteral("对 %1 的存取被拒绝。").arg(QDir::toNativeSeparators(path));
}
inline QString saveFailed() { return QStringLiteral("保存文档失败。"); }
// The close-time question; %1 is the file name or the window title.
inline QString saveChangesTo(const QString &name) { return QStringLiteral("将改动保存到 %1？").arg(name); }
// Asked at start-up for each recovery copy a crash or a killed program left.
inline QString recoveryOffer() { return QStringLiteral("发现未保存的项目恢复文件，是否恢复？"); }
// A project or vessel name holding a character no file name can hold.
inline QString unsafeProjectName(const QString &character)
{
    return QStringLiteral("项目名称中含有不能用于文件名的字符“%1”，无法生成文件！").arg(character);
}
inline QString unsafeVesselName(const QString &character)
{
    return QStringLiteral("容器名称中含有不能用于文件名的字符“%1”，无法生成文件！").arg(character);
}

} // namespace zelvan::ProjectMessages
