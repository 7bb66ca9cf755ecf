#pragma once

#include "core/project/ProjectRecord.h"

#include <QDate>
#include <QString>

#include <functional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zelvan {

class CZelvanDoc;

// Binding of a page's controls to single fields of the record: each control
// shows its field when the page opens and writes it back at every change.
// Every change that alters the stored text marks the project modified, so a
// close never discards what was typed; loading a page marks nothing.
namespace PageFields {

using TextAccess = std::function<std::string &()>;

TextAccess field(CZelvanDoc &doc, Field f);
TextAccess process(CZelvanDoc &doc, ProcessField f);

// Edits also refuse characters GBK cannot hold (see refuseNonGbk).
void bindEdit(CZelvanDoc &doc, QLineEdit *edit, TextAccess text);
void bindPlainText(CZelvanDoc &doc, QPlainTextEdit *edit, TextAccess text);
// A drop-down list storing the chosen item's text; a stored text that is not
// among the items shows no selection and stays as it is. Choosing an item
// marks the project modified.
void bindComboText(CZelvanDoc &doc, QComboBox *box, TextAccess text);
// A drop-down list storing the chosen item's position as decimal text.
void bindComboIndex(CZelvanDoc &doc, QComboBox *box, TextAccess text);
// A date picker storing "%04d-%02d-%02d". A stored text that is no date
// shows `fallback` and stays unchanged until the user picks a date.
void bindDate(CZelvanDoc &doc, QDateEdit *edit, TextAccess text, const QDate &fallback);

// The project file stores GBK: a character it cannot hold (Korean, emoji,
// "Ø", "µ" ...) would become "?" on saving. Such characters are refused
// where they are typed or pasted: the field drops them, and the status bar
// and a tooltip at the field say why.
QString nonGbkMessage(); // "该字符无法保存（GBK编码不支持）"
// `text` without the characters GBK cannot hold.
QString withoutNonGbk(const QString &text);
void refuseNonGbk(QLineEdit *edit);
void refuseNonGbk(QPlainTextEdit *edit);
// Every free-text control under `root` (line edits without a validator of
// their own, editable drop-downs, multi-line edits).
void refuseNonGbkIn(QWidget *root);

// Year from the first 4 characters, month from the 2 starting at the sixth,
// day from the last 2, as the stored dates are laid out.
QDate parseStoredDate(const std::string &text);

QLineEdit *digitsOnly(QLineEdit *edit);

// A drop-down list with nothing chosen yet; `minimumWidth` keeps a list of
// short items from shrinking to them.
QComboBox *dropDown(QWidget *parent, const QStringList &items, bool editable = false, int minimumWidth = 0);

} // namespace PageFields
} // namespace zelvan
