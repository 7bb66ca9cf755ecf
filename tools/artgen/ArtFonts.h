#pragma once

#include <QFont>
#include <QString>

namespace zelvan {

// Fonts for the artwork. Every label is Chinese, so a CJK family is chosen
// by name from what the machine has; the Qt default is the last resort.
class ArtFonts
{
public:
    static QString sansFamily();
    static QFont sans(double pixelSize, bool bold = false);
    // Latin symbols on drawings (Di, δ, h) read better in a serif italic.
    static QFont symbol(double pixelSize);
};

} // namespace zelvan
