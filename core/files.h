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

// The process's current folder.
QString workingFolder();

// Points programFolder() elsewhere (tests use a scratch folder).
void setProgramFolder(const QString& folder);

} // namespace core
