#include "CliPrompter.h"

#include <cstdio>

namespace zelvan {

namespace {
void printLine(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fprintf(stderr, "%s\n", utf8.constData());
}
} // namespace

void CliPrompter::message(const QString &title, const QString &text, Icon)
{
    printLine(title + QLatin1String(": ") + text);
}

bool CliPrompter::askYesNo(const QString &title, const QString &text, Icon)
{
    printLine(title + QLatin1String(": ") + text + QStringLiteral(" -> 是"));
    return true;
}

Prompter::Answer CliPrompter::askYesNoCancel(const QString &title, const QString &text, Icon)
{
    printLine(title + QLatin1String(": ") + text + QStringLiteral(" -> 是"));
    return Answer::Yes;
}

void CliPrompter::progress(const QString &text)
{
    if (!text.isEmpty())
        printLine(text);
}

} // namespace zelvan
