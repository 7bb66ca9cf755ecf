#pragma once

#include <QString>
#include <QStringList>

namespace zelvan::TowerParameterLists {

// The drop-down lists of the tower parameters page, in item order. The
// project stores the position of the chosen item, so the order is part of
// the file format; the certificate prints the item at the stored position.

inline QStringList structureForms() { return {QStringLiteral("单层"), QStringLiteral("多层")}; }
inline QStringList ndtMethods()
{
    return {QStringLiteral("RT"), QStringLiteral("MT"), QStringLiteral("UT"), QStringLiteral("PT")};
}
inline QStringList ndtInstruments()
{
    return {QStringLiteral("250EG-B2F"), QStringLiteral("250EGS3"), QStringLiteral("200EGS3"), QStringLiteral("300EG-B2F")};
}
// The drawing's and the weld's inspection ratios (the certificate prints
// them as percentages).
inline QStringList inspectionRatios()
{
    return {QStringLiteral("0.1"), QStringLiteral("0.2"), QStringLiteral("0.5"), QStringLiteral("1.0")};
}
inline QStringList addedNdtRatios() { return {QStringLiteral("符合标准规定"), QStringLiteral("无此项")}; }

inline QStringList designStandards()
{
    return {QStringLiteral("《压力容器安全技术监察规程》"), QStringLiteral("JB/T4735-1997 《钢制焊接常压容器》"),
            QStringLiteral("SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》"), QStringLiteral("GB150-1998《钢制压力容器》"),
            QStringLiteral("GB151-1999《管壳式换热器》"), QStringLiteral("JB/T4710-2005《钢制塔式容器》"),
            QStringLiteral("JB/T4735-1997《钢制焊接常压容器》")};
}
// Eleven items of which three texts occur twice: only the position tells
// them apart.
inline QStringList manufacturingStandards()
{
    return {QStringLiteral("JB/T4735-1997 《钢制焊接常压容器》图样"),
            QStringLiteral("SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》"),
            QStringLiteral("GB150-1998《钢制压力容器》"),
            QStringLiteral("GB151-1999《管壳式换热器》"),
            QStringLiteral("《压力容器安全技术监察规程》"),
            QStringLiteral("JB/T4735-1997 《钢制焊接常压容器》"),
            QStringLiteral("SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》"),
            QStringLiteral("GB150-1998《钢制压力容器》"),
            QStringLiteral("GB151-1999《管壳式换热器》"),
            QStringLiteral("JB/T4710-2005《钢制塔式容器》"),
            QStringLiteral("JB/T4735-1997《钢制焊接常压容器》")};
}
inline QStringList ndtStandards()
{
    return {QStringLiteral("JB/T4735-1997 《钢制焊接常压容器》图样"),
            QStringLiteral("SY/T 0449-1997《油气田用钢制常压容器施工及验收规范》"),
            QStringLiteral("JB/T4730-2005《承压设备无损检测》"), QStringLiteral("GB150-1998《钢制压力容器》"),
            QStringLiteral("GB151-1999《管壳式换热器》")};
}

// The position a stored code names in a list of `count` items: "0" to
// count-1 in plain decimal, otherwise -1 (nothing chosen).
inline int position(const QString &code, int count)
{
    bool ok = false;
    const int value = code.toInt(&ok);
    if (!ok || value < 0 || value >= count || code != QString::number(value))
        return -1;
    return value;
}

} // namespace zelvan::TowerParameterLists
