// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"

#include "GuardState.h"
#include "Json.h"

#include <QJsonArray>
#include <QJsonObject>

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

} // namespace openwright
