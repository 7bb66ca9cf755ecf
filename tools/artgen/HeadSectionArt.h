#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace zelvan {

// Sections of the four head types the head page offers, with their main
// dimensions marked (Di, δ, h). The full picture goes into the head process
// card; the compact one (no legend, fewer dimensions, larger lettering) is
// the picture beside the head page's type list.
class HeadSectionArt
{
public:
    enum class Kind { Ellipsoidal, Conical, Flanged, FlatCover };

    static QImage render(Kind kind, QSize size, bool compact);
    static QString caption(Kind kind);
    static QString legend(Kind kind);
};

} // namespace zelvan
