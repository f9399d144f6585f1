#include "shell/InstanceLink.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include <unistd.h>

namespace {

// Each path ends with a NUL, which no path holds; an empty one ends the list.
constexpr char kEnd = '\0';
// A list longer than this is no honest hand-over.
constexpr qint64 kMaxMessage = 1 << 20;
constexpr int kTimeoutMs = 3000;

QString serverName(const QString& dataRoot) {
    const QByteArray root = QDir::cleanPath(QDir(dataRoot).absolutePath()).toUtf8();
    return QStringLiteral("velmora-%1-%2")
        .arg(getuid())
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(root, QCryptographicHash::Sha256).toHex().left(16)));
}

} // namespace

InstanceLink::InstanceLink(const QString& dataRoot) : m_name(serverName(dataRoot)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceLink::accept);
}

bool InstanceLink::handOver(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kTimeoutMs))
        return false;
    QByteArray message;
    for (const QString& file : files)
        message += QFile::encodeName(file) + kEnd;
    socket.write(message + kEnd);
    // The listener answers once it has the whole list.
    return socket.waitForBytesWritten(kTimeoutMs) && socket.waitForReadyRead(kTimeoutMs);
}

bool InstanceLink::listen() {
    // Qt puts a new socket in place of any old one: a Velmora that answers
    // keeps the link; a socket left by a process that died is replaced.
    QLocalSocket running;
    running.connectToServer(m_name);
    if (running.waitForConnected(kTimeoutMs))
        return false;
    return m_server.listen(m_name);
}

void InstanceLink::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(*socket); });
    }
}

void InstanceLink::read(QLocalSocket& socket) {
    if (socket.bytesAvailable() > kMaxMessage) {
        socket.abort();
        return;
    }
    const QByteArray message = socket.peek(socket.bytesAvailable());
    if (!message.endsWith(QByteArray(2, kEnd)) && message != QByteArray(1, kEnd))
        return;
    socket.readAll();
    QStringList files;
    for (const QByteArray& file : message.split(kEnd))
        if (!file.isEmpty())
            files << QFile::decodeName(file);
    socket.write("\n");
    socket.flush();
    // Queued: opening the files may show a message whose event loop deletes
    // the socket once the other Velmora hangs up, under this handler's feet.
    QMetaObject::invokeMethod(
        this, [this, files] { emit filesReceived(files); }, Qt::QueuedConnection);
}
