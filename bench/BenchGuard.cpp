// SPDX-License-Identifier: GPL-3.0-or-later
// The Default Guard through the application model, in a throw-away tree of 300 desktop
// entries with six added types (70 watched targets):
// - guard-check-70: one check from its start to its result applied on the GUI thread, against
//   the raw GIO queries for the same targets in the same run;
// - the idle guard: a scaled hour at the default interval on the real clock. Counts the GUI
//   thread's wake-ups and the checks, and the CPU time the hour took (the scaled hour does a
//   real hour's work, so that is the CPU time per real hour).
#include "AppModel.h"
#include "Clock.h"
#include "DefaultsService.h"
#include "JSONStore.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"

#include "BenchSupport.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;

namespace {

// Waits in the event loop, so the time measured is the check's and not a poll's.
void awaitFuture(const QFuture<void>& future)
{
    if (future.isFinished())
        return;
    QEventLoop loop;
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
    watcher.setFuture(future);
    loop.exec();
}

double cpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char** argv)
{
    test::Sandbox::instance(); // HOME and XDG_* point at a temporary tree before any GIO call
    QCoreApplication app(argc, argv);
    bench::buildTree(false);

    QTemporaryDir data;
    const QList<Target> added {Target::fileExtension(u"nfo"_s), Target::fileExtension(u"toml"_s),
                               Target::fileExtension(u"rs"_s),  Target::fileExtension(u"go"_s),
                               Target::fileExtension(u"ini"_s), Target::scheme(u"irc"_s)};
    JSONStore<QList<Target>>(u"custom-types.json"_s, data.path()).save(added);

    // An hour in 15 s: the default interval of 60 s becomes 250 ms.
    constexpr double scale = 240;
    SystemClock clock(scale);
    AppModelConfig config;
    config.dataDirectory = data.path();
    config.settingsPath = data.filePath(u"settings.conf"_s);
    config.clock = &clock;
    AppModel model(std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>()), std::move(config));
    awaitFuture(model.refresh());

    QList<Target> targets;
    for (const FileCategory& c : model.categories())
        targets.append(c.target);
    const auto further = bench::furtherTypes(targets);
    std::vector<double> checks, floors;
    for (int i = 0; i < 201; ++i) {
        floors.push_back(bench::elapsedMs([&] { bench::rawDefaults(targets, further); }));
        checks.push_back(bench::elapsedMs([&] { awaitFuture(model.checkGuard()); }));
    }
    bench::report(QByteArray("guard-check-") + QByteArray::number(targets.size()), bench::median(checks),
                  bench::median(floors));

    // The idle hour.
    int wakeUps = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [&] { ++wakeUps; });
    int reads = 0;
    QObject::connect(&model, &AppModel::statesChanged, [&] { ++reads; });
    model.startGuard();
    const double cpuBefore = cpuMs();
    QTimer hour;
    hour.setSingleShot(true);
    hour.start(int(3600'000 / scale));
    QObject::connect(&hour, &QTimer::timeout, &app, &QCoreApplication::quit);
    wakeUps = 0;
    app.exec();
    const double cpu = cpuMs() - cpuBefore;
    std::printf("guard-idle-hour: %d wake-ups, %d expected checks, cpu %.1f ms per hour\n", wakeUps,
                int(3600 / model.guardInterval()), cpu);
    return 0;
}
