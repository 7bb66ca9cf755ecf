#pragma once

#include "gui/widgets/FileDialogs.h"

#include <QStringList>

namespace zelvan::test {

// File dialogs answered from a script; records the titles and filters
// they were opened with.
class ScriptedFileDialogs : public FileDialogs {
public:
    QString openFile(QWidget *, const QString &title, const QString &filter, const QString &folder) override
    {
        titles.append(title);
        filters.append(filter);
        folders.append(folder);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString saveFile(QWidget *, const QString &title, const QString &filter, const QString &defaultName,
                     const QString &folder) override
    {
        titles.append(title);
        filters.append(filter);
        folders.append(folder);
        defaultNames.append(defaultName);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QStringList titles;
    QStringList filters;
    QStringList defaultNames;
    QStringList folders;
};

} // namespace zelvan::test
