#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

class QLocalSocket;

// What ties together the Velmora processes of one user over one data root: the
// first listens, and a later one started with files hands them over to it.
class InstanceLink : public QObject {
    Q_OBJECT
public:
    explicit InstanceLink(const QString& dataRoot);

    // Gives the files to the process that listens; false when none took them.
    bool handOver(const QStringList& files) const;
    // Receives the files of the later processes from now on; false when
    // another process of the same user and data root already does.
    bool listen();

signals:
    void filesReceived(const QStringList& files);

private:
    void accept();
    void read(QLocalSocket& socket);

    QString m_name;
    QLocalServer m_server;
};
