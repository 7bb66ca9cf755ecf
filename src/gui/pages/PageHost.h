#pragma once

#include <QWidget>

class QTabWidget;

namespace zelvan {

class BasicInfoPage;
class CZelvanDoc;
class HeadPage;
class NozzlePage;
class PartsPage;
class PlatePage;
class ProcessCardPage;
class Prompter;
class ShellCoursePage;
class TowerParametersPage;
class WeldingCardPage;
class WeldPage;

// The second tab of a project window: the ten record pages, created once
// with the window in the order of their tabs.
class PageHost : public QWidget {
    Q_OBJECT
public:
    PageHost(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    BasicInfoPage *basicInfoPage() const { return m_basic; }
    HeadPage *headPage() const { return m_heads; }
    ShellCoursePage *shellCoursePage() const { return m_courses; }
    NozzlePage *nozzlePage() const { return m_nozzles; }
    PlatePage *platePage() const { return m_plates; }
    ProcessCardPage *processCardPage() const { return m_processCard; }
    WeldingCardPage *weldingCardPage() const { return m_weldingCards; }
    PartsPage *partsPage() const { return m_parts; }
    WeldPage *weldPage() const { return m_welds; }
    TowerParametersPage *towerParametersPage() const { return m_tower; }
    QWidget *page(int index) const;

private:
    QTabWidget *m_tabs;
    BasicInfoPage *m_basic;
    HeadPage *m_heads;
    ShellCoursePage *m_courses;
    NozzlePage *m_nozzles;
    PlatePage *m_plates;
    ProcessCardPage *m_processCard;
    WeldingCardPage *m_weldingCards;
    PartsPage *m_parts;
    WeldPage *m_welds;
    TowerParametersPage *m_tower;
};

} // namespace zelvan
