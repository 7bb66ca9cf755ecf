#include "gui/app/CMainFrame.h"

#include "gui/app/CChildFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/dialogs/CompanyInfoDialog.h"
#include "gui/dialogs/HelpWindow.h"
#include "gui/widgets/Icons.h"
#include "gui/app/ProjectCommands.h"
#include "gui/app/ProjectRecovery.h"
#include "gui/dialogs/ToolDialogs.h"
#include "gui/pages/CZelvanView.h"
#include "core/project/AppSettings.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace zelvan {

namespace {
struct CommandText {
    const char *name;
    const char16_t *menuText;
    const char16_t *prompt; // status-bar prompt, "\n", tooltip
    const char *icon;
};

const CommandText kCommands[] = {
    {"new", u"新建项目(&N)...\tCtrl+N", u"建立新项目\n建立新项目", "new-project"},
    {"open", u"打开项目(&O)...\tCtrl+O", u"打开一个现有项目\n打开打开一个现有项目", "open-project"},
    {"close", u"关闭项目(&C)", u"关闭项目\n关闭项目", nullptr},
    {"save", u"保存项目(&S)...\tCtrl+S", u"保存项目\n保存项目", "save-project"},
    {"saveAs", u"另存为(&A)...\tCtrl+Shift+S", u"将项目保存为另一个文件\n另存为", nullptr},
    {"exit", u"退出(&X)", u"退出应用程序；提示保存数据\n退出", "exit"},
    {"layout", u"生成容器排版图", u"生成容器排版图\n生成容器排版图", "layout-drawing"},
    {"consumables", u"常用焊材选择", u"常用焊材选择\n常用焊材选择", "consumable-selection"},
    {"drying", u"常用焊材烘干参数", u"常用焊材烘干参数\n常用焊材烘干参数", "drying-parameters"},
    {"preheat", u"常用钢材最低预热参数", u"常用钢材最低预热参数\n常用钢材最低预热参数", "preheat-parameters"},
    {"qualification", u"焊接工艺评定库", u"焊接工艺评定库\n焊接工艺评定库", "qualification-library"},
    {"company", u"设置公司信息", u"设置公司信息\n设置公司信息", "company-info"},
    {"help", u"帮助主题\tF1", u"帮助主题\n帮助主题", "help"},
    {"about", u"关于...", u"显示程序信息，版本号和版权\n关于", nullptr},
    {"tip", u"每日一帖", u"显示每日一帖。", nullptr},
};

// Commands the project view handles: usable only with a project window.
const char *const kProjectCommands[] = {"close", "save", "saveAs", "layout", "qualification", "company"};
} // namespace

QString CMainFrame::dateLine(const QDate &date)
{
    static const char16_t *const weekdays[] = {u" 星期天", u" 星期一", u" 星期二", u" 星期三",
                                               u" 星期四", u" 星期五", u" 星期六"};
    const int dayOfWeek = date.dayOfWeek() % 7; // Qt: Monday 1 .. Sunday 7
    const QString weekday = date.isValid() ? QString::fromUtf16(weekdays[dayOfWeek]) : QStringLiteral(" 未知");
    return QStringLiteral("今天是 ")
        + QString::asprintf("%04d年%02d月%02d日", date.year(), date.month(), date.day()) + weekday;
}

CMainFrame::CMainFrame(CZelvanApp &app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_mdi(new QMdiArea(this))
{
    setWindowTitle(caption());
    setWindowIcon(Icons::appIcon());
    setCentralWidget(m_mdi);
    m_mdi->setViewMode(QMdiArea::SubWindowView);
    createActions();
    createToolBar();
    createStatusBar();
    rebuildMenus();
    updateCommandStates();
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        updateCommandStates();
        updateCaption();
    });
    resize(1280, 860);
}

CMainFrame::~CMainFrame()
{
    // The project windows go down with the MDI area after this object's own
    // members; they must not call back into a half-destroyed frame.
    m_mdi->disconnect(this);
    for (CChildFrame *child : m_mdi->findChildren<CChildFrame *>()) {
        child->disconnect(this);
        child->document().disconnect(this);
    }
}

void CMainFrame::createActions()
{
    for (const CommandText &command : kCommands) {
        const QStringList prompt = QString::fromUtf16(command.prompt).split(QLatin1Char('\n'));
        QString text = QString::fromUtf16(command.menuText);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            text.truncate(tab); // the shortcut is shown by the menu itself
        auto *action = new QAction(text, this);
        action->setStatusTip(prompt.value(0));
        action->setToolTip(prompt.value(1, prompt.value(0)));
        if (command.icon)
            action->setIcon(Icons::icon(QString::fromLatin1(command.icon)));
        m_actions.insert(QString::fromLatin1(command.name), action);
    }
    m_actions["new"]->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    m_actions["open"]->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_actions["save"]->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_actions["saveAs"]->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m_actions["help"]->setShortcut(QKeySequence(Qt::Key_F1));
    for (QAction *a : std::as_const(m_actions))
        a->setShortcutContext(Qt::ApplicationShortcut);

    connect(m_actions["new"], &QAction::triggered, &m_app, &CZelvanApp::onFileNew);
    connect(m_actions["open"], &QAction::triggered, &m_app, &CZelvanApp::onFileOpen);
    connect(m_actions["close"], &QAction::triggered, this, &CMainFrame::onCloseProject);
    connect(m_actions["save"], &QAction::triggered, this, &CMainFrame::onSaveProject);
    connect(m_actions["saveAs"], &QAction::triggered, this, &CMainFrame::onSaveProjectAs);
    connect(m_actions["exit"], &QAction::triggered, &m_app, &CZelvanApp::onAppExit);
    connect(m_actions["layout"], &QAction::triggered, this, &CMainFrame::onLayoutDrawing);
    connect(m_actions["consumables"], &QAction::triggered, this, &CMainFrame::onConsumableSelection);
    connect(m_actions["drying"], &QAction::triggered, this, &CMainFrame::onDryingParameters);
    connect(m_actions["preheat"], &QAction::triggered, this, &CMainFrame::onPreheatParameters);
    connect(m_actions["qualification"], &QAction::triggered, this, &CMainFrame::onQualificationLibrary);
    connect(m_actions["company"], &QAction::triggered, this, &CMainFrame::onCompanyInfo);
    connect(m_actions["help"], &QAction::triggered, this, &CMainFrame::onHelp);
    connect(m_actions["about"], &QAction::triggered, &m_app, &CZelvanApp::onAppAbout);
    connect(m_actions["tip"], &QAction::triggered, &m_app, &CZelvanApp::onTipOfTheDay);
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("工具栏"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setMovable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    const QList<QStringList> groups = {
        {"new", "open", "save"}, {"layout"}, {"consumables", "drying", "preheat"}, {"qualification"}, {"company"}, {"help"}, {"exit"}};
    bool first = true;
    for (const QStringList &group : groups) {
        if (!first)
            m_toolBar->addSeparator();
        first = false;
        for (const QString &name : group)
            m_toolBar->addAction(m_actions.value(name));
    }
}

void CMainFrame::createStatusBar()
{
    m_messagePane = new QLabel(QStringLiteral("您好，欢迎使用本系统！"), this);
    m_datePane = new QLabel(dateLine(QDate::currentDate()), this);
    m_companyPane = new QLabel(QStringLiteral("公司名称"), this);
    m_datePane->setMinimumWidth(400);
    m_companyPane->setMinimumWidth(200);
    statusBar()->addWidget(m_messagePane, 1);
    statusBar()->addPermanentWidget(m_datePane);
    statusBar()->addPermanentWidget(m_companyPane);
}

void CMainFrame::rebuildMenus()
{
    const bool project = activeChild() != nullptr;
    if (m_menusBuilt && project == m_hadProject)
        return;
    m_menusBuilt = true;
    m_hadProject = project;
    // The four menus live as long as the frame; only their contents and the
    // menus shown change, so opening and closing projects creates no menus.
    if (!m_projectMenu) {
        m_projectMenu = new QMenu(QStringLiteral("项目(&P)"), this);
        m_toolsMenu = new QMenu(QStringLiteral("工具(&T)"), this);
        m_settingsMenu = new QMenu(QStringLiteral("设置(&S)"), this);
        m_helpMenu = new QMenu(QStringLiteral("帮助(&H)"), this);
        m_settingsMenu->addAction(m_actions["company"]);
        // "每日一帖" stands at the top of the help menu, with a separator below.
        m_helpMenu->addAction(m_actions["tip"]);
        m_helpMenu->addSeparator();
        m_helpMenu->addAction(m_actions["help"]);
        m_helpMenu->addSeparator();
        m_helpMenu->addAction(m_actions["about"]);
    }

    m_projectMenu->clear();
    m_projectMenu->addAction(m_actions["new"]);
    m_projectMenu->addAction(m_actions["open"]);
    if (project) {
        m_projectMenu->addAction(m_actions["close"]);
        m_projectMenu->addAction(m_actions["save"]);
        m_projectMenu->addAction(m_actions["saveAs"]);
    }
    m_projectMenu->addSeparator();
    // The entries may be the sender of the command that rebuilds the menu
    // (a recent file being opened): they go once control is back in the
    // event loop.
    for (QAction *old : std::as_const(m_recentActions))
        old->deleteLater();
    m_recentActions.clear();
    const QStringList recent = AppSettings::recentFiles(m_app.settings());
    if (recent.isEmpty()) {
        QAction *placeholder = m_projectMenu->addAction(QStringLiteral("最近文件"));
        placeholder->setEnabled(false);
    }
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
        entry->setStatusTip(QStringLiteral("打开该文档"));
        connect(entry, &QAction::triggered, &m_app, [this, path] { m_app.openProjectFile(path); });
        m_projectMenu->addAction(entry);
        m_recentActions.append(entry);
    }
    m_projectMenu->addSeparator();
    m_projectMenu->addAction(m_actions["exit"]);

    m_toolsMenu->clear();
    QStringList toolNames = {"consumables", "drying", "preheat"};
    if (project)
        toolNames = {"layout", "consumables", "drying", "preheat", "qualification"};
    for (int i = 0; i < toolNames.size(); ++i) {
        if (i > 0)
            m_toolsMenu->addSeparator();
        m_toolsMenu->addAction(m_actions.value(toolNames.at(i)));
    }

    QMenuBar *bar = menuBar();
    bar->clear();
    bar->addMenu(m_projectMenu);
    bar->addMenu(m_toolsMenu);
    if (project)
        bar->addMenu(m_settingsMenu);
    bar->addMenu(m_helpMenu);
}

void CMainFrame::refreshRecentFiles()
{
    m_menusBuilt = false;
    rebuildMenus();
}

void CMainFrame::updateCommandStates()
{
    const bool project = activeChild() != nullptr;
    for (const char *name : kProjectCommands)
        m_actions.value(QString::fromLatin1(name))->setEnabled(project);
    rebuildMenus();
}

void CMainFrame::updateCaption()
{
    CChildFrame *child = activeChild();
    setWindowTitle(child ? caption() + QStringLiteral(" - [") + child->document().title() + QLatin1Char(']') : caption());
}

QAction *CMainFrame::action(const QString &name) const
{
    return m_actions.value(name);
}

CChildFrame *CMainFrame::addProjectWindow(std::unique_ptr<CZelvanDoc> doc)
{
    CZelvanDoc *document = doc.get();
    auto *view = new CZelvanView(*document, m_app.prompter());
    auto *child = new CChildFrame(std::move(doc), view, [this](CZelvanDoc &d) {
        return ProjectCommands::queryClose(d, m_app.prompter(), m_app.fileDialogs(), this);
    });
    connect(document, &CZelvanDoc::titleChanged, this, &CMainFrame::updateCaption);
    m_app.recovery().watch(*document);
    connect(child, &CChildFrame::projectClosed, &m_app.recovery(), &ProjectRecovery::closed);
    connect(child, &QObject::destroyed, this, [this] {
        updateCommandStates();
        updateCaption();
    });
    m_mdi->addSubWindow(child);
    child->showMaximized();
    m_mdi->setActiveSubWindow(child);
    updateCommandStates();
    updateCaption();
    return child;
}

bool CMainFrame::activateProjectFile(const QString &path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (CChildFrame *child : m_mdi->findChildren<CChildFrame *>()) {
        const QString open = child->document().documentPath();
        if (!open.isEmpty() && QFileInfo(open).absoluteFilePath() == wanted) {
            m_mdi->setActiveSubWindow(child);
            return true;
        }
    }
    return false;
}

CChildFrame *CMainFrame::activeChild() const
{
    auto *child = qobject_cast<CChildFrame *>(m_mdi->activeSubWindow());
    if (!child) {
        // While the main window is inactive (a dialog is up) Qt reports no
        // active sub-window; the current one is still the active project.
        child = qobject_cast<CChildFrame *>(m_mdi->currentSubWindow());
    }
    return child;
}

CZelvanDoc *CMainFrame::activeDocument() const
{
    CChildFrame *child = activeChild();
    return child ? &child->document() : nullptr;
}

CZelvanView *CMainFrame::activeView() const
{
    CChildFrame *child = activeChild();
    return child ? child->view() : nullptr;
}

QList<CChildFrame *> CMainFrame::children() const
{
    QList<CChildFrame *> list;
    for (QMdiSubWindow *window : m_mdi->subWindowList())
        if (auto *child = qobject_cast<CChildFrame *>(window))
            list.append(child);
    return list;
}

bool CMainFrame::closeAllProjects()
{
    const QList<CChildFrame *> list = children();
    for (CChildFrame *child : list) {
        if (!ProjectCommands::queryClose(child->document(), m_app.prompter(), m_app.fileDialogs(), this)) {
            // The answers given so far held for this exit only: a project
            // answered "否" stays open and must ask again when it closes.
            for (CChildFrame *answered : list)
                answered->setCloseConfirmed(false);
            return false;
        }
        child->setCloseConfirmed(true);
    }
    for (CChildFrame *child : list)
        child->close();
    return true;
}

void CMainFrame::closeWithoutAsking()
{
    m_closingConfirmed = true;
    close();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_closingConfirmed && !closeAllProjects()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::setCompanyPane(const QString &name)
{
    m_companyPane->setText(name.isEmpty() ? QStringLiteral("公司名称") : name);
}

QString CMainFrame::companyPaneText() const
{
    return m_companyPane->text();
}

void CMainFrame::onSaveProject()
{
    if (CChildFrame *child = activeChild())
        ProjectCommands::save(child->document(), m_app.prompter(), m_app.fileDialogs(), this);
}

void CMainFrame::onSaveProjectAs()
{
    CChildFrame *child = activeChild();
    if (!child || !ProjectCommands::saveAs(child->document(), m_app.prompter(), m_app.fileDialogs(), this))
        return;
    AppSettings::addRecentFile(m_app.settings(), child->document().documentPath());
    refreshRecentFiles();
}

void CMainFrame::onCloseProject()
{
    if (CChildFrame *child = activeChild())
        child->close();
}

void CMainFrame::onLayoutDrawing()
{
    if (CZelvanDoc *doc = activeDocument())
        ToolDialogs::layoutDrawing(*doc, m_app.company(), m_app.prompter(), this);
}

void CMainFrame::onConsumableSelection()
{
    ToolDialogs::consumableSelection(m_app.prompter(), this);
}

void CMainFrame::onDryingParameters()
{
    ToolDialogs::dryingParameters(m_app.prompter(), this);
}

void CMainFrame::onPreheatParameters()
{
    ToolDialogs::preheatParameters(m_app.prompter(), this);
}

void CMainFrame::onQualificationLibrary()
{
    if (CZelvanDoc *doc = activeDocument())
        ToolDialogs::qualificationLibrary(*doc, m_app.prompter(), this);
}

void CMainFrame::onCompanyInfo()
{
    CZelvanDoc *doc = activeDocument();
    if (!doc)
        return;
    CompanyInfoDialog dialog(m_app.company(), m_app.prompter(), [doc] { doc->setModifiedFlag(true); }, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_app.setCompanyInfo(dialog.result());
    m_app.prompter().message(Prompter::titleInformation(), QStringLiteral("新的公司信息设置成功！"), Prompter::Icon::None);
}

void CMainFrame::onHelp()
{
    HelpWindow window(this);
    window.exec();
}

} // namespace zelvan
