#include "gui/dialogs/TipDialog.h"

#include "gui/widgets/Icons.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace zelvan {

TipDialog::TipDialog(QSettings &settings, const QString &tipsPath, QWidget *parent)
    : QDialog(parent)
    , m_tips(std::make_unique<TipOfTheDay>(settings, tipsPath))
    , m_tip(new QLabel(this))
    , m_showAtStartup(new QCheckBox(QStringLiteral("启动时显示"), this))
    , m_next(new QPushButton(QStringLiteral("下一条"), this))
{
    setWindowTitle(QStringLiteral("每日一帖"));
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);

    auto *bulb = new QLabel(panel);
    bulb->setPixmap(Icons::pixmap(QStringLiteral("lightbulb")));
    auto *heading = new QLabel(QStringLiteral("你知道吗..."), panel);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    heading->setFont(headingFont);
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_tip->setMinimumSize(380, 120);

    auto *headRow = new QHBoxLayout;
    headRow->addWidget(bulb, 0, Qt::AlignTop);
    headRow->addWidget(heading, 1, Qt::AlignVCenter);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(headRow);
    panelLayout->addWidget(m_tip, 1);

    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_showAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(m_next);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);

    m_showAtStartup->setChecked(TipOfTheDay::showAtStartup(settings));
    m_next->setEnabled(m_tips->fileOpen());
    m_tip->setText(m_tips->currentTip());
    connect(m_next, &QPushButton::clicked, this, &TipDialog::showNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

TipDialog::~TipDialog() = default;

QString TipDialog::tipText() const
{
    return m_tip->text();
}

void TipDialog::showNextTip()
{
    m_tips->next();
    m_tip->setText(m_tips->currentTip());
}

void TipDialog::done(int result)
{
    if (!m_stored) {
        m_tips->close(m_showAtStartup->isChecked());
        m_stored = true;
    }
    QDialog::done(result);
}

} // namespace zelvan
