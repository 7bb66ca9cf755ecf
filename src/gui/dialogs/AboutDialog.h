#pragma once

#include <QDialog>

namespace zelvan {

// "关于": the program's name and version.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget *parent = nullptr);
};

} // namespace zelvan
