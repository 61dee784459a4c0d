// SPDX-License-Identifier: GPL-3.0-or-later
// Openwright idle with its window hidden, watched from outside the process: it is started with
// --background, left to settle, and then observed for a while (300 s unless
// OPENWRIGHT_BENCH_IDLE_SECONDS says otherwise) through /proc: the context switches of all its
// threads (each switch back in is a wake-up), the CPU time they ran (schedstat), and the
// threads that appeared meanwhile. Prints them per hour against the guard's checks per hour at
// its interval, and then each thread's switches (woken + preempted) over the watch: who wakes.
// Beside it, watched the same way over the same seconds, runs its floor: a plain GLib program
// (bench_idle --floor) that asks GIO the default of every watched type at the same interval
// and does nothing else. Prints both per hour (wake-ups, CPU, page faults) with the ratio of
// their CPU, the CPU of each check (a burst of busy seconds): median, min and max, and the
// memory each touched over the watch (smaps' Referenced after clear_refs).
// Run by scripts/bench.sh inside a generated desktop under Xvfb:
//   bench_idle OPENWRIGHT LABEL
#include "BenchSupport.h"

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

constexpr int kGuardInterval = 60; // seconds, the default

// The floor: what any guard must do, and only that. The type names are found before the loop
// starts, as Openwright finds them once.
int runFloor()
{
    QList<openwright::Target> targets;
    for (const openwright::FileCategory& c : openwright::Catalog::all())
        targets.append(c.target);
    const auto further = openwright::bench::furtherTypes(targets);
    static const auto check = [targets, further] { openwright::bench::rawDefaults(targets, further); };
    check();
    GMainLoop* loop = g_main_loop_new(nullptr, false);
    g_timeout_add_seconds(
        kGuardInterval,
        [](gpointer) -> gboolean {
            check();
            return G_SOURCE_CONTINUE;
        },
        nullptr);
    g_main_loop_run(loop);
    return 0;
}

// Page faults of the whole process (minflt and majflt of /proc/PID/stat): what the system took
// back of its code and data while it slept comes back through them at the next check.
qint64 faults(qint64 pid)
{
    const QByteArray stat = readAll(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.value(7).toLongLong() + fields.value(9).toLongLong(); // minflt, majflt
}

// Forgets which pages of the process were touched; touchedKiB() then tells those touched since.
void clearTouched(qint64 pid)
{
    QFile refs(QStringLiteral("/proc/%1/clear_refs").arg(pid));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("1");
}

// The memory the process touched since clearTouched, all of it and its own (anonymous) part:
// on a machine that takes back memory left unused for a while, each page costs at the next
// touch, and the libraries' pages are counted by the folio, so the anonymous part is the one
// to compare.
std::pair<qint64, qint64> touchedKiB(qint64 pid)
{
    qint64 all = 0, anonymous = 0;
    bool file = false;
    for (const QByteArray& line : readAll(QStringLiteral("/proc/%1/smaps").arg(pid)).split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields[0].contains('-') && !line.startsWith(' ')) // a mapping's first line
            file = fields.size() >= 6 && fields[5].startsWith('/');
        else if (line.startsWith("Referenced:")) {
            const qint64 kib = fields.value(1).toLongLong();
            all += kib;
            if (!file)
                anonymous += kib;
        }
    }
    return {all, anonymous};
}

// One process watched second by second.
struct Watch
{
    qint64 pid = 0;
    QHash<QString, Task> before, last;
    QSet<QString> appeared;
    qint64 faultsBefore = 0, faultsLast = 0;
    qint64 lastCpuNs = 0;
    std::vector<double> checksMs; // each check: a burst of busy seconds
    bool inBurst = false;

    static qint64 cpuOf(const QHash<QString, Task>& tasks)
    {
        qint64 ns = 0;
        for (const Task& t : tasks)
            ns += t.cpuNs;
        return ns;
    }
    void start()
    {
        before = last = sample(pid);
        lastCpuNs = cpuOf(before);
        clearTouched(pid);
        faultsBefore = faultsLast = faults(pid);
    }
    void step()
    {
        const QHash<QString, Task> now = sample(pid);
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (!before.contains(it.key()))
                appeared.insert(it.key());
            last.insert(it.key(), it.value()); // a thread that ends keeps its last figures
        }
        faultsLast = faults(pid);
        // A second that took more than half a millisecond is part of a check; between checks
        // a hidden process takes next to nothing.
        const qint64 cpu = cpuOf(last), spent = cpu - lastCpuNs;
        lastCpuNs = cpu;
        const bool busy = spent > 500'000;
        if (busy && !inBurst)
            checksMs.push_back(0);
        if (busy)
            checksMs.back() += spent / 1e6;
        inBurst = busy;
    }
    qint64 switches() const
    {
        qint64 n = 0;
        for (auto it = last.cbegin(); it != last.cend(); ++it) {
            const Task start = before.value(it.key());
            n += it->voluntary - start.voluntary + it->involuntary - start.involuntary;
        }
        return n;
    }
    qint64 cpuNs() const { return cpuOf(last) - cpuOf(before); }
    // "M ms (min A, max B)" over the checks seen.
    QByteArray checks() const
    {
        if (checksMs.empty())
            return "no check seen";
        const auto [low, high] = std::minmax_element(checksMs.cbegin(), checksMs.cend());
        return QByteArray::number(openwright::bench::median(checksMs), 'f', 2) + " ms (min "
            + QByteArray::number(*low, 'f', 2) + ", max " + QByteArray::number(*high, 'f', 2) + ")";
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--floor") == 0)
        return runFloor();
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_idle OPENWRIGHT LABEL\n");
        return 2;
    }
    const int seconds = qEnvironmentVariableIsSet("OPENWRIGHT_BENCH_IDLE_SECONDS")
        ? qEnvironmentVariableIntValue("OPENWRIGHT_BENCH_IDLE_SECONDS")
        : 300;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromLocal8Bit(argv[1]), {QStringLiteral("--background")});
    // The floor checks half an interval after Openwright: each reads the entries the other read
    // 30 s before, so both find them in the page cache alike (some machines drop what lay unused
    // for a minute, and whichever read first after that paid for both).
    QThread::sleep(kGuardInterval / 2);
    QProcess floor;
    floor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    floor.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--floor")});
    if (!process.waitForStarted() || !floor.waitForStarted()) {
        std::fprintf(stderr, "Openwright or its floor did not start\n");
        return 1;
    }
    const qint64 pid = process.processId(), floorPid = floor.processId();
    QThread::sleep(10); // the floor's first read

    Watch watch, floorWatch;
    watch.pid = pid;
    floorWatch.pid = floorPid;
    watch.start();
    floorWatch.start();
    for (int s = 0; s < seconds; ++s) {
        QThread::sleep(1);
        watch.step();
        floorWatch.step();
    }
    const auto [touched, touchedOwn] = touchedKiB(pid);
    const auto [floorTouched, floorTouchedOwn] = touchedKiB(floorPid);
    const bool ran = process.state() == QProcess::Running && floor.state() == QProcess::Running;
    floor.kill();
    floor.waitForFinished();
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    if (!ran) {
        std::fprintf(stderr, "Openwright or its floor ended while idle\n");
        return 1;
    }
    // Per thread, in the order they were started (the main thread's ID is the process's).
    QStringList tids = watch.last.keys();
    std::sort(tids.begin(), tids.end(),
              [](const QString& a, const QString& b) { return a.toLongLong() < b.toLongLong(); });
    QStringList perThread;
    for (const QString& tid : std::as_const(tids)) {
        const Task& now = watch.last[tid];
        const Task start = watch.before.value(tid);
        QString line = QStringLiteral("%1 %2+%3")
                           .arg(now.name)
                           .arg(now.voluntary - start.voluntary)
                           .arg(now.involuntary - start.involuntary);
        if (const qint64 disk = now.diskBytes - start.diskBytes)
            line += QStringLiteral(" (%1 KiB from disk)").arg(disk / 1024);
        perThread.append(line);
    }
    const double perHour = 3600.0 / seconds;
    const double checks = 3600.0 / kGuardInterval;
    std::printf("idle-%s: %.0f wake-ups per hour (%.2f per guard check, %.0f checks), cpu %.0f ms per hour, "
                "%.0f page faults per hour, %lld threads started in %d s\n",
                argv[2], watch.switches() * perHour, watch.switches() * perHour / checks, checks,
                watch.cpuNs() / 1e6 * perHour, (watch.faultsLast - watch.faultsBefore) * perHour,
                qlonglong(watch.appeared.size()), seconds);
    std::printf("idle-%s-floor: %.0f wake-ups per hour, cpu %.0f ms per hour, %.0f page faults per hour; "
                "cpu ratio %.2f\n",
                argv[2], floorWatch.switches() * perHour, floorWatch.cpuNs() / 1e6 * perHour,
                (floorWatch.faultsLast - floorWatch.faultsBefore) * perHour,
                double(watch.cpuNs()) / double(floorWatch.cpuNs()));
    std::printf("idle-%s-check: %s, floor %s\n", argv[2], watch.checks().constData(),
                floorWatch.checks().constData());
    std::printf("idle-%s-touched in %d s: %.1f MiB (own %.1f MiB), floor %.1f MiB (own %.1f MiB)\n", argv[2],
                seconds, touched / 1024.0, touchedOwn / 1024.0, floorTouched / 1024.0, floorTouchedOwn / 1024.0);
    // Who wakes: each thread's voluntary+involuntary switches over the whole watch. A read of an
    // entry the page cache no longer holds waits for the disk, and that wait counts as voluntary.
    std::printf("idle-%s-threads in %d s: %s\n", argv[2], seconds, qPrintable(perThread.join(u", ")));
    return 0;
}
