// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationIndex.h"

#include "DefaultsService.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

QSet<QString> words(QStringView text)
{
    QSet<QString> set;
    for (QStringView word : text.split(u' ', Qt::SkipEmptyParts))
        set.insert(word.toString());
    return set;
}

bool isDocument(QStringView subtype)
{
    static const QSet<QString> exact
        = words(u"pdf postscript rtf epub+zip msword x-mobipocket-ebook vnd.amazon.ebook x-fictionbook+xml "
                u"vnd.comicbook+zip vnd.comicbook-rar x-cbr x-cbz oxps vnd.ms-xpsdocument x-dvi x-abiword");
    return exact.contains(subtype.toString()) || subtype.startsWith(u"vnd.oasis.opendocument.")
        || subtype.startsWith(u"vnd.openxmlformats-officedocument.") || subtype.startsWith(u"vnd.ms-")
        || subtype.startsWith(u"vnd.sun.xml.") || subtype.startsWith(u"x-iwork-");
}

bool isArchive(QStringView subtype)
{
    static const QSet<QString> exact
        = words(u"zip x-zip x-zip-compressed x-tar gzip x-gzip x-bzip x-bzip2 x-xz x-lzma x-lzip zstd "
                u"x-zstd x-7z-compressed x-rar vnd.rar x-rar-compressed x-cpio x-archive x-ar x-lha x-arj "
                u"x-compress x-cd-image x-iso9660-image vnd.debian.binary-package x-rpm x-java-archive");
    return exact.contains(subtype.toString()) || (subtype.startsWith(u"x-") && subtype.endsWith(u"-compressed-tar"))
        || subtype.endsWith(u"-compressed");
}

bool isCode(QStringView subtype)
{
    static const QSet<QString> exact
        = words(u"json javascript x-javascript ecmascript xml x-shellscript x-python x-perl x-ruby x-php "
                u"x-yaml yaml toml sql x-sql x-desktop x-wine-extension-ini xhtml+xml x-perl-script");
    return exact.contains(subtype.toString()) || subtype.endsWith(u"+xml") || subtype.endsWith(u"+json");
}

// What a change of `type` asks for. A link type the catalog knows as a scheme changes as that
// scheme, so the web browser's bundle moves together; but only when the application declares
// every type the bundle writes, since nothing it does not declare is ever changed (a browser
// that does not declare about: and unknown: is chosen for its own types one by one).
Target targetFor(const DefaultsService& service, const QString& type, const QSet<QString>& declared)
{
    static const auto scheme = u"x-scheme-handler/"_s;
    if (type.startsWith(scheme)) {
        const Target asScheme = Target::scheme(type.mid(scheme.size()));
        if (Target::isValidScheme(asScheme.payload()) && declared.contains(service.writtenTypes(asScheme)))
            return asScheme;
    }
    return Target::mimeType(type);
}

} // namespace

const QList<TypeFamily>& TypeFamilies::allCases()
{
    static const QList<TypeFamily> all
        = {TypeFamily::video,    TypeFamily::audio,    TypeFamily::images, TypeFamily::documents,
           TypeFamily::textCode, TypeFamily::archives, TypeFamily::links,  TypeFamily::other};
    return all;
}

QString TypeFamilies::title(TypeFamily family)
{
    switch (family) {
    case TypeFamily::video: return QCoreApplication::translate("TypeFamily", "Video");
    case TypeFamily::audio: return QCoreApplication::translate("TypeFamily", "Audio");
    case TypeFamily::images: return QCoreApplication::translate("TypeFamily", "Images");
    case TypeFamily::documents: return QCoreApplication::translate("TypeFamily", "Documents");
    case TypeFamily::textCode: return QCoreApplication::translate("TypeFamily", "Text & Code");
    case TypeFamily::archives: return QCoreApplication::translate("TypeFamily", "Archives");
    case TypeFamily::links: return QCoreApplication::translate("TypeFamily", "Links");
    case TypeFamily::other: return QCoreApplication::translate("TypeFamily", "Other");
    }
    return {};
}

TypeFamily TypeFamilies::of(const QString& mimeType)
{
    const qsizetype slash = mimeType.indexOf(u'/');
    if (slash < 0)
        return TypeFamily::other;
    const QStringView media = QStringView(mimeType).left(slash);
    const QStringView subtype = QStringView(mimeType).mid(slash + 1);
    if (media == u"video")
        return TypeFamily::video;
    if (media == u"audio")
        return TypeFamily::audio;
    if (media == u"image")
        return TypeFamily::images;
    if (media == u"text")
        return TypeFamily::textCode;
    if (media == u"x-scheme-handler")
        return TypeFamily::links;
    if (media == u"application") {
        if (isDocument(subtype))
            return TypeFamily::documents;
        if (isArchive(subtype))
            return TypeFamily::archives;
        if (isCode(subtype))
            return TypeFamily::textCode;
    }
    return TypeFamily::other;
}

std::optional<TypeFamily> TypeFamilies::fromPattern(const QString& pattern)
{
    const QString p = pattern.trimmed().toLower();
    if (p == u"video/*"_s)
        return TypeFamily::video;
    if (p == u"audio/*"_s)
        return TypeFamily::audio;
    if (p == u"image/*"_s)
        return TypeFamily::images;
    if (p == u"text/*"_s)
        return TypeFamily::textCode;
    return std::nullopt;
}

QList<DeclaredType> InstalledApp::declaredIn(TypeFamily family) const
{
    QList<DeclaredType> in;
    for (const DeclaredType& d : declared) {
        if (d.family == family)
            in.append(d);
    }
    return in;
}

ApplicationIndex ApplicationIndex::read(const DefaultsService& service, const QList<FileCategory>& categories,
                                        const QUrl& only)
{
    ApplicationIndex index;
    index.m_read = true;
    QHash<QString, const FileCategory*> listed;
    for (const FileCategory& c : categories) {
        if (const auto type = service.platformType(c.target); type && !listed.contains(*type))
            listed.insert(*type, &c);
    }
    const QList<AppInfo> apps = service.installedApplications();
    const QHash<QUrl, QString> names = distinctNames(apps);
    QHash<QString, QString> descriptions;
    QHash<QString, std::optional<QString>> realTypes;
    index.m_apps.reserve(apps.size());
    for (const AppInfo& app : apps) {
        if (!only.isEmpty() && app.url != only)
            continue;
        InstalledApp entry {app, names.value(app.url, app.name), service.iconName(app.url), {}};
        QSet<QString> declared;
        for (const QString& written : service.declaredTypes(app.url)) {
            // Only a type some file has can change, by the one name the system gives it: an
            // alias or another spelling is that type, and a type no database knows is none.
            const QString type = written.trimmed();
            if (type.isEmpty() || !type.contains(u'/'))
                continue;
            // Applications share most types: each spelling is looked up once.
            auto real = realTypes.constFind(type);
            if (real == realTypes.cend())
                real = realTypes.insert(type, service.realType(type));
            if (*real)
                declared.insert(**real);
        }
        for (const QString& type : declared) {
            DeclaredType line {type, targetFor(service, type, declared), TypeFamilies::of(type), {}, false};
            if (const auto it = listed.constFind(type); it != listed.cend()) {
                line.title = (*it)->title;
                line.listed = true;
            } else {
                auto description = descriptions.constFind(type);
                if (description == descriptions.cend())
                    description = descriptions.insert(type, service.typeDescription(type));
                line.title = description->isEmpty() ? type : *description;
            }
            if (!index.m_defaults.contains(type)) {
                index.m_defaults.insert(type, service.currentDefault(Target::mimeType(type)));
                index.m_sources.insert(type, service.source(Target::mimeType(type)));
            }
            entry.declared.append(std::move(line));
        }
        std::sort(entry.declared.begin(), entry.declared.end(), [](const DeclaredType& a, const DeclaredType& b) {
            return a.family != b.family ? a.family < b.family : codePointLess(a.type, b.type);
        });
        index.m_byUrl.insert(app.url, index.m_apps.size());
        index.m_apps.append(std::move(entry));
    }
    index.count();
    return index;
}

const InstalledApp* ApplicationIndex::app(const QUrl& url) const
{
    const auto it = m_byUrl.constFind(url);
    return it == m_byUrl.cend() ? nullptr : &m_apps.at(*it);
}

const InstalledApp* ApplicationIndex::find(const DefaultsService& service, const QString& name) const
{
    const auto located = service.locate(name);
    return located ? app(located->app.url) : nullptr;
}

bool ApplicationIndex::isDefault(const QUrl& app, const QString& type) const
{
    const auto it = m_defaults.constFind(type);
    return it != m_defaults.cend() && *it && it->value().url == app;
}

void ApplicationIndex::setDefault(const QString& type, const std::optional<AppInfo>& app,
                                  std::optional<DefaultSource> source)
{
    const auto it = m_defaults.find(type);
    if (it == m_defaults.end())
        return;
    m_sources.insert(type, source);
    if (*it == app)
        return;
    if (*it)
        --m_counts[it->value().url];
    if (app)
        ++m_counts[app->url];
    *it = app;
}

void ApplicationIndex::count()
{
    m_counts.clear();
    for (const std::optional<AppInfo>& app : std::as_const(m_defaults)) {
        if (app)
            ++m_counts[app->url];
    }
}

Profile ApplicationIndex::useFor(const InstalledApp& app, std::optional<TypeFamily> family, const QString& exactName)
{
    Profile profile;
    profile.id = newIdentifier();
    profile.kind = Profile::Kind::custom;
    profile.symbol = u"square.grid.2x2"_s;
    profile.name = family
        ? QCoreApplication::translate("ApplicationIndex", "Use %1 for All %2")
              .arg(app.shownName, TypeFamilies::title(*family))
        : QCoreApplication::translate("ApplicationIndex", "Use %1 for All Its Types").arg(app.shownName);
    for (const DeclaredType& d : family ? app.declaredIn(*family) : app.declared)
        profile.entries.append({d.target, exactName, app.app.name});
    const int n = int(profile.entries.size());
    profile.summary = family ? QCoreApplication::translate("ApplicationIndex", "%1 declares %n type(s) in %2.", nullptr, n)
                                   .arg(app.shownName, TypeFamilies::title(*family))
                             : QCoreApplication::translate("ApplicationIndex", "%1 declares %n type(s).", nullptr, n)
                                   .arg(app.shownName);
    return profile;
}

} // namespace openwright
