#pragma once

#include "base/Expected.h"

#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace numora {

// One six-number lottery game as its definition file describes it (data/games/README.md).
// Everything the core does with numbers reads N and the extra number from here.
struct Game {
    // What the game draws besides the six numbers, and where the draw record keeps it.
    enum class Extra {
        None,      // nothing (Zusatzzahl byte stays 0)
        Bonus,     // a seventh ball of the same drum, 1..N, in the Zusatzzahl byte
        Superzahl, // a digit 0..9 of its own drum, in the Superzahl byte
        Joker,     // a number 1..N of its own drum, in the Zusatzzahl byte
    };

    struct DrawDay {
        int weekday = 0;   // DayDate: 1 = Sunday .. 7 = Saturday
        double since = 0;  // the first draw on that weekday; 0 when it was always drawn
    };

    static constexpr int MinNumbers = 7;
    static constexpr int MaxNumbers = 90;
    static constexpr int Drawn = 6;
    static constexpr const char* DefaultId = "sayisal";
    static constexpr int DefaultNumbers = 49; // the default game's N

    QString id = QString::fromLatin1(DefaultId);
    QString name = QStringLiteral("Sayisal Loto");                      // the name in every language without its own
    std::map<QString, QString> names;   // language code ("tr", "de") -> name
    int numbers = DefaultNumbers;       // N: the numbers are 1..N
    Extra extra = Extra::None;
    double extraSince = 0;              // the first draw with the extra number; 0 = always
    std::vector<DrawDay> days;
    int gridColumns = 7;                // the ticket's number grid, filled row by row
    int gridRows = 7;
    QString currency;
    int feeCents = 0;                   // per row
    bool ticketLayouts = false;
    bool additionalGames = false;
    bool ticketNumber = false;
    bool onlineSubmission = false;
    QString resultsAddress;             // a results CSV; empty when none is known
    double lastDraw = 0;                // a game no longer drawn: its last draw; 0 = still drawn

    // The name in `language`, else the common one.
    QString nameIn(const QString& language) const;
    bool validNumber(int n) const { return n >= 1 && n <= numbers; }
    bool hasSuperzahl() const { return extra == Extra::Superzahl; }
    // The Superzahl statistics: a game that draws one, or whose ticket number ends in one.
    bool hasSuperzahlStatistics() const { return hasSuperzahl() || ticketNumber; }
    // The Zusatzzahl byte holds a ball of the six's drum (or nothing): it counts with the six.
    bool zusatzzahlIsFromDrum() const { return extra != Extra::Joker; }
    // The largest value the Zusatzzahl byte may hold (0 = unknown).
    int zusatzzahlMaximum() const { return numbers; }
    bool drawnOn(int weekday, double day) const;
    // "6/49".
    QString shortForm() const;

    // The nearest near-square grid for N numbers: columns = ceil(sqrt N), rows to hold them all
    // (7×7 for 49, 10×9 for 90).
    static void nearSquareGrid(int numbers, int& columns, int& rows);
    static bool validId(const QString& id);
    static QString extraName(Extra extra);
    static std::optional<Extra> extraByName(const QString& name);
    static QString dayName(int weekday);
    static int weekdayByName(const QString& name);

    // A definition file's text; `fileName` names it in every error, with the line. Either the
    // whole definition or an error: nothing is half applied.
    static Expected<Game> parse(const QByteArray& text, const QString& fileName);
    // The text of a definition file that parse() reads back to the same game.
    QByteArray format() const;
};

} // namespace numora
