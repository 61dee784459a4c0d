// SPDX-License-Identifier: GPL-3.0-or-later
#include "StateCache.h"

#include "JSONStore.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unordered_map>

namespace openwright::StateCache {

using namespace Qt::Literals::StringLiterals;

namespace {

// Raised with every change of the layout below or of how states are read: an older file is
// then simply not used.
constexpr quint32 kMagic = 0x4f575343; // "OWSC"
// 2: the browser reads as split where its linked types differ; 3: where each answer comes from;
// 4: each application once, in a table the states refer to; 5: what the other openers start;
// 6: the quick stamp beside the stamp
constexpr quint32 kFormat = 6;
// Some eight times the cache of a desktop of 10,000 applications.
constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;

// Every application the states name, once: at 10,000 applications the states name some 30,000
// candidates, mostly the same few thousand entries. Read back, the states share each entry's
// strings, and reading makes each URL once.
class AppTable
{
public:
    int indexOf(const std::optional<AppInfo>& app)
    {
        if (!app)
            return -1;
        const QString key = app->url.toString() + u'\x1f' + app->bundleID.value_or(QString()) + u'\x1f'
            + (app->bundleID ? u"1"_s : u"0"_s) + u'\x1f' + app->name;
        const auto [it, added] = m_index.try_emplace(key, int(m_apps.size()));
        if (added)
            m_apps.append(*app);
        return it->second;
    }

    void write(QDataStream& out) const
    {
        out << qint32(m_apps.size());
        for (const AppInfo& app : m_apps)
            out << app.url << app.bundleID.has_value() << app.bundleID.value_or(QString()) << app.name;
    }

    bool read(QDataStream& in)
    {
        qint32 count = 0;
        in >> count;
        if (count < 0)
            return false;
        for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
            AppInfo app;
            bool hasBundle = false;
            QString bundle;
            in >> app.url >> hasBundle >> bundle >> app.name;
            if (hasBundle)
                app.bundleID = bundle;
            m_apps.append(std::move(app));
        }
        return in.status() == QDataStream::Ok;
    }

    // The entry at `index`; nullopt for -1. A damaged index makes `ok` false.
    std::optional<AppInfo> at(qint32 index, bool& ok) const
    {
        if (index == -1)
            return std::nullopt;
        if (index < 0 || index >= m_apps.size()) {
            ok = false;
            return std::nullopt;
        }
        return m_apps[index];
    }

private:
    QList<AppInfo> m_apps;
    std::unordered_map<QString, int> m_index;
};

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
    in >> magic >> format >> snapshot.stamp >> snapshot.quickStamp;
    if (magic != kMagic || format != kFormat || in.status() != QDataStream::Ok)
        return std::nullopt;
    AppTable apps;
    if (!apps.read(in))
        return std::nullopt;
    in >> count;
    if (count < 0)
        return std::nullopt;
    bool ok = true;
    const auto app = [&] {
        qint32 index = -1;
        in >> index;
        return apps.at(index, ok);
    };
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok && ok; ++i) {
        QString id, type;
        in >> id >> type;
        const auto target = Target::parse(id);
        if (!target)
            return std::nullopt;
        TargetState state {*target, app(), {}};
        qint32 candidates = 0, byType = 0;
        in >> candidates;
        state.candidates.reserve(std::clamp<qint32>(candidates, 0, 4096));
        for (qint32 k = 0; k < candidates && in.status() == QDataStream::Ok && ok; ++k) {
            if (auto candidate = app())
                state.candidates.append(std::move(*candidate));
        }
        in >> byType;
        for (qint32 k = 0; k < byType && in.status() == QDataStream::Ok && ok; ++k) {
            TypeDefault d;
            in >> d.type;
            d.app = app();
            state.byType.append(std::move(d));
        }
        state.removedDefault = app();
        qint8 source = -1;
        qint32 recommended = 0;
        in >> source >> recommended;
        state.recommended = std::clamp<qsizetype>(recommended, 0, state.candidates.size());
        if (source >= 0 && source <= qint8(DefaultSource::system))
            state.source = DefaultSource(source);
        qint32 others = 0;
        in >> others;
        for (qint32 k = 0; k < others && in.status() == QDataStream::Ok && ok; ++k) {
            qint8 opener = 0;
            bool byChance = false;
            in >> opener;
            const auto other = app();
            in >> byChance;
            if (opener < qint8(Opener::kde) || opener > qint8(Opener::xdgOpen))
                return std::nullopt;
            state.otherOpeners.append({Opener(opener), other, byChance});
        }
        if (!type.isEmpty())
            snapshot.types.insert(*target, type);
        snapshot.states.append(std::move(state));
    }
    if (!ok || in.status() != QDataStream::Ok || !in.atEnd())
        return std::nullopt;
    return snapshot;
}

void save(const QString& path, const StateSnapshot& snapshot)
{
    AppTable apps;
    QByteArray states;
    {
        QDataStream out(&states, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << qint32(snapshot.states.size());
        for (const TargetState& s : snapshot.states) {
            out << s.target.id() << snapshot.types.value(s.target) << qint32(apps.indexOf(s.current));
            out << qint32(s.candidates.size());
            for (const AppInfo& app : s.candidates)
                out << qint32(apps.indexOf(app));
            out << qint32(s.byType.size());
            for (const TypeDefault& d : s.byType)
                out << d.type << qint32(apps.indexOf(d.app));
            out << qint32(apps.indexOf(s.removedDefault)) << qint8(s.source ? int(*s.source) : -1)
                << qint32(s.recommended);
            out << qint32(s.otherOpeners.size());
            for (const OpenerDifference& d : s.otherOpeners)
                out << qint8(d.opener) << qint32(apps.indexOf(d.app)) << d.byChance;
        }
    }
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << kMagic << kFormat << snapshot.stamp << snapshot.quickStamp;
        apps.write(out);
    }
    bytes += states;
    try {
        QDir().mkpath(QFileInfo(path).path());
        writeAtomically(path, bytes, FileAccess::ownerOnly, Links::replace);
    } catch (const StoreError&) {
        // Only a faster start is lost.
    }
}

} // namespace openwright::StateCache
