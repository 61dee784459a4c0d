// SPDX-License-Identifier: GPL-3.0-or-later
// Openwright idle with its window hidden, watched from outside the process: it is started with
// --background, left to settle, and then observed for a while (120 s unless
// OPENWRIGHT_BENCH_IDLE_SECONDS says otherwise) through /proc: the context switches of all its
// threads (each switch back in is a wake-up), the CPU time they ran (schedstat), and the
// threads that appeared meanwhile. Prints them per hour against the guard's checks per hour at
// its interval, and then each thread's switches (woken + preempted) over the watch: who wakes.
// Run by scripts/bench.sh inside a generated desktop under Xvfb:
//   bench_idle OPENWRIGHT LABEL
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

struct Task
{
    QString name; // the thread's name (comm)
    qint64 voluntary = 0; // it slept and was woken
    qint64 involuntary = 0; // it was preempted
    qint64 cpuNs = 0;
    qint64 diskBytes = 0; // read from the disk, not the page cache: each such read is a wait, not a wake-up
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QHash<QString, Task> sample(qint64 pid)
{
    QHash<QString, Task> tasks;
    const QString dir = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& tid : QDir(dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        Task task;
        task.name = QString::fromUtf8(readAll(dir + u'/' + tid + QStringLiteral("/comm")).trimmed());
        for (const QByteArray& line : readAll(dir + u'/' + tid + QStringLiteral("/status")).split('\n')) {
            const qint64 value = line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
            if (line.startsWith("voluntary_ctxt_switches:"))
                task.voluntary = value;
            else if (line.startsWith("nonvoluntary_ctxt_switches:"))
                task.involuntary = value;
        }
        task.cpuNs = readAll(dir + u'/' + tid + QStringLiteral("/schedstat")).split(' ').value(0).toLongLong();
        for (const QByteArray& line : readAll(dir + u'/' + tid + QStringLiteral("/io")).split('\n')) {
            if (line.startsWith("read_bytes:"))
                task.diskBytes = line.mid(11).trimmed().toLongLong();
        }
        tasks.insert(tid, task);
    }
    return tasks;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_idle OPENWRIGHT LABEL\n");
        return 2;
    }
    const int seconds = qEnvironmentVariableIsSet("OPENWRIGHT_BENCH_IDLE_SECONDS")
        ? qEnvironmentVariableIntValue("OPENWRIGHT_BENCH_IDLE_SECONDS")
        : 120;
    constexpr double kGuardInterval = 60; // the default
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromLocal8Bit(argv[1]), {QStringLiteral("--background")});
    if (!process.waitForStarted()) {
        std::fprintf(stderr, "Openwright did not start\n");
        return 1;
    }
    const qint64 pid = process.processId();
    QThread::sleep(10); // the first read of every default, and the start of the guard

    const QHash<QString, Task> before = sample(pid);
    QHash<QString, Task> last = before;
    QSet<QString> appeared;
    for (int s = 0; s < seconds; ++s) {
        QThread::sleep(1);
        const QHash<QString, Task> now = sample(pid);
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (!before.contains(it.key()))
                appeared.insert(it.key());
            last.insert(it.key(), it.value()); // a thread that ends keeps its last figures
        }
    }
    if (process.state() != QProcess::Running) {
        std::fprintf(stderr, "Openwright ended while idle\n");
        return 1;
    }
    // Per thread, in the order they were started (the main thread's ID is the process's).
    QStringList tids = last.keys();
    std::sort(tids.begin(), tids.end(),
              [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    qint64 switches = 0, cpuNs = 0;
    QStringList perThread;
    for (const QString& tid : std::as_const(tids)) {
        const Task& now = last[tid];
        const Task start = before.value(tid);
        const qint64 voluntary = now.voluntary - start.voluntary, involuntary = now.involuntary - start.involuntary;
        switches += voluntary + involuntary;
        cpuNs += now.cpuNs - start.cpuNs;
        QString line = QStringLiteral("%1 %2+%3").arg(now.name).arg(voluntary).arg(involuntary);
        if (const qint64 disk = now.diskBytes - start.diskBytes)
            line += QStringLiteral(" (%1 KiB from disk)").arg(disk / 1024);
        perThread.append(line);
    }
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    const double perHour = 3600.0 / seconds;
    const double checks = 3600 / kGuardInterval;
    std::printf("idle-%s: %.0f wake-ups per hour (%.2f per guard check, %.0f checks), cpu %.0f ms per hour, "
                "%lld threads started in %d s\n",
                argv[2], switches * perHour, switches * perHour / checks, checks, cpuNs / 1e6 * perHour,
                qlonglong(appeared.size()), seconds);
    // Who wakes: each thread's voluntary+involuntary switches over the whole watch. A read of an
    // entry the page cache no longer holds waits for the disk, and that wait counts as voluntary.
    std::printf("idle-%s-threads in %d s: %s\n", argv[2], seconds, qPrintable(perThread.join(u", ")));
    return 0;
}
