#include "support/LitenDisk.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <sys/statvfs.h>

namespace TestSupport {

namespace {
constexpr qint64 Sida = 4096;
}

LitenDisk::LitenDisk(const QString& mapp, int sidor) : m_mapp(mapp)
{
    QDir().mkpath(mapp);
    const QByteArray val = "size=" + QByteArray::number(sidor * Sida);
    m_monterad = ::mount("tmpfs", QFile::encodeName(mapp).constData(), "tmpfs", 0, val.constData()) == 0;
    if (!m_monterad)
        fel = QStringLiteral("no tiny disk could be mounted (needs root): ") + QString::fromLocal8Bit(std::strerror(errno));
}

LitenDisk::~LitenDisk()
{
    if (m_monterad)
        ::umount2(QFile::encodeName(m_mapp).constData(), MNT_DETACH);
}

void LitenDisk::fyll(int sidor)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(m_mapp).constData(), &info) != 0)
        return;
    const qint64 ledigt = qint64(info.f_bavail) * qint64(info.f_frsize);
    skrivFil(m_mapp + QStringLiteral("/fyllnad"), QByteArray(std::max<qint64>(0, ledigt - sidor * Sida), '\0'));
}

}  // namespace TestSupport
