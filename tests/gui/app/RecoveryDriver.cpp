// recovery_driver: the program as the crash test's child process runs it.
// It opens a project (or creates one never saved), types into its project
// name field through the real page, one key per change, and reports on
// standard output each recovery copy written ("written FILE") and the end of
// the typing ("typed"); then it keeps running until it is killed.
//
//   recovery_driver PROJECT.pcp KEYS [INTERVAL_MS]
//   recovery_driver --new NAME KEYS [INTERVAL_MS]
#include "gui/app/CMainFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/app/ProjectRecovery.h"
#include "gui/pages/CZelvanView.h"
#include "gui/widgets/FileDialogs.h"
#include "core/project/AppSettings.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectLifecycle.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

#include <QApplication>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace zelvan;

namespace {

// Nothing here may ask: a question would leave the child waiting forever.
class RefusingPrompter : public Prompter {
public:
    void message(const QString &title, const QString &text, Icon) override { fail(title, text); }
    bool askYesNo(const QString &title, const QString &text, Icon) override { return fail(title, text); }
    Answer askYesNoCancel(const QString &title, const QString &text, Icon) override
    {
        fail(title, text);
        return Answer::Cancel;
    }
    static bool fail(const QString &title, const QString &text)
    {
        std::fprintf(stderr, "unexpected prompt: %s: %s\n", qPrintable(title), qPrintable(text));
        std::fflush(stderr);
        ::_exit(3);
    }
};

class NoFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(QWidget *, const QString &, const QString &, const QString &, const QString &) override
    {
        return {};
    }
};

void say(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(AppSettings::kOrganization));
    QApplication::setApplicationName(QString::fromLatin1(AppSettings::kApplication));
    const QStringList args = app.arguments().mid(1);
    const bool fresh = args.value(0) == QLatin1String("--new");
    const QStringList rest = fresh ? args.mid(2) : args.mid(1);
    if (args.size() < (fresh ? 3 : 2))
        return 2;
    const int keys = rest.value(0).toInt();
    const int interval = rest.value(1).toInt();

    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    RefusingPrompter prompter;
    NoFileDialogs dialogs;
    CZelvanApp zelvan(settings, prompter, dialogs);
    if (!zelvan.initInstance(false))
        return 2;
    if (interval > 0)
        zelvan.recovery().setInterval(interval);
    QObject::connect(&zelvan.recovery(), &ProjectRecovery::written, [](const QString &file) {
        say(QStringLiteral("written ") + file);
    });

    if (fresh) {
        auto doc = std::make_unique<CZelvanDoc>(zelvan.company());
        ProjectLifecycle::NewProjectValues values;
        values.projectName = args.value(1);
        values.vesselType = VesselType::Vertical;
        values.vesselName = QStringLiteral("储罐");
        values.createdAt = QDateTime::currentDateTime();
        ProjectLifecycle::applyNewProject(doc->record(), values);
        doc->setTitle(values.projectName);
        zelvan.mainFrame()->addProjectWindow(std::move(doc));
    } else if (!zelvan.openProjectFile(args.value(0))) {
        return 2;
    }

    CZelvanDoc *doc = zelvan.mainFrame()->activeDocument();
    const QString name = fromGbk(doc->record().field(Field::ProjectName));
    QLineEdit *field = nullptr;
    for (QLineEdit *edit : zelvan.mainFrame()->activeView()->findChildren<QLineEdit *>())
        if (!edit->isReadOnly() && edit->text() == name) {
            if (field)
                return 4; // the name is shown twice: no telling which to type into
            field = edit;
        }
    if (!field)
        return 4;
    field->end(false);
    for (int i = 0; i < keys; ++i) {
        QTest::keyClick(field, char('0' + i % 10));
        QCoreApplication::processEvents();
    }
    say(QStringLiteral("typed ") + field->text());
    return app.exec();
}
