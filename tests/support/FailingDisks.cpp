#include "support/FailingDisks.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <cstring>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

bool setOverride(bool on) {
    Capabilities caps;
    if (syscall(SYS_capget, &caps.header, caps.data) != 0)
        return false;
    const auto bit = 1u << CAP_DAC_OVERRIDE;
    if (on)
        caps.data[0].effective |= caps.data[0].permitted & bit;
    else
        caps.data[0].effective &= ~bit;
    return syscall(SYS_capset, &caps.header, caps.data) == 0;
}

const QFileDevice::Permissions kWritable =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;

} // namespace

UnwritableFolder::UnwritableFolder(const QString& folder) : m_folder(folder) {
    EXPECT_TRUE(QFile::setPermissions(folder, kWritable & ~QFileDevice::WriteOwner))
        << folder.toStdString();
    if (geteuid() == 0) {
        m_capabilityDropped = setOverride(false);
        EXPECT_TRUE(m_capabilityDropped) << std::strerror(errno);
    }
}

UnwritableFolder::~UnwritableFolder() {
    if (m_capabilityDropped)
        setOverride(true);
    QFile::setPermissions(m_folder, kWritable);
}

QString UnwritableFolder::message(const QString& path) {
    return "Impossible d'écrire le fichier " + path + " : accès refusé.";
}

FullDisk::FullDisk(const QString& folder) : m_folder(folder) {
    QDir().mkpath(folder);
    const QByteArray path = QFile::encodeName(folder);
    const QByteArray options = "size=" + QByteArray::number(kRoom);
    m_mounted = mount("velmora-test", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                      options.constData()) == 0;
    if (m_mounted)
        return;
    // A write past the limit fails with EFBIG, after a signal that would end the process.
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previousLimit);
    rlimit limit = m_previousLimit;
    limit.rlim_cur = kRoom * 3 / 4;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FullDisk::~FullDisk() {
    if (m_mounted)
        EXPECT_EQ(umount(QFile::encodeName(m_folder).constData()), 0) << std::strerror(errno);
    else
        setrlimit(RLIMIT_FSIZE, &m_previousLimit);
}

QString FullDisk::message(const QString& path) const {
    return "Impossible d'écrire le fichier " + path + " : " +
           (m_mounted ? "le disque est plein." : "le fichier dépasse la taille permise.");
}
