// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up from exec to the first painted window showing the default of every type, against a
// bare Qt window started the same way in the same run, rounds interleaved; and resident memory
// once every default has been read from the system too, with the peak until then. Two starts of Openwright a round:
// - warm: the defaults kept from the last run are still true, and the first frame shows them;
// - cold: nothing kept (a first start, or after the desktop changed): the first frame waits
//   for the system's full read.
// Prints each as min/median/max of the milliseconds and of the ratio to the bare window of the
// same round. Run by scripts/bench.sh inside a generated desktop under Xvfb:
//   bench_startup OPENWRIGHT BARE_WINDOW LABEL
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

namespace {

struct Start
{
    double ms = -1;
    long rssKiB = -1; // once settled: every default read from the system
    long peakKiB = -1; // the most it held until then
    int differences = 0; // kept defaults the system answered differently
};

Start startOnce(const QString& program, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    Start start;
    QByteArray out;
    // "ready RSS" at the first painted frame, then (Openwright only) "settled RSS DIFFERENCES".
    while (process.waitForReadyRead(20000) || process.bytesAvailable()) {
        out += process.readAllStandardOutput();
        if (start.ms < 0 && out.contains("ready")) {
            start.ms = double(timer.nsecsElapsed()) / 1e6;
            start.rssKiB = out.mid(out.indexOf("ready") + 6).split('\n').value(0).toLong();
        }
        if (out.contains("settled") && out.endsWith('\n'))
            break;
    }
    if (const qsizetype at = out.indexOf("settled"); at >= 0) {
        const QList<QByteArray> words = out.mid(at).trimmed().split(' ');
        start.rssKiB = words.value(1).toLong();
        start.differences = words.value(2).toInt();
        start.peakKiB = words.value(3).toLong();
    }
    process.waitForFinished(10000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    return start;
}

struct Spread
{
    double min, median, max;
};

Spread spread(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

void print(const char* name, const QByteArray& label, const std::vector<double>& ms, const std::vector<double>& ratio)
{
    const Spread m = spread(ms), r = spread(ratio);
    std::printf("%s-%s: %.0f ms (min %.0f, max %.0f), ratio to bare window %.2f (min %.2f, max %.2f)\n", name,
                label.constData(), m.median, m.min, m.max, r.median, r.min, r.max);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: bench_startup OPENWRIGHT BARE_WINDOW LABEL\n");
        return 2;
    }
    const QString openwright = QString::fromLocal8Bit(argv[1]);
    const QString bare = QString::fromLocal8Bit(argv[2]);
    const QByteArray label(argv[3]);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OPENWRIGHT_STARTUP_PROBE"), QStringLiteral("1"));
    const QString kept = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/Openwright/states");

    startOnce(openwright, env); // warm the file caches, and keep the defaults read
    std::vector<double> warm, cold, floor, warmRatio, coldRatio, rss, peak, coldRss, coldPeak;
    int differences = 0;
    for (int i = 0; i < 7; ++i) {
        const Start f = startOnce(bare, env);
        const Start w = startOnce(openwright, env);
        QFile::remove(kept);
        const Start c = startOnce(openwright, env);
        if (w.ms < 0 || c.ms < 0 || f.ms < 0) {
            std::fprintf(stderr, "a start did not report ready\n");
            return 1;
        }
        floor.push_back(f.ms);
        warm.push_back(w.ms);
        cold.push_back(c.ms);
        warmRatio.push_back(w.ms / f.ms);
        coldRatio.push_back(c.ms / f.ms);
        rss.push_back(double(w.rssKiB) / 1024);
        peak.push_back(double(w.peakKiB) / 1024);
        coldRss.push_back(double(c.rssKiB) / 1024);
        coldPeak.push_back(double(c.peakKiB) / 1024);
        differences += w.differences;
    }
    print("startup", label, warm, warmRatio);
    print("startup-cold", label, cold, coldRatio);
    const Spread b = spread(floor);
    std::printf("bare-window-%s: %.0f ms (min %.0f, max %.0f)\n", label.constData(), b.median, b.min, b.max);
    const Spread r = spread(rss), p = spread(peak), cr = spread(coldRss), cp = spread(coldPeak);
    std::printf("rss-%s: kept start %.1f MB settled (min %.1f, max %.1f), peak %.1f MB (min %.1f, max %.1f); "
                "cold start %.1f MB settled, peak %.1f MB; kept defaults the system answered otherwise: %d\n",
                label.constData(), r.median, r.min, r.max, p.median, p.min, p.max, cr.median, cp.median, differences);
    return 0;
}
