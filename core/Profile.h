// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BackupReason.h"
#include "TargetState.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace openwright {

// One default within a profile: which application, by identity, should open a target.
struct ProfileEntry
{
    Target target;
    QString bundleID;
    QString appName; // kept for display when the application is not installed

    void write(JsonWriter& out) const;
    static ProfileEntry fromJson(const QJsonValue& value);

    friend bool operator==(const ProfileEntry&, const ProfileEntry&) = default;
};

inline size_t qHash(const ProfileEntry& e, size_t seed = 0) noexcept
{
    return qHashMulti(seed, e.target, e.bundleID, e.appName);
}

// A named set of defaults: a built-in preset, the user's own profile, or a backup snapshot.
struct Profile
{
    enum class Kind
    {
        preset,
        custom,
        snapshot
    };

    QString id;
    QString name;
    QString summary;
    QString symbol;
    Kind kind = Kind::custom;
    QDateTime createdAt;
    QList<ProfileEntry> entries;
    std::optional<BackupReason> backupReason;

    static QString kindRawValue(Kind kind);
    static std::optional<Kind> kindFromRawValue(const QString& raw);

    // The current defaults as a profile: one entry per state whose handler has an identity.
    static Profile snapshot(const QString& name, Kind kind, const std::optional<BackupReason>& reason,
                            const QDateTime& at, const QList<TargetState>& states);

    void write(JsonWriter& out) const;
    static Profile fromJson(const QJsonValue& value);
    // A list read straight from the bytes when they have the shape write() gives them, several
    // times faster than the general reader (the profiles file holds every backup); otherwise,
    // or when in doubt, nothing, and the general reader decides.
    static std::optional<QList<Profile>> readList(QByteArrayView bytes);

    friend bool operator==(const Profile&, const Profile&) = default;
};

// A fresh random identifier in canonical upper-case text.
QString newIdentifier();

} // namespace openwright
