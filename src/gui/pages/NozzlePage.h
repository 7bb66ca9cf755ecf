#pragma once

#include "core/project/VesselCodes.h"
#include "gui/widgets/TablePage.h"

#include <optional>

class QComboBox;
class QLineEdit;

namespace zelvan {

class VesselSketchWidget;

// "接管参数": the nozzles with their location, quadrant, azimuth coordinate
// and elevation, checked against the shell height or the head radius.
class NozzlePage : public TablePage {
    Q_OBJECT
public:
    NozzlePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    QLineEdit *numberEdit;
    QLineEdit *nameEdit;
    QComboBox *openingTypeList;
    QComboBox *nominalDiameterList;
    QComboBox *locationList;
    QComboBox *quadrantList;
    QLineEdit *azimuthEdit;
    QLineEdit *elevationEdit;
    QLineEdit *weldNumberEdit;
    QLineEdit *pipeSizeEdit;
    QLineEdit *outsideDiameterEdit;
    QLineEdit *thicknessEdit;
    QLineEdit *lengthEdit;
    QLineEdit *reinforcementSizeEdit;
    QLineEdit *reinforcementNoteEdit;
    // The vessel drawn to scale, redrawn after every change of the list.
    VesselSketchWidget *sketch;

private:
    std::optional<NozzleLocation> selectedLocation() const;
    std::optional<Quadrant> selectedQuadrant() const;
    void applyLocationRule();
    void applyQuadrantRule();
    QString entryCheck() const;
    QStringList composeRow() const;
    void loadRow(const QStringList &row);
};

} // namespace zelvan
