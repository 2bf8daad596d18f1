#include "platform/ExportCounterStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace {

const char* const kValueName = "VALUE2";

// An exclusive flock on a companion file, held for the object's lifetime. flock locks belong
// to the open file, so two store objects in one process exclude each other as two processes do.
class CounterLock {
public:
    explicit CounterLock(const QString& path)
    {
        fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            return;
        int rc;
        do
            rc = ::flock(fd_, LOCK_EX);
        while (rc != 0 && errno == EINTR);
        held_ = rc == 0;
    }
    ~CounterLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CounterLock(const CounterLock&) = delete;
    CounterLock& operator=(const CounterLock&) = delete;
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

enum class ReadOutcome { Absent, Found, Failed };

struct StoredValue {
    ReadOutcome outcome = ReadOutcome::Failed;
    QByteArray text;
};

// Reads VALUE2 from the [General] section of the INI text, as QSettings writes it. The file
// is read directly, not through QSettings, whose per-process cache may answer with a value
// that another process has since replaced.
StoredValue ReadStoredValue(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {ReadOutcome::Absent, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {ReadOutcome::Failed, {}};
    bool inGeneral = true; // keys before any section header belong to [General]
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith('[')) {
            inGeneral = line == "[General]";
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (inGeneral && eq > 0 && line.left(eq).trimmed() == kValueName)
            return {ReadOutcome::Found, line.mid(eq + 1).trimmed()};
    }
    return {ReadOutcome::Absent, {}};
}

std::optional<std::int32_t> ParseValue(const QByteArray& text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Replaces the file in one rename, so it holds either the old or the new value.
bool WriteStoredValue(const QString& path, std::int32_t value)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[General]\n");
    file.write(kValueName);
    file.write("=");
    file.write(QByteArray::number(value));
    file.write("\n");
    return file.commit();
}

const ExportCounterStore*& InstalledStore()
{
    static const ExportCounterStore* store = nullptr;
    return store;
}

} // namespace

ExportCounterStore::ExportCounterStore(QString filePath)
    : filePath_(std::move(filePath))
{
}

QString ExportCounterStore::DefaultFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "VRANTOL21", "CV_KEY_CODE1").fileName();
}

int ExportCounterStore::Advance() const
{
    if (filePath_.isEmpty() || !QDir().mkpath(QFileInfo(filePath_).absolutePath()))
        return 0;
    const CounterLock lock(filePath_ + ".flock");
    if (!lock.Held())
        return 0;
    const StoredValue stored = ReadStoredValue(filePath_);
    if (stored.outcome == ReadOutcome::Failed)
        return 0;
    if (stored.outcome == ReadOutcome::Absent) {
        WriteStoredValue(filePath_, 0);
        return 0;
    }
    const std::optional<std::int32_t> value = ParseValue(stored.text);
    if (!value)
        return 0;
    const auto next = static_cast<std::int32_t>(static_cast<std::uint32_t>(*value) + 1u);
    return WriteStoredValue(filePath_, next) ? next : 0;
}

const ExportCounterStore& CurrentExportCounterStore()
{
    if (const ExportCounterStore* store = InstalledStore())
        return *store;
    static const ExportCounterStore userStore(ExportCounterStore::DefaultFilePath());
    return userStore;
}

ScopedExportCounterStore::ScopedExportCounterStore(const QString& filePath)
    : store_(filePath)
    , previous_(InstalledStore())
{
    InstalledStore() = &store_;
}

ScopedExportCounterStore::~ScopedExportCounterStore()
{
    InstalledStore() = previous_;
}
