#include "platform/Clock.h"

#include <QElapsedTimer>

namespace Klocka {
namespace {

std::function<double()>& timerKaella()
{
    static std::function<double()> k;
    return k;
}

std::function<QDateTime()>& nuKaella()
{
    static std::function<QDateTime()> k;
    return k;
}

}  // namespace

double Timer()
{
    if (timerKaella())
        return timerKaella()();
    static QElapsedTimer start = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return start.nsecsElapsed() / 1e9;
}

QDateTime Nu()
{
    if (nuKaella())
        return nuKaella()();
    return QDateTime::currentDateTime();
}

QString Tid(const QDateTime& tidpunkt)
{
    return tidpunkt.time().toString("hh:mm:ss");
}

QString Datum(const QDateTime& tidpunkt)
{
    return tidpunkt.date().toString("yyyy-MM-dd");
}

void saettTimerKaella(std::function<double()> kaella)
{
    timerKaella() = std::move(kaella);
}

void saettNuKaella(std::function<QDateTime()> kaella)
{
    nuKaella() = std::move(kaella);
}

}  // namespace Klocka
