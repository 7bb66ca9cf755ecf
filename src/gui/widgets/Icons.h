#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zelvan {

// Pictures drawn by the artwork tool and placed in "icons/" beside the
// program. A missing file yields an empty icon or pixmap (the caller's
// widgets stay usable).
namespace Icons {
QIcon icon(const QString &name);
QPixmap pixmap(const QString &name);
QIcon appIcon();
} // namespace Icons

} // namespace zelvan
