#pragma once

#include "base/Expected.h"
#include "base/WebHosts.h"
#include "model/RunControl.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace numora {

struct ProgramState;
class WebClient;

// Brings the history up to date from the update service: one request per calendar day from the
// day after the newest stored draw up to today; the draws of a day are appended together as soon
// as its answer is read.
namespace DrawUpdate {

struct Outcome {
    int days = 0;        // days requested
    int draws = 0;       // draws appended
    bool stopped = false;
    // The service's line that could not be read (shown to the user); the update ended there.
    std::optional<QString> unreadableLine;
    // Set when the service gave no HTTP answer for UnansweredDaysLimit days in a row: the
    // message shown to the user; the update ended there.
    std::optional<QString> unreachable;
};

// Days in a row without any HTTP answer (refused, timed out, cut off) after which the update
// gives up: a dead service would otherwise cost a connect wait for every day up to today.
inline constexpr int UnansweredDaysLimit = 3;

// "The service at ADDRESS is not reachable", with the client's last error.
QString unreachableMessage(const QString& address, const QString& error);

// A draw line "leading field,n1,n2,n3,n4,n5,n6;spiel77;super6;": the six numbers in the order
// given, or the rest of the line from where it stopped making sense. Numbers that are not six
// distinct values 1..49 make the line unreadable too, so they never reach the history.
struct ParsedLine {
    std::optional<std::array<std::uint8_t, 6>> numbers;
    QString rest;
};
ParsedLine parseLine(const QString& line);

// A day's answer: its draw lines in order up to the first unreadable one, which ends the answer.
// Blank lines are skipped; CR LF and LF both end a line.
struct DayAnswer {
    std::vector<std::array<std::uint8_t, 6>> draws;
    std::optional<QString> unreadableLine; // the rest of the line from where it stopped making sense
};
DayAnswer readDayAnswer(const QByteArray& body);

QString requestPath(double day);   // /zahlen/lotto_neu.asp?Programm=Orbix&Datum=yyyymmdd
QString uploadPath(const TZiehung& record);

// The update; `control` runs while it goes on and is asked after every day; `onDay` hears of
// every day that added draws. Proxy: `state.proxyHost`/`state.proxyPort`.
Expected<Outcome> run(ProgramState& state, WebClient& client, RunControl& control,
                      const std::function<void(double day, int draws)>& onDay = {});

// "Export nach Text": every stored draw sent to the upload address; answers and errors ignored.
Status uploadAll(ProgramState& state, WebClient& client);

} // namespace DrawUpdate
} // namespace numora
