// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTimeZone>

#include <algorithm>

namespace openwright::Json {

namespace {

void writeString(QByteArray& out, const QString& s)
{
    out += '"';
    const QByteArray utf8 = s.toUtf8();
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '/': out += "\\/"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                out += "\\u00";
                out += hex[c >> 4];
                out += hex[c & 0xF];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

void indent(QByteArray& out, int level)
{
    out.append(QByteArray(level * 2, ' '));
}

// Member names in ascending order of their Unicode scalars, independent of how the
// container happens to keep them.
bool keyLess(const QString& a, const QString& b)
{
    return std::lexicographical_compare(a.toUcs4().cbegin(), a.toUcs4().cend(), b.toUcs4().cbegin(),
        b.toUcs4().cend());
}

void writeValue(QByteArray& out, const QJsonValue& value, int level)
{
    switch (value.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: out += "null"; break;
    case QJsonValue::Bool: out += value.toBool() ? "true" : "false"; break;
    case QJsonValue::Double: {
        const double d = value.toDouble();
        if (d == static_cast<double>(static_cast<qint64>(d)))
            out += QByteArray::number(static_cast<qint64>(d));
        else
            out += QByteArray::number(d, 'g', 17);
        break;
    }
    case QJsonValue::String: writeString(out, value.toString()); break;
    case QJsonValue::Array: {
        const QJsonArray array = value.toArray();
        if (array.isEmpty()) {
            out += "[]";
            break;
        }
        out += "[\n";
        for (qsizetype i = 0; i < array.size(); ++i) {
            indent(out, level + 1);
            writeValue(out, array.at(i), level + 1);
            out += i + 1 < array.size() ? ",\n" : "\n";
        }
        indent(out, level);
        out += ']';
        break;
    }
    case QJsonValue::Object: {
        const QJsonObject object = value.toObject();
        if (object.isEmpty()) {
            out += "{}";
            break;
        }
        QStringList keys = object.keys();
        // QJsonObject keeps keys in UTF-16 order; re-sort only when that can differ.
        const bool ascii = std::all_of(keys.cbegin(), keys.cend(), [](const QString& k) {
            return std::all_of(k.cbegin(), k.cend(), [](QChar c) { return c.unicode() < 0xD800; });
        });
        if (!ascii)
            std::sort(keys.begin(), keys.end(), keyLess);
        out += "{\n";
        for (qsizetype i = 0; i < keys.size(); ++i) {
            indent(out, level + 1);
            writeString(out, keys.at(i));
            out += " : ";
            writeValue(out, object.value(keys.at(i)), level + 1);
            out += i + 1 < keys.size() ? ",\n" : "\n";
        }
        indent(out, level);
        out += '}';
        break;
    }
    }
}

} // namespace

QByteArray write(const QJsonValue& value)
{
    QByteArray out;
    out.reserve(4096);
    writeValue(out, value, 0);
    out += '\n';
    return out;
}

QJsonValue read(const QByteArray& bytes)
{
    if (bytes.size() > kMaxDocumentBytes)
        throw DecodeError(QStringLiteral("The document is too large"));
    // Qt's parser quietly replaces invalid UTF-8; a damaged file must be refused instead.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(decoder.decode(bytes));
    if (decoder.hasError())
        throw DecodeError(QStringLiteral("The document is not valid UTF-8"));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw DecodeError(QStringLiteral("The document is not valid JSON: ") + error.errorString());
    if (doc.isArray())
        return doc.array();
    if (doc.isObject())
        return doc.object();
    throw DecodeError(QStringLiteral("The document is empty"));
}

QString formatDate(const QDateTime& date)
{
    // Whole seconds, rounded down: the stored instant is never later than the real one.
    const qint64 ms = date.toMSecsSinceEpoch();
    const qint64 secs = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    return QDateTime::fromSecsSinceEpoch(secs, QTimeZone::utc()).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
        + u'Z';
}

QDateTime parseDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})T(\\d{2}):(\\d{2}):(\\d{2})Z$"));
    const auto m = shape.match(text);
    if (m.hasMatch()) {
        const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
        if (date.isValid() && time.isValid()) {
            const QDateTime result(date, time, QTimeZone::utc());
            if (result.isValid() && formatDate(result) == text)
                return result;
        }
    }
    throw DecodeError(QStringLiteral("Expected date string to be ISO8601-formatted: ") + text);
}

QJsonObject asObject(const QJsonValue& value, const char* what)
{
    if (!value.isObject())
        throw DecodeError(QStringLiteral("Expected an object for ") + QLatin1StringView(what));
    return value.toObject();
}

QJsonArray asArray(const QJsonValue& value, const char* what)
{
    if (!value.isArray())
        throw DecodeError(QStringLiteral("Expected an array for ") + QLatin1StringView(what));
    return value.toArray();
}

namespace {

QJsonValue require(const QJsonObject& object, QLatin1StringView key)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd() || it->isNull())
        throw DecodeError(QStringLiteral("No value associated with key \"") + key + u'"');
    return *it;
}

[[noreturn]] void mistyped(QLatin1StringView key, const char* expected)
{
    throw DecodeError(QStringLiteral("Expected ") + QLatin1StringView(expected) + QStringLiteral(" for key \"") + key
        + u'"');
}

} // namespace

QString requireString(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue v = require(object, key);
    if (!v.isString())
        mistyped(key, "a string");
    return v.toString();
}

bool requireBool(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue v = require(object, key);
    if (!v.isBool())
        mistyped(key, "a Boolean");
    return v.toBool();
}

qint64 requireInteger(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue v = require(object, key);
    if (!v.isDouble())
        mistyped(key, "an integer");
    const double d = v.toDouble();
    // Within the range a double carries exactly, and whole.
    if (!(d >= -9007199254740992.0 && d <= 9007199254740992.0) || d != static_cast<double>(static_cast<qint64>(d)))
        mistyped(key, "an integer");
    return static_cast<qint64>(d);
}

QJsonArray requireArray(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue v = require(object, key);
    if (!v.isArray())
        mistyped(key, "an array");
    return v.toArray();
}

QJsonObject requireObject(const QJsonObject& object, QLatin1StringView key)
{
    const QJsonValue v = require(object, key);
    if (!v.isObject())
        mistyped(key, "an object");
    return v.toObject();
}

QDateTime requireDate(const QJsonObject& object, QLatin1StringView key)
{
    return parseDate(requireString(object, key));
}

std::optional<QJsonObject> optionalObject(const QJsonObject& object, QLatin1StringView key)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd() || it->isNull())
        return std::nullopt;
    if (!it->isObject())
        mistyped(key, "an object");
    return it->toObject();
}

std::optional<QString> optionalString(const QJsonObject& object, QLatin1StringView key)
{
    const auto it = object.constFind(key);
    if (it == object.constEnd() || it->isNull())
        return std::nullopt;
    if (!it->isString())
        mistyped(key, "a string");
    return it->toString();
}

} // namespace openwright::Json
