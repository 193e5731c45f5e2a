#pragma once

#include <QString>

class QWidget;
class TextSpeaker;

// The logbook viewer, modal: the current logbook `loggbokText` (CRLF lines)
// and the saved ones. The speech control is lent only when speech works.
void VisaLoggbok(QWidget* aegare, const QString& loggbokText, TextSpeaker* tspRoest1);

// The guide viewer, modal.
void VisaHandledning(QWidget* aegare, TextSpeaker* tspRoest1);
