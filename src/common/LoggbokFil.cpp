#include "common/LoggbokFil.h"

#include "common/Program.h"
#include "platform/Clock.h"

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString loggbokFilnamn(const QDateTime& tidpunkt)
{
    QString datum = Klocka::Datum(tidpunkt);
    QString tid = Klocka::Tid(tidpunkt);
    return datum.remove('-') + "_" + tid.remove(':') + ".slf";
}

QString loggbokFilInnehaall(const QString& loggbok, const QDateTime& tidpunkt)
{
    return Program::Titel + " - Loggbok" + CRLF + Klocka::Datum(tidpunkt) + " - " +
           Klocka::Tid(tidpunkt) + CRLF + CRLF + loggbok + CRLF + CRLF;
}
