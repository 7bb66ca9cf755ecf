#pragma once

#include "core/reference/ReferenceNode.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidgetItem;

namespace zelvan {

class ReferenceTree;
class ReportList;

// The frame shared by the drying and preheat tools: the caption citing the
// welding code, a tree headed "钢材类别" on the left, a headed two-column list
// on the right and "关闭". Each selection change hands the new item to
// showParameters().
class ParameterDialog : public QDialog {
    Q_OBJECT
public:
    ReferenceTree *tree() const { return m_tree; }
    ReportList *list() const { return m_list; }
    QLabel *caption() const { return m_caption; }
    QLabel *listHeading() const { return m_listHeading; }
    QPushButton *closeButton() const { return m_close; }

protected:
    struct Columns {
        QString first;
        int firstWidth;
        QString second;
        int secondWidth;
    };

    ParameterDialog(const QString &title, const std::vector<ReferenceNode> &nodes, const QString &listHeading,
                    const Columns &columns, QWidget *parent);

    // Called with the list already emptied.
    virtual void showParameters(QTreeWidgetItem *item) = 0;

private:
    ReferenceTree *m_tree;
    ReportList *m_list;
    QLabel *m_caption;
    QLabel *m_listHeading;
    QPushButton *m_close;
};

} // namespace zelvan
