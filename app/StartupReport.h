// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>

#include <cstdio>

// The line a started process prints once its first window is painted and it is ready: "ready"
// and its resident memory. The start-up benchmarks wait for it and read the figure.
namespace openwright::startup {

// The process's resident memory in KiB, from /proc: now, or at its peak ("VmHWM:").
inline long residentKiB(const char* field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

inline void reportReady()
{
    std::printf("ready %ld\n", residentKiB());
    std::fflush(stdout);
}

// Once every default has been read from the platform too: the resident memory then, how many
// defaults shown from the kept states the platform answered differently, and the peak memory.
inline void reportSettled(int differences)
{
    std::printf("settled %ld %d %ld\n", residentKiB(), differences, residentKiB("VmHWM:"));
    std::fflush(stdout);
}

} // namespace openwright::startup
