#pragma once

#include <QStringList>

namespace zelvan {

// Item lists shared by several pages, in the order the shop's forms show
// them.
namespace Catalogues {

// The 17 steel grades of the shell-course, head, plate and qualification
// pages.
inline QStringList materials()
{
    return {QStringLiteral("10#"), QStringLiteral("20#"), QStringLiteral("20g"), QStringLiteral("16Mn"),
            QStringLiteral("Q235-A.F"), QStringLiteral("Q235A"), QStringLiteral("Q235B"), QStringLiteral("Q235C"),
            QStringLiteral("20R"), QStringLiteral("16MnR"), QStringLiteral("15CrMoR"), QStringLiteral("16MnDR"),
            QStringLiteral("0Cr18Ni9/SUS304"), QStringLiteral("1Cr18Ni9Ti"), QStringLiteral("0Cr18Ni10Ti/SUS321"),
            QStringLiteral("00Cr17Ni14Mo2/316L"), QStringLiteral("0Cr13")};
}

inline QStringList headTypes()
{
    return {QStringLiteral("椭圆封头"), QStringLiteral("锥形封头"), QStringLiteral("法兰"), QStringLiteral("平盖")};
}

inline QStringList shellCourseTypes()
{
    return {QStringLiteral("圆筒形"), QStringLiteral("上锥形"), QStringLiteral("下锥形")};
}

inline QStringList vesselCategories()
{
    return {QStringLiteral("一类"), QStringLiteral("二类"), QStringLiteral("三类"), QStringLiteral("类外")};
}

} // namespace Catalogues
} // namespace zelvan
