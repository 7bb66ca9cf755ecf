#pragma once

#include <QComboBox>
#include <QObject>
#include <QString>

#include <functional>

namespace zelvan {

class Prompter;

// The two linked drop-down lists of a weld joint: the weld kind, then the
// groove form of that kind from the catalogue. Choosing another kind refills
// the groove list (the groove must be chosen again); opening the groove list
// before a kind is chosen shows the page's message instead.
class GrooveFormLists : public QObject {
    Q_OBJECT
public:
    // `chooseKindFirst` is the page's own wording of the missing choice.
    GrooveFormLists(QWidget *page, Prompter &prompter, QString chooseKindFirst);

    QComboBox *kindList() const { return m_kinds; }
    QComboBox *grooveList() const { return m_grooves; }

    // A stored joint back into the lists: the kind first, then its groove
    // list, then the groove by exact text (none when it is not in the list).
    void load(const QString &kind, const QString &groove);

private:
    class GrooveBox : public QComboBox {
    public:
        using QComboBox::QComboBox;
        std::function<bool()> mayOpen;
        void showPopup() override
        {
            if (!mayOpen || mayOpen())
                QComboBox::showPopup();
        }
    };

    void refill(int kindPosition);

    QComboBox *m_kinds;
    GrooveBox *m_grooves;
};

} // namespace zelvan
