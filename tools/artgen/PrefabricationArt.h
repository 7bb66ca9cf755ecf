#pragma once

#include <QImage>

namespace zelvan {

// Technical sketches of the prefabrication and assembly cards: nozzle with
// flange, reinforcement ring, and the general assembly with the four axis
// lines, nozzle projection and orientation.
class PrefabricationArt
{
public:
    static QImage nozzleFlange();
    static QImage reinforcementRing();
    static QImage generalAssembly();
};

} // namespace zelvan
