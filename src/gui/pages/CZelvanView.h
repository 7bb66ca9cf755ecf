#pragma once

#include <QWidget>

class QTabWidget;

namespace zelvan {

class CZelvanDoc;
class PageHost;
class ProjectInfoPage;
class Prompter;

// The view of a project window: the tabs "项目信息" and "容器名称: " + the
// vessel name (as it was when the window opened).
class CZelvanView : public QWidget {
    Q_OBJECT
public:
    CZelvanView(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    CZelvanDoc &document() const { return m_doc; }
    QTabWidget *tabs() const { return m_tabs; }
    ProjectInfoPage *projectInfoPage() const { return m_info; }
    PageHost *pageHost() const { return m_host; }

private:
    CZelvanDoc &m_doc;
    QTabWidget *m_tabs;
    ProjectInfoPage *m_info;
    PageHost *m_host;
};

} // namespace zelvan
