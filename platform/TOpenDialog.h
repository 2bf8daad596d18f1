#pragma once
// The open-file dialog of a form: a filter in "description|pattern|..." form, a default
// extension, an initial directory and options, shown through the modal seam. The dialog
// object lives with its form, so the last folder and name stay between uses.

#include <QFileDialog>
#include <QString>

class TOpenDialog : public QFileDialog {
    Q_OBJECT

public:
    enum Option {
        ofHideReadOnly = 0x1,
        ofFileMustExist = 0x2,
        ofEnableSizing = 0x4,
    };

    explicit TOpenDialog(QWidget* owner);

    // Shows the dialog; true when the user chose a file, which FileName then holds.
    bool Execute();

    QString DefaultExt;
    QString Filter;       // pairs of description and pattern, separated by '|'
    int FilterIndex = 1;  // 1-based, as the filter pairs are counted
    QString InitialDir;
    QString FileName;
    int Options = 0;

    // The filter as Qt's name filters, one per pair.
    static QStringList NameFilters(const QString& filter);

private:
    void ApplyProperties();
};
