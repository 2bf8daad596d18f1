#pragma once
// The save-file dialog: default extension, a filter of "description|pattern" pairs, initial
// directory and file name, shown through the modal seam. It never asks before overwriting:
// callers decide what to do with a name that exists.

#include <QFileDialog>
#include <QString>
#include <QStringList>

class TSaveDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit TSaveDialog(QWidget* owner = nullptr);

    QString DefaultExt;
    // Pairs of description and pattern, all joined by "|".
    QString Filter;
    QString InitialDir;
    // The proposed name before Execute, the chosen full path after an accepted Execute.
    QString FileName;

    // Shows the dialog; true when the user accepted a name.
    bool Execute();

    // The filter as the dialog lists it: one entry per description and pattern pair.
    static QStringList NameFiltersFor(const QString& filter);
};
