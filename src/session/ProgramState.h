#pragma once

#include "base/DatePicker.h"
#include "model/Meldungen.h"
#include "model/RunControl.h"
#include "model/StoredChoices.h"
#include "base/ProgramFolders.h"
#include "base/Random.h"
#include "model/UiHooks.h"
#include "base/WebHosts.h"
#include "model/CurrentDraw.h"
#include "draws/DrawFile.h"
#include "draws/HistoryCache.h"
#include "model/HistoryFilter.h"
#include "model/CheckResult.h"
#include "model/Berechnungsparameter.h"
#include "model/Game.h"
#include "model/TTippSchein.h"
#include "model/ResultSeries.h"

#include <QDate>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace numora {

// Everything the main window keeps between operations, free of widgets: the window binds its
// widgets to these fields, the command line and the tests drive them directly.
struct ProgramState {
    ProgramState();

    // The program directory with a trailing "/": the user's files, written by the program. The
    // shipped files (languages, templates, ticket images, the fanfare) are looked up through
    // shippedFile(); portable, all three folders are the same.
    QString programDir;
    QString sharedDir;
    QString docDir;
    QString drawFileName = QString::fromLatin1(DrawFile::DefaultName);
    QString soundFileName = QStringLiteral("yippee.wav");
    // The game played: its N and extra number rule every operation.
    Game game;
    // Where the history window of this game starts by design (the start picker's first value).
    double gameStartDate = designedStartDate();

    // "Today"; replaced in tests.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // History window: the fields the statistics and the browser write, and the two pickers.
    double endDateField = 0.0;
    double startDateField = 0.0;
    DatePicker chosenDate;  // DateTimePicker1, "Datenbank"
    DatePicker startDate;   // DateTimePicker2, "Diagramm"
    bool saturdayDraws = true;  // CheckBox16 "Samstag Ziehungen"
    bool wednesdayDraws = true; // CheckBox17 "Mittwoch Ziehungen"

    // The draw on display, and what its labels show: Label29 and Label13 the draw made current
    // last, its copy Label35 on "Lottotipp" as that tab last took it.
    CurrentDraw currentDraw;
    DrawDisplay shownDraw;
    DrawDisplay shownDrawCopy;

    TTippSchein sheet;
    ResultSeries chart; // Series2 of the main chart, its value range and title
    CheckResult checkResult;
    Trefferbilanz trefferbilanz;

    std::int32_t generatorLoopLimit = 100000;
    Berechnungsparameter params;
    // The generation run: running while one goes on; a second "Tipps berechnen" asks it to stop.
    RunControl generation;
    std::int32_t runCounter = 0; // candidate rows of the last run
    HistoryCache history;

    // Where the web services are, and the proxy of the "Internet-Optionen" tab.
    WebHosts hosts;
    QString proxyHost;
    QString proxyPort = QStringLiteral("80");
    // "CSV-Adresse der Ziehungen:": when set, the update merges this results CSV instead of
    // asking the update service day by day.
    QString csvAddress;
    // The hidden field URLEdit: the maker's home page.
    QString urlEdit = designedUrlEdit();
    // "Linkseite aktivieren" (CheckBox21): submission goes through a link page.
    bool linkPage = false;
    // Interface language 0..8 (German 0).
    std::int32_t sprache = 0;
    TicketChoices ticket;
    PrintValues print;
    Meldungen meldungen;
    Random* random = &Random::global();
    UiHooks* hooks = &UiHooks::silent();

    static double pickerMinimum(); // 15.11.1996
    static double designedStartDate(); // 16.11.1996
    static QString designedUrlEdit();

    QString drawFilePath() const { return programDir + drawFileName; }
    DrawFile drawFile() const { return DrawFile(drawFilePath()); }
    QString soundPath() const { return shippedFile(soundFileName); }
    // A shipped file by its path below the folders: the user's own copy when he has one.
    QString shippedFile(const QString& relative) const { return folders().find(relative); }
    ProgramFolders folders() const;
    void useFolders(const ProgramFolders& folders);
    double todayDay() const;

    // Plays `game`, whose history begins on `firstDraw` (none: empty). The default game keeps
    // its pickers as designed; another opens them on the day before its first draw, so that
    // every draw of its history counts.
    void useGame(const Game& game, std::optional<double> firstDraw);

    // Start-up steps that set the program's own state: today as end date,
    // the folders, the file names, the loop limit; the sheet is not ready yet.
    void resetForStartup(const ProgramFolders& folders);
    // The standard history window from the two pickers and the weekday boxes.
    HistoryFilter historyFilter() const;

    // The options the settings store and --set address by widget number, check boxes 1..35 and
    // up-downs 1..21, including the ones that are no generation option: boxes 16 and 17 are the
    // weekday filter, box 21 is not kept, UpDown8 is the number of rows.
    static bool keepsCheckBox(int n) { return n >= 1 && n <= 35 && n != 21; }
    bool storedCheckBox(int n) const;
    void setStoredCheckBox(int n, bool on);
    int storedUpDown(int n) const;
    void setStoredUpDown(int n, int position);
    // One NAME=VALUE of the command line's --set: CheckBoxN=0|1, UpDownN=integer in range.
    Status setOption(const QString& name, const QString& value);

    // "dir" or "dir/" becomes "dir/".
    static QString withTrailingSlash(const QString& dir);
};

} // namespace numora
