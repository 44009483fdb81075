#include "eval/Losnummer.h"

#include "base/DayDate.h"
#include "base/Random.h"
#include "base/TextCatalog.h"
#include "draws/DrawFile.h"
#include "model/TZiehung.h"

namespace numora::Losnummer {

namespace {

// First ticket digit (1-based) compared with Spiel 77 and Super 6 under each rule.
struct Rule {
    int spiel77From; // t_k..t7 = s_k..s7
    int super6From;  // t_k..t7 = u_(k-1)..u6
};

Rule ruleOf(int level)
{
    switch (level) {
    case 1:
        return {1, 2};
    case 2:
        return {2, 2};
    case 3:
        return {3, 3};
    default:
        return {4, 4};
    }
}

void drawDigits(Digits& digits, Random& random)
{
    for (int i = 0; i < 6; ++i)
        digits[std::size_t(i)] = int(random.next(10));
}

} // namespace

std::optional<Digits> parse(const QString& text)
{
    if (text.size() != 7)
        return std::nullopt;
    Digits digits{};
    for (int i = 0; i < 7; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        digits[std::size_t(i)] = c.unicode() - '0';
    }
    return digits;
}

QString format(const Digits& digits)
{
    QString text;
    for (int d : digits)
        text += QChar(QLatin1Char(char('0' + d)));
    return text;
}

bool matches(const Digits& ticket, const TZiehung& draw, int level, bool* super6)
{
    const Rule rule = ruleOf(level);
    bool spiel77Match = true;
    for (int k = rule.spiel77From; k <= 7 && spiel77Match; ++k)
        spiel77Match = ticket[std::size_t(k - 1)] == draw.Spiel77[k - 1];
    bool super6Match = true;
    for (int k = rule.super6From; k <= 7 && super6Match; ++k)
        super6Match = ticket[std::size_t(k - 1)] == draw.Super6[k - 2];
    if (super6)
        *super6 = super6Match;
    return spiel77Match || super6Match;
}

Expected<CheckResult> check(const DrawFile& file, const Digits& ticket)
{
    const auto records = file.readAll();
    if (!records)
        return records.error();
    for (const TZiehung& r : *records) {
        bool super6 = false;
        if (matches(ticket, r, 1, &super6))
            return CheckResult{true, super6, r.Datum};
    }
    return CheckResult{};
}

QString checkMessage(const CheckResult& result)
{
    if (!result.drawn)
        return tx(QStringLiteral("Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen"));
    const QString message = result.super6 ? tx(QStringLiteral("LosNr. wurde am %1 bei der Super 6 gezogen"))
                                          : tx(QStringLiteral("LosNr. wurde am %1 im Spiel 77 gezogen"));
    return message.arg(DayDate::formatShortDate(result.date));
}

Expected<Generated> generate(const DrawFile& file, Random& random, int level, int lastDigit)
{
    Generated g;
    g.digits[6] = lastDigit;
    drawDigits(g.digits, random);
    g.level = level;
    if (level <= 0)
        return g;

    const auto records = file.readAll();
    if (!records)
        return records.error();
    int redraws = 1;
    for (std::size_t i = 0; i < records->size();) {
        if (!matches(g.digits, (*records)[i], g.level)) {
            ++i;
            continue;
        }
        drawDigits(g.digits, random);
        i = 0;
        if (++redraws > RedrawsPerLevel) {
            // Levels below 1 reuse the loosest rule: lowering past 0 would only repeat it forever.
            if (g.level <= 0) {
                g.passed = false;
                return g;
            }
            --g.level;
            redraws = 1;
        }
    }
    return g;
}

} // namespace numora::Losnummer
