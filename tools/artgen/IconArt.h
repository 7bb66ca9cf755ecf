#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace zelvan {

// Icons of the program: the program icon, the toolbar buttons (32 × 32), the
// three 16 × 16 tree icons of the reference tools and the light bulb of the
// tip dialog. All share one palette and a dark outline so they read as a set.
class IconArt
{
public:
    static QImage appIcon(int size);
    // Toolbar icon names, in toolbar order: new-project, open-project,
    // save-project, layout-drawing, consumable-selection, drying-parameters,
    // preheat-parameters, qualification-library, company-info, help, exit.
    static QStringList toolbarNames();
    static QImage toolbar(const QString &name, int size = 32);
    // "category" (class or category node), "item" (grade or consumable), "selected".
    static QImage tree(const QString &name, int size = 16);
    static QImage lightBulb(int size);
};

} // namespace zelvan
