#pragma once
// The About dialog: the product's name, build and where to ask questions.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TOKBottomDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOKBottomDlg(QWidget* owner = nullptr);

    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OKBtn = nullptr;

public slots:
    void OKBtnClick();

private:
    void BuildDesign();
    void FormCreate();
};

// Shows a new About dialog owned by the owner and destroys it when it closes. Failures
// are ignored.
void ShowAboutDialog(QWidget* owner);
