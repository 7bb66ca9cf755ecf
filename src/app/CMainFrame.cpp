#include "CMainFrame.h"

namespace zelvan {

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("岳川明压力容器排版图软件"));
}

} // namespace zelvan
