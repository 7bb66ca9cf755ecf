#include "RecordingPrompter.h"

namespace zelvan::test {

void RecordingPrompter::message(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::Message, title, text, icon});
}

bool RecordingPrompter::askYesNo(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::YesNo, title, text, icon});
    return next() == Answer::Yes;
}

Prompter::Answer RecordingPrompter::askYesNoCancel(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::YesNoCancel, title, text, icon});
    return next();
}

QStringList RecordingPrompter::texts() const
{
    QStringList list;
    for (const Entry &e : entries)
        list.append(e.text);
    return list;
}

Prompter::Answer RecordingPrompter::next()
{
    if (m_answers.empty())
        return Answer::Yes;
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

} // namespace zelvan::test
