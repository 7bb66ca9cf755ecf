#include "gui/widgets/GrooveFormLists.h"

#include "core/project/Prompter.h"
#include "core/reference/GrooveFormCatalogue.h"
#include "gui/widgets/ListEditController.h"

namespace zelvan {

GrooveFormLists::GrooveFormLists(QWidget *page, Prompter &prompter, QString chooseKindFirst)
    : QObject(page)
    , m_kinds(new QComboBox(page))
    , m_grooves(new GrooveBox(page))
{
    m_kinds->addItems(GrooveFormCatalogue::weldKinds());
    m_kinds->setCurrentIndex(-1);
    m_grooves->mayOpen = [this, &prompter, chooseKindFirst] {
        if (m_kinds->currentIndex() >= 0)
            return true;
        prompter.message(Prompter::titleInformation(), chooseKindFirst, Prompter::Icon::None);
        return false;
    };
    connect(m_kinds, &QComboBox::currentIndexChanged, this, &GrooveFormLists::refill);
}

void GrooveFormLists::refill(int kindPosition)
{
    if (kindPosition < 0 || kindPosition >= m_kinds->count())
        return; // no kind chosen: the groove list stays as it is
    m_grooves->clear();
    m_grooves->addItems(GrooveFormCatalogue::grooveForms(kindPosition));
    m_grooves->setCurrentIndex(-1);
}

void GrooveFormLists::load(const QString &kind, const QString &groove)
{
    {
        // Selecting the kind refills only when it changes; the stored joint
        // is always shown against a fresh list of its own kind.
        const QSignalBlocker blocker(m_kinds);
        ListEditController::selectExactly(m_kinds, kind);
    }
    refill(m_kinds->currentIndex());
    ListEditController::selectExactly(m_grooves, groove);
}

} // namespace zelvan
