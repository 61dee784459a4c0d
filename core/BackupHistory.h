// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Profile.h"

#include <QTimeZone>

namespace openwright {

// The rules of the backup history: what is worth keeping, when the daily backup is due,
// and which automatic backups are dropped. Pure functions.
namespace BackupHistory {

constexpr qint64 kRetentionSeconds = 2'592'000; // 30 days
constexpr qsizetype kMaxAutomatic = 100;

// The snapshots among `stored` (kept in the order they were stored), newest first; of two
// taken within one second (dates keep whole seconds), the one stored later.
QList<Profile> newestFirst(const QList<Profile>& stored);
bool isNew(const Profile& candidate, const QList<Profile>& backups);
// A digest of `entries` as a set: equal exactly where isNew() compares them equal.
QByteArray entriesDigest(const QList<ProfileEntry>& entries);
// "Today" is the calendar day of `now` in `zone` (the user's time zone).
bool isDailyDue(const QList<QDateTime>& taken, const QDateTime& now, const QTimeZone& zone);
QList<Profile> prune(const QList<Profile>& backups, const QDateTime& now);

} // namespace BackupHistory

} // namespace openwright
