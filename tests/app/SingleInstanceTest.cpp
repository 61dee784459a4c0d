// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppId.h"
#include "LocalSocket.h"
#include "SingleInstance.h"

#include <QAbstractEventDispatcher>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class SingleInstanceTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        for (QProcess* p : m_started) {
            p->kill();
            p->waitForFinished(5000);
            delete p;
        }
    }

    QProcess& start(const QStringList& args, const QString& activationToken = {})
    {
        auto* p = new QProcess;
        m_started.append(p);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(u"XDG_ACTIVATION_TOKEN"_s);
        // A runtime folder too deep for a socket sends it to TMPDIR: this test's own.
        env.insert(u"TMPDIR"_s, m_dir.path());
        if (!activationToken.isEmpty())
            env.insert(u"XDG_ACTIVATION_TOKEN"_s, activationToken);
        p->setProcessEnvironment(env);
        p->start(QStringLiteral(OPENWRIGHT_PROBE), QStringList {m_folder} + args);
        return *p;
    }

    // A command handing "pin .pdf" to the running instance, once it has finished (or the wait is over).
    QProcess& sendPin(int waitMs = 5000)
    {
        QProcess& command = start({u"send"_s, u"pin"_s, u".pdf"_s});
        command.waitForFinished(waitMs);
        return command;
    }

    static bool waitForLine(QProcess& p, const QByteArray& line)
    {
        QByteArray seen;
        while (!seen.contains(line)) {
            if (!p.waitForReadyRead(10000))
                return false;
            seen += p.readAll();
        }
        return true;
    }

    QTemporaryDir m_dir;
    QString m_folder = m_dir.path();
    QList<QProcess*> m_started;
};

// Also from a runtime folder so deep that a socket's path there would not fit an address.
class Folders : public SingleInstanceTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(Folders, ASecondStartHandsOverToTheFirst)
{
    m_folder = m_dir.filePath(QString(GetParam(), u'd'));
    ASSERT_TRUE(QDir().mkpath(m_folder));
    QProcess& first = start({u"start"_s});
    ASSERT_TRUE(waitForLine(first, "primary"));

    // The second start returns once the first answers, well before it would give up waiting
    // (3 s), while the first keeps running. On Wayland it passes on the token it was started
    // with, which the first needs to raise its window; a third start without one still works.
    QProcess& second = start({u"start"_s}, u"kwin-1f3c_TIME2231"_s);
    ASSERT_TRUE(second.waitForFinished(2500));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAll().contains("handed-over"));
    EXPECT_TRUE(waitForLine(first, "activated kwin-1f3c_TIME2231\n"));
    QProcess& third = start({u"start"_s});
    ASSERT_TRUE(third.waitForFinished(2500));
    EXPECT_TRUE(waitForLine(first, "activated \n"));
    EXPECT_EQ(first.state(), QProcess::Running);
}

INSTANTIATE_TEST_SUITE_P(Depths, Folders, ::testing::Values(1, 120));

// The short folder for the socket was made first by another user (or left open to others): it
// is never used, and every start and command meets in the next one instead.
TEST_F(SingleInstanceTest, AShortFolderSomeoneElseMadeIsNotUsed)
{
    m_folder = m_dir.filePath(QString(120, u'd'));
    ASSERT_TRUE(QDir().mkpath(m_folder));
    const QByteArray taken = QFile::encodeName(m_dir.path()) + "/openwright-" + QByteArray::number(::getuid());
    ASSERT_EQ(::mkdir(taken.constData(), 0777), 0);
    ::chmod(taken.constData(), 0777);
    if (::getuid() == 0) {
        ASSERT_EQ(::chown(taken.constData(), 65534, 65534), 0);
    }
    QProcess& first = start({u"serve"_s});
    ASSERT_TRUE(waitForLine(first, "primary"));
    QProcess& command = sendPin();
    ASSERT_EQ(command.state(), QProcess::NotRunning);
    EXPECT_EQ(command.exitCode(), 7) << command.readAll().constData();
    EXPECT_EQ(QDir(QFile::decodeName(taken)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

// What lies where the lock should be, and cannot be a running Openwright's, is said as it is at
// once, not taken for a command that is still running.
TEST_F(SingleInstanceTest, ALockThatCannotBeOursSaysWhatIsWrong)
{
    const QString lock = QDir(m_folder).filePath(QString::fromLatin1(openwright::kAppId) + u".lock"_s);
    const QByteArray path = QFile::encodeName(lock);
    const struct
    {
        const char* name;
        std::function<void()> make;
        QByteArray said;
    } cases[] = {
        {"a folder", [&] { ::mkdir(path.constData(), 0700); }, "a folder is there"},
        {"a FIFO", [&] { ::mkfifo(path.constData(), 0600); }, "something other than a file"},
        {"another user's or unreadable",
         [&] {
             QFile(lock).open(QIODevice::WriteOnly);
             ::chmod(path.constData(), 0);
             if (::getuid() == 0)
                 (void)::chown(path.constData(), 65534, 65534);
         },
         ::getuid() == 0 ? "belongs to another user" : "cannot read its lock file"},
    };
    for (const auto& c : cases) {
        c.make();
        QProcess& blocked = start({u"start"_s});
        ASSERT_TRUE(blocked.waitForFinished(2000)) << c.name;
        const QByteArray out = blocked.readAll();
        EXPECT_EQ(blocked.exitCode(), 1) << c.name;
        EXPECT_TRUE(out.contains(c.said) && out.contains(path)) << c.name << ": " << out.constData();
        ::rmdir(path.constData());
        ::unlink(path.constData());
    }
}

// A lock that names no owner (a crash between making and writing it) locks no one out; where
// no lock can be made at all, the start says why instead of waiting.
TEST_F(SingleInstanceTest, ALockWithoutAReadableOwnerIsTakenOver)
{
    const QString lock = QDir(m_folder).filePath(QString::fromLatin1(openwright::kAppId) + u".lock"_s);
    for (const QByteArray& contents : {QByteArray(), QByteArray("\x01garbage")}) {
        QFile file(lock);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-5), QFileDevice::FileModificationTime);
        file.close();
        QProcess& start = this->start({u"start"_s});
        EXPECT_TRUE(waitForLine(start, "primary")) << contents.toStdString();
        start.kill();
        start.waitForFinished(5000);
    }

    m_folder = lock + u"/inside"_s; // a file where the folder should be
    QProcess& blocked = start({u"start"_s});
    ASSERT_TRUE(blocked.waitForFinished(3000));
    EXPECT_EQ(blocked.exitCode(), 1);
    EXPECT_TRUE(blocked.readAll().contains("cannot start: Openwright cannot create its lock file"));
}

TEST_F(SingleInstanceTest, AnInstanceThatGoesAwayDoesNotBlockTheNext)
{
    // One that quits as a start asks it to show itself: it lets go of the connection unanswered,
    // then of its lock. The start takes over instead of exiting as if the window had been shown.
    const QString name = QDir(m_folder).filePath(QString::fromLatin1(openwright::kAppId));
    QLockFile lock(name + u".lock"_s);
    ASSERT_TRUE(lock.tryLock(0));
    QLocalServer quitting;
    ASSERT_TRUE(quitting.listen(name + u".socket"_s));
    QProcess& next = start({u"start"_s});
    ASSERT_TRUE(quitting.waitForNewConnection(5000));
    QLocalSocket* asked = quitting.nextPendingConnection();
    EXPECT_TRUE(asked->waitForReadyRead(2000));
    delete asked;
    quitting.close();
    lock.unlock();
    ASSERT_TRUE(waitForLine(next, "primary"));
    ASSERT_GT(next.processId(), 0);

    ::kill(pid_t(next.processId()), SIGKILL); // leaves its lock file and socket behind
    next.waitForFinished(5000);

    // The restarted instance listens in place of the dead one's socket: later starts reach it.
    QProcess& restarted = start({u"start"_s});
    ASSERT_TRUE(waitForLine(restarted, "primary"));
    QProcess& later = start({u"start"_s});
    ASSERT_TRUE(later.waitForFinished(2500));
    EXPECT_TRUE(later.readAll().contains("handed-over"));
    EXPECT_TRUE(waitForLine(restarted, "activated \n"));
}

TEST_F(SingleInstanceTest, AStartWaitsForACommandThatHoldsTheLockThenRuns)
{
    QProcess& command = start({u"hold"_s, u"1200"_s});
    ASSERT_TRUE(waitForLine(command, "locked"));
    QElapsedTimer timer;
    timer.start();
    QProcess& window = start({u"start"_s});
    EXPECT_TRUE(waitForLine(window, "primary"));
    EXPECT_GT(timer.elapsed(), 600);
    EXPECT_TRUE(command.waitForFinished(1000)); // it had let go of the lock
}

TEST_F(SingleInstanceTest, TheRunningInstanceCarriesOutACommandAndAnswers)
{
    QProcess& running = start({u"serve"_s});
    ASSERT_TRUE(waitForLine(running, "primary"));
    QProcess& command = sendPin();
    ASSERT_EQ(command.state(), QProcess::NotRunning);
    EXPECT_EQ(command.exitCode(), 7);
    EXPECT_EQ(command.readAll().trimmed(), "out: pin .pdf in " + QDir::currentPath().toUtf8());
    // A request and an answer far larger than the socket's buffers go through whole.
    QProcess& large = start({u"send"_s, u"large"_s});
    ASSERT_TRUE(large.waitForFinished(10000));
    EXPECT_EQ(large.exitCode(), 7);
    const QByteArray out = large.readAll().trimmed();
    EXPECT_TRUE(out.startsWith("out: large in ")) << out.left(100).constData();
    EXPECT_TRUE(out.endsWith(" with 3145728 " + QByteArray(3 << 20, 'x')));

    // A request larger than the limit is refused before it is read whole.
    const QString socket = QDir(m_folder).filePath(QString::fromLatin1(openwright::kAppId) + u".socket"_s);
    QLocalSocket raw;
    raw.connectToServer(socket);
    ASSERT_TRUE(raw.waitForConnected(2000));
    raw.write("hello 1\n");
    ASSERT_TRUE(raw.waitForReadyRead(2000));
    EXPECT_EQ(raw.readLine(), "hello 1\n");
    raw.write("request " + QByteArray::number(openwright::SingleInstance::kMaxRequestBytes + 1) + '\n');
    EXPECT_TRUE(raw.state() == QLocalSocket::UnconnectedState || raw.waitForDisconnected(2000));
    // A client that goes on sending after its request is dropped, not buffered.
    QLocalSocket flood;
    flood.connectToServer(socket);
    ASSERT_TRUE(flood.waitForConnected(2000));
    flood.write("activate\n" + QByteArray(4 * 1024 * 1024, 'x'));
    EXPECT_TRUE(flood.state() == QLocalSocket::UnconnectedState || flood.waitForDisconnected(2000));
    EXPECT_EQ(running.state(), QProcess::Running);
}

// Many clients of this user's announcing large requests and never finishing them cannot make the
// instance hold more than its bound: past it, they are refused with a reason, and the instance
// serves commands again once they are gone.
TEST_F(SingleInstanceTest, UnfinishedRequestsAreBoundedTogether)
{
    QProcess& running = start({u"serve"_s});
    ASSERT_TRUE(waitForLine(running, "primary"));
    const QString socket = QDir(m_folder).filePath(QString::fromLatin1(openwright::kAppId) + u".socket"_s);
    std::vector<std::unique_ptr<QLocalSocket>> clients;
    const auto announce = [&](qsizetype length) -> QByteArray {
        auto& client = clients.emplace_back(std::make_unique<QLocalSocket>());
        client->connectToServer(socket);
        if (!client->waitForConnected(2000))
            return "not connected";
        client->write("hello 1\n");
        if (!client->waitForReadyRead(2000) || client->readLine() != "hello 1\n")
            return "no greeting";
        client->write("request " + QByteArray::number(length) + '\n' + QByteArray(qMin<qsizetype>(length - 1, 1 << 20), 'x'));
        client->waitForBytesWritten(2000);
        return client->waitForReadyRead(500) ? client->readAll() : QByteArray();
    };
    constexpr qsizetype kLarge = 40 << 20;
    EXPECT_EQ(announce(kLarge), QByteArray()) << "the first large one is waited for";
    EXPECT_TRUE(announce((24 << 20) + 1).contains("busy with other commands")) << "one byte past 64 MiB";
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(announce(100), QByteArray()) << i;
    EXPECT_TRUE(announce(100).contains("busy with other commands")) << "the ninth unfinished one";
    clients.clear();
    QProcess& command = sendPin();
    ASSERT_EQ(command.state(), QProcess::NotRunning);
    EXPECT_EQ(command.exitCode(), 7);
}

// An instance that ends while it carries out a command (killed) is told apart from a slow one.
TEST_F(SingleInstanceTest, AnInstanceThatEndsMidCommandIsToldApartFromASlowOne)
{
    QProcess& dying = start({u"dies"_s});
    ASSERT_TRUE(waitForLine(dying, "primary"));
    QProcess& command = sendPin();
    ASSERT_EQ(command.state(), QProcess::NotRunning);
    EXPECT_EQ(command.exitCode(), 1);
    EXPECT_TRUE(command.readAll().startsWith("went away: "));
}

TEST_F(SingleInstanceTest, AnInstanceThatNeverAnswersFailsTheCommandInsteadOfHanging)
{
    QProcess& stuck = start({u"deaf"_s});
    ASSERT_TRUE(waitForLine(stuck, "primary"));
    QElapsedTimer timer;
    timer.start();
    QProcess& command = sendPin(openwright::SingleInstance::kGreetingTimeoutMs + 3000);
    ASSERT_EQ(command.state(), QProcess::NotRunning);
    EXPECT_EQ(command.exitCode(), 1);
    EXPECT_TRUE(command.readAll().contains("does not answer, so nothing was done"));
}

// Out of descriptors, a server cannot accept what waits; it must neither spin on the readable
// socket meanwhile nor lose the connection.
TEST(LocalServer, OutOfDescriptorsItWaitsAndThenAccepts)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers' own checks need the descriptors this takes away";
#endif
    QTemporaryDir dir;
    const QString path = dir.filePath(u"socket"_s);
    openwright::LocalServer server;
    ASSERT_TRUE(server.listen(path));
    QLocalSocket client;
    client.connectToServer(path);
    ASSERT_TRUE(client.waitForConnected(2000)); // in the backlog, not yet accepted

    const int lowestFree = ::dup(0);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const rlimit full = limit;
    limit.rlim_cur = rlim_t(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    int wakeUps = 0;
    const auto counting = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                                           [&] { ++wakeUps; });
    QEventLoop loop;
    QTimer::singleShot(openwright::LocalServer::kAcceptRetryMs / 2, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counting);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &full), 0);
    EXPECT_LT(wakeUps, 20) << "it asked again and again";
    EXPECT_EQ(server.nextPendingConnection(), nullptr);

    QObject::connect(&server, &openwright::LocalServer::newConnection, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_NE(server.nextPendingConnection(), nullptr);
}

} // namespace
