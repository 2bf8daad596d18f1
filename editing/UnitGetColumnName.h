#pragma once
// The Column Parameters dialog: a column name (typed, or chosen from the header labels)
// and a prefill value. Used to add a column and to fill an existing one.

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget* owner);

    // Add mode: a free-text column name and the note about adding.
    void ShowAddMode();
    // Fill mode: the column is chosen from "NO COLUMN CHOSEN" and the given header labels.
    void ShowFillMode(const QStringList& labels);

    QLabel* Label1 = nullptr;
    QLineEdit* edtColName = nullptr;
    QPushButton* OKBtn = nullptr;
    QLineEdit* edtPrefill = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblFillNote = nullptr;
    QLabel* lblAddColNote = nullptr;
    QComboBox* ComboBox1 = nullptr;

public slots:
    void OKBtnClick();

protected:
    // The dialog has no cancel key: Escape does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildDesign();
};
