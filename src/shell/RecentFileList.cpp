#include "shell/RecentFileList.h"

#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("Recent File List");

QString key(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}
} // namespace

CRecentFileList::CRecentFileList() {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void CRecentFileList::add(const QString& path) {
    m_files.removeAll(path);
    m_files.prepend(path);
    while (m_files.size() > kSize)
        m_files.removeLast();
    save();
}

void CRecentFileList::remove(const QString& path) {
    if (m_files.removeAll(path) > 0)
        save();
}

void CRecentFileList::save() {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(key(i), m_files[i]);
        else
            settings.remove(key(i));
    }
    emit changed();
}
