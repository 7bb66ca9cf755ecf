// Widget tests need a QApplication; the shared test main creates it
// through this hook.
#include <QApplication>

namespace zelvan::test {
QCoreApplication *createWidgetApplication(int &argc, char **argv)
{
    return new QApplication(argc, argv);
}
} // namespace zelvan::test
