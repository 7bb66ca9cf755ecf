// The one flow every export goes through: the order of checks and question,
// what is shown, when the busy cursor is up, and the result every caller
// reads.
#include "core/export/ExportFlow.h"

#include "support/RecordingPrompter.h"

#include <QCursor>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zelvan;
using zelvan::test::RecordingPrompter;

namespace {

bool busyCursorShown()
{
    return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

// Notes whether the busy cursor was up while a question was on screen.
class CursorWatchingPrompter : public RecordingPrompter {
public:
    bool askYesNo(const QString &title, const QString &text, Icon icon) override
    {
        cursorDuringQuestion = busyCursorShown();
        return RecordingPrompter::askYesNo(title, text, icon);
    }
    bool cursorDuringQuestion = false;
};

// An export scripted by the test: which check refuses, what generate writes.
class ScriptedExport : public Exporter {
public:
    std::optional<ExportRefusal> before;
    QString ask = QStringLiteral("即将导出为Word文件，是否继续？");
    std::optional<ExportRefusal> after;
    QStringList filesToWrite{QStringLiteral("a.doc")};
    QString failure;
    bool throwInGenerate = false;

    QStringList calls;
    bool cursorDuringGenerate = false;

    QString generatedFilesKind() const override { return QStringLiteral("7"); }
    std::optional<ExportRefusal> checkBeforeQuestion() override
    {
        calls << QStringLiteral("before");
        return before;
    }
    QString question() const override { return ask; }
    std::optional<ExportRefusal> checkAfterQuestion() override
    {
        calls << QStringLiteral("after");
        return after;
    }
    void generate(ExportRun &run) override
    {
        calls << QStringLiteral("generate");
        cursorDuringGenerate = busyCursorShown();
        if (throwInGenerate)
            throw std::runtime_error("generator fault");
        for (const QString &name : filesToWrite)
            run.written({QStringLiteral("/out/"), name});
        if (!failure.isEmpty())
            run.failed(failure);
    }
};

} // namespace

TEST(ExportFlow, ARefusalBeforeTheQuestionIsShownAndNothingElseHappens)
{
    CursorWatchingPrompter prompter;
    ScriptedExport exporter;
    exporter.before = ExportRefusal::information(QStringLiteral("导出Word前请先保存项目！"));
    prompter.expectMessage(QStringLiteral("导出Word前请先保存项目！"));
    const ExportResult result = ExportFlow::run(exporter, prompter);

    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    EXPECT_EQ(result.message, QStringLiteral("导出Word前请先保存项目！"));
    EXPECT_TRUE(result.files.isEmpty());
    EXPECT_EQ(exporter.calls, QStringList{QStringLiteral("before")});
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Entry::Message);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Information);
}

TEST(ExportFlow, AnErrorRefusalKeepsItsTitleAndIcon)
{
    RecordingPrompter prompter;
    ScriptedExport exporter;
    exporter.ask.clear();
    exporter.after = ExportRefusal::error(QStringLiteral("容器型式错误！"), Prompter::Icon::Question);
    prompter.expectMessage(QStringLiteral("容器型式错误！"));
    const ExportResult result = ExportFlow::run(exporter, prompter);

    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    EXPECT_EQ(exporter.calls, (QStringList{QStringLiteral("before"), QStringLiteral("after")}));
    ASSERT_EQ(prompter.entries.size(), 1) << "an export without a question asks none";
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("容器型式错误！"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
}

TEST(ExportFlow, NoToTheQuestionWritesNothingAndSaysNothingMore)
{
    CursorWatchingPrompter prompter;
    prompter.answerNo();
    ScriptedExport exporter;
    const ExportResult result = ExportFlow::run(exporter, prompter);

    EXPECT_EQ(result.status, ExportResult::Status::Refused);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_EQ(exporter.calls, QStringList{QStringLiteral("before")});
    ASSERT_EQ(prompter.entries.size(), 1);
    EXPECT_EQ(prompter.entries[0].kind, RecordingPrompter::Entry::YesNo);
    EXPECT_EQ(prompter.entries[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompter.entries[0].text, QStringLiteral("即将导出为Word文件，是否继续？"));
    EXPECT_EQ(prompter.entries[0].icon, Prompter::Icon::Question);
}

TEST(ExportFlow, YesRunsTheLaterChecksThenGeneratesUnderTheBusyCursorOnly)
{
    CursorWatchingPrompter prompter;
    prompter.answerYes();
    ScriptedExport exporter;
    exporter.filesToWrite = {QStringLiteral("a.doc"), QStringLiteral("b.doc")};
    const ExportResult result = ExportFlow::run(exporter, prompter);

    EXPECT_EQ(result.status, ExportResult::Status::Written);
    EXPECT_TRUE(result.written());
    EXPECT_EQ(exporter.calls, (QStringList{QStringLiteral("before"), QStringLiteral("after"), QStringLiteral("generate")}));
    EXPECT_FALSE(prompter.cursorDuringQuestion) << "the busy cursor must not cover the question";
    EXPECT_TRUE(exporter.cursorDuringGenerate);
    EXPECT_FALSE(busyCursorShown()) << "restored afterwards";
    EXPECT_EQ(result.files.kind, QStringLiteral("7"));
    ASSERT_EQ(result.files.entries.size(), 2);
    EXPECT_EQ(result.files.entries[1].path(), QStringLiteral("/out/b.doc"));
}

TEST(ExportFlow, AFailedFileEndsFailedAndKeepsWhatWasWritten)
{
    RecordingPrompter prompter;
    prompter.answerYes();
    ScriptedExport exporter;
    exporter.failure = QStringLiteral("保存文档失败。");
    prompter.expectMessage(QStringLiteral("保存文档失败。"));
    const ExportResult result = ExportFlow::run(exporter, prompter);

    EXPECT_EQ(result.status, ExportResult::Status::Failed);
    EXPECT_EQ(result.message, QStringLiteral("保存文档失败。"));
    EXPECT_EQ(result.files.entries.size(), 1);
    ASSERT_EQ(prompter.entries.size(), 2);
    EXPECT_EQ(prompter.entries[1].title, QStringLiteral("错误"));
    EXPECT_EQ(prompter.entries[1].icon, Prompter::Icon::Error);
}

TEST(ExportFlow, NothingWrittenIsNeverReportedAsWritten)
{
    RecordingPrompter prompter;
    prompter.answerYes();
    ScriptedExport exporter;
    exporter.filesToWrite.clear();
    EXPECT_EQ(ExportFlow::run(exporter, prompter).status, ExportResult::Status::Failed);
}

TEST(ExportFlow, TheBusyCursorIsRestoredWhenTheGeneratorThrows)
{
    RecordingPrompter prompter;
    prompter.answerYes();
    ScriptedExport exporter;
    exporter.throwInGenerate = true;
    EXPECT_THROW(ExportFlow::run(exporter, prompter), std::runtime_error);
    EXPECT_TRUE(exporter.cursorDuringGenerate);
    EXPECT_FALSE(busyCursorShown());
}
