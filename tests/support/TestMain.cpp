// Shared main for every test executable: a QApplication when Qt Widgets are
// linked in (widget tests), a QGuiApplication otherwise, on the offscreen
// platform unless the environment says otherwise.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <cstdio>
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
    const int result = RUN_ALL_TESTS();
    // A skipped test tested nothing: the run fails, naming each skip, so
    // a machine that lacks something a test needs cannot pass silently.
    const ::testing::UnitTest &unit = *::testing::UnitTest::GetInstance();
    if (unit.skipped_test_count() > 0) {
        for (int s = 0; s < unit.total_test_suite_count(); ++s) {
            const ::testing::TestSuite &suite = *unit.GetTestSuite(s);
            for (int t = 0; t < suite.total_test_count(); ++t) {
                const ::testing::TestInfo &info = *suite.GetTestInfo(t);
                if (info.result()->Skipped())
                    fprintf(stderr, "SKIPPED (counts as a failure): %s.%s\n", info.test_suite_name(), info.name());
            }
        }
        return 1;
    }
    return result;

}
