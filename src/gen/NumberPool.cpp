#include "gen/NumberPool.h"

#include "gen/GameOptions.h"

#include "model/NumberMask.h"

#include "base/Formatting.h"
#include "session/ProgramState.h"
#include "gen/NumberSelection.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <bit>

namespace numora::NumberPool {

namespace {

constexpr std::uint8_t Removed = 0;

struct Extremes {
    std::int32_t max = 0;
    std::int32_t min = 0;
};

Extremes extremes(const ResultSeries& chart)
{
    Extremes e;
    if (chart.points.empty())
        return e;
    e.max = e.min = chart.points.front().y;
    for (const ChartPoint& p : chart.points) {
        e.max = std::max(e.max, p.y);
        e.min = std::min(e.min, p.y);
    }
    return e;
}

class Builder {
public:
    Builder(ProgramState& state, const RecentDraws& recent) : m_state(state), m_recent(recent) {}

    Expected<std::optional<Pool>> run();

private:
    const Berechnungsparameter& params() const { return m_state.params; }
    const Meldungen& messages() const { return m_state.meldungen; }

    // Progress text, chart tab and the statistic itself.
    Status compute(int message, const std::function<Expected<StatisticRun>(ProgramState&)>& statistic);
    void announce(int message);
    void bandText(const Band& band, bool narrowMax);
    void groupStep(int size, bool top);
    void numberPasses(int share, bool top, bool narrowFirstMax);
    void removeValues(const DrawValues& draw);

    ProgramState& m_state;
    const RecentDraws& m_recent;
    Pool m_pool;
};

void Builder::announce(int message)
{
    m_state.hooks->setStatusText(messages()[17] + QLatin1Char(' ') + messages()[message]);
}

Status Builder::compute(int message, const std::function<Expected<StatisticRun>(ProgramState&)>& statistic)
{
    announce(message);
    m_state.hooks->showChartTab();
    const auto run = statistic(m_state);
    m_state.hooks->chartChanged();
    if (!run)
        return run.error();
    return Done{};
}

void Builder::bandText(const Band& band, bool narrowMax)
{
    m_state.hooks->setStatusText(QStringLiteral("Min: %1%2%3  %4")
                                     .arg(band.lo)
                                     .arg(narrowMax ? QStringLiteral(" Max: ") : QStringLiteral("  Max: "))
                                     .arg(band.hi)
                                     .arg(m_pool.size()));
}

void Builder::groupStep(int size, bool top)
{
    const ResultSeries& chart = m_state.chart;
    const Extremes e = extremes(chart);
    const Band band = top ? groupTop(e.max, e.min) : groupBottom(e.max, e.min);
    bandText(band, size == 4 && !top);
    const int lastStart = m_state.game.numbers + 1 - size;
    for (int k = 1; k <= lastStart; ++k) {
        const std::int32_t v = chart.valueAt(std::size_t(k - 1));
        const bool qualifies = top ? (band.lo < v && v <= band.hi) : (0 < v && v <= band.hi);
        if (!qualifies)
            continue;
        for (int i = 0; i < size; ++i)
            m_pool.push_back(std::uint8_t(k + i));
    }
}

void Builder::numberPasses(int share, bool top, bool narrowFirstMax)
{
    const ResultSeries& chart = m_state.chart;
    const Extremes e = extremes(chart);
    for (int pass = 0; pass < 2; ++pass) {
        const double fraction = share / (pass == 0 ? 100.0 : 200.0);
        const Band band = top ? numberTop(e.max, e.min, fraction) : numberBottom(e.max, e.min, fraction);
        bandText(band, narrowFirstMax && pass == 0);
        for (int n = 1; n <= m_state.game.numbers; ++n) {
            const std::int32_t v = chart.valueAt(std::size_t(n - 1));
            if (band.lo <= v && v <= band.hi)
                m_pool.insert(m_pool.end(), pass == 0 ? 2 : 1, std::uint8_t(n));
        }
    }
}

void Builder::removeValues(const DrawValues& draw)
{
    for (std::uint8_t& entry : m_pool)
        for (int i = 0; i < 7; ++i)
            if (entry == draw[std::size_t(i)])
                entry = Removed;
}

Expected<std::optional<Pool>> Builder::run()
{
    const Berechnungsparameter& p = params();
    const int numbers = m_state.game.numbers;
    auto grouping = [](int size) {
        return [size](ProgramState& s) { return Statistics::groupings(s, size); };
    };
    // Steps 1..6: runs of two, three and four; the bottom band reuses the top band's statistic.
    const struct {
        int size, message;
    } groups[] = {{2, 18}, {3, 19}, {4, 20}};
    for (const auto& g : groups) {
        if (p.preferFrequentGroups(g.size)) {
            if (auto s = compute(g.message, grouping(g.size)); !s)
                return s.error();
            groupStep(g.size, true);
        }
        if (p.preferRareGroups(g.size)) {
            if (!p.preferFrequentGroups(g.size)) {
                if (auto s = compute(g.message, grouping(g.size)); !s)
                    return s.error();
            } else {
                announce(g.message);
            }
            groupStep(g.size, false);
        }
    }
    // Steps 7..9: often drawn, rarely drawn, overdue.
    if (p.preferOftenDrawn()) {
        if (auto s = compute(0, Statistics::numberDistribution); !s)
            return s.error();
        numberPasses(p.oftenDrawnShare(), true, false);
    }
    if (p.preferRarelyDrawn()) {
        if (!p.preferOftenDrawn()) {
            if (auto s = compute(0, Statistics::numberDistribution); !s)
                return s.error();
        } else {
            announce(0);
        }
        numberPasses(p.rarelyDrawnShare(), false, false);
    }
    if (p.preferOverdue()) {
        if (auto s = compute(21, Statistics::overdueNumbers); !s)
            return s.error();
        numberPasses(p.overdueShare(), true, true);
    }
    // Step 10: neighbours of every value of the last draw.
    if (p.preferNeighboursOfLastDraw()) {
        announce(22);
        for (std::uint8_t v : m_recent.draws[0]) {
            if (v > 1 && v <= numbers + 1)
                m_pool.insert(m_pool.end(), 4, std::uint8_t(v - 1));
            if (v < numbers)
                m_pool.insert(m_pool.end(), 4, std::uint8_t(v + 1));
        }
    }
    // Step 11: every number once, and the 1 a second time.
    if (!p.onlyPreferredNumbers()) {
        for (int n = 1; n <= numbers; ++n)
            m_pool.push_back(std::uint8_t(n));
        m_pool.push_back(1);
    }
    // Steps 12..14: removals, marked first and closed up afterwards.
    for (int back = 1; back <= 3; ++back)
        if (p.limitSharedWithDraw(back) && p.maxSharedWithDraw(back) == 0)
            removeValues(m_recent.draws[std::size_t(back - 1)]);
    if (p.avoidMonthNumbers() && GameOptions::applies(m_state.game, 29))
        for (std::uint8_t& entry : m_pool)
            if (entry < 13)
                entry = Removed;
    if (p.lowerDateNumbers() && GameOptions::applies(m_state.game, 30))
        for (int k = 1; k <= 31; ++k) {
            auto it = std::find(m_pool.begin(), m_pool.end(), std::uint8_t(k));
            if (it != m_pool.end())
                *it = Removed;
        }
    // Step 15: close the gaps by moving the last entry into each hole.
    std::size_t length = m_pool.size();
    for (std::size_t pos = 0; pos < length; ++pos)
        while (pos < length && m_pool[pos] == Removed) {
            m_pool[pos] = m_pool[length - 1];
            --length;
        }
    m_pool.resize(length);

    // Step 16: the pool in the number selection dialog.
    if (p.showPoolDialog()) {
        m_state.hooks->showSheetTab();
        NumberSelection selection(numbers);
        std::array<int, 256> weights{};
        for (std::uint8_t v : m_pool)
            ++weights[v];
        for (int n = 1; n <= numbers; ++n) {
            selection.setTicked(n, weights[std::size_t(n)] > 0);
            selection.box(n).weight = QString::number(weights[std::size_t(n)]);
        }
        m_state.hooks->setBusy(false);
        switch (m_state.hooks->editPool(selection)) {
        case PoolChoice::Ok:
            break;
        case PoolChoice::Rechnen:
            m_pool.clear();
            for (int n = 1; n <= numbers; ++n) {
                const NumberSelection::Box& b = selection.box(n);
                if (!b.ticked)
                    continue;
                const auto weight = parseInteger(b.weight);
                if (weight && *weight < 0)
                    continue;
                m_pool.insert(m_pool.end(), std::size_t(std::max(weight.value_or(1), 1)), std::uint8_t(n));
            }
            break;
        case PoolChoice::Cancel:
            return std::optional<Pool>{};
        }
    }
    return std::optional<Pool>{std::move(m_pool)};
}

} // namespace

Band groupTop(std::int32_t max, std::int32_t min)
{
    return {roundHalfEven(max - (max - min) * 0.3), roundHalfEven(max)};
}

Band groupBottom(std::int32_t max, std::int32_t min)
{
    return {0, roundHalfEven(min + (max - min) * 0.3)};
}

Band numberTop(std::int32_t max, std::int32_t min, double fraction)
{
    return {roundHalfEven(max - (max - min) * fraction), roundHalfEven(max)};
}

Band numberBottom(std::int32_t max, std::int32_t min, double fraction)
{
    return {roundHalfEven(min), roundHalfEven(min + (max - min) * fraction)};
}

int distinctNumbers(const Pool& pool)
{
    return NumberMask::of(pool.data(), int(pool.size()), Game::MaxNumbers).count();
}

Expected<std::optional<Pool>> build(ProgramState& state, const RecentDraws& recent)
{
    return Builder(state, recent).run();
}

} // namespace numora::NumberPool
