#pragma once

#include <QWidget>

class QLineEdit;
class QTreeWidgetItem;

namespace zelvan {

class ReferenceTree;
class ReportList;
struct ConsumableRecommendation;

// The "同种钢焊接" tab: pick a grade in the class tree and see the consumables
// for joining it to itself.
class SameSteelPage : public QWidget {
    Q_OBJECT
public:
    explicit SameSteelPage(QWidget *parent = nullptr);

    ReferenceTree *tree() const { return m_tree; }
    ReportList *manualArcList() const { return m_manualArc; }
    ReportList *submergedArcList() const { return m_submergedArc; }
    ReportList *argonArcList() const { return m_argonArc; }
    QLineEdit *co2Field() const { return m_co2; }

private:
    void showGrade(QTreeWidgetItem *item);
    void show(const ConsumableRecommendation &recommendation);

    ReferenceTree *m_tree;
    ReportList *m_manualArc;
    ReportList *m_submergedArc;
    ReportList *m_argonArc;
    QLineEdit *m_co2;
};

} // namespace zelvan
