#pragma once

#include <QString>

namespace zelvan::LayoutMessages {

// What the layout drawing says to the user, in one place for the generator
// and its tests.
inline QString noPlates() { return QStringLiteral("板材数为零，无法生成排版图！\n请输入板材信息！"); }
inline QString noCourses() { return QStringLiteral("筒节数为零，无法生成排版图！\n请输入筒节信息！"); }
inline QString notSaved() { return QStringLiteral("生成排版图前请先保存项目！"); }
inline QString zeroTotalHeight() { return QStringLiteral("筒节总高度为零，无法生成排版图！"); }
inline QString wrongVesselType() { return QStringLiteral("容器型式错误！"); }
inline QString generationFailed()
{
    return QStringLiteral("DXF文件生成错误！\n可能原因:无法加载CadIO.dll文件;\n排版图文件已打开");
}
// A PDF or PNG picture of the drawing that could not be written; %1 is the
// file's own message.
inline QString pictureFailed() { return QStringLiteral("排版图文件生成错误！\n%1"); }
// After a drawing was written with nozzles at stand-in positions; %1 lists
// their marks.
inline QString nozzlesNotPlaced()
{
    return QStringLiteral("以下接管无法按其位置、方位和标高准确定位，已画在封头视图中心、筒体展开图0°处"
                          "或方位距离所限的位置，请核对接管信息：\n%1");
}

} // namespace zelvan::LayoutMessages
