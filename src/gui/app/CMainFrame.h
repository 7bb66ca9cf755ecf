#pragma once

#include <QDate>
#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace zelvan {

class CChildFrame;
class CZelvanApp;
class CZelvanDoc;
class CZelvanView;

// The main window: the project windows in an MDI area, two menu bars (no
// project / a project open), the toolbar and the three-pane status bar.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CZelvanApp &app, QWidget *parent = nullptr);
    ~CMainFrame() override;

    static QString caption() { return QStringLiteral("岳川明压力容器排版图软件"); }
    // "今天是 " + "%04d年%02d月%02d日" + the weekday text.
    static QString dateLine(const QDate &date);

    CChildFrame *addProjectWindow(std::unique_ptr<CZelvanDoc> doc);
    // Activates the window of an already open project file; false if none.
    bool activateProjectFile(const QString &path);
    CChildFrame *activeChild() const;
    CZelvanDoc *activeDocument() const;
    CZelvanView *activeView() const;
    QList<CChildFrame *> children() const;

    // Asks the save question for every project in turn; stops at Cancel.
    bool closeAllProjects();
    void closeWithoutAsking();

    void setCompanyPane(const QString &name);
    QString companyPaneText() const;
    void refreshRecentFiles();

    // Commands by name, for tests and the toolbar.
    QAction *action(const QString &name) const;
    QToolBar *toolBar() const { return m_toolBar; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createToolBar();
    void createStatusBar();
    void rebuildMenus();
    void updateCommandStates();
    void updateCaption();

    void onSaveProject();
    void onSaveProjectAs();
    void onCloseProject();
    void onLayoutDrawing();
    void onConsumableSelection();
    void onDryingParameters();
    void onPreheatParameters();
    void onQualificationLibrary();
    void onCompanyInfo();
    void onHelp();

    CZelvanApp &m_app;
    QMdiArea *m_mdi;
    QToolBar *m_toolBar = nullptr;
    QLabel *m_messagePane = nullptr;
    QLabel *m_datePane = nullptr;
    QLabel *m_companyPane = nullptr;
    QMap<QString, QAction *> m_actions;
    QList<QAction *> m_recentActions;
    QMenu *m_projectMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    bool m_closingConfirmed = false;
    bool m_hadProject = false;
    bool m_menusBuilt = false;
};

} // namespace zelvan
