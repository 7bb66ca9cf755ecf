// The coded texts of the record, decoded once. The expected bytes are the
// GBK code points written out by hand, so a wrong word or a wrong code page
// fails here rather than in a drawing.
#include "core/project/VesselCodes.h"

#include <gtest/gtest.h>

using namespace zelvan;

namespace {
const std::string kFirst = "\xD2\xBB\xD6\xE1\xC4\xDA";  // 一轴内
const std::string kFourth = "\xCB\xC4\xD6\xE1\xC4\xDA"; // 四轴内
const std::string kCentre = "\xD4\xB2\xD0\xC4\xB4\xA6"; // 圆心处
const std::string kShell = "\xCD\xB2\xBD\xDA\xB6\xCE";  // 筒节段
const std::string kUpper = "\xC9\xCF\xB7\xE2\xCD\xB7";  // 上封头
const std::string kRight = "\xD3\xD2\xB7\xE2\xCD\xB7";  // 右封头
} // namespace

TEST(VesselCodes, VesselTypeCodesAndNames)
{
    EXPECT_EQ(VesselTypes::parse("0"), VesselType::Vertical);
    EXPECT_EQ(VesselTypes::parse("1"), VesselType::Horizontal);
    for (const char *other : {"", "2", " 0", "00", "01"})
        EXPECT_EQ(VesselTypes::parse(other), std::nullopt) << other;
    EXPECT_EQ(VesselTypes::code(VesselType::Vertical), "0");
    EXPECT_EQ(VesselTypes::code(VesselType::Horizontal), "1");
    EXPECT_EQ(VesselTypes::name(VesselType::Vertical), "\xC1\xA2\xCA\xBD\xD4\xB2\xCD\xB2\xC8\xDD\xC6\xF7");   // 立式圆筒容器
    EXPECT_EQ(VesselTypes::name(VesselType::Horizontal), "\xCE\xD4\xCA\xBD\xD4\xB2\xCD\xB2\xC8\xDD\xC6\xF7"); // 卧式圆筒容器
}

TEST(VesselCodes, LocationsOfferedByVesselType)
{
    EXPECT_EQ(NozzleLocations::parse(kShell), NozzleLocation::Shell);
    EXPECT_EQ(NozzleLocations::parse(kUpper), NozzleLocation::UpperHead);
    EXPECT_EQ(NozzleLocations::parse(kRight), NozzleLocation::RightHead);
    EXPECT_EQ(NozzleLocations::parse(kShell + "x"), std::nullopt);
    EXPECT_EQ(NozzleLocations::text(NozzleLocation::UpperHead), kUpper);

    using L = NozzleLocation;
    EXPECT_EQ(NozzleLocations::offeredFor(VesselType::Vertical), (std::vector<L>{L::Shell, L::UpperHead, L::LowerHead}));
    EXPECT_EQ(NozzleLocations::offeredFor(VesselType::Horizontal), (std::vector<L>{L::Shell, L::LeftHead, L::RightHead}));
    // A file with another code offers the heads of a horizontal vessel, as
    // the page always did.
    EXPECT_EQ(NozzleLocations::offeredFor(std::nullopt), (std::vector<L>{L::Shell, L::LeftHead, L::RightHead}));
    EXPECT_FALSE(NozzleLocations::isHead(L::Shell));
    EXPECT_TRUE(NozzleLocations::isHead(L::LowerHead));
}

TEST(VesselCodes, QuadrantWordLeadsTheAzimuthCell)
{
    EXPECT_EQ(Quadrants::parse(kFirst + "300"), Quadrant::First);
    EXPECT_EQ(Quadrants::parse(kFourth), Quadrant::Fourth);
    EXPECT_EQ(Quadrants::parse(kCentre + "0"), Quadrant::Centre);
    EXPECT_EQ(Quadrants::parse("300"), std::nullopt);
    EXPECT_EQ(Quadrants::parse(kFirst.substr(0, 4)), std::nullopt);
    EXPECT_EQ(Quadrants::word(Quadrant::Centre), kCentre);

    EXPECT_EQ(Quadrants::split(kFirst + "300"), std::make_pair(kFirst, std::string("300")));
    EXPECT_EQ(Quadrants::split(kFirst), std::make_pair(kFirst, std::string()));
    // A cell shorter than a word is all word, no distance.
    EXPECT_EQ(Quadrants::split("12"), std::make_pair(std::string("12"), std::string()));
}
