#pragma once

#include <QString>

namespace zelvan {

// The program directory (the folder of the executable, with a trailing
// separator): data files, pictures and the CadIO library live there, in the
// build tree as in an installation.
QString programDirectory();
// Overrides the program directory (tests that need a folder of their own).
void setProgramDirectoryForTesting(const QString &directory);

} // namespace zelvan
