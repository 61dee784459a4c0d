// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the 64 catalog targets through the defaults service against a throw-away tree of
// 300 desktop entries, each case against its floor in the same run: the same GIO queries
// made directly, with no records built. Prints "NAME: N ms, floor M ms, ratio R" (medians).
//
// Two trees, each in its own process (GIO reads a tree once per process):
// - typical: like a desktop's applications folder: a third of the entries open none of the
//   catalog's types, the others a few, from a pool that also holds 120 other types;
// - dense (stress): every entry opens four catalog types, about 19 handlers per type.
// With "--desktop LABEL" it reads the desktop the environment already names instead (a
// generated one, scripts/generate-desktop.sh, whose env.sh is sourced), and prints the ratio's
// min/median/max over the rounds too.
#include "Catalog.h"
#include "DefaultsService.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"
#include "XdgTree.h"

#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <gio/gio.h>

#include <cstdio>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

void reportSpread(const QByteArray& name, const std::vector<double>& ms, const std::vector<double>& floors)
{
    std::vector<double> ratios;
    for (size_t i = 0; i < ms.size(); ++i)
        ratios.push_back(ms[i] / floors[i]);
    std::sort(ratios.begin(), ratios.end());
    std::printf("%s: %.2f ms, floor %.2f ms, ratio %.3f (min %.3f, max %.3f)\n", name.constData(), bench::median(ms),
                bench::median(floors), ratios[ratios.size() / 2], ratios.front(), ratios.back());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const bool desktop = argc > 2 && qstrcmp(argv[1], "--desktop") == 0;
    if (desktop && !bench::inGeneratedDesktop()) {
        std::fprintf(stderr, "bench_defaults --desktop runs only inside a generated desktop (OPENWRIGHT_BENCH_ROOT)\n");
        return 2;
    }
    if (!desktop)
        Sandbox::instance(); // HOME and XDG_* point at a temporary tree before any GIO call
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        for (const char* tree : {"typical", "dense"}) {
            if (QProcess::execute(args.first(), {QString::fromLatin1(tree)}) != 0)
                return 1;
        }
        return 0;
    }
    const bool dense = args.at(1) == u"dense"_s;
    const QByteArray suffix = desktop ? "-" + args.at(2).toUtf8() : QByteArray(dense ? "-dense" : "");

    QList<Target> targets;
    for (const FileCategory& c : Catalog::all())
        targets.append(c.target);
    if (!desktop)
        bench::buildTree(dense);

    DefaultsService service(std::make_shared<SystemLaunchServices>());
    const int runs = desktop ? 15 : 31;
    // Warm both paths once: GIO loads its caches on first use.
    for (const Target& t : targets)
        service.state(t);

    const auto further = bench::furtherTypes(targets);
    const auto floorRefresh = [&] {
        for (const Target& t : targets) {
            const QByteArray type = bench::rawContentType(t);
            if (type.isEmpty())
                continue;
            for (const QByteArray& each : QList<QByteArray> {type} + further.value(t)) {
                if (GAppInfo* d = g_app_info_get_default_for_type(each.constData(), false))
                    g_object_unref(d);
                g_list_free_full(g_app_info_get_all_for_type(each.constData()), g_object_unref);
            }
        }
    };
    const auto floorCheck = [&] { bench::rawDefaults(targets, further); };
    const auto refresh = [&] {
        QList<TargetState> states;
        states.reserve(targets.size());
        for (const Target& t : targets)
            states.append(service.state(t));
    };
    const auto check = [&] {
        QHash<Target, std::optional<AppInfo>> observed;
        for (const Target& t : targets)
            observed.insert(t, service.currentDefault(t));
    };

    // Interleave case and floor so both see the same machine state.
    std::vector<double> rs, rfs, cs, cfs;
    for (int i = 0; i < runs; ++i) {
        rfs.push_back(bench::elapsedMs(floorRefresh));
        rs.push_back(bench::elapsedMs(refresh));
        cfs.push_back(bench::elapsedMs(floorCheck));
        cs.push_back(bench::elapsedMs(check));
    }
    if (desktop) {
        reportSpread("refresh-64" + suffix, rs, rfs);
        reportSpread("guard-check-64" + suffix, cs, cfs);
        return 0;
    }
    const double r = bench::median(rs), rf = bench::median(rfs), c = bench::median(cs), cf = bench::median(cfs);
    bench::report("refresh-64" + suffix, r, rf);
    bench::report("guard-check-64" + suffix, c, cf);
    return 0;
}
