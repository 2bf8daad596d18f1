#pragma once
// The Find dialog: a modeless window beside the main window that hands every search to a
// callback. It knows nothing of the grid; the main window's FindInGrid does the scan.

#include "dialogs/OKCANCL2.h"

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The search request: text (trimmed), find next (0 or 1), case sensitive (0 or 1), whole
// words (always 0). An empty text means the dialog is closing.
using TSearchCallback = void (*)(const QString& text, int findNext, int caseSensitive, int wholeWords);

class TOKHelpRightDlg : public TOKRightDlg {
    Q_OBJECT

public:
    explicit TOKHelpRightDlg(QWidget* owner = nullptr);

    // The main window's outer geometry when the dialog was created.
    int MainHeight = 0;
    int MainWidth = 0;
    int MainTop = 0;
    int MainLeft = 0;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label2 = nullptr;

    // Run each time the focus moves from this dialog to its owner window, also when it closes.
    std::function<void()> FocusBackToOwner;

    void FormCreate();
    void FormActivate();
    void OKBtnClick();
    void Button1Click();
    void Edit1KeyPress(int key);
    void FormClose();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateDesign();
    void ConnectHandlers();
    // True when the trimmed search text is not empty.
    bool HasSearchText() const;
    bool OwnerIsActive() const;
    void HandFocusBack();

    bool focusHandedBack_ = false;
};

// Stores the callback for every Find dialog; the dialog argument is not used.
void SetSearchCallback(TOKHelpRightDlg* dialog, TSearchCallback callback);

// The step shared by Find First (find next 0) and Find Next (1): hands the request to the
// callback.
void StartSearch(TOKHelpRightDlg* dialog, int findNext);
