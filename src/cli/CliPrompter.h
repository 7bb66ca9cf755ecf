#pragma once

#include "core/project/Prompter.h"

namespace zelvan {

// The batch tool's prompter: messages go to standard error, every question
// is answered yes (the batch tool runs what the button would run).
class CliPrompter : public Prompter {
public:
    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Answer askYesNoCancel(const QString &title, const QString &text, Icon icon) override;
    void progress(const QString &text) override;
};

} // namespace zelvan
