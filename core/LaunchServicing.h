// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"
#include "DecisionChain.h"
#include "Opener.h"
#include "Target.h"
#include "TargetState.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <exception>
#include <optional>

namespace openwright {

// The error a change raises at the platform seam. Either the type is unknown to the system,
// or the platform reported an error, kept with its domain, code and message; the back end
// says what the error means so the service can classify it without knowing the platform.
class LaunchError final : public std::exception
{
public:
    enum class Meaning
    {
        other,
        appMissing,
        refused
    };

    static LaunchError unknownType(const QString& extension)
    {
        LaunchError e;
        e.m_unknownType = true;
        e.m_extension = extension;
        return e;
    }
    static LaunchError platform(QString domain, int code, QString message, Meaning meaning = Meaning::other)
    {
        LaunchError e;
        e.m_domain = std::move(domain);
        e.m_code = code;
        e.m_message = std::move(message);
        e.m_meaning = meaning;
        return e;
    }

    bool isUnknownType() const { return m_unknownType; }
    const QString& extension() const { return m_extension; }
    const QString& domain() const { return m_domain; }
    int code() const { return m_code; }
    const QString& message() const { return m_message; }
    Meaning meaning() const { return m_meaning; }
    const char* what() const noexcept override { return "launch services error"; }

private:
    LaunchError() = default;
    bool m_unknownType = false;
    QString m_extension;
    QString m_domain;
    int m_code = 0;
    QString m_message;
    Meaning m_meaning = Meaning::other;
};

// A desktop entry the user picked outside the applications folders, looked at before it is
// installed where the system finds it (only an installed entry can become a default).
struct ApplicationFile
{
    QString problem; // why it is no application, for the user; empty when it is one
    QString id; // the ID it is installed under: its own file name
    bool installed = false; // it is already where the system finds it: nothing to copy
    bool replaces = false; // another entry of that ID is installed, and would give way to it
};

// What a target's state shows, as the platform answers it (see LaunchServicing::read).
struct TargetReading
{
    std::optional<QUrl> current;
    QList<std::pair<QString, std::optional<QUrl>>> byType;
    std::optional<AppInfo> removed;
    QList<QUrl> candidates;
    std::optional<DefaultSource> source {}; // where the platform can tell
    // Of the candidates, those made for the target's type (not merely for a parent type); empty
    // where the platform does not tell them apart.
    QList<QUrl> recommended {};
    // What each opener would start (see openers()), where others than GIO decide here.
    QList<OpenerAnswer> openers {};
};

// The applications the system offers for a target, in the order it tries them: the default
// first, then the user's added ones, then the others (as `gio mime` lists them).
struct Associations
{
    QList<QUrl> offered;
    QList<QUrl> recommended; // of `offered`, those made for the type itself
    QStringList removed; // what the user's list removed from the offer, as written ("atom.desktop")
    QList<QUrl> restorable; // of `removed`, the installed ones
};

// A change of a target's offer (see LaunchServicing::arrange).
enum class Arrangement
{
    order, // the given applications first, in this order, the first the default
    remove, // the one given no longer offered
    restore, // a removed one offered again
};

// The one seam between the core and the platform service that knows which application opens
// what. Reads never fail (absent or empty answers); setDefaultApp blocks until the platform
// reports the change done and throws LaunchError otherwise. Implementations are thread-safe:
// the service calls them from several worker threads at once.
class LaunchServicing
{
public:
    virtual ~LaunchServicing() = default;

    // The application that opens the target's files, absent when none does or when they open
    // in different applications by type (see defaultsByType).
    virtual std::optional<QUrl> defaultApp(const Target& target) const = 0;
    // All applications able to open the target, in the platform's order, duplicates possible.
    virtual QList<QUrl> candidateApps(const Target& target) const = 0;
    // Makes `app` the default of every target in `targets` (the first is the one asked for, the
    // rest move with it, as the web browser's do), and of each of their types, all of them or
    // none: a failure part-way puts back what was written. Returns a note for the user when
    // something else had to be done first (an unreadable list kept aside), else an empty string.
    virtual QString setDefaultApp(const QUrl& app, const QList<Target>& targets) = 0;

    // Forgets the user's own choice for every target in `targets` (the first is the one asked
    // for, the rest move with it), so that each opens in what the system would choose by
    // itself; all of them or none. Returns false when there was no choice to forget. Throws
    // LaunchError.
    virtual bool resetDefault(const QList<Target>& targets)
    {
        Q_UNUSED(targets);
        throw LaunchError::platform(QStringLiteral("openwright"), 0,
                                    QStringLiteral("Defaults cannot be reset on this system."));
    }
    // What the system offers for the target (see Associations).
    virtual Associations associations(const Target& target) const { return {candidateApps(target), {}, {}, {}}; }
    // Changes what the system offers for every target in `targets` (the first is the one asked
    // for, the rest move with it): all of them or none. Returns a note for the user when the
    // system does not follow all of it, else an empty string. Throws LaunchError.
    virtual QString arrange(const QList<Target>& targets, Arrangement how, const QList<QUrl>& apps)
    {
        Q_UNUSED(targets);
        Q_UNUSED(how);
        Q_UNUSED(apps);
        throw LaunchError::platform(QStringLiteral("openwright"), 0,
                                    QStringLiteral("The order of applications cannot be changed on this system."));
    }
    // Whether the user's own settings name `app` as the target's default, for every type of it:
    // an application the system merely falls back to is no choice, and a later install may
    // take its place.
    virtual bool isUsersChoice(const Target& target, const QUrl& app) const
    {
        Q_UNUSED(target);
        Q_UNUSED(app);
        return true;
    }
    // Whether the user's own settings choose the application of the target (see resetDefault).
    virtual bool hasUserChoice(const Target& target) const
    {
        Q_UNUSED(target);
        return false;
    }

    // The platform's type behind a target (on Linux its MIME type); nothing for an extension
    // the system does not know. Targets with one type share one default.
    virtual std::optional<QString> platformType(const Target& target) const = 0;
    // For a target whose files the system gives several types (see platformType, the first of
    // them): each type with its default. Empty for a target of one type.
    virtual QList<std::pair<QString, std::optional<QUrl>>> defaultsByType(const Target& target) const
    {
        Q_UNUSED(target);
        return {};
    }
    // Where the target's answer comes from (see TargetReading); nothing where the platform
    // cannot tell.
    virtual std::optional<DefaultSource> source(const Target& target) const { return read(target, false).source; }
    // The application the user's own settings still make the target's default although it is
    // no longer installed: the system passes over it, and defaultApp() is what opens instead.
    virtual std::optional<AppInfo> removedDefault(const Target& target) const
    {
        Q_UNUSED(target);
        return std::nullopt;
    }
    // defaultApp, defaultsByType, removedDefault and candidateApps of one target together: a
    // platform whose answers share queries asks each of them once. Without `candidates` the
    // costliest part, every application able to open the target, is left out.
    virtual TargetReading read(const Target& target, bool candidates = true) const
    {
        return {defaultApp(target), defaultsByType(target), removedDefault(target),
                candidates ? candidateApps(target) : QList<QUrl>()};
    }
    // Reading an application at `url` (never fails; see AppInfo::read).
    virtual AppInfo appInfo(const QUrl& url) const = 0;
    // The installed application with this identity, if any.
    virtual std::optional<QUrl> locate(const QString& bundleID) const = 0;
    // The installed application whose exact name (see exactName) `name` is; nothing when none is.
    virtual std::optional<QUrl> locateExact(const QString& name) const
    {
        Q_UNUSED(name);
        return std::nullopt;
    }
    // The name that finds the application at `app` again, and no other packaging of the same
    // program: on Linux its desktop-file ID. By default its identity.
    virtual std::optional<QString> exactName(const QUrl& app) const { return appInfo(app).bundleID; }
    // Every installed application a person would choose from, in the platform's order.
    virtual QList<QUrl> allApplications() const { return {}; }
    // The MIME types the application's entry says it opens, as written there.
    virtual QStringList declaredTypes(const QUrl& app) const
    {
        Q_UNUSED(app);
        return {};
    }
    // `type` as the system knows it, by its canonical name (an alias or another spelling of a
    // type is that type); nothing for a type no file has, whatever an entry declares.
    virtual std::optional<QString> realType(const QString& type) const { return type; }
    // The platform type of the file or folder at `file`, by its name and contents, as opening
    // it would decide; nothing when the system cannot tell.
    virtual std::optional<QString> fileType(const QUrl& file) const
    {
        Q_UNUSED(file);
        return std::nullopt;
    }
    // Whether `type` is `parent`, an alias of it or one of its subtypes: a type with no default
    // of its own opens where its parent's does (text/x-csrc where text/plain does).
    virtual bool inherits(const QString& type, const QString& parent) const { return type == parent; }
    // Every type the platform knows that inherits one of `types` (its subtypes, theirs, and
    // aliases resolved), without `types` themselves: what a change of `types` can move along
    // where nothing names a default of its own (text/x-kotlin with text/plain).
    virtual QStringList subtypes(const QSet<QString>& types) const
    {
        Q_UNUSED(types);
        return {};
    }
    // Every type the platform's database knows, by its canonical name, sorted. Link types are
    // not among them: they are what installed applications declare.
    virtual QStringList knownTypes() const { return {}; }
    // The file-name patterns ("*.pdf", "Makefile") of each type that has some, by type.
    virtual QHash<QString, QStringList> typePatterns() const { return {}; }
    // What a person calls a platform type ("MPEG-4 video"); empty when the system cannot say.
    virtual QString typeDescription(const QString& type) const
    {
        Q_UNUSED(type);
        return {};
    }
    // The application's icon: a theme icon name or an absolute file path; empty for none.
    virtual QString iconName(const QUrl& app) const
    {
        Q_UNUSED(app);
        return {};
    }

    // What installing the entry at `file` would do (see ApplicationFile).
    virtual ApplicationFile checkApplicationFile(const QUrl& file) const
    {
        Q_UNUSED(file);
        ApplicationFile none;
        none.problem = QStringLiteral("Applications cannot be added on this system.");
        return none;
    }
    // Installs a copy of the entry at `file` in the user's own applications, replacing one of
    // the same ID, and returns it once the platform lists it. Throws LaunchError with the
    // reason for the user.
    virtual QUrl installApplication(const QUrl& file)
    {
        throw LaunchError::platform(QStringLiteral("openwright"), 0, checkApplicationFile(file).problem);
    }

    // A fingerprint of everything the platform's answers are made from: while it stays the
    // same, answers read after it was taken are still the platform's answers. Cheap next to a
    // read of every default. Nothing when the platform cannot tell.
    virtual std::optional<QByteArray> answersStamp() const { return std::nullopt; }
    // Cheaper, and blind to some edits that answersStamp() sees (a desktop entry edited in
    // place): good for showing kept answers until the platform is read, never for trusting them.
    virtual std::optional<QByteArray> quickAnswersStamp() const { return answersStamp(); }

    // Removes what interrupted writes of the platform's files left behind; called at start by
    // the one process that may change defaults.
    virtual void removeStaleTemporaries() { }

    // The platform's first look at its files (an index of every application, the lists), taken
    // now so that the first answer asked for waits for less. Blocks until it is done; callers
    // run it beside other work.
    virtual void lookAhead() const { }

    // Why the target opens in the application it does, step by step. A platform that cannot
    // tell gives the target alone, without steps.
    virtual DecisionChain explain(const Target& target) const
    {
        DecisionChain chain;
        chain.target = target;
        return chain;
    }
    // Why each of the target's types opens where it does, where they differ or may: each type
    // of an extension the system gives several, and each linked type that splits a browser from
    // its links, named as its own target (https:, .html). One chain, explain()'s, otherwise.
    virtual QList<DecisionChain> explainEach(const Target& target) const { return {explain(target)}; }
    // What each program that opens files here (see Opener) would start for the platform type,
    // GIO's answer first; `file`, when given, is the file being opened. Empty where the platform
    // has one opener only.
    // Whether an opener other than the platform's own decides by rules of its own here.
    virtual bool othersDecide() const { return false; }
    virtual QList<OpenerAnswer> openers(const QString& platformType, const QString& file = {}) const
    {
        Q_UNUSED(platformType);
        Q_UNUSED(file);
        return {};
    }
};

} // namespace openwright
