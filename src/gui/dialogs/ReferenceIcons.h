#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zelvan {

// The 16×16 tree icons of the reference tools: a folder for steel classes and
// consumable categories, a steel bar for grades and consumables, and a
// highlighted steel bar. Pictures under "icons/" in the program directory take
// precedence; without them the icons are drawn here.
class ReferenceIcons {
public:
    enum class Image { Folder, Bar, BarSelected };

    static QPixmap pixmap(Image image);

    // Consumable selection: class nodes show the folder and switch to the bar
    // while selected; every other node shows the bar and switches to the
    // folder while selected.
    static QIcon selectionClassIcon();
    static QIcon selectionNodeIcon();
    // Drying and preheat trees: categories keep the folder, items show the bar
    // and the highlighted bar while selected.
    static QIcon categoryIcon();
    static QIcon itemIcon();

    // File names looked for under "icons/" in the program directory.
    static QString fileName(Image image);

private:
    static QPixmap draw(Image image);
};

} // namespace zelvan
