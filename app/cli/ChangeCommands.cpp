// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that change defaults or Openwright's data. They run against the one model, so
// they follow the window's rules: its change procedure, its backups and its guard baseline.
// Those that look at the defaults first read them afresh, as the window does when it opens.
#include "Output.h"

#include "AppModel.h"
#include "Async.h"
#include "JSONStore.h"
#include "ProfileExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

QFuture<Reply> ready(const Reply& reply)
{
    return QtFuture::makeReadyFuture(reply);
}

// `next` (returning QFuture<Reply>) runs once the model has read every default afresh, and
// everything about the targets the command changes (see AppModel::refreshFor).
template<typename F> QFuture<Reply> refreshed(AppModel& model, const QList<Target>& changing, F next)
{
    return continueOn(&model, model.refreshFor(changing), std::move(next)).unwrap();
}

QString resultKind(const ChangeResult& result)
{
    switch (result.kind()) {
    case ChangeResult::Case::Failed: return u"failed"_s;
    case ChangeResult::Case::Changed: return u"changed"_s;
    case ChangeResult::Case::AlreadyDefault: return u"alreadyDefault"_s;
    case ChangeResult::Case::Declined: return u"declined"_s;
    case ChangeResult::Case::AppMissing: return u"appMissing"_s;
    }
    return {};
}

void addResult(QJsonObject& o, const ChangeResult& result)
{
    o.insert(u"result"_s, resultKind(result));
    o.insert(u"message"_s, result.message());
    o.insert(u"success"_s, result.isSuccess());
}

// How a reset ended, in words: the ChangeResult texts speak of setting an application.
QString resetMessage(const ChangeResult& result)
{
    switch (result.kind()) {
    case ChangeResult::Case::Changed: return Texts::tr("Reset to the system default");
    case ChangeResult::Case::AlreadyDefault: return Texts::tr("Already the system default");
    default: return result.message();
    }
}

// What opens the target's own type: the browser's links open where x-scheme-handler/http does
// even while its pages open elsewhere (each of those is a line of its own), and a link whose
// desktop's setting differs still opens where the lists say for everyone else.
std::optional<AppInfo> ownDefault(const DefaultsService& service, const Target& target)
{
    // A link type written as a MIME type (a backup keeps a split browser so) is that link.
    static constexpr QStringView kScheme = u"x-scheme-handler/";
    if (target.isMimeType() && target.payload().startsWith(kScheme))
        return ownDefault(service, Target::scheme(target.payload().mid(kScheme.size())));
    if (const auto type = service.platformType(target)) {
        for (const TypeDefault& d : service.byType(target)) {
            if (d.type == *type)
                return d.app;
        }
    }
    return service.currentDefault(target);
}

// What the target and those that move with it open now, as read after a change.
QJsonArray nowJson(const AppModel& model, const Target& target)
{
    QJsonArray now;
    for (const Target& t : QList<Target> {target} + target.linkedTargets())
        now.append(QJsonObject {{u"target"_s, t.id()}, {u"app"_s, appJson(ownDefault(model.service(), t))}});
    return now;
}

// What a batch left: each target's outcome, and the default of the target and of those that
// moved with it. One target set keeps the form of a single change: the outcome on a line of
// its own, and with --json one object.
Reply changeReply(const AppModel& model, const QList<Target>& targets, const std::optional<AppInfo>& app,
                  const Invocation& inv)
{
    const bool single = app && targets.size() == 1;
    Reply reply;
    const Style style {inv.color};
    Table table;
    QJsonArray changes;
    for (const Target& target : targets) {
        const ChangeResult result = model.results().value(
            target, ChangeResult::failed(QCoreApplication::translate("cli", "The change could not be made")));
        if (!result.isSuccess())
            reply.status = 1;
        const QString message = app ? result.message() : resetMessage(result);
        for (const Target& t : QList<Target> {target} + target.linkedTargets()) {
            const auto current = ownDefault(model.service(), t);
            QStringList row {t.description(), appName(current),
                             style.dim(current ? desktopFileId(*current) : QString())};
            if (!single)
                row.insert(1, t == target ? message : QString());
            table.row(row);
        }
        QJsonObject o {{u"target"_s, target.id()}, {u"app"_s, appJson(app)}, {u"now"_s, nowJson(model, target)}};
        addResult(o, result);
        o.insert(u"message"_s, message);
        changes.append(o);
        if (single && !inv.json)
            reply.line(message);
    }
    if (inv.json)
        printJson(reply, single ? changes.first().toObject() : QJsonObject {{u"changes"_s, changes}});
    else
        reply.out += table.text();
    return reply;
}

// The targets `app` does not say it can open, refused unless the command forces it: the
// window's "Choose Another App…" is where any application may be chosen on purpose.
Reply undeclared(const AppModel& model, const QList<Target>& targets, const AppInfo& app)
{
    const DefaultsService& service = model.service();
    Reply reply;
    for (const Target& target : targets) {
        // As the read before the change found it, with every candidate; a target nobody watches
        // was not part of that read.
        const auto read = model.states().constFind(target);
        const TargetState state = read != model.states().cend() ? *read : service.state(target);
        const QList<AppInfo>& candidates = state.candidates;
        // What opens the target already can open it (a hidden copy of an entry is no candidate).
        if (app.isSameEntry(state.current)
            || std::any_of(candidates.cbegin(), candidates.cend(),
                           [&](const AppInfo& a) { return a.isSameEntry(app); }))
            continue;
        const QString type = service.platformType(target).value_or(target.id());
        const QString what = type == target.id() ? type : target.description() + u" ("_s + type + u')';
        return reply.fail(2,
                          Texts::tr("%1 (%2) does not say it can open %3. Add --force to make it the default "
                                    "all the same.")
                              .arg(app.name, desktopFileId(app), what));
    }
    return reply;
}

// A profile's or backup's steps with the outcome of each change.
// A restore puts back every default of the backup: one whose application is gone is not
// restored, and counts as such. So does an entry of a profile an administrator applies to
// every account (--system): a machine without its application is not as they were told.
Reply ranReply(const AppModel& model, const Profile& profile, const QList<PlanStep>& plan,
               const AppModel::Results& results, const Invocation& inv)
{
    const bool restoring = profile.kind == Profile::Kind::snapshot;
    Reply reply;
    Table table;
    QJsonArray steps;
    int succeeded = 0;
    int outcomes = 0;
    for (const PlanStep& step : plan) {
        QJsonObject o = stepJson(step);
        QString outcome;
        if (const auto it = results.constFind(step.request);
            step.kind == PlanStep::Case::change && it != results.cend()) {
            ++outcomes;
            succeeded += it->isSuccess() ? 1 : 0;
            outcome = it->message();
            addResult(o, *it);
            o.insert(u"now"_s, nowJson(model, step.target()));
        } else if ((restoring || inv.system) && step.kind == PlanStep::Case::notInstalled) {
            ++outcomes;
            outcome = restoring ? QCoreApplication::translate("cli", "Not restored")
                                : QCoreApplication::translate("cli", "Not set: not installed here");
        }
        steps.append(o);
        table.row({step.target().description(), stepText(step), outcome});
    }
    reply.status = succeeded == outcomes ? 0 : 1;
    if (inv.json) {
        printJson(reply,
                  {{u"profile"_s, profileJson(profile)},
                   {u"steps"_s, steps},
                   {u"changed"_s, succeeded},
                   {u"outcomes"_s, outcomes}});
        return reply;
    }
    reply.out = table.text();
    if (outcomes > 0)
        reply.line(QCoreApplication::translate("cli", "%1 of %2 changed.").arg(succeeded).arg(outcomes));
    return reply;
}

QFuture<Reply> run(const Invocation& inv, AppModel& model, bool backup)
{
    return refreshed(model, {}, [inv, &model, backup]() -> QFuture<Reply> {
        Reply reply;
        const auto profile = findProfile(backup ? model.backups() : model.profiles(), inv.arguments.at(0),
                                         backup ? u"backup"_s : u"profile"_s, reply);
        if (!profile)
            return ready(reply);
        return applyPlanned(*profile, inv, model);
    });
}

QFuture<Reply> pinAs(const Invocation& inv, AppModel& model, bool pinned)
{
    const Target target = inv.target();
    const auto work = [inv, &model, target, pinned] {
        Reply reply;
        const QList<FileCategory> all = model.categories();
        if (pinned
            && std::none_of(all.cbegin(), all.cend(), [&](const FileCategory& c) { return c.target == target; })) {
            return ready(reply.fail(
                2,
                QCoreApplication::translate(
                    "cli", "The Default Guard watches only the types Openwright lists, and %1 is not one of them.")
                    .arg(target.description())));
        }
        const bool was = model.guardState().pinned.contains(target);
        const bool wasKept = model.guardState().kept.contains(target);
        const bool keep = pinned && inv.has(u"--keep");
        if (was != pinned)
            model.togglePin(target);
        if (pinned)
            model.setAlwaysKeep(target, keep);
        const bool changed = was != pinned || wasKept != keep;
        if (inv.json) {
            printJson(reply,
                      {{u"target"_s, target.id()}, {u"pinned"_s, pinned}, {u"keep"_s, keep}, {u"changed"_s, changed}});
        } else if (keep) {
            reply.line(target.description()
                       + u" is pinned and always kept: Default Guard puts it back at once when another application "
                         u"takes it over."_s);
        } else {
            reply.line(
                (pinned ? QCoreApplication::translate("cli", "%1 is pinned: Default Guard is watching this default.")
                        : QCoreApplication::translate("cli", "%1 is not pinned."))
                    .arg(target.description()));
        }
        return ready(reply);
    };
    // A new pin starts from the default as it is now.
    return pinned ? refreshed(model, {}, work) : work();
}

} // namespace

QFuture<Reply> applyPlanned(const Profile& profile, const Invocation& inv, AppModel& model)
{
    const bool backup = profile.kind == Profile::Kind::snapshot;
    const QList<PlanStep> plan = model.plan(profile);
    if (changeCount(plan) == 0) {
        // Nothing to do: no backup is taken, nothing is written.
        const bool missing = (backup || inv.system) && std::any_of(plan.cbegin(), plan.cend(), [](const PlanStep& s) {
                                 return s.kind == PlanStep::Case::notInstalled;
                             });
        if (!inv.json && !missing)
            return ready({backup ? QCoreApplication::translate("cli", "Same as now\n")
                                 : QCoreApplication::translate("cli", "All set\n"),
                          {},
                          0});
        return ready(ranReply(model, profile, plan, {}, inv));
    }
    return continueOn(&model, model.apply(profile), [inv, plan, profile, &model](const AppModel::Results& results) {
        return ranReply(model, profile, plan, results, inv);
    });
}

QFuture<Reply> set(const Invocation& inv, AppModel& model)
{
    // One read, then every change as one batch.
    return refreshed(model, inv.targets(), [inv, &model]() -> QFuture<Reply> {
        const QList<Target> targets = inv.targets();
        Reply reply;
        const auto app = resolveApp(model.service(), targets, inv.arguments.last(), reply);
        if (!app)
            return ready(reply);
        if (const Reply refused = undeclared(model, targets, *app);
            refused.status != 0 && !inv.has(u"--force")) {
            return ready(refused);
        }
        QList<ChangeRequest> requests;
        for (const Target& t : targets)
            requests.append({t, app->url});
        return continueOn(&model, model.change(requests), [inv, &model, targets, app](const AppModel::Results&) {
            return changeReply(model, targets, app, inv);
        });
    });
}

QFuture<Reply> reset(const Invocation& inv, AppModel& model)
{
    // Read first, so the backup taken before the reset holds the defaults as they are.
    return refreshed(model, inv.targets(), [inv, &model]() -> QFuture<Reply> {
        const QList<Target> targets = inv.targets();
        return continueOn(&model, model.reset(targets), [inv, &model, targets](const AppModel::Results&) {
            return changeReply(model, targets, std::nullopt, inv);
        });
    });
}

namespace {

// Whether every opener here certainly starts what GTK programs start for `target`.
bool openersAgree(const DefaultsService& service, const Target& target, QList<OpenerAnswer>* answers = nullptr)
{
    const auto type = service.platformType(target);
    const QList<OpenerAnswer> all = type ? service.openers(*type) : QList<OpenerAnswer>();
    if (answers)
        *answers = all;
    return all.isEmpty()
        || std::all_of(all.cbegin(), all.cend(),
                       // Without a display xdg-open consults no entries: nothing to agree with.
                       [&](const OpenerAnswer& a) { return a.startsOnly(all.first().id) || !a.inSession; });
}

} // namespace

QFuture<Reply> agree(const Invocation& inv, AppModel& model)
{
    const QList<Target> given = inv.targets();
    return refreshed(model, given, [inv, &model, given]() -> QFuture<Reply> {
        const QList<Target> targets = given.isEmpty() ? model.watchedTargets() : given;
        return continueOn(&model, model.makeOpenersAgree(targets), [inv, &model, targets](const AppModel::Results& done) {
            Reply reply;
            const Style style {inv.color};
            Table table;
            QJsonArray changes;
            QHash<Target, std::pair<QUrl, ChangeResult>> pinned;
            for (auto it = done.cbegin(); it != done.cend(); ++it)
                pinned.insert(it.key().target, {it.key().app, *it});
            for (const Target& t : targets) {
                QList<OpenerAnswer> answers;
                const bool agreed = openersAgree(model.service(), t, &answers);
                const auto it = pinned.constFind(t);
                // A target agree left alone is named, not passed over in silence: its types
                // open in different apps (a split browser), so pinning one would move the others.
                // As status and health count them.
                if (it == pinned.cend() && (model.service().otherOpeners(t).isEmpty() || !answers.first().app))
                    continue;
                QString outcome;
                if (it == pinned.cend())
                    outcome = QCoreApplication::translate("cli", "left alone: its types open in different apps; choose one app for it first");
                else if (!it->second.isSuccess())
                    outcome = it->second.message();
                else if (agreed)
                    outcome = QCoreApplication::translate("cli", "every program agrees");
                else
                    outcome = unsettled(answers).isEmpty()
                        ? QCoreApplication::translate("cli", "still opens differently")
                        : QCoreApplication::translate("cli", "still opens differently: %1").arg(unsettled(answers));
                const bool ok = agreed && it != pinned.cend() && it->second.isSuccess();
                if (!ok)
                    reply.status = 1;
                QJsonObject o {{u"target"_s, t.id()}, {u"agreed"_s, ok}, {u"openers"_s, openersJson(answers, model.service())}};
                if (it != pinned.cend()) {
                    const AppInfo app = model.service().appInfo(it->first);
                    table.row({t.description(), app.name, style.dim(desktopFileId(app)), outcome});
                    o.insert(u"app"_s, appJson(app));
                    addResult(o, it->second);
                } else {
                    table.row({t.description(), QString(), QString(), outcome});
                }
                changes.append(o);
            }
            if (inv.json)
                printJson(reply, {{u"changes"_s, changes}});
            else if (changes.isEmpty())
                reply.line(QCoreApplication::translate("cli", "Every program already opens each type alike."));
            else
                reply.out += table.text();
            return reply;
        });
    });
}

QFuture<Reply> pin(const Invocation& inv, AppModel& model)
{
    return pinAs(inv, model, true);
}

QFuture<Reply> unpin(const Invocation& inv, AppModel& model)
{
    return pinAs(inv, model, false);
}

// The guard's changes not among `known`, as a check found and handled them.
static Reply guardChanges(const Invocation& inv, const AppModel& model, const QSet<QUuid>& known)
{
    Reply reply;
    const Style style {inv.color};
    Table table;
    QJsonArray changes;
    // Told as a notification: a count for its title, then a line per change, in no columns.
    QStringList lines;
    for (const DefaultChange& c : model.guardState().history) {
        if (known.contains(c.id))
            continue;
        changes.append(changeJson(c, model.category(c.target)));
        table.row(changeRow(c, model.category(c.target), style));
        QString line = model.category(c.target).title + u": "_s + appName(c.from) + u" \u2192 "_s + appName(c.to);
        if (c.opener)
            line = QCoreApplication::translate("cli", "%1 (%2 only)").arg(line, openerLabel(*c.opener));
        if (c.handling == DefaultChange::Handling::putBack)
            line = QCoreApplication::translate("cli", "%1, put back").arg(line);
        lines.append(line);
    }
    if (inv.json)
        printJson(reply, {{u"changes"_s, changes}});
    else if (table.isEmpty())
        reply.out = QCoreApplication::translate("cli", "No defaults changed since the last check.\n");
    else if (inv.notify)
        reply.out = QCoreApplication::translate("cli", "%n default(s) changed since the last check:", nullptr,
                                                int(lines.size()))
            + u'\n' + lines.join(u'\n') + u'\n';
    else
        reply.out = table.text();
    return reply;
}

QFuture<Reply> guardCheck(const Invocation& inv, AppModel& model)
{
    QSet<QUuid> known;
    for (const DefaultChange& c : model.guardState().history)
        known.insert(c.id);
    // The read absorbs what it sees into the guard, as every check does; the reply waits for
    // what the guard does about it (a put-back) to land and be recorded.
    return continueOn(&model, model.refreshOrKept(), [inv, &model, known] {
               return continueOn(&model, model.settled(), [inv, &model, known] { return guardChanges(inv, model, known); });
           })
        .unwrap();
}

QFuture<Reply> profileApply(const Invocation& inv, AppModel& model)
{
    return run(inv, model, false);
}

QFuture<Reply> backupRestore(const Invocation& inv, AppModel& model)
{
    return run(inv, model, true);
}

Reply readInput(Invocation& inv)
{
    if (inv.command->change != Change::profileImport)
        return {};
    // "-" is standard input.
    const QString path = inv.arguments.at(0) == u"-"_s ? u"/dev/stdin"_s : inv.path(0);
    const FileRead read = readWholeFile(path, Json::kMaxDocumentBytes, true);
    inv.input = read.bytes;
    return read.bytes ? Reply() : Reply().fail(1, read.problem);
}

QFuture<Reply> profileImport(const Invocation& inv, AppModel& model)
{
    Reply reply;
    if (!inv.input)
        return ready(reply.fail(1, QCoreApplication::translate("cli", "The file to import was not read.")));
    try {
        const AppModel::ProfileImport outcome = model.importProfiles(*inv.input);
        if (inv.json) {
            printJson(reply,
                      {{u"imported"_s, outcome.added},
                       {u"alreadyThere"_s, QJsonArray::fromStringList(outcome.alreadyThere)}});
        } else {
            reply.line(QCoreApplication::translate("cli", "Imported %n profile(s).", nullptr, outcome.added));
            if (!outcome.alreadyThere.isEmpty())
                reply.line(AppModel::alreadyThereText(outcome.alreadyThere));
        }
    } catch (const DecodeError& e) {
        // Say what was wrong where the file is an export after all (a name it may not hold).
        const bool isExport = QByteArrayView(*inv.input).contains(ProfileExport::kFormat);
        reply.fail(1, isExport ? e.message() : ProfileExport::notAnExportMessage());
    } catch (const StoreError& e) {
        reply.fail(1, e.message());
    }
    return ready(reply);
}

QFuture<Reply> backupNow(const Invocation& inv, AppModel& model)
{
    return continueOn(&model, model.refreshOrKept(), [inv, &model] {
        Reply reply;
        QSet<QString> before;
        for (const Profile& b : model.backups())
            before.insert(b.id);
        if (!model.backUpNow()) {
            return ready(
                reply.fail(1,
                           QCoreApplication::translate("cli",
                                                       "Another backup would make your profiles file larger than "
                                                       "Openwright can read back. Delete some backups first.")));
        }
        for (const Profile& b : model.backups()) {
            if (before.contains(b.id))
                continue;
            if (inv.json) {
                printJson(reply, {{u"backup"_s, profileJson(b)}});
            } else {
                reply.line(QCoreApplication::translate("cli", "Backed up %n defaults as “%1” (%2).", nullptr,
                                                       int(b.entries.size()))
                               .arg(b.name, shortId(b)));
            }
        }
        return ready(reply);
    })
        .unwrap();
}

QFuture<Reply> backupDelete(const Invocation& inv, AppModel& model)
{
    Reply reply;
    const auto backup = findProfile(model.backups(), inv.arguments.at(0), u"backup"_s, reply);
    if (!backup)
        return ready(reply);
    model.deleteProfile(*backup);
    if (inv.json)
        printJson(reply, {{u"deleted"_s, profileJson(*backup)}});
    else
        reply.line(QCoreApplication::translate("cli", "Deleted the backup “%1” (%2).")
                       .arg(backup->name, backup->backupReason.value_or(BackupReason::manual()).title()));
    return ready(reply);
}

namespace {

// Adds to a command's reply the types that moved along with its changes (see
// AppModel::takeMovedAlong): in JSON as "alsoMoved", each with what it opened and opens now;
// as text one line each, since a script or a person must not learn of them by surprise.
Reply withMovedAlong(Reply reply, AppModel& model, const Invocation& inv)
{
    const QList<AppModel::MovedAlong> moved = model.takeMovedAlong();
    if (moved.isEmpty())
        return reply;
    // The newest move of each type stands.
    QList<AppModel::MovedAlong> last;
    for (auto it = moved.crbegin(); it != moved.crend(); ++it) {
        if (std::none_of(last.cbegin(), last.cend(),
                         [&](const AppModel::MovedAlong& m) { return m.target == it->target; }))
            last.prepend(*it);
    }
    if (inv.json) {
        QJsonDocument doc = QJsonDocument::fromJson(reply.out.toUtf8());
        if (!doc.isObject())
            return reply;
        QJsonArray list;
        for (const AppModel::MovedAlong& m : std::as_const(last))
            list.append(
                QJsonObject {{u"target"_s, m.target.id()}, {u"from"_s, appJson(m.from)}, {u"app"_s, appJson(m.to)}});
        QJsonObject o = doc.object();
        o.insert(u"alsoMoved"_s, list);
        reply.out.clear();
        printJson(reply, o);
        return reply;
    }
    const Style style {inv.color};
    Table table;
    for (const AppModel::MovedAlong& m : std::as_const(last)) {
        const QString description = model.service().typeDescription(m.target.payload());
        table.row({m.target.id(), description, appName(m.from) + u" → "_s + appName(m.to),
                   style.dim(m.to ? desktopFileId(*m.to) : QString())});
    }
    reply.line(QCoreApplication::translate("cli", "Also moved, since they open where a changed type does:"));
    reply.out += table.text();
    return reply;
}

QFuture<Reply> arrange(const Invocation& inv, AppModel& model, Arrangement how)
{
    return refreshed(model, {inv.target()}, [inv, &model, how]() -> QFuture<Reply> {
        const Target target = inv.target();
        Reply reply;
        QList<QUrl> apps;
        for (const QString& name : inv.arguments.mid(1)) {
            const auto app = resolveApp(model.service(), {target}, name, reply);
            if (!app)
                return ready(reply);
            apps.append(app->url);
        }
        return continueOn(&model, model.arrange(target, how, apps), [inv, &model, target](const ChangeResult& result) {
            Reply reply;
            if (!inv.json)
                reply.line(result.message());
            printOrder(reply, inv, model.service(), target,
                       {{u"outcome"_s, result.message()}, {u"changed"_s, result.isSuccess()}});
            reply.status = result.isSuccess() ? 0 : 1;
            return reply;
        });
    });
}

QFuture<Reply> carriedOut(const Invocation& inv, AppModel& model)
{
    switch (inv.command->change) {
    case Change::set: return set(inv, model);
    case Change::setFamily: return setFamily(inv, model);
    case Change::reset: return reset(inv, model);
    case Change::pin: return pin(inv, model);
    case Change::unpin: return unpin(inv, model);
    case Change::guardCheck: return guardCheck(inv, model);
    case Change::doctor: return doctor(inv, model);
    case Change::profileApply: return profileApply(inv, model);
    case Change::profileImport: return profileImport(inv, model);
    case Change::backupNow: return backupNow(inv, model);
    case Change::backupRestore: return backupRestore(inv, model);
    case Change::backupDelete: return backupDelete(inv, model);
    case Change::reorder: return arrange(inv, model, Arrangement::order);
    case Change::removeAssociation: return arrange(inv, model, Arrangement::remove);
    case Change::restoreAssociation: return arrange(inv, model, Arrangement::restore);
    case Change::agree: return agree(inv, model);
    case Change::none: break;
    }
    // A command that reads: run() and serve() call its read instead.
    return ready(Reply().fail(
        1, QCoreApplication::translate("cli", "%1 changes nothing.").arg(QString::fromUtf8(inv.command->name))));
}

} // namespace

bool readsAfresh(Change change)
{
    switch (change) {
    case Change::set:
    case Change::setFamily:
    case Change::reset:
    case Change::pin:
    case Change::agree:
    case Change::profileApply:
    case Change::backupRestore:
    case Change::reorder:
    case Change::removeAssociation:
    case Change::restoreAssociation: return true;
    case Change::none:
    case Change::unpin:
    case Change::guardCheck:
    case Change::doctor:
    case Change::profileImport:
    case Change::backupNow:
    case Change::backupDelete: break;
    }
    return false;
}

// Adds what the guard found and did while the command read the defaults (a kept type put
// back): a command's reply names every default that changed meanwhile, not only its own.
Reply withGuardChanges(Reply reply, const AppModel& model, const Invocation& inv, const QSet<QUuid>& known)
{
    if (inv.command->change == Change::guardCheck)
        return reply; // its reply is these changes
    if (std::none_of(model.guardState().history.cbegin(), model.guardState().history.cend(),
                     [&](const DefaultChange& c) { return !known.contains(c.id); }))
        return reply;
    const Reply seen = guardChanges(inv, model, known);
    if (inv.json) {
        QJsonObject o = QJsonDocument::fromJson(reply.out.toUtf8()).object();
        if (o.isEmpty())
            return reply;
        o.insert(u"guardChanges"_s, QJsonDocument::fromJson(seen.out.toUtf8()).object().value(u"changes"_s));
        reply.out.clear();
        printJson(reply, o);
        return reply;
    }
    reply.line(QCoreApplication::translate("cli", "Meanwhile the Default Guard saw:"));
    reply.out += seen.out;
    return reply;
}

QFuture<Reply> carryOut(const Invocation& inv, AppModel& model)
{
    // What moved before this command is not its doing.
    model.takeMovedAlong();
    QSet<QUuid> known;
    for (const DefaultChange& c : model.guardState().history)
        known.insert(c.id);
    return continueOn(&model, carriedOut(inv, model),
                      [inv, &model, known](Reply reply) {
                          return continueOn(&model, model.settled(), [inv, &model, reply, known]() {
                              return withMovedAlong(withGuardChanges(reply, model, inv, known), model, inv);
                          });
                      })
        .unwrap();
}

} // namespace openwright::cli
