#include "InstanceChannel.h"

#include "instancemutex.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <string>

namespace {

// One request: magic and version, then the paths; framed by its byte length
// so that a reader never waits for or allocates more than was announced.
constexpr quint32 requestMagic = 0x56544631; // "VTF1"
constexpr quint32 maxRequestBytes = 64u * 1024u * 1024u;
constexpr char acknowledgement = '\x06';

QString channelPathFor(const QString &name)
{
    const std::wstring wideName = name.toStdWString();
    return QFile::decodeName(PlatformInstance::channelPath(wideName.c_str()));
}

QByteArray encodeRequest(const QStringList &paths)
{
    QByteArray payload;
    QDataStream out(&payload, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << requestMagic << paths;

    QByteArray frame;
    QDataStream framed(&frame, QIODevice::WriteOnly);
    framed << quint32(payload.size());
    frame.append(payload);
    return frame;
}

bool decodeRequest(const QByteArray &payload, QStringList *paths)
{
    QDataStream in(payload);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0;
    in >> magic >> *paths;
    return in.status() == QDataStream::Ok && magic == requestMagic;
}

} // namespace

InstanceChannel::InstanceChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , socketPath(channelPathFor(name))
    , server(new QLocalServer(this))
{
    connect(server, &QLocalServer::newConnection, this, &InstanceChannel::acceptConnections);
}

InstanceChannel::~InstanceChannel()
{
    server->close();
}

bool InstanceChannel::listen()
{
    if (socketPath.isEmpty())
        return false;
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (server->listen(socketPath))
        return true;
    // Left by a copy that ended without closing it; the lock says no live copy
    // listens there.
    QLocalServer::removeServer(socketPath);
    return server->listen(socketPath);
}

void InstanceChannel::acceptConnections()
{
    while (QLocalSocket *socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]() { readRequest(socket); });
        readRequest(socket);
    }
}

void InstanceChannel::readRequest(QLocalSocket *socket)
{
    if (socket->bytesAvailable() < qint64(sizeof(quint32)))
        return;
    quint32 length = 0;
    {
        QByteArray head = socket->peek(sizeof(quint32));
        QDataStream in(head);
        in >> length;
    }
    if (length > maxRequestBytes) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < qint64(sizeof(quint32)) + length)
        return;
    socket->read(sizeof(quint32));
    const QByteArray payload = socket->read(length);
    QStringList paths;
    if (!decodeRequest(payload, &paths)) {
        socket->abort();
        return;
    }
    // Confirmed before the window acts on them: the sender only waits to know
    // that the files arrived.
    socket->write(&acknowledgement, 1);
    socket->flush();
    socket->disconnectFromServer();
    emit filesReceived(paths);
}

bool InstanceChannel::handOver(const QString &name, const QStringList &paths, int timeoutMs)
{
    const QString path = channelPathFor(name);
    if (path.isEmpty())
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return int(qMax<qint64>(0, timeoutMs - clock.elapsed())); };

    QLocalSocket socket;
    // The running copy may have taken the lock a moment ago and not be
    // listening yet: try again until the time is up.
    for (;;) {
        socket.connectToServer(path);
        if (socket.waitForConnected(remaining()))
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(100);
    }
    socket.write(encodeRequest(paths));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining()))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(remaining()))
            return false;
    }
    char answer = 0;
    return socket.read(&answer, 1) == 1 && answer == acknowledgement;
}
