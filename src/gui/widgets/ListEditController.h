#pragma once

#include "core/project/ProjectRecord.h"
#include "core/project/Prompter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QComboBox;
class QPushButton;
class QTableWidget;
class QWidget;

namespace zelvan {

class CZelvanDoc;
class ListRowStore;

// The one list-editing mechanism of every table page: entry controls above
// a report list, "添加" / "删除" / "保存", the context menu "修改记录" /
// "删除记录", double-click to modify, and after every change the whole list
// copied back into the record's table. A page declares its columns, binds
// its controls and gives its checks; it never repeats this logic.
class ListEditController : public QObject {
    Q_OBJECT
public:
    struct Column {
        QString header;
        int width;
    };

    ListEditController(CZelvanDoc &doc, TableId table, Prompter &prompter, QWidget *page);

    // The list control and the three buttons, for the page to lay out.
    QTableWidget *list() const { return m_list; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *deleteButton() const { return m_delete; }
    QPushButton *saveButton() const { return m_save; }

    void setColumns(const QList<Column> &columns);
    void setMultiSelection(bool multi);
    // Binds a column to a control (QLineEdit, QComboBox, QTextEdit,
    // QPlainTextEdit, QDateEdit): its text forms the cell on add, and the
    // cell is loaded back into it on modify.
    void bindColumn(int column, QWidget *control);
    // A required entry, checked in the order of the calls; an empty edit or
    // a drop-down without selection shows `message`.
    void addRequired(QWidget *control, const QString &message);
    // The common case: column i bound to controls[i], required with
    // messages[i] (in column order) unless that message is empty.
    void bindColumns(const QList<QWidget *> &controls, const QStringList &messages);
    // Replaces the default composition or loading of a row (a page whose
    // column is made of two controls, for example).
    void setRowComposer(std::function<QStringList()> composer) { m_composer = std::move(composer); }
    void setRowLoader(std::function<void(const QStringList &)> loader) { m_loader = std::move(loader); }
    // A further check after the required ones (range checks); returns the
    // message to show, or an empty string.
    void setExtraCheck(std::function<QString(const QStringList &row)> check) { m_extraCheck = std::move(check); }

    // The qualification library words this message with an ASCII comma.
    void setModifyWithoutSelectionMessage(const QString &text, Prompter::Icon icon = Prompter::Icon::None)
    {
        m_modifyWithoutSelection = text;
        m_modifyWithoutSelectionIcon = icon;
    }
    // A delete question that names the (first) selected row.
    void setDeleteQuestion(std::function<QString(const QStringList &row)> question) { m_deleteQuestion = std::move(question); }
    // Rows kept by `store` (not owned) instead of the whole table copied
    // back: the list shows the store's rows, add, delete and update go
    // through it (an update keeps the row's place), its refusal is checked
    // after the required entries, and a delete removes the first selected
    // row only. Set before the list is loaded.
    void setRowStore(ListRowStore *store) { m_store = store; }

    // Fills the list from the record (page creation), or from the row store
    // when there is one (also after the store changed what it shows).
    void loadFromRecord();
    // The rows as shown (Unicode).
    QList<QStringList> rows() const;
    bool isModifying() const { return m_modifying; }

    // The pattern's operations, also reached by buttons and menus.
    void add();
    void remove();
    void modify();
    void update();
    // The context menu's two commands (with the "nothing selected" rule).
    void contextModify();
    void contextDelete();

    // Text helpers shared by pages: the text a control contributes, and
    // loading a text into a control (drop-down lists select by exact text,
    // none when absent).
    static QString controlText(QWidget *control);
    static bool controlIsEmpty(QWidget *control);
    static void setControlText(QWidget *control, const QString &text);
    static void selectExactly(QComboBox *box, const QString &text);

    static QString capacityMessage(int capacity);

signals:
    void changed();

private:
    QStringList composeRow() const;
    QString firstFailedCheck(const QStringList &row, int replacing = -1) const;
    bool tableFull() const;
    void updateInStore();
    void appendRow(const QStringList &cells, const QList<QByteArray> &stored = {});
    void replaceRow(int row, const QStringList &cells);
    void copyBackToRecord();
    QList<int> selectedRows() const;
    void setModifying(bool modifying);
    void showContextMenu(const QPoint &pos);

    CZelvanDoc &m_doc;
    TableId m_table;
    Prompter &m_prompter;
    QWidget *m_page;
    QTableWidget *m_list;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_save;
    QList<QWidget *> m_bindings;
    QList<QPair<QWidget *, QString>> m_required;
    std::function<QStringList()> m_composer;
    std::function<void(const QStringList &)> m_loader;
    std::function<QString(const QStringList &)> m_extraCheck;
    QString m_modifyWithoutSelection = QStringLiteral("所选记录为空，无法修改！");
    Prompter::Icon m_modifyWithoutSelectionIcon = Prompter::Icon::None;
    std::function<QString(const QStringList &)> m_deleteQuestion;
    ListRowStore *m_store = nullptr;
    bool m_modifying = false;
};

} // namespace zelvan
