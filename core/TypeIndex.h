// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppInfo.h"
#include "Catalog.h"
#include "TargetState.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace openwright {

class ApplicationIndex;
class DefaultsService;

// One type of every type the system knows, with what opens it.
struct KnownType
{
    QString type; // by the name the system gives it
    Target target; // what a change of it asks for: this type alone
    QString mediaType; // the part before the slash: "image", "x-scheme-handler"
    QString description; // the MIME database's, or "mailto: links"; the type itself without one
    QStringList patterns; // the file names it is given by ("*.pdf"), heaviest first
    QString title; // the catalog's or the user's title where they list the type; else empty
    std::optional<AppInfo> current;
    std::optional<DefaultSource> source;
};

// Every MIME type the shared MIME database knows and every link type an installed application
// declares, each with its description, patterns and default: what the All Types list shows. An
// immutable value once read, except for setDefault, which keeps it current after a change; safe
// to copy between threads.
class TypeIndex final
{
public:
    // Blocks on the platform: call it off the GUI thread. The link types come from `apps`,
    // read before.
    static TypeIndex read(const DefaultsService& service, const QList<FileCategory>& categories,
                          const ApplicationIndex& apps);

    bool isRead() const { return m_read; }
    // By media type, then by type.
    const QList<KnownType>& types() const { return m_types; }
    const KnownType* find(const QString& type) const;
    // Whether the type's description, name, patterns, title or current application holds
    // `query`, in any case: what a search finds it by.
    static bool matches(const KnownType& type, const QString& query);
    void setDefault(const QString& type, const std::optional<AppInfo>& app, std::optional<DefaultSource> source);

private:
    bool m_read = false;
    QList<KnownType> m_types;
    QHash<QString, qsizetype> m_byType;
};

} // namespace openwright
