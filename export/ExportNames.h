#pragma once
// The names an export proposes and derives.

#include <QString>

// The advanced export counter of the store in force, or 0 (first use, or the store failed).
int NextExportNumber();

// "COMMA_" and the counter; when the counter is 0, "NOREG_" and randomDraw (0 to 32767)
// times 10000.
QString DefaultExportName(int counter, int randomDraw);

// The name of the comma backup of an HTML or XML export: the path with everything after the
// first dot of its file name replaced by "BCSV", or ".BCSV" appended when the file name has
// no dot. Dots in folder names are left alone.
QString BackupNameFor(const QString& name);
