#include "core/export/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace zelvan {

BusyCursor::BusyCursor()
    : m_active(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
{
    if (m_active)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor()
{
    if (m_active)
        QGuiApplication::restoreOverrideCursor();
}

} // namespace zelvan
