#include "model/HistoryFilter.h"

#include "base/DayDate.h"

namespace numora {

bool HistoryFilter::passesWeekday(double datum) const
{
    if (saturday && wednesday)
        return true;
    const int weekday = DayDate::dayOfWeek(datum);
    if (saturday && (weekday == DayDate::Saturday || weekday == DayDate::Sunday))
        return true;
    return wednesday && weekday == DayDate::Wednesday;
}

} // namespace numora
