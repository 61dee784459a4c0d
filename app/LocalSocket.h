// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace openwright {

// A connection over a Unix-domain stream socket: enough for the single-instance exchange
// (lines and counted bodies) with Qt Core alone. Qt's local sockets live in Qt Network, and the
// window would load that library, and its Kerberos and proxy libraries, for them only.
//
// A connection accepted by a LocalServer works with the event loop: readyRead() when bytes came
// (read them all), writes go out as the peer takes them, disconnected() once closed. One made
// with connectTo() is for a command-line caller and works with the blocking waits. GUI thread only.
class LocalSocket final : public QObject
{
    Q_OBJECT

public:
    explicit LocalSocket(QObject* parent = nullptr);
    ~LocalSocket() override;

    // Connects to the server listening at `path`, waiting at most `timeoutMs`.
    bool connectTo(const QString& path, int timeoutMs);
    bool isOpen() const { return m_fd >= 0; }

    // More than this many bytes waiting to be read closes the connection: a peer that sends
    // more than the exchange allows is dropped rather than buffered.
    void setReadLimit(qsizetype bytes) { m_readLimit = bytes; }
    qsizetype bytesAvailable() const { return m_in.size(); }
    bool canReadLine() const { return m_in.contains('\n'); }
    // Up to `max` bytes, through the first "\n" when it comes within them.
    QByteArray readLine(qsizetype max);
    QByteArray read(qsizetype count);
    QByteArray readAll();
    // Blocking: waits until more bytes came, sending what is still to be written meanwhile.
    bool waitForReadyRead(int timeoutMs);

    void write(QByteArrayView bytes);
    // Sends what the peer takes now, without waiting.
    void flush();
    // Blocking: waits until everything written has gone out.
    bool waitForBytesWritten(int timeoutMs);
    // Closes once everything written has gone out.
    void disconnectFromServer();
    // Closes now, dropping what was not sent.
    void abort();

Q_SIGNALS:
    void readyRead();
    void disconnected();

private:
    friend class LocalServer;
    void adopt(int fd);
    // Takes what the socket holds; false once the peer closed or the connection failed.
    bool receive();
    bool send();
    bool wait(short events, int timeoutMs);
    void close();
    void updateNotifiers();

    int m_fd = -1;
    QByteArray m_in;
    QByteArray m_out;
    qsizetype m_readLimit = -1;
    bool m_closing = false;
    std::unique_ptr<QSocketNotifier> m_readable;
    std::unique_ptr<QSocketNotifier> m_writable;
};

// Listens at a socket path that only this user may connect to.
class LocalServer final : public QObject
{
    Q_OBJECT

public:
    explicit LocalServer(QObject* parent = nullptr);
    ~LocalServer() override;

    // Replaces a socket file left at `path` (the caller knows it is stale) and listens there.
    // On failure errorString() says why.
    bool listen(const QString& path);
    // Stops listening and removes the socket file.
    void close();
    QString errorString() const { return m_error; }
    // The next accepted connection, a child of the server; nullptr when none waits.
    LocalSocket* nextPendingConnection();
    // How long a server out of descriptors waits before it accepts again.
    static constexpr int kAcceptRetryMs = 500;

Q_SIGNALS:
    void newConnection();

private:
    void acceptAll();

    int m_fd = -1;
    QString m_path;
    QString m_error;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QList<LocalSocket*> m_pending;
};

} // namespace openwright
