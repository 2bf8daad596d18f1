#pragma once
// The Select Column(s) dialog: a checkable list of the table's columns. OK records the
// first checked item in FirstCheckedIndex; Cancel, Escape and the close box leave it -1.

#include <QDialog>
#include <QStringList>

class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;

class TOKRightDlg1 : public QDialog {
    Q_OBJECT

public:
    explicit TOKRightDlg1(QWidget* owner);

    // One item per label: the 1-based column number and the label, none checked.
    void LoadColumnList(const QStringList& labels);
    bool IsItemChecked(int index) const;
    int ItemCount() const;

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Label1 = nullptr;
    QTreeWidget* ListView1 = nullptr;

    int FirstCheckedIndex = -1;

public slots:
    void OKBtnClick();
    void CancelBtnClick();

private:
    void BuildDesign();
    void FormCreate();
};
