#pragma once

#include <QDateTime>
#include <QString>

// The logbook as a document: the file saved at exit and the text the
// logbook viewer shows share one frame.

// Far more than a logbook file of the longest program run holds: a larger
// file, like anything that is no regular file, is none the program wrote.
constexpr qint64 StoerstaLoggbokFil = 16 * 1024 * 1024;

// "yyyymmdd_hhmmss.slf", the name of the logbook file written at exit;
// "yyyymmdd_hhmmss_2.slf" and so on for the next logbooks of that second.
QString loggbokFilnamn(const QDateTime& tidpunkt, int nummer = 1);

// The logbook file's whole text: title line, date and time line, an empty
// line, the logbook and two line ends. Name and contents are both made from
// one reading of the clock, so an exit at midnight cannot mix two dates.
QString loggbokFilInnehaall(const QString& loggbok, const QDateTime& tidpunkt);
