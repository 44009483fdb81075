#include "history/DrawUpdate.h"

#include "session/ProgramState.h"
#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "base/TextDecoding.h"
#include "base/WebClient.h"
#include "session/DrawBrowser.h"

#include <QStringList>

#include <vector>

namespace numora::DrawUpdate {

namespace {

// The text up to `separator` (not included) from `pos`, moving `pos` past it.
std::optional<QString> field(const QString& line, qsizetype& pos, QChar separator)
{
    const qsizetype end = line.indexOf(separator, pos);
    if (end < 0)
        return std::nullopt;
    QString text = line.mid(pos, end - pos);
    pos = end + 1;
    return text;
}

} // namespace

ParsedLine parseLine(const QString& line)
{
    ParsedLine parsed;
    qsizetype pos = 0;
    if (!field(line, pos, QLatin1Char(','))) {
        parsed.rest = line;
        return parsed;
    }
    std::array<std::uint8_t, 6> numbers{};
    std::uint64_t seen = 0;
    for (int i = 0; i < 6; ++i) {
        const qsizetype start = pos;
        const auto text = field(line, pos, i < 5 ? QLatin1Char(',') : QLatin1Char(';'));
        const auto value = text ? parseInteger(text->trimmed()) : std::nullopt;
        if (!value || *value < 1 || *value > 49 || (seen >> *value & 1)) {
            parsed.rest = line.mid(start);
            return parsed;
        }
        seen |= std::uint64_t(1) << *value;
        numbers[std::size_t(i)] = static_cast<std::uint8_t>(*value);
    }
    // The Spiel 77 and Super 6 fields may follow; the Turkish game has no use for them.
    parsed.numbers = numbers;
    return parsed;
}

DayAnswer readDayAnswer(const QByteArray& body)
{
    DayAnswer answer;
    const QStringList lines = decodeServiceText(body).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        ParsedLine parsed = parseLine(line);
        if (!parsed.numbers) {
            answer.unreadableLine = std::move(parsed.rest);
            break;
        }
        answer.draws.push_back(*parsed.numbers);
    }
    return answer;
}

QString unreachableMessage(const QString& address, const QString& error)
{
    return tx(QStringLiteral("Der Dienst %1 ist nicht erreichbar (%2). Die Aktualisierung wurde beendet; die bisher "
                             "geladenen Ziehungen bleiben gespeichert."))
        .arg(address, error);
}

QString requestPath(double day)
{
    return QStringLiteral("/zahlen/lotto_neu.asp?Programm=Orbix&Datum=") + DayDate::formatCompact(day);
}

QString uploadPath(const TZiehung& r)
{
    QString path = QStringLiteral("/zahlen/Orbix_eintragen.asp?Programm=Orbix&Datum=") + DayDate::formatCompact(r.Datum)
        + QLatin1Char('&');
    for (int i = 0; i < 6; ++i)
        path += QStringLiteral("Zahl%1=%2&").arg(i + 1).arg(r.Zahlen[i]);
    return path;
}

Expected<Outcome> run(ProgramState& state, WebClient& client, RunControl& control,
                      const std::function<void(double, int)>& onDay)
{
    const RunControl::Scope running(control);
    const DrawFile file = state.drawFile();
    auto records = file.readAllCreating();
    if (!records)
        return records.error();
    const double newest = records->empty() ? 0.0 : records->back().Datum;
    if (newest > 0) {
        state.chosenDate.setDate(newest);
        state.chosenDate.setDate(newest + 1);
    } else {
        state.chosenDate.setDate(state.chosenDate.minimum);
    }

    Outcome outcome;
    const double today = state.todayDay();
    UiHooks& hooks = *state.hooks;
    auto finish = [&]() -> Expected<Outcome> {
        state.shownDrawCopy = state.shownDraw;
        if (auto s = DrawBrowser::showChosenDate(state); !s)
            return s.error();
        return outcome;
    };
    int unanswered = 0; // days in a row without an HTTP answer
    while (state.chosenDate.value <= today && !control.stopRequested()) {
        const double day = state.chosenDate.value;
        if (auto s = client.setProxy(state.proxyHost, state.proxyPort); !s)
            return s.error();
        hooks.setStatusPanel0(tx(QStringLiteral("Loading")));
        const WebResponse answer = client.get(WebHosts::join(state.hosts.services, requestPath(day)));
        ++outcome.days;
        unanswered = answer.answered() ? 0 : unanswered + 1;
        if (unanswered >= UnansweredDaysLimit) {
            const QString message = unreachableMessage(state.hosts.services, answer.error);
            outcome.unreachable = message;
            hooks.setStatusPanel0(tx(QStringLiteral("Failed : %1")).arg(answer.error));
            hooks.showMessage(message);
            return finish();
        }
        hooks.setStatusPanel0(tx(QStringLiteral("Received %1 bytes")).arg(answer.body.size()));
        hooks.setStatusText(tx(QStringLiteral("Not guarantee the accuracy of the numbers!")));
        if (answer.status == 500)
            hooks.setStatusPanel0(tx(QStringLiteral("%1 noch nicht da!")).arg(DayDate::formatShortDate(day)));
        else if (answer.status > 200)
            hooks.setStatusPanel0(tx(QStringLiteral("Failed : %1 %2")).arg(answer.status).arg(answer.statusText));
        if (answer.status == 200) {
            // A day's draws go to the file in one write: a crash between two of them would
            // otherwise keep the first and lose the rest for good, since the next update starts
            // after the newest stored day.
            std::vector<TZiehung> dayDraws;
            auto store = [&]() -> Status {
                if (dayDraws.empty())
                    return Done{};
                if (auto s = file.append(dayDraws); !s)
                    return s;
                outcome.draws += int(dayDraws.size());
                if (onDay)
                    onDay(day, int(dayDraws.size()));
                return Done{};
            };
            const DayAnswer read = readDayAnswer(answer.body);
            if (!read.draws.empty() || read.unreadableLine)
                state.currentDraw.date = day;
            for (const auto& numbers : read.draws) {
                TZiehung record;
                record.Datum = day;
                for (int i = 0; i < 6; ++i)
                    record.Zahlen[i] = numbers[std::size_t(i)];
                DrawBrowser::showWritten(state, record);
                dayDraws.push_back(record);
            }
            if (read.unreadableLine) {
                outcome.unreadableLine = read.unreadableLine;
                if (auto s = store(); !s)
                    return s.error();
                hooks.showMessage(*read.unreadableLine);
                return finish();
            }
            if (auto s = store(); !s)
                return s.error();
        }
        state.chosenDate.setDate(day + 1);
        hooks.setStatusText(DayDate::formatShortDate(state.chosenDate.value));
        hooks.pumpMessages();
    }
    outcome.stopped = state.chosenDate.value <= today;
    return finish();
}

Status uploadAll(ProgramState& state, WebClient& client)
{
    auto records = state.drawFile().readAll();
    if (!records)
        return records.error();
    for (const TZiehung& r : *records)
        (void)client.get(WebHosts::join(state.hosts.services, uploadPath(r)));
    return Done{};
}

} // namespace numora::DrawUpdate
