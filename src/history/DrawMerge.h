#pragma once

#include "base/Expected.h"
#include "model/RunControl.h"
#include "draws/DrawCsv.h"
#include "model/TZiehung.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace numora {

struct ProgramState;
class WebClient;

// Brings the history up to date from a results CSV (a file, or an address fetched over HTTP)
// without giving up a stored draw. The CSV is compared with the history date by date:
// - draws dated after the newest stored draw are appended;
// - a date already stored must agree in the six numbers and in every field the CSV gives, else it
//   is a conflict, and a CSV with any conflict writes nothing;
// - draws of an older date that the history lacks are gaps: reported, and inserted only when the
//   caller says so, through one atomic rewrite.
namespace DrawMerge {

// What a merge does with gaps: leave them out, insert them, or ask the user (UiHooks::askYesNo).
enum class Gaps { Leave, Insert, Ask };

// A date on which the CSV and the history disagree: both versions.
struct Conflict {
    double date = 0.0;
    std::vector<TZiehung> stored;
    std::vector<DrawCsv::Line> csv;
};

struct Plan {
    std::vector<TZiehung> newer; // dated after the newest stored draw: date order, file order within a date
    std::vector<TZiehung> gaps; // of older dates the history lacks; date order
    int present = 0; // CSV draws the history already holds
    std::vector<Conflict> conflicts; // date order
};

// The comparison alone. A line repeated word for word in the CSV counts once. A draw dated after
// `today` is an error naming its line: it would stop every later update before it.
Expected<Plan> compare(std::span<const TZiehung> stored, std::span<const DrawCsv::Line> lines, double today);

struct Outcome {
    Plan plan;
    int appended = 0;
    int inserted = 0;
    bool stopped = false; // the fetch of an address was stopped; nothing was read or written
    QStringList notes; // what the reader did beside the draws (DrawCsv::Table::notes)
    bool written() const { return appended + inserted > 0; }
};

// Compares `lines` with the stored history (created empty when missing) and writes what the rules
// allow: nothing on a conflict; the newer draws appended after the last whole record; with gaps
// inserted (`Gaps::Insert`, or Yes to the question) the whole history rewritten in date order
// through a temporary file. After a write the browser shows the newest draw, as after an update.
Expected<Outcome> merge(ProgramState& state, std::span<const DrawCsv::Line> lines, Gaps gaps);
// The same for a file read by the merge's reader; its notes go into the outcome.
Expected<Outcome> merge(ProgramState& state, const DrawCsv::Table& table, Gaps gaps);

// The CSV at `address`, fetched with `client` (its proxy, time-outs, redirects and size limit as
// set), then merged. Progress goes to status panel 0; `control` runs while it goes on and is asked
// while the answer arrives; a stop ends the fetch and writes nothing. A refused, timed-out or unsuccessful request is an error naming the
// address.
Expected<Outcome> mergeAddress(ProgramState& state, WebClient& client, const QString& address, Gaps gaps,
                               RunControl* control = nullptr);

// Conflicting dates as DD.MM.YYYY with both versions, at most ListedDates of them, then
// "und N weitere"; the entries joined by `separator` ("\n" for a message box, "; " for one line).
inline constexpr int ListedDates = 10;
QString conflictMessage(const Plan& plan, const QString& separator);
// "Fehlende ältere Ziehungen: DD.MM.YYYY, …" (at most ListedDates dates); empty without gaps.
QString gapList(const Plan& plan);
QString gapQuestion(const Plan& plan);
// How many draws were appended, already present, conflicting and gaps (and inserted).
QString summary(const Outcome& outcome);

} // namespace DrawMerge
} // namespace numora
