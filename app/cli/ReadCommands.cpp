// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that only read: the defaults through the service, Openwright's data as stored.
// None of them writes a data file, so none needs the lock or the running instance.
#include "Output.h"

#include "GioDoctor.h"

#include "ApplicationIndex.h"
#include "HealthReport.h"
#include "JSONStore.h"
#include "PlatformText.h"
#include "ProfileExport.h"
#include "SystemLaunchServices.h"
#include "TypeIndex.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <algorithm>

namespace openwright::cli {

using namespace Qt::Literals::StringLiterals;

namespace {

// The default, and the candidates only where they say something: with --candidates, or when
// there is no default (they tell "no default" from "nothing can open it").
TargetState stateOf(const DefaultsService& service, const Target& target, bool candidates)
{
    if (candidates)
        return service.state(target);
    TargetState state {target,
                       service.currentDefault(target),
                       {},
                       service.byType(target),
                       service.removedDefault(target),
                       service.source(target)};
    if (!state.current)
        state.candidates = service.state(target).candidates;
    state.otherOpeners = service.otherOpeners(target);
    return state;
}

QString appCell(const TargetState& state, bool known)
{
    if (!known)
        return unknownTypeText(state.target.payload());
    if (!state.current && !state.byType.isEmpty())
        return QCoreApplication::translate("cli", "Different apps");
    if (!state.current && state.candidates.isEmpty())
        return QCoreApplication::translate("cli", "No installed app can open %1").arg(state.target.description());
    return appName(state.current);
}

QString issueMessage(const HealthReport::Issue& issue)
{
    switch (issue.kind) {
    case HealthReport::Issue::Case::noHandler:
        return QCoreApplication::translate(
                   "cli", "No installed app can open %1. Install one, or ignore it if you never use it.")
            .arg(issue.target.description());
    case HealthReport::Issue::Case::noDefault:
        return QCoreApplication::translate("cli", "Several apps can open it, but none is the default.");
    case HealthReport::Issue::Case::missingApp:
        return QCoreApplication::translate("TargetState", "Set to %1, which is no longer installed.")
            .arg(appName(issue.app));
    case HealthReport::Issue::Case::split: return TargetState {issue.target, {}, {}, issue.byType}.note();
    case HealthReport::Issue::Case::openersDiffer:
        return TargetState {issue.target, {}, {}, {}, {}, {}, 0, issue.otherOpeners}.note();
    }
    return {};
}

int differing(const HealthReport& report)
{
    return int(std::count_if(report.issues.cbegin(), report.issues.cend(), [](const HealthReport::Issue& i) {
        return i.kind == HealthReport::Issue::Case::openersDiffer;
    }));
}

QString issueKind(HealthReport::Issue::Case kind)
{
    switch (kind) {
    case HealthReport::Issue::Case::noHandler: return u"noHandler"_s;
    case HealthReport::Issue::Case::noDefault: return u"noDefault"_s;
    case HealthReport::Issue::Case::missingApp: return u"missingApp"_s;
    case HealthReport::Issue::Case::split: return u"split"_s;
    case HealthReport::Issue::Case::openersDiffer: return u"openersDiffer"_s;
    }
    return {};
}

// A switch rather than a table: a group added later fails the build's warnings, not a script's run.
QString groupName(DecisionStep::Group group)
{
    switch (group) {
    case DecisionStep::Group::DefaultApplications: return u"defaultApplications"_s;
    case DecisionStep::Group::AddedAssociations: return u"addedAssociations"_s;
    case DecisionStep::Group::RemovedAssociations: return u"removedAssociations"_s;
    case DecisionStep::Group::InstalledHandlers: return u"installedHandlers"_s;
    case DecisionStep::Group::DesktopSetting: return u"desktopSetting"_s;
    case DecisionStep::Group::TerminalList: return u"terminalList"_s;
    case DecisionStep::Group::TerminalSetting: return u"terminalSetting"_s;
    case DecisionStep::Group::SystemAlternative: return u"systemAlternative"_s;
    }
    return {};
}

QString presenceName(DecisionStep::Presence presence)
{
    switch (presence) {
    case DecisionStep::Presence::Read: return u"read"_s;
    case DecisionStep::Presence::Missing: return u"missing"_s;
    case DecisionStep::Presence::Unreadable: return u"unreadable"_s;
    }
    return {};
}

QJsonObject stepJson(const DecisionStep& step, bool decides)
{
    return {{u"file"_s, step.file},
            {u"presence"_s, presenceName(step.presence)},
            {u"line"_s, step.line},
            {u"group"_s, groupName(step.group)},
            {u"type"_s, step.mimeType},
            {u"parentType"_s, step.parentType},
            {u"listed"_s, QJsonArray::fromStringList(step.listed)},
            {u"skipped"_s, QJsonArray::fromStringList(step.skipped)},
            {u"removed"_s, QJsonArray::fromStringList(step.removed)},
            {u"chosen"_s, step.chosen},
            {u"decides"_s, decides},
            {u"summary"_s, step.summary()}};
}

} // namespace

Reply status(const Invocation& inv, const Data& data)
{
    const bool candidates = inv.has(u"--candidates");
    const QSet<Target> pinned = data.guardState().pinned;
    QList<FileCategory> rows;
    if (inv.arguments.isEmpty())
        rows = data.categories();
    for (qsizetype i = 0; i < inv.arguments.size(); ++i)
        rows.append(data.category(inv.target(i)));

    const Style style {inv.color};
    Table table;
    QJsonArray types;
    std::optional<CategoryGroup> group;
    for (const FileCategory& c : rows) {
        const TargetState state = stateOf(data.service(), c.target, candidates);
        const auto type = data.service().platformType(c.target);
        if (inv.json) {
            QJsonObject o {{u"target"_s, c.target.id()},
                           {u"title"_s, c.title},
                           {u"group"_s, CategoryGroups::rawValue(c.group)},
                           {u"type"_s, type ? QJsonValue(*type) : QJsonValue::Null},
                           {u"app"_s, appJson(state.current)},
                           {u"pinned"_s, pinned.contains(c.target)}};
            QJsonArray byType;
            for (const TypeDefault& d : state.byType)
                byType.append(QJsonObject {{u"type"_s, d.type}, {u"app"_s, appJson(d.app)}});
            o.insert(u"byType"_s, byType);
            o.insert(u"removedDefault"_s, appJson(state.removedDefault));
            o.insert(u"source"_s, state.source ? QJsonValue(sourceName(*state.source)) : QJsonValue::Null);
            QJsonArray others;
            for (const OpenerDifference& d : state.otherOpeners)
                others.append(QJsonObject {{u"opener"_s, openerName(d.opener)}, {u"app"_s, appJson(d.app)},
                                           {u"byChance"_s, d.byChance}});
            o.insert(u"otherOpeners"_s, others);
            if (candidates) {
                QJsonArray list;
                for (qsizetype i = 0; i < state.candidates.size(); ++i) {
                    QJsonObject app = appJson(state.candidates[i]).toObject();
                    app.insert(u"recommended"_s, i < state.recommended);
                    list.append(app);
                }
                o.insert(u"candidates"_s, list);
            }
            types.append(o);
            continue;
        }
        // Without targets, every watched type, in the sidebar's sections.
        if (inv.arguments.isEmpty() && c.group != group) {
            if (group)
                table.heading({});
            group = c.group;
            table.heading(style.bold(CategoryGroups::title(c.group)));
        }
        table.row({c.target.description(), c.title, appCell(state, type.has_value()),
                   style.dim(state.current ? desktopFileId(*state.current) : QString()),
                   style.dim(state.source ? sourceText(*state.source) : QString()),
                   pinned.contains(c.target) ? u"pinned"_s : QString()});
        if (const QString note = state.note(); !note.isEmpty())
            table.remark({{}, {}, note});
        const QHash<QUrl, QString> names = distinctNames(state.candidates);
        for (const AppInfo& a : state.candidates) {
            const QString mark = a.isSameEntry(state.current) ? u"* "_s : u"  "_s;
            table.row({{}, {}, mark + names.value(a.url, a.name), style.dim(desktopFileId(a))});
        }
    }
    Reply reply;
    if (inv.json)
        printJson(reply, {{u"types"_s, types}});
    else
        reply.out = table.text();
    return reply;
}

Reply types(const Invocation& inv, const Data& data)
{
    const QList<FileCategory> listed = data.categories();
    const ApplicationIndex apps = ApplicationIndex::read(data.service(), listed);
    const TypeIndex index = TypeIndex::read(data.service(), listed, apps);
    const QString query = inv.arguments.join(u' ').trimmed();
    const Style style {inv.color};
    Table table;
    QJsonArray types;
    QString mediaType;
    for (const KnownType& t : index.types()) {
        if (!query.isEmpty() && !TypeIndex::matches(t, query))
            continue;
        if (inv.json) {
            types.append(QJsonObject {{u"type"_s, t.type},
                                      {u"description"_s, t.description},
                                      {u"title"_s, t.title.isEmpty() ? QJsonValue::Null : QJsonValue(t.title)},
                                      {u"patterns"_s, QJsonArray::fromStringList(t.patterns)},
                                      {u"app"_s, appJson(t.current)},
                                      {u"source"_s, t.source ? QJsonValue(sourceName(*t.source)) : QJsonValue::Null}});
            continue;
        }
        if (t.mediaType != mediaType) {
            if (!mediaType.isEmpty())
                table.heading({});
            mediaType = t.mediaType;
            table.heading(style.bold(mediaType));
        }
        // A long list of patterns (a systemd unit's ten) is cut: --json has them all.
        QString patterns = t.patterns.join(u' ');
        if (patterns.size() > 32)
            patterns = patterns.left(31) + u'…';
        table.row({t.type, t.description, patterns, appName(t.current),
                   style.dim(t.current ? desktopFileId(*t.current) : QString()),
                   style.dim(t.source ? sourceText(*t.source) : QString())});
    }
    Reply reply;
    if (inv.json)
        printJson(reply, {{u"types"_s, types}});
    else
        reply.out = table.text();
    return reply;
}

namespace {

QJsonObject chainJson(const DecisionChain& chain)
{
    const DecisionStep* decisive = chain.decisiveStep();
    QJsonArray steps;
    for (const DecisionStep& step : chain.steps)
        steps.append(stepJson(step, &step == decisive));
    QJsonValue app = QJsonValue::Null;
    if (chain.app) {
        app = QJsonObject {
            {u"desktopId"_s, chain.app->desktopId}, {u"name"_s, chain.app->name}, {u"path"_s, chain.app->path}};
    }
    return {{u"target"_s, chain.target.id()},
            {u"type"_s, chain.mimeType.value_or(QString())},
            {u"app"_s, app},
            {u"summary"_s, chain.summary()},
            {u"agreesWithSystem"_s, chain.agreesWithSystem},
            {u"systemDesktopId"_s, chain.systemDesktopId},
            {u"steps"_s, steps}};
}

} // namespace

// Each opener's answer, where others than GIO decide by rules of their own here.
static QList<OpenerAnswer> whoElse(const DefaultsService& service, const DecisionChain& chain)
{
    if (!service.othersDecide() || !chain.mimeType)
        return {};
    return service.openers(*chain.mimeType);
}

Reply why(const Invocation& inv, const Data& data)
{
    // One explanation a type where the target's types open apart: an extension of several
    // types, a browser split between links and pages.
    const QList<DecisionChain> chains = data.service().explainEach(inv.target());
    const DecisionChain& chain = chains.first();
    Reply reply;
    if (inv.json) {
        // The first type's explanation stays at the top, as scripts read it; `byType` has each.
        QJsonObject o = chainJson(chain);
        o.insert(u"desktops"_s, QJsonArray::fromStringList(chain.desktops));
        o.insert(u"ignoredDesktops"_s, QJsonArray::fromStringList(chain.ignoredDesktops));
        o.insert(u"desktopLists"_s, QJsonArray::fromStringList(chain.desktopLists));
        o.insert(u"setBySystem"_s, chain.systemSetting().isEmpty() ? QJsonValue() : QJsonValue(chain.systemSetting()));
        QJsonArray byType;
        for (qsizetype i = 0; chains.size() > 1 && i < chains.size(); ++i)
            byType.append(chainJson(chains[i]));
        o.insert(u"byType"_s, byType);
        o.insert(u"openers"_s, openersJson(whoElse(data.service(), chain), data.service()));
        printJson(reply, o);
        return reply;
    }
    const Style style {inv.color};
    for (const DecisionChain& c : chains)
        reply.line(style.bold(c.summary() + u'.'));
    if (const QString system = chain.systemSetting(); !system.isEmpty())
        reply.line(system + u'.');
    if (chain.steps.isEmpty())
        return reply;
    reply.line();
    reply.line(chain.desktopSummary() + u'.');
    for (const DecisionChain& c : chains) {
        reply.line();
        reply.line(chains.size() == 1
                       ? QCoreApplication::translate("cli", "Where the system looks, in its order:")
                       : QCoreApplication::translate("cli", "Where the system looks for %1, in its order:")
                             .arg(c.mimeType.value_or(c.target.id())));
        const DecisionStep* decisive = c.decisiveStep();
        Table table;
        for (qsizetype i = 0; i < c.steps.size(); ++i) {
            const DecisionStep& step = c.steps[i];
            const bool decides = &step == decisive;
            table.row({QString::number(i + 1), decides ? u"\u2192"_s : QString(),
                       decides ? style.bold(step.summary()) : step.summary()});
        }
        reply.out += table.text();
    }
    if (const QList<OpenerAnswer> answers = whoElse(data.service(), chain); !answers.isEmpty()) {
        reply.line();
        reply.line(QCoreApplication::translate("cli", "What each program that opens files starts:"));
        printOpeners(reply, answers, data.service());
    }
    return reply;
}

Reply check(const Invocation& inv, const Data& data)
{
    Reply reply;
    const Target target = inv.target();
    const auto app = resolveApp(data.service(), {target}, inv.arguments.at(1), reply);
    if (!app)
        return reply;
    const auto located = data.service().locate(inv.arguments.at(1));
    const auto current = data.service().currentDefault(target);
    const bool yes = located ? located->satisfiedBy(current) : app->isSameEntry(current);
    if (inv.json)
        printJson(reply, {{u"target"_s, target.id()}, {u"app"_s, appJson(*app)}, {u"isDefault"_s, yes}});
    else
        reply.line(yes ? u"yes"_s : u"no"_s);
    reply.status = yes ? 0 : 1;
    return reply;
}

Reply order(const Invocation& inv, const Data& data)
{
    Reply reply;
    printOrder(reply, inv, data.service(), inv.target());
    return reply;
}

Reply health(const Invocation& inv, const Data& data)
{
    QList<TargetState> states;
    for (const FileCategory& c : Catalog::all())
        states.append(stateOf(data.service(), c.target, false));
    const DefaultsService& service = data.service();
    HealthReport report = HealthReport::evaluate(states, [&](const QUrl& url) { return service.fileExists(url); });
    const QList<DoctorFinding> findings = Doctor::examine(gio::doctorPaths(), gio::doctorPlatform());
    report.fileProblems
        = int(std::count_if(findings.cbegin(), findings.cend(), [](const DoctorFinding& f) { return f.isProblem(); }));

    Reply reply;
    if (inv.json) {
        QJsonArray issues;
        for (const HealthReport::Issue& issue : report.issues) {
            issues.append(QJsonObject {{u"kind"_s, issueKind(issue.kind)},
                                       {u"target"_s, issue.target.id()},
                                       {u"title"_s, data.category(issue.target).title},
                                       {u"message"_s, issueMessage(issue)},
                                       {u"app"_s, appJson(issue.app)}});
        }
        printJson(reply,
                  {{u"score"_s, report.score},
                   {u"total"_s, report.total},
                   {u"configured"_s, report.configured},
                   {u"issues"_s, issues},
                   {u"fileProblems"_s, report.fileProblems},
                   {u"openersDiffer"_s, differing(report)}});
        return reply;
    }
    const Style style {inv.color};
    reply.line(style.bold(QCoreApplication::translate("cli", "Defaults Health: %1").arg(report.score)));
    reply.line(
        QCoreApplication::translate("cli", "%1/%2 types with a default.").arg(report.configured).arg(report.total)
        + u' '
        + (report.issues.isEmpty()
               ? QCoreApplication::translate("cli", "Everything has a home.")
               : QCoreApplication::translate("cli", "%n types need attention.", nullptr, int(report.issues.size()))));
    // The hint begins with an ellipsis where the screen breaks the sentence.
    reply.line(style.dim(
        QCoreApplication::translate("cli", "The share of known file and link types that open in a specific app ")
        + platformText(PlatformText::ProfileInstallHint).mid(1)));
    if (report.fileProblems > 0) {
        reply.line(QCoreApplication::translate("cli", "%n problems in your defaults files: see openwright doctor.",
                                               nullptr, report.fileProblems));
    }
    if (const int differ = differing(report); differ > 0) {
        reply.line(QCoreApplication::translate("cli", "%n types open differently in other programs: see openwright agree.",
                                               nullptr, differ));
    }
    if (report.issues.isEmpty())
        return reply;
    reply.line();
    Table table;
    table.heading(style.bold(QCoreApplication::translate("cli", "Needs attention")));
    for (const HealthReport::Issue& issue : report.issues)
        table.row({issue.target.description(), data.category(issue.target).title, issueMessage(issue)});
    reply.out += table.text();
    return reply;
}

Reply guardLog(const Invocation& inv, const Data& data)
{
    const GuardState guard = data.guardState();
    QList<Target> pinned = guard.pinned.values();
    std::sort(pinned.begin(), pinned.end(), lessById);
    QStringList pins;
    QStringList shownPins;
    for (const Target& t : pinned) {
        pins.append(t.id());
        shownPins.append(guard.kept.contains(t) ? t.id() + u" (always kept)"_s : t.id());
    }

    Reply reply;
    if (inv.json) {
        QJsonArray history;
        for (const DefaultChange& c : guard.history)
            history.append(changeJson(c, data.category(c.target)));
        QStringList kept;
        for (const Target& t : pinned) {
            if (guard.kept.contains(t))
                kept.append(t.id());
        }
        printJson(reply,
                  {{u"pinned"_s, QJsonArray::fromStringList(pins)},
                   {u"kept"_s, QJsonArray::fromStringList(kept)},
                   {u"history"_s, history}});
        return reply;
    }
    const Style style {inv.color};
    reply.line(QCoreApplication::translate("cli", "Pinned (%1)").arg(pins.size())
               + (pins.isEmpty() ? QString() : u": "_s) + shownPins.join(u", "_s));
    reply.line();
    if (guard.history.isEmpty()) {
        reply.line(QCoreApplication::translate("cli", "No changes spotted yet."));
        return reply;
    }
    Table table;
    table.heading(style.bold(QCoreApplication::translate("cli", "Recent Changes")));
    for (const DefaultChange& c : guard.history)
        table.row(changeRow(c, data.category(c.target), style));
    reply.out += table.text();
    return reply;
}

Reply profileList(const Invocation& inv, const Data& data)
{
    Reply reply;
    Table table;
    QJsonArray list;
    for (const Profile& p : data.profiles()) {
        const QList<PlanStep> plan = data.plan(p);
        if (inv.json) {
            QJsonObject o = profileJson(p);
            o.insert(u"changes"_s, changeCount(plan));
            list.append(o);
        } else {
            table.row({shortId(p), p.name,
                       p.kind == Profile::Kind::preset ? QCoreApplication::translate("cli", "Preset") : QString(),
                       planSummary(plan)});
        }
    }
    if (inv.json)
        printJson(reply, {{u"profiles"_s, list}});
    else
        reply.out = table.text();
    return reply;
}

Reply profilePlan(const Invocation& inv, const Data& data)
{
    Reply reply;
    const auto profile = findProfile(data.profiles(), inv.arguments.at(0), u"profile"_s, reply);
    if (!profile)
        return reply;
    const QList<PlanStep> plan = data.plan(*profile);
    if (inv.json) {
        QJsonArray steps;
        for (const PlanStep& step : plan)
            steps.append(stepJson(step));
        printJson(reply, {{u"profile"_s, profileJson(*profile)}, {u"steps"_s, steps}});
        return reply;
    }
    const Style style {inv.color};
    reply.line(style.bold(profile->name));
    reply.line(style.dim(profile->summary));
    reply.line();
    Table table;
    for (const PlanStep& step : plan)
        table.row({step.target().description(), stepText(step)});
    reply.out += table.text();
    reply.line();
    reply.line(planSummary(plan));
    return reply;
}

namespace {

// The profiles' defaults as lines of a mimeapps.list, every type of each target, in order (a
// later entry for a type wins, as applying does). An entry whose application is not installed
// here cannot be named by its desktop file: it is left out, with a comment saying so.
QByteArray mimeappsFragment(const QList<Profile>& profiles, const DefaultsService& service)
{
    QStringList order;
    QHash<QString, QString> lines;
    QStringList missing;
    for (const Profile& p : profiles) {
        for (const ProfileEntry& e : p.entries) {
            const auto located = service.locate(e.bundleID);
            if (!located) {
                missing.append(u"# "_s + e.target.id() + u": "_s + e.appName + u" ("_s + e.bundleID
                               + u") is not installed here"_s);
                continue;
            }
            for (const QString& type : SystemLaunchServices::contentTypes(e.target)) {
                if (!lines.contains(type))
                    order.append(type);
                lines.insert(type, desktopFileId(located->app));
            }
        }
    }
    QString text = u"[Default Applications]\n"_s;
    for (const QString& line : std::as_const(missing))
        text += line + u'\n';
    for (const QString& type : std::as_const(order))
        text += type + u'=' + lines.value(type) + u";\n"_s;
    return text.toUtf8();
}

} // namespace

Reply profileExport(const Invocation& inv, const Data& data)
{
    Reply reply;
    const QList<Profile> all = data.profiles();
    QList<Profile> chosen;
    const QStringList names = inv.arguments.mid(0, inv.arguments.size() - 1);
    for (const QString& name : names) {
        const auto p = findProfile(all, name, u"profile"_s, reply);
        if (!p)
            return reply;
        if (p->kind == Profile::Kind::preset) {
            return reply.fail(
                2,
                QCoreApplication::translate("cli", "“%1” is built in; only your own profiles can be exported.")
                    .arg(p->name));
        }
        chosen.append(*p);
    }
    // Without names, every profile of the user's own, as "Export My Profiles…" does.
    if (names.isEmpty()) {
        std::copy_if(all.cbegin(), all.cend(), std::back_inserter(chosen),
                     [](const Profile& p) { return p.kind == Profile::Kind::custom; });
        if (chosen.isEmpty())
            return reply.fail(1, QCoreApplication::translate("cli", "You have no profiles of your own to export."));
    }
    const QByteArray bytes
        = inv.has(u"--format=mimeapps") ? mimeappsFragment(chosen, data.service()) : ProfileExport(chosen).encoded();
    // "-" is standard output: the document alone.
    if (inv.arguments.last() == u"-"_s) {
        reply.out = QString::fromUtf8(bytes);
        return reply;
    }
    const QString path = inv.path(inv.arguments.size() - 1);
    // Written whole or not at all, as the window writes it; a FIFO or device is not replaced.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile())
        return reply.fail(1, QCoreApplication::translate("cli", "Export failed: %1 is not a regular file.").arg(path));
    try {
        writeAtomically(path, bytes, FileAccess::choices);
    } catch (const StoreError& e) {
        return reply.fail(1, QCoreApplication::translate("cli", "Export failed: ") + e.message());
    }
    if (inv.json)
        printJson(reply, {{u"exported"_s, chosen.size()}, {u"file"_s, path}});
    else
        reply.line(QCoreApplication::translate("cli", "Exported %n profile(s).", nullptr, int(chosen.size())));
    return reply;
}

Reply backupList(const Invocation& inv, const Data& data)
{
    Reply reply;
    const Style style {inv.color};
    Table table;
    QJsonArray list;
    const QList<Profile> backups = data.backups();
    for (const Profile& b : backups) {
        const qsizetype different = changeCount(data.plan(b));
        if (inv.json) {
            QJsonObject o = profileJson(b);
            o.insert(u"different"_s, different);
            list.append(o);
            continue;
        }
        table.row(
            // Named by its date in today's language, as the window shows it.
            {shortId(b), dateText(b.createdAt), b.backupReason.value_or(BackupReason::manual()).title(),
             QCoreApplication::translate("cli", "%n defaults", nullptr, int(b.entries.size())),
             different == 0 ? style.dim(QCoreApplication::translate("cli", "Same as now"))
                            : QCoreApplication::translate("cli", "%n different from now", nullptr, int(different))});
    }
    if (inv.json)
        printJson(reply, {{u"backups"_s, list}});
    else
        reply.out = backups.isEmpty() ? QCoreApplication::translate("cli", "No backups yet.\n") : table.text();
    return reply;
}

} // namespace openwright::cli
