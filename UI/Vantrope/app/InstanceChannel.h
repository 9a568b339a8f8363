#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// Lets a later start of the program hand the files it was given to the copy
// that already runs for this user, instead of opening a second window.
//
// The copy holding the instance lock listens on a local socket beside the
// lock file (in the user's private runtime folder); a later start connects,
// sends its list of paths and waits until the running copy confirms that it
// took them. Only the holder of the lock may listen: it removes a socket file
// left behind by a copy that crashed, which no live copy can be using.
class InstanceChannel : public QObject
{
    Q_OBJECT

public:
    // name is the instance lock's name ("Vantrope").
    explicit InstanceChannel(const QString &name, QObject *parent = nullptr);
    ~InstanceChannel() override;

    // Starts listening; false when the socket cannot be made (the program
    // then runs without taking files from later starts).
    bool listen();

    // Sends paths to the copy listening under name and waits for its
    // confirmation. False when no copy answered within timeoutMs (none is
    // listening, or it did not take the files).
    static bool handOver(const QString &name, const QStringList &paths, int timeoutMs = 10000);

signals:
    // A later start handed over these paths, as it sent them.
    void filesReceived(const QStringList &paths);

private:
    void acceptConnections();
    void readRequest(QLocalSocket *socket);

    QString socketPath;
    QLocalServer *server;
};
