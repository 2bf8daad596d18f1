#pragma once
// The Change Column Names dialog: the user renames the columns of a new table one at a time.
// The creator hands in the default names with LoadColumnNames, shows the dialog through
// ExecModal and afterwards reads ResultCode and the names left in ListView1.

#include <QDialog>
#include <QStringList>

class QCloseEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TOKRightDlg2 : public QDialog {
    Q_OBJECT

public:
    explicit TOKRightDlg2(QWidget* owner = nullptr);

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QFrame* Bevel1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // -1: the names are not to be taken over; 0: they are.
    int ResultCode = -1;
    // True when the text in Edit1 needs no warning on closing.
    bool ChangeApplied = false;

    void LoadColumnNames(const QStringList& names);
    // The names of the list's items, in list order.
    QStringList ColumnNames() const;

    void FormCreate();
    void FormActivate();
    void ListView1DblClick();
    void ListView1KeyUp(int key);
    void Edit1Change();
    void Edit1KeyUp(int key);
    void Button1Click();
    void OKBtnClick();
    void CancelBtnClick();
    // True when the dialog may close.
    bool FormCloseQuery();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public slots:
    void reject() override;

private:
    void CreateDesign();
    void ConnectHandlers();
};
