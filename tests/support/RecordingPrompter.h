#pragma once

#include "core/project/Prompter.h"

#include <QList>
#include <QString>

#include <deque>

namespace zelvan::test {

// A prompter for tests: records every message and question with its title,
// text and icon, and answers questions from a script. A question the script
// did not provide an answer for fails the running test (and is answered
// Cancel, or No for a yes/no question), so a new question cannot slip in
// unnoticed.
class RecordingPrompter : public Prompter {
public:
    struct Entry {
        enum Kind { Message, YesNo, YesNoCancel } kind;
        QString title;
        QString text;
        Icon icon;
    };

    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override;
    void progress(const QString &text) override { progressTexts.append(text); }

    void answer(Answer a) { m_answers.push_back(a); }
    void answerYes() { answer(Answer::Yes); }
    void answerNo() { answer(Answer::No); }
    void answerCancel() { answer(Answer::Cancel); }
    // Answers still waiting to be asked for.
    size_t pendingAnswers() const { return m_answers.size(); }

    QStringList texts() const;
    QString lastText() const { return entries.isEmpty() ? QString() : entries.last().text; }
    void clear() { entries.clear(); progressTexts.clear(); m_answers.clear(); }

    QList<Entry> entries;
    QStringList progressTexts;

private:
    Answer next(const QString &question);
    std::deque<Answer> m_answers;
};

} // namespace zelvan::test
