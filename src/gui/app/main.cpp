// zelvan: the desktop program.
#include "gui/app/CZelvanApp.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/GuiPrompter.h"
#include "core/project/AppSettings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(zelvan::AppSettings::kOrganization));
    QApplication::setApplicationName(QString::fromLatin1(zelvan::AppSettings::kApplication));

    // Standard buttons read 是(Y) / 否(N) / 取消 as on the shop's machines.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));

    // "-Embedding" and "-Automation" (a start by another program) show no
    // tip of the day; every other argument names a project to open, as a
    // file manager passes it on a double-click.
    const QStringList arguments = app.arguments().mid(1);
    const bool embedded = arguments.contains(QStringLiteral("-Embedding"))
        || arguments.contains(QStringLiteral("-Automation"));

    QSettings settings;
    zelvan::GuiPrompter prompter;
    zelvan::QtFileDialogs dialogs;
    zelvan::CZelvanApp zelvanApp(settings, prompter, dialogs);
    // Projects a crash left unsaved are offered before any file is opened,
    // so a project named on the command line opens as its recovered copy.
    if (!zelvanApp.initInstance(!embedded, true))
        return 1;
    for (const QString &argument : arguments)
        if (!argument.startsWith(QLatin1Char('-')))
            zelvanApp.openProjectFile(argument);
    return app.exec();
}
