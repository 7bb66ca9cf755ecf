#pragma once

#include "gui/widgets/TablePage.h"

class QComboBox;
class QLineEdit;

namespace zelvan {

// "接管参数": the nozzles with their location, quadrant, azimuth coordinate
// and elevation, checked against the shell height or the head radius.
class NozzlePage : public TablePage {
    Q_OBJECT
public:
    NozzlePage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    static QString centreWord() { return QStringLiteral("圆心处"); }

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

private:
    void applyLocationRule(int locationIndex);
    void applyQuadrantRule(int quadrantIndex);
    QString rangeCheck() const;
    QStringList composeRow() const;
    void loadRow(const QStringList &row);
};

} // namespace zelvan
