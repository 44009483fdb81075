#include "eval/Recurrence.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"
#include "eval/RtfText.h"
#include "gen/SheetCommands.h"
#include "model/NumberMask.h"

#include <optional>
#include <algorithm>
#include <bit>
#include <vector>

namespace numora {

namespace {

NumberMask maskOf(const TZiehung& record, int maxNumber) { return NumberMask::of(record.Zahlen, 6, maxNumber); }

// Row 1 holding a draw's numbers, counted against other draws as `Zettelcheck` counts it.
class RowOne {
public:
    RowOne(const TZiehung& record, int maxNumber) : m_maxNumber(maxNumber)
    {
        for (int p = 0; p < 6; ++p) {
            const int n = record.Zahlen[p];
            m_values[std::size_t(p)] = n;
            // The field rule empties a number outside 1..N, and the count stops there.
            if ((n < 1 || n > maxNumber) && m_firstEmpty == 6)
                m_firstEmpty = p;
            if (n >= 1 && n <= maxNumber) {
                m_distinct = m_distinct && !m_mask.has(n);
                m_mask.set(n);
            }
        }
    }

    int hits(const TZiehung& other, const NumberMask& otherMask) const
    {
        if (m_firstEmpty == 6 && m_distinct)
            return common(m_mask, otherMask);
        if (m_firstEmpty == 6) {
            int count = 0;
            for (int v : m_values)
                count += int(otherMask.has(v));
            return count;
        }
        // Only the first drawn number is compared before the empty field ends the count.
        const int first = other.Zahlen[0];
        if (first < 1 || first > m_maxNumber)
            return 0;
        int count = 0;
        for (int p = 0; p < m_firstEmpty; ++p)
            count += int(m_values[std::size_t(p)] == first);
        return count;
    }

    void writeTo(ProgramState& state) const
    {
        for (int p = 0; p < 6; ++p)
            state.sheet.setField(0, p, QString::number(m_values[std::size_t(p)]));
    }

private:
    std::array<int, 6> m_values{};
    NumberMask m_mask;
    int m_maxNumber;
    int m_firstEmpty = 6;
    bool m_distinct = true;
};

class Analysis {
public:
    Analysis(ProgramState& state, const Recurrence::Options& options, Recurrence::Result& result,
             std::vector<TZiehung> records)
        : m_state(state), m_options(options), m_result(result), m_records(std::move(records))
    {
        m_masks.reserve(m_records.size());
        for (const TZiehung& r : m_records)
            m_masks.push_back(maskOf(r, maxNumber()));
    }

    // Every draw against each earlier one: the bit counts are most of the time.
    NUMORA_POPCOUNT_CLONES Status execute(int threshold, double limit);

private:
    bool stopRequested() const { return m_options.control && m_options.control->stopRequested(); }
    int maxNumber() const { return m_state.game.numbers; }
    // The program as the walk leaves it inside pass `k`: draw k shown, row 1 holding its numbers.
    Status leaveInPass(std::size_t k, bool firstPass);
    // The program as the walk leaves it after its last pass `k`: the draw after it shown and
    // evaluated against row 1.
    Status leaveAfterPass(std::size_t k);

    ProgramState& m_state;
    const Recurrence::Options& m_options;
    Recurrence::Result& m_result;
    std::vector<TZiehung> m_records;
    std::vector<NumberMask> m_masks;
};

Status Analysis::leaveInPass(std::size_t k, bool firstPass)
{
    ProgramState& s = m_state;
    if (!firstPass) {
        SheetCommands::clearUnlockedRows(s);
        RowOne(m_records[k - 1], maxNumber()).writeTo(s);
        s.currentDraw.position = std::int32_t(k - 1);
        if (auto st = DrawBrowser::nextDraw(s); !st)
            return st;
    }
    SheetCommands::clearUnlockedRows(s);
    RowOne(m_records[k], maxNumber()).writeTo(s);
    return Done{};
}

Status Analysis::leaveAfterPass(std::size_t k)
{
    ProgramState& s = m_state;
    SheetCommands::clearUnlockedRows(s);
    RowOne(m_records[k], maxNumber()).writeTo(s);
    s.currentDraw.position = std::int32_t(k);
    return DrawBrowser::nextDraw(s);
}

Status Analysis::execute(int threshold, double limit)
{
    ProgramState& s = m_state;
    const std::size_t n = m_records.size();
    const std::size_t first = std::size_t(std::clamp<std::int32_t>(s.currentDraw.position, 0, std::int32_t(n - 1)));
    std::size_t k = first;
    DatePicker picker = s.chosenDate;
    double lower = s.startDateField; // the target of show the chosen date in the first pass
    while (m_records[k].Datum < limit) {
        const bool firstPass = k == first && m_result.passes == 0;
        const RowOne row(m_records[k], maxNumber());
        s.hooks->setStatusPanel0(DayDate::formatShortDate(limit));
        s.hooks->setStatusText(DayDate::formatShortDate(m_records[k].Datum));
        s.hooks->pumpMessages();
        if (stopRequested()) {
            m_result.end = Recurrence::End::Stopped;
            return leaveInPass(k, firstPass);
        }
        ++m_result.passes;
        const double end = picker.value;
        s.endDateField = end;
        for (std::size_t i = 0; i < n; ++i) {
            const double date = m_records[i].Datum;
            if (!(lower <= date && date < end))
                continue;
            const int hits = row.hits(m_records[i], m_masks[i]);
            ++m_result.earlier[std::size_t(hits)];
            if (hits < threshold)
                continue;
            const QString text = s.meldungen[6] + DayDate::formatShortDate(date) + QStringLiteral("  ") + s.meldungen[7];
            if (!s.hooks->askYesNo(s.meldungen[8], text)) {
                m_result.end = Recurrence::End::Declined;
                if (auto st = leaveInPass(k, firstPass); !st)
                    return st;
                s.endDateField = end;
                s.currentDraw.take(m_records[i]);
                return Done{};
            }
        }
        limit = m_records[n - 1].Datum;
        if (k + 1 < n)
            ++m_result.next[std::size_t(row.hits(m_records[k + 1], m_masks[k + 1]))];
        if (k + 2 < n)
            ++m_result.afterNext[std::size_t(row.hits(m_records[k + 2], m_masks[k + 2]))];
        if (k + 3 < n)
            ++m_result.third[std::size_t(row.hits(m_records[k + 3], m_masks[k + 3]))];
        // Stepping with next and previous draw puts the chart's start date into the start field.
        lower = s.startDate.value;
        const std::size_t after = std::min(k + 1, n - 1);
        picker.setDate(m_records[after].Datum);
        if (after == k || !(m_records[after].Datum < limit)) {
            if (auto st = leaveAfterPass(k); !st)
                return st;
            s.endDateField = end;
            return Done{};
        }
        k = after;
    }
    return Done{};
}

} // namespace

Expected<Recurrence::Result> Recurrence::run(ProgramState& state, const Options& options)
{
    std::optional<RunControl::Scope> running;
    if (options.control)
        running.emplace(*options.control);
    if (auto shown = DrawBrowser::showChosenDate(state); !shown)
        return shown.error();
    state.hooks->drawChanged();
    state.hooks->showSheetTab();
    const double limit = state.chosenDate.value + 10.0;
    const auto asked = state.hooks->askTextOrCancel(state.meldungen[4], state.meldungen[39], QStringLiteral("6"));
    if (!asked) {
        Result cancelled;
        cancelled.end = End::Cancelled;
        return cancelled;
    }
    const QString& answer = *asked;
    const auto threshold = parseInteger(answer);
    if (!threshold)
        return notAnInteger(answer);

    state.hooks->setBusy(true);
    Result result;
    state.endDateField = state.chosenDate.value;
    auto records = state.drawFile().readAll();
    if (!records) {
        state.hooks->setBusy(false);
        return records.error();
    }
    // An empty history has no next draw; read literally the walk would never end.
    if (!records->empty()) {
        const Status walked = Analysis(state, options, result, std::move(*records)).execute(*threshold, limit);
        if (!walked) {
            state.hooks->setBusy(false);
            return walked.error();
        }
    }
    state.hooks->setBusy(false);
    if (result.end != End::Completed)
        return result;
    result.report = reportLines(state, result);
    if (!options.reportPath.isEmpty())
        if (auto written = RtfText::write(options.reportPath, result.report); !written)
            return written.error();
    return result;
}

bool Recurrence::replacesTips(const ProgramState& state)
{
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        if (r > 0 && state.sheet.row(r).locked)
            continue;
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p)
            if (!state.sheet.field(r, p).trimmed().isEmpty())
                return true;
    }
    return false;
}

QString Recurrence::sheetQuestion()
{
    return tx(QStringLiteral("Der Vergleich schreibt jede Ziehung in Tipp 1 und leert die nicht gesperrten Tipps. "
                             "Die Tipps des Scheins gehen dabei verloren. Trotzdem vergleichen?"));
}

QStringList Recurrence::reportLines(const ProgramState& state, const Result& result)
{
    QStringList lines;
    auto table = [&lines](const Table& t) {
        for (int i = 0; i <= 6; ++i)
            lines << QString::number(i) + QStringLiteral("x    =>") + QString::number(t[std::size_t(i)]);
    };
    lines << state.meldungen[40];
    table(result.earlier);
    lines << QStringLiteral(" ") << state.meldungen[41];
    table(result.next);
    lines << QStringLiteral(" ") << state.meldungen[42];
    table(result.afterNext);
    lines << QStringLiteral(" ") << state.meldungen[43];
    table(result.third);
    return lines;
}

} // namespace numora
