#include "RecordingPrompter.h"

#include <gtest/gtest.h>

namespace zelvan::test {

RecordingPrompter::~RecordingPrompter()
{
    verify();
}

void RecordingPrompter::answer(Answer a, const QString &question)
{
    m_script.push_back({false, a, question});
}

void RecordingPrompter::expectMessage(const QString &text)
{
    m_script.push_back({true, Answer::Yes, text});
}

void RecordingPrompter::verify()
{
    for (const Step &s : m_script) {
        if (s.isMessage)
            ADD_FAILURE() << "expected message never shown: " << s.text.toStdString();
        else
            ADD_FAILURE() << "scripted answer never asked for"
                          << (s.text.isEmpty() ? std::string() : ": " + s.text.toStdString());
    }
    m_script.clear();
}

void RecordingPrompter::clear()
{
    verify();
    entries.clear();
    progressTexts.clear();
}

void RecordingPrompter::message(const QString &title, const QString &text, Icon icon)
{
    entries.append({Entry::Message, title, text, icon});
    if (m_script.empty() || !m_script.front().isMessage) {
        ADD_FAILURE() << "unexpected message: " << text.toStdString();
        return;
    }
    const Step s = m_script.front();
    m_script.pop_front();
    if (s.text != text)
        ADD_FAILURE() << "message\n  shown:    " << text.toStdString() << "\n  expected: " << s.text.toStdString();
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
    if (m_script.empty() || m_script.front().isMessage) {
        ADD_FAILURE() << "unexpected question: " << question.toStdString();
        return Answer::Cancel;
    }
    const Step s = m_script.front();
    m_script.pop_front();
    if (!s.text.isEmpty() && s.text != question)
        ADD_FAILURE() << "question\n  asked:    " << question.toStdString() << "\n  expected: " << s.text.toStdString();
    return s.answer;
}

} // namespace zelvan::test
