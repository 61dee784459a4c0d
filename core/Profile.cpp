// SPDX-License-Identifier: GPL-3.0-or-later
#include "Profile.h"

#include "GuardState.h"
#include "Json.h"

#include <QJsonArray>
#include <QJsonObject>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString newIdentifier()
{
    return uuidText(QUuid::createUuid());
}

QJsonValue ProfileEntry::toJson() const
{
    return QJsonObject{{"target"_L1, target.toJson()}, {"bundleID"_L1, bundleID}, {"appName"_L1, appName}};
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
    for (const TargetState& s : states) {
        if (s.current && s.current->bundleID)
            p.entries.append({s.target, *s.current->bundleID, s.current->name});
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

QJsonValue Profile::toJson() const
{
    QJsonArray list;
    for (const ProfileEntry& e : entries)
        list.append(e.toJson());
    QJsonObject o{{"id"_L1, id}, {"name"_L1, name}, {"summary"_L1, summary}, {"symbol"_L1, symbol},
        {"kind"_L1, kindRawValue(kind)}, {"createdAt"_L1, Json::formatDate(createdAt)}, {"entries"_L1, list}};
    if (backupReason)
        o.insert("backupReason"_L1, backupReason->toJson());
    return o;
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
