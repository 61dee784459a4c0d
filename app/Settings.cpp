// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <QDir>
#include <QStandardPaths>

#include <cmath>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

Settings::Settings(const QString& path)
    : m_settings(path, QSettings::IniFormat)
{
}

QString Settings::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(u"Openwright/Openwright.conf"_s);
}

// INI files give every scalar back as text: exactly "true" or "false" is a Boolean, text that
// reads as a finite number is a number, anything else is missing.
bool Settings::value(const Key<bool>& key) const
{
    const QVariant v = m_settings.value(QLatin1StringView(key.name));
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() == QMetaType::QString) {
        if (v.toString() == u"true"_s)
            return true;
        if (v.toString() == u"false"_s)
            return false;
    }
    return key.fallback;
}

double Settings::value(const Key<double>& key) const
{
    const QVariant v = m_settings.value(QLatin1StringView(key.name));
    bool ok = false;
    double d = 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
        d = v.toDouble(&ok);
    else if (v.typeId() == QMetaType::QString)
        d = v.toString().toDouble(&ok);
    return ok && std::isfinite(d) ? d : key.fallback;
}

QByteArray Settings::value(const Key<const char*>& key) const
{
    const QVariant v = m_settings.value(QLatin1StringView(key.name));
    if (v.typeId() != QMetaType::QString)
        return QByteArray(key.fallback);
    return QByteArray::fromBase64(v.toString().toLatin1());
}

void Settings::setValue(const Key<const char*>& key, const QByteArray& value)
{
    m_settings.setValue(QLatin1StringView(key.name), QString::fromLatin1(value.toBase64()));
    m_settings.sync();
}

void Settings::setValue(const Key<bool>& key, bool value)
{
    m_settings.setValue(QLatin1StringView(key.name), value);
    m_settings.sync();
}

void Settings::setValue(const Key<double>& key, double value)
{
    m_settings.setValue(QLatin1StringView(key.name), value);
    m_settings.sync();
}

} // namespace openwright
