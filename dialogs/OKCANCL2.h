#pragma once
// The OK/Cancel dialog base: a framed bevel with OK and Cancel to its right. Derived
// dialogs move, resize, re-caption or hide the three components and attach handlers.

#include <QDialog>

class QFrame;
class QPushButton;

class TOKRightDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKRightDlg(QWidget* owner = nullptr);

    QFrame* Bevel1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Whether Esc presses CancelBtn (unless it is hidden).
    bool CancelBtnIsCancel = true;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildDesign();
};
