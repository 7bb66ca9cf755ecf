#include "gui/pages/CZelvanView.h"

#include "gui/pages/PageHost.h"
#include "gui/pages/ProjectInfoPage.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace zelvan {

CZelvanView::CZelvanView(CZelvanDoc &doc, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_tabs(new QTabWidget(this))
    , m_info(new ProjectInfoPage(doc))
    , m_host(new PageHost(doc, prompter))
{
    m_tabs->addTab(m_info, QStringLiteral("项目信息"));
    m_tabs->addTab(m_host, QStringLiteral("容器名称: ") + fromGbk(doc.record().field(Field::VesselName)));
    m_tabs->setCurrentIndex(0);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_tabs);
}

} // namespace zelvan
