#include "platform/TSaveDialog.h"

#include "platform/ModalSeam.h"

TSaveDialog::TSaveDialog(QWidget* owner)
    : QFileDialog(owner)
{
    setObjectName("SaveDialog1");
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog behaves alike everywhere and its controls can be worked by tests.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
}

QStringList TSaveDialog::NameFiltersFor(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        const QString shown = "(" + pattern + ")";
        if (description.endsWith(shown, Qt::CaseInsensitive))
            entries << description.left(description.size() - shown.size()) + shown;
        else
            entries << description + " " + shown;
    }
    return entries;
}

bool TSaveDialog::Execute()
{
    setDefaultSuffix(DefaultExt);
    setNameFilters(NameFiltersFor(Filter));
    setDirectory(InitialDir);
    selectFile(FileName);
    if (ExecModal(*this) != QDialog::Accepted)
        return false;
    const QStringList chosen = selectedFiles();
    FileName = chosen.isEmpty() ? QString() : chosen.first();
    return true;
}
