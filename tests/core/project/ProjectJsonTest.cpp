#include "RandomRecord.h"

#include "core/project/ProjectArchive.h"
#include "core/project/ProjectJson.h"
#include "core/project/TextCodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zelvan;

namespace {
QByteArray json(const ProjectRecord &record, const CompanyInfo &company)
{
    const std::string text = ProjectJson::toJson(record, company);
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QString refusal(const QByteArray &input)
{
    ProjectRecord record;
    record.setField(Field::ProjectName, "untouched");
    CompanyInfo company;
    QString error;
    EXPECT_FALSE(ProjectJson::fromJson(input, record, company, error));
    EXPECT_EQ(record.field(Field::ProjectName), "untouched");
    return error;
}
} // namespace

TEST(ProjectJson, RoundTripIsByteExact)
{
    std::mt19937 rng(99);
    for (int i = 0; i < 20; ++i) {
        const ProjectRecord record = test::randomRecord(rng, i % 5 == 0);
        const CompanyInfo company = test::randomCompany(rng);
        const std::string bytes = ProjectArchive::write(record, company);
        ProjectRecord back;
        CompanyInfo backCompany;
        QString error;
        ASSERT_TRUE(ProjectJson::fromJson(json(record, company), back, backCompany, error)) << error.toStdString();
        EXPECT_EQ(ProjectArchive::write(back, backCompany), bytes);
    }
}

TEST(ProjectJson, ShapeIsTheDocumentedOne)
{
    ProjectRecord record;
    record.setField(Field::VesselName, gbk("储罐"));
    record.table(TableId::Plates).assignRows({{"1", "16MnR", "H1", "6000", "1800", "12", "2"}});
    record.table(TableId::Nozzles).setCountText("abc");
    const QJsonObject root = QJsonDocument::fromJson(json(record, CompanyInfo::initial())).object();
    EXPECT_EQ(root["company"].toObject()["name"].toString(), QStringLiteral("公司名称"));
    EXPECT_EQ(root["fields"].toObject().size(), 63);
    EXPECT_EQ(root["fields"].toObject()["10"].toString(), QStringLiteral("储罐"));
    EXPECT_EQ(root["process_card"].toObject()["S"].toArray().size(), 100);
    EXPECT_TRUE(root["process_card"].toObject().contains("P24"));
    const QJsonObject tables = root["tables"].toObject();
    EXPECT_EQ(tables.size(), 9);
    EXPECT_EQ(tables["plates"].toObject()["count"].toString(), "1");
    EXPECT_EQ(tables["plates"].toObject()["rows"].toArray().at(0).toArray().size(), 7);
    EXPECT_EQ(tables["nozzles"].toObject()["count"].toString(), "abc");
    EXPECT_EQ(tables["shell_courses"].toObject()["count"].toString(), "");
    EXPECT_TRUE(tables.contains("qualifications"));
}

TEST(ProjectJson, RefusesBadInput)
{
    EXPECT_TRUE(refusal("{not json").startsWith("malformed"));
    EXPECT_FALSE(refusal("[1,2]").isEmpty());
    EXPECT_TRUE(refusal(R"({"tables": {"plates": {"count": "1", "rows": [["1","2"]]}}})").contains("7 texts"));
    EXPECT_TRUE(refusal(R"({"tables": {"plates": {"count": "1", "rows": []}}})").contains("announces 1"));
    EXPECT_TRUE(refusal(R"({"tables": {"plates": {"count": "0", "rows": [["1","2","3","4","5","6","7"]]}}})").contains("announces 0"));
    EXPECT_TRUE(refusal(R"({"tables": {"plates": {"count": "51", "rows": []}}})").contains("holds 50"));
    EXPECT_TRUE(refusal(R"({"fields": {"10": "罐😀"}})").contains("GBK"));
    EXPECT_TRUE(refusal(R"({"fields": {"64": "1"}})").contains("64"));
    EXPECT_TRUE(refusal(R"({"fields": {"3": 5}})").contains("not a text"));
}

TEST(ProjectJson, ControlCharactersSurviveTheRoundTrip)
{
    ProjectRecord record;
    record.setProcess(ProcessField::HeatTreatment, std::string("line1\r\nline2\t\"q\"\\\x01"));
    ProjectRecord back;
    CompanyInfo company;
    QString error;
    ASSERT_TRUE(ProjectJson::fromJson(json(record, CompanyInfo{}), back, company, error));
    EXPECT_EQ(back.process(ProcessField::HeatTreatment), record.process(ProcessField::HeatTreatment));
}
