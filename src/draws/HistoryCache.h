#pragma once

#include "base/Expected.h"
#include "model/NumberMask.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// A loop that counts bits gets a second build for processors with a popcount instruction,
// chosen once when the program loads; the package runs on processors without it too, so the
// whole build cannot assume it.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define NUMORA_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define NUMORA_POPCOUNT_CLONES
#endif

namespace numora {

// The draw history kept in memory: the statistics, the draw browser and the checks that run once
// per candidate row read it here, so a back-test reads the file once, not once per pass. Every use
// revalidates it against the file (identity, size, modification time) and against the
// program's own writes, so it always answers exactly as a fresh read of the file would.
class HistoryCache {
public:
    struct Entry {
        TZiehung record;
        NumberMask mask; // the six numbers (any up to 90)
    };

    // The records of `path` in file order. What a load returns stays valid until the next load.
    Expected<const std::vector<Entry>*> load(const QString& path);
    // The same records as a fresh DrawFile::readAll() gives them, without reading the file again
    // while it is unchanged.
    Expected<std::span<const TZiehung>> records(const QString& path);
    // Of the last load, the entries that can lie in low < Datum <= end, in file order: exactly
    // those while the dates ascend, all of them otherwise. The caller still tests each date.
    std::span<const Entry> candidates(double low, double end) const;

    static NumberMask maskOf(const std::uint8_t* numbers, int count);

private:
    struct Stamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = -1;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        // A change of permissions makes a fresh read fail, so it counts as a change.
        std::int64_t changedSeconds = 0;
        std::int64_t changedNanoseconds = 0;
        std::uint64_t writes = 0;
        bool operator==(const Stamp&) const = default;
    };

    QString m_path;
    QByteArray m_encodedPath;
    Stamp m_stamp;
    bool m_valid = false;
    std::vector<Entry> m_entries;
    std::vector<TZiehung> m_records;
    bool m_ascending = true; // every date >= the one before it, none NaN
};

} // namespace numora
