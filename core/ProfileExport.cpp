// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileExport.h"

#include "Json.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

QByteArray ProfileExport::encoded() const
{
    JsonWriter out;
    out.beginObject();
    out.member("format"_L1, format);
    out.key("profiles"_L1);
    JsonCodec<QList<Profile>>::encode(out, profiles);
    out.key("version"_L1);
    out.integer(version);
    out.endObject();
    return out.finish();
}

QList<Profile> ProfileExport::decode(const QByteArray& data)
{
    const QJsonObject o = Json::asObject(Json::read(data), "a profile export");
    const QString format = Json::requireString(o, "format"_L1);
    Json::requireInteger(o, "version"_L1); // any version is read; later ones only add members
    QList<Profile> profiles = JsonCodec<QList<Profile>>::decode(Json::requireArray(o, "profiles"_L1));
    if (format != QLatin1StringView(kFormat))
        throw DecodeError(u"The file couldn\u2019t be opened because it isn\u2019t in the correct format."_s);
    for (Profile& p : profiles) {
        // A name is a line of text: a control character in it would cut or garble every list
        // that shows it.
        if (std::any_of(p.name.cbegin(), p.name.cend(), [](QChar c) { return c.category() == QChar::Other_Control; }))
            throw DecodeError(u"A profile\u2019s name holds control characters."_s);
        p.id = newIdentifier();
        if (p.kind == Profile::Kind::preset)
            p.kind = Profile::Kind::custom;
    }
    return profiles;
}

QString ProfileExport::notAnExportMessage()
{
    return QCoreApplication::translate("ProfileExport", "That file isn't an Openwright profile export.");
}

} // namespace openwright
