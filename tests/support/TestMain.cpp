// Shared main for every test executable: a QApplication when Qt Widgets are
// linked in (widget tests), a QGuiApplication otherwise, on the offscreen
// platform unless the environment says otherwise.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

namespace zelvan::test {
// Widget test executables define this to create a QApplication instead.
QCoreApplication *createWidgetApplication(int &argc, char **argv) __attribute__((weak));
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (zelvan::test::createWidgetApplication)
        app.reset(zelvan::test::createWidgetApplication(argc, argv));
    else
        app = std::make_unique<QGuiApplication>(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
