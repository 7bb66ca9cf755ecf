#pragma once

#include <QString>

namespace zelvan {

// Everything a check or a generator says to the user goes through this
// interface: the GUI shows message boxes, the CLI prints and answers, tests
// script the answers and assert the exact texts.
class Prompter {
public:
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompter() = default;

    // A message with an OK button.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    // A Yes/No question.
    virtual bool askYesNo(const QString &title, const QString &text, Icon icon = Icon::Question) = 0;
    // A Yes/No/Cancel question.
    virtual Answer askYesNoCancel(const QString &title, const QString &text, Icon icon = Icon::Question) = 0;
    // Progress text shown while a long export runs (status field of a page,
    // standard error for the CLI). Empty text clears it.
    virtual void progress(const QString &text) { (void)text; }

    // Shorthands for the two titles the program uses.
    void information(const QString &text) { message(titleInformation(), text, Icon::Information); }
    void error(const QString &text, Icon icon = Icon::Error) { message(titleError(), text, icon); }

    static QString titleInformation() { return QStringLiteral("提示"); }
    static QString titleError() { return QStringLiteral("错误"); }
};

} // namespace zelvan
