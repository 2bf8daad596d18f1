#pragma once
// The main window: every component of its design as a public pointer named as in the form,
// the window's state, the operations every subsystem shares, and the event handlers. The
// handlers of each subsystem are declared in that subsystem's section below and written in
// that subsystem's folder; the design itself is built by unitADIF_Form1_design.cpp.

#include "platform/TColor.h"
#include "platform/TextEncoding.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QMenu;
class QMenuBar;
class QPainter;
class QRect;
class QShowEvent;
class QTextEdit;
class QToolBar;
class QToolButton;

class TCommaFile;
class TFontDialog;
class TOpenDialog;
class TableSnapshot;
class TImage;
class TImageList;
class TPanel;
class TShape;
class TSourceView;
class TStatusBar;
class TStringGrid;

// The change light's two colours (red in the lowest byte).
inline constexpr TColor kLightGreen = 0x8000;
inline constexpr TColor kLightYellow = 0xFFFF;

// The text of the status bar's notice panel (panel 2), shown from start-up and after each load.
// The question that opening, a new project and closing the current table ask while the
// change light is yellow.
inline const char* const kSaveCurrentQuestion =
    "Your current data has not been saved by exporting it to a CSV file. \r\n Do you wish to save your data now?";
inline const char* const kNoticeText = "Saving writes a new file; the original is never changed.";

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- Components (created by CreateDesign) ----
    QWidget* ClientArea = nullptr;  // the client area; every control below lies on it

    QToolBar* ToolBar1 = nullptr;
    TImageList* ImageList1 = nullptr;
    QToolButton* ToolButton1 = nullptr;  // open
    QToolButton* ToolButton2 = nullptr;  // save
    QToolButton* ToolButton3 = nullptr;  // search
    QToolButton* ToolButton4 = nullptr;  // row same as selected
    QToolButton* ToolButton5 = nullptr;  // add column
    QToolButton* ToolButton6 = nullptr;  // clear column
    QToolButton* ToolButton7 = nullptr;  // add row
    QToolButton* ToolButton8 = nullptr;  // row same as previous
    QToolButton* ToolButton9 = nullptr;  // new project
    QToolButton* ToolButton10 = nullptr; // fill column

    TStringGrid* StringGrid1 = nullptr;
    QTextEdit* RichEdit1 = nullptr;    // summary box
    TSourceView* RichEdit2 = nullptr;  // source view
    TPanel* Panel1 = nullptr;          // progress panel
    TShape* Shape1 = nullptr;          // change light
    TShape* Shape2 = nullptr;
    TShape* Shape3 = nullptr;
    TShape* Shape4 = nullptr;
    TShape* Shape5 = nullptr;
    TShape* Shape6 = nullptr;
    TShape* Shape7 = nullptr;
    TStatusBar* StatusBar2 = nullptr;  // panels 0 (current cell), 1 (file size), 2 (notice)
    TImage* Image1 = nullptr;          // background picture
    QLabel* Label1 = nullptr;          // title
    QLabel* Label3 = nullptr;          // hidden anchor of the change-light row

    // Main menu. Top-level items are menus; their menuAction() is the item itself.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* File1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* CloseCurrent1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Layout1 = nullptr;
    QAction* AddColumn1 = nullptr;
    QAction* ClearColumn1 = nullptr;
    QAction* FillExistingColumnwithValues1 = nullptr;
    QAction* N2 = nullptr;
    QAction* AddRowSameAsPrevious1 = nullptr;
    QAction* AddRowSameasSelected1 = nullptr;
    QAction* AddRow1 = nullptr;
    QAction* N3 = nullptr;
    QAction* Search1 = nullptr;
    QMenu* Format1 = nullptr;
    QAction* Font1 = nullptr;
    QMenu* Import1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;
    QAction* N1 = nullptr;

    // Dialogs of the form; shown through ExecModal.
    TOpenDialog* OpenDialog1 = nullptr;
    QFileDialog* SaveDialog1 = nullptr;
    TFontDialog* FontDialog1 = nullptr;

    // ---- State ----
    std::unique_ptr<TCommaFile> CommaFile;  // the window's engine object
    bool FileOpen = false;   // a table is shown in the grid
    bool Modified = false;   // the grid changed since it was loaded, created or exported
    bool Saving = false;     // an export is being written
    TextEncoding FileEncoding = TextEncoding::Utf8;  // how the shown file's bytes are decoded

    // ---- Shared operations ----
    void MarkModified();
    // colour 0 keeps the light's colour; callers pass 0, kLightGreen or kLightYellow.
    void SetChangeLight(bool visible, TColor colour);
    void ShowProgress(const QString& text);
    // cursor: the screen cursor in effect at the call (ScreenCursor()).
    void BeginBusy(int cursor);
    void EndBusy();
    void EnableEditTools(bool enabled);
    void EnableMenus(bool enabled);
    bool HasEnoughMemory();
    // Ends the program once the current event is handled, without the close-time question.
    std::function<void()> TerminateApplication = DefaultTerminateApplication;
    static void DefaultTerminateApplication();

    // ---- Window events (main window) ----
    void FormCreate();
    void FormActivate();
    void FormResize();
    // key: the virtual-key code (F9 = 120).
    void FormKeyUp(int key, Qt::KeyboardModifiers shift);
    void About1Click();
    // Called by the Find dialog each time the focus moves from it to this window (also when
    // it closes): runs the activation checks again.
    void FindDialogActivatedMainWindow();

    // ==== Opening files ====
    void Open1Click();
    void ToolButton1Click();
    void OpenFromDialog();
    bool LoadFileIntoGrid(const QString& path);
    void PrepareTableView();
    void StringGrid1DrawCell(QPainter& canvas, int col, int row, const QRect& rect);
    // Grid rows 1 to this one keep the grid's own drawing (a new project sets it to 2).
    int DrawRowThreshold = 0;
    QString ChooseFileToOpen();
    void ShowSource();
    void ShowFault();
    void ShowOpenOutcome(const QString& path);
    void FillGrid(bool labelsInFile, int widthFactor);
    void GenerateHeaderRow();
    void SetColumnWidths(const TableSnapshot& table, int firstRow, int widthFactor);
    void ShowSummary();
    // A cell's text between the engine's bytes and the grid, in the shown file's encoding.
    QString DecodeCell(const std::string& bytes) const;
    std::string EncodeCell(const QString& text) const;
    // ==== end Opening files ====

    // ==== Cell editing ====
    void StringGrid1Click();
    void StringGrid1KeyDown(int& key, Qt::KeyboardModifiers shift);
    void StringGrid1GetEditText(int col, int row, QString& value);
    void StringGrid1SetEditText(int col, int row, const QString& value);
    // The text the cell editor last loaded from a cell.
    QString EditorStartText;
    bool RewritingCell = false;
    // ==== end Cell editing ====

    // ==== Columns ====
    void ToolButton5Click();
    void AddColumn1Click();
    void ToolButton6Click();
    void ClearColumn1Click();
    void ToolButton10Click();
    void FillExistingColumnwithValues1Click();
    int FindColumnByLabel(const QString& label);
    bool AddColumnFromDialog();
    void AppendColumn(const QString& name, const QString& prefill);
    QStringList HeaderLabels() const;
    void FillColumn(int c, const QString& value);
    // ==== end Columns ====

    // ==== Rows ====
    void ToolButton7Click();
    void AddRow1Click();
    void ToolButton8Click();
    void AddRowSameAsPrevious1Click();
    void ToolButton4Click();
    void AddRowSameasSelected1Click();
    bool RowLimitAllowsAdd(const QString& refusal);
    void AppendRow(int templateRow, int sourceRow);
    // ==== end Rows ====

    // ==== Font ====
    void Font1Click();
    // ==== end Font ====

    // ==== Export ====
    void ToolButton2Click();
    void Save1Click();
    bool SaveToNewFile();
    // The writers; each answers true when the file was written.
    bool WriteCommaExport(const QString& name);
    bool WriteHtmlExport(const QString& name);
    bool WriteXmlExport(const QString& name);
    // Set by a writer whose file was created by someone else after its name was checked.
    bool ExportNameTaken = false;
    // ==== end Export ====

    // ==== New project and closing ====
    void ToolButton9Click();
    void New1Click();
    void CloseCurrent1Click();
    void Exit1Click();
    void FormCloseQuery(bool& canClose);
    void FormClose();
    // Builds the new project, asking for the number of columns.
    void NewProject();
    void ShowNewFileState();
    // Resets the window's state when the current table is closed.
    void CloseSession();
    // Empties every cell, header row and record-number column included; the counts stay.
    void ClearGridCells();
    void HideTableView();
    void ClearStatusPanels();
    // ==== end New project and closing ====

    // ==== Search ====
    void ToolButton3Click();
    void Search1Click();
    // The Find dialog's request: scans the grid from the search position (see
    // dialogs/FindInGrid.h); an empty text means the dialog is closing.
    void FindInGrid(const QString& text, int findNext, int caseSensitive, int wholeWords);
    // The open Find dialog, owned by this window, or null.
    class TOKHelpRightDlg* FindDialog = nullptr;
    // Where the last search stopped.
    int SearchRow = 0;
    int SearchCol = 0;
    // ==== end Search ====

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDesign();
    void CreateToolBar();
    void CreateMenu();
    void CreateTableViews();
    void CreateLightAndFrames();
    void CreateFormDialogs();
    void ConnectHandlers();
    void CreateTableViewsHidden();
    void AlignToolBar();
    bool RunStartupChecks();
    bool ControlHasFocus() const;

    bool activatedOnce_ = false;
    int busyDepth_ = 0;
    int cursorBeforeBusy_ = 0;
};
