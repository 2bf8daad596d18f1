#include "dialogs/UnitMessageBoxCDF.h"
#include "engine/TCommaFile.h"
#include "export/ExportNames.h"
#include "export/ExportWriting.h"
#include "mainwindow/unitADIF_Form1.h"
#include "platform/ScreenCursor.h"
#include "platform/TPanel.h"
#include "platform/TSaveDialog.h"
#include "platform/TShape.h"
#include "platform/TSourceView.h"
#include "platform/system/SystemFacts.h"

#include <QFile>
#include <QTextEdit>
#include <QToolButton>

namespace {

const char* const kSaveFilter = "'.CSV' files (*.csv)|*.CSV|HTML files (*.html)|*.HTML|XML files (*.xml)|*.XML|"
                                "BCSV files (*.bcsv)|*.BCSV";
constexpr int kRandomDrawBound = 32768;

enum class ExportKind { Comma, Html, Xml };

ExportKind ExportKindFor(const TCommaFile& engine, const QString& name)
{
    const std::string path = EngineFileName(name);
    if (engine.CheckHtmlName(path) == 0)
        return ExportKind::Html;
    if (engine.CheckXmlName(path) == 0)
        return ExportKind::Xml;
    return ExportKind::Comma;
}

// The proposed name of one attempt; every attempt uses up a counter value.
QString NextDefaultName()
{
    const int counter = NextExportNumber();
    return DefaultExportName(counter, counter == 0 ? Facts().RandomBelow(kRandomDrawBound) : 0);
}

// The busy cursor, the progress panel and the saving flag of an export: begun by the first
// attempt that writes, kept while the dialog comes back after a failed attempt, and ended
// once, however the exchange ends.
class SavingPeriod {
public:
    explicit SavingPeriod(TForm1& form)
        : form_(form)
    {
    }
    ~SavingPeriod() { End(); }
    SavingPeriod(const SavingPeriod&) = delete;
    SavingPeriod& operator=(const SavingPeriod&) = delete;

    void Begin()
    {
        if (!begun_)
            form_.BeginBusy(ScreenCursor());
        begun_ = true;
        form_.ShowProgress("Writing data to new file ... ");
        form_.Saving = true;
    }

    void End()
    {
        if (!begun_)
            return;
        begun_ = false;
        form_.Saving = false;
        form_.Panel1->hide();
        form_.EndBusy();
    }

private:
    TForm1& form_;
    bool begun_ = false;
};

// How one attempt ended: saved, refused because a file of the chosen name was created after
// the name was checked, or failed (the writer reported its own failure, if any).
enum class Attempt { Saved, NameTaken, Failed };

Attempt Unwritten(const TForm1& form)
{
    return form.ExportNameTaken ? Attempt::NameTaken : Attempt::Failed;
}

// An HTML or XML export and its comma backup, which the window then holds. The backup is
// only written for an export that was written; a backup name that is taken, also one taken
// while the backup is being written, fails the attempt without a message.
Attempt ExportWithBackup(TForm1& form, const QString& name, ExportKind kind)
{
    const QString backup = BackupNameFor(name);
    const bool written = kind == ExportKind::Html ? form.WriteHtmlExport(name) : form.WriteXmlExport(name);
    if (!written)
        return Unwritten(form);
    if (NameIsTaken(backup) || !form.WriteCommaExport(backup))
        return Attempt::Failed;
    form.setWindowTitle(" File: " + backup);
    ShowProblem("Files saved", QString(kind == ExportKind::Html ? "HTML" : "XML")
                                   + " and (BCSV) backup files have been created ... \r\n\r\n"
                                     "The backup (BCSV) file is currently loaded in the viewer");
    return Attempt::Saved;
}

// A comma export: the window now holds the written file, saved and unmodified.
Attempt CommaExport(TForm1& form, const QString& name)
{
    if (!form.WriteCommaExport(name))
        return Unwritten(form);
    form.Panel1->hide();
    form.RichEdit2->Clear();
    form.RichEdit1->setPlainText("Statistics refreshed on reload");
    form.Modified = false;
    form.Shape1->SetBrushColor(kLightGreen);
    form.Shape1->repaint();
    form.setWindowTitle(" File: " + name);
    return Attempt::Saved;
}

void RefuseExistingName()
{
    ShowProblem("Problem", "Cannot use existing file name.  Select a new file name.");
}

} // namespace

bool TForm1::SaveToNewFile()
{
    SavingPeriod saving(*this);
    try {
        if (!FileOpen) {
            ShowProblem("Note", "First open a file to edit, and then you can save to an export file.");
            return false;
        }
        TSaveDialog dialog(this);
        dialog.DefaultExt = "csv";
        dialog.Filter = kSaveFilter;
        const QString folder = QFile::decodeName(QByteArray::fromStdString(Facts().CurrentDirectory()));
        if (folder.isEmpty())
            return false;
        for (;;) {
            dialog.FileName = NextDefaultName();
            dialog.InitialDir = folder;
            if (!dialog.Execute())
                return false;
            const QString name = dialog.FileName;
            if (name.isEmpty())
                continue;
            if (NameIsTaken(name)) {
                RefuseExistingName();
                continue;
            }
            ShowProblem("Note:", "We will now create a new unique export file ...  \r\n Your original file will not be altered. ");
            saving.Begin();
            const ExportKind kind = ExportKindFor(*CommaFile, name);
            const Attempt attempt = kind == ExportKind::Comma ? CommaExport(*this, name)
                                                              : ExportWithBackup(*this, name, kind);
            if (attempt == Attempt::Saved) {
                saving.End();
                return true;
            }
            if (attempt == Attempt::NameTaken)
                RefuseExistingName();
        }
    } catch (...) {
        saving.End();
        ShowProblem("Problem", "Problem on file save ... Check your file to be sure that it is correct.");
        return false;
    }
}

void TForm1::ToolButton2Click()
{
    try {
        if (!SaveToNewFile())
            ShowProblem("Problem", "File could not be saved");
    } catch (...) {
    }
}

// Like every menu command with a tool button, it runs only while that button is enabled.
void TForm1::Save1Click()
{
    if (ToolButton2 && !ToolButton2->isEnabled())
        return;
    ToolButton2Click();
}

