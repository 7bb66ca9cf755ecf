#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelvan {

// Coded values the record stores as text, decoded here once. Texts are GBK,
// as stored.

// Field 9: "0" vertical, "1" horizontal; anything else names no type.
enum class VesselType { Vertical, Horizontal };

namespace VesselTypes {
std::optional<VesselType> parse(const std::string &code);
std::string code(VesselType type);
std::string name(VesselType type); // "立式圆筒容器" / "卧式圆筒容器"
} // namespace VesselTypes

// Where a nozzle sits: the shell, or one of the two heads of the vessel's
// orientation.
enum class NozzleLocation { Shell, UpperHead, LowerHead, LeftHead, RightHead };

namespace NozzleLocations {
std::optional<NozzleLocation> parse(const std::string &text);
std::string text(NozzleLocation location); // "筒节段", "上封头", ...
bool isHead(NozzleLocation location);
// What the nozzle page offers: the shell, then upper and lower heads for a
// vertical vessel and left and right heads for any other.
std::vector<NozzleLocation> offeredFor(std::optional<VesselType> type);
} // namespace NozzleLocations

// The quadrant word stored in front of a nozzle's azimuth distance; "圆心处"
// (the head's centre) only on heads.
enum class Quadrant { First, Second, Third, Fourth, Centre };

namespace Quadrants {
// Each word is three double-byte characters.
constexpr size_t kWordBytes = 6;
std::string word(Quadrant quadrant); // "一轴内" .. "四轴内", "圆心处"
// The quadrant the azimuth cell starts with, if any.
std::optional<Quadrant> parse(const std::string &azimuthCell);
// The azimuth cell cut after the word's six bytes: (word bytes, distance).
std::pair<std::string, std::string> split(const std::string &azimuthCell);
// The four quadrants of the shell, in order.
std::vector<Quadrant> shellQuadrants();
} // namespace Quadrants

} // namespace zelvan
