#include "platform/HelaFiler.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace HelaFiler {

LaestFil laes(const QString& soekvaeg, qint64 stoersta)
{
    LaestFil resultat;
    if (soekvaeg.isEmpty() || !QFileInfo(soekvaeg).isFile())
        return resultat;
    QFile fil(soekvaeg);
    if (!fil.open(QIODevice::ReadOnly))
        return resultat;
    resultat.status = Laesning::KundeInteLaesas;
    if (fil.size() > stoersta)
        return resultat;
    // The size may have grown since it was asked: never read past the bound.
    resultat.bytes = fil.read(stoersta + 1);
    if (fil.error() != QFileDevice::NoError || resultat.bytes.size() > stoersta) {
        resultat.bytes.clear();
        return resultat;
    }
    resultat.status = Laesning::Laest;
    return resultat;
}

bool skriv(const QString& soekvaeg, const QByteArray& bytes)
{
    // Unbuffered, so a write the disk cuts short (full, or over a size
    // limit) shows as a short count here instead of vanishing in a flush
    // that commit() would not report, which would leave a cut-off file.
    QSaveFile fil(soekvaeg);
    return fil.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && fil.write(bytes) == bytes.size()
           && fil.commit();
}

Skrivhinder skrivhinder(const QString& soekvaeg)
{
    const QFileInfo fil(soekvaeg);
    const QFileInfo mapp(fil.absolutePath());
    if (!mapp.isDir())
        return Skrivhinder::MappenSaknas;
    if (!mapp.isWritable())
        return Skrivhinder::MappenSkrivskyddad;
    if (fil.exists() && !fil.isWritable())
        return Skrivhinder::FilenSkrivskyddad;
    return Skrivhinder::Okaent;
}

NyFil skrivNy(const QString& soekvaeg, const QByteArray& bytes)
{
    // O_EXCL fails on any name already there, a link pointing anywhere
    // included, so nothing is ever written through or over it.
    const int fd = ::open(QFile::encodeName(soekvaeg).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? NyFil::NamnetTaget : NyFil::Misslyckades;
    QFile fil;
    bool ok = fil.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    if (!ok)
        ::close(fd);
    // On the disk before it counts as written, as a replaced file is.
    ok = ok && fil.write(bytes) == bytes.size() && ::fsync(fd) == 0;
    fil.close();
    if (ok && fil.error() == QFileDevice::NoError)
        return NyFil::Skriven;
    // The name is ours alone: what was begun under it goes.
    QFile::remove(soekvaeg);
    return NyFil::Misslyckades;
}

}  // namespace HelaFiler
