#pragma once

#include <QDateTime>
#include <functional>

// The clock: a monotonic seconds count for measuring waits, and the wall
// clock for the times written in the logbook. Tests can replace both.
namespace Klocka {

// Seconds on a monotonic clock (the program's "Timer").
double Timer();

// The current date and time of day.
QDateTime Nu();

// "hh:mm:ss" and "yyyy-mm-dd", whatever the machine's locale.
QString Tid(const QDateTime& tidpunkt);
QString Datum(const QDateTime& tidpunkt);

// For tests: replace the clocks; an empty function restores the real one.
void saettTimerKaella(std::function<double()> kaella);
void saettNuKaella(std::function<QDateTime()> kaella);

}  // namespace Klocka
