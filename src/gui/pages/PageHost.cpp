#include "gui/pages/PageHost.h"

#include "gui/pages/BasicInfoPage.h"
#include "gui/pages/HeadPage.h"
#include "gui/pages/NozzlePage.h"
#include "gui/pages/PartsPage.h"
#include "gui/pages/PlatePage.h"
#include "gui/pages/ProcessCardPage.h"
#include "gui/pages/ShellCoursePage.h"
#include "gui/pages/TowerParametersPage.h"
#include "gui/pages/WeldingCardPage.h"
#include "gui/pages/WeldPage.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zelvan {

namespace {
// Pages are taller than a small screen; each sits in a scroll area so no
// control is ever out of reach.
QWidget *scrollable(QWidget *page)
{
    auto *area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}
} // namespace

PageHost::PageHost(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_tabs(new QTabWidget(this))
{
    m_basic = new BasicInfoPage(doc);
    m_heads = new HeadPage(doc, prompter);
    m_courses = new ShellCoursePage(doc, prompter);
    m_nozzles = new NozzlePage(doc, prompter);
    m_plates = new PlatePage(doc, prompter);
    m_tabs->addTab(scrollable(m_basic), QStringLiteral("基本信息"));
    m_tabs->addTab(scrollable(m_heads), QStringLiteral("封头参数"));
    m_tabs->addTab(m_courses, QStringLiteral("筒节参数"));
    m_tabs->addTab(m_nozzles, QStringLiteral("接管参数"));
    m_tabs->addTab(m_plates, QStringLiteral("板材参数"));
    m_parts = new PartsPage(doc, prompter);
    m_tabs->addTab(scrollable(m_parts), QStringLiteral("零件参数"));
    m_welds = new WeldPage(doc, prompter);
    m_tabs->addTab(scrollable(m_welds), QStringLiteral("焊缝参数"));
    m_processCard = new ProcessCardPage(doc, prompter);
    m_tabs->addTab(scrollable(m_processCard), QStringLiteral("产品工艺卡"));
    m_weldingCards = new WeldingCardPage(doc, prompter);
    m_tabs->addTab(scrollable(m_weldingCards), QStringLiteral("焊接工艺卡"));
    m_tower = new TowerParametersPage(doc, prompter);
    m_tabs->addTab(scrollable(m_tower), QStringLiteral("塔器参数"));
    m_tabs->setCurrentIndex(0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 0);
    layout->addWidget(m_tabs);
}

QWidget *PageHost::page(int index) const
{
    QWidget *w = m_tabs->widget(index);
    if (auto *area = qobject_cast<QScrollArea *>(w))
        return area->widget();
    return w;
}

} // namespace zelvan
