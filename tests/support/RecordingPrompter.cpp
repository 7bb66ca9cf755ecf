#include "RecordingPrompter.h"

#include <gtest/gtest.h>

namespace zelvan::test {

void RecordingPrompter::message(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::Message, title, text, icon});
}

bool RecordingPrompter::askYesNo(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::YesNo, title, text, icon});
    return next(text) == Answer::Yes;
}

Prompter::Answer RecordingPrompter::askYesNoCancel(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::YesNoCancel, title, text, icon});
    return next(text);
}

QStringList RecordingPrompter::texts() const
{
    QStringList list;
    for (const Entry &e : entries)
        list.append(e.text);
    return list;
}

Prompter::Answer RecordingPrompter::next(const QString &question)
{
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return Answer::Cancel;
    }
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

} // namespace zelvan::test
