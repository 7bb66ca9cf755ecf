#include "support/RecordingPrompter.h"
#include "support/ScriptedFileDialogs.h"

#include "gui/dialogs/AddVesselDialog.h"
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/dialogs/CompanyInfoDialog.h"
#include "gui/widgets/GeneratedFilesDialog.h"
#include "gui/dialogs/NewProjectDialog.h"
#include "gui/app/ProjectCommands.h"
#include "gui/pages/CZelvanView.h"
#include "core/project/AppSettings.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QAction>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QHeaderView>
#include <QImage>
#include <gtest/gtest.h>

using namespace zelvan;
using test::RecordingPrompter;
using test::ScriptedFileDialogs;

namespace {

// A new-project dialog whose add-vessel step is scripted.
class ScriptedNewProjectDialog : public NewProjectDialog {
public:
    using NewProjectDialog::NewProjectDialog;
    QList<bool> addVesselAnswers;
    int addVesselRuns = 0;

protected:
    bool runAddVessel() override
    {
        ++addVesselRuns;
        const bool ok = addVesselAnswers.isEmpty() ? true : addVesselAnswers.takeFirst();
        if (ok) {
            m_values.vesselType = VesselType::Vertical;
            m_values.vesselName = QStringLiteral("储罐");
        }
        return ok;
    }
};

struct AppFixture : ::testing::Test {
    QTemporaryDir dir;
    QSettings settings{dir.filePath("settings.ini"), QSettings::IniFormat};
    RecordingPrompter prompter;
    ScriptedFileDialogs dialogs;
    CZelvanApp app{settings, prompter, dialogs};

    void SetUp() override { ASSERT_TRUE(app.initInstance(false)); }

    CChildFrame *newProject(const QString &name)
    {
        auto doc = std::make_unique<CZelvanDoc>(app.company());
        ProjectLifecycle::NewProjectValues values;
        values.projectName = name;
        values.vesselType = VesselType::Vertical;
        values.vesselName = QStringLiteral("储罐");
        values.productNumber = "C1";
        values.drawingNumber = "D1";
        values.createdAt = QDateTime::currentDateTime();
        ProjectLifecycle::applyNewProject(doc->record(), values);
        doc->setTitle(name);
        return app.mainFrame()->addProjectWindow(std::move(doc));
    }

    QStringList menuTitles() const
    {
        QStringList titles;
        for (QAction *a : app.mainFrame()->menuBar()->actions())
            titles.append(a->text());
        return titles;
    }
};

} // namespace

TEST(NewProjectDialogs, EmptyNameAndTheQuitQuestion)
{
    RecordingPrompter prompter;
    ScriptedNewProjectDialog dialog(prompter);
    prompter.expectMessage(QStringLiteral("工程名称不能为空！"));
    dialog.accept();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("工程名称不能为空！"));
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("提示"));
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.addVesselRuns, 0);

    // Cancel asks; No keeps the dialog open with its contents.
    dialog.nameEdit()->setText("P1");
    prompter.answerNo();
    dialog.reject();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("是否退出？"));
    EXPECT_EQ(prompter.entries.last().kind, RecordingPrompter::Entry::YesNo);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.nameEdit()->text(), "P1");

    // A cancelled add-vessel dialog returns here with the name kept.
    dialog.addVesselAnswers = {false, true};
    dialog.accept();
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.nameEdit()->text(), "P1");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.values().projectName, "P1");
}

TEST(NewProjectDialogs, AddVesselChecksInOrder)
{
    RecordingPrompter prompter;
    AddVesselDialog dialog(prompter);
    prompter.clear(); // picture messages when the artwork is missing
    EXPECT_EQ(dialog.typeList()->currentIndex(), 0);
    prompter.expectMessage(QStringLiteral("容器名称不能为空！"));
    dialog.accept();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("容器名称不能为空！"));
    dialog.nameEdit()->setText(QStringLiteral("储罐"));
    prompter.expectMessage(QStringLiteral("容器编号不能为空！"));
    dialog.accept();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("容器编号不能为空！"));
    dialog.productNumberEdit()->setText("C-1");
    prompter.expectMessage(QStringLiteral("容器图号不能为空！"));
    dialog.accept();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("容器图号不能为空！"));
    dialog.drawingNumberEdit()->setText("D-1");
    dialog.typeList()->setCurrentIndex(1);
    prompter.clear();
    dialog.accept();
    EXPECT_TRUE(prompter.entries.isEmpty());

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ProjectLifecycle::NewProjectValues values;
    dialog.fillValues(values);
    EXPECT_EQ(values.vesselType, VesselType::Horizontal);
    EXPECT_TRUE(values.createdAt.isValid());
}

TEST_F(AppFixture, StartsWithoutProjectAndTheNoProjectMenus)
{
    EXPECT_TRUE(app.mainFrame()->children().isEmpty());
    EXPECT_EQ(app.mainFrame()->windowTitle(), QStringLiteral("岳川明压力容器排版图软件"));
    EXPECT_EQ(menuTitles(), (QStringList{QStringLiteral("项目(&P)"), QStringLiteral("工具(&T)"), QStringLiteral("帮助(&H)")}));
    for (const char *name : {"save", "close", "layout", "qualification", "company"})
        EXPECT_FALSE(app.mainFrame()->action(name)->isEnabled()) << name;
    EXPECT_TRUE(app.mainFrame()->action("consumables")->isEnabled());
    EXPECT_EQ(app.mainFrame()->companyPaneText(), QStringLiteral("公司名称"));
    EXPECT_EQ(app.mainFrame()->action("open")->toolTip(), QStringLiteral("打开打开一个现有项目"));
    EXPECT_EQ(app.mainFrame()->action("exit")->statusTip(), QStringLiteral("退出应用程序；提示保存数据"));
    // The help menu starts with the tip of the day.
    QMenu *help = app.mainFrame()->menuBar()->actions().last()->menu();
    EXPECT_EQ(help->actions().first()->text(), QStringLiteral("每日一帖"));
    EXPECT_TRUE(help->actions().at(1)->isSeparator());
}

TEST(MainFrame, DateLine)
{
    EXPECT_EQ(CMainFrame::dateLine(QDate(2026, 12, 8)), QStringLiteral("今天是 2026年12月08日 星期二"));
    EXPECT_EQ(CMainFrame::dateLine(QDate(2026, 12, 6)), QStringLiteral("今天是 2026年12月06日 星期天"));
}

TEST_F(AppFixture, ProjectWindowMenusTitleAndTabs)
{
    CChildFrame *child = newProject("P1");
    EXPECT_EQ(menuTitles(), (QStringList{QStringLiteral("项目(&P)"), QStringLiteral("工具(&T)"), QStringLiteral("设置(&S)"), QStringLiteral("帮助(&H)")}));
    EXPECT_TRUE(app.mainFrame()->action("save")->isEnabled());
    EXPECT_EQ(app.mainFrame()->windowTitle(), QStringLiteral("岳川明压力容器排版图软件 - [P1]"));
    EXPECT_TRUE(child->isMaximized());
    QTabWidget *tabs = child->view()->tabs();
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("项目信息"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("容器名称: 储罐"));
    EXPECT_FALSE(child->document().isModified());
    child->document().setModifiedFlag(true);
    EXPECT_EQ(child->windowTitle(), "P1 *");
    EXPECT_EQ(app.mainFrame()->windowTitle(), QStringLiteral("岳川明压力容器排版图软件 - [P1 *]"));
}

TEST_F(AppFixture, SaveRulesAndTheTwoSaveDialogs)
{
    CChildFrame *child = newProject("P1");
    CZelvanDoc &doc = child->document();
    // Cancelled dialog: "未能保存项目！" and nothing written.
    prompter.expectMessage(QStringLiteral("未能保存项目！"));
    EXPECT_FALSE(ProjectCommands::save(doc, prompter, dialogs, nullptr));
    EXPECT_EQ(dialogs.titles.last(), QStringLiteral("保存项目为"));
    EXPECT_EQ(dialogs.defaultNames.last(), "P1");
    EXPECT_EQ(prompter.lastText(), QStringLiteral("未能保存项目！"));
    EXPECT_EQ(prompter.entries.last().icon, Prompter::Icon::Information);

    dialogs.answers = {dir.filePath("vessel")};
    doc.setModifiedFlag(true);
    ASSERT_TRUE(ProjectCommands::save(doc, prompter, dialogs, nullptr));
    EXPECT_TRUE(QFile::exists(dir.filePath("vessel.pcp")));
    EXPECT_FALSE(doc.isModified());
    // Later saves go to the same file without a dialog.
    const int dialogsBefore = static_cast<int>(dialogs.titles.size());
    doc.setModifiedFlag(true);
    ASSERT_TRUE(ProjectCommands::save(doc, prompter, dialogs, nullptr));
    EXPECT_EQ(dialogs.titles.size(), dialogsBefore);
}

TEST_F(AppFixture, CloseQuestionYesNoCancel)
{
    CChildFrame *child = newProject("P1");
    CZelvanDoc &doc = child->document();
    // Not modified: no question.
    EXPECT_TRUE(ProjectCommands::queryClose(doc, prompter, dialogs, nullptr));
    EXPECT_TRUE(prompter.entries.isEmpty());

    doc.setModifiedFlag(true);
    prompter.answer(Prompter::Answer::Cancel, QStringLiteral("将改动保存到 P1 *？"));
    EXPECT_FALSE(ProjectCommands::queryClose(doc, prompter, dialogs, nullptr));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("将改动保存到 P1 *？"));
    EXPECT_EQ(prompter.entries.last().kind, RecordingPrompter::Entry::YesNoCancel);

    prompter.answer(Prompter::Answer::No);
    EXPECT_TRUE(ProjectCommands::queryClose(doc, prompter, dialogs, nullptr));

    // Yes without a document path: "保存为" dialog; cancelling keeps it open.
    prompter.answer(Prompter::Answer::Yes);
    EXPECT_FALSE(ProjectCommands::queryClose(doc, prompter, dialogs, nullptr));
    EXPECT_EQ(dialogs.titles.last(), QStringLiteral("保存为"));
    EXPECT_EQ(dialogs.filters.last(), ProjectCommands::allFilesFilter());

    prompter.answer(Prompter::Answer::Yes);
    dialogs.answers = {dir.filePath("closing")};
    EXPECT_TRUE(ProjectCommands::queryClose(doc, prompter, dialogs, nullptr));
    EXPECT_TRUE(QFile::exists(dir.filePath("closing.pcp")));
    EXPECT_EQ(doc.documentPath(), dir.filePath("closing.pcp"));
    EXPECT_TRUE(doc.record().field(Field::ProjectFilePath).empty());
}

TEST_F(AppFixture, ExitStopsOnCancelAndClosesAfterAnswers)
{
    CChildFrame *first = newProject("P1");
    newProject("P2");
    first->document().setModifiedFlag(true);
    prompter.answer(Prompter::Answer::Cancel);
    EXPECT_FALSE(app.onAppExit());
    EXPECT_EQ(app.mainFrame()->children().size(), 2);
    prompter.answer(Prompter::Answer::No);
    EXPECT_TRUE(app.onAppExit());
    QCoreApplication::processEvents();
    EXPECT_TRUE(app.mainFrame()->children().isEmpty());
}

TEST_F(AppFixture, OpeningFilesRecentListAndAlreadyOpen)
{
    // Write a project, then open it twice: the second open activates it.
    {
        CompanyInfo company{gbk("某某压力容器厂"), "TS-1"};
        CZelvanDoc doc(company);
        doc.record().setField(Field::VesselName, gbk("换热器"));
        ASSERT_TRUE(doc.save(dir.filePath("a.pcp")).ok);
    }
    ASSERT_TRUE(app.openProjectFile(dir.filePath("a.pcp")));
    EXPECT_EQ(app.mainFrame()->children().size(), 1);
    EXPECT_EQ(app.mainFrame()->activeDocument()->title(), "a.pcp");
    // Opening replaces the company information with the file's own.
    EXPECT_EQ(app.company().name, gbk("某某压力容器厂"));
    ASSERT_TRUE(app.openProjectFile(dir.filePath("a.pcp")));
    EXPECT_EQ(app.mainFrame()->children().size(), 1);
    EXPECT_EQ(AppSettings::recentFiles(settings), QStringList{QFileInfo(dir.filePath("a.pcp")).absoluteFilePath()});

    // A bad file: the message, no window.
    QFile bad(dir.filePath("bad.pcp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("\x10short", 6);
    bad.close();
    prompter.expectMessage(QStringLiteral("非预期的文件格式。"));
    EXPECT_FALSE(app.openProjectFile(dir.filePath("bad.pcp")));
    EXPECT_EQ(prompter.lastText(), QStringLiteral("非预期的文件格式。"));
    EXPECT_EQ(app.mainFrame()->children().size(), 1);
    prompter.expectMessage(QStringLiteral("没有找到 %1。").arg(dir.filePath("none.pcp")));
    EXPECT_FALSE(app.openProjectFile(dir.filePath("none.pcp")));
}

TEST(RecentFiles, KeepsFourMostRecentFirst)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath("s.ini"), QSettings::IniFormat);
    for (const char *name : {"/p/1.pcp", "/p/2.pcp", "/p/3.pcp", "/p/4.pcp", "/p/5.pcp", "/p/3.pcp"})
        AppSettings::addRecentFile(settings, name);
    EXPECT_EQ(AppSettings::recentFiles(settings), (QStringList{"/p/3.pcp", "/p/5.pcp", "/p/4.pcp", "/p/2.pcp"}));
    EXPECT_EQ(settings.value("Recent File List/File1").toString(), "/p/3.pcp");
}

TEST_F(AppFixture, CompanyInformationMarksModifiedAndUpdatesEverything)
{
    CChildFrame *child = newProject("P1");
    bool marked = false;
    CompanyInfoDialog dialog(app.company(), prompter, [&] { marked = true; child->document().setModifiedFlag(true); });
    prompter.expectMessage(QStringLiteral("公司名称不能为空！"));
    dialog.accept();
    EXPECT_TRUE(marked);

    EXPECT_EQ(prompter.lastText(), QStringLiteral("公司名称不能为空！"));
    EXPECT_EQ(dialog.QDialog::result(), 0);
    dialog.newNameEdit()->setText(QStringLiteral("岳川明容器厂"));
    dialog.accept();
    ASSERT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    app.setCompanyInfo(dialog.result());
    EXPECT_EQ(app.mainFrame()->companyPaneText(), QStringLiteral("岳川明容器厂"));
    EXPECT_EQ(settings.value("Company/Name").toString(), QStringLiteral("岳川明容器厂"));
    EXPECT_EQ(app.company().licence, ""); // an empty licence number is taken too
    EXPECT_TRUE(child->document().isModified());
}

TEST(GeneratedFiles, MessagesAndOpening)
{
    RecordingPrompter prompter;
    GeneratedFilesDialog empty(GeneratedFiles{}, prompter);
    prompter.expectMessage(QStringLiteral("文件列表为空，无法打开文件！"));
    empty.openSelected();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("文件列表为空，无法打开文件！"));

    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    GeneratedFiles files;
    files.kind = "2";
    files.add(QStringLiteral("P-V-产品工艺文件.doc"), folder);
    files.add(QStringLiteral("P-V-产品工艺文件-筒体部分.doc"), folder);
    for (const auto &entry : files.entries) {
        QFile f(entry.path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    GeneratedFilesDialog dialog(files, prompter);
    EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
    EXPECT_EQ(dialog.list()->topLevelItem(1)->text(0), "2");
    EXPECT_EQ(dialog.list()->headerItem()->text(2), QStringLiteral("所在目录"));
    prompter.expectMessage(QStringLiteral("请选择想要打开的文件！"));
    dialog.openSelected();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("请选择想要打开的文件！"));

    const QString cannotOpen = QStringLiteral("文件创建成功，但无法直接打开文件！可能原因：1.没有建立正确的文件关联；"
                                              "2.没有安装相应的程序\n若已安装相应的应用程序，请在该程序中打开该文件！");
    QStringList opened;
    bool desktopOpens = false;
    dialog.setOpener([&](const QString &path) { opened.append(path); return desktopOpens; });
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    // The desktop refuses: the long message.
    prompter.clear();
    prompter.expectMessage(cannotOpen);
    dialog.openSelected();
    EXPECT_EQ(opened, QStringList{folder + QStringLiteral("P-V-产品工艺文件-筒体部分.doc")});
    EXPECT_EQ(prompter.texts(), QStringList{cannotOpen});
    // The desktop opens it: nothing to say.
    prompter.clear();
    desktopOpens = true;
    dialog.openSelected();
    EXPECT_TRUE(prompter.entries.isEmpty());
    // The file was deleted since the export: the same message, although the
    // desktop would have reported success.
    ASSERT_TRUE(QFile::remove(files.entries[1].path()));
    opened.clear();
    prompter.expectMessage(cannotOpen);
    dialog.openSelected();
    EXPECT_EQ(prompter.texts(), QStringList{cannotOpen});
    EXPECT_EQ(prompter.entries.last().title, QStringLiteral("提示"));
}

// The list's grid lines come from a style sheet; the selected row must still
// be drawn as selected, with its text readable on it.
TEST(GeneratedFiles, TheSelectedRowStaysLegible)
{
    RecordingPrompter prompter;
    GeneratedFiles files;
    files.add(QStringLiteral("P-V-产品工艺文件.doc"), "/tmp/x/");
    files.add(QStringLiteral("P-V-产品工艺文件-筒体部分.doc"), "/tmp/x/");
    GeneratedFilesDialog dialog(files, prompter);
    dialog.show();
    dialog.list()->setCurrentItem(dialog.list()->topLevelItem(1));
    QCoreApplication::processEvents();
    const QImage image = dialog.list()->viewport()->grab().toImage();
    const QRect row = dialog.list()->visualItemRect(dialog.list()->topLevelItem(1));
    const QRect unselected = dialog.list()->visualItemRect(dialog.list()->topLevelItem(0));
    ASSERT_FALSE(row.isEmpty());
    // The background of the selected row (its empty right end) differs from
    // the unselected row's, and the row holds pixels of another colour: text.
    const QPoint blank(row.right() - 3, row.center().y());
    const QColor selectedBackground = image.pixelColor(blank);
    EXPECT_NE(selectedBackground, image.pixelColor(QPoint(blank.x(), unselected.center().y())));
    int textPixels = 0;
    const QRect name(dialog.list()->header()->sectionPosition(1), row.top() + 2, 150, row.height() - 4);
    for (int x = name.left(); x < name.right(); ++x)
        for (int y = name.top(); y < name.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.lightness() - selectedBackground.lightness()) > 80)
                ++textPixels;
        }
    EXPECT_GT(textPixels, 20);
}
