#pragma once

#include <QString>

namespace core {

// Reads a text file: valid UTF-8 (with or without BOM) as UTF-8, anything else
// as GB18030. A file that cannot be read fails with the file error.
QString readTextFile(const QString& path);

// Writes text as GB18030, whole: the old file is replaced only once the new one
// is complete. A failed write fails with the file error and leaves the old file.
void writeTextFile(const QString& path, const QString& text);

// The folder of the program: the executable's folder, or the per-user data
// folder (with a copy of "files") when the executable's folder is read-only.
QString programFolder();

// The "files" folder beside the program.
QString filesFolder();

// The process's current folder: the program's folder once the program has
// entered it (enterProgramFolder), wherever it was started from.
QString workingFolder();

// Makes the program's folder the process's current folder, so that pages and
// files written into the current folder never land in the folder the program
// was started from (the home folder, for a program started from the menu).
// False, with the current folder unchanged, when that folder cannot be entered.
bool enterProgramFolder();

// Brings the copy of the shipped "files" in `copy` up to date with `shipped`:
// a missing file is copied, a file the program ships in a newer version
// replaces the older one, unless the user changed that copy; files that are
// not shipped (the user's own) are never touched. What was copied is
// recorded in `copy`/.shipped.
void followShippedFiles(const QString& shipped, const QString& copy);

// Points programFolder() elsewhere (tests use a scratch folder).
void setProgramFolder(const QString& folder);

} // namespace core
