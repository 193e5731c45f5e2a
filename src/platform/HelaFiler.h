#pragma once

#include <QByteArray>
#include <QString>

// Files read and written as a whole. Reading takes only regular files of a
// bounded size, so a pipe, a device or a runaway file can never hold the
// program up; writing replaces a file only once every byte is on the disk.
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
// full disk, a size limit) an existing file is left as it was, no partial
// file is left behind, and `orsak` tells why.
bool skriv(const QString& soekvaeg, const QByteArray& bytes, QString* orsak = nullptr);

}  // namespace HelaFiler
