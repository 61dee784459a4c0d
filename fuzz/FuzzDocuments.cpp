// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to every reader of outside data: the export decoder and the three
// data files. The first byte picks the reader. A document that decodes must survive a round
// trip unchanged; anything else must fail with DecodeError and nothing more.
#include "GuardState.h"
#include "Json.h"
#include "Profile.h"
#include "ProfileExport.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    switch (data[0] % 4) {
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
    }
    return 0;
}
