#include "common/LoggbokFil.h"

#include "common/Program.h"
#include "platform/Clock.h"

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString loggbokFilnamn(const QDateTime& tidpunkt, int nummer)
{
    QString datum = Klocka::Datum(tidpunkt);
    QString tid = Klocka::Tid(tidpunkt);
    const QString tillaegg = nummer > 1 ? "_" + QString::number(nummer) : QString();
    return datum.remove('-') + "_" + tid.remove(':') + tillaegg + ".slf";
}

QString loggbokFilInnehaall(const QString& loggbok, const QDateTime& tidpunkt)
{
    return Program::Titel + " - Loggbok" + CRLF + Klocka::Datum(tidpunkt) + " - " +
           Klocka::Tid(tidpunkt) + CRLF + CRLF + loggbok + CRLF + CRLF;
}
