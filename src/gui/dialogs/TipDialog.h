#pragma once

#include "core/project/TipOfTheDay.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QSettings;

namespace zelvan {

// "每日一帖": a white panel with the light bulb, "你知道吗..." and the tip,
// the "启动时显示" check box and "下一条" / "关闭".
class TipDialog : public QDialog {
    Q_OBJECT
public:
    TipDialog(QSettings &settings, const QString &tipsPath, QWidget *parent = nullptr);
    ~TipDialog() override;

    QString tipText() const;
    QCheckBox *showAtStartupBox() const { return m_showAtStartup; }
    QPushButton *nextButton() const { return m_next; }

    void showNextTip();
    void done(int result) override;

private:
    std::unique_ptr<TipOfTheDay> m_tips;
    QLabel *m_tip;
    QCheckBox *m_showAtStartup;
    QPushButton *m_next;
    bool m_stored = false;
};

} // namespace zelvan
