#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>

class Connection;
class QWidget;

// What the benchmark's figures share: timing, printing, memory, and SQLite's own step loop as the floor.
namespace Bench {

extern const QString kSelect;

// A database of `companies` generated companies at `path`; false (said) when it could not be made.
bool generate(const QString& path, int companies);

// Median of `runs` timings, in milliseconds.
double median(int runs, const std::function<void()>& work);
// Median of `runs` timings that each run measures itself, in milliseconds.
double medianOf(int runs, const std::function<double()>& timed);
void report(int companies, const char* figure, double value, const char* unit);

long peakResidentKb();
long residentKb(const char* key);
// Resets the peak resident size to the current one, so that a later peak is that of the work after it.
bool resetPeakResident();

// Says on stderr that the action `figure` times did not take place (`what`); the run then fails.
void fail(const char* figure, const QString& what);
// `happened`, or else fail(figure, what).
bool expect(bool happened, const char* figure, const QString& what);
// Whether an action a figure times did not take place, here or in a process run by runSelf().
bool failed();

// A click of the left button as a user makes it: the pointer over `widget` at `pos` (its middle when
// not given), a press, a release.
void click(QWidget* widget, QPoint pos = QPoint(-1, -1));
// This program again with `arguments`, in a process of its own, its lines passed on; false (said) when
// it failed.
bool runSelf(const QStringList& arguments);

// Steps through every row of `query`, reading every column's text, as the floor of any reader; the
// rows read.
qint64 rawStepLoop(Connection& conn, const QString& query = kSelect);
// A figure beside SQLite's own step loop over the query it ran (on the program's connection), as a ratio.
// The memory SQLite takes for it (a sort of every row) is left out of peakOutsideFloorsKb().
void reportAgainstFloor(
    int companies, const char* figure, double ms, const QString& sql, const char* unit = "ms");
long peakOutsideFloorsKb();

} // namespace Bench
