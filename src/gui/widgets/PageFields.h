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
// Whether a change marks the project modified is each page's own rule.
namespace PageFields {

enum class Marks { Modified, Nothing };

using TextAccess = std::function<std::string &()>;

TextAccess field(CZelvanDoc &doc, Field f);
TextAccess process(CZelvanDoc &doc, ProcessField f);

void bindEdit(CZelvanDoc &doc, QLineEdit *edit, TextAccess text, Marks marks);
void bindPlainText(CZelvanDoc &doc, QPlainTextEdit *edit, TextAccess text, Marks marks);
// A drop-down list storing the chosen item's text; a stored text that is not
// among the items shows no selection and stays as it is.
void bindComboText(CZelvanDoc &doc, QComboBox *box, TextAccess text, Marks marks);
// A drop-down list storing the chosen item's position as decimal text.
void bindComboIndex(CZelvanDoc &doc, QComboBox *box, TextAccess text, Marks marks);
// A date picker storing "%04d-%02d-%02d". A stored text that is no date
// shows `fallback` and stays unchanged until the user picks a date.
void bindDate(CZelvanDoc &doc, QDateEdit *edit, TextAccess text, Marks marks, const QDate &fallback);

// Year from the first 4 characters, month from the 2 starting at the sixth,
// day from the last 2, as the stored dates are laid out.
QDate parseStoredDate(const std::string &text);

QLineEdit *digitsOnly(QLineEdit *edit);

} // namespace PageFields
} // namespace zelvan
