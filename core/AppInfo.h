// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QHashFunctions>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace openwright {

class JsonWriter;

// One installed application: where its entry lives, its identity and its display name.
// On Linux `url` is the file URL of the desktop entry and `bundleID` the application identity
// (see ApplicationIdentity.h). An immutable value, safe on any thread.
struct AppInfo
{
    QUrl url;
    std::optional<QString> bundleID;
    QString name;

    // Reads the desktop entry at `url`. Never fails: an unreadable entry gives no bundleID
    // and the file name without ".desktop" as its name. Touches the file system.
    static AppInfo read(const QUrl& url);

    // Identity in lists: the bundle identifier, else the path.
    QString id() const;
    // The one test of whether two records denote the same application (the same program,
    // whichever packaging): for matching profile entries, backups and the guard.
    bool isSameApp(const std::optional<AppInfo>& other) const;
    // Whether both records are the same installed entry. Two packagings of one program (a
    // Debian package and a Flatpak) are two choices: a change tells them apart by this.
    bool isSameEntry(const std::optional<AppInfo>& other) const;

    void write(JsonWriter& out) const;
    static AppInfo fromJson(const QJsonValue& value);

    friend bool operator==(const AppInfo&, const AppInfo&) = default;
};

// An installed application found by the name a person gave. `exact`: the name is that very
// entry's own, and only it will do; otherwise the name is an identity that any packaging of the
// program satisfies.
struct LocatedApp
{
    AppInfo app;
    bool exact = false;

    // Whether `current` is what the name asks for.
    bool satisfiedBy(const std::optional<AppInfo>& current) const
    {
        return exact ? app.isSameEntry(current) : current && current->bundleID && app.isSameApp(current);
    }

    friend bool operator==(const LocatedApp&, const LocatedApp&) = default;
};

inline size_t qHash(const AppInfo& a, size_t seed = 0) noexcept
{
    return qHashMulti(seed, a.url, a.bundleID.has_value(), a.bundleID.value_or(QString()), a.name);
}

// The decoded path of a file URL without a trailing slash.
QString pathOf(const QUrl& url);

// Names to show for `apps` side by side, by URL. A name shared by several entries gets what
// tells them apart: "VLC (Flatpak)", "VLC (Snap)", or the entry's folder for others.
QHash<QUrl, QString> distinctNames(const QList<AppInfo>& apps);

} // namespace openwright
