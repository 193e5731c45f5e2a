#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

// The Windows-1252 code page that exercise files, logbooks and character
// rules are written in. Our own table, lossless in both directions: the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for the control characters of the same value, so old files survive a
// read and write unchanged.

// The character's code 0..255, or -1 when the code page has no such character.
int ansiCode(QChar tecken);

// The character of a code 0..255 (codes outside that range give U+0000).
QChar ansiChar(int kod);

// Bytes read as Windows-1252; every byte has a character.
QString fraanAnsi(const QByteArray& bytes);

// Text turned into Windows-1252 bytes. When a character has no code the
// encoding stops there: `felIndex` is its position in the text and
// `felTecken` the whole character (both halves of a surrogate pair).
struct AnsiKodning {
    QByteArray bytes;
    qsizetype felIndex = -1;
    QString felTecken;

    bool ok() const { return felIndex < 0; }
};
AnsiKodning tillAnsi(const QString& text);
