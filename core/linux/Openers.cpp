// SPDX-License-Identifier: GPL-3.0-or-later
#include "Openers.h"

#include "DecisionReader.h"
#include "Gio.h"
#include "MimeLists.h"

#include <glib.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <memory>

namespace openwright::gio {

using namespace Qt::Literals::StringLiterals;

namespace {

struct KeyFileFree
{
    void operator()(GKeyFile* file) const { g_key_file_free(file); }
};
using KeyFile = std::unique_ptr<GKeyFile, KeyFileFree>;

QString keyString(GKeyFile* file, const char* key)
{
    gchar* value = g_key_file_get_string(file, G_KEY_FILE_DESKTOP_GROUP, key, nullptr);
    const QString text = value ? QString::fromUtf8(value).trimmed() : QString();
    g_free(value);
    return text;
}

QStringList keyList(GKeyFile* file, const char* key)
{
    return keyString(file, key).split(u';', Qt::SkipEmptyParts);
}

bool canRun(const QString& tryExec)
{
    if (tryExec.isEmpty())
        return true;
    if (QDir::isAbsolutePath(tryExec))
        return QFileInfo(tryExec).isExecutable();
    return !QStandardPaths::findExecutable(tryExec).isEmpty();
}

// One application as KDE's service database takes it in.
struct Service
{
    QString path;
    QStringList declared; // canonical types
    int preference = 1; // InitialPreference
    bool runs = true; // its TryExec, if any, is found
    bool shown = true; // OnlyShowIn and NotShowIn allow the current desktop
};

// Every application KDE knows, by desktop-file ID, and the IDs that declare each type. Kept
// while the folders they were read from stay the same.
struct Services
{
    QByteArray stamp;
    QHash<QString, Service> byId;
    QHash<QString, QStringList> byType;
};

QStringList desktopsForShowIn()
{
    QStringList desktops;
    for (const QString& name : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        desktops.append(name.toLower());
    // KDE's own programs take a session that names no desktop for KDE.
    return desktops.isEmpty() ? QStringList {u"kde"_s} : desktops;
}

std::shared_ptr<const Services> services(const ReadLists& lists)
{
    static QMutex mutex;
    static std::shared_ptr<const Services> kept;
    QByteArray stamp = qgetenv("XDG_CURRENT_DESKTOP") + '\n' + qgetenv("PATH");
    for (const Folder& folder : lists.folders)
        stamp += folder.dir.toUtf8() + folder.stamp;
    QMutexLocker lock(&mutex);
    if (kept && kept->stamp == stamp)
        return kept;
    auto fresh = std::make_shared<Services>();
    fresh->stamp = stamp;
    const QStringList current = desktopsForShowIn();
    const auto showsIn = [&](const QStringList& names) {
        return std::any_of(names.cbegin(), names.cend(), [&](const QString& n) { return current.contains(n.toLower()); });
    };
    for (const Folder& folder : lists.folders) {
        if (!folder.applications)
            continue;
        for (auto it = folder.apps.cbegin(); it != folder.apps.cend(); ++it) {
            if (fresh->byId.contains(it.key()))
                continue;
            KeyFile file(g_key_file_new());
            if (!g_key_file_load_from_file(file.get(), QFile::encodeName(*it).constData(), G_KEY_FILE_NONE, nullptr)
                || keyString(file.get(), "Type") != u"Application"_s)
                continue;
            // A hidden entry is not there at all for KDE: a copy further down the path counts.
            if (g_key_file_get_boolean(file.get(), G_KEY_FILE_DESKTOP_GROUP, "Hidden", nullptr))
                continue;
            Service service;
            service.path = *it;
            for (const QString& type : keyList(file.get(), "MimeType")) {
                if (const QString canonical = unalias(type); !service.declared.contains(canonical))
                    service.declared.append(canonical);
            }
            bool ok = false;
            const int preference = keyString(file.get(), "InitialPreference").toInt(&ok);
            service.preference = ok ? preference : 1;
            service.runs = canRun(keyString(file.get(), "TryExec"));
            const QStringList only = keyList(file.get(), "OnlyShowIn");
            service.shown = !only.isEmpty() ? showsIn(only) : !showsIn(keyList(file.get(), "NotShowIn"));
            for (const QString& type : std::as_const(service.declared))
                fresh->byType[type].append(it.key());
            fresh->byId.insert(it.key(), std::move(service));
        }
    }
    kept = fresh;
    return kept;
}

// The type's parents, nearest first, each with its distance, as KDE's MIME database inherits:
// every text type under text/plain too.
QList<std::pair<QString, int>> levels(const QString& type, const QHash<QString, QStringList>& parents)
{
    QList<std::pair<QString, int>> out {{type, 0}};
    QSet<QString> seen {type};
    QStringList frontier {type};
    for (int level = 1; !frontier.isEmpty(); ++level) {
        QStringList next;
        for (const QString& current : std::as_const(frontier)) {
            QStringList up = parents.value(current);
            if (current.startsWith(u"text/"_s) && current != u"text/plain"_s && !up.contains(u"text/plain"_s))
                up.append(u"text/plain"_s);
            for (const QString& parent : std::as_const(up)) {
                const QString canonical = unalias(parent);
                if (!seen.contains(canonical)) {
                    seen.insert(canonical);
                    out.append({canonical, level});
                    next.append(canonical);
                }
            }
        }
        frontier = next;
    }
    return out;
}

// An offer of one service for one type: its preference and what gave it.
struct Offer
{
    int preference = 0;
    QString source; // the list that names it; empty for its own InitialPreference
    bool removed = false;
    QString borrowedFrom {}; // the parent type whose stronger offer it took
};

struct Listed
{
    const List* list;
    bool desktopSpecific;
};

// The lists KDE reads, most important first: each folder's desktop-specific lists, then its
// mimeapps.list; only the ones that exist.
QList<Listed> kdeLists(const ReadLists& lists)
{
    QList<Listed> out;
    for (const Folder& folder : lists.folders) {
        for (qsizetype i = 0; i <= folder.plain && i < folder.lists.size(); ++i) {
            if (folder.lists[i].presence == DecisionStep::Presence::Read)
                out.append({&folder.lists[i], i < folder.plain});
        }
    }
    return out;
}

QStringList idsFor(const QList<Entry>& entries, const QString& type)
{
    QStringList ids;
    for (const Entry& e : entries) {
        if (e.canonical == type)
            ids += e.ids;
    }
    return ids;
}

QHash<QString, Offer> offersFor(const QString& kind, const QList<std::pair<QString, int>>& kindLevels,
                               const Services& services, const QList<Listed>& lists)
{
    QHash<QString, Offer> offers;
    QSet<QString> ancestors;
    for (qsizetype i = 1; i < kindLevels.size(); ++i)
        ancestors.insert(kindLevels[i].first);
    for (const QString& id : services.byType.value(kind)) {
        const Service& s = services.byId[id];
        // A type whose ancestor the entry also declares counts only through that ancestor.
        const bool throughAncestor = std::any_of(s.declared.cbegin(), s.declared.cend(),
                                                 [&](const QString& t) { return ancestors.contains(t); });
        if (s.runs && s.shown && !throughAncestor)
            offers.insert(id, {s.preference, {}});
    }
    const auto usable = [&](const QString& id) {
        const auto it = services.byId.constFind(id);
        return it != services.byId.cend() && it->runs;
    };
    // Counted from the least important list up: 1000 and 50 more for each, 25 more for a
    // default, less by the position in its line.
    for (qsizetype index = 0; index < lists.size(); ++index) {
        const Listed& listed = lists[lists.size() - 1 - index];
        const int base = 1000 + 50 * int(index);
        const QString file = homeRelativePath(listed.list->path);
        if (!listed.desktopSpecific) {
            int position = 0;
            for (const QString& id : idsFor(listed.list->added, kind)) {
                if (usable(id))
                    offers.insert(id, {base - position++, file});
            }
            // A removal counts under the type exactly as written.
            for (const Entry& e : listed.list->removed) {
                if (e.type == kind) {
                    for (const QString& id : e.ids)
                        offers.insert(id, {0, file, true});
                }
            }
        }
        int position = 0;
        for (const QString& id : idsFor(listed.list->defaults, kind)) {
            if (usable(id))
                offers.insert(id, {base + 25 - position++, file});
        }
    }
    return offers;
}

struct Ranked
{
    struct Winner
    {
        QString id;
        Offer offer;
        QString kind; // the type whose offer it is
    };
    QList<Winner> winners; // by ID, so that a tie reads the same at every run
};

// The services the lists remove from `kind`, under that very key.
QSet<QString> removedFrom(const QString& kind, const QList<Listed>& lists)
{
    QSet<QString> out;
    for (const Listed& listed : lists) {
        for (const Entry& e : listed.desktopSpecific ? QList<Entry>() : listed.list->removed) {
            if (e.type == kind)
                out.unite(QSet<QString>(e.ids.cbegin(), e.ids.cend()));
        }
    }
    return out;
}

// The service kde-open5 starts. Each service has one offer for the type: its own, else one
// inherited from an ancestor type, which sorts after every own offer; a stronger inherited
// preference raises a service's offer without moving it. A service removed from the type, or
// from a type between it and the ancestor, inherits nothing. Equal offers come in an order KDE
// draws anew at each rebuild of its database: the winners are every service that can come first.
std::optional<Ranked> rankKde(const QString& type, const ReadLists& lists, const Services& services)
{
    const auto typeLevels = levels(type, lists.parents);
    const QList<Listed> listed = kdeLists(lists);
    QHash<QString, QList<std::pair<QString, int>>> levelsOf;
    for (const auto& [kind, depth] : typeLevels)
        levelsOf.insert(kind, levels(kind, lists.parents));
    struct Final
    {
        int level;
        Offer offer;
        QString kind;
    };
    QHash<QString, Final> final;
    for (const auto& [kind, depth] : typeLevels) {
        QSet<QString> barred;
        for (const auto& [between, betweenDepth] : typeLevels) {
            if (depth == 0 || between == kind)
                continue;
            const auto& up = levelsOf[between];
            if (std::any_of(up.cbegin() + 1, up.cend(), [&](const auto& l) { return l.first == kind; }))
                barred.unite(removedFrom(between, listed));
        }
        const QHash<QString, Offer> own = offersFor(kind, levelsOf[kind], services, listed);
        for (auto it = own.cbegin(); it != own.cend(); ++it) {
            if (it->removed || barred.contains(it.key()))
                continue;
            const auto f = final.find(it.key());
            if (f == final.end())
                final.insert(it.key(), {std::min(depth, 1), *it, kind});
            else if (it->preference > f->offer.preference) {
                f->offer = *it;
                f->offer.borrowedFrom = kind;
            }
        }
    }
    if (final.isEmpty())
        return std::nullopt;
    const auto best = std::min_element(final.cbegin(), final.cend(), [](const Final& a, const Final& b) {
        return std::pair(a.level, -a.offer.preference) < std::pair(b.level, -b.offer.preference);
    });
    Ranked ranked;
    for (auto it = final.cbegin(); it != final.cend(); ++it) {
        if (it->level == best->level && it->offer.preference == best->offer.preference)
            ranked.winners.append({it.key(), it->offer, it->kind});
    }
    std::sort(ranked.winners.begin(), ranked.winners.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return ranked;
}

QString nameOf(const QString& path, const QString& id)
{
    const DesktopEntry entry = readDesktopEntry(path);
    return entry.name.value_or(id);
}

QString kdeBrowser()
{
    QStringList files {userConfigDir() + u"/kdeglobals"_s};
    for (const QString& dir : configDirs())
        files.append(dir + u"/kdeglobals"_s);
    for (const QString& path : std::as_const(files)) {
        KeyFile file(g_key_file_new());
        if (!g_key_file_load_from_file(file.get(), QFile::encodeName(path).constData(), G_KEY_FILE_NONE, nullptr))
            continue;
        gchar* value = g_key_file_get_string(file.get(), "General", "BrowserApplication", nullptr);
        if (!value)
            continue;
        QString id = QString::fromUtf8(value).trimmed();
        g_free(value);
        if (!id.isEmpty() && !id.startsWith(u'!') && !id.endsWith(u".desktop"_s))
            id += u".desktop"_s;
        return id;
    }
    return {};
}

OpenerAnswer kdeAnswer(const QString& type, const ReadLists& lists, const Services& services)
{
    OpenerAnswer answer {Opener::kde, std::nullopt, {}, {}, {}};
    const auto settle = [&](const Ranked& ranked, const QString& asked) {
        const Ranked::Winner& first = ranked.winners.first();
        const QString path = services.byId[first.id].path;
        answer.app = QUrl::fromLocalFile(path);
        answer.id = first.id;
        for (qsizetype i = 1; i < ranked.winners.size(); ++i)
            answer.tied.append(ranked.winners[i].id);
        const QString name = nameOf(path, first.id);
        const Offer& offer = first.offer;
        if (!offer.source.isEmpty())
            answer.rule = QCoreApplication::translate("Openers", "%1, named for %2 in %3")
                              .arg(name, offer.borrowedFrom.isEmpty() ? first.kind : offer.borrowedFrom, offer.source);
        else
            answer.rule = QCoreApplication::translate("Openers", "%1, ranked first by InitialPreference=%2")
                              .arg(name)
                              .arg(offer.preference);
        if (first.kind != asked)
            answer.rule += QCoreApplication::translate("Openers", " (as a handler of %1)").arg(first.kind);
        if (!answer.tied.isEmpty())
            answer.rule += QCoreApplication::translate("Openers", "; KDE picks by chance between it and %1")
                               .arg(answer.tied.join(u", "_s));
        // What a default of the type's own cannot outrank, for any service that may come first;
        // kept for markUnsettled.
        for (const Ranked::Winner& w : ranked.winners) {
            const QString wName = w.id == first.id ? name : nameOf(services.byId[w.id].path, w.id);
            if (!w.offer.borrowedFrom.isEmpty())
                answer.unsettled = QCoreApplication::translate("Openers", "KDE programs rank %1 first through its default for %2")
                                       .arg(wName, w.offer.borrowedFrom);
            else if (w.offer.source.isEmpty() && w.offer.preference >= 1000)
                answer.unsettled = QCoreApplication::translate(
                                       "Openers", "KDE programs rank %1 first by InitialPreference=%2, above any default")
                                       .arg(wName)
                                       .arg(w.offer.preference);
            if (!answer.unsettled.isEmpty())
                break;
        }
    };
    // A web link, secure or not, goes to the secure links' handler first.
    const bool web = type == u"x-scheme-handler/http"_s || type == u"x-scheme-handler/https"_s;
    const QStringList asked = web ? QStringList {u"x-scheme-handler/https"_s, u"x-scheme-handler/http"_s} : QStringList {type};
    for (const QString& kind : asked) {
        if (const auto ranked = rankKde(kind, lists, services)) {
            settle(*ranked, kind);
            return answer;
        }
    }
    if (web) {
        const QString browser = kdeBrowser();
        const auto it = services.byId.constFind(browser);
        if (it != services.byId.cend() && it->runs) {
            answer.app = QUrl::fromLocalFile(it->path);
            answer.id = browser;
            answer.rule = QCoreApplication::translate("Openers", "%1, the browser in kdeglobals")
                              .arg(nameOf(it->path, browser));
            return answer;
        }
    }
    answer.rule = QCoreApplication::translate("Openers", "no application");
    return answer;
}

OpenerAnswer gioAnswer(const QString& type)
{
    const DecisionChain chain = explain(Target(), type);
    OpenerAnswer answer {Opener::gio, std::nullopt, {}, {}, {}};
    if (chain.app) {
        answer.app = QUrl::fromLocalFile(chain.app->path);
        answer.id = chain.app->desktopId;
    }
    const DecisionStep* step = chain.decisiveStep();
    answer.rule = step ? step->summary() : QCoreApplication::translate("Openers", "no application");
    return answer;
}

// The entry xdg-utils finds for a desktop-file ID. xdg-mime, checking a list's line: a file of
// that name in an applications folder, or vendor/name.desktop for vendor-name.desktop while the
// name has no dash of its own. xdg-open, starting an ID it was given (`starting`): that name, the
// name with its first dash made a slash, or a file of that name in any subfolder. Empty when none.
QString genericFind(const ReadLists& lists, const QString& id, bool starting = false)
{
    QString nested = id;
    if (const qsizetype dash = nested.indexOf(u'-'); dash > 0)
        nested[dash] = u'/';
    for (const Folder& folder : lists.folders) {
        if (!folder.applications)
            continue;
        if (const auto it = folder.apps.constFind(id); it != folder.apps.cend()) {
            const QString relative = QDir(folder.dir).relativeFilePath(*it);
            if (relative == id || (starting ? relative == nested : !QFileInfo(*it).fileName().contains(u'-')))
                return *it;
        }
        for (auto it = folder.apps.cbegin(); starting && it != folder.apps.cend(); ++it) {
            if (it.fileName() == id)
                return *it;
        }
    }
    return {};
}

struct Generic
{
    QString id; // as xdg-mime gives it
    QString where;
    QString path; // what xdg-open then starts; empty when it finds nothing
    bool aheadOfDefault = false; // from a list it reads before the one a default is written to
};

// xdg-mime's own answer on a desktop it does not know: the type as written (no aliases, no
// parents); the first ID of each list's line if it finds that entry, else the first ID the first
// mimeinfo.cache gives, else the first entry whose MimeType holds the type, by folder and file
// name. Added and Removed Associations count for nothing.
Generic genericDefault(const QString& type, const ReadLists& lists)
{
    for (const Folder& folder : lists.folders) {
        for (qsizetype i = 0; i <= folder.plain && i < folder.lists.size(); ++i) {
            for (const Entry& e : folder.lists[i].defaults) {
                if (e.type != type || e.ids.isEmpty())
                    continue;
                if (const QString path = genericFind(lists, e.ids.first()); !path.isEmpty())
                    return {e.ids.first(), homeRelativePath(folder.lists[i].path), path,
                            folder.user && !folder.applications && i < folder.plain};
            }
        }
    }
    for (const Folder& folder : lists.folders) {
        for (const Entry& e : folder.cache) {
            if (e.type == type && !e.ids.isEmpty())
                return {e.ids.first(), homeRelativePath(folder.dir + u"/mimeinfo.cache"_s),
                        genericFind(lists, e.ids.first(), true)};
        }
    }
    for (const Folder& folder : lists.folders) {
        if (!folder.applications)
            continue;
        QStringList paths(folder.apps.cbegin(), folder.apps.cend());
        std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
            return QFileInfo(a).fileName().toUtf8() < QFileInfo(b).fileName().toUtf8();
        });
        for (const QString& path : std::as_const(paths)) {
            KeyFile file(g_key_file_new());
            if (g_key_file_load_from_file(file.get(), QFile::encodeName(path).constData(), G_KEY_FILE_NONE, nullptr)
                && keyList(file.get(), "MimeType").contains(type)) {
                const QString name = QFileInfo(path).fileName();
                return {name, homeRelativePath(folder.dir), genericFind(lists, name, true)};
            }
        }
    }
    return {};
}

// The desktop-file ID GIO gives the entry at `path`.
QString idOf(const ReadLists& lists, const QString& path)
{
    for (const Folder& folder : lists.folders) {
        if (const QString id = folder.apps.idOf(path); !id.isEmpty())
            return id;
    }
    return QFileInfo(path).fileName();
}

QString fileType(const QString& file)
{
    QProcess process;
    process.start(u"file"_s, {u"--brief"_s, u"--dereference"_s, u"--mime-type"_s, u"--"_s, file});
    if (!process.waitForFinished(5000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Where xdg-open sends a target: XDG_CURRENT_DESKTOP as a whole decides.
QString xdgOpenRoute(const QString& desktop)
{
    static const QStringList gio {u"GNOME"_s,        u"GNOME-Classic"_s, u"GNOME-Classic:GNOME"_s,
                                  u"GNOME-Flashback"_s, u"GNOME-Flashback:GNOME"_s, u"X-Cinnamon"_s,
                                  u"Cinnamon"_s,     u"MATE"_s,          u"XFCE"_s};
    if (desktop == u"KDE"_s)
        return u"kde"_s;
    return gio.contains(desktop) ? u"gio"_s : u"generic"_s;
}

OpenerAnswer xdgOpenAnswer(const QString& type, const QString& file, const QList<OpenerAnswer>& others,
                           const ReadLists& lists)
{
    OpenerAnswer answer {Opener::xdgOpen, std::nullopt, {}, {}, {}};
    answer.desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    answer.route = xdgOpenRoute(answer.desktop);
    if (answer.route == u"kde"_s && QStandardPaths::findExecutable(u"kde-open5"_s).isEmpty()) {
        answer.rule = QCoreApplication::translate("Openers", "it hands over to kde-open5, which is not installed");
        return answer;
    }
    if (answer.route != u"generic"_s) {
        const Opener to = answer.route == u"kde"_s ? Opener::kde : Opener::gio;
        for (const OpenerAnswer& other : others) {
            if (other.opener == to) {
                answer.app = other.app;
                answer.id = other.id;
                answer.tied = other.tied;
                answer.unsettled = other.unsettled;
                answer.rule = QCoreApplication::translate("Openers", "as %1: %2").arg(openerLabel(to), other.rule);
                return answer;
            }
        }
    }
    answer.route = u"generic"_s;
    const QString asked = file.isEmpty() ? type : fileType(file);
    // Without a display it never looks at desktop entries.
    answer.inSession = !qEnvironmentVariableIsEmpty("DISPLAY");
    const Generic found = answer.inSession ? genericDefault(asked, lists) : Generic();
    if (!found.path.isEmpty()) {
        answer.app = QUrl::fromLocalFile(found.path);
        answer.id = idOf(lists, found.path);
        answer.rule = QCoreApplication::translate("Openers", "%1, the first for %2 in %3")
                          .arg(nameOf(found.path, found.id), asked, found.where);
    } else if (!found.id.isEmpty()) {
        answer.rule = QCoreApplication::translate("Openers", "%1 names %2 for %3, which it cannot find")
                          .arg(found.where, found.id, asked);
    } else if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        answer.rule = QCoreApplication::translate("Openers", "no display, so no application");
    } else {
        answer.rule = QCoreApplication::translate("Openers", "no application for %1").arg(asked.isEmpty() ? type : asked);
    }
    if (!answer.app && !type.startsWith(u"x-scheme-handler/"_s)
        && !QStandardPaths::findExecutable(u"run-mailcap"_s).isEmpty())
        answer.fallback = u"run-mailcap"_s;
    return answer;
}

bool isHidden(const QString& path)
{
    KeyFile file(g_key_file_new());
    return g_key_file_load_from_file(file.get(), QFile::encodeName(path).constData(), G_KEY_FILE_NONE, nullptr)
        && g_key_file_get_boolean(file.get(), G_KEY_FILE_DESKTOP_GROUP, "Hidden", nullptr);
}

// What no explicit default can settle, on the answers that differ from GTK programs'.
void markUnsettled(QList<OpenerAnswer>& answers, const QString& type, const QString& file, const ReadLists& lists)
{
    const OpenerAnswer& gio = answers.first();
    if (!gio.app)
        return;
    const QString web = type == u"x-scheme-handler/http"_s ? u"x-scheme-handler/https"_s
        : type == u"x-scheme-handler/https"_s             ? u"x-scheme-handler/http"_s
                                                          : QString();
    for (qsizetype i = 1; i < answers.size(); ++i) {
        OpenerAnswer& a = answers[i];
        if (a.startsOnly(gio.id)) {
            a.unsettled.clear();
            continue;
        }
        if (!a.unsettled.isEmpty())
            continue;
        const Opener judge = a.opener == Opener::xdgOpen && a.route == u"kde"_s ? Opener::kde : a.opener;
        if (judge == Opener::kde && isHidden(gio.app->toLocalFile())) {
            a.unsettled = QCoreApplication::translate("Openers", "KDE programs do not see %1: its entry is hidden")
                              .arg(gio.id);
        } else if (judge == Opener::kde && !web.isEmpty() && gioAnswer(web).id != gio.id) {
            a.unsettled = QCoreApplication::translate(
                "Openers", "KDE programs open links and secure links in one app, GTK programs in two");
        } else if (a.opener == Opener::xdgOpen && a.route == u"generic"_s) {
            const QString asked = file.isEmpty() ? type : fileType(file);
            const Generic found = genericDefault(asked, lists);
            if (asked != type)
                a.unsettled = QCoreApplication::translate("Openers", "xdg-open asks for %1, the type file gives it")
                                  .arg(asked);
            else if (found.aheadOfDefault && found.id != gio.id)
                // GTK programs pass over that entry (it cannot run here, say); xdg-open does not.
                a.unsettled = QCoreApplication::translate("Openers", "xdg-open takes %1 from %2, which it reads first")
                                  .arg(found.id, found.where);
            else if (genericFind(lists, gio.id).isEmpty())
                a.unsettled = QCoreApplication::translate("Openers", "xdg-open cannot find %1 by its ID").arg(gio.id);
        }
    }
}

} // namespace

bool kdePresent()
{
    static const bool installed = [] {
        for (const char* dir : {"/usr/lib/" MULTIARCH_DIR, "/usr/lib64", "/usr/lib", "/lib/" MULTIARCH_DIR}) {
            for (const char* library : {"/libKF5Service.so.5", "/libKF6Service.so.6"}) {
                if (QFile::exists(QString::fromLatin1(dir) + QString::fromLatin1(library)))
                    return true;
            }
        }
        return false;
    }();
    if (!installed)
        return false;
    // KDE's database takes in the applications its menu lists: without a menu its programs
    // see none at all.
    const QString prefix = qEnvironmentVariable("XDG_MENU_PREFIX");
    for (const QString& dir : QStringList {userConfigDir()} + configDirs()) {
        for (const QString& menu : {prefix + u"applications.menu"_s, u"kf5-applications.menu"_s, u"kf6-applications.menu"_s}) {
            if (QFile::exists(dir + u"/menus/"_s + menu))
                return true;
        }
    }
    return false;
}

bool othersDecide()
{
    return kdePresent()
        || (xdgOpenRoute(qEnvironmentVariable("XDG_CURRENT_DESKTOP")) == u"generic"_s
            && !qEnvironmentVariableIsEmpty("DISPLAY"));
}

QList<OpenerAnswer> openers(const QString& contentType, const QString& file)
{
    const QString type = unalias(contentType);
    QList<OpenerAnswer> answers {gioAnswer(type)};
    const ReadLists lists = keptLists();
    if (kdePresent())
        answers.append(kdeAnswer(type, lists, *services(lists)));
    answers.append(xdgOpenAnswer(type, file, answers, lists));
    markUnsettled(answers, type, file, lists);
    return answers;
}

} // namespace openwright::gio
