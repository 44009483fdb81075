#include "session/ProgramState.h"

#include "model/Links.h"
#include "base/DayDate.h"

namespace numora {

ProgramState::ProgramState()
{
    chosenDate.minimum = pickerMinimum();
    startDate.minimum = pickerMinimum();
    startDate.value = designedStartDate();
    startDateField = startDate.value;
    chosenDate.value = todayDay();
    endDateField = chosenDate.value;
}

double ProgramState::pickerMinimum() { return DayDate::fromYmd(1996, 11, 15); }

double ProgramState::designedStartDate() { return DayDate::fromYmd(1996, 11, 16); }

QString ProgramState::designedUrlEdit() { return Links::makerHomePage(); }

double ProgramState::todayDay() const { return DayDate::fromDate(today()); }

QString ProgramState::withTrailingSlash(const QString& dir)
{
    if (dir.endsWith(QLatin1Char('/')))
        return dir;
    return dir + QLatin1Char('/');
}

void ProgramState::resetForStartup(const QString& executableDir)
{
    endDateField = todayDay();
    programDir = withTrailingSlash(executableDir);
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
