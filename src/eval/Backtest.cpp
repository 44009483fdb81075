#include "eval/Backtest.h"

#include "base/FileSystem.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "session/DrawBrowser.h"
#include "gen/Generator.h"

#include <algorithm>
#include <optional>

namespace numora {

namespace {

// The pool dialog would stop every pass; it is off for the replay and back afterwards.
class PoolDialogOff {
public:
    explicit PoolDialogOff(ProgramState& state) : m_state(state), m_saved(state.params.showPoolDialog())
    {
        m_state.params.setShowPoolDialog(false);
        m_state.hooks->optionsChanged();
    }
    ~PoolDialogOff()
    {
        m_state.params.setShowPoolDialog(m_saved);
        m_state.hooks->optionsChanged();
    }
    PoolDialogOff(const PoolDialogOff&) = delete;
    PoolDialogOff& operator=(const PoolDialogOff&) = delete;

private:
    ProgramState& m_state;
    bool m_saved;
};

// The rows Komplettcheck scored: every row whose six fields all read as integers.
std::vector<std::array<std::uint8_t, 6>> scoredRows(const TTippSchein& sheet, int maxNumber)
{
    std::vector<std::array<std::uint8_t, 6>> rows;
    if (!sheet.sheetReady())
        return rows;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        std::array<std::uint8_t, 6> numbers{};
        bool complete = true;
        for (int p = 0; p < 6 && complete; ++p) {
            const auto value = parseInteger(sheet.row(r).fields[std::size_t(p)]);
            complete = value.has_value();
            if (value && *value >= 1 && *value <= maxNumber)
                numbers[std::size_t(p)] = static_cast<std::uint8_t>(*value);
        }
        if (complete)
            rows.push_back(numbers);
    }
    return rows;
}

bool drawnOnOtherDays(const Game& game)
{
    return std::any_of(game.days.begin(), game.days.end(), [](const Game::DrawDay& d) {
        return d.weekday != DayDate::Saturday && d.weekday != DayDate::Wednesday;
    });
}

bool countsAsSaturday(double date)
{
    const int weekday = DayDate::dayOfWeek(date);
    return weekday == DayDate::Saturday || weekday == DayDate::Sunday;
}

class Replay {
public:
    Replay(ProgramState& state, const Backtest::Options& options, Backtest::Result& result)
        : m_state(state), m_options(options), m_result(result)
    {
    }

    // False when the replay failed; the result's end says how it ended otherwise.
    bool execute(double start);

private:
    bool stopRequested() const { return m_options.control && m_options.control->stopRequested(); }

    ProgramState& m_state;
    const Backtest::Options& m_options;
    Backtest::Result& m_result;
};

bool Replay::execute(double start)
{
    ProgramState& s = m_state;
    // An empty history has no draw to step to; read literally the replay would never end.
    const auto records = s.history.records(s.drawFilePath());
    if (!records)
        return false;
    if (records->empty() || start == s.todayDay()) {
        m_result.end = Backtest::End::Completed;
        return true;
    }
    const double step = s.saturdayDraws && s.wednesdayDraws ? 3.0 : 6.0;
    // Three days from a Saturday pass a Monday draw: a game drawn on other days than Saturday and
    // Wednesday steps from draw to draw while every weekday counts.
    const bool drawByDraw = s.saturdayDraws && s.wednesdayDraws && drawnOnOtherDays(s.game);
    std::uint8_t rowsWithThree = 4; // wraps like the byte it is; 4 makes the first pass generate
    double passStart = start;
    for (;;) {
        s.random->setState(static_cast<std::uint32_t>(m_result.seed));
        if (!(s.params.recalculateOnlyAfterThree() && rowsWithThree == 0)) {
            const auto generated = Generator::generate(s);
            if (stopRequested()) {
                m_result.end = Backtest::End::Stopped;
                return true;
            }
            if (!generated || generated->end == GenerationResult::End::PoolTooSmall
                || generated->end == GenerationResult::End::PoolDialogClosed)
                return false;
        }
        s.chosenDate.setDate(drawByDraw ? s.currentDraw.date + 1 : s.chosenDate.value + step);
        if (!DrawBrowser::showChosenDate(s))
            return false;
        const double shown = s.currentDraw.date;
        if (shown == passStart)
            break;

        ++m_result.passes;
        rowsWithThree = 0;
        const int column = countsAsSaturday(shown) ? Backtest::Saturday : Backtest::Wednesday;
        Backtest::Pass pass;
        for (int i = 0; i < 6; ++i)
            pass.numbers[std::size_t(i)] = static_cast<std::uint8_t>(s.currentDraw.numbers[std::size_t(i)]);
        for (int i = 0; i <= 6; ++i) {
            const std::int32_t without = s.trefferbilanz.withoutBonus(i);
            const std::int32_t with = s.trefferbilanz.withBonus(i);
            m_result.table[std::size_t(i)][std::size_t(column)] += without;
            m_result.table[std::size_t(i)][std::size_t(column + 1)] += with;
            if (i >= 3)
                rowsWithThree = static_cast<std::uint8_t>(rowsWithThree + without + with);
            pass.rows += without + with;
        }
        pass.sheet = scoredRows(s.sheet, s.game.numbers);
        m_result.evaluated.push_back(std::move(pass));
        passStart = shown;

        s.hooks->setStatusPanel0(DayDate::formatShortDate(shown));
        s.hooks->sheetChecked();
        s.hooks->pumpMessages();
        if (stopRequested()) {
            m_result.end = Backtest::End::Stopped;
            return true;
        }
    }
    m_result.end = Backtest::End::Completed;
    return true;
}

} // namespace

Expected<Backtest::Result> Backtest::run(ProgramState& state, const Options& options)
{
    std::optional<RunControl::Scope> running;
    if (options.control)
        running.emplace(*options.control);
    const PoolDialogOff poolDialogOff(state);
    const double start = state.chosenDate.value;
    if (auto shown = DrawBrowser::showChosenDate(state); !shown)
        return shown.error();
    state.hooks->drawChanged();

    Result result;
    result.numbers = state.game.numbers;
    const QString proposed = QString::number(state.random->next(99999));
    const auto asked = state.hooks->askTextOrCancel(state.meldungen[30] + QStringLiteral(" (1-99999999)?"),
                                                    state.meldungen[31], proposed);
    if (!asked) {
        result.end = End::Cancelled;
        return result;
    }
    const QString& answer = *asked;
    auto failed = [&] {
        state.hooks->showMessage(state.meldungen[34]);
        result.end = End::Failed;
        return result;
    };
    const auto seed = parseInteger(answer.trimmed());
    if (!seed)
        return failed();
    result.seed = *seed;
    state.random->setState(static_cast<std::uint32_t>(*seed));
    state.hooks->setStatusText(state.meldungen[31] + QLatin1Char(' ') + QString::number(*seed));

    state.hooks->setBusy(true);
    const bool replayed = Replay(state, options, result).execute(start);
    state.hooks->setBusy(false);
    if (!replayed)
        return failed();
    if (result.end != End::Completed)
        return result;

    result.report = reportLines(state, result.table, result.passes);
    if (!options.reportPath.isEmpty() && !writeReport(options.reportPath, result.report))
        return failed();
    return result;
}

QStringList Backtest::reportLines(const ProgramState& state, const Table& table, std::int32_t passes)
{
    const QString arrow = QStringLiteral("\t=>\t");
    QStringList lines{state.meldungen[33]};
    for (int i = 0; i <= 6; ++i) {
        const auto& row = table[std::size_t(i)];
        lines << QString::number(i) + QStringLiteral("x") + arrow + QString::number(row[Saturday]) + arrow
                + QString::number(row[Wednesday]);
        if (i <= 5)
            lines << QString::number(i) + QStringLiteral("x + Bonus") + arrow + QString::number(row[SaturdayBonus])
                    + arrow + QString::number(row[WednesdayBonus]);
    }
    lines << QString();
    lines << QString::number(passes) + QLatin1Char(' ') + state.meldungen[1];
    return lines;
}

Status Backtest::writeReport(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    return FileSystem::real().replaceFile(path, path + QLatin1Char('~'), bytes);
}

} // namespace numora
