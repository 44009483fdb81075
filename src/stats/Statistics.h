#pragma once

#include "base/Expected.h"

#include <QString>

#include <vector>

namespace numora {

struct ProgramState;

// What a statistic asks of the window besides the chart: to show the chart tab at its end.
struct StatisticRun {
    bool showChartTab = false;
};

// The statistics of the draw history and the sheet. Each reads the history window from the two
// pickers, fills `state.chart` and leaves the side effects the generator relies on: the start-
// and end-date fields and, for some, the numbers of the last counted draw in the current draw.
namespace Statistics {

// How often each number 1..49 was drawn (the Zusatzzahl counts too); every weekday counts.
Expected<StatisticRun> numberDistribution(ProgramState& state);
// For each number, 1 + the draws since it was last drawn (start date excluded).
Expected<StatisticRun> overdueNumbers(ProgramState& state);
// The same for the Superzahl digits 0..9, never before 1.8.1995.
Expected<StatisticRun> overdueSuperzahl(ProgramState& state);
// How often each Superzahl digit was drawn on Saturdays (from 7.12.1991) and Wednesdays
// (from 1.12.1995).
Expected<StatisticRun> superzahlFrequency(ProgramState& state);
// Runs of `size` consecutive numbers (2 pairs, 3 triples, 4 quads) among the six numbers.
Expected<StatisticRun> groupings(ProgramState& state, int size);
// How often each digit sum occurred, from the smallest to the largest one seen.
Expected<StatisticRun> digitSums(ProgramState& state);

enum class DrawProperty { Primes, Odd, Even };
// How many draws held 0..6 prime (odd, even) numbers.
Expected<StatisticRun> perDraw(ProgramState& state, DrawProperty property);
// How often each number occurs on the sheet, up to its first empty field.
Expected<StatisticRun> sheetDistribution(ProgramState& state);

// The statistics the chart buttons and `numora-cli stats` run, by their command-line name.
using Operation = Expected<StatisticRun> (*)(ProgramState&);
struct Kind {
    const char* name;
    Operation run;
};
const std::vector<Kind>& kinds();
// The statistic of that name; nullptr for an unknown one.
Operation byName(const QString& name);

double superzahlOverdueStart();       // 1.8.1995
double superzahlSaturdayStart();      // 7.12.1991
double superzahlWednesdayStart();     // 1.12.1995

} // namespace Statistics
} // namespace numora
