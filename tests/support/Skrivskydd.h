#pragma once

#include <QFileDevice>
#include <QString>

namespace TestSupport {

// Makes a file or a folder one the program cannot write while the object
// lives: for a user by its permissions, for root (whom permissions do not
// stop) by a read-only mount of the path over itself. Where that is
// refused, `fel` says why and the test skips.
class Skrivskydd {
public:
    explicit Skrivskydd(const QString& vaeg);
    ~Skrivskydd();
    Skrivskydd(const Skrivskydd&) = delete;
    Skrivskydd& operator=(const Skrivskydd&) = delete;

    QString fel;

private:
    QString m_vaeg;
    bool m_monterad = false;
    QFileDevice::Permissions m_raettigheter;
};

}  // namespace TestSupport
