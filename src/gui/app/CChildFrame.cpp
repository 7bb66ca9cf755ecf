#include "gui/app/CChildFrame.h"

#include "gui/widgets/Icons.h"
#include "gui/pages/CZelvanView.h"
#include "core/project/CZelvanDoc.h"

#include <QCloseEvent>

namespace zelvan {

CChildFrame::CChildFrame(std::unique_ptr<CZelvanDoc> doc, CZelvanView *view, CloseCheck closeCheck, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_doc(std::move(doc))
    , m_view(view)
    , m_closeCheck(std::move(closeCheck))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
    setWindowIcon(Icons::appIcon());
    setWindowTitle(m_doc->title());
    connect(m_doc.get(), &CZelvanDoc::titleChanged, this, &QWidget::setWindowTitle);
}

CChildFrame::~CChildFrame()
{
    // The view and its pages refer to the document: destroy them first.
    delete widget();
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (!m_closeConfirmed && m_closeCheck && !m_closeCheck(*m_doc)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted())
        emit projectClosed(*m_doc);
}

} // namespace zelvan
