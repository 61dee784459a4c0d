// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupReason.h"

#include "Json.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr const char* kCaseNames[] = {"manual", "daily", "beforeProfile", "beforeRestore", "beforeRevert"};

} // namespace

QString BackupReason::title() const
{
    switch (m_case) {
    case Case::manual: return QCoreApplication::translate("BackupReason", "Saved by you");
    case Case::daily: return QCoreApplication::translate("BackupReason", "Daily backup");
    case Case::beforeProfile: return QCoreApplication::translate("BackupReason", "Before applying “%1”").arg(m_name);
    case Case::beforeRestore: return QCoreApplication::translate("BackupReason", "Before restoring “%1”").arg(m_name);
    case Case::beforeRevert:
        return QCoreApplication::translate("BackupReason", "Before reverting %1").arg(m_target.id());
    }
    return {};
}

QString BackupReason::symbol() const
{
    switch (m_case) {
    case Case::manual: return u"hand.tap"_s;
    case Case::daily: return u"calendar"_s;
    case Case::beforeProfile: return u"square.stack"_s;
    case Case::beforeRestore: return u"clock.arrow.circlepath"_s;
    case Case::beforeRevert: return u"shield.lefthalf.filled"_s;
    }
    return {};
}

void BackupReason::write(JsonWriter& out) const
{
    out.beginObject();
    out.key(QLatin1StringView(kCaseNames[static_cast<int>(m_case)]));
    out.beginObject();
    if (m_case == Case::beforeProfile || m_case == Case::beforeRestore) {
        out.member("_0"_L1, m_name);
    } else if (m_case == Case::beforeRevert) {
        out.key("_0"_L1);
        m_target.write(out);
    }
    out.endObject();
    out.endObject();
}

BackupReason BackupReason::fromJson(const QJsonValue& value)
{
    const QJsonObject o = Json::asObject(value, "a backup reason");
    int found = -1;
    int count = 0;
    for (int i = 0; i < 5; ++i) {
        if (o.contains(QLatin1StringView(kCaseNames[i]))) {
            found = i;
            ++count;
        }
    }
    if (count != 1)
        throw DecodeError(u"Invalid number of keys found, expected one."_s);
    const auto c = static_cast<Case>(found);
    const QJsonObject payload = Json::asObject(o.value(QLatin1StringView(kCaseNames[found])), "a backup reason");
    switch (c) {
    case Case::manual: return manual();
    case Case::daily: return daily();
    case Case::beforeProfile: return beforeProfile(Json::requireString(payload, "_0"_L1));
    case Case::beforeRestore: return beforeRestore(Json::requireString(payload, "_0"_L1));
    case Case::beforeRevert:
        if (!payload.contains("_0"_L1))
            throw DecodeError(u"No value associated with key \"_0\""_s);
        return beforeRevert(Target::fromJson(payload.value("_0"_L1)));
    }
    return manual();
}

} // namespace openwright
