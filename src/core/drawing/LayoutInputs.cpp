#include "core/drawing/LayoutInputs.h"

#include "core/project/TextCodec.h"

namespace zelvan {

namespace {
std::string countText(const Table &table)
{
    return table.countText().empty() ? std::string("0") : table.countText();
}
} // namespace

LayoutInputs LayoutInputs::fromRecord(const ProjectRecord &record)
{
    LayoutInputs in;
    in.projectName = record.field(Field::ProjectName);
    in.projectDirectory = record.field(Field::ProjectDirectory);
    in.vesselType = VesselTypes::parse(record.field(Field::VesselType));
    in.vesselName = record.field(Field::VesselName);
    in.productNumber = record.field(Field::ProductNumber);
    in.drawingNumber = record.field(Field::DrawingNumber);
    in.firstHeadInnerDiameter = record.field(Field::FirstHeadInnerDiameter);

    const Table &courses = record.table(TableId::ShellCourses);
    const Table &nozzles = record.table(TableId::Nozzles);
    const Table &plates = record.table(TableId::Plates);
    in.courseCount = countText(courses);
    in.nozzleCount = countText(nozzles);
    in.plateCount = countText(plates);
    in.courses = courses.rows();
    in.nozzles = nozzles.rows();
    in.plates = plates.rows();

    in.material = in.plates.empty() ? gbk("未知") : in.plates.front()[PlateColumn::Material];
    in.specification = gbk("φ") + record.process(ProcessField::InnerDiameter) + "*"
        + record.process(ProcessField::OverallLength) + "*" + record.process(ProcessField::WallThickness);

    in.mainWeldNdtMethod = record.process(ProcessField::MainWeldNdtMethod);
    in.mainWeldNdtRatio = record.process(ProcessField::MainWeldNdtRatio);
    in.mainWeldAcceptance = record.process(ProcessField::MainWeldAcceptance);
    in.testPressure = record.process(ProcessField::TestPressure);
    return in;
}

std::string LayoutInputs::summaryLine() const
{
    std::string line = gbk(vesselType == VesselType::Vertical ? "容器型式: 立式" : "容器型式: 卧式");
    line += std::string(12, ' ');
    line += gbk("筒节数: ") + courseCount;
    line += gbk("\t 接管数: ") + nozzleCount;
    line += gbk("\t 所用板材数: ") + plateCount;
    return line;
}

} // namespace zelvan
