// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr QByteArrayView kActivate = "activate\n";
constexpr QByteArrayView kAck = "ok\n";
} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_lockPath(QDir(folder).filePath(u"openwright.lock"_s))
    , m_socketPath(QDir(folder).filePath(u"openwright.socket"_s))
{
    QDir().mkpath(folder);
}

SingleInstance::~SingleInstance()
{
    m_server.close();
}

QString SingleInstance::defaultFolder()
{
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        runtime = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Openwright"_s;
    return runtime;
}

bool SingleInstance::claim(int timeoutMs)
{
    auto lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock left by a crashed instance is taken over: QLockFile checks whether its owner lives.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        listen();
        return true;
    }
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (socket.waitForConnected(timeoutMs)) {
        socket.write(kActivate.data(), kActivate.size());
        socket.waitForBytesWritten(timeoutMs);
        socket.waitForReadyRead(timeoutMs);
    }
    return false;
}

void SingleInstance::listen()
{
    // The lock proves no other instance listens: a socket file left behind is stale.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_socketPath);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server.nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->readAll().contains(QByteArrayView("activate")))
                    return;
                client->write(kAck.data(), kAck.size());
                client->flush();
                Q_EMIT activationRequested();
            });
        }
    });
}

} // namespace openwright
