#pragma once

#include "base/Expected.h"
#include "model/NumberMask.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace numora {

// The draw history kept in memory for checks that run once per candidate row. Every use
// revalidates it against the file (identity, size, modification time) and against the
// program's own writes, so it always answers exactly as a fresh read of the file would.
class HistoryCache {
public:
    struct Entry {
        TZiehung record;
        NumberMask mask; // the six numbers (any up to 90)
    };

    // The records of `path` in file order.
    Expected<const std::vector<Entry>*> load(const QString& path);

    static NumberMask maskOf(const std::uint8_t* numbers, int count);

private:
    struct Stamp {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = -1;
        std::int64_t modifiedSeconds = 0;
        std::int64_t modifiedNanoseconds = 0;
        std::uint64_t writes = 0;
        bool operator==(const Stamp&) const = default;
    };

    QString m_path;
    QByteArray m_encodedPath;
    Stamp m_stamp;
    bool m_valid = false;
    std::vector<Entry> m_entries;
};

} // namespace numora
