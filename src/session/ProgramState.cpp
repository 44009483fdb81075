#include "session/ProgramState.h"

#include "model/Links.h"
#include "draws/GameCatalog.h"
#include "base/DayDate.h"
#include "base/Formatting.h"

#include <algorithm>

namespace numora {

ProgramState::ProgramState() : game(GameCatalog::defaultGame())
{
    chosenDate.minimum = pickerMinimum();
    startDate.minimum = pickerMinimum();
    startDate.value = designedStartDate();
    startDateField = startDate.value;
    chosenDate.value = todayDay();
    endDateField = chosenDate.value;
}

void ProgramState::useGame(const Game& played, std::optional<double> firstDraw)
{
    game = played;
    sheet.setMaxNumber(played.numbers);
    double minimum = pickerMinimum();
    gameStartDate = designedStartDate();
    if (played.id != QLatin1String(Game::DefaultId)) {
        gameStartDate = firstDraw ? *firstDraw - 1 : todayDay();
        minimum = std::min(gameStartDate, minimum);
    }
    chosenDate.minimum = minimum;
    startDate.minimum = minimum;
    startDate.value = gameStartDate;
    startDateField = gameStartDate;
}

double ProgramState::pickerMinimum() { return DayDate::fromYmd(1996, 11, 15); }

double ProgramState::designedStartDate() { return DayDate::fromYmd(1996, 11, 16); }

QString ProgramState::designedUrlEdit() { return Links::makerHomePage(); }

double ProgramState::todayDay() const { return DayDate::fromDate(today()); }

bool ProgramState::storedCheckBox(int n) const
{
    return n == 16 ? saturdayDraws : n == 17 ? wednesdayDraws : params.checkBox(n);
}

void ProgramState::setStoredCheckBox(int n, bool on)
{
    if (n == 16)
        saturdayDraws = on;
    else if (n == 17)
        wednesdayDraws = on;
    else
        params.setCheckBox(n, on);
}

int ProgramState::storedUpDown(int n) const { return n == 8 ? sheet.tipCount() : params.upDown(n); }

void ProgramState::setStoredUpDown(int n, int position)
{
    if (n == 8)
        sheet.setTipCount(position);
    else
        params.setUpDown(n, position);
}

Status ProgramState::setOption(const QString& name, const QString& value)
{
    const auto number = parseInteger(value);
    if (name == QLatin1String("UpDown8")) {
        if (!number || *number < TTippSchein::MinTipCount || *number > TTippSchein::MaxTipCount)
            return Error{QStringLiteral("UpDown8 takes an integer 1..12, not \"%1\"").arg(value)};
        setStoredUpDown(8, *number);
        return Done{};
    }
    if (name == QLatin1String("CheckBox16") || name == QLatin1String("CheckBox17")) {
        if (!number || (*number != 0 && *number != 1))
            return Error{QStringLiteral("%1 takes 0 or 1, not \"%2\"").arg(name, value)};
        setStoredCheckBox(name == QLatin1String("CheckBox16") ? 16 : 17, *number == 1);
        return Done{};
    }
    return params.set(name, value);
}

QString ProgramState::withTrailingSlash(const QString& dir) { return ProgramFolders::withSlash(dir); }

ProgramFolders ProgramState::folders() const
{
    // Set field by field (tests, older callers): what is not set is the program directory.
    const QString shared = sharedDir.isEmpty() ? programDir : sharedDir;
    return ProgramFolders{programDir, shared, docDir.isEmpty() ? shared : docDir, programDir == shared};
}

void ProgramState::useFolders(const ProgramFolders& folders)
{
    programDir = withTrailingSlash(folders.data);
    sharedDir = withTrailingSlash(folders.shared);
    docDir = withTrailingSlash(folders.doc);
}

void ProgramState::resetForStartup(const ProgramFolders& folders)
{
    endDateField = todayDay();
    useFolders(folders);
    soundFileName = QStringLiteral("yippee.wav");
    generatorLoopLimit = 100000;
    sheet.setSheetReady(false);
    drawFileName = QString::fromLatin1(DrawFile::DefaultName);
    startDateField = startDate.value;
}

HistoryFilter ProgramState::historyFilter() const
{
    return HistoryFilter{startDate.value, chosenDate.value, saturdayDraws, wednesdayDraws};
}

} // namespace numora
