// SPDX-License-Identifier: GPL-3.0-or-later
#include "Doctor.h"

#include "DecisionChain.h"
#include "JSONStore.h"
#include "KeyFileLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>

#include <unistd.h>
#include <utility>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

using Kind = DoctorFinding::Kind;

const QString kDefaultGroup = u"Default Applications"_s;
const QString kAddedGroup = u"Added Associations"_s;
const QString kRemovedGroup = u"Removed Associations"_s;

// The doctor's texts, under one context lupdate can see (Doctor is a namespace, not a class).
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Doctor)
};

using Line = KeyFileLine;

struct ListFile
{
    QString path;
    bool exists = false;
    bool managed = false;
    QString linkedTo;
    QList<Line> entries;
    QList<KeyFileStray> strays; // lines the system cannot parse: one makes it ignore the whole list

    // The last line setting `key` in `group`: a key-file reader keeps its value.
    const Line* last(const QString& group, const QString& key) const
    {
        const Line* found = nullptr;
        for (const Line& l : entries) {
            if (l.group == group && l.key == key)
                found = &l;
        }
        return found;
    }
    // The first line setting `key` in `group`: a key-file reader keeps the key at its place.
    const Line* first(const QString& group, const QString& key) const
    {
        for (const Line& l : entries) {
            if (l.group == group && l.key == key)
                return &l;
        }
        return nullptr;
    }
};

// A read-only list, as configuration tools (home-manager and the like) or an administrator
// leave them: a link to a file, or a file, that has no write permission for anyone, or one this
// user may not write. No write of ours could be meant; replacing it by rename would undo theirs.
bool isManaged(const QFileInfo& info, QString* target)
{
    if (info.isSymLink())
        *target = linkTarget(info.filePath());
    const QString file = info.isSymLink() ? *target : info.filePath();
    // The mode bits, not only what this user may do: root may write anything.
    const QFile::Permissions write = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !(QFileInfo(file).permissions() & write)
        || (::geteuid() != 0 && ::access(QFile::encodeName(file).constData(), W_OK) != 0);
}

ListFile readList(const QString& path)
{
    ListFile list;
    list.path = path;
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return list;
    list.exists = true;
    list.managed = isManaged(info, &list.linkedTo);
    list.entries = readKeyFileLines(path, &list.strays);
    return list;
}

// The lists of the user, in the order the system reads them: the desktop-specific ones, the
// user's own, then the older ones in the applications folder.
QStringList listPaths(const DoctorPaths& paths)
{
    QStringList lists;
    for (const QString& desktop : paths.desktops)
        lists.append(paths.configHome + u'/' + desktop + u"-mimeapps.list"_s);
    lists.append(paths.userList());
    lists.append(paths.applications() + u"/mimeapps.list"_s);
    lists.append(paths.applications() + u"/defaults.list"_s);
    return lists;
}

struct DesktopEntry
{
    bool hidden = false;
    QString exec;
    QString tryExec;
};

DesktopEntry readEntry(const QString& path)
{
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entry;
    bool main = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            main = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!main || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == u"Exec")
            entry.exec = value;
        else if (key == u"TryExec")
            entry.tryExec = value;
        else if (key == u"Hidden" || key == u"NoDisplay")
            entry.hidden = entry.hidden || (key == u"Hidden" && value == u"true");
    }
    return entry;
}

// The program an Exec line runs: its first word, unquoted, past an "env VAR=value" prefix.
QString programOf(const QString& exec)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar c : exec) {
        if (c == u'"') {
            quoted = !quoted;
        } else if (c.isSpace() && !quoted) {
            if (!word.isEmpty())
                words.append(std::exchange(word, {}));
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words.append(word);
    qsizetype i = 0;
    if (i < words.size() && words[i] == u"env") {
        ++i;
        while (i < words.size() && words[i].contains(u'='))
            ++i;
    }
    return i < words.size() ? words[i] : QString();
}

// The lines of `group` that GIO reads as one for `canonical`: the type's own key and its other
// names, each at the place of its first line with the value of its last (as GKeyFile keeps a
// repeated key), in that order.
QList<const Line*> linesOf(const ListFile& list, const QString& group, const QString& canonical,
                           const DoctorPlatform& platform)
{
    QList<const Line*> lines;
    for (const Line& l : list.entries) {
        if (l.group == group && list.first(group, l.key) == &l && platform.canonical(l.key) == canonical)
            lines.append(list.last(group, l.key));
    }
    return lines;
}

// An ID as the finding shows it: quoted where blanks around it are part of it.
QString shown(const QString& id)
{
    return id == id.trimmed() ? id : u'\u201C' + id + u'\u201D';
}

// IDs in the order given, each once, as GIO merges a type's lines.
void appendOnce(QStringList& to, const QStringList& ids)
{
    for (const QString& id : ids) {
        if (!to.contains(id))
            to.append(id);
    }
}

QString firstInstalled(const QStringList& ids, const DoctorPlatform& platform)
{
    const auto first = std::find_if(ids.cbegin(), ids.cend(), platform.installed);
    return first == ids.cend() ? QString() : *first;
}

// An item as GKeyFile writes it into a list: the separator and escapes escaped, a blank at the
// start of the value kept.
QString escaped(const QString& item, bool first)
{
    QString out;
    for (qsizetype i = 0; i < item.size(); ++i) {
        const QChar c = item[i];
        if (c == u'\\' || c == u';')
            out += u'\\' + QString(c);
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else if (c == u' ' && first && i == 0)
            out += u"\\s"_s;
        else
            out += c;
    }
    return out;
}

QString lineText(const Line& line)
{
    QString text = line.key + u'=';
    for (qsizetype i = 0; i < line.values.size(); ++i)
        text += escaped(line.values[i], i == 0) + u';';
    return text;
}

QString backupName(const QString& path)
{
    for (int n = 1;; ++n) {
        const QString name = path + u".before-cleanup-"_s + QString::number(n);
        if (!QFileInfo::exists(name) && !QFileInfo(name).isSymLink())
            return name;
    }
}

} // namespace

QString DoctorFinding::key() const
{
    return QString::number(int(kind)) + u'|' + file + u'|' + QString::number(line) + u'|' + type + u'|' + id;
}

QString DoctorFinding::explanation() const
{
    const QString where = homeRelativePath(file);
    const QString at = QString::number(line);
    switch (kind) {
    case Kind::uninstalledApp:
        return Texts::tr("Line %1 of %2 names %3 for %4, which is no longer installed.").arg(at, where, shown(id), type);
    case Kind::shadowingAlias:
        if (line < otherLine) {
            return Texts::tr(
                       "Line %1 of %2 sets %3, another name of %4, before line %5 sets %4 itself: the system tries "
                       "the applications of line %1 first.")
                .arg(at, where, type, other, QString::number(otherLine));
        }
        return Texts::tr("Line %1 of %2 sets %3, another name of %4, which line %5 sets too.")
            .arg(at, where, type, other, QString::number(otherLine));
    case Kind::duplicateKey:
        return Texts::tr("%1 is set twice in [%2] of %3 (lines %4 and %5); the system keeps the place of the first "
                         "and the applications of the last.")
            .arg(type, group, where, at, QString::number(otherLine));
    case Kind::defaultAndRemoved:
        return Texts::tr(
                   "Line %1 of %2 removes %3 from the applications for %4, although it is the default of that type.")
            .arg(at, where, id, type);
    case Kind::deprecatedList:
        return Texts::tr("%1 is an older list the system still reads: its line %2 decides that %3 opens in %4.")
            .arg(where, at, type, id);
    case Kind::desktopOverride:
        return Texts::tr("Line %1 of %2, a list for one desktop, makes %3 open in %4, overriding your choice of %5.")
            .arg(at, where, type, id, other);
    case Kind::userappDuplicate:
        return Texts::tr("%1 was made by an \"open with a command\" dialog and runs the same program as %2.")
            .arg(where, other);
    case Kind::userappMissingProgram:
        return Texts::tr("%1 was made by an \"open with a command\" dialog; the program it runs (%2) is gone.")
            .arg(where, other);
    case Kind::missingProgram:
        return Texts::tr("%1 runs %2, which is not found, so the system passes over it.").arg(where, other);
    case Kind::managedList:
        if (other.isEmpty())
            return Texts::tr("%1 is read-only, managed by a configuration tool or an administrator.").arg(where);
        return Texts::tr("%1 is a read-only link to %2, managed by a configuration tool.")
            .arg(where, homeRelativePath(other));
    case Kind::unreadableList:
        return Texts::tr("Line %1 of %2 (\u201C%3\u201D) is no setting, group or comment, so the system ignores the "
                         "whole list: none of its defaults count.")
            .arg(at, where, other);
    case Kind::untrimmedItem:
        return Texts::tr("Line %1 of %2 names %3 for %4: with the blank around it, the name never matches an "
                         "application.")
            .arg(at, where, shown(id), type);
    case Kind::ignoredGroup:
        return Texts::tr("[%1] in %2 (line %3) is ignored by the system: only your own mimeapps.list may add or "
                         "remove applications.")
            .arg(group, where, at);
    case Kind::overridesSystem:
        return Texts::tr("Line %1 of %2 makes %3 open in %4, your own choice; your system sets %5 for everyone "
                         "(%6 line %7).")
            .arg(at, where, type, id, other, otherFile, QString::number(otherLine));
    }
    return {};
}

QString DoctorFinding::fix() const
{
    if (kind == Kind::overridesSystem)
        return Texts::tr("Nothing to fix: your line wins, as it should. To follow your system's choice, reset the "
                         "type to the system default.");
    if (!fixable)
        return Texts::tr("Managed by your configuration; change it there.");
    const QString at = QString::number(line);
    QString action;
    switch (kind) {
    case Kind::uninstalledApp: action = Texts::tr("Remove %1 from the line.").arg(shown(id)); break;
    case Kind::shadowingAlias:
        action = Texts::tr("Move the applications of line %1 into line %2 and remove line %1.")
                     .arg(at, QString::number(otherLine));
        break;
    case Kind::duplicateKey:
        action = Texts::tr("Keep one line for %1, with the applications the system reads now.").arg(type);
        break;
    case Kind::defaultAndRemoved: action = Texts::tr("Keep %1 among the applications for %2.").arg(id, type); break;
    case Kind::deprecatedList: action = Texts::tr("Move the line to your own mimeapps.list."); break;
    case Kind::desktopOverride: action = Texts::tr("Remove line %1.").arg(at); break;
    case Kind::userappDuplicate:
        action = Texts::tr("Name %1 instead in your lists, and remove this entry.").arg(other);
        break;
    case Kind::userappMissingProgram: action = Texts::tr("Remove the entry and the lines naming it."); break;
    case Kind::missingProgram: action = Texts::tr("Remove the entry."); break;
    case Kind::managedList: return {};
    case Kind::unreadableList:
        action = Texts::tr("Remove the lines the system cannot read, so that it reads the list again.");
        break;
    case Kind::untrimmedItem: action = Texts::tr("Write it as %1.").arg(id.trimmed()); break;
    case Kind::ignoredGroup: action = Texts::tr("Remove the group."); break;
    case Kind::overridesSystem: return {};
    }
    if (!predictable) {
        return action + u' '
            + Texts::tr("Which application opens each type afterwards cannot be told for sure, so this fix is not "
                        "selected by itself.");
    }
    if (moves.isEmpty())
        return action + u' ' + Texts::tr("Nothing else changes.");
    QStringList effects;
    for (const Move& m : moves) {
        const QString to = m.to.isEmpty() ? Texts::tr("no application") : m.to;
        const QString from = m.from.isEmpty() ? Texts::tr("no application") : m.from;
        effects.append(Texts::tr("%1 opens in %2 instead of %3").arg(m.type, to, from));
    }
    return action + u' ' + Texts::tr("Afterwards %1.").arg(effects.join(u"; "_s));
}

namespace Doctor {

namespace {

// The problems in the files as they are, without what fixing each would do.
QList<DoctorFinding> problems(const DoctorPaths& paths, const DoctorPlatform& platform)
{
    QList<DoctorFinding> found;
    const QString deprecatedFolder = paths.applications();
    const ListFile user = readList(paths.userList());
    QHash<QString, QString> deciding;
    // The application that opens the type: the first installed of the deciding list's lines for it.
    const auto decidingApp = [&](const QString& canonical) {
        if (const auto it = deciding.constFind(canonical); it != deciding.cend())
            return *it;
        const QString path = platform.decidingList(canonical);
        QStringList ids;
        if (!path.isEmpty()) {
            const ListFile list = readList(path);
            for (const Line* l : linesOf(list, kDefaultGroup, canonical, platform))
                appendOnce(ids, l->values);
        }
        return *deciding.insert(canonical, firstInstalled(ids, platform));
    };
    for (const QString& path : listPaths(paths)) {
        const ListFile list = readList(path);
        if (!list.exists)
            continue;
        const bool desktopList = QFileInfo(path).fileName() != u"mimeapps.list" && path.startsWith(paths.configHome);
        const bool deprecated = QFileInfo(path).path() == deprecatedFolder;
        // Only the plain mimeapps.list may add or remove associations; elsewhere the system
        // ignores those groups (and warns).
        const bool mayTweak = QFileInfo(path).fileName() == u"mimeapps.list";
        QList<DoctorFinding> ofList;
        QSet<QString> removedReported;
        QSet<QString> ignoredReported;
        const auto add = [&](Kind kind, const Line& l, const QString& id) -> DoctorFinding& {
            DoctorFinding f;
            f.kind = kind;
            f.file = path;
            f.line = l.number;
            f.type = l.key;
            f.id = id;
            f.group = l.group;
            ofList.append(f);
            return ofList.last();
        };
        if (!list.strays.isEmpty()) {
            DoctorFinding f;
            f.kind = Kind::unreadableList;
            f.file = path;
            f.line = list.strays.first().number;
            f.other = list.strays.first().text;
            ofList.append(f);
        }
        for (const Line& l : list.entries) {
            const bool tweak = l.group == kAddedGroup || l.group == kRemovedGroup;
            if (tweak && !mayTweak) {
                if (!ignoredReported.contains(l.group)) {
                    ignoredReported.insert(l.group);
                    add(Kind::ignoredGroup, l, {});
                }
                continue;
            }
            const Line* last = list.last(l.group, l.key);
            if (last != &l) {
                add(Kind::duplicateKey, l, {}).otherLine = last->number;
                continue;
            }
            const QString canonical = platform.canonical(l.key);
            if (l.group == kDefaultGroup || l.group == kAddedGroup) {
                for (const QString& id : l.values) {
                    const QString trimmed = id.trimmed();
                    if (trimmed.isEmpty())
                        continue;
                    if (!platform.installed(trimmed))
                        add(Kind::uninstalledApp, l, id);
                    else if (trimmed != id)
                        add(Kind::untrimmedItem, l, id);
                }
            }
            if (canonical != l.key) {
                if (const Line* own = list.last(l.group, canonical)) {
                    DoctorFinding& f = add(Kind::shadowingAlias, l, {});
                    f.other = canonical;
                    f.otherLine = own->number;
                }
            }
            // GIO's default lookup passes over removals: only the application that decides, also
            // removed for its type, is a contradiction worth a fix. Once a type and list.
            if (l.group == kRemovedGroup && !removedReported.contains(canonical)) {
                if (const QString app = decidingApp(canonical); !app.isEmpty() && l.values.contains(app)) {
                    removedReported.insert(canonical);
                    add(Kind::defaultAndRemoved, l, app);
                }
            }
            if (l.group != kDefaultGroup || !(deprecated || desktopList))
                continue;
            const auto first = std::find_if(l.values.cbegin(), l.values.cend(), platform.installed);
            if (first == l.values.cend() || platform.decidingList(canonical) != path)
                continue;
            if (deprecated) {
                add(Kind::deprecatedList, l, *first);
                continue;
            }
            // The user's own list names another application for the type: this list, left by
            // another tool, overrides it.
            for (const Line& u : user.entries) {
                if (u.group != kDefaultGroup || platform.canonical(u.key) != canonical)
                    continue;
                const auto mine = std::find_if(u.values.cbegin(), u.values.cend(), platform.installed);
                if (mine != u.values.cend() && *mine != *first) {
                    DoctorFinding& f = add(Kind::desktopOverride, l, *first);
                    f.other = *mine;
                    f.changesDefault = true;
                }
                break;
            }
        }
        if (list.managed) {
            DoctorFinding managed;
            managed.kind = Kind::managedList;
            managed.file = path;
            managed.other = list.linkedTo;
            managed.fixable = false;
            found.append(managed);
            for (DoctorFinding& f : ofList)
                f.fixable = false;
        }
        found.append(ofList);
    }

    // A default of the user's own where an administrator's list sets another for everyone: the
    // user's line wins, as it should; said, so that nobody wonders why the organisation's does
    // not apply here.
    for (const Line& u : user.entries) {
        if (u.group != kDefaultGroup || user.last(u.group, u.key) != &u)
            continue;
        const QString canonical = platform.canonical(u.key);
        const QString mine = firstInstalled(u.values, platform);
        if (mine.isEmpty())
            continue;
        QStringList systemLists;
        for (const QString& dir : paths.systemConfigDirs) {
            for (const QString& desktop : paths.desktops)
                systemLists.append(dir + u'/' + desktop + u"-mimeapps.list"_s);
            systemLists.append(dir + u"/mimeapps.list"_s);
        }
        for (const QString& path : std::as_const(systemLists)) {
            const ListFile system = readList(path);
            const auto line = std::find_if(system.entries.cbegin(), system.entries.cend(), [&](const Line& s) {
                return s.group == kDefaultGroup && platform.canonical(s.key) == canonical
                    && !firstInstalled(s.values, platform).isEmpty();
            });
            if (line == system.entries.cend())
                continue;
            if (const QString theirs = firstInstalled(line->values, platform); theirs != mine) {
                DoctorFinding f;
                f.kind = Kind::overridesSystem;
                f.file = paths.userList();
                f.line = u.number;
                f.type = u.key;
                f.id = mine;
                f.group = u.group;
                f.other = theirs;
                f.otherFile = path;
                f.otherLine = line->number;
                f.fixable = false;
                found.append(f);
            }
            break;
        }
    }

    // Named one at a time (a list of every entry's file info was 6 MB at 10,000), in name order.
    // Not through a name filter, which is a regular expression: only GIO's exact suffix counts.
    QStringList names;
    for (QDirIterator it(paths.applications(), QDir::Files); it.hasNext();) {
        QString name = it.nextFileInfo().fileName();
        if (name.endsWith(u".desktop"_s))
            names.append(std::move(name));
    }
    std::sort(names.begin(), names.end());
    for (const QString& name : std::as_const(names)) {
        const QFileInfo info(QDir(paths.applications()).filePath(name));
        const DesktopEntry entry = readEntry(info.filePath());
        DoctorFinding f;
        f.file = info.filePath();
        f.id = info.fileName();
        if (info.fileName().startsWith(u"userapp-"_s)) {
            f.other = programOf(entry.exec);
            if (!platform.programFound(f.other)) {
                f.kind = Kind::userappMissingProgram;
                found.append(f);
            } else if (const QString same = platform.installedRunning(entry.exec); !same.isEmpty()) {
                f.kind = Kind::userappDuplicate;
                f.other = same;
                f.changesDefault = true;
                found.append(f);
            }
            continue;
        }
        if (entry.hidden)
            continue;
        f.other = entry.tryExec.isEmpty() ? programOf(entry.exec) : entry.tryExec;
        if (!f.other.isEmpty() && !platform.programFound(f.other)) {
            f.kind = Kind::missingProgram;
            found.append(f);
        }
    }
    return found;
}

// The changes to one list, by line number of the file as read.
struct ListEdit
{
    QSet<int> dropLines;
    QHash<int, int> valuesFrom; // line -> line whose IDs it takes (a repeated key's last)
    QHash<int, QHash<QString, QString>> ids; // line -> ID -> replacement (empty: drop it)
    QHash<int, QList<int>> merged; // line -> lines of the same type whose IDs join it where GIO read them
    QHash<int, QStringList> appended; // line -> IDs from another list that follow its own
    QList<std::pair<QString, QStringList>> defaults; // keys to add to [Default Applications]
    bool remove = false; // the whole file goes (a desktop entry)
    QStringList needs; // files whose changes must be written first: left alone when one of them fails
    QStringList done;
};

// A line's IDs with the replacements asked for it.
QStringList replaced(const Line& line, const ListEdit& edit)
{
    const QHash<QString, QString> ids = edit.ids.value(line.number);
    QStringList values;
    for (const QString& v : line.values) {
        const QString now = ids.contains(v) ? ids.value(v) : v;
        if (!now.isEmpty())
            values.append(now);
    }
    return values;
}

// The list's text after `edit`; nullopt when nothing but blank lines would be left. A group
// the edit empties goes with its header.
std::optional<QByteArray> edited(const QString& path, const ListEdit& edit)
{
    // A list that is not there yet is made from nothing.
    const FileRead read = readWholeFile(path, kMaxConfigFileBytes);
    const QList<QByteArray> raw = read.bytes ? read.bytes->split('\n') : QList<QByteArray>();
    const ListFile list = readList(path);
    QHash<int, const Line*> entryAt;
    QSet<QString> hadEntries;
    for (const Line& l : list.entries) {
        entryAt.insert(l.number, &l);
        hadEntries.insert(l.group);
    }
    // A line's place among the lines of its type: where its key first stands.
    const auto place = [&](int number) {
        const Line* l = entryAt.value(number);
        const Line* first = l ? list.first(l->group, l->key) : nullptr;
        return first ? first->number : number;
    };
    struct Out
    {
        QString text;
        QString header; // the group this line opens, if it is a header
        bool entry = false;
    };
    QList<Out> out;
    qsizetype defaultsHeader = -1;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const int number = int(i) + 1;
        if (i == raw.size() - 1 && raw[i].isEmpty())
            break;
        if (edit.dropLines.contains(number))
            continue;
        QString text = QString::fromUtf8(raw[i]);
        const QString trimmed = text.trimmed();
        Out line {text, {}, entryAt.contains(number)};
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']') && !line.entry) {
            line.header = trimmed.mid(1, trimmed.size() - 2);
            if (line.header == kDefaultGroup)
                defaultsHeader = out.size();
        }
        const bool changed = edit.ids.contains(number) || edit.merged.contains(number)
            || edit.appended.contains(number) || edit.valuesFrom.contains(number);
        if (changed && line.entry) {
            QList<int> parts = edit.merged.value(number);
            parts.append(edit.valuesFrom.value(number, number));
            std::stable_sort(parts.begin(), parts.end(), [&](int a, int b) { return place(a) < place(b); });
            QStringList values;
            for (int part : std::as_const(parts)) {
                if (const Line* l = entryAt.value(part))
                    appendOnce(values, replaced(*l, edit));
            }
            appendOnce(values, edit.appended.value(number));
            if (values.isEmpty())
                continue;
            Line l = *entryAt.value(number);
            l.values = values;
            line.text = lineText(l);
        }
        out.append(line);
    }
    QList<Out> added;
    for (const auto& [key, values] : edit.defaults)
        added.append({lineText(Line {0, kDefaultGroup, key, values}), {}, true});
    if (!added.isEmpty()) {
        if (defaultsHeader >= 0) {
            for (qsizetype i = 0; i < added.size(); ++i)
                out.insert(defaultsHeader + 1 + i, added[i]);
        } else {
            if (!out.isEmpty() && !out.last().text.isEmpty())
                out.append(Out {});
            out.append(Out {u'[' + kDefaultGroup + u']', kDefaultGroup, false});
            out.append(added);
        }
    }
    // Headers of groups the edit left without a line, and the blank lines before them.
    for (qsizetype i = out.size() - 1; i >= 0; --i) {
        if (out[i].header.isEmpty() || !hadEntries.contains(out[i].header))
            continue;
        qsizetype next = i + 1;
        while (next < out.size() && out[next].header.isEmpty() && !out[next].entry)
            ++next;
        const bool empty = (next == out.size() || !out[next].header.isEmpty())
            && std::none_of(out.cbegin() + i + 1, out.cbegin() + next,
                            [](const Out& o) { return !o.text.trimmed().isEmpty(); });
        if (!empty)
            continue;
        out.remove(i, next - i);
        while (i > 0 && i == out.size() && out[i - 1].text.trimmed().isEmpty())
            out.remove(--i);
    }
    if (std::all_of(out.cbegin(), out.cend(), [](const Out& o) { return o.text.trimmed().isEmpty(); }))
        return std::nullopt;
    QStringList lines;
    for (const Out& o : std::as_const(out))
        lines.append(o.text);
    return (lines.join(u'\n') + u'\n').toUtf8();
}

// The edits of the files a clean-up changes, in the order their first fix was asked for.
struct Plan
{
    QHash<QString, ListEdit> edits;
    QStringList order;

    // The edit of a file; a reference valid until the next call.
    ListEdit& editOf(const QString& path)
    {
        if (!order.contains(path))
            order.append(path);
        return edits[path];
    }
};

// Adds the fix of `f` (as the files show it now) to `plan`; false when it cannot be made.
bool plan(Plan& into, const DoctorFinding& f, const DoctorPaths& paths, const DoctorPlatform& platform)
{
    const auto editOf = [&](const QString& path) -> ListEdit& { return into.editOf(path); };
    auto& edits = into.edits;
    switch (f.kind) {
    case Kind::uninstalledApp: editOf(f.file).ids[f.line].insert(f.id, QString()); break;
    case Kind::defaultAndRemoved: {
        // Every removal of the type in the list, its other names' included.
        const ListFile list = readList(f.file);
        const QString canonical = platform.canonical(f.type);
        for (const Line& l : list.entries) {
            if (l.group == kRemovedGroup && l.values.contains(f.id) && platform.canonical(l.key) == canonical)
                editOf(f.file).ids[l.number].insert(f.id, QString());
        }
        break;
    }
    case Kind::shadowingAlias: {
        // Every line of the other name goes; its IDs join the type's line in the order GIO
        // merged them.
        ListEdit& edit = editOf(f.file);
        for (const Line& l : readList(f.file).entries) {
            if (l.group == f.group && l.key == f.type)
                edit.dropLines.insert(l.number);
        }
        edit.merged[f.otherLine].append(f.line);
        break;
    }
    case Kind::duplicateKey: {
        // GKeyFile keeps the key where it first stands with its last value: the first line
        // takes the last one's IDs, the others go.
        const ListFile list = readList(f.file);
        ListEdit& edit = editOf(f.file);
        const Line* first = list.first(f.group, f.type);
        if (!first || first->number != f.line) {
            edit.dropLines.insert(f.line);
            break;
        }
        edit.valuesFrom.insert(f.line, f.otherLine);
        for (const Line& l : list.entries) {
            if (l.group == f.group && l.key == f.type && l.number != f.line)
                edit.dropLines.insert(l.number);
        }
        break;
    }
    case Kind::desktopOverride:
        for (const Line& l : readList(f.file).entries) {
            if (l.group == f.group && l.key == f.type)
                editOf(f.file).dropLines.insert(l.number);
        }
        break;
    case Kind::unreadableList:
        for (const KeyFileStray& stray : readList(f.file).strays)
            editOf(f.file).dropLines.insert(stray.number);
        break;
    case Kind::untrimmedItem: editOf(f.file).ids[f.line].insert(f.id, f.id.trimmed()); break;
    case Kind::ignoredGroup:
        for (const Line& l : readList(f.file).entries) {
            if (l.group == f.group)
                editOf(f.file).dropLines.insert(l.number);
        }
        break;
    case Kind::deprecatedList: {
        const ListFile list = readList(f.file);
        const Line* line = list.last(kDefaultGroup, f.type);
        const ListFile user = readList(paths.userList());
        if (!line || user.managed)
            return false;
        // The IDs go after those the user's own list already gives for the type (which were
        // passed over, or this list would not decide), so the same application decides.
        const QString canonical = platform.canonical(f.type);
        const QList<const Line*> mine = linesOf(user, kDefaultGroup, canonical, platform);
        const QStringList ids = replaced(*line, edits.value(f.file));
        ListEdit& gains = editOf(paths.userList());
        if (mine.isEmpty())
            gains.defaults.append({f.type, ids});
        else
            appendOnce(gains.appended[mine.last()->number], ids);
        ListEdit& loses = editOf(f.file);
        loses.dropLines.insert(f.line);
        loses.needs.append(paths.userList());
        break;
    }
    case Kind::userappDuplicate:
    case Kind::userappMissingProgram: {
        // Every line of the user's lists that names the entry, renamed (or dropped) before the
        // entry goes.
        const QString replacement = f.kind == Kind::userappDuplicate ? f.other : QString();
        QStringList renamed;
        for (const QString& path : listPaths(paths)) {
            const ListFile list = readList(path);
            if (list.managed)
                continue;
            for (const Line& l : list.entries) {
                if (!l.values.contains(f.id))
                    continue;
                editOf(path).ids[l.number].insert(f.id, replacement);
                if (!renamed.contains(path))
                    renamed.append(path);
            }
        }
        ListEdit& entry = editOf(f.file);
        entry.remove = true;
        entry.needs.append(renamed);
        break;
    }
    case Kind::missingProgram: editOf(f.file).remove = true; break;
    case Kind::managedList:
    case Kind::overridesSystem: return false;
    }
    return true;
}

// The files as the plan leaves them: each list's new text, nullopt for a file that goes.
FileChanges changesOf(const Plan& plan)
{
    FileChanges changes;
    for (const QString& path : plan.order) {
        const ListEdit edit = plan.edits.value(path);
        if (edit.remove)
            changes.insert(path, std::nullopt);
        else
            changes.insert(path, edited(path, edit));
    }
    return changes;
}

// The types a change of the user's files can move: those their lists name, those the entries
// the change removes declare, and the types inheriting from them.
QStringList typesAt(const DoctorPaths& paths, const DoctorPlatform& platform, const FileChanges& changes)
{
    QStringList named;
    for (const QString& path : listPaths(paths)) {
        for (const Line& l : readList(path).entries) {
            if (!named.contains(l.key))
                named.append(l.key);
        }
    }
    QStringList ids;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (!*it && it.key().endsWith(u".desktop"_s))
            ids.append(QFileInfo(it.key()).fileName());
    }
    return platform.affected(named, ids);
}

// What fixing each finding alone would change: the types it moves, as the system will read the
// files afterwards, or that this cannot be known.
void predict(QList<DoctorFinding>& found, const DoctorPaths& paths, const DoctorPlatform& platform)
{
    QHash<QString, QString> now;
    for (DoctorFinding& f : found) {
        if (!f.fixable)
            continue;
        Plan p;
        if (!platform.opens || !platform.affected || !plan(p, f, paths, platform)) {
            f.predictable = false;
            f.changesDefault = true;
            continue;
        }
        const FileChanges changes = changesOf(p);
        const QStringList types = typesAt(paths, platform, changes);
        QStringList unknown;
        for (const QString& t : types) {
            if (!now.contains(t))
                unknown.append(t);
        }
        if (!unknown.isEmpty())
            now.insert(platform.opens(unknown, {}));
        const QHash<QString, QString> after = platform.opens(types, changes);
        f.moves.clear();
        for (const QString& t : types) {
            if (now.value(t) != after.value(t))
                f.moves.append({t, now.value(t), after.value(t)});
        }
        // The reading of the files must be the system's own where it matters, or the
        // prediction is only a guess.
        QStringList checked;
        for (const DoctorFinding::Move& m : std::as_const(f.moves))
            checked.append(m.type);
        if (!f.type.isEmpty())
            checked.append(platform.canonical(f.type));
        f.predictable = !platform.agrees
            || std::all_of(checked.cbegin(), checked.cend(), [&](const QString& t) { return platform.agrees(t); });
        f.changesDefault = !f.moves.isEmpty() || !f.predictable;
    }
}

} // namespace

QList<DoctorFinding> examine(const DoctorPaths& paths, const DoctorPlatform& platform)
{
    QList<DoctorFinding> found = problems(paths, platform);
    predict(found, paths, platform);
    return found;
}

QList<DoctorFinding> selectedByDefault(const QList<DoctorFinding>& findings)
{
    QList<DoctorFinding> selected;
    for (const DoctorFinding& f : findings) {
        if (f.fixable && f.predictable)
            selected.append(f);
    }
    return selected;
}

CleanUpOutcome fix(const QList<DoctorFinding>& findings, const DoctorPaths& paths, const DoctorPlatform& platform)
{
    CleanUpOutcome outcome;
    // Lines move when another program rewrites a list: only what is still there is fixed, as it
    // is now.
    QHash<QString, DoctorFinding> current;
    for (const DoctorFinding& f : problems(paths, platform))
        current.insert(f.key(), f);
    Plan p;
    auto& edits = p.edits;
    auto& order = p.order;
    for (const DoctorFinding& asked : findings) {
        if (!asked.fixable)
            continue;
        const auto now = current.constFind(asked.key());
        if (now == current.cend()) {
            ++outcome.stale;
            continue;
        }
        if (!plan(p, *now, paths, platform))
            continue;
        // The text as the person read it: what this fix alone was to change.
        p.editOf(now->file).done.append(asked.fix());
    }
    // What opens each type the changes can move, before them: every type that moved is named.
    const FileChanges changes = changesOf(p);
    const QStringList types = platform.opens && platform.affected ? typesAt(paths, platform, changes) : QStringList();
    const QHash<QString, QString> before = types.isEmpty() ? QHash<QString, QString>() : platform.opens(types, {});

    // Files that gain lines first, those that lose them after, entries last: a write that fails
    // leaves what depends on it alone.
    const auto rank = [&](const QString& path) {
        const ListEdit& edit = edits[path];
        return edit.remove ? 2 : edit.needs.isEmpty() ? 0 : 1;
    };
    std::stable_sort(order.begin(), order.end(), [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
    QSet<QString> failed;
    for (const QString& path : std::as_const(order)) {
        const ListEdit& edit = edits[path];
        if (!edit.remove && edit.dropLines.isEmpty() && edit.ids.isEmpty() && edit.merged.isEmpty()
            && edit.appended.isEmpty() && edit.defaults.isEmpty() && edit.valuesFrom.isEmpty())
            continue;
        const auto unwritten = std::find_if(edit.needs.cbegin(), edit.needs.cend(),
                                            [&](const QString& p) { return failed.contains(p); });
        if (unwritten != edit.needs.cend()) {
            failed.insert(path);
            outcome.problems.append(
                homeRelativePath(path) + u": "_s
                + Texts::tr("left as it was, because %1 could not be changed.").arg(homeRelativePath(*unwritten)));
            continue;
        }
        const QString copy = backupName(path);
        const auto write = [&] {
            try {
                if (QFileInfo::exists(path)) {
                    const FileRead before = readWholeFile(path, kMaxConfigFileBytes);
                    if (!before.bytes)
                        throw StoreError(before.problem);
                    writeAtomically(copy, *before.bytes, FileAccess::choices);
                }
                // A list left empty goes too, unless it is a link (whose target is what is edited).
                const std::optional<QByteArray> text = changes.value(path);
                if (!text && !QFileInfo(path).isSymLink()) {
                    if (QFileInfo::exists(path) && !QFile::remove(path))
                        throw StoreError(Texts::tr("Could not remove %1.").arg(homeRelativePath(path)));
                } else {
                    writeAtomically(path, text.value_or(QByteArray()), FileAccess::asCreated);
                }
            } catch (const StoreError& e) {
                failed.insert(path);
                outcome.problems.append(homeRelativePath(path) + u": "_s + e.message());
                return false;
            }
            return true;
        };
        if (platform.writing)
            platform.writing(write);
        else
            write();
        if (failed.contains(path))
            continue;
        outcome.changedFiles.append(path);
        if (QFileInfo::exists(copy))
            outcome.copies.append(copy);
        for (const QString& d : edit.done)
            outcome.done.append(homeRelativePath(path) + u": "_s + d);
    }
    // What opens each type now, as the system reads the files as written.
    if (!outcome.changedFiles.isEmpty() && !types.isEmpty()) {
        const QHash<QString, QString> after = platform.opens(types, {});
        for (const QString& t : types) {
            if (before.value(t) == after.value(t))
                continue;
            const QString to = after.value(t).isEmpty() ? Texts::tr("no application") : after.value(t);
            const QString from = before.value(t).isEmpty() ? Texts::tr("no application") : before.value(t);
            outcome.moved.append(Texts::tr("%1 now opens in %2 (before: %3)").arg(t, to, from));
        }
    }
    return outcome;
}

} // namespace Doctor

} // namespace openwright
