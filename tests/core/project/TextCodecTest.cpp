#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

#include <climits>

using namespace zelvan;

TEST(TextCodec, ChineseRoundTripsThroughGbk)
{
    const std::string utf8 = "岳川明压力容器排版图软件 φ1200×12 ℃ ①";
    const std::string g = utf8ToGbk(utf8);
    EXPECT_NE(g, utf8);
    EXPECT_EQ(utf8ToGbk("岳川明").size(), 6u); // two bytes per Chinese character
    EXPECT_EQ(gbkToUtf8(g), utf8);
    EXPECT_EQ(fromGbk(toGbk(QStringLiteral("筒节参数"))), QStringLiteral("筒节参数"));
    // The quadrant words are three double-byte characters: six bytes.
    for (const char *word : {"一轴内", "二轴内", "三轴内", "四轴内", "圆心处"})
        EXPECT_EQ(gbk(word).size(), 6u) << word;
}

TEST(TextCodec, CharactersOutsideGbkBecomeQuestionMarks)
{
    EXPECT_EQ(utf8ToGbk("a😀b"), "a?b");
    std::string strict;
    EXPECT_FALSE(utf8ToGbkStrict("a😀b", strict));
    EXPECT_TRUE(utf8ToGbkStrict("封头", strict));
    EXPECT_EQ(strict, gbk("封头"));
}

TEST(TextCodec, InvalidGbkBytesDecodeWithoutFailing)
{
    const std::string broken = std::string("ab\x81", 3);
    EXPECT_EQ(gbkToUtf8(broken).substr(0, 2), "ab");
}

TEST(TextCodec, Utf16FormConvertsToGbk)
{
    EXPECT_EQ(utf16ToGbk(u"容器A"), gbk("容器A"));
}

TEST(TextCodec, LeadingIntegerParse)
{
    EXPECT_EQ(leadingInt(""), 0);
    EXPECT_EQ(leadingInt("abc"), 0);
    EXPECT_EQ(leadingInt("2abc"), 2);
    EXPECT_EQ(leadingInt("  -5"), -5);
    EXPECT_EQ(leadingInt("+17 mm"), 17);
    EXPECT_EQ(leadingInt("1.25"), 1);
    EXPECT_EQ(leadingInt("- 5"), 0);
    EXPECT_EQ(leadingInt("\t 42"), 42);
    // Overflow saturates instead of being undefined.
    EXPECT_EQ(leadingInt("999999999999"), INT_MAX);
    EXPECT_EQ(leadingInt("-999999999999"), INT_MIN);
    EXPECT_EQ(leadingInt("2147483647"), INT_MAX);
    EXPECT_EQ(leadingInt("-2147483648"), INT_MIN);
    EXPECT_EQ(leadingInt("2147483646"), 2147483646);
}

TEST(TextCodec, LeadingDecimalParse)
{
    EXPECT_DOUBLE_EQ(leadingDouble("1.25MPa"), 1.25);
    EXPECT_DOUBLE_EQ(leadingDouble(" -0.5"), -0.5);
    EXPECT_DOUBLE_EQ(leadingDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(leadingDouble("12."), 12.0);
    EXPECT_DOUBLE_EQ(leadingDouble("-"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("."), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(leadingDouble("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(leadingDouble("2e"), 2.0);
    EXPECT_TRUE(std::isfinite(leadingDouble("1e999999")));
}

TEST(TextCodec, DateFormats)
{
    EXPECT_EQ(formatDate(2009, 3, 5), "2009-03-05");
    EXPECT_EQ(formatDateTime(2026, 12, 8, 7, 5, 9), "2026-12-08 07:05:09");
}
