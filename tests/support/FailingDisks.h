#pragma once

#include <QString>

#include <sys/resource.h>

// Disks that refuse a save, for the tests of every save path.

// `folder` loses its write permission for as long as this lives. When the
// tests run as root, the calling thread also gives up the capability that lets
// root write anyway, so that the folder refuses root too.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString& folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;

    // What the user is told when `path` cannot be written there.
    static QString message(const QString& path);
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

private:
    QString m_folder;
    bool m_capabilityDropped = false;
};

// A full disk at `folder` for as long as this lives: a tmpfs of 16 KiB mounted
// over it, empty, when the process may mount one. Otherwise the folder stays as
// it is and every file of the process is kept under 12 KiB, which fails a
// larger write the way a full disk does. Either way a file of 4 KiB fits and
// one of 12 KiB more does not.
class FullDisk {
public:
    explicit FullDisk(const QString& folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    static constexpr int kRoom = 16 * 1024;

    // What the user is told when `path` does not fit.
    QString message(const QString& path) const;

private:
    QString m_folder;
    bool m_mounted = false;
    rlimit m_previousLimit{};
};
