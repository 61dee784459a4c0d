// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"
#include "Opener.h"
#include "Target.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QUuid>

#include <optional>

namespace openwright {

// The program that most likely made a change, where that can be told: the new default itself,
// started shortly before, or its desktop entry written (installed or updated) since the last look.
struct Culprit
{
    enum class Reason
    {
        started,
        installed,
    };
    QString name;
    Reason reason = Reason::started;
    qint64 secondsBefore = 0; // before the change was detected

    friend bool operator==(const Culprit&, const Culprit&) = default;
};

// One detected change of a default that this application did not make itself.
struct DefaultChange
{
    // What the guard did about it by itself, for a type it always keeps.
    enum class Handling
    {
        none,
        putBack, // the previous application was put back at once
        allowed, // put back, then the person accepted the new application after all
        stopped, // taken over again and again: the guard stopped fighting and waits for the person
    };

    QUuid id = QUuid::createUuid();
    Target target;
    std::optional<AppInfo> from;
    std::optional<AppInfo> to;
    QDateTime detectedAt;
    bool resolved = false;
    QString file; // the defaults list whose edit made the change; empty when not known
    std::optional<Culprit> culprit;
    Handling handling = Handling::none;
    // Set when the default stayed `from` but this other opener (KDE programs, xdg-open) now
    // starts `to` instead: a takeover all the same for a pinned type.
    std::optional<Opener> opener {};

    void write(JsonWriter& out) const;
    static DefaultChange fromJson(const QJsonValue& value);

    friend bool operator==(const DefaultChange&, const DefaultChange&) = default;
};

inline size_t qHash(const DefaultChange& c, size_t seed = 0) noexcept
{
    return qHashMulti(seed, c.id, c.target, c.detectedAt.toMSecsSinceEpoch(), c.resolved);
}

// The canonical upper-case text of a UUID, as stored and as sent in notifications.
QString uuidText(const QUuid& id);
// Reads the 36-character text form (either letter case); nothing for anything else.
std::optional<QUuid> parseUuid(const QString& text);

// The Default Guard's memory: the handler last seen for each target, the pinned targets and
// the change history (newest first, at most 200). A plain value with no platform knowledge;
// the model owns it on the GUI thread and stores it after each modification.
class GuardState final
{
public:
    // One observation: the handler seen (absent when the target had none).
    struct Seen
    {
        std::optional<AppInfo> app;
        friend bool operator==(const Seen&, const Seen&) = default;
    };

    static constexpr qsizetype kHistoryLimit = 200;

    QHash<Target, Seen> baseline;
    QSet<Target> pinned;
    // Pinned targets the guard puts back at once instead of asking ("Always keep").
    QSet<Target> kept;
    QList<DefaultChange> history;
    // When the guard's last look began reading, by the wall clock; invalid before the first. A
    // defaults list modified later made what the next look finds, in this process or the next.
    QDateTime lastLook;

    // What other openers started instead of the default at the last look, for pinned targets:
    // "kde=/usr/share/applications/okular.desktop"; empty where every opener agreed.
    QHash<Target, QStringList> openersSeen;

    // Records a batch of observations and returns the changes it found against the baseline.
    // The baseline always takes the latest observation, so a change is logged once.
    QList<DefaultChange> absorb(const QHash<Target, std::optional<AppInfo>>& observed, const QDateTime& at);
    // The same for what other openers start for targets whose default stayed `defaults`: an
    // opener that now starts another application than at the last look is a change; one that
    // agrees again ends its open row.
    QList<DefaultChange> absorbOpeners(const QHash<Target, QList<OpenerDifference>>& observed,
                                       const QHash<Target, std::optional<AppInfo>>& defaults, const QDateTime& at);
    // Makes `app` the baseline of `target` without logging: the user's own change. What other
    // openers start after it (`others`) is the baseline of a pinned target's openers; when not
    // known, the next look takes it without logging.
    void accept(const Target& target, const std::optional<AppInfo>& app,
                const std::optional<QList<OpenerDifference>>& others = std::nullopt);
    // Makes `others` the baseline of a pinned target's other openers, without logging.
    void acceptOpeners(const Target& target, const QList<OpenerDifference>& others);

    void write(JsonWriter& out) const;
    static GuardState fromJson(const QJsonValue& value);

    friend bool operator==(const GuardState&, const GuardState&) = default;

private:
    // Newest first, kept to kHistoryLimit.
    static void prepend(QList<DefaultChange>& history, const QList<DefaultChange>& found);
};

} // namespace openwright
