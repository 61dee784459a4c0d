// SPDX-License-Identifier: GPL-3.0-or-later
// Store and guard costs at the realistic upper end and under stress. Prints one line per case,
// "NAME: N ms" (and a ratio where there is a baseline), the median of several runs. Writes only
// into a temporary folder.
#include "GuardState.h"
#include "JSONStore.h"
#include "Profile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace openwright;
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

QList<Profile> backups(int count)
{
    QList<Profile> list;
    const QDateTime start(QDate(2025, 1, 1), QTime(0, 0), QTimeZone::utc());
    for (int b = 0; b < count; ++b) {
        Profile p {newIdentifier(),
                   u"1 Mar 2025 at 09:30"_s,
                   u"64 defaults"_s,
                   u"clock.arrow.circlepath"_s,
                   Profile::Kind::snapshot,
                   start.addSecs(b * 3600),
                   {},
                   BackupReason::daily()};
        for (int e = 0; e < 64; ++e) {
            p.entries.append({Target::fileExtension(u"ext"_s + QString::number(e)),
                              u"org.example.Application"_s + QString::number(e % 9),
                              u"Example Application "_s + QString::number(e)});
        }
        list.append(p);
    }
    return list;
}

void print(const QByteArray& name, double ms)
{
    std::printf("%s: %.2f ms\n", name.constData(), ms);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;

    for (const int count : {200, 2000}) {
        const QList<Profile> list = backups(count);
        JSONStore<QList<Profile>> store(u"profiles.json"_s, dir.path());
        const int runs = count == 200 ? 21 : 5;
        const double save = medianMs(runs, [&] { store.save(list); });
        const double load = medianMs(runs, [&] {
            if (store.load()->size() != count)
                std::abort();
        });
        // The floor: writing the same bytes atomically, with nothing to encode.
        const QByteArray bytes = encodeDocument(list);
        // The baseline of a load: the general reader, through a tree of the whole document.
        const double general = medianMs(runs, [&] {
            if (JsonCodec<QList<Profile>>::decode(Json::read(bytes)).size() != count)
                std::abort();
        });
        const double floor = medianMs(runs, [&] {
            QSaveFile file(dir.filePath(u"floor.json"_s));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            file.commit();
        });
        const QByteArray tag = QByteArray::number(count);
        print("profiles-save-" + tag, save);
        std::printf("profiles-load-%d: %.2f ms, general reader %.2f ms, ratio %.2f\n", count, load, general, load / general);
        std::printf("profiles-save-%d-floor: %.2f ms, ratio %.2f\n", count, floor, save / floor);
    }

    // A guard with a full history absorbing 1,000 observations, a tenth of them changed.
    GuardState full;
    QHash<Target, std::optional<AppInfo>> first, second;
    for (int i = 0; i < 1000; ++i) {
        const Target t = Target::fileExtension(u"t"_s + QString::number(i));
        const AppInfo a {QUrl::fromLocalFile(u"/usr/share/applications/a.desktop"_s), u"org.a"_s, u"A"_s};
        const AppInfo b {QUrl::fromLocalFile(u"/usr/share/applications/b.desktop"_s), u"org.b"_s, u"B"_s};
        first.insert(t, a);
        second.insert(t, i % 10 == 0 ? b : a);
    }
    full.absorb(first, QDateTime::currentDateTimeUtc());
    for (int i = 0; i < 3; ++i) {
        full.absorb(second, QDateTime::currentDateTimeUtc());
        full.absorb(first, QDateTime::currentDateTimeUtc());
    }
    const double absorbChanged = medianMs(21, [&] {
        GuardState s = full;
        s.absorb(second, QDateTime::currentDateTimeUtc());
    });
    const double absorbSame = medianMs(21, [&] {
        GuardState s = full;
        s.absorb(first, QDateTime::currentDateTimeUtc());
    });
    print("guard-absorb-1000-changed", absorbChanged);
    print("guard-absorb-1000-unchanged", absorbSame);
    return 0;
}
