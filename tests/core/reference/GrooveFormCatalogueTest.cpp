// The groove-form catalogue both weld pages choose from.
#include "core/reference/GrooveFormCatalogue.h"

#include <gtest/gtest.h>

using namespace zelvan;

TEST(GrooveFormCatalogue, KindsSelectTheirGrooveLists)
{
    const QStringList kinds = GrooveFormCatalogue::weldKinds();
    ASSERT_EQ(kinds, (QStringList{QStringLiteral("对接焊缝"), QStringLiteral("无坡口角焊缝"), QStringLiteral("带坡口角焊缝"),
                                  QStringLiteral("表面堆焊")}));
    const QStringList butt = GrooveFormCatalogue::grooveForms(0);
    EXPECT_EQ(butt.size(), 18);
    EXPECT_EQ(butt.first(), QStringLiteral("单边单面V型坡口"));
    EXPECT_EQ(butt.at(8), QStringLiteral("单边+双边双面VU型坡口"));
    // A fillet weld without preparation offers exactly the two square
    // grooves that close the butt-weld list.
    EXPECT_EQ(GrooveFormCatalogue::grooveForms(1), (QStringList{QStringLiteral("I型单面"), QStringLiteral("I型双面")}));
    EXPECT_EQ(butt.mid(16), GrooveFormCatalogue::grooveForms(1));
    const QStringList fillet = GrooveFormCatalogue::grooveForms(2);
    EXPECT_EQ(fillet.size(), 16);
    EXPECT_TRUE(fillet.contains(QStringLiteral("单边双面K型坡口+双角")));
    EXPECT_EQ(fillet.last(), QStringLiteral("双边双面VU型坡口+单角"));
    EXPECT_EQ(GrooveFormCatalogue::grooveForms(3), (QStringList{QStringLiteral("直方面"), QStringLiteral("圆面及圆环面"),
                                                                QStringLiteral("圆柱面"), QStringLiteral("圆锥面")}));
    // No kind chosen: no list.
    EXPECT_TRUE(GrooveFormCatalogue::grooveForms(-1).isEmpty());
    EXPECT_TRUE(GrooveFormCatalogue::grooveForms(4).isEmpty());
    // No groove form is offered twice for one kind.
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(GrooveFormCatalogue::grooveForms(k).removeDuplicates(), 0) << k;
}
