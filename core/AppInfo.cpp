// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppInfo.h"

#include "Json.h"

#include <QJsonObject>

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
