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

    // The command line only decides whether the tip of the day may show; a
    // project named on it is not opened.
    const bool embedded = app.arguments().contains(QStringLiteral("-Embedding"))
        || app.arguments().contains(QStringLiteral("-Automation"));

    QSettings settings;
    zelvan::GuiPrompter prompter;
    zelvan::QtFileDialogs dialogs;
    zelvan::CZelvanApp zelvanApp(settings, prompter, dialogs);
    if (!zelvanApp.initInstance(!embedded))
        return 1;
    return app.exec();
}
