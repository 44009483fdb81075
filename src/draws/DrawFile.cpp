#include "draws/DrawFile.h"

#include "base/DayDate.h"
#include "base/TextCatalog.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace numora {

namespace {

std::atomic<std::uint64_t> writes{0};

Error fileError(const QString& path, const QString& reason) { return FileSystem::fileError(path, reason); }

bool syncToDisk(QFile& file) { return FileSystem::syncToDisk(file); }

} // namespace

DrawFile::DrawFile(QString path, FileSystem& fileSystem) : m_path(std::move(path)), m_fileSystem(&fileSystem) {}

QString DrawFile::deleteTempPath() const
{
    return QFileInfo(m_path).absoluteDir().filePath(QString::fromLatin1(DeleteTempName));
}

bool DrawFile::exists() const { return QFileInfo(m_path).isFile(); }

std::uint64_t DrawFile::writeCount() { return writes.load(); }

double DrawFile::wednesdayRuleEnd() { return DayDate::fromYmd(1986, 6, 4); }

Expected<std::vector<TZiehung>> DrawFile::readAll() const
{
    // Opened for reading and writing, as every access to the history is.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return fileError(m_path, file.errorString());
    if (file.size() > MaxFileBytes)
        return fileError(m_path, tx(QStringLiteral("larger than %1 bytes")).arg(MaxFileBytes));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return fileError(m_path, file.errorString());
    return decode(bytes);
}

std::vector<TZiehung> DrawFile::decode(const QByteArray& bytes)
{
    const auto count = static_cast<std::size_t>(bytes.size()) / TZiehung::Size;
    std::vector<TZiehung> records;
    records.reserve(count);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (std::size_t i = 0; i < count; ++i)
        records.push_back(TZiehung::fromBytes(data + i * TZiehung::Size));
    return records;
}

QByteArray DrawFile::encode(std::span<const TZiehung> records)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size() * TZiehung::Size));
    for (const TZiehung& record : records) {
        const auto raw = record.toBytes();
        bytes.append(reinterpret_cast<const char*>(raw.data()), static_cast<qsizetype>(raw.size()));
    }
    return bytes;
}

Status DrawFile::create() const
{
    ++writes;
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || !syncToDisk(file))
        return fileError(m_path, file.errorString());
    return Done{};
}

Status DrawFile::append(std::span<const TZiehung> records) const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return fileError(m_path, file.errorString());
    // A fragment left by an interrupted write is overwritten, so records stay aligned.
    const qint64 wholeEnd = file.size() / qint64(TZiehung::Size) * qint64(TZiehung::Size);
    const QByteArray bytes = encode(records);
    ++writes;
    if (!file.seek(wholeEnd) || file.write(bytes) != bytes.size() || !syncToDisk(file))
        return fileError(m_path, file.errorString());
    return Done{};
}

Status DrawFile::writeThroughTemp(const QString& tempPath, std::span<const TZiehung> records) const
{
    ++writes;
    return m_fileSystem->replaceFile(m_path, tempPath, encode(records));
}

Status DrawFile::orderedRewrite(const TZiehung& record, bool keepEarlyWednesdays) const
{
    auto stored = readAll();
    if (!stored)
        return stored.error();
    const double ruleEnd = wednesdayRuleEnd();
    std::vector<TZiehung> result;
    result.reserve(stored->size() + 1);
    bool written = false;
    for (const TZiehung& r : *stored) {
        if (!keepEarlyWednesdays && r.Datum < ruleEnd && DayDate::dayOfWeek(r.Datum) == DayDate::Wednesday)
            continue;
        if (!written && r.Datum >= record.Datum) {
            result.push_back(record);
            written = true;
        }
        if (r.Datum != record.Datum)
            result.push_back(r);
    }
    if (!written)
        result.push_back(record);
    return writeThroughTemp(rewriteTempPath(), result);
}

Status DrawFile::deleteByDate(double date) const
{
    auto stored = readAll();
    if (!stored)
        return stored.error();
    std::vector<TZiehung> kept;
    kept.reserve(stored->size());
    for (const TZiehung& r : *stored)
        if (r.Datum != date)
            kept.push_back(r);
    return writeThroughTemp(deleteTempPath(), kept);
}

Status DrawFile::replaceAll(std::span<const TZiehung> records) const
{
    return writeThroughTemp(rewriteTempPath(), records);
}

Status DrawFile::replaceAllKeepingBackup(std::span<const TZiehung> records) const
{
    if (exists()) {
        const auto bytes = FileSystem::readWhole(m_path, MaxFileBytes);
        if (!bytes)
            return bytes.error();
        if (auto s = m_fileSystem->replaceFile(backupPath(), backupPath() + QLatin1Char('~'), *bytes); !s)
            return s;
    }
    return replaceAll(records);
}

Expected<std::vector<TZiehung>> DrawFile::readAllCreating() const
{
    if (!exists())
        if (auto s = create(); !s)
            return s.error();
    return readAll();
}

} // namespace numora
