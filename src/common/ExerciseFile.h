#pragma once

#include "common/Uppgift.h"
#include "platform/HelaFiler.h"

#include <QString>
#include <QStringList>
#include <functional>

// Exercise files: a header line, then one exercise line per item, in
// Windows-1252 with CR LF after every line.

// "[Pluvo 7.0.7]": the first line of every exercise file we write.
QString OevningsHuvud();

// Files larger than this are no exercise and are not read.
constexpr qint64 StoerstaOevningsfil = 32 * 1024 * 1024;

// The most rows the training window keeps of one exercise.
constexpr int StoerstaAntalOevningsRader = 1000;

// Asked once, when the first line of a file is not a header: the file comes
// from an older version; true converts every line from code page 850.
// The window that loads the file asks the teacher; without one the lines
// are read as they are.
using FraagaOmKonvertering = std::function<bool()>;

// Read (it may hold no rows), could not be opened (missing, not a regular
// file, no access), or could not be read (the read failed, or too large).
using OevningsfilStatus = HelaFiler::Laesning;

// The non-empty lines after the header test, unchanged but for the
// conversion when it was asked for. The editor keeps them all as they are.
struct OevningsfilRader {
    OevningsfilStatus status = OevningsfilStatus::KundeInteOeppnas;
    QStringList rader;
    bool konverterad = false;
};
OevningsfilRader LaesOevningsfilRader(const QString& soekvaeg, const FraagaOmKonvertering& fraaga);

// The training window's reading: at most 1000 rows, each line taken apart by
// LaesInOevningTolkaRad; a line whose word is empty still makes a row.
struct InlaestOevning {
    OevningsfilStatus status = OevningsfilStatus::KundeInteOeppnas;
    Uppgiftslista rader;
};
InlaestOevning LaesInOevningsfil(const QString& soekvaeg, const FraagaOmKonvertering& fraaga);

// The outcome of writing an exercise file. On any failure an existing file
// at the path is left as it was.
struct OevningsfilSkrivning {
    enum class Fel {
        Inget,
        TeckenUtanKod,   // `tecken` in line `radIndex` cannot be stored in Windows-1252
        RadbrytningIRad, // line `radIndex` holds a line break (`tecken`)
        KundeInteSkriva, // the file system refused; `hinder` says why
    };
    Fel fel = Fel::Inget;
    QString tecken;
    int radIndex = -1;  // index into the lines handed in
    HelaFiler::Skrivhinder hinder = HelaFiler::Skrivhinder::Okaent;

    bool ok() const { return fel == Fel::Inget; }
};

// Writes the header and the lines, replacing the file as a whole.
OevningsfilSkrivning SkrivOevningsfil(const QString& soekvaeg, const QStringList& rader);
