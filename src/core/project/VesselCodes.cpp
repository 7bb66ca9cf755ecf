#include "core/project/VesselCodes.h"

#include "core/project/TextCodec.h"

#include <array>

namespace zelvan {

namespace VesselTypes {

std::optional<VesselType> parse(const std::string &code)
{
    if (code == "0")
        return VesselType::Vertical;
    if (code == "1")
        return VesselType::Horizontal;
    return std::nullopt;
}

std::string code(VesselType type)
{
    return type == VesselType::Vertical ? "0" : "1";
}

std::string name(VesselType type)
{
    return gbk(type == VesselType::Vertical ? "立式圆筒容器" : "卧式圆筒容器");
}

} // namespace VesselTypes

namespace NozzleLocations {

namespace {
constexpr std::array<std::pair<NozzleLocation, const char *>, 5> kTexts{{
    {NozzleLocation::Shell, "筒节段"},
    {NozzleLocation::UpperHead, "上封头"},
    {NozzleLocation::LowerHead, "下封头"},
    {NozzleLocation::LeftHead, "左封头"},
    {NozzleLocation::RightHead, "右封头"},
}};
} // namespace

std::optional<NozzleLocation> parse(const std::string &text)
{
    for (const auto &[location, utf8] : kTexts)
        if (text == gbk(utf8))
            return location;
    return std::nullopt;
}

std::string text(NozzleLocation location)
{
    for (const auto &[candidate, utf8] : kTexts)
        if (candidate == location)
            return gbk(utf8);
    return {};
}

bool isHead(NozzleLocation location)
{
    return location != NozzleLocation::Shell;
}

std::vector<NozzleLocation> offeredFor(std::optional<VesselType> type)
{
    if (type == VesselType::Vertical)
        return {NozzleLocation::Shell, NozzleLocation::UpperHead, NozzleLocation::LowerHead};
    return {NozzleLocation::Shell, NozzleLocation::LeftHead, NozzleLocation::RightHead};
}

} // namespace NozzleLocations

namespace Quadrants {

namespace {
constexpr std::array<const char *, 5> kWords{"一轴内", "二轴内", "三轴内", "四轴内", "圆心处"};
} // namespace

std::string word(Quadrant quadrant)
{
    return gbk(kWords[static_cast<size_t>(quadrant)]);
}

std::optional<Quadrant> parse(const std::string &azimuthCell)
{
    const std::string head = split(azimuthCell).first;
    for (size_t q = 0; q < kWords.size(); ++q)
        if (head == gbk(kWords[q]))
            return static_cast<Quadrant>(q);
    return std::nullopt;
}

std::pair<std::string, std::string> split(const std::string &azimuthCell)
{
    if (azimuthCell.size() <= kWordBytes)
        return {azimuthCell, std::string()};
    return {azimuthCell.substr(0, kWordBytes), azimuthCell.substr(kWordBytes)};
}

std::vector<Quadrant> shellQuadrants()
{
    return {Quadrant::First, Quadrant::Second, Quadrant::Third, Quadrant::Fourth};
}

} // namespace Quadrants

} // namespace zelvan
