#include "gui/dialogs/ReferenceIcons.h"

#include "core/project/AppPaths.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

namespace zelvan {

namespace {
constexpr int kSize = 16;
}

QString ReferenceIcons::fileName(Image image)
{
    switch (image) {
    case Image::Folder:
        return QStringLiteral("tree-category.png");
    case Image::Bar:
        return QStringLiteral("tree-item.png");
    case Image::BarSelected:
        return QStringLiteral("tree-selected.png");
    }
    return QString();
}

QPixmap ReferenceIcons::pixmap(Image image)
{
    const QString path = programDirectory() + QStringLiteral("icons/") + fileName(image);
    if (QFile::exists(path)) {
        QPixmap loaded(path);
        if (!loaded.isNull())
            return loaded.size() == QSize(kSize, kSize)
                ? loaded
                : loaded.scaled(kSize, kSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return draw(image);
}

QPixmap ReferenceIcons::draw(Image image)
{
    QPixmap pix(kSize, kSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (image == Image::Folder) {
        // A manila folder: tab on the back leaf, front leaf over it.
        QPainterPath back;
        back.moveTo(1.5, 3.5);
        back.lineTo(6.0, 3.5);
        back.lineTo(7.5, 5.0);
        back.lineTo(14.5, 5.0);
        back.lineTo(14.5, 13.5);
        back.lineTo(1.5, 13.5);
        back.closeSubpath();
        p.setPen(QPen(QColor(0x9a, 0x6b, 0x12), 1.0));
        p.setBrush(QColor(0xe8, 0xb8, 0x4a));
        p.drawPath(back);
        p.setBrush(QColor(0xf7, 0xd3, 0x76));
        p.drawRect(QRectF(1.5, 6.5, 13.0, 7.0));
    } else {
        // A bar of rolled steel seen end-on and along its length; the
        // highlighted variant is warm, as a bar out of the furnace.
        const bool hot = image == Image::BarSelected;
        const QColor face = hot ? QColor(0xf0, 0x7a, 0x2a) : QColor(0x7d, 0x9c, 0xc0);
        const QColor top = hot ? QColor(0xff, 0xc0, 0x70) : QColor(0xc8, 0xd8, 0xea);
        const QColor edge = hot ? QColor(0x9c, 0x3a, 0x08) : QColor(0x34, 0x4e, 0x6e);
        p.setPen(QPen(edge, 1.0));
        QPolygonF upper;
        upper << QPointF(1.5, 7.5) << QPointF(5.5, 3.5) << QPointF(14.5, 3.5) << QPointF(10.5, 7.5);
        p.setBrush(top);
        p.drawPolygon(upper);
        QPolygonF side;
        side << QPointF(10.5, 7.5) << QPointF(14.5, 3.5) << QPointF(14.5, 8.5) << QPointF(10.5, 12.5);
        p.setBrush(face.darker(130));
        p.drawPolygon(side);
        p.setBrush(face);
        p.drawRect(QRectF(1.5, 7.5, 9.0, 5.0));
    }
    p.end();
    return pix;
}

namespace {
QIcon twoState(const QPixmap &normal, const QPixmap &selected)
{
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    icon.addPixmap(normal, QIcon::Active);
    icon.addPixmap(selected, QIcon::Selected);
    return icon;
}
} // namespace

QIcon ReferenceIcons::selectionClassIcon()
{
    return twoState(pixmap(Image::Folder), pixmap(Image::Bar));
}

QIcon ReferenceIcons::selectionNodeIcon()
{
    return twoState(pixmap(Image::Bar), pixmap(Image::Folder));
}

QIcon ReferenceIcons::categoryIcon()
{
    return twoState(pixmap(Image::Folder), pixmap(Image::Folder));
}

QIcon ReferenceIcons::itemIcon()
{
    return twoState(pixmap(Image::Bar), pixmap(Image::BarSelected));
}

} // namespace zelvan
