#include "settings/Laasregler.h"

#include <QCryptographicHash>

namespace {

// Only the SHA-256 of each code is kept, so the codes cannot be read out
// of the program.
constexpr char LaaskodHash[] = "5fcecd41ad89b25e95322503ccc6e141fdf4f2adbde8b3f8b12beb677d7bdf07";
constexpr char UpplaasningskodHash[] = "e08c79729d78c105e3b846f6eba0414309660f61b9b272701139fd0e6b328f5a";

}  // namespace

bool LaaskodRaett(const QString& kod, int InstLaast)
{
    const QByteArray hash = QCryptographicHash::hash(kod.toUtf8(), QCryptographicHash::Sha256).toHex();
    return hash == (InstLaast == 1 ? UpplaasningskodHash : LaaskodHash);
}

bool NamnGodkaent(const QString& namn)
{
    // The position of the first blank, counted from 1; 0 when there is none.
    const qsizetype P = namn.indexOf(u' ') + 1;
    return namn.size() > 4 && P > 2 && P < namn.size();
}
