#include "core/reference/GrooveFormCatalogue.h"

namespace zelvan::GrooveFormCatalogue {

namespace {
// The square grooves close the butt-weld list and are the whole list of the
// fillet weld without preparation.
QStringList squareGrooves() { return {QStringLiteral("I型单面"), QStringLiteral("I型双面")}; }
} // namespace

QStringList weldKinds()
{
    return {QStringLiteral("对接焊缝"), QStringLiteral("无坡口角焊缝"), QStringLiteral("带坡口角焊缝"), QStringLiteral("表面堆焊")};
}

QStringList grooveForms(int position)
{
    switch (position) {
    case 0:
        return QStringList{QStringLiteral("单边单面V型坡口"), QStringLiteral("单边单面U型坡口"), QStringLiteral("双边单面U型坡口"),
                           QStringLiteral("双边单面V型坡口"), QStringLiteral("单边双面K型坡口"), QStringLiteral("单边双面U型坡口"),
                           QStringLiteral("单边双面VU型坡口"), QStringLiteral("单边双面UV型坡口"),
                           QStringLiteral("单边+双边双面VU型坡口"), QStringLiteral("单边+双边双面UV型坡口"),
                           QStringLiteral("双边+单边双面UV型坡口"), QStringLiteral("双边+单边双面VU型坡口"),
                           QStringLiteral("双边双面U型坡口"), QStringLiteral("双边双面V型坡口"), QStringLiteral("双边双面VU型坡口"),
                           QStringLiteral("双边双面UV型坡口")}
            + squareGrooves();
    case 1:
        return squareGrooves();
    case 2:
        return {QStringLiteral("双边单面V型坡口+单角"), QStringLiteral("单边单面V型坡口+单角"), QStringLiteral("单边单面V型坡口+双角"),
                QStringLiteral("双边单面U型坡口+单角"), QStringLiteral("单边单面U型坡口+单角"), QStringLiteral("单边单面U型坡口+双角"),
                QStringLiteral("单边双面K型坡口+单角"), QStringLiteral("单边双面V型坡口+单角"), QStringLiteral("单边双面K型坡口+双角"),
                QStringLiteral("单边双面U型坡口+单角"), QStringLiteral("单边双面U型坡口+双角"), QStringLiteral("单边双面UV型坡口+单角"),
                QStringLiteral("单边双面UV型坡口+双角"), QStringLiteral("单边双面VU型坡口+单角"), QStringLiteral("双边双面UV型坡口+单角"),
                QStringLiteral("双边双面VU型坡口+单角")};
    case 3:
        return {QStringLiteral("直方面"), QStringLiteral("圆面及圆环面"), QStringLiteral("圆柱面"), QStringLiteral("圆锥面")};
    default:
        return {};
    }
}

} // namespace zelvan::GrooveFormCatalogue
