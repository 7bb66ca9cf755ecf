#pragma once

#include <QString>

namespace zelvan {

// The program directory (the folder of the executable, with a trailing
// separator): data files, pictures and the CadIO library live there, in the
// build tree as in an installation.
QString programDirectory();
// Where the process sketches are written and read back from: "pics/" of
// the program directory when that folder can be written (the shop's
// installations), otherwise a "pics/" folder in the user's own data folder,
// so a program installed read-only still draws its sketches.
QString sketchDirectory(const QString &programDirectory);

// Overrides the program directory (tests that need a folder of their own).
void setProgramDirectoryForTesting(const QString &directory);

} // namespace zelvan
