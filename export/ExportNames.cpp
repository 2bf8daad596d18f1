#include "export/ExportNames.h"

#include "platform/ExportCounterStore.h"

int NextExportNumber()
{
    return CurrentExportCounterStore().Advance();
}

QString DefaultExportName(int counter, int randomDraw)
{
    if (counter != 0)
        return "COMMA_" + QString::number(counter);
    return "NOREG_" + QString::number(qint64(randomDraw) * 10000);
}

QString BackupNameFor(const QString& name)
{
    const qsizetype fileNameStart = name.lastIndexOf('/') + 1;
    const qsizetype dot = name.indexOf('.', fileNameStart);
    if (dot < 0)
        return name + ".BCSV";
    return name.left(dot + 1) + "BCSV";
}
