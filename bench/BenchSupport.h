// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the benchmarks: timing, and the throw-away tree of desktop entries they read.
#include "Catalog.h"
#include "SystemLaunchServices.h"
#include "XdgTree.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QRandomGenerator>

#include <gio/gio.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace openwright::bench {

inline double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Only a desktop below the root the benchmark script made: never the user's own.
inline bool inGeneratedDesktop()
{
    const QString root = qEnvironmentVariable("OPENWRIGHT_BENCH_ROOT");
    return !root.isEmpty() && qEnvironmentVariable("HOME") == root + QStringLiteral("/home")
        && qEnvironmentVariable("XDG_CONFIG_HOME").startsWith(root + QLatin1Char('/'))
        && qEnvironmentVariable("XDG_DATA_HOME").startsWith(root + QLatin1Char('/'));
}

struct Timing
{
    double wallMs = -1;
    double cpuMs = -1; // user and system
};

// One run as a script makes it, its output thrown away: from spawning to reaping.
inline Timing timed(const QString& program, const QStringList& args)
{
    QList<QByteArray> words {QFile::encodeName(program)};
    for (const QString& a : args)
        words.append(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Timing t;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage {};
        if (::wait4(pid, &status, 0, &usage) == pid) {
            t.wallMs = double(timer.nsecsElapsed()) / 1e6;
            t.cpuMs = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
                + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return t;
}

// min/median/max of `runs`, as "1.0/2.0/3.0".
inline QByteArray spread(std::vector<double> runs)
{
    std::sort(runs.begin(), runs.end());
    return QByteArray::number(runs.front(), 'f', 1) + '/' + QByteArray::number(median(runs), 'f', 1) + '/'
        + QByteArray::number(runs.back(), 'f', 1);
}

// One line of a case against its floor measured in the same run.
inline void report(const QByteArray& name, double ms, double floor)
{
    std::printf("%s: %.2f ms, floor %.2f ms, ratio %.2f\n", name.constData(), ms, floor, ms / floor);
    std::fflush(stdout);
}

// 300 desktop entries in the sandbox, with defaults for every other catalog type.
// typical: like a desktop's applications folder, where a third of the entries open none of
//          the catalog's types and the others a few, from a pool with 120 other types too;
// dense:   every entry opens four catalog types, about 19 handlers per type.
inline void buildTree(bool dense)
{
    using test::XdgTree;
    QStringList pool;
    for (const FileCategory& c : Catalog::all()) {
        if (const auto type = SystemLaunchServices::contentType(c.target))
            pool.append(*type);
    }
    const qsizetype catalogTypes = pool.size();
    for (int i = 0; i < 120; ++i)
        pool.append(QStringLiteral("application/x-other-") + QString::number(i));

    QRandomGenerator rng(42);
    QString defaults = QStringLiteral("[Default Applications]\n");
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
        const QString id = QStringLiteral("org.example.App") + QString::number(i);
        XdgTree::addApp(id, QStringLiteral("Application ") + QString::number(i), handled,
                        i % 3 ? XdgTree::Level::system : XdgTree::Level::user);
        if (i < catalogTypes && i % 2 == 0)
            defaults += pool.at(i) + u'=' + id + QStringLiteral(".desktop;\n");
    }
    XdgTree::buildCaches();
    XdgTree::writeList(QStringLiteral("mimeapps.list"), defaults);
}

// The floor's name for a target's type: GIO's guess for an extension, the handler type for
// a scheme; empty when the system knows no such type.
inline QByteArray rawContentType(const Target& t)
{
    if (t.isScheme())
        return "x-scheme-handler/" + t.payload().toUtf8();
    // A type given by its MIME type (the folder) is asked about as it is.
    if (t.isMimeType())
        return t.payload().toUtf8();
    gboolean uncertain = false;
    gchar* guessed = g_content_type_guess(("x." + t.payload().toUtf8()).constData(), nullptr, 0, &uncertain);
    QByteArray type(guessed);
    g_free(guessed);
    return g_content_type_is_unknown(type.constData()) ? QByteArray() : type;
}

// The further types a target's answer needs, where the MIME database gives its extension
// several (.obj, .ts): GIO is asked about each (see SystemLaunchServices::contentTypes). Found
// once, before anything is timed.
inline QHash<Target, QList<QByteArray>> furtherTypes(const QList<Target>& targets)
{
    QHash<Target, QList<QByteArray>> further;
    for (const Target& t : targets) {
        for (const QString& type : SystemLaunchServices::contentTypes(t).mid(1))
            further[t].append(type.toUtf8());
    }
    return further;
}

// The raw queries of a guard check: the default of each type, nothing built from it.
inline void rawDefaults(const QList<Target>& targets, const QHash<Target, QList<QByteArray>>& further = {})
{
    for (const Target& t : targets) {
        const QByteArray type = rawContentType(t);
        if (type.isEmpty())
            continue;
        for (const QByteArray& each : QList<QByteArray> {type} + further.value(t)) {
            if (GAppInfo* d = g_app_info_get_default_for_type(each.constData(), false))
                g_object_unref(d);
        }
    }
}

} // namespace openwright::bench
