// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"

#include "GuardState.h"
#include "Json.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringDecoder>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString newIdentifier()
{
    return uuidText(QUuid::createUuid());
}

void ProfileEntry::write(JsonWriter& out) const
{
    out.beginObject();
    out.member("appName"_L1, appName);
    out.member("bundleID"_L1, bundleID);
    out.key("target"_L1);
    target.write(out);
    out.endObject();
}

ProfileEntry ProfileEntry::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "a profile entry");
    return {Target::fromJson(o.value("target"_L1)), Json::requireString(o, "bundleID"_L1),
            Json::requireString(o, "appName"_L1)};
}

QString Profile::kindRawValue(Kind kind)
{
    switch (kind) {
    case Kind::preset: return u"preset"_s;
    case Kind::custom: return u"custom"_s;
    case Kind::snapshot: return u"snapshot"_s;
    }
    return {};
}

std::optional<Profile::Kind> Profile::kindFromRawValue(const QString& raw)
{
    for (Kind k : {Kind::preset, Kind::custom, Kind::snapshot}) {
        if (raw == kindRawValue(k))
            return k;
    }
    return std::nullopt;
}

Profile Profile::snapshot(const QString& name, Kind kind, const std::optional<BackupReason>& reason,
                          const QDateTime& at, const QList<TargetState>& states)
{
    Profile p;
    const auto add = [&](const Target& target, const AppInfo& app) {
        if (app.bundleID && std::none_of(p.entries.cbegin(), p.entries.cend(),
                                         [&](const ProfileEntry& e) { return e.target == target; }))
            p.entries.append({target, *app.bundleID, app.name});
    };
    for (const TargetState& s : states) {
        if (s.current) {
            add(s.target, *s.current);
            continue;
        }
        // Types that open apart (a split browser, an extension of several types) are kept each
        // by its own type, so that applying the profile puts each back; a desktop's own browser
        // setting is no type, and it moves with the links' type.
        for (const TypeDefault& d : s.byType) {
            const auto type = Target::parse(d.type);
            if (d.app && type && type->isMimeType())
                add(*type, *d.app);
        }
    }
    p.id = newIdentifier();
    p.name = name;
    p.summary = QString::number(p.entries.size()) + u" defaults"_s;
    p.symbol = kind == Kind::snapshot ? u"clock.arrow.circlepath"_s : u"square.stack"_s;
    p.kind = kind;
    p.createdAt = at;
    if (kind == Kind::snapshot)
        p.backupReason = reason.value_or(BackupReason::manual());
    return p;
}

void Profile::write(JsonWriter& out) const
{
    out.beginObject();
    if (backupReason) {
        out.key("backupReason"_L1);
        backupReason->write(out);
    }
    out.key("createdAt"_L1);
    out.date(createdAt);
    out.key("entries"_L1);
    JsonCodec<QList<ProfileEntry>>::encode(out, entries);
    out.member("id"_L1, id);
    out.member("kind"_L1, kindRawValue(kind));
    out.member("name"_L1, name);
    out.member("summary"_L1, summary);
    out.member("symbol"_L1, symbol);
    out.endObject();
}

Profile Profile::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "a profile");
    Profile p;
    p.id = Json::requireString(o, "id"_L1);
    p.name = Json::requireString(o, "name"_L1);
    p.summary = Json::requireString(o, "summary"_L1);
    p.symbol = Json::requireString(o, "symbol"_L1);
    const QString kind = Json::requireString(o, "kind"_L1);
    const auto k = kindFromRawValue(kind);
    if (!k)
        throw DecodeError(u"Cannot initialize Kind from invalid String value "_s + kind);
    p.kind = *k;
    p.createdAt = Json::requireDate(o, "createdAt"_L1);
    const QJsonArray list = Json::requireArray(o, "entries"_L1);
    p.entries.reserve(list.size());
    for (const QJsonValue& e : list)
        p.entries.append(ProfileEntry::fromJson(e));
    const QJsonValue reason = o.value("backupReason"_L1);
    if (!reason.isUndefined() && !reason.isNull())
        p.backupReason = BackupReason::fromJson(reason);
    return p;
}

namespace {

// The JSON this program writes, read with no tree between the bytes and the values. Whatever it
// does not expect (an escaped key, a member it does not know or meets twice, a null, a surrogate
// escape) makes it give up, so what it does give is what the general reader would.
class Scanner
{
public:
    explicit Scanner(QByteArrayView bytes)
        : m_p(bytes.data())
        , m_end(bytes.data() + bytes.size())
    {
    }

    bool take(char c)
    {
        space();
        if (m_p == m_end || *m_p != c)
            return false;
        ++m_p;
        return true;
    }

    bool atEnd()
    {
        space();
        return m_p == m_end;
    }

    // A key's bytes up to the next quote: only the names written, which need no escapes, are
    // known, and any other spelling is not.
    std::optional<QByteArrayView> key()
    {
        if (!take('"'))
            return std::nullopt;
        const char* start = m_p;
        m_p = std::find(m_p, m_end, '"');
        if (m_p == m_end)
            return std::nullopt;
        const QByteArrayView key(start, m_p++ - start);
        return take(':') ? std::optional(key) : std::nullopt;
    }

    std::optional<QString> string()
    {
        const auto raw = rawString();
        return raw ? unescaped(*raw) : std::nullopt;
    }

    // A backup's entries are mostly spelled as those at the same place in the backup before:
    // an entry's field, by its `slot`, is decoded only when its bytes differ from the last ones
    // there, and otherwise shared.
    std::optional<QString> string(qsizetype slot)
    {
        return kept(m_strings, slot, [](QByteArrayView raw) { return unescaped(raw); });
    }

    std::optional<Target> target(qsizetype slot)
    {
        return kept(m_targets, slot, [](QByteArrayView raw) {
            const auto text = unescaped(raw);
            return text ? Target::parse(*text) : std::nullopt;
        });
    }

    // The bytes of the object that starts here, for the general reader.
    std::optional<QByteArray> object()
    {
        space();
        if (m_p == m_end || *m_p != '{')
            return std::nullopt;
        const char* start = m_p;
        int depth = 0;
        do {
            if (m_p == m_end)
                return std::nullopt;
            const char c = *m_p++;
            if (c == '{' || c == '[') {
                ++depth;
            } else if (c == '}' || c == ']') {
                --depth;
            } else if (c == '"') {
                --m_p; // a string, brackets and all
                if (!rawString())
                    return std::nullopt;
            }
        } while (depth > 0);
        return QByteArray(start, m_p - start);
    }

private:
    template<typename T> struct Slot
    {
        QByteArrayView spelling; // within the bytes read, which outlive the reading
        std::optional<T> value;
    };

    template<typename T, typename Decode>
    std::optional<T> kept(QList<Slot<T>>& slots, qsizetype slot, Decode decode)
    {
        const auto raw = rawString();
        if (!raw)
            return std::nullopt;
        if (slot >= slots.size())
            slots.resize(slot + 1);
        Slot<T>& last = slots[slot];
        if (!last.value || last.spelling != *raw) {
            last.value = decode(*raw);
            last.spelling = *raw;
        }
        return last.value;
    }

    // The bytes between the quotes of the string that starts here.
    std::optional<QByteArrayView> rawString()
    {
        if (!take('"'))
            return std::nullopt;
        const char* start = m_p;
        while (m_p != m_end && *m_p != '"') {
            if (uchar(*m_p) < 0x20 || (*m_p == '\\' && ++m_p == m_end))
                return std::nullopt;
            ++m_p;
        }
        if (m_p == m_end)
            return std::nullopt;
        return QByteArrayView(start, m_p++ - start);
    }

    void space()
    {
        while (m_p != m_end && (*m_p == ' ' || *m_p == '\n' || *m_p == '\t' || *m_p == '\r'))
            ++m_p;
    }

    static std::optional<QString> unescaped(QByteArrayView raw)
    {
        if (std::all_of(raw.cbegin(), raw.cend(), [](char c) { return c != '\\' && uchar(c) < 0x80; }))
            return QString::fromLatin1(raw);
        QByteArray utf8;
        utf8.reserve(raw.size());
        for (qsizetype i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c != '\\') {
                utf8 += c;
                continue;
            }
            switch (const char e = raw[++i]) {
            case '"':
            case '\\':
            case '/': utf8 += e; break;
            case 'b': utf8 += '\b'; break;
            case 'f': utf8 += '\f'; break;
            case 'n': utf8 += '\n'; break;
            case 'r': utf8 += '\r'; break;
            case 't': utf8 += '\t'; break;
            case 'u': {
                const auto digit = [&](qsizetype k) {
                    const char h = k < raw.size() ? raw[k] : 0;
                    if (h >= '0' && h <= '9')
                        return h - '0';
                    if (h >= 'a' && h <= 'f')
                        return h - 'a' + 10;
                    return h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
                };
                int unit = 0;
                for (qsizetype k = i + 1; k <= i + 4; ++k)
                    unit = digit(k) < 0 || unit < 0 ? -1 : unit * 16 + digit(k);
                if (unit < 0 || QChar::isSurrogate(char32_t(unit)))
                    return std::nullopt;
                utf8 += QString(QChar(char16_t(unit))).toUtf8();
                i += 4;
                break;
            }
            default: return std::nullopt;
            }
        }
        // Raw bytes the general reader would refuse are refused here too. It drops a U+FEFF
        // that begins a string; such a string is left to it.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        QString text = decoder(utf8);
        if (decoder.hasError() || text.startsWith(QChar(0xFEFF)))
            return std::nullopt;
        return text;
    }

    const char* m_p;
    const char* m_end;
    QList<Slot<QString>> m_strings;
    QList<Slot<Target>> m_targets;
};

// Calls `member(index)` for each member of the object that starts here, by its key's index in
// `keys`; true when every key was known, none came twice and every one in `required` came.
template<typename F>
bool readObject(Scanner& in, std::initializer_list<QByteArrayView> keys, unsigned required, F member)
{
    if (!in.take('{'))
        return false;
    unsigned seen = 0;
    if (!in.take('}')) {
        do {
            const auto key = in.key();
            if (!key)
                return false;
            const auto it = std::find(keys.begin(), keys.end(), *key);
            const unsigned bit = 1u << (it - keys.begin());
            if (it == keys.end() || (seen & bit) || !member(int(it - keys.begin())))
                return false;
            seen |= bit;
        } while (in.take(','));
        if (!in.take('}'))
            return false;
    }
    return (seen & required) == required;
}

bool readEntry(Scanner& in, qsizetype place, ProfileEntry& entry)
{
    return readObject(in, {"appName", "bundleID", "target"}, 0b111, [&](int member) {
        if (member == 2) {
            auto target = in.target(place);
            if (target)
                entry.target = std::move(*target);
            return target.has_value();
        }
        auto text = in.string(place * 2 + member);
        if (text)
            (member == 0 ? entry.appName : entry.bundleID) = std::move(*text);
        return text.has_value();
    });
}

bool readProfile(Scanner& in, Profile& p)
{
    constexpr unsigned kAllButTheReason = 0b11111110;
    return readObject(
        in, {"backupReason", "createdAt", "entries", "id", "kind", "name", "summary", "symbol"}, kAllButTheReason,
        [&](int member) {
            if (member == 0) {
                const auto reason = in.object();
                if (reason)
                    p.backupReason = BackupReason::fromJson(Json::read(*reason));
                return reason.has_value();
            }
            if (member == 2) {
                if (!in.take('['))
                    return false;
                if (in.take(']'))
                    return true;
                do {
                    const qsizetype place = p.entries.size();
                    if (!readEntry(in, place, p.entries.emplace_back()))
                        return false;
                } while (in.take(','));
                return in.take(']');
            }
            auto text = in.string();
            if (!text)
                return false;
            switch (member) {
            case 1: p.createdAt = Json::parseDate(*text); return true;
            case 3: p.id = std::move(*text); return true;
            case 4: {
                const auto kind = Profile::kindFromRawValue(*text);
                p.kind = kind.value_or(Profile::Kind::custom);
                return kind.has_value();
            }
            case 5: p.name = std::move(*text); return true;
            case 6: p.summary = std::move(*text); return true;
            default: p.symbol = std::move(*text); return true;
            }
        });
}

} // namespace

std::optional<QList<Profile>> Profile::readList(QByteArrayView bytes)
{
    if (bytes.size() > Json::kMaxDocumentBytes)
        return std::nullopt;
    Scanner in(bytes);
    QList<Profile> list;
    try {
        if (!in.take('['))
            return std::nullopt;
        if (!in.take(']')) {
            do {
                if (!readProfile(in, list.emplace_back()))
                    return std::nullopt;
            } while (in.take(','));
            if (!in.take(']'))
                return std::nullopt;
        }
    } catch (const DecodeError&) {
        return std::nullopt; // a date or a reason the general reader refuses as well
    }
    return in.atEnd() ? std::optional(std::move(list)) : std::nullopt;
}

} // namespace openwright
