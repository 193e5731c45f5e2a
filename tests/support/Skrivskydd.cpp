#include "support/Skrivskydd.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace TestSupport {

namespace {
constexpr QFileDevice::Permissions Skrivning =
    QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
}

Skrivskydd::Skrivskydd(const QString& vaeg) : m_vaeg(vaeg), m_raettigheter(QFile::permissions(vaeg))
{
    if (::geteuid() != 0) {
        QFile::setPermissions(vaeg, m_raettigheter & ~Skrivning);
        return;
    }
    const QByteArray namn = QFile::encodeName(vaeg);
    m_monterad = ::mount(namn.constData(), namn.constData(), nullptr, MS_BIND, nullptr) == 0;
    if (!m_monterad || ::mount(nullptr, namn.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        fel = QStringLiteral("no read-only mount for root: ") + QString::fromLocal8Bit(std::strerror(errno));
}

Skrivskydd::~Skrivskydd()
{
    if (m_monterad)
        ::umount2(QFile::encodeName(m_vaeg).constData(), MNT_DETACH);
    else
        QFile::setPermissions(m_vaeg, m_raettigheter);
}

}  // namespace TestSupport
