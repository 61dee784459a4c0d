// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalog.h"
#include "Profile.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace openwright {

class DefaultsService;

// The families an application's types are shown in, in this order.
enum class TypeFamily
{
    video,
    audio,
    images,
    documents,
    textCode,
    archives,
    links,
    other
};

namespace TypeFamilies {
const QList<TypeFamily>& allCases();
QString title(TypeFamily family);
// By the MIME media type; application/* types by a short list of document and archive formats.
TypeFamily of(const QString& mimeType);
// "video/*", "audio/*", "image/*" and "text/*" (Text & Code) name a family; nothing else does.
std::optional<TypeFamily> fromPattern(const QString& pattern);
} // namespace TypeFamilies

// One type an application's entry declares.
struct DeclaredType
{
    QString type; // the MIME type the entry declares, by the name the system gives it
    Target target; // what a change of it asks for (see ApplicationIndex::read)
    TypeFamily family = TypeFamily::other;
    QString title; // the catalog's or the user's title, else the MIME database's description
    bool listed = false; // a catalog type or one of the user's own
};

// An installed application with what it declares, in family order.
struct InstalledApp
{
    AppInfo app;
    QString shownName; // the name, with what tells packagings apart when names are equal
    QString icon;
    QList<DeclaredType> declared;

    QList<DeclaredType> declaredIn(TypeFamily family) const;
};

// Every installed application a person would choose from, each with the types it declares, and
// the default of every declared type: one read of all applications, so that an application's
// page needs no platform call. An immutable value once read, except for setDefault, which keeps
// it current after a change; safe to copy between threads.
class ApplicationIndex final
{
public:
    // Blocks on the platform: call it off the GUI thread. `categories` are the listed types,
    // whose titles the lines of their MIME types take. With `only`, that application alone is
    // read (its name still told apart from the others').
    static ApplicationIndex read(const DefaultsService& service, const QList<FileCategory>& categories,
                                 const QUrl& only = {});

    bool isRead() const { return m_read; }
    const QList<InstalledApp>& apps() const { return m_apps; }
    const InstalledApp* app(const QUrl& url) const;
    // The installed application a name means: its desktop-file ID, identity or exact name.
    const InstalledApp* find(const DefaultsService& service, const QString& name) const;
    std::optional<AppInfo> currentDefault(const QString& type) const { return m_defaults.value(type); }
    std::optional<DefaultSource> source(const QString& type) const { return m_sources.value(type); }
    bool isDefault(const QUrl& app, const QString& type) const;
    // How many declared types of any application open in `app`.
    int defaultCount(const QUrl& app) const { return m_counts.value(app); }
    void setDefault(const QString& type, const std::optional<AppInfo>& app, std::optional<DefaultSource> source);
    QStringList types() const { return m_defaults.keys(); }

    // A profile that makes `app` the default of every type it declares in `family` (all of them
    // without one), named by `exactName` so that this very entry is what a run sets.
    static Profile useFor(const InstalledApp& app, std::optional<TypeFamily> family, const QString& exactName);

private:
    void count();

    bool m_read = false;
    QList<InstalledApp> m_apps;
    QHash<QUrl, qsizetype> m_byUrl;
    QHash<QString, std::optional<AppInfo>> m_defaults;
    QHash<QString, std::optional<DefaultSource>> m_sources;
    QHash<QUrl, int> m_counts;
};

} // namespace openwright
