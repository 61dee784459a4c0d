// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocalSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace openwright {

namespace {

constexpr qsizetype kChunk = 64 * 1024;
constexpr int kRetryMs = 10;

std::optional<sockaddr_un> addressOf(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || name.size() >= qsizetype(sizeof address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    return address;
}

int remaining(const QDeadlineTimer& deadline)
{
    return int(std::min<qint64>(deadline.remainingTime(), std::numeric_limits<int>::max()));
}

} // namespace

LocalSocket::LocalSocket(QObject* parent)
    : QObject(parent)
{
}

LocalSocket::~LocalSocket()
{
    m_readable.reset();
    m_writable.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LocalSocket::connectTo(const QString& path, int timeoutMs)
{
    const auto address = addressOf(path);
    if (!address || m_fd >= 0)
        return false;
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0) {
            m_fd = fd;
            return true;
        }
        const int error = errno;
        ::close(fd);
        // A full backlog: the server is busy accepting, try again while there is time.
        if (error != EAGAIN || deadline.hasExpired())
            return false;
        QThread::msleep(kRetryMs);
    }
}

void LocalSocket::adopt(int fd)
{
    m_fd = fd;
    // Children too: one let go by close() goes with the socket if the event loop does not run again.
    m_readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read, this);
    m_writable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_readable.get(), &QSocketNotifier::activated, this, [this] {
        const bool open = receive();
        if (!m_in.isEmpty())
            Q_EMIT readyRead();
        if (!open)
            close();
    });
    connect(m_writable.get(), &QSocketNotifier::activated, this, [this] {
        if (!send())
            return close();
        updateNotifiers();
    });
}

bool LocalSocket::receive()
{
    while (m_fd >= 0) {
        char buffer[kChunk];
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            m_in.append(buffer, n);
            if (m_readLimit >= 0 && m_in.size() > m_readLimit) {
                m_in.clear();
                return false;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    return false;
}

bool LocalSocket::send()
{
    while (m_fd >= 0 && !m_out.isEmpty()) {
        const ssize_t n = ::send(m_fd, m_out.constData(), size_t(m_out.size()), MSG_NOSIGNAL);
        if (n > 0) {
            m_out.remove(0, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
    if (m_closing && m_out.isEmpty())
        return false;
    return m_fd >= 0;
}

void LocalSocket::updateNotifiers()
{
    if (m_writable)
        m_writable->setEnabled(m_fd >= 0 && !m_out.isEmpty());
}

QByteArray LocalSocket::readLine(qsizetype max)
{
    const qsizetype end = m_in.indexOf('\n');
    const qsizetype count = end < 0 ? std::min(max, m_in.size()) : std::min(max, end + 1);
    return read(count);
}

QByteArray LocalSocket::read(qsizetype count)
{
    QByteArray bytes = m_in.left(count);
    m_in.remove(0, bytes.size());
    return bytes;
}

QByteArray LocalSocket::readAll()
{
    return std::exchange(m_in, {});
}

bool LocalSocket::wait(short events, int timeoutMs)
{
    pollfd p = {m_fd, events, 0};
    for (;;) {
        const int n = ::poll(&p, 1, timeoutMs);
        if (n < 0 && errno == EINTR)
            continue;
        return n > 0;
    }
}

bool LocalSocket::waitForReadyRead(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const qsizetype before = m_in.size();
    while (m_fd >= 0) {
        if (!wait(short(POLLIN | (m_out.isEmpty() ? 0 : POLLOUT)), remaining(deadline)))
            return false;
        // A peer that stops reading may still have answered (a refusal): that answer is read.
        const bool sent = send();
        const bool open = receive() && sent;
        if (m_in.size() > before)
            return true;
        if (!open)
            break;
    }
    return false;
}

void LocalSocket::write(QByteArrayView bytes)
{
    if (m_fd < 0 || m_closing)
        return;
    m_out.append(bytes.data(), bytes.size());
    flush();
}

void LocalSocket::flush()
{
    if (!send()) {
        // What the peer said before it closed is still read.
        receive();
        return close();
    }
    updateNotifiers();
}

bool LocalSocket::waitForBytesWritten(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (m_fd >= 0 && !m_out.isEmpty()) {
        if (!wait(POLLOUT, remaining(deadline)) || !send())
            return false;
    }
    return m_out.isEmpty();
}

void LocalSocket::disconnectFromServer()
{
    m_closing = true;
    flush();
}

void LocalSocket::abort()
{
    m_out.clear();
    close();
}

void LocalSocket::close()
{
    if (m_fd < 0)
        return;
    // Called from the notifiers' own signals too: they go once those have returned.
    for (QSocketNotifier* notifier : {m_readable.release(), m_writable.release()}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    ::close(m_fd);
    m_fd = -1;
    Q_EMIT disconnected();
}

LocalServer::LocalServer(QObject* parent)
    : QObject(parent)
{
}

LocalServer::~LocalServer()
{
    close();
}

bool LocalServer::listen(const QString& path)
{
    close();
    const auto address = addressOf(path);
    if (!address) {
        m_error = QCoreApplication::translate("cli", "the path is too long for a socket");
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const auto fail = [&] {
        m_error = qt_error_string(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    };
    if (fd < 0)
        return fail();
    ::unlink(address->sun_path);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) != 0)
        return fail();
    // Only this user may connect: the folder is private too, this guards a socket outside it.
    if (::chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        ::unlink(address->sun_path);
        return fail();
    }
    m_fd = fd;
    m_path = path;
    m_error.clear();
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &LocalServer::acceptAll);
    return true;
}

void LocalServer::close()
{
    if (m_fd < 0)
        return;
    m_notifier.reset();
    ::close(m_fd);
    m_fd = -1;
    QFile::remove(m_path);
}

void LocalServer::acceptAll()
{
    bool accepted = false;
    for (;;) {
        const int fd = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            // Out of descriptors or memory: the connection waits in the backlog and the socket
            // stays readable, so asking again at once would spin. Ask again in a while.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                m_notifier->setEnabled(false);
                QTimer::singleShot(kAcceptRetryMs, this, [this] {
                    if (m_notifier)
                        m_notifier->setEnabled(true);
                });
            }
            break;
        }
        auto* socket = new LocalSocket(this);
        socket->adopt(fd);
        m_pending.append(socket);
        accepted = true;
    }
    if (accepted)
        Q_EMIT newConnection();
}

LocalSocket* LocalServer::nextPendingConnection()
{
    return m_pending.isEmpty() ? nullptr : m_pending.takeFirst();
}

} // namespace openwright
