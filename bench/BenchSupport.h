#pragma once

#include <QString>
#include <functional>

class Connection;

// What the benchmark's figures share: timing, printing, memory, and SQLite's own step loop as the floor.
namespace Bench {

extern const QString kSelect;

// Median of `runs` timings, in milliseconds.
double median(int runs, const std::function<void()>& work);
// Median of `runs` timings that each run measures itself, in milliseconds.
double medianOf(int runs, const std::function<double()>& timed);
void report(int companies, const char* figure, double value, const char* unit);

long peakResidentKb();
long residentKb(const char* key);
// Resets the peak resident size to the current one, so that a later peak is that of the work after it.
bool resetPeakResident();

// Steps through every row of `query`, reading every column's text, as the floor of any reader.
void rawStepLoop(Connection& conn, const QString& query = kSelect);
// A figure beside SQLite's own step loop over the query it ran (on the program's connection), as a ratio.
// The memory SQLite takes for it (a sort of every row) is left out of peakOutsideFloorsKb().
void reportAgainstFloor(
    int companies, const char* figure, double ms, const QString& sql, const char* unit = "ms");
long peakOutsideFloorsKb();

} // namespace Bench
