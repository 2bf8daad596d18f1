#include "export/ExportWriting.h"

#include "dialogs/UnitBetaDialog.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "mainwindow/unitADIF_Form1.h"
#include "platform/TStringGrid.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

// The engine's code for a file that cannot be created.
constexpr std::int32_t kSaveCannotCreate = 998;

ExportWriteHook& WriteHook()
{
    static ExportWriteHook hook;
    return hook;
}

} // namespace

ExportEncoding ExportEncodingOf(TextEncoding encoding)
{
    return encoding == Latin1 ? ExportEncoding::Latin1 : ExportEncoding::Utf8;
}

TextEncoding TextEncodingOf(ExportEncoding encoding)
{
    return encoding == ExportEncoding::Latin1 ? Latin1 : Utf8;
}

std::string EngineFileName(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

bool NameIsTaken(const QString& name)
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(EngineFileName(name), error);
    return std::filesystem::exists(status);
}

void RefuseExport(TForm1& form, const ExportText& text)
{
    form.StringGrid1->SetCurrentCell(text.refusedCol, text.refusedRow);
    ShowProblem("Problem in data!",
                "A disallowed escape character was found.  Cannot save file.  See help file for information.");
}

ExportWrite SaveExportFile(TCommaFile& file, bool reopen)
{
    if (WriteHook())
        WriteHook()(file);
    const std::int32_t code = file.SaveToFile(reopen, TCommaFile::CreateMode::Exclusive);
    if (code == 0)
        return ExportWrite::Written;
    // The engine holds a stream only when it created the file in this call.
    if (file.Stream)
        DiscardWrittenFile(file);
    const bool taken = code == kSaveCannotCreate && file.OpenError == EEXIST;
    return taken ? ExportWrite::NameTaken : ExportWrite::Failed;
}

void DiscardWrittenFile(TCommaFile& file)
{
    file.Stream.reset();
    std::remove(file.FileName.c_str());
}

bool WriteDocumentExport(TForm1& form, const QString& name, const std::function<ExportText()>& build,
                         const QString& problemType)
{
    form.ExportNameTaken = false;
    try {
        ExportText text = build();
        if (text.refused) {
            RefuseExport(form, text);
            return false;
        }
        TCommaFile& file = *form.CommaFile;
        file.Text = std::move(text.bytes);
        file.FileName = EngineFileName(name);
        const ExportWrite outcome = SaveExportFile(file, true);
        form.ExportNameTaken = outcome == ExportWrite::NameTaken;
        return outcome == ExportWrite::Written;
    } catch (...) {
        ShowBetaInfo(&form, problemType, "Exception");
        return false;
    }
}

ScopedExportWriteHook::ScopedExportWriteHook(ExportWriteHook hook)
    : previous_(std::exchange(WriteHook(), std::move(hook)))
{
}

ScopedExportWriteHook::~ScopedExportWriteHook()
{
    WriteHook() = std::move(previous_);
}
