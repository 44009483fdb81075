#include "stats/Statistics.h"

#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "session/ProgramState.h"
#include "session/RowCheck.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace numora::Statistics {

namespace {

// The fixed dates are kept as the program writes them and read with its date format.
double fixedDate(const char* text) { return DayDate::parseShortDate(QString::fromLatin1(text)).value_or(0.0); }

// Counts per number 1..N, index 0 unused (an unknown Zusatzzahl lands there).
using NumberCounts = std::array<std::int32_t, Game::MaxNumbers + 1>;

// StartDate < Datum <= EndDate with the standard weekday filter: the form of most statistics.
bool countedAfterStart(const TZiehung& r, const HistoryFilter& window)
{
    return window.startDate < r.Datum && r.Datum <= window.endDate && window.passesWeekday(r.Datum);
}

int digitSum(const TZiehung& r)
{
    int sum = 0;
    for (std::uint8_t n : r.Zahlen)
        sum += n;
    return sum;
}

// The standard history window from the pickers; the start always goes into the start-date field,
// the end only for the statistics that keep it.
HistoryFilter storeWindow(ProgramState& state, bool storeEnd)
{
    const HistoryFilter window = state.historyFilter();
    state.startDateField = window.startDate;
    if (storeEnd)
        state.endDateField = window.endDate;
    return window;
}

// "<what>     Ziehungen: N    <mean word>: mean digit sum", halves rounded to even.
QString meanTitle(const Meldungen& m, int what, int meanWord, double n, double qsTotal)
{
    return m[what] + QStringLiteral("     ") + m[1] + QStringLiteral(": ") + QString::number(std::int64_t(n))
        + QStringLiteral("    ") + m[meanWord] + QStringLiteral(": ") + QString::number(roundHalfEven(qsTotal / n));
}

// Positions 1..8 of the current draw take the record's numbers; its date stays.
void loadNumbers(ProgramState& state, const TZiehung& r)
{
    const double date = state.currentDraw.date;
    state.currentDraw.take(r);
    state.currentDraw.date = date;
}

// A game without a Superzahl has no Superzahl statistics; the error says why.
Status superzahlPlayed(const Game& game)
{
    if (game.hasSuperzahlStatistics())
        return Done{};
    return Error{tx(QStringLiteral("%1 draws no Superzahl")).arg(game.name)};
}

} // namespace

double superzahlOverdueStart() { return fixedDate("1.8.1995"); }

const std::vector<Kind>& kinds()
{
    static const std::vector<Kind> table{
        {"distribution", numberDistribution},
        {"overdue", overdueNumbers},
        {"superzahl-overdue", overdueSuperzahl},
        {"superzahl-frequency", superzahlFrequency},
        {"pairs", [](ProgramState& s) { return groupings(s, 2); }},
        {"triples", [](ProgramState& s) { return groupings(s, 3); }},
        {"quads", [](ProgramState& s) { return groupings(s, 4); }},
        {"digitsum", digitSums},
        {"primes", [](ProgramState& s) { return perDraw(s, DrawProperty::Primes); }},
        {"odd", [](ProgramState& s) { return perDraw(s, DrawProperty::Odd); }},
        {"even", [](ProgramState& s) { return perDraw(s, DrawProperty::Even); }},
    };
    return table;
}

Operation byName(const QString& name)
{
    for (const Kind& kind : kinds())
        if (name == QLatin1String(kind.name))
            return kind.run;
    return nullptr;
}
double superzahlSaturdayStart() { return fixedDate("7.12.1991"); }
double superzahlWednesdayStart() { return fixedDate("1.12.1995"); }

Expected<StatisticRun> numberDistribution(ProgramState& state)
{
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const double start = state.startDate.value;
    const double end = state.chosenDate.value;
    state.startDateField = start;
    state.endDateField = end;

    const Game& game = state.game;
    NumberCounts counts{};
    double n = 0;
    double qsTotal = 0;
    ResultSeries& chart = state.chart;
    chart.begin();
    for (const TZiehung& r : *records) {
        if (!(start <= r.Datum && r.Datum <= end))
            continue;
        for (std::uint8_t v : r.Zahlen)
            if (v <= game.numbers)
                ++counts[v];
        // A Joker is drawn from a drum of its own: it is no draw of the numbers.
        if (r.Zusatzzahl <= game.numbers && game.zusatzzahlIsFromDrum())
            ++counts[r.Zusatzzahl];
        qsTotal += digitSum(r);
        n += 1;
    }
    for (int k = 1; k <= game.numbers; ++k)
        chart.points.push_back({k, counts[std::size_t(k)], ResultSeries::primeColour(k)});
    chart.rangeOverPoints();
    if (n > 0)
        chart.title = meanTitle(state.meldungen, 0, 2, n, qsTotal);
    return StatisticRun{false};
}

// Every counted draw ages each value by one; the values it holds (`mark` resets them) start again
// at 1. Shared by the overdue numbers and the overdue Superzahl digits. A value is kept as its age
// less the draws counted so far, so a draw costs its own numbers rather than one step per value.
template <typename Ages, typename Mark>
void age(Ages& ages, std::span<const TZiehung> records, const HistoryFilter& window, Mark mark)
{
    std::int32_t counted = 0;
    auto reset = [&ages, &counted](std::size_t value) { ages[value] = 1 - counted; };
    for (const TZiehung& r : records) {
        if (!countedAfterStart(r, window))
            continue;
        ++counted;
        mark(r, reset);
    }
    for (std::int32_t& a : ages)
        a += counted;
}

Expected<StatisticRun> overdueNumbers(ProgramState& state)
{
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const HistoryFilter window = storeWindow(state, true);

    const Game& game = state.game;
    NumberCounts overdue;
    overdue.fill(1);
    ResultSeries& chart = state.chart;
    chart.begin();
    age(overdue, *records, window, [&game](const TZiehung& r, auto reset) {
        for (std::uint8_t v : r.Zahlen)
            if (v <= game.numbers)
                reset(v);
        if (r.Zusatzzahl <= game.numbers && game.zusatzzahlIsFromDrum())
            reset(r.Zusatzzahl);
    });
    for (int k = 1; k <= game.numbers; ++k)
        chart.points.push_back({k, overdue[std::size_t(k)], ResultSeries::primeColour(k)});
    chart.rangeOverPoints();
    chart.title = state.meldungen[28];
    return StatisticRun{true};
}

Expected<StatisticRun> overdueSuperzahl(ProgramState& state)
{
    if (Status played = superzahlPlayed(state.game); !played)
        return played.error();
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    HistoryFilter window = state.historyFilter();
    window.startDate = std::max(window.startDate, superzahlOverdueStart());
    state.startDateField = window.startDate;

    std::array<std::int32_t, 10> overdue{};
    ResultSeries& chart = state.chart;
    chart.begin();
    age(overdue, *records, window, [](const TZiehung& r, auto reset) {
        if (r.Superzahl <= 9)
            reset(r.Superzahl);
    });
    for (int d = 0; d <= 9; ++d)
        chart.points.push_back({d, overdue[std::size_t(d)], PointColour::SeriesDefault});
    chart.rangeOverPoints();
    chart.title = state.meldungen[38];
    return StatisticRun{true};
}

Expected<StatisticRun> superzahlFrequency(ProgramState& state)
{
    if (Status played = superzahlPlayed(state.game); !played)
        return played.error();
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const double picked = state.startDate.value;
    const double saturdayStart = std::max(picked, superzahlSaturdayStart());
    const double wednesdayStart = std::max(picked, superzahlWednesdayStart());
    const double end = state.chosenDate.value;

    std::array<std::int32_t, 10> counts{};
    ResultSeries& chart = state.chart;
    chart.begin();
    for (const TZiehung& r : *records) {
        if (!(r.Datum <= end))
            continue;
        const int weekday = DayDate::dayOfWeek(r.Datum);
        const bool saturday = r.Datum >= saturdayStart && weekday == DayDate::Saturday && state.saturdayDraws;
        const bool wednesday = r.Datum >= wednesdayStart && weekday == DayDate::Wednesday && state.wednesdayDraws;
        if ((saturday || wednesday) && r.Superzahl <= 9)
            ++counts[r.Superzahl];
    }
    for (int d = 0; d <= 9; ++d)
        chart.points.push_back({d, counts[std::size_t(d)], PointColour::SeriesDefault});
    chart.rangeOverPoints();
    chart.title = state.meldungen[3];
    return StatisticRun{false};
}

Expected<StatisticRun> groupings(ProgramState& state, int size)
{
    if (size < 2 || size > 4)
        return Error{QStringLiteral("group size %1 is not 2, 3 or 4").arg(size)};
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const HistoryFilter window = storeWindow(state, size > 2);

    // A run counts when the six numbers hold all of k..k+size-1; the bonus number never counts.
    const int numbers = state.game.numbers;
    NumberCounts counts{};
    std::int64_t n = 0;
    std::int64_t found = 0;
    const int lastStart = numbers + 1 - size;
    const TZiehung* lastCounted = nullptr;
    for (const TZiehung& r : *records) {
        if (!countedAfterStart(r, window))
            continue;
        ++n;
        lastCounted = &r;
        // Up to 90 numbers: wider than one machine word.
        std::array<bool, Game::MaxNumbers + 2> drawn{};
        for (std::uint8_t v : r.Zahlen)
            if (v >= 1 && v <= numbers)
                drawn[v] = true;
        for (int k = 1; k <= lastStart; ++k) {
            int held = 0;
            while (held < size && drawn[std::size_t(k + held)])
                ++held;
            if (held == size) {
                ++counts[std::size_t(k)];
                ++found;
            }
        }
    }
    if (lastCounted) {
        loadNumbers(state, *lastCounted);
        // The check result is that of the last run tested against the last counted draw.
        std::array<QString, 6> row;
        for (int i = 0; i < 6; ++i)
            row[std::size_t(i)] = i < size ? QString::number(lastStart + i) : QStringLiteral("0");
        state.checkResult = Zettelcheck(row, state.currentDraw, numbers);
    }

    ResultSeries& chart = state.chart;
    chart.begin();
    const int shown = size == 4 ? numbers : lastStart;
    for (int k = 1; k <= shown; ++k)
        chart.points.push_back({k, counts[std::size_t(k)], PointColour::SeriesDefault});
    if (size == 4)
        chart.range.automatic = true;
    else
        chart.rangeOverPoints();
    const Meldungen& m = state.meldungen;
    const int word = size == 2 ? 9 : size == 3 ? 11 : 15;
    chart.title = m[1] + QStringLiteral(": ") + QString::number(n) + QStringLiteral("     ") + m[word]
        + QLatin1Char(' ') + m[10] + QStringLiteral(" : ") + QString::number(found);
    return StatisticRun{true};
}

Expected<StatisticRun> digitSums(ProgramState& state)
{
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const HistoryFilter window = storeWindow(state, true);

    // The largest sum of six numbers of 1..N is 6N - 15 (279 for 49).
    std::vector<std::int32_t> counts(std::size_t(6 * state.game.numbers - 14), 0);
    int smallest = 500;
    int largest = 0;
    double n = 0;
    double qsTotal = 0;
    ResultSeries& chart = state.chart;
    chart.begin();
    for (const TZiehung& r : *records) {
        if (!countedAfterStart(r, window))
            continue;
        // Foreign bytes above N could push the sum past 6N - 15; such a sum is not charted.
        const int qs = digitSum(r);
        if (qs < int(counts.size())) {
            ++counts[std::size_t(qs)];
            smallest = std::min(smallest, qs);
            largest = std::max(largest, qs);
        }
        n += 1;
        qsTotal += qs;
    }
    chart.range.automatic = true;
    if (n > 0) {
        for (int q = smallest; q <= largest; ++q)
            chart.points.push_back({q, counts[std::size_t(q)], PointColour::SeriesDefault});
        chart.title = meanTitle(state.meldungen, 13, 14, n, qsTotal);
    }
    return StatisticRun{false};
}

Expected<StatisticRun> perDraw(ProgramState& state, DrawProperty property)
{
    auto records = state.history.records(state.drawFilePath());
    if (!records)
        return records.error();
    const HistoryFilter window = storeWindow(state, false);

    auto has = [property](int v) {
        switch (property) {
        case DrawProperty::Primes:
            return ResultSeries::isPrime(v);
        case DrawProperty::Odd:
            return v % 2 != 0;
        case DrawProperty::Even:
            return v % 2 == 0;
        }
        return false;
    };
    std::array<std::int32_t, 7> counts{};
    std::int64_t n = 0;
    ResultSeries& chart = state.chart;
    chart.begin();
    for (const TZiehung& r : *records) {
        if (!countedAfterStart(r, window))
            continue;
        ++n;
        loadNumbers(state, r);
        int count = 0;
        for (int i = 0; i < 6; ++i)
            count += has(state.currentDraw.numbers[std::size_t(i)]) ? 1 : 0;
        ++counts[std::size_t(count)];
    }
    std::int64_t share = 0;
    for (int i = 0; i <= 6; ++i) {
        chart.points.push_back({i, counts[std::size_t(i)], PointColour::SeriesDefault});
        share += std::int64_t(i) * counts[std::size_t(i)];
    }
    chart.rangeOverPoints();
    if (n > 0) {
        const Meldungen& m = state.meldungen;
        const int first = property == DrawProperty::Primes ? 44 : property == DrawProperty::Odd ? 46 : 48;
        const QString separator = property == DrawProperty::Primes ? QStringLiteral(". ") : QStringLiteral(".  ");
        const std::int64_t percent = roundHalfEven(100.0 * double(share) / (6.0 * double(n)));
        chart.title = m[first] + QLatin1Char(' ') + QString::number(n) + QLatin1Char(' ') + m[1] + separator
            + QString::number(percent) + QStringLiteral("% ") + m[first + 1] + QLatin1Char('.');
    }
    return StatisticRun{true};
}

Expected<StatisticRun> sheetDistribution(ProgramState& state)
{
    const Game& game = state.game;
    NumberCounts counts{};
    bool stopped = false;
    for (int r = 0; r < TTippSchein::RowCount && !stopped; ++r)
        for (int p = 0; p < TTippSchein::FieldsPerRow && !stopped; ++p) {
            const auto value = parseInteger(state.sheet.field(r, p));
            if (!value || !game.validNumber(*value))
                stopped = true;
            else
                ++counts[std::size_t(*value)];
        }
    ResultSeries& chart = state.chart;
    chart.begin();
    for (int k = 1; k <= game.numbers; ++k)
        chart.points.push_back({k, counts[std::size_t(k)], ResultSeries::primeColour(k)});
    chart.rangeOverPoints();
    chart.title = state.meldungen[29];
    return StatisticRun{true};
}

} // namespace numora::Statistics
