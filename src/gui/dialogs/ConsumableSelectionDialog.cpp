#include "gui/dialogs/ConsumableSelectionDialog.h"

#include "gui/dialogs/DissimilarSteelPage.h"
#include "core/reference/ReferenceMessages.h"
#include "gui/dialogs/SameSteelPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace zelvan {

ConsumableSelectionDialog::ConsumableSelectionDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget(this))
    , m_sameSteel(new SameSteelPage(m_tabs))
    , m_dissimilar(new DissimilarSteelPage(prompter, m_tabs))
{
    setWindowTitle(ReferenceMessages::consumableTitle());
    setModal(true);
    m_tabs->addTab(m_sameSteel, ReferenceMessages::sameSteelTab());
    m_tabs->addTab(m_dissimilar, ReferenceMessages::dissimilarTab());
    m_tabs->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 15);
    layout->addWidget(m_tabs);
}

} // namespace zelvan
