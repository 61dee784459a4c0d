// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppInfo.h"

#include "Json.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QSet>

namespace openwright {

QString pathOf(const QUrl& url)
{
    QString path = url.path(QUrl::FullyDecoded);
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

QString AppInfo::id() const
{
    return bundleID ? *bundleID : pathOf(url);
}

bool AppInfo::isSameApp(const std::optional<AppInfo>& other) const
{
    if (!other)
        return false;
    if (bundleID && other->bundleID)
        return *bundleID == *other->bundleID;
    return url.adjusted(QUrl::NormalizePathSegments) == other->url.adjusted(QUrl::NormalizePathSegments);
}

bool AppInfo::isSameEntry(const std::optional<AppInfo>& other) const
{
    return other
        && pathOf(url.adjusted(QUrl::NormalizePathSegments))
        == pathOf(other->url.adjusted(QUrl::NormalizePathSegments));
}

namespace {

// What tells an entry apart from another of the same name: its packaging, else its folder.
QString packagingOf(const QUrl& url)
{
    const QString path = pathOf(url);
    if (path.contains(u"/flatpak/exports/share/applications/"))
        return QStringLiteral("Flatpak");
    if (path.contains(u"/snapd/desktop/applications/") || path.startsWith(u"/snap/"))
        return QStringLiteral("Snap");
    QString folder = QFileInfo(path).path();
    const QString home = QDir::homePath();
    if (folder == home || folder.startsWith(home + u'/'))
        folder = u'~' + folder.mid(home.size());
    return folder;
}

} // namespace

QHash<QUrl, QString> distinctNames(const QList<AppInfo>& apps)
{
    QHash<QString, QSet<QString>> pathsByName;
    for (const AppInfo& a : apps)
        pathsByName[a.name].insert(pathOf(a.url));
    // Two entries of one name in one folder: only their file names tell them apart.
    QHash<QString, int> labelUses;
    QHash<QUrl, QString> labels;
    for (const AppInfo& a : apps) {
        if (pathsByName.value(a.name).size() < 2 || labels.contains(a.url))
            continue;
        const QString label = packagingOf(a.url);
        labels.insert(a.url, label);
        ++labelUses[a.name + u'\n' + label];
    }
    QHash<QUrl, QString> names;
    for (const AppInfo& a : apps) {
        auto label = labels.constFind(a.url);
        if (label == labels.cend()) {
            names.insert(a.url, a.name);
            continue;
        }
        QString tell = *label;
        if (labelUses.value(a.name + u'\n' + tell) > 1)
            tell = QFileInfo(pathOf(a.url)).completeBaseName();
        names.insert(a.url, a.name + QStringLiteral(" (") + tell + u')');
    }
    return names;
}

void AppInfo::write(JsonWriter& out) const
{
    out.beginObject();
    if (bundleID) {
        out.member(QLatin1StringView("bundleID"), *bundleID);
    }
    out.member(QLatin1StringView("name"), name);
    out.member(QLatin1StringView("url"), url.toString(QUrl::FullyEncoded));
    out.endObject();
}

AppInfo AppInfo::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "an application");
    const QString urlText = Json::requireString(o, QLatin1StringView("url"));
    QUrl url(urlText, QUrl::StrictMode);
    if (urlText.isEmpty() || !url.isValid() || url.isRelative())
        throw DecodeError(QStringLiteral("Invalid URL string: ") + urlText);
    // Held in the form it is written back in, so a saved record reads back equal.
    url = QUrl(url.toString(QUrl::FullyEncoded), QUrl::StrictMode);
    return AppInfo {url, Json::optionalString(o, QLatin1StringView("bundleID")),
                    Json::requireString(o, QLatin1StringView("name"))};
}

} // namespace openwright
