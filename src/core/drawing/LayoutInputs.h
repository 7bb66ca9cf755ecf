#pragma once

#include "core/project/ProjectRecord.h"
#include "core/project/VesselCodes.h"

#include <optional>
#include <string>
#include <vector>

namespace zelvan {

// The layout dialog's copy of the project, taken when it opens: what the
// dialog shows and what the drawing carries. Every text is GBK.
struct LayoutInputs {
    std::string projectName;
    std::string projectDirectory; // field 2; empty before the first save
    std::optional<VesselType> vesselType; // field 9 decoded; none for any other code
    std::string vesselName;
    std::string productNumber;
    std::string drawingNumber;
    std::string firstHeadInnerDiameter;

    // Shown in the title block.
    std::string material;      // first plate's material, "未知" without plates
    std::string specification; // "φ" + Di + "*" + length + "*" + thickness
    std::string preparedDate;
    std::string reviewDate;

    // Counts as stored, "0" when empty; the rows up to the stored count.
    std::string courseCount;
    std::string nozzleCount;
    std::string plateCount;
    std::vector<std::vector<std::string>> courses;
    std::vector<std::vector<std::string>> nozzles;
    std::vector<std::vector<std::string>> plates;

    // Process-card fields quoted by the drawing's notes.
    std::string mainWeldNdtMethod;
    std::string mainWeldNdtRatio;
    std::string mainWeldAcceptance;
    std::string testPressure;

    // Copies everything except the two dates, which come from the dialog.
    static LayoutInputs fromRecord(const ProjectRecord &record);

    // "容器型式: 立式" or "容器型式: 卧式", twelve spaces, then the three counts
    // each after its label, the labels after the first preceded by a tab.
    std::string summaryLine() const;
};

} // namespace zelvan
