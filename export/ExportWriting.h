#pragma once
// What the three export writers share: the encoding of the window's file, the path as the
// engine takes it, the refusal of a grid holding a disallowed character, and the write itself.

#include "export/ExportText.h"
#include "platform/TextEncoding.h"

#include <QString>
#include <functional>
#include <string>

class TCommaFile;
class TForm1;

ExportEncoding ExportEncodingOf(TextEncoding encoding);
TextEncoding TextEncodingOf(ExportEncoding encoding);

// The path in the file system's own bytes.
std::string EngineFileName(const QString& name);

// True when anything, a dangling link included, has the name.
bool NameIsTaken(const QString& name);

// Makes the refused cell the grid's current cell and shows the "Problem in data!" message.
void RefuseExport(TForm1& form, const ExportText& text);

// Runs the engine's SaveToFile; true when it answers 0. A failed write removes what it left
// of a file it created, so that no half-written export stays behind.
bool SaveExportFile(TCommaFile& file, bool reopen);

// The HTML and XML writers: builds the document, then writes it through the window's engine
// object, closing the file that object holds first. An unexpected failure is shown in the Beta
// Test Information dialog under problemType.
bool WriteDocumentExport(TForm1& form, const QString& name, const std::function<ExportText()>& build,
                         const QString& problemType);
