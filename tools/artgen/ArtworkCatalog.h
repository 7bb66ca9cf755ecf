#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace zelvan {

// Every picture the program and its documents load, with the path under the
// program directory it is written to. Paths (the program and the documents
// rely on these names):
//   工序图/工序图-<容器外设>.JPG   process flow diagram per external form
//   封头图/椭圆封头图.JPG, 锥形封头图.JPG, 法兰封头图.JPG, 平盖封头图.JPG
//   pics/接管法兰预制.JPG, pics/补强圈预制.JPG, pics/总装.JPG
//   icons/app.png (256), app-48.png, app-32.png, app-16.png   program icon
//   icons/new-project.png, open-project.png, save-project.png,
//         layout-drawing.png, consumable-selection.png, drying-parameters.png,
//         preheat-parameters.png, qualification-library.png, company-info.png,
//         help.png, exit.png (32 × 32)                   toolbar buttons
//   icons/tree-category.png, tree-item.png, tree-selected.png (16 × 16)
//   icons/lightbulb.png (48 × 48)                         tip of the day
//   icons/vessel-vertical.png, vessel-horizontal.png      add-vessel dialog
//   icons/head-ellipsoidal.png, head-conical.png, head-flanged.png, head-flat.png
//         (240 × 180)                                     head page
struct ArtworkItem
{
    QString relativePath;
    QString title;
    double printWidthCm = 0; // JPEG density so the word processor prints it this wide
    std::function<QImage()> draw;
};

class ArtworkCatalog
{
public:
    static QList<ArtworkItem> items();
    // Writes every item below programDirectory; false with a message on the
    // first file that cannot be written.
    static bool writeAll(const QString &programDirectory, QString *error);
    // One overview image of every picture, for the README.
    static QImage contactSheet();
};

} // namespace zelvan
