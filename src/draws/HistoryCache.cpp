#include "draws/HistoryCache.h"

#include "draws/DrawFile.h"
#include "model/Game.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace numora {

NumberMask HistoryCache::maskOf(const std::uint8_t* numbers, int count)
{
    // Every game's numbers; a row of a 6-of-49 game never holds more than 49, so what a damaged
    // record holds above that cannot count against it.
    return NumberMask::of(numbers, count, Game::MaxNumbers);
}

Expected<const std::vector<HistoryCache::Entry>*> HistoryCache::load(const QString& path)
{
    if (path != m_path) {
        m_path = path;
        m_encodedPath = QFile::encodeName(path);
        m_valid = false;
    }
    struct stat info {};
    Stamp stamp;
    // The program's own writes count first, so a rewrite within one clock tick is still seen.
    stamp.writes = DrawFile::writeCount();
    if (::stat(m_encodedPath.constData(), &info) == 0) {
        stamp.device = info.st_dev;
        stamp.inode = info.st_ino;
        stamp.size = info.st_size;
        stamp.modifiedSeconds = info.st_mtim.tv_sec;
        stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
        stamp.changedSeconds = info.st_ctim.tv_sec;
        stamp.changedNanoseconds = info.st_ctim.tv_nsec;
    } else {
        m_valid = false;
    }
    if (m_valid && stamp == m_stamp)
        return &m_entries;

    auto records = DrawFile(path).readAll();
    if (!records) {
        m_valid = false;
        return records.error();
    }
    m_entries.clear();
    m_entries.reserve(records->size());
    m_ascending = true;
    for (const TZiehung& r : *records) {
        if (std::isnan(r.Datum) || (!m_entries.empty() && !(m_entries.back().record.Datum <= r.Datum)))
            m_ascending = false;
        m_entries.push_back(Entry{r, maskOf(r.Zahlen, 6)});
    }
    m_records = std::move(*records);
    m_stamp = stamp;
    m_valid = true;
    return &m_entries;
}

Expected<std::span<const TZiehung>> HistoryCache::records(const QString& path)
{
    if (auto loaded = load(path); !loaded)
        return loaded.error();
    return std::span<const TZiehung>(m_records);
}

std::span<const HistoryCache::Entry> HistoryCache::candidates(double low, double end) const
{
    if (!m_valid || std::isnan(low) || std::isnan(end))
        return {};
    if (!m_ascending)
        return m_entries;
    const auto first = std::upper_bound(m_entries.begin(), m_entries.end(), low,
                                        [](double date, const Entry& e) { return date < e.record.Datum; });
    const auto last = std::upper_bound(first, m_entries.end(), end,
                                       [](double date, const Entry& e) { return date < e.record.Datum; });
    return {first, last};
}

} // namespace numora
