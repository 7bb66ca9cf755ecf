// zelvan-screenshots SAMPLE.pcp OUTDIR: opens the sample project in the
// main window and saves a picture of each geometry page and of the main
// dialogs, as the documentation shows them.
#include "gui/app/CChildFrame.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CZelvanApp.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/GuiPrompter.h"
#include "gui/dialogs/LayoutDialog.h"
#include "gui/pages/CZelvanView.h"
#include "gui/pages/PageHost.h"
#include "gui/pages/WeldingCardPage.h"
#include "gui/dialogs/QualificationLibraryDialog.h"
#include "core/project/CZelvanDoc.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool save(QWidget *widget, const QString &path)
{
    settle();
    const bool ok = widget->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: zelvan-screenshots SAMPLE.pcp OUTDIR\n");
        return 1;
    }
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(10);
    QApplication::setFont(font);
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    QTemporaryDir settingsDir;
    QSettings settings(settingsDir.filePath("settings.ini"), QSettings::IniFormat);
    settings.setValue("Tip/StartUp", 1);
    settings.setValue("Company/Name", QStringLiteral("岳川明压力容器制造有限公司"));
    zelvan::GuiPrompter prompter;
    zelvan::QtFileDialogs dialogs;
    zelvan::CZelvanApp zelvanApp(settings, prompter, dialogs);
    zelvanApp.initInstance(false);
    zelvan::CMainFrame *frame = zelvanApp.mainFrame();
    frame->showNormal();
    frame->resize(1440, 900);
    if (!zelvanApp.openProjectFile(QString::fromLocal8Bit(argv[1])))
        return 1;
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);

    zelvan::CZelvanView *view = frame->activeView();
    bool ok = save(frame, out + "/main-window.png");
    view->tabs()->setCurrentIndex(1);
    const QStringList pages = {"basic-info", "heads", "shell-courses", "nozzles", "plates"};
    for (int i = 0; i < pages.size(); ++i) {
        view->pageHost()->tabs()->setCurrentIndex(i);
        ok = save(frame, out + "/page-" + pages.at(i) + ".png") && ok;
    }
    view->pageHost()->tabs()->setCurrentIndex(7);
    ok = save(frame, out + "/page-process-card.png") && ok;
    // The welding procedure cards with the first card clicked: its own
    // consumables and parameters below.
    zelvan::WeldingCardPage *cards = view->pageHost()->weldingCardPage();
    view->pageHost()->tabs()->setCurrentIndex(8);
    cards->cards().list()->selectRow(0);
    cards->showRowsOfSelectedCard();
    ok = save(frame, out + "/page-welding-cards.png") && ok;

    // The parts, the welds and the tower parameters.
    view->pageHost()->tabs()->setCurrentIndex(5);
    ok = save(frame, out + "/page-parts.png") && ok;
    view->pageHost()->tabs()->setCurrentIndex(6);
    ok = save(frame, out + "/page-welds.png") && ok;
    view->pageHost()->tabs()->setCurrentIndex(9);
    ok = save(frame, out + "/page-tower-parameters.png") && ok;

    zelvan::LayoutDialog layout(view->document().record(), zelvanApp.company(), prompter, frame);
    layout.show();
    ok = save(&layout, out + "/dialog-layout.png") && ok;
    zelvan::QualificationLibraryDialog library(view->document(), prompter, frame);
    library.show();
    ok = save(&library, out + "/dialog-qualification-library.png") && ok;
    return ok ? 0 : 1;
}
