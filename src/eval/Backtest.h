#pragma once

#include "base/Expected.h"
#include "model/Game.h"
#include "model/RunControl.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace numora {

struct ProgramState;

// "Parameter testen": replays the history from the chosen date on. Before each draw it lets
// the generator compute a sheet with the current options, evaluates the sheet against that draw
// and tallies the rows by hit class, apart for Saturday and Wednesday draws.
class Backtest {
public:
    // Hit class 0..6; per class Saturday without/with bonus, Wednesday without/with bonus.
    using Table = std::array<std::array<std::int32_t, 4>, 7>;
    enum Column { Saturday = 0, SaturdayBonus = 1, Wednesday = 2, WednesdayBonus = 3 };

    // One evaluated draw: its six numbers, how many rows the sheet had against it and those rows
    // as they were scored (a number outside 1..N kept as 0, which never hits).
    struct Pass {
        std::array<std::uint8_t, 6> numbers{};
        std::int32_t rows = 0;
        std::vector<std::array<std::uint8_t, 6>> sheet;
    };

    struct Options {
        // Where the report goes ("Test.txt" in the current directory from the window); empty
        // writes nothing.
        QString reportPath;
        // Runs while the replay goes on and is asked once per pass; a stop ends the replay
        // without a report.
        RunControl* control = nullptr;
    };

    enum class End { Completed, Stopped, Failed, Cancelled };

    struct Result {
        End end = End::Failed;
        std::int32_t seed = 0;
        std::int32_t numbers = Game::DefaultNumbers; // the game's N, for the comparison with chance
        Table table{};
        std::int32_t passes = 0;
        std::vector<Pass> evaluated;
        QStringList report; // the lines of "Test.txt"
    };

    // A failure after the seed dialog shows message 34 and gives End::Failed; an error of the
    // draw file before it is returned as the error.
    static Expected<Result> run(ProgramState& state, const Options& options);

    static QStringList reportLines(const ProgramState& state, const Table& table, std::int32_t passes);
    // The lines with CR LF after each, through a temporary file renamed over the old one.
    static Status writeReport(const QString& path, const QStringList& lines);
};

} // namespace numora
