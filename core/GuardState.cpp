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

QJsonValue DefaultChange::toJson() const
{
    QJsonObject o;
    o.insert("id"_L1, uuidText(id));
    o.insert("target"_L1, target.toJson());
    if (from)
        o.insert("from"_L1, from->toJson());
    if (to)
        o.insert("to"_L1, to->toJson());
    o.insert("detectedAt"_L1, Json::formatDate(detectedAt));
    o.insert("resolved"_L1, resolved);
    return o;
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
    return c;
}

QList<DefaultChange> GuardState::absorb(const QHash<Target, std::optional<AppInfo>>& observed, const QDateTime& at)
{
    QList<DefaultChange> found;
    for (auto it = observed.cbegin(); it != observed.cend(); ++it) {
        const auto previous = baseline.constFind(it.key());
        const bool known = previous != baseline.cend();
        const std::optional<AppInfo> before = known ? previous->app : std::nullopt;
        baseline.insert(it.key(), Seen{it.value()});
        if (!known)
            continue;
        const std::optional<AppInfo>& after = it.value();
        const bool same = (!before && !after) || (before && after && before->isSameApp(after));
        if (!same)
            found.append(DefaultChange{QUuid::createUuid(), it.key(), before, after, at, false});
    }
    if (found.isEmpty())
        return found;

    QList<DefaultChange> block = found;
    std::stable_sort(block.begin(), block.end(),
        [](const DefaultChange& a, const DefaultChange& b) { return lessById(a.target, b.target); });
    block.append(history);
    if (block.size() > kHistoryLimit)
        block.resize(kHistoryLimit);
    history = std::move(block);
    return found;
}

void GuardState::accept(const Target& target, const std::optional<AppInfo>& app)
{
    baseline.insert(target, Seen{app});
}

QJsonValue GuardState::toJson() const
{
    QJsonObject base;
    for (auto it = baseline.cbegin(); it != baseline.cend(); ++it) {
        QJsonObject seen;
        if (it->app)
            seen.insert("app"_L1, it->app->toJson());
        base.insert(it.key().id(), seen);
    }
    QList<Target> pins(pinned.cbegin(), pinned.cend());
    std::sort(pins.begin(), pins.end(), lessById); // stable files for stable diffs
    QJsonArray pinArray;
    for (const Target& t : pins)
        pinArray.append(t.toJson());
    QJsonArray changes;
    for (const DefaultChange& c : history)
        changes.append(c.toJson());
    return QJsonObject{{"baseline"_L1, base}, {"pinned"_L1, pinArray}, {"history"_L1, changes}};
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
    for (const QJsonValue& change : Json::requireArray(o, "history"_L1))
        state.history.append(DefaultChange::fromJson(change));
    return state;
}

} // namespace openwright
