#include "output/PrintSettings.h"

#include "session/ProgramState.h"
#include "base/Formatting.h"
#include "base/Random.h"
#include "base/TextCatalog.h"
#include "model/Game.h"
#include "model/TTippSchein.h"
#include "stats/Statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace numora::PrintSettings {

double fee(const QString& text, double fallback)
{
    const auto value = parseDecimal(text);
    return value ? *value : fallback;
}

double cost(const CostInput& in, bool byClick)
{
    if (in.extra)
        return in.rows * 2.25 + in.feeOneDay;
    double c = in.rows * 0.75;
    if (in.spiel77 == GameBox::Ticked)
        c += 2.5;
    if (in.super6 == GameBox::Ticked)
        c += 1.25;
    if (in.glueck == GameBox::Ticked)
        c += 5.4;
    if (byClick && !in.saturday && !in.wednesday)
        return 0.0;
    return in.saturday && in.wednesday ? c * 2 + in.feeBothDays : c + in.feeOneDay;
}

QString formatCost(double cost)
{
    // Five significant digits, as the display has always shown it.
    if (cost != 0.0 && std::isfinite(cost)) {
        const double magnitude = std::floor(std::log10(std::fabs(cost))) + 1;
        const double scale = std::pow(10.0, 5 - magnitude);
        cost = std::round(cost * scale) / scale;
    }
    return formatDecimal(cost, 2) + QStringLiteral(" €");
}

QString currencySign(const QString& currency)
{
    const QString code = currency.trimmed().toUpper();
    return code == QLatin1String("EUR") ? QStringLiteral("€") : code;
}

QString formatAmount(double amount, const QString& currency)
{
    return formatDecimal(amount, 2) + QLatin1Char(' ') + currencySign(currency);
}

QString costText(const Game& game, const CostInput& input, bool byClick)
{
    if (game.ticketLayouts)
        return formatCost(cost(input, byClick));
    if (game.feeCents <= 0)
        return tx(QStringLiteral("Preis je Tipp nicht festgelegt"));
    const int days = int(input.saturday) + int(input.wednesday);
    if (byClick && days == 0)
        return formatAmount(0.0, game.currency);
    return formatAmount(double(input.rows) * std::max(days, 1) * game.feeCents / 100.0, game.currency);
}

int filledRows(const TTippSchein& sheet)
{
    int rows = 0;
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        if (!sheet.field(r, 0).isEmpty())
            ++rows;
    return rows;
}

Days preselectDays(bool saturdayOnly, const QDate& today)
{
    if (saturdayOnly)
        return {true, false};
    const int weekday = today.dayOfWeek(); // Monday 1 .. Sunday 7
    const bool wednesday = weekday == Qt::Sunday || weekday <= Qt::Wednesday;
    return {!wednesday, wednesday};
}

SuperzahlChoice chooseSuperzahl(SuperzahlOption option, bool exclusion, int x, const std::array<int, 10>& overdue,
                                const std::array<int, 10>& frequency, Random& random)
{
    switch (option) {
    case SuperzahlOption::LongestOverdue:
        return {int(std::max_element(overdue.begin(), overdue.end()) - overdue.begin()), false};
    case SuperzahlOption::Rarest: {
        std::array<int, 10> order;
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return frequency[a] < frequency[b]; });
        if (!exclusion)
            return {order[0], false};
        for (int d : order)
            if (overdue[std::size_t(d)] > x)
                return {d, false};
        // Too few draws for the exclusion: the rarest digit after all.
        return {order[0], true};
    }
    case SuperzahlOption::Random:
    default: {
        int s = int(random.next(10));
        if (!exclusion)
            return {s, false};
        // Re-drawing could never end when no digit is overdue long enough.
        if (std::none_of(overdue.begin(), overdue.end(), [x](int v) { return v >= x; }))
            return {s, true};
        while (x > overdue[std::size_t(s)])
            s = int(random.next(10));
        return {s, false};
    }
    }
}

Expected<SuperzahlChoice> chooseSuperzahl(ProgramState& state)
{
    const auto option = static_cast<SuperzahlOption>(std::clamp(state.ticket.superzahlOption, 0, 2));
    const bool exclusion = state.params.excludeRecentSuperzahlen();
    const int x = state.params.superzahlWindow();
    std::array<int, 10> overdue{};
    std::array<int, 10> frequency{};
    auto values = [&state](std::array<int, 10>& into) {
        for (std::size_t d = 0; d < into.size(); ++d)
            into[d] = state.chart.valueAt(d);
    };
    const bool needOverdue = option == SuperzahlOption::LongestOverdue || exclusion;
    if (option == SuperzahlOption::Rarest) {
        if (auto run = Statistics::superzahlFrequency(state); !run)
            return run.error();
        values(frequency);
    }
    if (needOverdue) {
        if (auto run = Statistics::overdueSuperzahl(state); !run)
            return run.error();
        values(overdue);
    }
    return chooseSuperzahl(option, exclusion, x, overdue, frequency, *state.random);
}

} // namespace numora::PrintSettings
