#include "gui/app/CZelvanApp.h"

#include "gui/dialogs/AboutDialog.h"
#include "gui/app/CMainFrame.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/dialogs/NewProjectDialog.h"
#include "gui/app/ProjectCommands.h"
#include "gui/app/ProjectRecovery.h"
#include "gui/dialogs/TipDialog.h"
#include "core/project/AppPaths.h"
#include "core/project/AppSettings.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectMessages.h"
#include "core/project/RecoveryStore.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"
#include "core/project/TipOfTheDay.h"

#include <QFileInfo>

namespace zelvan {

CZelvanApp::CZelvanApp(QSettings &settings, Prompter &prompter, FileDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_prompter(prompter)
    , m_dialogs(dialogs)
    , m_company(CompanyInfo::initial())
    , m_recovery(std::make_unique<ProjectRecovery>(RecoveryStore::defaultFolder()))
{
}

CZelvanApp::~CZelvanApp() = default;

bool CZelvanApp::initInstance(bool offerTipOfTheDay, bool offerRecoveryCopies)
{
    m_frame = std::make_unique<CMainFrame>(*this);
    const QString registeredName = AppSettings::companyName(m_settings);
    if (!registeredName.isEmpty())
        m_frame->setCompanyPane(registeredName);
    m_frame->showMaximized();
    if (offerRecoveryCopies)
        offerRecovery();
    if (offerTipOfTheDay && TipOfTheDay::showAtStartup(m_settings))
        onTipOfTheDay();
    return true;
}

void CZelvanApp::setCompanyInfo(const CompanyInfo &company)
{
    m_company = company;
    const QString name = fromGbk(company.name);
    m_frame->setCompanyPane(name);
    AppSettings::setCompanyName(m_settings, name);
}

void CZelvanApp::onFileNew()
{
    NewProjectDialog dialog(m_prompter, m_frame.get());
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto doc = std::make_unique<CZelvanDoc>(m_company);
    ProjectLifecycle::applyNewProject(doc->record(), dialog.values());
    doc->setTitle(dialog.values().projectName);
    m_prompter.message(Prompter::titleInformation(), QStringLiteral("项目创建完毕，请保存项目！"), Prompter::Icon::None);
    m_frame->addProjectWindow(std::move(doc));
}

void CZelvanApp::onFileOpen()
{
    CZelvanDoc *active = m_frame->activeDocument();
    const QString path = m_dialogs.openFile(m_frame.get(), QStringLiteral("打开"), ProjectCommands::allFilesFilter(),
                                            active ? ProjectCommands::projectFolder(*active) : QString());
    if (!path.isEmpty())
        openProjectFile(path);
}

bool CZelvanApp::openProjectFile(const QString &path)
{
    if (m_frame->activateProjectFile(path))
        return true;
    auto doc = std::make_unique<CZelvanDoc>(m_company);
    const FileResult result = doc->open(path);
    if (!result.ok) {
        m_prompter.error(result.message, Prompter::Icon::Warning);
        // A file that is gone (moved, deleted, a removed drive) leaves the
        // recent-file list instead of failing again at every choice.
        if (!QFileInfo::exists(path)) {
            AppSettings::removeRecentFile(m_settings, path);
            m_frame->refreshRecentFiles();
        }
        return false;
    }
    AppSettings::addRecentFile(m_settings, QFileInfo(path).absoluteFilePath());
    m_frame->addProjectWindow(std::move(doc));
    m_frame->refreshRecentFiles();
    return true;
}

void CZelvanApp::onAppAbout()
{
    AboutDialog dialog(m_frame.get());
    dialog.exec();
}

void CZelvanApp::onTipOfTheDay()
{
    TipDialog dialog(m_settings, programDirectory() + QLatin1String("tips.txt"), m_frame.get());
    dialog.exec();
}

bool CZelvanApp::onAppExit()
{
    if (!m_frame->closeAllProjects())
        return false;
    m_frame->closeWithoutAsking();
    return true;
}

void CZelvanApp::offerRecovery()
{
    RecoveryStore &store = m_recovery->store();
    for (const RecoveryEntry &entry : store.offers()) {
        if (!m_prompter.askYesNo(Prompter::titleInformation(), ProjectMessages::recoveryOffer(),
                                 Prompter::Icon::Question)) {
            store.remove(entry.key);
            continue;
        }
        auto doc = std::make_unique<CZelvanDoc>(m_company);
        const FileResult result = store.restore(entry, *doc);
        if (!result.ok) {
            // The copy stays for the next start.
            m_prompter.error(result.message, Prompter::Icon::Warning);
            continue;
        }
        CZelvanDoc *restored = doc.get();
        m_frame->addProjectWindow(std::move(doc));
        // The copy stays until the project is saved or closed, in case the
        // program stops again before the next copy.
        m_recovery->watch(*restored, entry.key);
    }
}

} // namespace zelvan
