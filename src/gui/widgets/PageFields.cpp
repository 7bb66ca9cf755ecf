#include "gui/widgets/PageFields.h"

#include "core/project/CZelvanDoc.h"
#include "core/project/TextCodec.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QMainWindow>
#include <QStatusBar>
#include <QTextCursor>
#include <QToolTip>
#include <QValidator>
#include <QCoreApplication>

#include <algorithm>

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
// Stores the text and marks the project when the stored bytes change; a
// change that leaves them as they were (or loading) marks nothing.
void store(CZelvanDoc &doc, const TextAccess &text, std::string value)
{
    if (text() == value)
        return;
    text() = std::move(value);
    doc.setModifiedFlag(true);
}

void explainRefusal(QWidget *field)
{
    const QString message = nonGbkMessage();
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), message, field);
    // The pages sit in the main window: its status bar says it too, for a
    // few seconds (a dialog has the tooltip only).
    if (auto *main = qobject_cast<QMainWindow *>(field->window()))
        main->statusBar()->showMessage(message, 5000);
}

// Drops what GBK cannot hold from whatever is typed or pasted.
class GbkValidator : public QValidator {
public:
    explicit GbkValidator(QLineEdit *edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString &input, int &pos) const override
    {
        const QString kept = withoutNonGbk(input);
        if (kept.size() != input.size()) {
            pos = std::max(0, std::min<int>(int(kept.size()), pos - int(input.size() - kept.size())));
            input = kept;
            explainRefusal(m_edit);
        }
        return Acceptable;
    }

private:
    QLineEdit *m_edit;
};
} // namespace

QString nonGbkMessage()
{
    return QStringLiteral("该字符无法保存（GBK编码不支持）");
}

QString withoutNonGbk(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    std::string scratch;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            kept.append(c);
            continue;
        }
        // A character outside the basic plane comes as a surrogate pair,
        // and GBK holds none of them.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (utf8ToGbkStrict(QString(c).toStdString(), scratch))
            kept.append(c);
    }
    return kept;
}

void refuseNonGbk(QLineEdit *edit)
{
    // A field with a validator of its own (digits only) takes no such
    // character anyway.
    if (!edit->validator())
        edit->setValidator(new GbkValidator(edit));
}

void refuseNonGbk(QPlainTextEdit *edit)
{
    if (edit->property("zelvanRefusesNonGbk").toBool())
        return;
    edit->setProperty("zelvanRefusesNonGbk", true);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        const QString kept = withoutNonGbk(text);
        if (kept.size() == text.size())
            return;
        const int cursor = edit->textCursor().position() - int(text.size() - kept.size());
        edit->setPlainText(kept);
        QTextCursor at = edit->textCursor();
        at.setPosition(std::clamp(cursor, 0, int(kept.size())));
        edit->setTextCursor(at);
        explainRefusal(edit);
    });
}

void refuseNonGbkIn(QWidget *root)
{
    for (QLineEdit *edit : root->findChildren<QLineEdit *>())
        refuseNonGbk(edit);
    for (QPlainTextEdit *edit : root->findChildren<QPlainTextEdit *>())
        refuseNonGbk(edit);
}

void bindEdit(CZelvanDoc &doc, QLineEdit *edit, TextAccess text)
{
    {
        const QSignalBlocker blocker(edit);
        edit->setText(fromGbk(text()));
    }
    refuseNonGbk(edit);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&doc, text](const QString &value) {
        store(doc, text, toGbk(value));
    });
}

void bindPlainText(CZelvanDoc &doc, QPlainTextEdit *edit, TextAccess text)
{
    {
        const QSignalBlocker blocker(edit);
        // Stored with Windows line ends; shown with the editor's own.
        QString shown = fromGbk(text());
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        edit->setPlainText(shown);
    }
    // Connected first, so the binding below stores the text already cleaned.
    refuseNonGbk(edit);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [&doc, edit, text] {
        QString value = edit->toPlainText();
        value.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        store(doc, text, toGbk(value));
    });
}

void bindComboText(CZelvanDoc &doc, QComboBox *box, TextAccess text)
{
    {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(box->findText(fromGbk(text()), Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
    QObject::connect(box, &QComboBox::activated, box, [&doc, box, text](int index) {
        if (index < 0)
            return;
        text() = toGbk(box->itemText(index));
        doc.setModifiedFlag(true);
    });
}

void bindComboIndex(CZelvanDoc &doc, QComboBox *box, TextAccess text)
{
    {
        const QSignalBlocker blocker(box);
        const std::string &stored = text();
        bool ok = false;
        const int index = QString::fromStdString(stored).toInt(&ok);
        box->setCurrentIndex(ok && index >= 0 && index < box->count() ? index : -1);
    }
    QObject::connect(box, &QComboBox::activated, box, [&doc, text](int index) {
        if (index < 0)
            return;
        text() = std::to_string(index);
        doc.setModifiedFlag(true);
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

void bindDate(CZelvanDoc &doc, QDateEdit *edit, TextAccess text, const QDate &fallback)
{
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    {
        const QSignalBlocker blocker(edit);
        const QDate stored = parseStoredDate(text());
        edit->setDate(stored.isValid() ? stored : (fallback.isValid() ? fallback : QDate::currentDate()));
    }
    QObject::connect(edit, &QDateEdit::dateChanged, edit, [&doc, text](const QDate &date) {
        store(doc, text, formatDate(date.year(), date.month(), date.day()));
    });
}

QLineEdit *digitsOnly(QLineEdit *edit)
{
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QComboBox *dropDown(QWidget *parent, const QStringList &items, bool editable, int minimumWidth)
{
    auto *box = new QComboBox(parent);
    box->setEditable(editable);
    box->addItems(items);
    box->setCurrentIndex(-1);
    if (minimumWidth > 0)
        box->setMinimumWidth(minimumWidth);
    return box;
}

} // namespace PageFields
} // namespace zelvan
