#pragma once

#include "core/project/Prompter.h"

#include <QList>
#include <QString>

#include <deque>

namespace zelvan::test {

// A prompter for tests. It records every message and question with its
// title, text and icon, and holds a script: the messages the test expects
// and the answers to the questions it expects, in the order they come.
// Anything the script did not foresee fails the running test: a message
// that is not the next expected one, a question without a scripted answer
// (answered Cancel, or No for a yes/no question), a question whose text
// differs from the scripted one. A script step still waiting when the test
// ends (or at verify() / clear()) fails the test too, so an answer the
// program never asked for cannot pass unnoticed.
class RecordingPrompter : public Prompter {
public:
    struct Entry {
        enum Kind { Message, YesNo, YesNoCancel } kind;
        QString title;
        QString text;
        Icon icon;
    };

    RecordingPrompter() = default;
    RecordingPrompter(const RecordingPrompter &) = delete;
    RecordingPrompter &operator=(const RecordingPrompter &) = delete;
    ~RecordingPrompter() override;

    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override;
    void progress(const QString &text) override { progressTexts.append(text); }

    // The next question is answered `a`; with a text, the question must be
    // exactly that text.
    void answer(Answer a, const QString &question = QString());
    void answerYes(const QString &question = QString()) { answer(Answer::Yes, question); }
    void answerNo(const QString &question = QString()) { answer(Answer::No, question); }
    void answerCancel(const QString &question = QString()) { answer(Answer::Cancel, question); }
    // The next thing shown is a message with exactly this text.
    void expectMessage(const QString &text);
    void expectMessages(const QStringList &texts)
    {
        for (const QString &t : texts)
            expectMessage(t);
    }

    // Script steps still waiting.
    size_t pendingAnswers() const { return m_script.size(); }
    // Fails the running test for every script step not yet used, then
    // drops them.
    void verify();

    QStringList texts() const;
    QString lastText() const { return entries.isEmpty() ? QString() : entries.last().text; }
    // Verifies the script, then forgets what was recorded.
    void clear();

    QList<Entry> entries;
    QStringList progressTexts;

private:
    struct Step {
        bool isMessage;
        Answer answer;
        QString text; // expected text; empty: any question
    };
    Answer next(const QString &question);
    std::deque<Step> m_script;
};

} // namespace zelvan::test
