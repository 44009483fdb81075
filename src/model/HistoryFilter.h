#pragma once

#include "model/TZiehung.h"

namespace numora {

// The history window of the statistics: a date range and the weekday boxes
// "Samstag Ziehungen" (`CheckBox16`) and "Mittwoch Ziehungen" (`CheckBox17`).
struct HistoryFilter {
    double startDate = 0.0;
    double endDate = 0.0;
    bool saturday = true;
    bool wednesday = true;

    // Both boxes: every weekday. Saturday box: Saturdays and Sundays. Wednesday box: Wednesdays.
    bool passesWeekday(double datum) const;
    // start <= Datum <= end, both inclusive; a NaN date never passes.
    bool inDateWindow(double datum) const { return startDate <= datum && datum <= endDate; }
    bool passes(const TZiehung& record) const { return inDateWindow(record.Datum) && passesWeekday(record.Datum); }
};

} // namespace numora
