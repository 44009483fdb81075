#include "gen/Generator.h"

#include "session/ProgramState.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "session/DrawBrowser.h"
#include "session/RowCheck.h"
#include "gen/NumberPool.h"
#include "gen/RowFilter.h"
#include "gen/SheetCommands.h"

namespace numora {

namespace {

DrawValues valuesOf(const CurrentDraw& draw)
{
    DrawValues v{};
    for (int i = 0; i < 8; ++i)
        v[std::size_t(i)] = static_cast<std::uint8_t>(draw.numbers[std::size_t(i)]);
    return v;
}

// The options a run may relax, and the caption it found.
struct Saved {
    bool forcedPair = false;
    int lastDraw = 0;
    int secondLast = 0;
    int historyHits = 0;
};

// Puts back what the run changed, whichever way it ends.
void restore(ProgramState& state, const Saved& saved)
{
    state.sheet.setSheetReady(true);
    state.params.setForcePair(saved.forcedPair);
    state.params.setMaxSharedWithDraw(1, saved.lastDraw);
    state.params.setMaxSharedWithDraw(2, saved.secondLast);
    state.params.setEarlierDrawHits(saved.historyHits);
    state.hooks->setBusy(false);
    state.hooks->optionsChanged();
}

// The last draw is the one shown for the chosen date, the other two the draws before it; the
// chosen date is put back afterwards.
Status readRecentDraws(ProgramState& state, RecentDraws& recent)
{
    const double chosen = state.chosenDate.value;
    if (auto s = DrawBrowser::showChosenDate(state); !s)
        return s;
    recent.draws[0] = valuesOf(state.currentDraw);
    if (auto s = DrawBrowser::previousDraw(state); !s)
        return s;
    recent.draws[1] = valuesOf(state.currentDraw);
    if (auto s = DrawBrowser::previousDraw(state); !s)
        return s;
    recent.draws[2] = valuesOf(state.currentDraw);
    state.chosenDate.setDate(chosen);
    return DrawBrowser::showChosenDate(state);
}

class Run {
public:
    explicit Run(ProgramState& state) : m_state(state), m_scope(state.generation) {}
    Expected<GenerationResult> execute();

private:
    bool running() const { return !m_state.generation.stopRequested(); }
    Expected<bool> fillRow(int r);
    void relax(int r);

    ProgramState& m_state;
    RunControl::Scope m_scope;
    Saved m_saved;
    RecentDraws m_recent;
    PlacedRows m_placed;
    NumberPool::Pool m_pool;
    std::int32_t m_limit = 0;
    std::int32_t m_counter = 0;
};

void Run::relax(int r)
{
    if (r < 3)
        return;
    Berechnungsparameter& p = m_state.params;
    if (m_counter == m_limit - 20000) {
        p.setEarlierDrawHits(6);
        m_state.hooks->optionsChanged();
    } else if (m_counter == m_limit - 10000) {
        p.setMaxSharedWithDraw(2, 2);
        p.setMaxSharedWithDraw(1, 1);
        m_state.hooks->optionsChanged();
    } else if (m_counter == m_limit - 5000) {
        p.setMaxSharedWithDraw(2, 3);
        p.setMaxSharedWithDraw(1, 2);
        m_state.hooks->optionsChanged();
    }
}

Expected<bool> Run::fillRow(int r)
{
    TTippSchein& sheet = m_state.sheet;
    Row candidate{};
    int position = 0; // 0-based; 6 = complete
    const bool locked = sheet.row(r - 1).locked;
    if (locked) {
        for (int p = 0; p < 6; ++p) {
            const QString text = sheet.field(r - 1, p);
            const auto value = parseInteger(text);
            if (!value)
                return notAnInteger(text);
            candidate[std::size_t(p)] = static_cast<std::uint8_t>(*value);
        }
    } else {
        const bool skip = r >= 2 && (m_counter >= m_limit || sheet.tipCount() < r);
        while (!skip && position < 6 && m_counter < m_limit && running()) {
            m_state.hooks->pumpMessages();
            ++m_counter;
            if (m_counter == m_limit / 2 && m_state.params.forcePair()) {
                m_state.params.setForcePair(false);
                m_state.hooks->optionsChanged();
            }
            relax(r);
            // Six distinct entries of the pool; a repeated number is drawn again.
            position = 0;
            candidate = {};
            while (position < 6) {
                const std::uint8_t v = m_pool[m_state.random->next(std::uint32_t(m_pool.size()))];
                candidate[std::size_t(position)] = v;
                bool repeated = false;
                for (int i = 0; i < position; ++i)
                    repeated = repeated || candidate[std::size_t(i)] == v;
                if (repeated)
                    candidate[std::size_t(position)] = 0;
                else
                    ++position;
            }
            int digitSum = 0;
            for (std::uint8_t v : candidate)
                digitSum += v;
            for (int i = 0; i < 6; ++i)
                for (int j = i; j < 6; ++j)
                    if (candidate[std::size_t(j)] < candidate[std::size_t(i)])
                        std::swap(candidate[std::size_t(i)], candidate[std::size_t(j)]);
            m_state.hooks->setStatusText(Generator::candidateText(m_state, r, candidate.data(), digitSum));
            auto accepted = RowFilter::accepts(m_state, candidate, digitSum, m_placed, m_recent);
            if (!accepted)
                return accepted.error();
            if (!*accepted) {
                candidate = {};
                position = 0;
            }
        }
        if (m_counter >= m_limit || position < 6)
            candidate = {};
        int sum = 0;
        for (std::uint8_t v : candidate)
            sum += v;
        sheet.row(r - 1).sumText = QString::number(sum);
    }
    if (r == 1)
        m_state.hooks->showSheetTab();
    for (int p = 0; p < 6; ++p)
        sheet.setField(r - 1, p, QString::number(candidate[std::size_t(p)]));
    m_placed.rows[std::size_t(r - 1)] = candidate;
    m_placed.count = r;
    m_state.hooks->sheetChanged();
    return true;
}

Expected<GenerationResult> Run::execute()
{
    ProgramState& s = m_state;
    s.sheet.setSheetReady(false);
    s.generatorLoopLimit = s.params.loopLimit();
    m_limit = s.generatorLoopLimit;
    m_saved.forcedPair = s.params.forcePair();
    m_saved.lastDraw = s.params.maxSharedWithDraw(1);
    m_saved.secondLast = s.params.maxSharedWithDraw(2);
    m_saved.historyHits = s.params.earlierDrawHits();
    s.hooks->setBusy(true);

    const double chosen = s.chosenDate.value;
    // The history rules leave the current draw on the last draw they examined; the next field
    // exit must check against the chosen date's draw, as after a normal end.
    auto fail = [&](const Error& error) -> Expected<GenerationResult> {
        restore(s, m_saved);
        s.chosenDate.setDate(chosen);
        (void)DrawBrowser::showChosenDate(s);
        return error;
    };
    if (auto st = readRecentDraws(s, m_recent); !st)
        return fail(st.error());
    SheetCommands::clearUnlockedRows(s);
    s.hooks->sheetChanged();

    auto pool = NumberPool::build(s, m_recent);
    if (!pool)
        return fail(pool.error());
    if (!pool->has_value()) {
        restore(s, m_saved);
        return GenerationResult{GenerationResult::End::PoolDialogClosed, 0};
    }
    m_pool = std::move(**pool);
    // Six distinct numbers cannot come out of a smaller pool; drawing would never end.
    if (NumberPool::distinctNumbers(m_pool) < 6) {
        restore(s, m_saved);
        s.hooks->setStatusText(Generator::poolTooSmallMessage());
        s.runCounter = 0;
        return GenerationResult{GenerationResult::End::PoolTooSmall, 0};
    }
    s.hooks->setStatusText(s.meldungen[23]);
    s.hooks->showSheetTab();

    for (int r = 1; r <= TTippSchein::RowCount; ++r) {
        auto filled = fillRow(r);
        if (!filled)
            return fail(filled.error());
    }

    const bool spent = m_counter >= m_limit;
    const bool stopped = !running();
    restore(s, m_saved);
    s.runCounter = m_counter;
    s.hooks->setStatusText(s.meldungen[spent ? 25 : 26]);
    if (auto st = DrawBrowser::showChosenDate(s); !st)
        return st.error();
    Komplettcheck(s);
    s.hooks->sheetChanged();
    const auto end = spent ? GenerationResult::End::BudgetSpent
        : stopped          ? GenerationResult::End::StopRequest
                           : GenerationResult::End::Finished;
    return GenerationResult{end, m_counter};
}

} // namespace

QString Generator::poolTooSmallMessage()
{
    return tx(QStringLiteral("Die Zahlenliste enthält weniger als sechs verschiedene Zahlen; es wurde kein Tipp "
                             "berechnet. Bitte wählen Sie andere Optionen."));
}

QString Generator::candidateText(const ProgramState& state, int row, const std::uint8_t* n, int digitSum)
{
    const QString beforeSum = row == 3 ? QStringLiteral("    ") : (row == 2 || row == 4) ? QStringLiteral("   ")
                                                                                       : QStringLiteral("  ");
    return QString::number(row) + QLatin1Char('.') + state.meldungen[24] + QStringLiteral(":  ") + QString::number(n[0])
        + QLatin1Char(' ') + QString::number(n[1]) + QStringLiteral("  ") + QString::number(n[2])
        + QStringLiteral("  ") + QString::number(n[3]) + QStringLiteral("  ") + QString::number(n[4])
        + QStringLiteral("  ") + QString::number(n[5]) + beforeSum + QStringLiteral("QS: ")
        + QString::number(digitSum);
}

Expected<std::optional<std::vector<std::uint8_t>>> Generator::buildPool(ProgramState& state)
{
    RecentDraws recent;
    if (auto st = readRecentDraws(state, recent); !st)
        return st.error();
    return NumberPool::build(state, recent);
}

Expected<GenerationResult> Generator::generate(ProgramState& state)
{
    // A call while a run goes on is that run's stop request.
    if (state.generation.running()) {
        state.generation.requestStop();
        return GenerationResult{GenerationResult::End::StopRequest, 0};
    }
    return Run(state).execute();
}

} // namespace numora
