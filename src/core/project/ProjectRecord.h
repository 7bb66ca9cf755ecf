#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zelvan {

// Single fields of the project record, by the numbers the shop's file format
// uses. Field 64 is the shell-course row count and lives with its table.
enum class Field : int {
    ProjectFilePath = 1,
    ProjectDirectory = 2,
    ProjectName = 3,
    SaveDirectory = 4,
    ProjectNumber = 5,
    ProjectManager = 6,
    ProjectOwner = 7,
    CreationTime = 8,
    VesselType = 9,
    VesselName = 10,
    ProductNumber = 11,
    DrawingNumber = 12,
    VesselCategory = 13,
    ManufacturingNumber = 14,
    ProductionQuantity = 15,
    Customer = 16,
    DesignUnit = 17,
    DesignApprovalNumber = 18,
    ChiefQualityInspector = 19,
    ContractNumber = 20,
    StartDate = 21,
    FinishDate = 22,
    DesignPressureShell = 23,
    DesignPressureTube = 24,
    DesignTemperatureShell = 25,
    DesignTemperatureTube = 26,
    WorkingMediumShell = 27,
    WorkingMediumTube = 28,
    MaxWorkingPressureShell = 29,
    MaxWorkingPressureTube = 30,
    StructureForm = 31,
    HeatExchangeArea = 32,
    Volume = 33,
    InnerDiameter = 34,
    WallThickness = 35,
    OverallLength = 36,
    Weight = 37,
    PressureTestShell = 38,
    PressureTestTube = 39,
    AirTightnessTestShell = 40,
    LeakageTest = 41,
    PadWeldSealTestPressure = 42,
    NdtMethod = 43,
    NdtInstrument = 44,
    DrawingInspectionRatio = 45,
    MinimumInspectionRatio = 46,
    AddedNdtRatio = 47,
    DesignStandard = 48,
    ManufacturingStandard = 49,
    NdtStandard = 50,
    WeldLengthA = 51,
    WeldLengthB = 52,
    InspectedLengthA = 53,
    InspectedLengthB = 54,
    FirstHeadType = 55,
    FirstHeadMaterial = 56,
    FirstHeadInnerDiameter = 57,
    FirstHeadWallThickness = 58,
    SecondHeadType = 59,
    SecondHeadMaterial = 60,
    SecondHeadInnerDiameter = 61,
    SecondHeadWallThickness = 62,
    ShellCourseTypeSelection = 63,
};

constexpr int kSingleFieldCount = 63; // field 64 is the shell-course count

// Process-card section fields P1..P24; the standards selection list S1..S100
// sits between P10 and P11 in the record.
enum class ProcessField : int {
    InnerDiameter = 1,
    WallThickness = 2,
    OverallLength = 3,
    NetWeight = 4,
    MainMaterial = 5,
    Volume = 6,
    DesignPressure = 7,
    DesignTemperature = 8,
    TestPressure = 9,
    WorkingMedium = 10,
    MainWeldNdtMethod = 11,
    MainWeldNdtRatio = 12,
    MainWeldNdtStandard = 13,
    MainWeldAcceptance = 14,
    CorrosionAllowance = 15,
    WeldFactorShell = 16,
    WeldFactorHeads = 17,
    Remarks = 18,
    HeatTreatment = 19,
    ExternalForm = 20,
    MinorWeldNdtMethod = 21,
    MinorWeldNdtRatio = 22,
    MinorWeldNdtStandard = 23,
    MinorWeldAcceptance = 24,
};

constexpr int kProcessFieldCount = 24;
constexpr int kStandardsSelectionSize = 100;

enum class TableId : int {
    ShellCourses,
    Nozzles,
    Plates,
    Parts,
    Welds,
    WeldingCards,
    CardConsumables,
    CardParameters,
    Qualifications,
};

constexpr int kTableCount = 9;

struct TableSpec {
    TableId id;
    const char *jsonKey;
    int capacity;
    int columns;
};

const std::array<TableSpec, kTableCount> &allTableSpecs();

// Column positions used by the generators.
namespace ShellCourseColumn { enum { Number, Type, Height, Thickness, Diameter, Material }; }
namespace NozzleColumn {
enum { Number, Name, OpeningType, NominalDiameter, Location, Azimuth, Elevation, WeldNumber,
       PipeSize, OutsideDiameter, Thickness, Length, ReinforcementSize, ReinforcementNote };
}
namespace PlateColumn { enum { Number, Material, HeatNumber, Length, Width, Thickness, Quantity }; }
namespace PartColumn {
enum { Number, Name, Category, Specification, Material, StandardNumber, Unit, Quantity, Weight,
       Nature, DocumentNumber, WorkpieceNumber, TechnicalRequirements };
}

// A fixed-capacity table of texts preceded by its row count text. The count
// is kept exactly as stored (it may be empty or not numeric); rowCount()
// is its leading-integer value, 0 when that is 0 or less, and never more
// than the capacity.
class Table {
public:
    explicit Table(const TableSpec &spec);

    const TableSpec &spec() const { return *m_spec; }
    int capacity() const { return m_spec->capacity; }
    int columns() const { return m_spec->columns; }

    const std::string &countText() const { return m_count; }
    void setCountText(std::string text) { m_count = std::move(text); }
    int rowCount() const;

    const std::string &cell(int row, int column) const;
    void setCell(int row, int column, std::string text);

    // Rows 0..n-1 as stored; cells beyond the count are not included.
    std::vector<std::vector<std::string>> rows() const;
    // Copy-back of a whole list: cells of rows 0..n-1, then the count as
    // decimal text. Rows beyond the new count keep their (stale) cells.
    // Rows beyond the capacity are not accepted; returns false then.
    bool assignRows(const std::vector<std::vector<std::string>> &rows);

private:
    const TableSpec *m_spec;
    std::string m_count;
    // Rows up to the last one holding a text; cells beyond read as empty. A
    // record costs what it holds, not its tables' capacity (22,390 cells).
    std::vector<std::string> m_cells;
};

// The project record: 63 single fields, the nine tables (the shell-course
// count is field 64) and the process-card section. Owned by the document.
class ProjectRecord {
public:
    ProjectRecord();

    const std::string &field(Field f) const { return m_fields[static_cast<size_t>(f) - 1]; }
    std::string &field(Field f) { return m_fields[static_cast<size_t>(f) - 1]; }
    void setField(Field f, std::string text) { field(f) = std::move(text); }
    // By number 1..64 (64 = shell-course count); used by the JSON bridge.
    const std::string &fieldByNumber(int number) const;
    void setFieldByNumber(int number, std::string text);

    const std::string &process(ProcessField f) const { return m_process[static_cast<size_t>(f) - 1]; }
    std::string &process(ProcessField f) { return m_process[static_cast<size_t>(f) - 1]; }
    void setProcess(ProcessField f, std::string text) { process(f) = std::move(text); }

    // Standards selection list S1..S100, index 0..99.
    const std::string &standard(int index) const { return m_standards[static_cast<size_t>(index)]; }
    void setStandard(int index, std::string text) { m_standards[static_cast<size_t>(index)] = std::move(text); }

    Table &table(TableId id) { return m_tables[static_cast<size_t>(id)]; }
    const Table &table(TableId id) const { return m_tables[static_cast<size_t>(id)]; }

private:
    std::array<std::string, kSingleFieldCount> m_fields;
    std::array<std::string, kProcessFieldCount> m_process;
    std::array<std::string, kStandardsSelectionSize> m_standards;
    std::vector<Table> m_tables;
};

// Company information: application-wide, travels in every project file.
struct CompanyInfo {
    std::string name;    // GBK
    std::string licence; // GBK
    static CompanyInfo initial(); // "公司名称", "许可证编号"
    bool operator==(const CompanyInfo &) const = default;
};

} // namespace zelvan
