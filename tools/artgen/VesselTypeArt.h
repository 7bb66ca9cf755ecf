#pragma once

#include <QImage>
#include <QSize>

namespace zelvan {

// Pictures of the two vessel types offered by the add-vessel dialog: a
// vertical cylindrical vessel on legs and a horizontal one on saddles.
class VesselTypeArt
{
public:
    static QImage vertical(QSize size);
    static QImage horizontal(QSize size);
};

} // namespace zelvan
