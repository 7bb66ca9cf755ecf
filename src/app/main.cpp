#include "app/CMainFrame.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvan::CMainFrame frame;
    frame.showMaximized();
    return app.exec();
}
