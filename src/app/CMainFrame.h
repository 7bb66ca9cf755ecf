#pragma once

#include <QMainWindow>

namespace zelvan {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(QWidget *parent = nullptr);
};

} // namespace zelvan
