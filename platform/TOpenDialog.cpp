#include "platform/TOpenDialog.h"

#include "platform/ModalSeam.h"

TOpenDialog::TOpenDialog(QWidget* owner)
    : QFileDialog(owner)
{
    setObjectName("OpenDialog1");
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
}

QStringList TOpenDialog::NameFilters(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters;
}

void TOpenDialog::ApplyProperties()
{
    setFileMode((Options & ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    setOption(QFileDialog::ReadOnly, false);
    setSizeGripEnabled(Options & ofEnableSizing);
    setDefaultSuffix(DefaultExt);

    const QStringList filters = NameFilters(Filter);
    setNameFilters(filters);
    if (FilterIndex >= 1 && FilterIndex <= filters.size())
        selectNameFilter(filters[FilterIndex - 1]);

    if (!InitialDir.isEmpty())
        setDirectory(InitialDir);
    selectFile(FileName);
}

bool TOpenDialog::Execute()
{
    ApplyProperties();
    if (ExecModal(*this) != QDialog::Accepted)
        return false;
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty())
        return false;
    FileName = chosen.first();
    FilterIndex = NameFilters(Filter).indexOf(selectedNameFilter()) + 1;
    return true;
}
