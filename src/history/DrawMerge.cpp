#include "history/DrawMerge.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/TextCatalog.h"
#include "base/WebClient.h"
#include "session/DrawBrowser.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>

namespace numora::DrawMerge {

namespace {

std::array<std::uint8_t, 6> sortedNumbers(const TZiehung& draw)
{
    std::array<std::uint8_t, 6> numbers{};
    std::copy(std::begin(draw.Zahlen), std::end(draw.Zahlen), numbers.begin());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// The stored draw agrees with the CSV line in the numbers (in any order: the update stores them
// as the service sent them) and in every field the line gives.
bool agrees(const TZiehung& stored, const DrawCsv::Line& line)
{
    const TZiehung& csv = line.draw;
    return sortedNumbers(stored) == sortedNumbers(csv) && (!line.hasZusatzzahl || stored.Zusatzzahl == csv.Zusatzzahl)
        && (!line.hasSuperzahl || stored.Superzahl == csv.Superzahl)
        && (!line.hasSpiel77 || std::equal(std::begin(stored.Spiel77), std::end(stored.Spiel77), std::begin(csv.Spiel77)))
        && (!line.hasSuper6 || std::equal(std::begin(stored.Super6), std::end(stored.Super6), std::begin(csv.Super6)));
}

bool sameLine(const DrawCsv::Line& a, const DrawCsv::Line& b)
{
    return a.draw.toBytes() == b.draw.toBytes() && a.hasZusatzzahl == b.hasZusatzzahl
        && a.hasSuperzahl == b.hasSuperzahl && a.hasSpiel77 == b.hasSpiel77 && a.hasSuper6 == b.hasSuper6;
}

// Every stored draw of the date is matched by exactly one CSV line and the other way round.
bool sameDraws(const std::vector<TZiehung>& stored, const std::vector<DrawCsv::Line>& csv)
{
    if (stored.size() != csv.size())
        return false;
    std::vector<bool> used(stored.size(), false);
    for (const DrawCsv::Line& line : csv) {
        bool found = false;
        for (std::size_t i = 0; i < stored.size() && !found; ++i) {
            if (!used[i] && agrees(stored[i], line)) {
                used[i] = true;
                found = true;
            }
        }
        if (!found)
            return false;
    }
    return true;
}

QString digitsText(const std::uint8_t* digits, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QString::number(digits[i]);
    return text;
}

// The numbers, and the fields the CSV gives for this date.
QString version(const TZiehung& draw, const DrawCsv::Line& fields)
{
    QStringList parts;
    for (std::uint8_t n : draw.Zahlen)
        parts << QString::number(n);
    QStringList text{parts.join(QLatin1Char(' '))};
    if (fields.hasZusatzzahl)
        text << tx(QStringLiteral("Zusatzzahl %1")).arg(draw.Zusatzzahl);
    if (fields.hasSuperzahl)
        text << tx(QStringLiteral("Superzahl %1")).arg(draw.Superzahl);
    if (fields.hasSpiel77)
        text << tx(QStringLiteral("Spiel 77 %1")).arg(digitsText(draw.Spiel77, 7));
    if (fields.hasSuper6)
        text << tx(QStringLiteral("Super 6 %1")).arg(digitsText(draw.Super6, 6));
    return text.join(QStringLiteral(", "));
}

QString conflictEntry(const Conflict& conflict)
{
    DrawCsv::Line fields; // every field any CSV line of the date gives
    for (const DrawCsv::Line& line : conflict.csv) {
        fields.hasZusatzzahl |= line.hasZusatzzahl;
        fields.hasSuperzahl |= line.hasSuperzahl;
        fields.hasSpiel77 |= line.hasSpiel77;
        fields.hasSuper6 |= line.hasSuper6;
    }
    QStringList stored;
    for (const TZiehung& draw : conflict.stored)
        stored << version(draw, fields);
    QStringList csv;
    for (const DrawCsv::Line& line : conflict.csv)
        csv << version(line.draw, fields);
    return tx(QStringLiteral("%1: gespeichert %2, in der CSV-Datei %3"))
        .arg(DayDate::formatShortDate(conflict.date), stored.join(QStringLiteral(" / ")),
             csv.join(QStringLiteral(" / ")));
}

// "a, b, c" for the first ListedDates entries, then "und N weitere".
QString listed(const QStringList& entries, const QString& separator)
{
    QStringList shown = entries.mid(0, ListedDates);
    if (entries.size() > ListedDates)
        shown << tx(QStringLiteral("und %1 weitere")).arg(entries.size() - ListedDates);
    return shown.join(separator);
}

QStringList gapDates(const Plan& plan)
{
    QStringList dates;
    for (const TZiehung& draw : plan.gaps) {
        const QString date = DayDate::formatShortDate(draw.Datum);
        if (dates.isEmpty() || dates.last() != date)
            dates << date;
    }
    return dates;
}

} // namespace

Expected<Plan> compare(std::span<const TZiehung> stored, std::span<const DrawCsv::Line> lines, double today)
{
    std::map<double, std::vector<TZiehung>> storedByDate;
    for (const TZiehung& draw : stored)
        if (std::isfinite(draw.Datum)) // a damaged record has no date to compare
            storedByDate[draw.Datum].push_back(draw);
    const double newest = storedByDate.empty() ? -1.0 : storedByDate.rbegin()->first;

    std::map<double, std::vector<DrawCsv::Line>> csvByDate;
    for (const DrawCsv::Line& line : lines) {
        if (line.draw.Datum > today)
            return Error{tx(QStringLiteral("line %1: %2")).arg(line.number).arg(
                tx(QStringLiteral("the draw of %1 lies after today")).arg(DayDate::formatShortDate(line.draw.Datum)))};
        std::vector<DrawCsv::Line>& sameDate = csvByDate[line.draw.Datum];
        if (std::none_of(sameDate.begin(), sameDate.end(), [&](const DrawCsv::Line& l) { return sameLine(l, line); }))
            sameDate.push_back(line);
    }

    Plan plan;
    for (const auto& [date, csv] : csvByDate) {
        const auto held = storedByDate.find(date);
        if (date > newest) {
            for (const DrawCsv::Line& line : csv)
                plan.newer.push_back(line.draw);
        } else if (held == storedByDate.end()) {
            for (const DrawCsv::Line& line : csv)
                plan.gaps.push_back(line.draw);
        } else if (sameDraws(held->second, csv)) {
            plan.present += int(csv.size());
        } else {
            plan.conflicts.push_back(Conflict{date, held->second, csv});
        }
    }
    return plan;
}

Expected<Outcome> merge(ProgramState& state, std::span<const DrawCsv::Line> lines, Gaps gaps)
{
    const DrawFile file = state.drawFile();
    auto stored = file.readAllCreating();
    if (!stored)
        return stored.error();
    auto plan = compare(*stored, lines, state.todayDay());
    if (!plan)
        return plan.error();

    Outcome outcome;
    outcome.plan = std::move(*plan);
    const Plan& p = outcome.plan;
    if (!p.conflicts.empty())
        return outcome;

    bool insert = false;
    if (!p.gaps.empty()) {
        if (gaps == Gaps::Insert)
            insert = true;
        else if (gaps == Gaps::Ask)
            insert = state.hooks->askYesNo(tx(QStringLiteral("CSV hinzufügen")), gapQuestion(p));
    }
    if (insert) {
        // One rewrite: each gap before the first stored draw dated after it, the stored records
        // in their order, the newer draws at the end.
        std::vector<TZiehung> all;
        all.reserve(stored->size() + p.gaps.size() + p.newer.size());
        std::size_t next = 0;
        for (const TZiehung& draw : *stored) {
            while (next < p.gaps.size() && std::isfinite(draw.Datum) && p.gaps[next].Datum < draw.Datum)
                all.push_back(p.gaps[next++]);
            all.push_back(draw);
        }
        all.insert(all.end(), p.gaps.begin() + std::ptrdiff_t(next), p.gaps.end());
        all.insert(all.end(), p.newer.begin(), p.newer.end());
        if (auto s = file.replaceAll(all); !s)
            return s.error();
        outcome.inserted = int(p.gaps.size());
        outcome.appended = int(p.newer.size());
    } else if (!p.newer.empty()) {
        if (auto s = file.append(p.newer); !s)
            return s.error();
        outcome.appended = int(p.newer.size());
    }

    if (outcome.written()) {
        // As after an update: the picker after the newest draw, which the browser then shows.
        double newest = 0.0;
        for (const TZiehung& draw : *stored)
            if (std::isfinite(draw.Datum))
                newest = std::max(newest, draw.Datum);
        for (const TZiehung& draw : p.newer)
            newest = std::max(newest, draw.Datum);
        state.chosenDate.setDate(newest + 1);
        if (auto s = DrawBrowser::showChosenDate(state); !s)
            return s.error();
        state.shownDrawCopy = state.shownDraw;
    }
    return outcome;
}

Expected<Outcome> merge(ProgramState& state, const DrawCsv::Table& table, Gaps gaps)
{
    auto outcome = merge(state, table.lines, gaps);
    if (outcome)
        outcome->notes = table.notes;
    return outcome;
}

Expected<Outcome> mergeAddress(ProgramState& state, WebClient& client, const QString& address, Gaps gaps,
                               RunControl* control)
{
    UiHooks& hooks = *state.hooks;
    hooks.setStatusPanel0(tx(QStringLiteral("Lade %1")).arg(address));
    qint64 shown = -1;
    client.setProgress([&](qint64 received) {
        if (received != shown) {
            shown = received;
            hooks.setStatusPanel0(tx(QStringLiteral("Received %1 bytes")).arg(received));
        }
        hooks.pumpMessages();
        return !(control && control->stopRequested());
    });
    const WebResponse answer = client.get(address);
    client.setProgress({});

    if (answer.failure == WebResponse::Failure::Stopped) {
        hooks.setStatusPanel0(tx(QStringLiteral("Gestoppt")));
        Outcome outcome;
        outcome.stopped = true;
        return outcome;
    }
    if (!answer.answered()) {
        hooks.setStatusPanel0(tx(QStringLiteral("Failed : %1")).arg(answer.error));
        return Error{tx(QStringLiteral("Die CSV-Adresse %1 ist nicht erreichbar (%2).")).arg(address, answer.error)};
    }
    hooks.setStatusPanel0(tx(QStringLiteral("Received %1 bytes")).arg(answer.body.size()));
    if (answer.status != 200) {
        hooks.setStatusPanel0(tx(QStringLiteral("Failed : %1 %2")).arg(answer.status).arg(answer.statusText));
        return Error{tx(QStringLiteral("Die CSV-Adresse %1 antwortet mit %2 %3."))
                         .arg(address, QString::number(answer.status), answer.statusText)};
    }
    const auto table = DrawCsv::parseTable(answer.body, state.game.numbers);
    if (!table)
        return Error{QStringLiteral("%1: %2").arg(address, table.error().message)};
    return merge(state, *table, gaps);
}

QString conflictMessage(const Plan& plan, const QString& separator)
{
    QStringList entries;
    for (const Conflict& conflict : plan.conflicts)
        entries << conflictEntry(conflict);
    return tx(QStringLiteral("Konflikte mit den gespeicherten Ziehungen: %1. Es wurde nichts geschrieben."))
               .arg(plan.conflicts.size())
        + (separator.contains(QLatin1Char('\n')) ? separator : QStringLiteral(" ")) + listed(entries, separator);
}

QString gapList(const Plan& plan)
{
    if (plan.gaps.empty())
        return QString();
    return tx(QStringLiteral("Fehlende ältere Ziehungen: %1")).arg(listed(gapDates(plan), QStringLiteral(", ")));
}

QString gapQuestion(const Plan& plan)
{
    return tx(QStringLiteral("Ältere Ziehungen der CSV-Datei, die der gespeicherten Historie fehlen: %1 (%2). In die "
                             "Historie einfügen?"))
        .arg(plan.gaps.size())
        .arg(listed(gapDates(plan), QStringLiteral(", ")));
}

QString summary(const Outcome& outcome)
{
    const Plan& p = outcome.plan;
    if (outcome.inserted > 0)
        return tx(QStringLiteral("Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4 (eingefügt: %5)"))
            .arg(outcome.appended)
            .arg(p.present)
            .arg(p.conflicts.size())
            .arg(p.gaps.size())
            .arg(outcome.inserted);
    return tx(QStringLiteral("Angefügt: %1, schon vorhanden: %2, Konflikte: %3, Lücken: %4"))
        .arg(outcome.appended)
        .arg(p.present)
        .arg(p.conflicts.size())
        .arg(p.gaps.size());
}

} // namespace numora::DrawMerge
