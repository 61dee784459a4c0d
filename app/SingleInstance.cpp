// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "AppId.h"
#include "LocalSocket.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QByteArrayView kActivate = "activate";
constexpr QByteArrayView kAck = "ok\n";
constexpr QByteArrayView kUnsupported = "unsupported";
constexpr qsizetype kMaxLineBytes = 512;
// Activation tokens are short opaque words (a UUID, a compositor's name and a serial).
constexpr qsizetype kMaxTokenBytes = 400;
// A caller has this long to send its whole request; one that stalls is dropped.
constexpr int kRequestTimeoutMs = 10'000;
constexpr int kConnectTimeoutMs = 1'000;
constexpr int kPollMs = 50;
// Bounds on all connections together: a flood of large unfinished requests (from this user's
// own programs) cannot make the window hold more than this.
constexpr int kMaxUnfinishedRequests = 8;
constexpr qsizetype kMaxReservedBytes = 64 * 1024 * 1024;

QByteArray greeting()
{
    return "hello " + QByteArray::number(SingleInstance::kProtocolVersion);
}

QByteArray frame(QByteArrayView word, const QJsonObject& object)
{
    const QByteArray body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return word.toByteArray() + ' ' + QByteArray::number(body.size()) + '\n' + body;
}

// The length in a "WORD N" line, when it is WORD's and within `max`.
std::optional<qsizetype> frameLength(const QByteArray& line, QByteArrayView word, qsizetype max)
{
    const QList<QByteArray> parts = line.split(' ');
    bool ok = false;
    const qint64 length = parts.size() == 2 && parts[0] == word ? parts[1].toLongLong(&ok) : -1;
    if (!ok || length < 0 || length > max)
        return std::nullopt;
    return qsizetype(length);
}

// One line without its "\n", read before `deadline`; nothing when none comes or it is too long.
std::optional<QByteArray> readLine(LocalSocket& socket, const QDeadlineTimer& deadline)
{
    while (!socket.canReadLine()) {
        if (socket.bytesAvailable() > kMaxLineBytes || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
    }
    QByteArray line = socket.readLine(kMaxLineBytes + 1);
    if (!line.endsWith('\n'))
        return std::nullopt;
    line.chop(1);
    return line;
}

std::optional<QByteArray> readBytes(LocalSocket& socket, qsizetype count, const QDeadlineTimer& deadline)
{
    while (socket.bytesAvailable() < count) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            return std::nullopt;
    }
    return socket.read(count);
}

std::optional<QJsonObject> objectOf(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

// Where a connection to the running instance stands, on the instance's side.
struct Session
{
    enum class Stage
    {
        greeting,
        header,
        body,
        answering,
        done
    };
    Stage stage = Stage::greeting;
    QByteArray buffer;
    qsizetype length = 0;
    bool reserved = false; // counted in the instance's bounds
};

} // namespace

namespace {

// The socket's path in `folder`, or, where that would not fit a socket address (a deep
// runtime folder), in a short folder of this user's own under /tmp, named after `folder`.
// Empty when no private place can be had.
QString socketPathFor(const QString& folder)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(kAppId) + u".socket"_s);
    if (QFile::encodeName(path).size() < qsizetype(sizeof(sockaddr_un::sun_path)))
        return path;
    const QByteArray name
        = QCryptographicHash::hash(QFile::encodeName(QDir(folder).absolutePath()), QCryptographicHash::Sha256).toHex();
    // Another user could have made the folder first, to receive the commands: only a folder of
    // ours that no one else may enter is used. Every start and command tries the same names in
    // the same order, so all of them meet in the first that is ours.
    const QByteArray base = QFile::encodeName(QDir::tempPath()) + "/openwright-" + QByteArray::number(::getuid());
    for (int n = 0; n < 10; ++n) {
        const QByteArray dir = n == 0 ? base : base + '-' + QByteArray::number(n);
        const QByteArray path = dir + '/' + name.left(24) + ".socket";
        if (path.size() >= qsizetype(sizeof(sockaddr_un::sun_path)))
            return {};
        if (::mkdir(dir.constData(), 0700) != 0 && errno != EEXIST)
            continue;
        struct stat st = {};
        if (::lstat(dir.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && !(st.st_mode & 077))
            return QFile::decodeName(path);
    }
    return {};
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_lockPath(QDir(folder).filePath(QString::fromLatin1(kAppId) + u".lock"_s))
    , m_socketPath(socketPathFor(folder))
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

SingleInstance::Found SingleInstance::lockOrFindRunning(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    auto lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock left by a crashed instance is taken over: QLockFile checks whether its owner lives.
    lock->setStaleLockTime(0);
    m_problem.clear();
    for (;;) {
        // Asked first: QLockFile would wait for ever on a FIFO there.
        if (const auto problem = lockFileProblem()) {
            m_problem = *problem;
            return Found::Unavailable;
        }
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            return Found::Locked;
        }
        if (lock->error() == QLockFile::LockFailedError && isAbandoned(*lock) && lock->removeStaleLockFile())
            continue;
        // No lock file can be made here at all (no such folder, no permission, no space).
        if (lock->error() != QLockFile::LockFailedError) {
            m_problem = lockProblem();
            return Found::Unavailable;
        }
        // A lock without a socket is a command at work, or an instance about to listen.
        if (!m_socketPath.isEmpty()) {
            auto socket = std::make_unique<LocalSocket>();
            if (socket->connectTo(m_socketPath, kConnectTimeoutMs)) {
                m_running = std::move(socket);
                return Found::Running;
            }
        }
        if (deadline.hasExpired())
            return Found::Busy;
        QThread::msleep(kPollMs);
    }
}

bool SingleInstance::isAbandoned(QLockFile& lock) const
{
    // QLockFile itself takes over a lock whose owner it can read and that no longer runs.
    qint64 pid = 0;
    QString host, application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    // QLockFile writes the owner right after creating the file: one that has had a second
    // and still names none never will.
    const QFileInfo info(m_lockPath);
    return info.exists() && info.lastModified().msecsTo(QDateTime::currentDateTime()) > 1000;
}

std::optional<QString> SingleInstance::lockFileProblem() const
{
    // What is at the lock's path, when it cannot be a lock of a running Openwright: said as it
    // is, with the way out, rather than taken for a command at work.
    const QByteArray path = QFile::encodeName(m_lockPath);
    struct stat st = {};
    if (::lstat(path.constData(), &st) != 0)
        return std::nullopt;
    const auto said = [&](const char* what) {
        return QCoreApplication::translate("cli", what).arg(m_lockPath);
    };
    if (S_ISDIR(st.st_mode))
        return said(QT_TRANSLATE_NOOP("cli", "Openwright keeps its lock file at %1, but a folder is there. Remove the "
                                             "folder and try again."));
    if (!S_ISREG(st.st_mode))
        return said(QT_TRANSLATE_NOOP("cli", "Openwright keeps its lock file at %1, but something other than a file "
                                             "is there. Remove it and try again."));
    if (st.st_uid != ::geteuid())
        return said(QT_TRANSLATE_NOOP("cli", "Openwright's lock file %1 belongs to another user. Remove it and try "
                                             "again."));
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return QCoreApplication::translate("cli", "Openwright cannot read its lock file %1: %2. Remove it and try again.")
            .arg(m_lockPath, qt_error_string(errno));
    ::close(fd);
    return std::nullopt;
}

QString SingleInstance::lockProblem() const
{
    // QLockFile keeps the system's reason to itself: a file made the same way finds it.
    QByteArray probe = QFile::encodeName(m_lockPath) + ".XXXXXX";
    const int fd = ::mkstemp(probe.data());
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        if (::write(fd, "0\n", 2) != 2)
            error = errno;
        ::close(fd);
        ::unlink(probe.constData());
    }
    return QCoreApplication::translate("cli", "Openwright cannot create its lock file %1: %2")
        .arg(m_lockPath,
             error ? qt_error_string(error) : QCoreApplication::translate("cli", "the folder cannot be written"));
}

bool SingleInstance::claim(int timeoutMs)
{
    // An instance that closes the connection unanswered is quitting, and its lock goes with it:
    // this start then takes over. One that is slow to answer (starting itself) shows its window
    // once it reads the request. A few tries, in case one closes without quitting.
    for (int tries = 0; tries < 3; ++tries) {
        switch (lockOrFindRunning()) {
        case Found::Locked: listen(); return true;
        case Found::Unavailable: return false;
        case Found::Running: {
            const QDeadlineTimer deadline(timeoutMs);
            m_running->write(activationLine(qEnvironmentVariable("XDG_ACTIVATION_TOKEN")));
            m_running->waitForBytesWritten(int(deadline.remainingTime()));
            const bool answered = readLine(*m_running, deadline).has_value();
            m_running.reset();
            if (answered || deadline.hasExpired())
                return false;
            continue;
        }
        case Found::Busy:
            m_problem = QCoreApplication::translate(
                "cli", "Another Openwright command is still running. Try again once it has finished.");
            return false;
        }
    }
    m_problem = QCoreApplication::translate("cli",
                                            "Openwright is running but does not answer. Quit it, or end its process, "
                                            "and start it again.");
    return false;
}

QByteArray SingleInstance::activationLine(const QString& token)
{
    const QByteArray word = token.toUtf8();
    const bool fits = !word.isEmpty() && word.size() <= kMaxTokenBytes
        && std::all_of(word.cbegin(), word.cend(), [](char c) { return c > ' ' && c < 127; });
    return kActivate.toByteArray() + (fits ? ' ' + word : QByteArray()) + '\n';
}

std::optional<InstanceAnswer> SingleInstance::send(const InstanceRequest& request, QString* error, int answerTimeoutMs)
{
    const auto fail = [&](const QString& text) -> std::optional<InstanceAnswer> {
        if (error)
            *error = text;
        m_running.reset();
        return std::nullopt;
    };
    if (!m_running)
        return fail(QCoreApplication::translate("cli", "Openwright is not running."));
    LocalSocket& socket = *m_running;
    socket.write(greeting() + '\n');
    socket.waitForBytesWritten(kGreetingTimeoutMs);
    const auto hello = readLine(socket, QDeadlineTimer(kGreetingTimeoutMs));
    if (!hello) {
        return fail(QCoreApplication::translate("cli",
                                                "Openwright is running but does not answer, so nothing was done. Try "
                                                "again, or quit Openwright and run the command then."));
    }
    if (*hello != greeting()) {
        return fail(QCoreApplication::translate("cli",
                                                "The running Openwright cannot carry out commands from this version of "
                                                "the command line. Quit it and try again."));
    }
    QJsonObject object {{u"arguments"_s, QJsonArray::fromStringList(request.arguments)},
                        {u"workingDirectory"_s, request.workingDirectory}};
    if (request.input)
        object.insert(u"input"_s, QString::fromLatin1(request.input->toBase64()));
    const QByteArray bytes = frame("request", object);
    if (bytes.size() - bytes.indexOf('\n') - 1 > kMaxRequestBytes)
        return fail(QCoreApplication::translate("cli", "The command is too long to hand to the running Openwright."));
    socket.write(bytes);
    const QDeadlineTimer deadline(answerTimeoutMs);
    const auto header = readLine(socket, deadline);
    const auto length = header ? frameLength(*header, "answer", kMaxAnswerBytes) : std::nullopt;
    const auto body = length ? readBytes(socket, *length, deadline) : std::nullopt;
    const auto answer = body ? objectOf(*body) : std::nullopt;
    // Before the time was up, no answer means the connection closed: the instance is gone.
    m_wentAway = !answer && !deadline.hasExpired();
    if (!answer)
        return fail(QCoreApplication::translate(
            "cli", "The running Openwright did not finish the command in time; it may still be carried out."));
    m_running.reset();
    return InstanceAnswer {answer->value(u"out"_s).toString(), answer->value(u"err"_s).toString(),
                           answer->value(u"status"_s).toInt(1)};
}

void SingleInstance::listen()
{
    // The lock proves no other instance listens: a socket file left behind is stale.
    if (m_socketPath.isEmpty() || !m_server.listen(m_socketPath)) {
        m_problem = QCoreApplication::translate(
                        "cli", "Openwright cannot listen on %1 (%2): commands and later starts will not reach it.")
                        .arg(m_socketPath,
                             m_socketPath.isEmpty() ? QCoreApplication::translate("cli", "no private folder for it")
                                                    : m_server.errorString());
        qWarning("%s", qPrintable(m_problem));
        return;
    }
    connect(&m_server, &LocalServer::newConnection, this, [this] {
        while (LocalSocket* client = m_server.nextPendingConnection())
            accept(client);
    });
}

void SingleInstance::accept(LocalSocket* client)
{
    using Stage = Session::Stage;
    auto session = std::make_shared<Session>();
    // Nothing a client sends is buffered beyond one request; more than that drops the client.
    // What all clients together may hold is bounded when each announces its request.
    client->setReadLimit(kMaxRequestBytes + 2 * kMaxLineBytes);
    const auto release = [this, session] {
        if (std::exchange(session->reserved, false)) {
            --m_unfinished;
            m_reserved -= session->length;
        }
    };
    connect(client, &LocalSocket::disconnected, this, release);
    connect(client, &LocalSocket::disconnected, client, &QObject::deleteLater);
    QTimer::singleShot(kRequestTimeoutMs, client, [client, session] {
        if (session->stage != Stage::answering)
            client->abort();
    });
    connect(client, &LocalSocket::readyRead, this, [this, client, session, release] {
        Session& s = *session;
        if (s.stage == Stage::answering || s.stage == Stage::done)
            return client->abort();
        s.buffer += client->readAll();
        while (s.stage == Stage::greeting || s.stage == Stage::header) {
            const qsizetype end = s.buffer.indexOf('\n');
            if (end > kMaxLineBytes || (end < 0 && s.buffer.size() > kMaxLineBytes))
                return client->abort();
            if (end < 0)
                return;
            const QByteArray line = s.buffer.left(end);
            s.buffer.remove(0, end + 1);
            if (s.stage == Stage::header) {
                const auto length = frameLength(line, "request", kMaxRequestBytes);
                if (!length)
                    return client->abort();
                if (m_unfinished >= kMaxUnfinishedRequests || m_reserved + *length > kMaxReservedBytes) {
                    client->write(frame("answer", {{u"err"_s, QCoreApplication::translate("cli",
                                                                                           "Openwright is busy with "
                                                                                           "other commands. Try again "
                                                                                           "in a moment.\n")},
                                                   {u"status"_s, 1}}));
                    client->disconnectFromServer();
                    s.stage = Stage::done;
                    return;
                }
                s.length = *length;
                s.reserved = true;
                ++m_unfinished;
                m_reserved += s.length;
                s.stage = Stage::body;
            } else if (line == kActivate || line.startsWith(kActivate.toByteArray() + ' ')) {
                if (!s.buffer.isEmpty())
                    return client->abort();
                client->write(kAck);
                client->flush();
                s.stage = Stage::done;
                Q_EMIT activationRequested(QString::fromUtf8(line.mid(kActivate.size()).trimmed()));
                return;
            } else if (line == greeting() && m_handler) {
                client->write(greeting() + '\n');
                s.stage = Stage::header;
            } else if (line.startsWith("hello ")) {
                client->write(kUnsupported.toByteArray() + '\n');
                client->disconnectFromServer();
                s.stage = Stage::done;
                return;
            } else {
                return client->abort();
            }
        }
        if (s.stage != Stage::body || s.buffer.size() < s.length)
            return;
        if (s.buffer.size() > s.length)
            return client->abort();
        const auto object = objectOf(s.buffer.left(s.length));
        s.buffer.clear();
        release();
        if (!object)
            return client->abort();
        InstanceRequest request;
        for (const QJsonValue& v : object->value(u"arguments"_s).toArray())
            request.arguments.append(v.toString());
        request.workingDirectory = object->value(u"workingDirectory"_s).toString();
        if (const QJsonValue input = object->value(u"input"_s); input.isString())
            request.input = QByteArray::fromBase64(input.toString().toLatin1());
        s.stage = Stage::answering;
        const QPointer<LocalSocket> guard(client);
        m_handler(request, [guard](const InstanceAnswer& answer) {
            if (!guard)
                return;
            QByteArray bytes
                = frame("answer", {{u"out"_s, answer.out}, {u"err"_s, answer.err}, {u"status"_s, answer.status}});
            if (bytes.size() > kMaxAnswerBytes) {
                bytes = frame(
                    "answer",
                    {{u"err"_s, QCoreApplication::translate("cli", "openwright: the answer is too large to pass on\n")},
                     {u"status"_s, 1}});
            }
            guard->write(bytes);
            // Waits for the answer to be written before closing.
            guard->disconnectFromServer();
        });
    });
}

} // namespace openwright
