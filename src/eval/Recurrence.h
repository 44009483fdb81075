#pragma once

#include "base/Expected.h"
#include "model/RunControl.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

namespace numora {

struct ProgramState;

// "Ziehungen vergleichen": for every draw from the chosen one on, how many of its numbers each
// earlier draw shared (A), and the next (B), the one after (C) and the third draw (D).
// The counts come from bit masks of one read of the history; the program is left where the
// step-by-step walk through the draws would leave it.
class Recurrence {
public:
    using Table = std::array<std::int32_t, 7>;

    struct Options {
        // The report ("Test.rtf" in the program directory from the window); empty writes nothing.
        QString reportPath;
        // Runs while the analysis goes on and is asked once per pass; a stop ends it without a report.
        RunControl* control = nullptr;
    };

    enum class End { Completed, Declined, Stopped, Cancelled };

    struct Result {
        End end = End::Completed;
        Table earlier{};    // A
        Table next{};       // B
        Table afterNext{};  // C
        Table third{};      // D
        std::int32_t passes = 0;
        QStringList report; // the lines of "Test.rtf"
    };

    // A threshold that is no integer and draw file errors come back as the error; Cancel in the
    // threshold question ends it before anything runs.
    static Expected<Result> run(ProgramState& state, const Options& options);

    // The walk writes each draw into row 1 and empties the unlocked rows: whether the sheet holds
    // numbers it would lose, and the question the window asks before it starts.
    static bool replacesTips(const ProgramState& state);
    static QString sheetQuestion();

    static QStringList reportLines(const ProgramState& state, const Result& result);
};

} // namespace numora
