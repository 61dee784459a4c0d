// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to every reader of outside data: the export decoder, the three data
// files and the two caches. The first byte picks the reader. A document that decodes must
// survive a round trip unchanged; anything else must fail with DecodeError (a cache: load
// nothing) and nothing more.
#include "DrawingCache.h"
#include "GuardState.h"
#include "Json.h"
#include "Profile.h"
#include "ProfileExport.h"
#include "StateCache.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace openwright;

namespace {

template<typename T> void roundTrip(const QByteArray& bytes)
{
    T value;
    try {
        value = JsonCodec<T>::decode(Json::read(bytes));
    } catch (const DecodeError&) {
        return;
    }
    const QByteArray again = encodeDocument(value);
    if (!(JsonCodec<T>::decode(Json::read(again)) == value)
        || encodeDocument(JsonCodec<T>::decode(Json::read(again))) != again)
        std::abort();
}

QString write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

// The caches' files with a frame (magic, format, stamp) this run accepts, then the fuzzer's bytes:
// the part a damaged or planted cache varies.
void caches(const QByteArray& bytes, bool states)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(states ? QStringLiteral("states") : QStringLiteral("drawings"));
    if (states) {
        static const QByteArray frame = [&] {
            StateCache::save(path, StateSnapshot {"s", {}, {}, {}});
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll().chopped(4) : QByteArray();
        }();
        const auto loaded = StateCache::load(write(path, frame + bytes));
        if (loaded) {
            StateCache::save(path, *loaded);
            if (!(StateCache::load(path) == loaded))
                std::abort();
        }
        return;
    }
    static const QByteArray frame = [&] {
        DrawingCache cache(path, "fuzz", {});
        cache.insert(QStringLiteral("a"), "b");
        cache.save();
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.read(4 + 4 + 4 + 32) : QByteArray();
    }();
    DrawingCache cache(write(path, frame + bytes), "fuzz", {});
    cache.find(QStringLiteral("a"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 6) {
    case 0:
        try {
            const QList<Profile> profiles = ProfileExport::decode(bytes);
            // What was read can be written and read back to the same profiles (but for ids).
            const QList<Profile> again = ProfileExport::decode(ProfileExport(profiles).encoded());
            if (again.size() != profiles.size())
                std::abort();
            for (qsizetype i = 0; i < again.size(); ++i) {
                Profile p = again[i];
                p.id = profiles[i].id;
                if (!(p == profiles[i]))
                    std::abort();
            }
        } catch (const DecodeError&) {
        }
        break;
    case 1: roundTrip<QList<Profile>>(bytes); break;
    case 2: roundTrip<GuardState>(bytes); break;
    case 3: roundTrip<QList<Target>>(bytes); break;
    case 4: caches(bytes, true); break;
    case 5: caches(bytes, false); break;
    }
    return 0;
}
