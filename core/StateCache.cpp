// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateCache.h"

#include "JSONStore.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace openwright::StateCache {

namespace {

// Raised with every change of the layout below or of how states are read: an older file is
// then simply not used.
constexpr quint32 kMagic = 0x4f575343; // "OWSC"
// 2: the browser reads as split where its linked types differ; 3: where each answer comes from
constexpr quint32 kFormat = 3;
// Some eight times the cache of a desktop of 10,000 applications.
constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;

void writeApp(QDataStream& out, const std::optional<AppInfo>& app)
{
    out << app.has_value();
    if (!app)
        return;
    out << app->url << app->bundleID.has_value() << app->bundleID.value_or(QString()) << app->name;
}

std::optional<AppInfo> readApp(QDataStream& in)
{
    bool present = false;
    in >> present;
    if (!present)
        return std::nullopt;
    AppInfo app;
    bool hasBundle = false;
    QString bundle;
    in >> app.url >> hasBundle >> bundle >> app.name;
    if (hasBundle)
        app.bundleID = bundle;
    return app;
}

} // namespace

std::optional<StateSnapshot> load(const QString& path)
{
    const std::optional<QByteArray> bytes = readCacheFile(path, kMaxBytes);
    if (!bytes)
        return std::nullopt;
    QDataStream in(*bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0, format = 0;
    qint32 count = 0;
    StateSnapshot snapshot;
    in >> magic >> format >> snapshot.stamp >> count;
    if (magic != kMagic || format != kFormat || count < 0 || in.status() != QDataStream::Ok)
        return std::nullopt;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString id, type;
        in >> id >> type;
        const auto target = Target::parse(id);
        if (!target)
            return std::nullopt;
        TargetState state {*target, readApp(in), {}};
        qint32 candidates = 0, byType = 0;
        in >> candidates;
        for (qint32 k = 0; k < candidates && in.status() == QDataStream::Ok; ++k) {
            if (auto app = readApp(in))
                state.candidates.append(std::move(*app));
        }
        in >> byType;
        for (qint32 k = 0; k < byType && in.status() == QDataStream::Ok; ++k) {
            TypeDefault d;
            in >> d.type;
            d.app = readApp(in);
            state.byType.append(std::move(d));
        }
        state.removedDefault = readApp(in);
        qint8 source = -1;
        qint32 recommended = 0;
        in >> source >> recommended;
        state.recommended = std::clamp<qsizetype>(recommended, 0, state.candidates.size());
        if (source >= 0 && source <= qint8(DefaultSource::system))
            state.source = DefaultSource(source);
        if (!type.isEmpty())
            snapshot.types.insert(*target, type);
        snapshot.states.append(std::move(state));
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return snapshot;
}

void save(const QString& path, const StateSnapshot& snapshot)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << kMagic << kFormat << snapshot.stamp << qint32(snapshot.states.size());
        for (const TargetState& s : snapshot.states) {
            out << s.target.id() << snapshot.types.value(s.target);
            writeApp(out, s.current);
            out << qint32(s.candidates.size());
            for (const AppInfo& app : s.candidates)
                writeApp(out, app);
            out << qint32(s.byType.size());
            for (const TypeDefault& d : s.byType) {
                out << d.type;
                writeApp(out, d.app);
            }
            writeApp(out, s.removedDefault);
            out << qint8(s.source ? int(*s.source) : -1) << qint32(s.recommended);
        }
    }
    try {
        QDir().mkpath(QFileInfo(path).path());
        writeAtomically(path, bytes, FileAccess::ownerOnly, Links::replace);
    } catch (const StoreError&) {
        // Only a faster start is lost.
    }
}

} // namespace openwright::StateCache
