#pragma once

#include <QString>

namespace TestSupport {

// A tiny file system (tmpfs) mounted over a folder while the object lives,
// for writes on a full disk as they really fail. Mounting needs root; where
// it is refused, `fel` says why and the test skips. The folder's own files
// are hidden meanwhile.
class LitenDisk {
public:
    LitenDisk(const QString& mapp, int sidor);
    ~LitenDisk();
    LitenDisk(const LitenDisk&) = delete;
    LitenDisk& operator=(const LitenDisk&) = delete;

    bool monterad() const { return m_monterad; }
    QString fel;

    // Fills the disk until `sidor` pages of 4 KiB are left free.
    void fyll(int sidor);

private:
    QString m_mapp;
    bool m_monterad = false;
};

}  // namespace TestSupport
