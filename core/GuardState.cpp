// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardState.h"

#include "Json.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QString uuidText(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> parseUuid(const QString& text)
{
    if (text.size() != 36)
        return std::nullopt;
    const QUuid id = QUuid::fromString(text);
    if (id.isNull() && text != u"00000000-0000-0000-0000-000000000000")
        return std::nullopt;
    return id;
}

namespace {

// One opener's answer as the guard keeps it: "kde=file:///usr/share/applications/okular.desktop".
QString seenKey(const OpenerDifference& d)
{
    return openerName(d.opener) + u'=' + (d.app ? d.app->url.toString() : QString());
}

constexpr std::pair<DefaultChange::Handling, QLatin1StringView> kHandlings[] = {
    {DefaultChange::Handling::putBack, "putBack"_L1},
    {DefaultChange::Handling::allowed, "allowed"_L1},
    {DefaultChange::Handling::stopped, "stopped"_L1},
};

} // namespace

void DefaultChange::write(JsonWriter& out) const
{
    out.beginObject();
    if (culprit) {
        out.key("culprit"_L1);
        out.beginObject();
        out.member("name"_L1, culprit->name);
        out.member("reason"_L1, culprit->reason == Culprit::Reason::started ? u"started"_s : u"installed"_s);
        out.key("secondsBefore"_L1);
        out.integer(culprit->secondsBefore);
        out.endObject();
    }
    out.key("detectedAt"_L1);
    out.date(detectedAt);
    if (!file.isEmpty())
        out.member("file"_L1, file);
    if (from) {
        out.key("from"_L1);
        from->write(out);
    }
    for (const auto& [value, name] : kHandlings) {
        if (handling == value)
            out.member("handling"_L1, QString(name));
    }
    out.member("id"_L1, uuidText(id));
    if (opener)
        out.member("opener"_L1, openerName(*opener));
    out.key("resolved"_L1);
    out.boolean(resolved);
    out.key("target"_L1);
    target.write(out);
    if (to) {
        out.key("to"_L1);
        to->write(out);
    }
    out.endObject();
}

DefaultChange DefaultChange::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "a change");
    const QString idText = Json::requireString(o, "id"_L1);
    const auto id = parseUuid(idText);
    if (!id)
        throw DecodeError(u"Attempted to decode UUID from invalid UUID string: "_s + idText);
    DefaultChange c;
    c.id = *id;
    c.target = Target::fromJson(o.value("target"_L1));
    if (const auto from = Json::optionalObject(o, "from"_L1))
        c.from = AppInfo::fromJson(*from);
    if (const auto to = Json::optionalObject(o, "to"_L1))
        c.to = AppInfo::fromJson(*to);
    c.detectedAt = Json::requireDate(o, "detectedAt"_L1);
    c.resolved = Json::requireBool(o, "resolved"_L1);
    c.file = Json::optionalString(o, "file"_L1).value_or(QString());
    // Both are notes written by newer versions: one that does not read costs only the note.
    if (const auto culprit = Json::optionalObject(o, "culprit"_L1)) {
        const QString name = culprit->value("name"_L1).toString();
        const QString reason = culprit->value("reason"_L1).toString();
        if (!name.isEmpty() && (reason == "started"_L1 || reason == "installed"_L1)) {
            c.culprit = Culprit {name, reason == "started"_L1 ? Culprit::Reason::started : Culprit::Reason::installed,
                                 qint64(culprit->value("secondsBefore"_L1).toDouble())};
        }
    }
    const QString handling = o.value("handling"_L1).toString();
    for (const auto& [value, name] : kHandlings) {
        if (handling == name)
            c.handling = value;
    }
    for (const Opener opener : {Opener::kde, Opener::xdgOpen}) {
        if (o.value("opener"_L1).toString() == openerName(opener))
            c.opener = opener;
    }
    return c;
}

QList<DefaultChange> GuardState::absorb(const QHash<Target, std::optional<AppInfo>>& observed, const QDateTime& at)
{
    QList<DefaultChange> found;
    for (auto it = observed.cbegin(); it != observed.cend(); ++it) {
        const auto previous = baseline.constFind(it.key());
        const bool known = previous != baseline.cend();
        const std::optional<AppInfo> before = known ? previous->app : std::nullopt;
        // Most checks find what was seen: left alone, the baseline stays shared with the copies
        // the caller keeps, and is neither copied nor compared entry by entry.
        if (!known || previous->app != it.value())
            baseline.insert(it.key(), Seen {it.value()});
        if (!known)
            continue;
        const std::optional<AppInfo>& after = it.value();
        const bool same = (!before && !after) || (before && after && before->isSameApp(after));
        if (same)
            continue;
        DefaultChange change {QUuid::createUuid(), it.key(), before, after, at, false, {}, {}, {}};
        // A takeover of a takeover the person has not answered yet: the older row is stale, and
        // the new one reverts to what was chosen before either. One that goes back to that choice
        // ends the older row and is no change of anyone's choice at all.
        const auto open = std::find_if(history.begin(), history.end(), [&](const DefaultChange& c) {
            return c.target == it.key() && !c.resolved && c.handling == DefaultChange::Handling::none;
        });
        if (open != history.end()) {
            open->resolved = true;
            const bool back = (!open->from && !after) || (open->from && after && open->from->isSameApp(after));
            if (back)
                continue;
            change.from = open->from;
        }
        found.append(change);
    }
    prepend(history, found);
    return found;
}

QList<DefaultChange> GuardState::absorbOpeners(const QHash<Target, QList<OpenerDifference>>& observed,
                                               const QHash<Target, std::optional<AppInfo>>& defaults, const QDateTime& at)
{
    QList<DefaultChange> found;
    for (auto it = observed.cbegin(); it != observed.cend(); ++it) {
        QStringList now;
        for (const OpenerDifference& d : it.value())
            now.append(seenKey(d));
        const auto previous = openersSeen.constFind(it.key());
        const bool known = previous != openersSeen.cend();
        const QStringList before = known ? *previous : QStringList();
        openersSeen.insert(it.key(), now);
        // An open row of an opener that agrees again, or starts yet another app, is stale.
        for (DefaultChange& c : history) {
            if (c.target == it.key() && c.opener && !c.resolved
                && std::none_of(it.value().cbegin(), it.value().cend(), [&](const OpenerDifference& d) {
                       return d.opener == *c.opener && d.app == c.to;
                   }))
                c.resolved = true;
        }
        if (!known)
            continue;
        for (const OpenerDifference& d : it.value()) {
            if (before.contains(seenKey(d)))
                continue;
            DefaultChange change {QUuid::createUuid(), it.key(), defaults.value(it.key()), d.app, at, false, {}, {}, {}};
            change.opener = d.opener;
            found.append(change);
        }
    }
    prepend(history, found);
    return found;
}

void GuardState::prepend(QList<DefaultChange>& history, const QList<DefaultChange>& found)
{
    if (found.isEmpty())
        return;
    QList<DefaultChange> block = found;
    std::stable_sort(block.begin(), block.end(),
                     [](const DefaultChange& a, const DefaultChange& b) { return lessById(a.target, b.target); });
    block.append(history);
    if (block.size() > kHistoryLimit)
        block.resize(kHistoryLimit);
    history = std::move(block);
}

void GuardState::accept(const Target& target, const std::optional<AppInfo>& app,
                        const std::optional<QList<OpenerDifference>>& others)
{
    baseline.insert(target, Seen {app});
    if (others)
        acceptOpeners(target, *others);
    else
        openersSeen.remove(target);
}

void GuardState::acceptOpeners(const Target& target, const QList<OpenerDifference>& others)
{
    if (!pinned.contains(target)) {
        openersSeen.remove(target);
        return;
    }
    QStringList seen;
    for (const OpenerDifference& d : others)
        seen.append(seenKey(d));
    openersSeen.insert(target, seen);
}

void GuardState::write(JsonWriter& out) const
{
    QList<Target> targets = baseline.keys();
    std::sort(targets.begin(), targets.end(), lessById);
    out.beginObject();
    out.key("baseline"_L1);
    out.beginObject();
    for (const Target& t : targets) {
        out.key(QStringView(t.id()));
        out.beginObject();
        if (const auto& app = baseline.value(t).app) {
            out.key("app"_L1);
            app->write(out);
        }
        out.endObject();
    }
    out.endObject();
    out.key("history"_L1);
    JsonCodec<QList<DefaultChange>>::encode(out, history);
    if (!kept.isEmpty()) {
        QList<Target> keep(kept.cbegin(), kept.cend());
        std::sort(keep.begin(), keep.end(), lessById);
        out.key("kept"_L1);
        JsonCodec<QList<Target>>::encode(out, keep);
    }
    if (lastLook.isValid()) {
        out.key("lastLook"_L1);
        out.date(lastLook);
    }
    if (!openersSeen.isEmpty()) {
        QList<Target> seen = openersSeen.keys();
        std::sort(seen.begin(), seen.end(), lessById);
        out.key("openers"_L1);
        out.beginObject();
        for (const Target& t : seen) {
            out.key(QStringView(t.id()));
            out.beginArray();
            for (const QString& seen : openersSeen.value(t))
                out.string(seen);
            out.endArray();
        }
        out.endObject();
    }
    // Pins are a set; sorted, the file stays the same when they do.
    QList<Target> pins(pinned.cbegin(), pinned.cend());
    std::sort(pins.begin(), pins.end(), lessById);
    out.key("pinned"_L1);
    JsonCodec<QList<Target>>::encode(out, pins);
    out.endObject();
}

GuardState GuardState::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "the guard state");
    GuardState state;
    const QJsonObject base = Json::requireObject(o, "baseline"_L1);
    for (auto it = base.constBegin(); it != base.constEnd(); ++it) {
        const auto target = Target::parse(it.key());
        if (!target)
            throw DecodeError(u"Bad target "_s + it.key());
        Seen seen;
        if (const auto app = Json::optionalObject(Json::asObject(it.value(), "a seen handler"), "app"_L1))
            seen.app = AppInfo::fromJson(*app);
        state.baseline.insert(*target, seen);
    }
    for (const QJsonValue& pin : Json::requireArray(o, "pinned"_L1))
        state.pinned.insert(Target::fromJson(pin));
    // Written only once a type is always kept; older files have none.
    if (o.contains("kept"_L1)) {
        for (const QJsonValue& keep : Json::requireArray(o, "kept"_L1)) {
            const Target target = Target::fromJson(keep);
            if (state.pinned.contains(target))
                state.kept.insert(target);
        }
    }
    for (const QJsonValue& change : Json::requireArray(o, "history"_L1))
        state.history.append(DefaultChange::fromJson(change));
    // Written by newer versions only; what does not read is looked at afresh.
    const QJsonObject openers = o.value("openers"_L1).toObject();
    for (auto it = openers.constBegin(); it != openers.constEnd(); ++it) {
        const auto target = Target::parse(it.key());
        if (!target || !it.value().isArray())
            continue;
        QStringList seen;
        for (const QJsonValue& v : it.value().toArray())
            seen.append(v.toString());
        state.openersSeen.insert(*target, seen);
    }
    // Files written before the guard kept the time of its look have none; one that does not read
    // costs only the naming of the lists behind the next changes, not the history.
    if (const auto look = Json::optionalString(o, "lastLook"_L1)) {
        try {
            state.lastLook = Json::parseDate(*look);
        } catch (const DecodeError&) {
        }
    }
    return state;
}

} // namespace openwright
