// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypeIndex.h"

#include "ApplicationIndex.h"
#include "DefaultsService.h"

#include <QSet>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

TypeIndex TypeIndex::read(const DefaultsService& service, const QList<FileCategory>& categories,
                          const ApplicationIndex& apps)
{
    TypeIndex index;
    index.m_read = true;
    QHash<QString, QString> titles;
    for (const FileCategory& c : categories) {
        if (const auto type = service.platformType(c.target); type && !titles.contains(*type))
            titles.insert(*type, c.title);
    }
    QStringList types = service.knownTypes();
    QSet<QString> seen(types.cbegin(), types.cend());
    // The database knows no link types: they are as many as the applications declare.
    for (const QString& type : apps.types()) {
        if (type.startsWith("x-scheme-handler/"_L1) && !seen.contains(type)) {
            seen.insert(type);
            types.append(type);
        }
    }
    const QHash<QString, QStringList> patterns = service.typePatterns();
    index.m_types.reserve(types.size());
    for (const QString& type : std::as_const(types)) {
        const qsizetype slash = type.indexOf(u'/');
        if (slash <= 0)
            continue;
        KnownType known {type,
                         Target::mimeType(type),
                         type.left(slash),
                         service.typeDescription(type),
                         patterns.value(type),
                         titles.value(type),
                         {},
                         {}};
        if (known.description.isEmpty())
            known.description = type;
        // Read afresh, not taken from the applications: a change of a parent type changes
        // where a subtype's answer comes from without moving its app.
        known.current = service.currentDefault(known.target);
        known.source = service.source(known.target);
        index.m_types.append(std::move(known));
    }
    std::sort(index.m_types.begin(), index.m_types.end(), [](const KnownType& a, const KnownType& b) {
        return a.mediaType != b.mediaType ? codePointLess(a.mediaType, b.mediaType) : codePointLess(a.type, b.type);
    });
    for (qsizetype i = 0; i < index.m_types.size(); ++i)
        index.m_byType.insert(index.m_types[i].type, i);
    return index;
}

const KnownType* TypeIndex::find(const QString& type) const
{
    const auto it = m_byType.constFind(type);
    return it == m_byType.cend() ? nullptr : &m_types.at(*it);
}

bool TypeIndex::matches(const KnownType& type, const QString& query)
{
    const auto holds = [&](const QString& text) { return text.contains(query, Qt::CaseInsensitive); };
    return holds(type.type) || holds(type.description) || holds(type.title)
        || std::any_of(type.patterns.cbegin(), type.patterns.cend(), holds)
        || (type.current && holds(type.current->name));
}

void TypeIndex::setDefault(const QString& type, const std::optional<AppInfo>& app, std::optional<DefaultSource> source)
{
    const auto it = m_byType.constFind(type);
    if (it == m_byType.cend())
        return;
    KnownType& known = m_types[*it];
    known.current = app;
    known.source = source;
}

} // namespace openwright
