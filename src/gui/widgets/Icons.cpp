#include "gui/widgets/Icons.h"

#include "core/project/AppPaths.h"

#include <QFile>

namespace zelvan {
namespace Icons {

QPixmap pixmap(const QString &name)
{
    const QString path = programDirectory() + QLatin1String("icons/") + name + QLatin1String(".png");
    return QFile::exists(path) ? QPixmap(path) : QPixmap();
}

QIcon icon(const QString &name)
{
    const QPixmap p = pixmap(name);
    return p.isNull() ? QIcon() : QIcon(p);
}

QIcon appIcon()
{
    return icon(QStringLiteral("app"));
}

} // namespace Icons
} // namespace zelvan
