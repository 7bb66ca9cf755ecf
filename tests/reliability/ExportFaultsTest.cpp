// The layout drawing and the product process file under real faults: a
// full disk, a read-only folder, a directory in place of the output file, a
// picture gone from the program directory. Each run ends with one clear
// message, the document already there stays as it was, and no partial file
// or temporary is left in the folder.
#include "FaultFolder.h"

#include "core/documents/ProcessFixture.h"
#include "core/drawing/LayoutSamples.h"
#include "support/RecordingPrompter.h"

#include "core/documents/ProcessFileGenerator.h"
#include "core/drawing/LayoutGenerator.h"
#include "core/drawing/LayoutMessages.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace zelvan;
using zelvan::test::FaultFolder;
using zelvan::test::kMountNeedsRoot;
using zelvan::test::readBytes;
using zelvan::test::RecordingPrompter;
using zelvan::test::writeBytes;

namespace {

const CompanyInfo kCompany{gbk("岳川压力容器厂"), gbk("TS2210000-2026")};
const QByteArray kPrevious("the drawing or document from the last run");
const QString kDrawingFailed = QStringLiteral("DXF文件生成错误！\n可能原因:无法加载CadIO.dll文件;\n排版图文件已打开");

QString cadio() { return qEnvironmentVariable("ZELVAN_BIN_DIR") + QStringLiteral("/CadIO"); }

struct LayoutFaults : ::testing::Test {
    FaultFolder folder;
    LayoutInputs inputs = test::verticalSample();
    RecordingPrompter prompter;
    QString drawingName() const { return QString::fromUtf8("项目-储罐-排版图.dxf"); }
    QString drawing() const { return folder.file(drawingName()); }

    ExportResult run() { return LayoutGenerator::generate(inputs, kCompany, prompter, folder.path(), cadio()); }

    // Runs the generator expecting its one error message, and checks that
    // the folder is exactly as it was.
    void expectFailedAndUntouched(const std::map<std::string, std::string> &before)
    {
        prompter.expectMessage(kDrawingFailed);
        const ExportResult result = run();
        EXPECT_EQ(result.status, ExportResult::Status::Failed);
        ASSERT_EQ(prompter.entries.size(), 1);
        EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
        EXPECT_TRUE(result.files.entries.isEmpty());
        EXPECT_EQ(folder.snapshot(), before);
    }
};

} // namespace

TEST_F(LayoutFaults, TheSampleDrawsWhenNothingGoesWrong)
{
    ASSERT_TRUE(writeBytes(drawing(), kPrevious));
    const auto result = run();
    ASSERT_EQ(result.status, ExportResult::Status::Written);
    const QByteArray dxf = readBytes(drawing());
    // A DXF file: group code 0 right-aligned in three places, CR LF line
    // ends, the header section first and the end-of-file marker last.
    EXPECT_TRUE(dxf.startsWith("  0\r\nSECTION\r\n  2\r\nHEADER\r\n")) << dxf.left(40).toStdString();
    EXPECT_TRUE(dxf.endsWith("  0\r\nEOF\r\n")) << dxf.right(20).toStdString();

    EXPECT_EQ(folder.snapshot().size(), 1u); // the drawing, no temporary
}

TEST_F(LayoutFaults, AFullDiskKeepsThePreviousDrawing)
{
    ASSERT_TRUE(folder.mountTmpfs(64)) << kMountNeedsRoot;
    ASSERT_TRUE(writeBytes(drawing(), kPrevious));
    folder.fillUp();
    const auto before = folder.snapshot();
    expectFailedAndUntouched(before);
}

TEST_F(LayoutFaults, AReadOnlyFolderKeepsThePreviousDrawing)
{
    ASSERT_TRUE(folder.mountTmpfs(256)) << kMountNeedsRoot;
    ASSERT_TRUE(writeBytes(drawing(), kPrevious));
    ASSERT_TRUE(folder.remountReadOnly());
    const auto before = folder.snapshot();
    expectFailedAndUntouched(before);
}

TEST_F(LayoutFaults, ADirectoryOfTheDrawingsNameIsLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(drawing()));
    ASSERT_TRUE(writeBytes(drawing() + QStringLiteral("/inside.txt"), "kept"));
    const auto before = folder.snapshot();
    expectFailedAndUntouched(before);
    EXPECT_EQ(readBytes(drawing() + QStringLiteral("/inside.txt")), "kept");
}

TEST_F(LayoutFaults, AnOutputFolderThatIsGoneCreatesNothing)
{
    const QString gone = folder.file(QStringLiteral("gone"));
    prompter.expectMessage(kDrawingFailed);
    const auto result = LayoutGenerator::generate(inputs, kCompany, prompter, gone, cadio());
    EXPECT_EQ(result.status, ExportResult::Status::Failed);
    EXPECT_EQ(prompter.entries.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(gone));
}

// A vessel type other than vertical or horizontal stops the run after the
// tables. The run reports it as an error, so the drawing already on disk
// must survive: replacing it with a file holding only the tables throws
// away the last good drawing, so the vessel type is checked before the
// file is created.
TEST_F(LayoutFaults, AWrongVesselTypeKeepsThePreviousDrawing)
{
    ASSERT_TRUE(writeBytes(drawing(), kPrevious));
    const auto before = folder.snapshot();
    inputs.vesselType = std::nullopt;
    prompter.expectMessage(QStringLiteral("容器型式错误！"));
    const auto result = run();
    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(folder.snapshot(), before);
}

namespace {

const QString kFull = QString::fromUtf8("P1-储罐-产品工艺文件.doc");
const QString kShell = QString::fromUtf8("P1-储罐-产品工艺文件-筒体部分.doc");

struct WordFaults : ::testing::Test {
    test::ProcessProgramDirectory program;
    FaultFolder folder;
    ProjectRecord record = test::processProject(folder.path() + QLatin1Char('/'));
    RecordingPrompter prompter;

    // Runs the generator; `errors` are the messages it must show, in order.
    ExportResult run(const QStringList &errors = {})
    {
        prompter.answerYes(QStringLiteral("即将导出为Word文件，是否继续？"));
        prompter.expectMessages(errors);
        ProcessFileGenerator generator(record, kCompany, prompter);
        return generator.run();
    }
    void writePrevious()
    {
        ASSERT_TRUE(writeBytes(folder.file(kFull), kPrevious));
        ASSERT_TRUE(writeBytes(folder.file(kShell), kPrevious));
    }
    QStringList errors() const
    {
        QStringList out;
        for (const auto &e : prompter.entries)
            if (e.title == QStringLiteral("错误"))
                out << e.text;
        return out;
    }
};

} // namespace

TEST_F(WordFaults, BothFilesAreWrittenWhenNothingGoesWrong)
{
    writePrevious();
    const auto result = run();
    EXPECT_EQ(result.files.entries.size(), 2);
    EXPECT_TRUE(readBytes(folder.file(kFull)).startsWith("PK"));
    EXPECT_TRUE(readBytes(folder.file(kShell)).startsWith("PK"));
    EXPECT_EQ(folder.snapshot().size(), 2u);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(WordFaults, APictureMissingMidExportKeepsThePreviousDocument)
{
    writePrevious();
    const QString diagram = program.path() + QStringLiteral("工序图/工序图-鞍座式.JPG");
    program.remove(QStringLiteral("工序图/工序图-鞍座式.JPG"));
    const auto result = run({QStringLiteral("插入图片失败，文件不存在：%1").arg(diagram)});
    // The shell part does not need the diagram and is written.
    ASSERT_EQ(result.files.entries.size(), 1);
    EXPECT_EQ(result.files.entries[0].fileName, kShell);
    EXPECT_TRUE(readBytes(folder.file(kShell)).startsWith("PK"));
    // The file that needed the picture is the one from the last run.
    EXPECT_EQ(readBytes(folder.file(kFull)), kPrevious);
    for (const auto &entry : result.files.entries)
        EXPECT_NE(entry.fileName, kFull);
    // Only the two documents are in the folder: nothing half-written.
    EXPECT_EQ(folder.snapshot().size(), 2u);
    ASSERT_FALSE(prompter.progressTexts.isEmpty());
    EXPECT_EQ(prompter.progressTexts.last(), QString()); // the progress field is cleared at the end
}

// A document smaller than the write buffer reaches the disk only when it is
// flushed; a failed flush must not rename an empty file over the previous
// document and report it written.
TEST_F(WordFaults, AFullDiskKeepsBothPreviousDocuments)
{
    ASSERT_TRUE(folder.mountTmpfs(64)) << kMountNeedsRoot;
    writePrevious();
    folder.fillUp();
    const auto before = folder.snapshot();
    const auto result = run({QStringLiteral("保存文档失败。"), QStringLiteral("保存文档失败。")});
    EXPECT_EQ(result.files.entries.size(), 0);
    EXPECT_TRUE(result.files.entries.isEmpty());
    EXPECT_EQ(errors(), QStringList({QStringLiteral("保存文档失败。"), QStringLiteral("保存文档失败。")}));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(WordFaults, AReadOnlyFolderKeepsBothPreviousDocuments)
{
    ASSERT_TRUE(folder.mountTmpfs(256)) << kMountNeedsRoot;
    writePrevious();
    ASSERT_TRUE(folder.remountReadOnly());
    const auto before = folder.snapshot();
    const auto result = run({QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kFull)),
                             QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kShell))});
    EXPECT_EQ(result.files.entries.size(), 0);
    EXPECT_EQ(errors(), QStringList({QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kFull)),
                                     QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kShell))}));
    EXPECT_EQ(folder.snapshot(), before);
}

TEST_F(WordFaults, ADirectoryOfTheDocumentsNameIsLeftAlone)
{
    ASSERT_TRUE(QDir().mkpath(folder.file(kFull)));
    const auto result = run({QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kFull))});

    EXPECT_EQ(result.files.entries.size(), 1);
    EXPECT_EQ(errors(), QStringList({QStringLiteral("对 %1 的存取被拒绝。").arg(folder.file(kFull))}));
    EXPECT_TRUE(QFileInfo(folder.file(kFull)).isDir());
    EXPECT_TRUE(readBytes(folder.file(kShell)).startsWith("PK"));
    EXPECT_EQ(folder.snapshot().size(), 2u);
}
