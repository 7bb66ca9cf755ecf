#include "gui/app/ProjectCommands.h"

#include "gui/widgets/FileDialogs.h"
#include "core/project/CZelvanDoc.h"
#include "core/project/ProjectLifecycle.h"
#include "core/project/Prompter.h"
#include "core/project/TextCodec.h"

namespace zelvan {
namespace ProjectCommands {

QString projectSaveFilter()
{
    return QStringLiteral("PCP file format(*.pcp)  (*.pcp);;All Files (*.*) (*)");
}

QString allFilesFilter()
{
    return QStringLiteral("所有文件 (*.*) (*)");
}

QString projectFolder(const CZelvanDoc &doc)
{
    QString file = doc.documentPath();
    if (file.isEmpty())
        file = doc.rememberedSavePath();
    return ProjectLifecycle::directoryOf(file);
}

namespace {
QString askProjectPath(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent)
{
    const QString path = dialogs.saveFile(parent, QStringLiteral("保存项目为"), projectSaveFilter(),
                                          fromGbk(doc.record().field(Field::ProjectName)), projectFolder(doc));
    if (path.isEmpty())
        prompter.message(Prompter::titleInformation(), QStringLiteral("未能保存项目！"), Prompter::Icon::Information);
    return path;
}

bool reportFailure(const FileResult &result, Prompter &prompter)
{
    if (!result.ok)
        prompter.error(result.message, Prompter::Icon::Warning);
    return result.ok;
}
} // namespace

bool save(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent)
{
    QString path = doc.rememberedSavePath();
    if (path.isEmpty()) {
        path = askProjectPath(doc, prompter, dialogs, parent);
        if (path.isEmpty())
            return false;
    }
    return reportFailure(doc.save(path), prompter);
}

bool saveAs(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent)
{
    const QString path = askProjectPath(doc, prompter, dialogs, parent);
    if (path.isEmpty())
        return false;
    return reportFailure(doc.saveAs(path), prompter);
}

bool queryClose(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent)
{
    if (!doc.isModified())
        return true;
    const QString name = ProjectLifecycle::closeQuestionName(doc.documentPath(), doc.title());
    switch (prompter.askYesNoCancel(Prompter::titleInformation(), ProjectLifecycle::closeQuestion(name),
                                    Prompter::Icon::Question)) {
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        return false;
    case Prompter::Answer::Yes:
        break;
    }
    QString path = doc.documentPath();
    if (path.isEmpty()) {
        QString proposed = doc.title();
        if (proposed.endsWith(QLatin1String(" *")))
            proposed.chop(2);
        path = dialogs.saveFile(parent, QStringLiteral("保存为"), allFilesFilter(), proposed, projectFolder(doc));
        if (path.isEmpty())
            return false;
    }
    return reportFailure(doc.saveOnClose(path), prompter);
}

} // namespace ProjectCommands
} // namespace zelvan
