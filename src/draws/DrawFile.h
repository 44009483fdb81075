#pragma once

#include "base/Expected.h"
#include "base/FileSystem.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace numora {

// The draw history "ZahlenTr.dat": a headerless sequence of 32-byte TZiehung records in date
// order. Nothing is kept open between operations; every operation opens, works and closes.
// Rewrites go to a temporary file that is flushed to disk and then renamed over the draw file,
// so a crash or a failed rename never leaves the history missing or half written.
class DrawFile {
public:
    static constexpr const char* DefaultName = "ZahlenTr.dat";
    static constexpr const char* DeleteTempName = "Zahlen.da~";
    // Two million draws; the real history holds a few thousand. A larger file is refused rather
    // than read into memory.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

    explicit DrawFile(QString path, FileSystem& fileSystem = FileSystem::real());

    const QString& path() const { return m_path; }
    QString rewriteTempPath() const { return m_path + QLatin1Char('~'); }
    QString deleteTempPath() const;
    bool exists() const;

    // Every whole record in file order; bytes after the last whole record are ignored.
    Expected<std::vector<TZiehung>> readAll() const;
    // The file empty (length 0), created or truncated.
    Status create() const;
    // The records, the file created empty first when it does not exist.
    Expected<std::vector<TZiehung>> readAllCreating() const;
    // Writes the records after the last whole record, in the order given.
    Status append(std::span<const TZiehung> records) const;
    // Inserts `record` by date, replacing stored records of its date; drops Wednesday draws
    // before 04.06.1986 on the way (they were never part of the Saturday history) unless
    // `keepEarlyWednesdays`: a game drawn on Wednesdays before then keeps them.
    Status orderedRewrite(const TZiehung& record, bool keepEarlyWednesdays = false) const;
    // Removes every record dated `date`; the rest keeps its order.
    Status deleteByDate(double date) const;
    // Replaces the whole history by `records`, in the order given.
    Status replaceAll(std::span<const TZiehung> records) const;
    // The history before an import, one generation: the draw file's name with ".bak".
    QString backupPath() const { return m_path + QStringLiteral(".bak"); }
    // `replaceAll` after the present file's bytes went to `backupPath()` (which a missing file
    // leaves alone); nothing is replaced when the copy fails.
    Status replaceAllKeepingBackup(std::span<const TZiehung> records) const;

    // The records of the file's bytes; a fragment after the last whole record is ignored.
    static std::vector<TZiehung> decode(const QByteArray& bytes);
    static QByteArray encode(std::span<const TZiehung> records);

    static double wednesdayRuleEnd(); // 04.06.1986
    // Counts every write this program made to any draw file; caches of the history compare it.
    static std::uint64_t writeCount();

private:
    Status writeThroughTemp(const QString& tempPath, std::span<const TZiehung> records) const;

    QString m_path;
    FileSystem* m_fileSystem;
};

} // namespace numora
