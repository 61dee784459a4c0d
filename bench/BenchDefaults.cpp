// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the 64 catalog targets through the defaults service against a throw-away tree of
// 300 desktop entries, each case against its floor in the same run: the same GIO queries
// made directly, with no records built. Prints "NAME: N ms, floor M ms, ratio R" (medians).
//
// Two trees, each in its own process (GIO reads a tree once per process):
// - typical: like a desktop's applications folder: a third of the entries open none of the
//   catalog's types, the others a few, from a pool that also holds 120 other types;
// - dense (stress): every entry opens four catalog types, about 19 handlers per type.
#include "Catalog.h"
#include "DefaultsService.h"
#include "Sandbox.h"
#include "SystemLaunchServices.h"
#include "XdgTree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>

#include <gio/gio.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;

namespace {

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QList<QByteArray> contentTypes(const QList<Target>& targets)
{
    QList<QByteArray> types;
    for (const Target& t : targets)
        types.append(SystemLaunchServices::contentType(t).value_or(QString()).toUtf8());
    return types;
}

// What the floor pays to name a type: the guess for an extension, nothing for a scheme.
QByteArray rawType(const Target& t, const QByteArray& known)
{
    if (t.isScheme())
        return known;
    gboolean uncertain = false;
    gchar* guessed = g_content_type_guess(("x." + t.payload().toUtf8()).constData(), nullptr, 0, &uncertain);
    QByteArray type(guessed);
    g_free(guessed);
    return type;
}

void report(const QByteArray& name, double ms, double floor)
{
    std::printf("%s: %.2f ms, floor %.2f ms, ratio %.2f\n", name.constData(), ms, floor, ms / floor);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
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
    const QByteArray suffix = dense ? "-dense" : "";

    QList<Target> targets;
    for (const FileCategory& c : Catalog::all())
        targets.append(c.target);
    const QList<QByteArray> types = contentTypes(targets);

    QStringList pool;
    for (const QByteArray& t : types) {
        if (!t.isEmpty())
            pool.append(QString::fromUtf8(t));
    }
    const qsizetype catalogTypes = pool.size();
    for (int i = 0; i < 120; ++i)
        pool.append(u"application/x-other-"_s + QString::number(i));

    // 300 entries; defaults for every other type.
    QRandomGenerator rng(42);
    QString defaults = u"[Default Applications]\n"_s;
    for (int i = 0; i < 300; ++i) {
        QStringList handled;
        if (dense) {
            for (int k = 0; k < 4; ++k)
                handled.append(pool.at(rng.bounded(catalogTypes)));
        } else if (i % 3 != 0) {
            const int count = 1 + rng.bounded(6);
            for (int k = 0; k < count; ++k)
                handled.append(pool.at(rng.bounded(pool.size())));
        }
        const QString id = u"org.example.App"_s + QString::number(i);
        XdgTree::addApp(id, u"Application "_s + QString::number(i), handled,
            i % 3 ? XdgTree::Level::system : XdgTree::Level::user);
        if (i < types.size() && i % 2 == 0 && !types.at(i).isEmpty())
            defaults += QString::fromUtf8(types.at(i)) + u'=' + id + u".desktop;\n"_s;
    }
    XdgTree::buildCaches();
    XdgTree::writeList(u"mimeapps.list"_s, defaults);

    DefaultsService service(std::make_shared<SystemLaunchServices>());
    const int runs = 31;
    // Warm both paths once: GIO loads its caches on first use.
    for (const Target& t : targets)
        service.state(t);

    const auto floorRefresh = [&] {
        for (qsizetype i = 0; i < targets.size(); ++i) {
            const QByteArray type = rawType(targets[i], types[i]);
            if (type.isEmpty() || g_content_type_is_unknown(type.constData()))
                continue;
            if (GAppInfo* d = g_app_info_get_default_for_type(type.constData(), false))
                g_object_unref(d);
            g_list_free_full(g_app_info_get_all_for_type(type.constData()), g_object_unref);
        }
    };
    const auto floorCheck = [&] {
        for (qsizetype i = 0; i < targets.size(); ++i) {
            const QByteArray type = rawType(targets[i], types[i]);
            if (type.isEmpty() || g_content_type_is_unknown(type.constData()))
                continue;
            if (GAppInfo* d = g_app_info_get_default_for_type(type.constData(), false))
                g_object_unref(d);
        }
    };
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
    double r = 0, rf = 0, c = 0, cf = 0;
    std::vector<double> rs, rfs, cs, cfs;
    for (int i = 0; i < runs; ++i) {
        rfs.push_back(medianMs(1, floorRefresh));
        rs.push_back(medianMs(1, refresh));
        cfs.push_back(medianMs(1, floorCheck));
        cs.push_back(medianMs(1, check));
    }
    for (auto* v : {&rs, &rfs, &cs, &cfs})
        std::sort(v->begin(), v->end());
    r = rs[runs / 2];
    rf = rfs[runs / 2];
    c = cs[runs / 2];
    cf = cfs[runs / 2];
    report("refresh-64" + suffix, r, rf);
    report("guard-check-64" + suffix, c, cf);
    return 0;
}
