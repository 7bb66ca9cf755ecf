#include "BenchProject.h"

#include "core/project/ProjectJson.h"
#include "core/project/TextCodec.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zelvan::bench {

namespace {

ProjectRecord sample(CompanyInfo &company)
{
    static const QByteArray json = [] {
        QFile file(QStringLiteral(ZELVAN_SOURCE_DIR "/samples/vertical-storage-tank.json"));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read the vertical sample project\n");
            std::exit(2);
        }
        return file.readAll();
    }();
    ProjectRecord record;
    QString error;
    if (!ProjectJson::fromJson(json, record, company, error)) {
        std::fprintf(stderr, "sample project refused: %s\n", error.toUtf8().constData());
        std::exit(2);
    }
    return record;
}

std::string numbered(const char *format, int n)
{
    char text[32];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

// Grows a table to n rows by repeating the sample's rows; `edit` gives each
// new row its own numbers.
template<typename Edit>
void grow(ProjectRecord &record, TableId id, int n, Edit edit)
{
    Table &table = record.table(id);
    const std::vector<std::vector<std::string>> base = table.rows();
    std::vector<std::vector<std::string>> rows;
    n = std::min(n, table.capacity());
    for (int i = 0; i < n; ++i) {
        std::vector<std::string> row = base[static_cast<size_t>(i) % base.size()];
        edit(i, row);
        rows.push_back(std::move(row));
    }
    table.assignRows(rows);
}

// A realistic long text: a full paragraph of technical requirements.
std::string longText()
{
    return gbk("下料前核对材质标记及炉批号，按排版图移植标记；坡口加工后清除表面氧化皮、油污，"
               "焊前预热按焊接工艺卡执行，层间温度不低于预热温度；焊后外观检查合格后方可进行无损检测，"
               "返修不得超过两次，返修部位重新检测并记录。");
}

} // namespace

CompanyInfo benchCompany()
{
    CompanyInfo company;
    sample(company);
    return company;
}

int capacityOf(TableId id)
{
    for (const TableSpec &spec : allTableSpecs())
        if (spec.id == id)
            return spec.capacity;
    return 0;
}

ProjectRecord scaledProject(int rows, const QString &directory, int cards)
{
    CompanyInfo company;
    ProjectRecord r = sample(company);
    if (cards < 0)
        cards = rows;
    cards = std::min(cards, capacityOf(TableId::WeldingCards));
    const std::string name = r.field(Field::ProjectName);
    r.setField(Field::ProjectDirectory, toGbk(directory));
    r.setField(Field::ProjectFilePath, toGbk(directory) + name + ".pcp");
    r.setField(Field::CreationTime, "2026-12-08 09:30:00");

    const int courses = std::min(rows, capacityOf(TableId::ShellCourses));
    const int shellLength = 1200 * courses;
    r.setProcess(ProcessField::Remarks, longText());
    grow(r, TableId::ShellCourses, courses, [](int i, std::vector<std::string> &row) {
        row[ShellCourseColumn::Number] = std::to_string(i + 1);
        row[ShellCourseColumn::Height] = "1200";
    });
    r.table(TableId::ShellCourses).setCountText(std::to_string(courses));
    static const char *const quadrants[] = {"一轴内", "二轴内", "三轴内", "四轴内"};
    grow(r, TableId::Nozzles, rows, [&](int i, std::vector<std::string> &row) {
        row[NozzleColumn::Number] = numbered("N%d", i + 1);
        row[NozzleColumn::WeldNumber] = numbered("D%d", i + 1);
        if (row[NozzleColumn::Location] == gbk("筒节段")) {
            row[NozzleColumn::Azimuth] = gbk(quadrants[i % 4]) + std::to_string(100 + (i * 37) % 700);
            row[NozzleColumn::Elevation] = std::to_string(300 + (i * 733) % std::max(1, shellLength - 600));
        }
    });
    grow(r, TableId::Plates, rows, [](int i, std::vector<std::string> &row) {
        row[PlateColumn::Number] = std::to_string(i + 1);
        row[PlateColumn::HeatNumber] = numbered("12A%03d", i + 1);
    });
    grow(r, TableId::Parts, rows, [](int i, std::vector<std::string> &row) {
        row[PartColumn::Number] = std::to_string(i + 1);
        row[PartColumn::WorkpieceNumber] = numbered("G%02d", i + 1);
        row[PartColumn::DocumentNumber] = numbered("ZP-%02d", i + 1);
        if (i % 2 == 0)
            row[PartColumn::TechnicalRequirements] = longText();
    });
    grow(r, TableId::Welds, rows, [](int i, std::vector<std::string> &row) {
        row[0] = row[0].substr(0, 1) + std::to_string(i + 1);
        if (i % 4 == 0)
            row[17] = longText();
    });
    const int qualifications = std::min(rows, capacityOf(TableId::Qualifications));
    grow(r, TableId::Qualifications, qualifications, [](int i, std::vector<std::string> &row) {
        row[0] = numbered("PQR-%03d", i + 1);
    });
    grow(r, TableId::WeldingCards, cards, [&](int i, std::vector<std::string> &row) {
        row[0] = numbered("WPS-%03d", i + 1);
        row[1] = numbered("PQR-%03d", i % std::max(1, qualifications) + 1);
        if (i % 3 == 0)
            row[10] = longText();
    });
    // Two consumable and two parameter rows per card while the tables hold
    // them, in the cards' order.
    const int consumables = std::min(2 * cards, capacityOf(TableId::CardConsumables));
    grow(r, TableId::CardConsumables, consumables, [&](int i, std::vector<std::string> &row) {
        row[0] = numbered("WPS-%03d", static_cast<int>(static_cast<long>(i) * cards / consumables) + 1);
    });
    const int parameters = std::min(2 * cards, capacityOf(TableId::CardParameters));
    grow(r, TableId::CardParameters, parameters, [&](int i, std::vector<std::string> &row) {
        row[0] = numbered("WPS-%03d", static_cast<int>(static_cast<long>(i) * cards / parameters) + 1);
    });
    return r;
}

} // namespace zelvan::bench
