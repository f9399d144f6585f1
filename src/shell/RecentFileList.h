#pragma once

#include <QObject>
#include <QStringList>

// The last files opened or saved, most recent first, kept in the user's
// settings (QSettings with the application's organisation and name) under
// "Recent File List".
class CRecentFileList : public QObject {
    Q_OBJECT
public:
    static constexpr int kSize = 4;

    CRecentFileList();

    const QStringList& files() const { return m_files; }
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void changed();

private:
    void save();

    QStringList m_files;
};
