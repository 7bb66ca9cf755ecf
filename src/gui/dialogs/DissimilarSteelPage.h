#pragma once

#include <QWidget>

#include <optional>

class QLineEdit;
class QMenu;
class QTreeWidgetItem;

namespace zelvan {

class Prompter;
class ReferenceTree;
class ReportList;

// The "异种钢焊接" tab: assign a node of the group tree to steel 1 and another
// to steel 2 through the tree's context menu, and see the consumables for
// joining the two steel groups.
class DissimilarSteelPage : public QWidget {
    Q_OBJECT
public:
    enum class Steel { First, Second };

    DissimilarSteelPage(Prompter &prompter, QWidget *parent = nullptr);

    // Remembers the tree's selected node as steel 1 or 2 and looks up the
    // pair; without a selected node the user is told so.
    void assignSelected(Steel steel);
    // The context menu with its two commands; the caller owns it.
    QMenu *createSteelMenu(QWidget *parent);

    ReferenceTree *tree() const { return m_tree; }
    ReportList *manualArcList() const { return m_manualArc; }
    ReportList *submergedArcList() const { return m_submergedArc; }
    ReportList *argonArcList() const { return m_argonArc; }
    QLineEdit *steel1Field() const { return m_steel1Field; }
    QLineEdit *steel2Field() const { return m_steel2Field; }
    QLineEdit *remarkField() const { return m_remark; }

private:
    void showContextMenu(const QPoint &position);
    void lookUpPair();
    static std::optional<QString> groupOf(const QTreeWidgetItem *item);

    Prompter &m_prompter;
    ReferenceTree *m_tree;
    ReportList *m_manualArc;
    ReportList *m_submergedArc;
    ReportList *m_argonArc;
    QLineEdit *m_steel1Field;
    QLineEdit *m_steel2Field;
    QLineEdit *m_remark;
    // The remembered nodes; the tree lives as long as the page.
    QTreeWidgetItem *m_steel1 = nullptr;
    QTreeWidgetItem *m_steel2 = nullptr;
};

} // namespace zelvan
