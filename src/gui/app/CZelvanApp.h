#pragma once

#include "core/project/ProjectRecord.h"

#include <QObject>
#include <QSettings>

#include <memory>

namespace zelvan {

class CMainFrame;
class CZelvanDoc;
class FileDialogs;
class ProjectRecovery;
class Prompter;

// The application object: settings, the company information shared by
// every project, the main frame, and the commands that need no project.
class CZelvanApp : public QObject {
    Q_OBJECT
public:
    CZelvanApp(QSettings &settings, Prompter &prompter, FileDialogs &dialogs, QObject *parent = nullptr);
    ~CZelvanApp() override;

    // Start-up after the command line was read: settings, main frame with
    // toolbar and status bar (date line, company name), no project opened,
    // window shown maximized, the recovery copies a crash left when asked
    // to offer them, then the tip of the day when allowed.
    bool initInstance(bool offerTipOfTheDay, bool offerRecoveryCopies = false);

    CMainFrame *mainFrame() const { return m_frame.get(); }
    QSettings &settings() { return m_settings; }
    Prompter &prompter() { return m_prompter; }
    FileDialogs &fileDialogs() { return m_dialogs; }
    CompanyInfo &company() { return m_company; }
    ProjectRecovery &recovery() { return *m_recovery; }

    // Sets the company information from the dialog: status bar, registry.
    void setCompanyInfo(const CompanyInfo &company);

public slots:
    void onFileNew();
    void onFileOpen();
    // Opens `path`; an already open project is activated instead.
    bool openProjectFile(const QString &path);
    void onAppAbout();
    void onTipOfTheDay();
    // Closes every project with the save question, then the main frame;
    // returns false when the user cancelled.
    bool onAppExit();
    // Asks "发现未保存的项目恢复文件，是否恢复？" for each recovery copy left
    // by a crash: Yes opens it as a modified project, No deletes it.
    void offerRecovery();

private:
    QSettings &m_settings;
    Prompter &m_prompter;
    FileDialogs &m_dialogs;
    CompanyInfo m_company;
    // Before the frame: the project windows go first and leave their copies.
    std::unique_ptr<ProjectRecovery> m_recovery;
    std::unique_ptr<CMainFrame> m_frame;
};

} // namespace zelvan
