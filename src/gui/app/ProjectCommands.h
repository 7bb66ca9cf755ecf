#pragma once

#include <QString>

class QWidget;

namespace zelvan {

class CZelvanDoc;
class FileDialogs;
class Prompter;

// Saving and closing a project: the rules of Ctrl+S and of the close-time
// save question, over the prompter and file-dialog interfaces.
namespace ProjectCommands {

// Filters of the two save dialogs and of the open dialog. The filter
// details are hidden, so the user sees the names only.
QString projectSaveFilter(); // "PCP file format(*.pcp) " / "All Files (*.*)"
QString allFilesFilter();    // "所有文件 (*.*)"

// Where the file dialogs of a project start: the folder of its file, or
// empty for a project never saved.
QString projectFolder(const CZelvanDoc &doc);

// Ctrl+S: the remembered path without a dialog, otherwise "保存项目为".
// Returns true when the project was written.
bool save(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent);
// "另存为": always the "保存项目为" dialog; the project then is the new file.
bool saveAs(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent);

// Before a project closes: true when it may close (saved, not modified, or
// the user said No); false keeps it open (Cancel, a cancelled dialog or a
// failed save).
bool queryClose(CZelvanDoc &doc, Prompter &prompter, FileDialogs &dialogs, QWidget *parent);

} // namespace ProjectCommands
} // namespace zelvan
