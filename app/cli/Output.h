// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Command.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace openwright::cli {

// The command line's texts for a person, in the user's language: Texts::tr("…").
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// A name from a desktop entry may hold a line break or a tab: shown escaped, so that it cannot
// break a row or a line. (The other control characters are escaped as a reply is printed.)
QString inOneLine(const QString& text);

// The columns `text` takes in a terminal: colour codes take none, combining marks none, East
// Asian wide characters and emoji two.
qsizetype visibleWidth(const QString& text);

// Plain text for a terminal: rows of cells, each column padded to its widest cell, with
// headings between groups of rows (the rows are then indented under them).
class Table final
{
public:
    void heading(const QString& text) { m_lines.append({true, {text}}); }
    void row(const QStringList& cells) { m_lines.append({false, cells}); }
    // A row whose last cell runs on past its column without widening it: a remark under a row.
    void remark(const QStringList& cells) { m_lines.append({false, cells, true}); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    QString text() const;

private:
    struct Line
    {
        bool heading;
        QStringList cells;
        bool runsOn = false;
    };
    QList<Line> m_lines;
};

// Sparing emphasis, and only on a terminal.
struct Style
{
    bool color = false;
    QString bold(const QString& text) const;
    QString dim(const QString& text) const;
};

// Writes `object` as the reply's one JSON document, members sorted as in the data files.
void printJson(Reply& reply, const QJsonObject& object);

// An application's desktop-file ID as the lists write it ("org.gnome.Evince.desktop").
QString desktopFileId(const AppInfo& app);
// The application's name, or "No default".
QString appName(const std::optional<AppInfo>& app);
QJsonValue appJson(const std::optional<AppInfo>& app);
// Each opener's answer (see LaunchServicing::openers): as JSON, and as a table of label, what
// it starts and why.
QJsonArray openersJson(const QList<OpenerAnswer>& answers, const DefaultsService& service);
void printOpeners(Reply& reply, const QList<OpenerAnswer>& answers, const DefaultsService& service);
// Why no explicit default can make the openers agree, each reason once; empty when one can.
QString unsettled(const QList<OpenerAnswer>& answers);
// A date in the user's time zone, as backups are named ("6 Dec 2025 at 11:54").
QString dateText(const QDateTime& date);

// A change the guard spotted: as a row (date, type, title, old → new, state) and as JSON.
QStringList changeRow(const DefaultChange& change, const FileCategory& category, const Style& style);
QJsonObject changeJson(const DefaultChange& change, const FileCategory& category);

// A plan step as the profile sheet words it, and the plan as a profile card sums it up.
QString stepText(const PlanStep& step);
QJsonObject stepJson(const PlanStep& step);
qsizetype changeCount(const QList<PlanStep>& plan);
QString planSummary(const QList<PlanStep>& plan);

// The application `text` names for `targets` (see APP in the help; a name is looked for among
// the applications that can open them); nothing, with the reply failed with exit 2 and the
// choices, when none or several do.
std::optional<AppInfo> resolveApp(const DefaultsService& service, const QList<Target>& targets, const QString& text,
                                  Reply& reply);
// What the system offers for `target`, in its order, numbered, the default and the apps made
// for the type marked, then what the user removed; with --json one object, `extra` merged in.
void printOrder(Reply& reply, const Invocation& inv, const DefaultsService& service, const Target& target,
                const QJsonObject& extra = {});
// The installed application a desktop-file ID or identity names; nothing, with the reply failed
// with exit 2, when none does or when a name ending in ".desktop" names two entries (the ID
// org.telegram.desktop, and the ID org.telegram written with its suffix).
std::optional<LocatedApp> locateApp(const DefaultsService& service, const QString& text, Reply& reply);
// The type a command-line word names (see TARGET in the help): nothing, with the reply failed
// with exit 2 and what was expected, when it names none.
std::optional<Target> resolveTarget(const QString& word, const QString& workingDirectory, Reply& reply);
// A file named on the command line (relative to the caller's folder, or under ~), with the type
// the system gives it by name and contents; the error to print when there is none.
struct TypedFile
{
    QString path; // absolute
    QString type;
};
std::optional<TypedFile> typedFile(const QString& text, const QString& workingDirectory, Reply& reply);

// A profile's or backup's id as shown: a UUID's first eight characters, a preset's whole id.
QString shortId(const Profile& profile);
QJsonObject profileJson(const Profile& profile);
// The profile `name` names in `list` (its id, the start of its id, or its name in any letter
// case); nothing, with the reply failed, when none or several do.
std::optional<Profile> findProfile(const QList<Profile>& list, const QString& name, const QString& what, Reply& reply);

} // namespace openwright::cli
