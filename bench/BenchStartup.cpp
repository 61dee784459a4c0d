// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first painted window with every default read, against a bare Qt window started
// the same way in the same run; and resident memory once started. Run by scripts/bench.sh inside
// the sample desktop under Xvfb:  bench_startup OPENWRIGHT BARE_WINDOW
#include "BenchSupport.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

namespace {

struct Start
{
    double ms = -1;
    long rssKiB = -1;
};

Start startOnce(const QString& program, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    QByteArray out;
    while (!out.contains('\n') && process.waitForReadyRead(20000))
        out += process.readAllStandardOutput();
    Start start;
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.value(0) == "ready") {
        start.ms = double(timer.nsecsElapsed()) / 1e6;
        start.rssKiB = words.value(1).toLong();
    }
    process.waitForFinished(10000);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    return start;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_startup OPENWRIGHT BARE_WINDOW\n");
        return 2;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OPENWRIGHT_STARTUP_PROBE"), QStringLiteral("1"));
    std::vector<double> app_ms, floor_ms, app_rss, floor_rss;
    startOnce(QString::fromLocal8Bit(argv[1]), env); // warm the caches
    for (int i = 0; i < 7; ++i) {
        const Start a = startOnce(QString::fromLocal8Bit(argv[1]), env);
        const Start f = startOnce(QString::fromLocal8Bit(argv[2]), env);
        if (a.ms < 0 || f.ms < 0) {
            std::fprintf(stderr, "a start did not report ready\n");
            return 1;
        }
        app_ms.push_back(a.ms);
        floor_ms.push_back(f.ms);
        app_rss.push_back(double(a.rssKiB) / 1024);
        floor_rss.push_back(double(f.rssKiB) / 1024);
    }
    const double ms = openwright::bench::median(app_ms);
    const double floor = openwright::bench::median(floor_ms);
    std::printf("startup: %.0f ms, floor %.0f ms, ratio %.1f\n", ms, floor, ms / floor);
    std::printf("rss: %.0f MB (bare Qt window %.0f MB)\n", openwright::bench::median(app_rss),
                openwright::bench::median(floor_rss));
    return 0;
}
