#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace zelvan {

class CZelvanDoc;
class Prompter;

// "封头参数": the heads, written straight into the record. The second-head
// group is kept hidden (the shop's vessels use the first head's data for
// both heads) but its values are loaded and saved.
class HeadPage : public QWidget {
    Q_OBJECT
public:
    HeadPage(CZelvanDoc &doc, Prompter &prompter, QWidget *parent = nullptr);

    // Picture names by head type index, for the first and the second head.
    static QString pictureName(int typeIndex);

    QComboBox *firstTypeList;
    QComboBox *firstMaterialList;
    QLineEdit *firstDiameterEdit;
    QLineEdit *firstThicknessEdit;
    QComboBox *secondTypeList;
    QComboBox *secondMaterialList;
    QLineEdit *secondDiameterEdit;
    QLineEdit *secondThicknessEdit;
    QGroupBox *secondGroup;
    QLabel *firstPicture;
    QLabel *secondPicture;

private:
    bool showPicture(QLabel *label, int typeIndex);

    Prompter &m_prompter;
};

} // namespace zelvan
