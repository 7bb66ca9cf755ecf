#include "ProcessFixture.h"
#include "support/RecordingPrompter.h"

#include "core/documents/ProcessFileGenerator.h"
#include "core/documents/ProcessFileInputs.h"
#include "core/documents/TechnicalCharacteristicsTable.h"
#include "core/word/WordDocument.h"
#include "core/word/WordError.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::ProcessProgramDirectory;
using zelvan::test::RecordingPrompter;

namespace {

const QString kFull = QStringLiteral("P1-储罐-产品工艺文件.doc");
const QString kShell = QStringLiteral("P1-储罐-产品工艺文件-筒体部分.doc");

struct GeneratorFixture : ::testing::Test {
    ProcessProgramDirectory program;
    QTemporaryDir projectDir;
    ProjectRecord record = test::processProject(projectDir.path() + QLatin1Char('/'));
    CompanyInfo company{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};
    RecordingPrompter prompter;

    ExportResult run()
    {
        ProcessFileGenerator generator(record, company, prompter);
        return generator.run();
    }
    QStringList filesWritten() const { return QDir(projectDir.path()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST_F(GeneratorFixture, AProjectNeverSavedIsRefusedBeforeAnyCheckOrQuestion)
{
    record.setField(Field::ProjectDirectory, "");
    record.setProcess(ProcessField::ExternalForm, "");
    for (int i = 0; i < kStandardsSelectionSize; ++i)
        record.setStandard(i, "");
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    const auto result = run();
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Entry::Message);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("导出Word前请先保存项目！"));
    EXPECT_TRUE(prompter.progressTexts.isEmpty());
}

TEST_F(GeneratorFixture, WithoutExternalFormThenWithoutStandardTheRunIsRefused)
{
    record.setProcess(ProcessField::ExternalForm, gbk("不在列表中"));
    for (int i = 0; i < kStandardsSelectionSize; ++i)
        record.setStandard(i, "");
    prompter.expectMessage(QStringLiteral("请选择一种容器外设形式！"));
    run();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("请选择一种容器外设形式！")});

    prompter.clear();
    record.setProcess(ProcessField::ExternalForm, gbk("鞍座式"));
    prompter.expectMessage(QStringLiteral("请选择所需的标准和规范！"));
    run();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("请选择所需的标准和规范！")});
    EXPECT_TRUE(filesWritten().isEmpty());
}

TEST_F(GeneratorFixture, AStandardBeyondTheListIsNotAStandard)
{
    for (int i = 0; i < kStandardsSelectionSize; ++i)
        record.setStandard(i, "");
    record.setStandard(50, "50"); // the list has three lines
    prompter.expectMessage(QStringLiteral("请选择所需的标准和规范！"));
    run();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("请选择所需的标准和规范！")});
}

TEST_F(GeneratorFixture, AnUnsafeNameIsRefusedBeforeAnythingIsWritten)
{
    record.setField(Field::VesselName, gbk("../储罐"));
    prompter.expectMessage(QStringLiteral("容器名称中含有不能用于文件名的字符“/”，无法生成文件！"));
    const auto result = run();
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_TRUE(filesWritten().isEmpty());
    // Nothing named after the vessel landed beside the project's folder.
    EXPECT_TRUE(QDir(projectDir.path() + "/..").entryList({QStringLiteral("*储罐*")}, QDir::Files).isEmpty());
}

TEST_F(GeneratorFixture, AnsweringNoWritesNothing)
{
    prompter.answerNo();
    const auto result = run();
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Entry::YesNo);
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("即将导出为Word文件，是否继续？"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_TRUE(filesWritten().isEmpty());
    EXPECT_TRUE(prompter.progressTexts.isEmpty());
}

TEST_F(GeneratorFixture, BothFilesAreWrittenWithTheirProgressTexts)
{
    prompter.answerYes();
    const auto result = run();
    EXPECT_NE(result.status, ExportResult::Status::Refused);
    EXPECT_EQ(result.files.entries.size(), 2);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("即将导出为Word文件，是否继续？")});
    EXPECT_EQ(prompter.progressTexts,
              (QStringList{QStringLiteral("正在生成封面......"), QStringLiteral("正在生成容器技术特性表......"),
                           QStringLiteral("正在生成容器生产过程卡(封头)......"),
                           QStringLiteral("正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"),
                           QStringLiteral("正在生成容器生产过程卡(附件预制)......"), QStringLiteral("正在生成容器生产过程卡(总装)......"),
                           QStringLiteral("正在生成容器生产过程卡(试压、油漆、入库)......"), QStringLiteral("正在保存文档......"), QString(),
                           QStringLiteral("正在生成封面......"), QStringLiteral("正在生成容器生产过程卡(筒体)......"),
                           QStringLiteral("正在保存文档......"), QString()}));
    EXPECT_EQ(filesWritten(), (QStringList{kShell, kFull}));
    EXPECT_EQ(result.files.kind, QStringLiteral("2"));
    ASSERT_EQ(result.files.entries.size(), 2);
    EXPECT_EQ(result.files.entries[0].fileName, kFull);
    EXPECT_EQ(result.files.entries[1].fileName, kShell);
    EXPECT_EQ(result.files.entries[0].directory, projectDir.path() + QLatin1Char('/'));
}

TEST_F(GeneratorFixture, AnOutputDirectoryReplacesTheProjectDirectory)
{
    prompter.answerYes();
    QTemporaryDir other;
    ProcessFileGenerator generator(record, company, prompter);
    generator.setOutputDirectory(other.path());
    const auto result = generator.run();
    EXPECT_EQ(result.files.entries.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(other.path() + QLatin1Char('/') + kFull));
    EXPECT_TRUE(filesWritten().isEmpty());
}

TEST_F(GeneratorFixture, AMissingProcessDiagramEndsTheFullFileWithItsMessage)
{
    prompter.answerYes();
    program.remove(QStringLiteral("工序图/工序图-鞍座式.JPG"));
    prompter.expectMessage(QStringLiteral("插入图片失败，文件不存在：") + program.path() + QStringLiteral("工序图/工序图-鞍座式.JPG"));
    const auto result = run();
    ASSERT_EQ(prompter.entries.size(), 2);
    EXPECT_EQ(prompter.entries[1].title, QStringLiteral("错误"));
    // The full file is not saved; the shell part is still written and is
    // the only file listed.
    EXPECT_EQ(filesWritten(), QStringList{kShell});
    ASSERT_EQ(result.files.entries.size(), 1);
    EXPECT_EQ(result.files.entries[0].fileName, kShell);
    EXPECT_EQ(prompter.progressTexts.mid(0, 3),
              (QStringList{QStringLiteral("正在生成封面......"), QStringLiteral("正在生成容器技术特性表......"), QString()}));
}

TEST_F(GeneratorFixture, ATestPressureThatIsNoPositiveNumberIsRefusedBeforeTheQuestion)
{
    for (const char *pressure : {"", "abc", "0"}) {
        prompter.clear();
        record.setProcess(ProcessField::TestPressure, pressure);
        prompter.expectMessage(QStringLiteral("请输入大于0的强度试验压力！"));
        const auto result = run();
        EXPECT_EQ(result.status, ExportResult::Status::Refused) << pressure;
        ASSERT_EQ(prompter.entries.size(), 1) << pressure;
        EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Entry::Message);
        EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
        EXPECT_EQ(prompter.entries[0].text, QStringLiteral("请输入大于0的强度试验压力！"));
        EXPECT_TRUE(prompter.progressTexts.isEmpty());
    }
    EXPECT_TRUE(filesWritten().isEmpty());

    // A pressure below 1 MPa is a pressure.
    prompter.clear();
    prompter.answerYes();
    record.setProcess(ProcessField::TestPressure, "0.8");
    EXPECT_EQ(run().files.entries.size(), 2);
}

TEST_F(GeneratorFixture, AMissingAssemblyPictureKeepsThePreviousFullFileAndStillWritesTheShellPart)
{
    QFile previous(projectDir.path() + QLatin1Char('/') + kFull);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous process file");
    previous.close();
    program.remove(QStringLiteral("pics/总装.JPG"));

    prompter.answerYes();
    prompter.expectMessage(QStringLiteral("插入图片失败，文件不存在：") + program.path() + QStringLiteral("pics/总装.JPG"));
    const auto result = run();
    ASSERT_EQ(prompter.entries.size(), 2);
    EXPECT_EQ(prompter.entries[1].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.progressTexts.mid(0, 7),
              (QStringList{QStringLiteral("正在生成封面......"), QStringLiteral("正在生成容器技术特性表......"),
                           QStringLiteral("正在生成容器生产过程卡(封头)......"),
                           QStringLiteral("正在生成容器生产过程卡(接管法兰预制及补强圈预制)......"),
                           QStringLiteral("正在生成容器生产过程卡(附件预制)......"), QStringLiteral("正在生成容器生产过程卡(总装)......"),
                           QString()}));
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), QByteArray("previous process file"));
    EXPECT_EQ(filesWritten(), (QStringList{kShell, kFull}));
    ASSERT_EQ(result.files.entries.size(), 1);
    EXPECT_EQ(result.files.entries[0].fileName, kShell);
}

TEST_F(GeneratorFixture, WhenTheLayerCannotStartNoFileIsWritten)
{
    prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
    prompter.expectMessages({QStringLiteral("CreateDispatch failed."), QStringLiteral("CreateDispatch failed.")});
    WordDocument::setStartFailureForTesting(true);

    const auto result = run();
    WordDocument::setStartFailureForTesting(false);
    EXPECT_EQ(prompter.texts(), (QStringList{QStringLiteral("即将导出为Word文件，是否继续？"), QStringLiteral("CreateDispatch failed."),
                                             QStringLiteral("CreateDispatch failed.")}));
    EXPECT_EQ(result.files.entries.size(), 0);
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_TRUE(filesWritten().isEmpty());
}

namespace {

struct TableFixture : ::testing::Test {
    ProcessProgramDirectory program;
    ProjectRecord record = test::processProject(QStringLiteral("/tmp/"));
    CompanyInfo company = CompanyInfo::initial();
    RecordingPrompter prompter;

    WordTable write(const QStringList &standards)
    {
        auto document = WordDocument::start();
        ProcessFileInputs inputs(record, company, program.path(), standards, prompter);
        TechnicalCharacteristicsTable::write(*document, inputs);
        for (const WordBlock &block : document->model().body.blocks)
            if (const auto *table = std::get_if<WordTable>(&block)) {
                // The diagram is inserted under its title after the table.
                const auto &blocks = document->model().body.blocks;
                const auto &title = std::get<WordParagraph>(blocks.at(blocks.size() - 5));
                const auto &picture = std::get<WordParagraph>(blocks.at(blocks.size() - 4));
                EXPECT_EQ(title.text(), QStringLiteral("产品制作工序"));
                EXPECT_EQ(title.alignment, WordAlignment::Centre);
                // Both titles stay on the page of what they introduce.
                EXPECT_TRUE(title.keepWithNext);
                EXPECT_TRUE(std::get<WordParagraph>(blocks.at(0)).keepWithNext);
                EXPECT_EQ(std::get<WordParagraph>(blocks.at(0)).text(), QStringLiteral("压力容器技术特性"));
                EXPECT_EQ(picture.runs.size(), 1u);
                EXPECT_TRUE(!picture.runs.empty() && picture.runs[0].isPicture());
                return *table;
            }
        ADD_FAILURE() << "no table";
        return {};
    }
};

QStringList rowTexts(const WordRow &row)
{
    QStringList texts;
    for (const WordCell &cell : row.cells)
        texts.append(cell.text());
    return texts;
}

} // namespace

TEST_F(TableFixture, ThirteenRowsWithMergedStandardsDesignUnitAndRemarks)
{
    const WordTable table = write({QStringLiteral("GB150-1998钢制压力容器"), QStringLiteral("HG20584-1998")});
    ASSERT_EQ(table.rows.size(), 13u);
    EXPECT_EQ(table.gridColumns, 4);
    EXPECT_EQ(rowTexts(table.rows[0]), (QStringList{"容器名称", "储罐", "产品编号", "CP-2026-07"}));
    EXPECT_EQ(rowTexts(table.rows[2]), (QStringList{"外形型式", "卧  式", "外形尺寸", "φ1000*4000*10"}));
    EXPECT_EQ(rowTexts(table.rows[3]), (QStringList{"封头型式", "椭圆封头", "主体材质", "16MnR"}));
    EXPECT_EQ(rowTexts(table.rows[4]), (QStringList{"容器容积", "3.5m3", "净    重", "1500Kg"}));
    EXPECT_EQ(rowTexts(table.rows[5]), (QStringList{"设计压力", "1.6MPa", "设计温度", "50℃"}));
    EXPECT_EQ(rowTexts(table.rows[6]), (QStringList{"强度试验压力", "2.0MPa", "工作介质", "液化气"}));
    // Each standard followed by a paragraph mark.
    EXPECT_EQ(rowTexts(table.rows[7]), (QStringList{"制造标准及规范", "GB150-1998钢制压力容器\nHG20584-1998\n"}));
    EXPECT_EQ(table.rows[7].cells[1].span, 3);
    EXPECT_EQ(rowTexts(table.rows[8]), (QStringList{"探伤方法", "RT", "探伤比例", "A，B类焊缝20%"}));
    EXPECT_EQ(rowTexts(table.rows[9]), (QStringList{"合格级别", "III级合格", "检验标准", "JB/T4730-2005"}));
    EXPECT_EQ(rowTexts(table.rows[10]), (QStringList{"腐蚀裕度", "1mm", "焊缝系数", "筒体0.85，封头1.0"}));
    EXPECT_EQ(rowTexts(table.rows[11]), (QStringList{"设计单位", "岳川设计院"}));
    EXPECT_EQ(table.rows[11].cells[1].span, 3);
    EXPECT_EQ(rowTexts(table.rows[12]), (QStringList{"附    注", "按图施工"}));
    EXPECT_EQ(table.rows[12].cells[1].span, 3);
    // The sheet is never split over a page: each row is kept with the next,
    // the last one free.
    for (size_t r = 0; r + 1 < table.rows.size(); ++r)
        for (const WordCell &cell : table.rows[r].cells)
            for (const WordParagraph &p : cell.paragraphs)
                EXPECT_TRUE(p.keepWithNext) << r;
    for (const WordParagraph &p : table.rows[12].cells[1].paragraphs)
        EXPECT_FALSE(p.keepWithNext);
}

TEST_F(TableFixture, TheVesselFormFollowsTheVesselType)
{
    record.setField(Field::VesselType, "0");
    EXPECT_EQ(write({"x"}).rows[2].cells[1].text(), QStringLiteral("立  式"));
    record.setField(Field::VesselType, "2");
    EXPECT_EQ(write({"x"}).rows[2].cells[1].text(), QStringLiteral("未  知"));
    record.setField(Field::VesselType, "");
    EXPECT_EQ(write({"x"}).rows[2].cells[1].text(), QStringLiteral("未  知"));
}

TEST(ProcessDerivedTexts, MethodNamesAndAcceptance)
{
    EXPECT_EQ(ProcessFileInputs::testingMethodName("RT"), QStringLiteral("射线探伤"));
    EXPECT_EQ(ProcessFileInputs::testingMethodName("MT"), QStringLiteral("磁粉探伤"));
    EXPECT_EQ(ProcessFileInputs::testingMethodName("UT"), QStringLiteral("超声探伤"));
    EXPECT_EQ(ProcessFileInputs::testingMethodName("PT"), QStringLiteral("渗透探伤"));
    EXPECT_EQ(ProcessFileInputs::testingMethodName(""), QString());
    EXPECT_EQ(ProcessFileInputs::acceptanceText(gbk("II级")), QStringLiteral("II级合格"));
}
