#include "ArtFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zelvan {

QString ArtFonts::sansFamily()
{
    static const QString chosen = [] {
        const QStringList preferred{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei"),
                                    QStringLiteral("Source Han Sans SC"), QStringLiteral("Microsoft YaHei"),
                                    QStringLiteral("SimHei"), QStringLiteral("Noto Sans SC")};
        const QStringList available = QFontDatabase::families();
        for (const QString &family : preferred) {
            if (available.contains(family))
                return family;
        }
        return QFont().family();
    }();
    return chosen;
}

QFont ArtFonts::sans(double pixelSize, bool bold)
{
    QFont font(sansFamily());
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont ArtFonts::symbol(double pixelSize)
{
    static const QString family = [] {
        const QStringList preferred{QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif"),
                                    QStringLiteral("Times New Roman"), QStringLiteral("Noto Serif CJK SC")};
        const QStringList available = QFontDatabase::families();
        for (const QString &name : preferred) {
            if (available.contains(name))
                return name;
        }
        return sansFamily();
    }();
    QFont font(family);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setItalic(true);
    return font;
}

} // namespace zelvan
