// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalog.h"
#include "DefaultsService.h"
#include "GuardState.h"
#include "ProfilePlanner.h"

#include <QFuture>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <optional>

namespace openwright {
class AppModel;
}

namespace openwright::cli {

// What one command printed and how it ended: 0 done, 1 a change that did not succeed or could
// not be made, 2 bad input.
struct Reply
{
    QString out;
    QString err;
    int status = 0;

    void line(const QString& text = {}) { out += text + u'\n'; }
    // A one-line error naming what was wrong; the first one stands.
    Reply& fail(int code, const QString& message);
};

struct Invocation;
class Data;

// The commands that change, by table row: carried out against the model by carryOut(), which
// only the programs that hold the model link.
enum class Change
{
    none,
    set,
    setFamily,
    reset,
    pin,
    unpin,
    guardCheck,
    doctor,
    profileApply,
    profileImport,
    backupNow,
    backupRestore,
    backupDelete,
    reorder,
    removeAssociation,
    restoreAssociation,
    agree,
};

// One row of the command table: everything help, the man page, completion and the parser know.
struct Command
{
    const char* name; // "status", "profile apply"
    // Positional arguments: TARGET, APP, NAME, FILE or COMMAND; "[X]" optional, "X..." repeated.
    const char* arguments;
    const char* options; // the command's own options, "--candidates", or ""
    const char* summary;
    const char* help;
    // Exactly one of the two. Reads never write anything and need no lock; changes run against
    // the one model: the running application's, or one built while holding its lock.
    Reply (*read)(const Invocation&, const Data&) = nullptr;
    Change change = Change::none;
};

// A command line, understood.
struct Invocation
{
    const Command* command = nullptr;
    QStringList arguments; // the positional ones after the command's name
    QStringList options; // given, besides --json
    bool json = false;
    bool color = false; // stdout is a terminal that takes colours
    QString workingDirectory; // relative FILE arguments are the caller's
    // The FILE a command reads, read by the caller's process (see readInput): the running
    // application never opens the caller's paths.
    std::optional<QByteArray> input;
    // --system: what every new account gets (see enterScope in run()).
    bool system = false;
    // --notify: the outcome is told as a desktop notification too (see tell() in Cli.cpp).
    bool notify = false;

    bool has(QStringView option) const { return options.contains(option); }
    // The argument at `index` as a target; parseTargets() made it one.
    Target target(qsizetype index = 0) const { return Target::parse(arguments.at(index)).value_or(Target()); }
    // Every TARGET argument, in order.
    QList<Target> targets() const;
    QString path(qsizetype index) const;
};

// Openwright's own data as the model in this process holds it (the running application's).
class ModelData
{
public:
    virtual ~ModelData() = default;
    virtual QList<Target> customTargets() const = 0;
    virtual GuardState guardState() const = 0;
    virtual QList<Profile> userProfiles() const = 0;
    virtual QList<PlanStep> plan(const Profile& profile) const = 0;
};

// What the read commands see: the defaults through the service, and Openwright's own data from
// the model when it lives in this process, else from the data files, read and never written.
class Data final
{
public:
    explicit Data(const DefaultsService& service, const ModelData* model = nullptr);

    const DefaultsService& service() const { return m_service; }
    QList<Target> customTargets() const;
    GuardState guardState() const;
    QList<Profile> userProfiles() const;

    // As the model derives them (see AppModel).
    QList<FileCategory> categories() const;
    FileCategory category(const Target& target) const;
    QList<Profile> profiles() const;
    QList<Profile> backups() const;
    QList<PlanStep> plan(const Profile& profile) const;

private:
    const DefaultsService& m_service;
    const ModelData* m_model;
    // Each default and each located application is read once per command: a backup list plans
    // every backup against the same defaults.
    mutable QHash<Target, std::optional<AppInfo>> m_current;
    mutable QHash<QString, std::optional<LocatedApp>> m_located;
};

// The table, in the order help lists it.
const QList<Command>& commands();

// Parses `arguments` (without the program's name). Without an invocation, `reply` holds what
// to print instead: help, the version, the man page, or the error.
struct Parsed
{
    std::optional<Invocation> invocation;
    Reply reply;
};
Parsed parse(const QStringList& arguments, const QString& workingDirectory, bool color);
// The kind of each of `count` positional arguments of `command` (TARGET, APP, …).
QStringList argumentKinds(const Command& command, qsizetype count);
// Reads every TARGET argument as a type (see resolveTarget) and writes it as the type's id, so
// that the running application is handed types, never the caller's paths. The error to print
// when one is no type. Families of types hook in here.
Reply parseTargets(Invocation& invocation);
// Checks what needs the platform: every TARGET must be a type the system knows (parseTargets
// first).
Reply validate(Invocation& invocation, const DefaultsService& service);
// Reads the file a command takes in (profile import) into `invocation.input`, here, in the
// caller's process: a regular file or a pipe it was handed. The error to print when it cannot.
Reply readInput(Invocation& invocation);
// The words that may follow `words` (the command line after the program's name, the last
// being the one being completed), one a line; ":files" when a file name comes next.
QString complete(const QStringList& words, const Data& data);

// The commands, by table row.
Reply status(const Invocation&, const Data&);
Reply types(const Invocation&, const Data&);
Reply check(const Invocation&, const Data&);
Reply why(const Invocation&, const Data&);
Reply openLocation(const Invocation&, const Data&);
Reply order(const Invocation&, const Data&);
Reply health(const Invocation&, const Data&);
Reply guardLog(const Invocation&, const Data&);
Reply profileList(const Invocation&, const Data&);
Reply profilePlan(const Invocation&, const Data&);
Reply profileExport(const Invocation&, const Data&);
Reply backupList(const Invocation&, const Data&);
// Carries out the command `inv` names, one that changes, against `model`.
QFuture<Reply> carryOut(const Invocation& inv, AppModel& model);
// Whether the command reads every default afresh before it changes anything. The others take
// the defaults kept under the platform's stamp or read none, or (the doctor) take the
// platform's first look themselves as they start: the look, which grows with the desktop, is
// theirs to skip.
bool readsAfresh(Change change);
QFuture<Reply> set(const Invocation&, AppModel&);
QFuture<Reply> reset(const Invocation&, AppModel&);
// Choosing by application: the types APP declares (see Families.cpp, AppCommand.cpp).
Reply appCommand(const Invocation&, const Data&);
QFuture<Reply> setFamily(const Invocation&, AppModel&);
// `set` with a family (video/*, audio/*, image/*, text/*) or --all in place of its TARGET: the
// command that expands it, with `words` made "FAMILY APP"; nothing for any other command line.
const Command* familyCommand(const Command& command, QStringList& words, const QStringList& options);
// Plans `profile` against the defaults now, applies it as one batch (after a backup) and
// replies with each step's outcome.
QFuture<Reply> applyPlanned(const Profile& profile, const Invocation& inv, AppModel& model);
QFuture<Reply> pin(const Invocation&, AppModel&);
QFuture<Reply> agree(const Invocation&, AppModel&);
QFuture<Reply> unpin(const Invocation&, AppModel&);
QFuture<Reply> guardCheck(const Invocation&, AppModel&);
QFuture<Reply> doctor(const Invocation&, AppModel&);
QFuture<Reply> profileApply(const Invocation&, AppModel&);
QFuture<Reply> profileImport(const Invocation&, AppModel&);
QFuture<Reply> backupNow(const Invocation&, AppModel&);
QFuture<Reply> backupRestore(const Invocation&, AppModel&);
QFuture<Reply> backupDelete(const Invocation&, AppModel&);

} // namespace openwright::cli
