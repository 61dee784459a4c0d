// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupHistory.h"

#include <QCryptographicHash>
#include <QSet>

#include <algorithm>

namespace openwright::BackupHistory {

QList<Profile> newestFirst(const QList<Profile>& stored)
{
    QList<Profile> list;
    for (auto it = stored.crbegin(); it != stored.crend(); ++it) {
        if (it->kind == Profile::Kind::snapshot)
            list.append(*it);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Profile& a, const Profile& b) { return a.createdAt > b.createdAt; });
    return list;
}

bool isNew(const Profile& candidate, const QList<Profile>& backups)
{
    if (candidate.entries.isEmpty())
        return false;
    if (backups.isEmpty())
        return true;
    const Profile* latest = &backups.first();
    for (const Profile& b : backups) {
        if (b.createdAt > latest->createdAt)
            latest = &b;
    }
    const QSet<ProfileEntry> mine(candidate.entries.cbegin(), candidate.entries.cend());
    const QSet<ProfileEntry> theirs(latest->entries.cbegin(), latest->entries.cend());
    return mine != theirs;
}

QByteArray entriesDigest(const QList<ProfileEntry>& entries)
{
    QList<QString> lines;
    for (const ProfileEntry& e : QSet<ProfileEntry>(entries.cbegin(), entries.cend()))
        lines.append(e.target.id() + u'\x1f' + e.bundleID + u'\x1f' + e.appName);
    std::sort(lines.begin(), lines.end());
    return QCryptographicHash::hash(lines.join(u'\x1e').toUtf8(), QCryptographicHash::Sha1).toHex();
}

bool isDailyDue(const QList<QDateTime>& taken, const QDateTime& now, const QTimeZone& zone)
{
    const QDate today = now.toTimeZone(zone).date();
    return std::none_of(taken.cbegin(), taken.cend(),
                        [&](const QDateTime& t) { return t.toTimeZone(zone).date() == today; });
}

QList<Profile> prune(const QList<Profile>& backups, const QDateTime& now)
{
    const QDateTime cutoff = now.addSecs(-kRetentionSeconds);
    const auto isAutomatic = [](const Profile& p) { return p.backupReason && p.backupReason->isAutomatic(); };

    QList<const Profile*> recent;
    for (const Profile& b : backups) {
        if (isAutomatic(b) && b.createdAt >= cutoff)
            recent.append(&b);
    }
    std::stable_sort(recent.begin(), recent.end(),
                     [](const Profile* a, const Profile* b) { return a->createdAt > b->createdAt; });
    QSet<QString> keep;
    for (qsizetype i = 0; i < recent.size() && i < kMaxAutomatic; ++i)
        keep.insert(recent.at(i)->id);

    QList<Profile> result;
    for (const Profile& b : backups) {
        if (!isAutomatic(b) || keep.contains(b.id))
            result.append(b);
    }
    return result;
}

} // namespace openwright::BackupHistory
