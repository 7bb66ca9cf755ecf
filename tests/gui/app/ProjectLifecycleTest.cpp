// Saving, closing and reopening projects through the main frame: no edit
// is lost, saves go where the project was opened from, the menus stay sane.
#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"

#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/app/ProjectCommands.h"
#include "gui/pages/BasicInfoPage.h"
#include "gui/pages/CZelvanView.h"
#include "gui/pages/HeadPage.h"
#include "gui/pages/PageHost.h"
#include "gui/pages/ShellCoursePage.h"
#include "gui/pages/ProjectInfoPage.h"
#include "core/project/AppSettings.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectArchive.h"
#include "core/project/ProjectLifecycle.h"
#include "core/project/TextCodec.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;
using test::ScriptedFileDialogs;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Lifecycle : ::testing::Test {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    CZelvanApp app{settings, prompter, dialogs};

    void SetUp() override { ASSERT_TRUE(app.initInstance(false)); }
    void TearDown() override { EXPECT_EQ(prompter.pendingAnswers(), 0u) << "a scripted answer was never asked for"; }

    CMainFrame &frame() { return *app.mainFrame(); }

    CChildFrame *newProject(const QString &name)
    {
        auto doc = std::make_unique<CZelvanDoc>(app.company());
        ProjectLifecycle::NewProjectValues values;
        values.projectName = name;
        values.vesselName = QStringLiteral("储罐");
        values.productNumber = "C1";
        values.drawingNumber = "D1";
        values.createdAt = QDateTime(QDate(2026, 3, 5), QTime(8, 0));
        ProjectLifecycle::applyNewProject(doc->record(), values);
        doc->setTitle(name);
        return frame().addProjectWindow(std::move(doc));
    }

    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    QMenu *projectMenu() { return frame().menuBar()->actions().first()->menu(); }

    QStringList projectMenuTexts()
    {
        QStringList texts;
        for (QAction *a : projectMenu()->actions())
            texts.append(a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    }

    // A project file as another machine left it: field 1 and 2 name the
    // place it was last saved.
    QString writeProject(const QString &path, const std::string &storedPath, const std::string &vesselName)
    {
        ProjectRecord record;
        record.setField(Field::ProjectName, gbk("项目"));
        record.setField(Field::VesselName, vesselName);
        record.setField(Field::ProjectFilePath, storedPath);
        record.setField(Field::ProjectDirectory, storedPath.substr(0, storedPath.find_last_of("\\/") + 1));
        CompanyInfo company{gbk("某某容器厂"), "TS-1"};
        EXPECT_TRUE(ProjectFile::save(path, record, company).ok);
        return path;
    }

    std::string vesselNameIn(const QString &path)
    {
        CompanyInfo company = CompanyInfo::initial();
        CZelvanDoc doc(company);
        EXPECT_TRUE(doc.open(path).ok);
        return doc.record().field(Field::VesselName);
    }
};

} // namespace

// Create, fill, save, close, reopen, edit, close: every keystroke reaches the file.
TEST_F(Lifecycle, NoKeystrokeIsLostFromCreationToTheSecondClose)
{
    CChildFrame *child = newProject("P1");
    PageHost *host = child->view()->pageHost();
    host->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("储罐集团"));
    host->headPage()->firstDiameterEdit->setText("1600");
    child->view()->projectInfoPage()->projectNameEdit()->setText(QStringLiteral("项目一"));
    EXPECT_TRUE(child->document().isModified());

    dialogs.answers = {dir.filePath("v")};
    frame().action("save")->trigger();
    EXPECT_FALSE(child->document().isModified());
    const QString file = dir.filePath("v.pcp");
    ASSERT_TRUE(QFile::exists(file));

    // Typed after the save: the close asks, and "是" writes it.
    host->basicInfoPage()->vesselNameEdit()->insert(QStringLiteral("甲"));
    prompter.answerYes();
    dialogs.answers = {file};
    EXPECT_TRUE(child->close());
    settle();
    EXPECT_EQ(prompter.entries.last().text, QStringLiteral("将改动保存到 P1 *？"));
    EXPECT_EQ(vesselNameIn(file), gbk("储罐集团甲"));

    ASSERT_TRUE(app.openProjectFile(file));
    CChildFrame *reopened = frame().activeChild();
    PageHost *again = reopened->view()->pageHost();
    EXPECT_EQ(again->basicInfoPage()->vesselNameEdit()->text(), QStringLiteral("储罐集团甲"));
    EXPECT_EQ(again->headPage()->firstDiameterEdit->text(), "1600");
    EXPECT_EQ(reopened->view()->projectInfoPage()->projectNameEdit()->text(), QStringLiteral("项目一"));
    EXPECT_FALSE(reopened->document().isModified());

    again->headPage()->firstThicknessEdit->setText("14");
    prompter.answerYes();
    EXPECT_TRUE(reopened->close());
    settle();
    EXPECT_EQ(prompter.entries.last().text, QStringLiteral("将改动保存到 v.pcp？"));
    CompanyInfo company = CompanyInfo::initial();
    CZelvanDoc check(company);
    ASSERT_TRUE(check.open(file).ok);
    EXPECT_EQ(check.record().field(Field::FirstHeadWallThickness), "14");
}

TEST_F(Lifecycle, ACancelledExitDoesNotDisarmALaterCloseQuestion)
{
    CChildFrame *first = newProject("P1");
    CChildFrame *second = newProject("P2");
    first->document().setModifiedFlag(true);
    second->document().setModifiedFlag(true);
    prompter.answerNo();     // P1: close without saving ...
    prompter.answerCancel(); // ... P2: cancel, so nothing closes
    EXPECT_FALSE(app.onAppExit());
    EXPECT_EQ(frame().children().size(), 2);

    // New edits in P1, then closing it alone: the question comes again.
    first->view()->pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("新容器"));
    prompter.clear();
    prompter.answerCancel();
    EXPECT_FALSE(first->close());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("将改动保存到 P1 *？")});
    EXPECT_EQ(frame().children().size(), 2);
}

TEST_F(Lifecycle, AFailedFirstSaveAsksForAPathAgain)
{
    CChildFrame *child = newProject("P1");
    CZelvanDoc &doc = child->document();
    doc.setModifiedFlag(true);
    dialogs.answers = {dir.filePath("no-such-folder/v")};
    prompter.expectMessage(QStringLiteral("没有找到 %1。").arg(dir.filePath("no-such-folder/v.pcp")));
    frame().action("save")->trigger();
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("错误"));
    EXPECT_FALSE(QFile::exists(dir.filePath("no-such-folder/v.pcp")));
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.rememberedSavePath().isEmpty());
    EXPECT_TRUE(doc.record().field(Field::ProjectFilePath).empty());
    EXPECT_TRUE(doc.record().field(Field::ProjectDirectory).empty());

    // Ctrl+S again: the dialog, not the failing path.
    dialogs.answers = {dir.filePath("v")};
    frame().action("save")->trigger();
    EXPECT_EQ(dialogs.titles, (QStringList{QStringLiteral("保存项目为"), QStringLiteral("保存项目为")}));
    EXPECT_TRUE(QFile::exists(dir.filePath("v.pcp")));
    EXPECT_FALSE(doc.isModified());
}

TEST_F(Lifecycle, SaveAsFollowsSaveInTheMenuAndMakesTheCopyTheProject)
{
    EXPECT_FALSE(projectMenuTexts().contains(QStringLiteral("另存为(&A)...")));
    EXPECT_FALSE(frame().action("saveAs")->isEnabled());
    CChildFrame *child = newProject("P1");
    const QStringList texts = projectMenuTexts();
    const qsizetype save = texts.indexOf(QStringLiteral("保存项目(&S)..."));
    ASSERT_GE(save, 0);
    EXPECT_EQ(texts.value(save + 1), QStringLiteral("另存为(&A)..."));
    EXPECT_EQ(frame().action("saveAs")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_TRUE(frame().action("saveAs")->isEnabled());

    dialogs.answers = {dir.filePath("first")};
    frame().action("save")->trigger();
    const QByteArray firstBytes = readAll(dir.filePath("first.pcp"));
    ASSERT_FALSE(firstBytes.isEmpty());

    child->view()->pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("副本"));
    dialogs.answers = {dir.filePath("copy")};
    frame().action("saveAs")->trigger();
    EXPECT_EQ(dialogs.titles.last(), QStringLiteral("保存项目为"));
    EXPECT_EQ(dialogs.filters.last(), ProjectCommands::projectSaveFilter());
    EXPECT_EQ(dialogs.folders.last(), dir.path() + QLatin1Char('/')); // the project's own folder
    EXPECT_EQ(vesselNameIn(dir.filePath("copy.pcp")), gbk("副本"));
    EXPECT_EQ(readAll(dir.filePath("first.pcp")), firstBytes);
    EXPECT_EQ(child->document().title(), "copy.pcp");
    EXPECT_EQ(child->document().documentPath(), dir.filePath("copy.pcp"));
    EXPECT_EQ(AppSettings::recentFiles(settings).value(0), dir.filePath("copy.pcp"));

    // Later saves, and the close-time save, go to the copy.
    child->view()->pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("副本二"));
    frame().action("save")->trigger();
    EXPECT_EQ(vesselNameIn(dir.filePath("copy.pcp")), gbk("副本二"));
    EXPECT_EQ(readAll(dir.filePath("first.pcp")), firstBytes);

    // Cancelling the dialog saves nothing.
    dialogs.answers.clear();
    prompter.expectMessage(QStringLiteral("未能保存项目！"));
    frame().action("saveAs")->trigger();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("未能保存项目！"));
}

TEST_F(Lifecycle, ACopiedProjectSavesBesideTheCopy)
{
    QDir(dir.path()).mkdir("original");
    QDir(dir.path()).mkdir("copy");
    const QString original = dir.filePath("original/a.pcp");
    const QString copy = dir.filePath("copy/a.pcp");
    writeProject(original, toGbk(original), gbk("原件"));
    ASSERT_TRUE(QFile::copy(original, copy));
    const QByteArray originalBytes = readAll(original);

    ASSERT_TRUE(app.openProjectFile(copy));
    CZelvanDoc &doc = *frame().activeDocument();
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectFilePath)), copy);
    EXPECT_EQ(fromGbk(doc.record().field(Field::ProjectDirectory)), dir.filePath("copy") + QLatin1Char('/'));

    frame().activeView()->pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("副本"));
    frame().action("save")->trigger();
    EXPECT_TRUE(dialogs.titles.isEmpty()); // saved without asking ...
    EXPECT_EQ(vesselNameIn(copy), gbk("副本")); // ... into the copy
    EXPECT_EQ(readAll(original), originalBytes);

    // File dialogs start in the active project's folder.
    frame().action("open")->trigger();
    EXPECT_EQ(dialogs.titles.last(), QStringLiteral("打开"));
    EXPECT_EQ(dialogs.folders.last(), dir.filePath("copy") + QLatin1Char('/'));
}

TEST_F(Lifecycle, AProjectLastSavedOnAnotherMachineSavesBesideTheOpenedFile)
{
    const QString path = writeProject(dir.filePath("w.pcp"), gbk("D:\\工程\\a.pcp"), gbk("储罐"));
    ASSERT_TRUE(app.openProjectFile(path));
    frame().activeView()->pageHost()->basicInfoPage()->vesselNameEdit()->setText(QStringLiteral("新"));
    frame().action("save")->trigger();
    EXPECT_EQ(vesselNameIn(path), gbk("新"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("D:\\工程\\a.pcp")));
    EXPECT_TRUE(QDir::current().entryList({QStringLiteral("D:*")}).isEmpty());
}

TEST_F(Lifecycle, AnEmptyProjectFileLeavesTheCompanyInformation)
{
    app.company() = CompanyInfo{gbk("岳川容器厂"), gbk("TS2210000")};
    QFile empty(dir.filePath("empty.pcp"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_TRUE(app.openProjectFile(dir.filePath("empty.pcp")));
    EXPECT_EQ(frame().children().size(), 1);
    EXPECT_EQ(app.company().name, gbk("岳川容器厂"));
    EXPECT_EQ(app.company().licence, gbk("TS2210000"));

    // A file with its own company texts still replaces them.
    writeProject(dir.filePath("b.pcp"), toGbk(dir.filePath("b.pcp")), gbk("储罐"));
    ASSERT_TRUE(app.openProjectFile(dir.filePath("b.pcp")));
    EXPECT_EQ(app.company().name, gbk("某某容器厂"));
}

TEST_F(Lifecycle, ARecentFileThatIsGoneLeavesTheMenu)
{
    const QString kept = writeProject(dir.filePath("kept.pcp"), "", gbk("甲"));
    const QString gone = writeProject(dir.filePath("gone.pcp"), "", gbk("乙"));
    AppSettings::addRecentFile(settings, kept);
    AppSettings::addRecentFile(settings, gone);
    frame().refreshRecentFiles();
    ASSERT_TRUE(QFile::remove(gone));

    QAction *entry = nullptr;
    for (QAction *a : projectMenu()->actions())
        if (a->text().endsWith(QDir::toNativeSeparators(gone)))
            entry = a;
    ASSERT_NE(entry, nullptr);
    prompter.expectMessage(QStringLiteral("没有找到 %1。").arg(gone));
    entry->trigger();

    settle();
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("没有找到 %1。").arg(gone)});
    EXPECT_EQ(AppSettings::recentFiles(settings), QStringList{kept});
    for (const QString &text : projectMenuTexts())
        EXPECT_FALSE(text.contains(QStringLiteral("gone.pcp"))) << text.toStdString();
    EXPECT_TRUE(frame().children().isEmpty());
}

TEST_F(Lifecycle, MenusDoNotPileUpAsProjectsOpenAndClose)
{
    const QString path = writeProject(dir.filePath("m.pcp"), "", gbk("储罐"));
    auto cycle = [&] {
        ASSERT_TRUE(app.openProjectFile(path));
        frame().activeChild()->close();
        newProject("P")->close();
        settle();
    };
    cycle();
    const qsizetype menus = frame().findChildren<QMenu *>().size();
    const qsizetype actions = frame().findChildren<QAction *>().size();
    for (int i = 0; i < 20; ++i)
        cycle();
    EXPECT_EQ(frame().findChildren<QMenu *>().size(), menus);
    EXPECT_EQ(frame().findChildren<QAction *>().size(), actions);
    EXPECT_EQ(frame().menuBar()->actions().size(), 3);
    EXPECT_TRUE(frame().children().isEmpty());
}
