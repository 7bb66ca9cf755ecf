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

// The inspection fields of the weld page and of the welding procedure card
// page: the same choices on both forms.
inline QStringList testTypes()
{
    return {QStringLiteral("RT"), QStringLiteral("MT"), QStringLiteral("UT"), QStringLiteral("PT"), QStringLiteral("无")};
}

inline QStringList testStandards()
{
    return {QStringLiteral("JB/T4735-1997 《钢制焊接常压容器》图样"),
            QStringLiteral("SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》"),
            QStringLiteral("JB/T4730-2005《承压设备无损检测》"), QStringLiteral("GB150-1998《钢制压力容器》"),
            QStringLiteral("GB151-1999《管壳式换热器》")};
}

inline QStringList testRatios()
{
    return {QStringLiteral("10%"), QStringLiteral("20%"), QStringLiteral("50%"), QStringLiteral("100%")};
}

inline QStringList acceptanceLevels()
{
    return {QStringLiteral("I级"), QStringLiteral("II级"), QStringLiteral("III级"), QStringLiteral("IV级"), QStringLiteral("无要求")};
}

} // namespace Catalogues
} // namespace zelvan
