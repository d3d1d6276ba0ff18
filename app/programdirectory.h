#pragma once

// Where the program's files are: the ones it ships (sounds, pictures, help) and the ones it
// writes (settings, the hand-off file).

#include "storedfiles.h"

#include <QString>

// The folder of the shipped files: the executable's own folder when they stand beside it (build
// tree, unpacked archive), otherwise the installed data folder <prefix>/share/tavo.
QString ProgramDirectory();
QString ProgramDirectoryFor(const QString& executableDirectory);

// The program directory when the program may write there and is not installed (the build tree,
// an unpacked archive), else the user's configuration folder (created when needed).
QString DataDirectory(const QString& programDirectory);

// The user's data folder for schedules not yet saved and the locks on open files.
QString RecoveryDirectory();

// A shipped file looked up by name without regard to case, first in the current working folder
// and then in the program directory; empty when neither has it.
QString FindProgramFile(const QString& name, const QString& programDirectory);

// "NAME@2x.EXT" beside "NAME.EXT": the same picture drawn at twice the size, for a screen at
// scale factor 2.
QString HighDensityName(const QString& fileName);
