#pragma once
// The per-machine export counter: one integer, VALUE2, in an INI file in the user's
// configuration folder (organisation VRANTOL21, application CV_KEY_CODE1, the file QSettings
// uses for them). Several instances of the program may export at the same time, so every
// advance reads, increments and writes the value under an exclusive lock and replaces the
// file in one step; no update is lost and no reader ever sees a half-written file.

#include <QString>

class ExportCounterStore {
public:
    explicit ExportCounterStore(QString filePath);

    // ~/.config/VRANTOL21/CV_KEY_CODE1.ini (or wherever QSettings keeps that INI file).
    static QString DefaultFilePath();

    const QString& FilePath() const { return filePath_; }

    // Stored value + 1 (32-bit, wrapping), written back; when there is no value yet, 0 is
    // written and 0 returned. Any failure answers 0 and leaves the file as it was.
    int Advance() const;

private:
    QString filePath_;
};

// The store in force: the user's own unless a test installed another.
const ExportCounterStore& CurrentExportCounterStore();

// Uses a store on the given file for the lifetime of the object; nests.
class ScopedExportCounterStore {
public:
    explicit ScopedExportCounterStore(const QString& filePath);
    ~ScopedExportCounterStore();
    ScopedExportCounterStore(const ScopedExportCounterStore&) = delete;
    ScopedExportCounterStore& operator=(const ScopedExportCounterStore&) = delete;

private:
    ExportCounterStore store_;
    const ExportCounterStore* previous_;
};
