#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading the text of files teachers may have written with any editor.

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF). `harFlerbyte` tells whether any
// character needed more than one byte.
bool aerGiltigUtf8(const QByteArray& bytes, bool& harFlerbyte);

// The text of a file's bytes: UTF-8 when they begin with the UTF-8 byte-order
// mark (which is dropped) or are well-formed UTF-8 holding at least one
// multi-byte character; Windows-1252 otherwise.
QString avkodaTextfil(const QByteArray& bytes);

// The lines of a text, split at CR LF, LF or a lone CR. A line end at the
// very end starts no further line, so an empty text has no lines and "\r\n"
// has one empty line.
QStringList delaIRader(const QString& text);
