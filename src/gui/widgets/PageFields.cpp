#include "gui/widgets/PageFields.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace zelvan {
namespace PageFields {

TextAccess field(CZelvanDoc &doc, Field f)
{
    return [&doc, f]() -> std::string & { return doc.record().field(f); };
}

TextAccess process(CZelvanDoc &doc, ProcessField f)
{
    return [&doc, f]() -> std::string & { return doc.record().process(f); };
}

namespace {
void markIf(CZelvanDoc &doc, Marks marks)
{
    if (marks == Marks::Modified)
        doc.setModifiedFlag(true);
}
} // namespace

void bindEdit(CZelvanDoc &doc, QLineEdit *edit, TextAccess text, Marks marks)
{
    {
        const QSignalBlocker blocker(edit);
        edit->setText(fromGbk(text()));
    }
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&doc, text, marks](const QString &value) {
        text() = toGbk(value);
        markIf(doc, marks);
    });
}

void bindPlainText(CZelvanDoc &doc, QPlainTextEdit *edit, TextAccess text, Marks marks)
{
    {
        const QSignalBlocker blocker(edit);
        // Stored with Windows line ends; shown with the editor's own.
        QString shown = fromGbk(text());
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        edit->setPlainText(shown);
    }
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&doc, edit, text, marks] {
        QString value = edit->toPlainText();
        value.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        text() = toGbk(value);
        markIf(doc, marks);
    });
}

void bindComboText(CZelvanDoc &doc, QComboBox *box, TextAccess text, Marks marks)
{
    {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(box->findText(fromGbk(text()), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    QObject::connect(box, &QComboBox::activated, box, [&doc, box, text, marks](int index) {
        if (index < 0)
            return;
        text() = toGbk(box->itemText(index));
        markIf(doc, marks);
    });
}

void bindComboIndex(CZelvanDoc &doc, QComboBox *box, TextAccess text, Marks marks)
{
    {
        const QSignalBlocker blocker(box);
        const std::string &stored = text();
        bool ok = false;
        const int index = QString::fromStdString(stored).toInt(&ok);
        box->setCurrentIndex(ok && index >= 0 && index < box->count() ? index : -1);
    }
    QObject::connect(box, &QComboBox::activated, box, [&doc, text, marks](int index) {
        if (index < 0)
            return;
        text() = std::to_string(index);
        markIf(doc, marks);
    });
}

QDate parseStoredDate(const std::string &text)
{
    if (text.size() < 2)
        return QDate();
    const int year = leadingInt(text.substr(0, 4));
    const int month = text.size() > 5 ? leadingInt(text.substr(5, 2)) : 0;
    const int day = leadingInt(text.substr(text.size() - 2));
    return QDate(year, month, day);
}

void bindDate(CZelvanDoc &doc, QDateEdit *edit, TextAccess text, Marks marks, const QDate &fallback)
{
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    {
        const QSignalBlocker blocker(edit);
        const QDate stored = parseStoredDate(text());
        edit->setDate(stored.isValid() ? stored : (fallback.isValid() ? fallback : QDate::currentDate()));
    }
    QObject::connect(edit, &QDateEdit::dateChanged, edit, [&doc, text, marks](const QDate &date) {
        text() = formatDate(date.year(), date.month(), date.day());
        markIf(doc, marks);
    });
}

QLineEdit *digitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace PageFields
} // namespace zelvan
