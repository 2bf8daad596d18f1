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

// How a write through SaveExportFile ended.
enum class ExportWrite {
    Written,
    // A file of that name appeared after the name was checked; it was left as it was.
    NameTaken,
    Failed,
};

// Runs the engine's SaveToFile, creating the file exclusively so that an existing file is
// never emptied. A write that fails after creating the file removes it, so that no
// half-written export stays behind.
ExportWrite SaveExportFile(TCommaFile& file, bool reopen);

// Removes the file that the engine object has just created, and closes it.
void DiscardWrittenFile(TCommaFile& file);

// The HTML and XML writers: builds the document, then writes it through the window's engine
// object, closing the file that object holds first. An unexpected failure is shown in the Beta
// Test Information dialog under problemType.
bool WriteDocumentExport(TForm1& form, const QString& name, const std::function<ExportText()>& build,
                         const QString& problemType);

// Called with the engine object just before it creates an export file, once the name has
// been checked. Tests use it to act between the check and the write.
using ExportWriteHook = std::function<void(TCommaFile& file)>;

// Installs a hook for the lifetime of the object; nests.
class ScopedExportWriteHook {
public:
    explicit ScopedExportWriteHook(ExportWriteHook hook);
    ~ScopedExportWriteHook();
    ScopedExportWriteHook(const ScopedExportWriteHook&) = delete;
    ScopedExportWriteHook& operator=(const ScopedExportWriteHook&) = delete;

private:
    ExportWriteHook previous_;
};
