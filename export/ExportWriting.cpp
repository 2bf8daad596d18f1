// Built once the engine and the grid are part of the tree.
#include "export/ExportWriting.h"

#include "dialogs/UnitBetaDialog.h"
#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "mainwindow/unitADIF_Form1.h"
#include "platform/TStringGrid.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace {

// The engine's codes for a write that stopped part way (a failure raised, the stream failed).
constexpr std::int32_t kSaveRaisedFailure = 993;
constexpr std::int32_t kSaveStreamFailed = 997;

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

bool SaveExportFile(TCommaFile& file, bool reopen)
{
    const QString name = QFile::decodeName(QByteArray::fromStdString(file.FileName));
    const bool existed = NameIsTaken(name);
    const std::int32_t code = file.SaveToFile(reopen);
    if (code == 0)
        return true;
    if (!existed && (code == kSaveStreamFailed || code == kSaveRaisedFailure))
        QFile::remove(name);
    return false;
}

bool WriteDocumentExport(TForm1& form, const QString& name, const std::function<ExportText()>& build,
                         const QString& problemType)
{
    try {
        ExportText text = build();
        if (text.refused) {
            RefuseExport(form, text);
            return false;
        }
        TCommaFile& file = *form.CommaFile;
        file.Text = std::move(text.bytes);
        file.FileName = EngineFileName(name);
        return SaveExportFile(file, true);
    } catch (...) {
        ShowBetaInfo(&form, problemType, "Exception");
        return false;
    }
}

