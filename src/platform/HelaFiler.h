#pragma once

#include <QByteArray>
#include <QString>

// Files read and written as a whole. Reading takes only regular files of a
// bounded size, so a pipe, a device or a runaway file can never hold the
// program up; writing replaces a file only once every byte is on the disk,
// or makes a new file and never touches one that is already there.
namespace HelaFiler {

enum class Laesning {
    Laest,             // the whole file is in `bytes`
    KundeInteOeppnas,  // missing, not a regular file, or no access
    KundeInteLaesas,   // opened, but larger than allowed or the read failed
};

struct LaestFil {
    Laesning status = Laesning::KundeInteOeppnas;
    QByteArray bytes;
};

LaestFil laes(const QString& soekvaeg, qint64 stoersta);

// Writes `bytes` as the file's whole contents. On any failure (no access, a
// full disk, a size limit) an existing file is left as it was and no
// partial file is left behind.
bool skriv(const QString& soekvaeg, const QByteArray& bytes);

// What the folder and the file show that stops a write, asked once it has
// failed so that the user can be told why.
enum class Skrivhinder {
    Okaent,              // nothing they show (a full disk, a size limit)
    MappenSaknas,
    MappenSkrivskyddad,  // files cannot be made in it
    FilenSkrivskyddad,
};
Skrivhinder skrivhinder(const QString& soekvaeg);

enum class NyFil {
    Skriven,
    NamnetTaget,   // something, even a link, already has the name
    Misslyckades,  // nothing is left at the name
};

// Writes `bytes` as a new file. The name is taken on the disk in one step,
// so of two programs writing the same name at once only one gets it.
NyFil skrivNy(const QString& soekvaeg, const QByteArray& bytes);

}  // namespace HelaFiler
