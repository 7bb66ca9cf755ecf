#pragma once

#include "core/drawing/LayoutInputs.h"
#include "core/project/TextCodec.h"

#include <string>
#include <vector>

namespace zelvan::test {

// Rows in the record's column order, GBK texts from UTF-8 literals.
inline std::vector<std::string> courseRow(const char *height, const char *diameter)
{
    return {"1", gbk("筒节"), height, "10", diameter, "Q345R"};
}
inline std::vector<std::string> plateRow(const char *material, const char *heat)
{
    return {"1", gbk(material), gbk(heat), "6000", "2000", "10", "1"};
}
inline std::vector<std::string> nozzleRow(const char *mark, const char *dn, const char *location, const char *azimuth,
                                          const char *elevation, const char *outside)
{
    return {gbk(mark), gbk("接管"), "1", dn, gbk(location), gbk(azimuth), gbk(elevation), "", "", outside,
            "", "", "", ""};
}

// Vertical sample: heights 1000/1500/1500 (L = 4000, k = 0.2), diameter 1200
// (Rs = 600), head inner diameter 1200 (view radius 600 * 800 / 4000 = 120),
// two plates for three courses.
inline LayoutInputs verticalSample()
{
    LayoutInputs in;
    in.projectName = gbk("项目");
    in.projectDirectory = "/tmp/";
    in.vesselType = VesselType::Vertical;
    in.vesselName = gbk("储罐");
    in.productNumber = "CP-01";
    in.drawingNumber = "DWG-7";
    in.firstHeadInnerDiameter = "1200";
    in.material = gbk("16MnR");
    in.specification = gbk("φ1200*4000*10");
    in.preparedDate = "2024-03-01";
    in.reviewDate = "2024-03-02";
    in.courses = {courseRow("1000", "1200"), courseRow("1500", "1200"), courseRow("1500", "1200")};
    in.plates = {plateRow("16MnR", "H1"), plateRow("16MnR", "H2")};
    in.courseCount = "3";
    in.plateCount = "2";
    in.nozzleCount = "0";
    in.mainWeldNdtMethod = "RT";
    in.mainWeldNdtRatio = "20%";
    in.mainWeldAcceptance = "III";
    in.testPressure = "1.25";
    return in;
}

// Horizontal sample: heights 2000/2000 (L = 4000, k = 0.2), diameter 1000
// (Rs = 500), head inner diameter 1000 (view radius 100), one plate.
inline LayoutInputs horizontalSample()
{
    LayoutInputs in = verticalSample();
    in.vesselType = VesselType::Horizontal;
    in.firstHeadInnerDiameter = "1000";
    in.courses = {courseRow("2000", "1000"), courseRow("2000", "1000")};
    in.plates = {plateRow("Q235B", "P9")};
    in.courseCount = "2";
    in.plateCount = "1";
    return in;
}

} // namespace zelvan::test
