// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

QString probe()
{
    return QStringLiteral(OPENWRIGHT_PROBE);
}

bool waitForLine(QProcess& p, const QByteArray& line)
{
    QByteArray seen;
    while (!seen.contains(line)) {
        if (!p.waitForReadyRead(10000))
            return false;
        seen += p.readAll();
    }
    return true;
}

TEST(SingleInstance, ASecondStartHandsOverToTheFirst)
{
    QTemporaryDir dir;
    QProcess first;
    first.start(probe(), {dir.path()});
    ASSERT_TRUE(waitForLine(first, "primary"));

    // The second start returns once the first answers, well before it would give up waiting
    // (3 s), while the first keeps running.
    QProcess second;
    second.start(probe(), {dir.path()});
    ASSERT_TRUE(second.waitForFinished(2500));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(second.readAll().contains("handed-over"));
    EXPECT_TRUE(waitForLine(first, "activated"));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}

TEST(SingleInstance, ACrashedInstanceDoesNotBlockTheNext)
{
    QTemporaryDir dir;
    QProcess crashed;
    crashed.start(probe(), {dir.path()});
    ASSERT_TRUE(waitForLine(crashed, "primary"));
    ::kill(pid_t(crashed.processId()), SIGKILL); // leaves its lock file and socket behind
    crashed.waitForFinished(5000);

    QProcess next;
    next.start(probe(), {dir.path()});
    EXPECT_TRUE(waitForLine(next, "primary"));
    next.kill();
    next.waitForFinished(5000);
}

} // namespace
