#pragma once

#include <QDialog>

class QTabWidget;

namespace zelvan {

class Prompter;
class SameSteelPage;
class DissimilarSteelPage;

// "常用焊材选择工具": consumables for one steel grade or for a joint of two
// steel groups. Reads nothing from a project; nothing survives closing it.
class ConsumableSelectionDialog : public QDialog {
    Q_OBJECT
public:
    ConsumableSelectionDialog(Prompter &prompter, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }
    SameSteelPage *sameSteelPage() const { return m_sameSteel; }
    DissimilarSteelPage *dissimilarPage() const { return m_dissimilar; }

private:
    QTabWidget *m_tabs;
    SameSteelPage *m_sameSteel;
    DissimilarSteelPage *m_dissimilar;
};

} // namespace zelvan
