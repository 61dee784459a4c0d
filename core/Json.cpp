// SPDX-License-Identifier: GPL-3.0-or-later
#include "Json.h"

#include "Target.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace openwright::Json {

namespace {

// Room for `n` more bytes at the end of `out`, growing geometrically; returns where to write.
char* reserveTail(QByteArray& out, qsizetype n)
{
    const qsizetype size = out.size();
    if (size + n > out.capacity())
        out.reserve(std::max(out.capacity() * 2, size + n));
    out.resize(size + n);
    return out.data() + size;
}

char* putUtf8(char* p, char32_t c)
{
    if (c < 0x800) {
        *p++ = char(0xC0 | (c >> 6));
    } else if (c < 0x10000) {
        *p++ = char(0xE0 | (c >> 12));
        *p++ = char(0x80 | ((c >> 6) & 0x3F));
    } else {
        *p++ = char(0xF0 | (c >> 18));
        *p++ = char(0x80 | ((c >> 12) & 0x3F));
        *p++ = char(0x80 | ((c >> 6) & 0x3F));
    }
    *p++ = char(0x80 | (c & 0x3F));
    return p;
}

// The letter of a two-character escape ("\n"), or 0 when the character needs none.
char shortEscape(char16_t c)
{
    switch (c) {
    case u'"': return '"';
    case u'\\': return '\\';
    case u'/': return '/';
    case u'\b': return 'b';
    case u'\f': return 'f';
    case u'\n': return 'n';
    case u'\r': return 'r';
    case u'\t': return 't';
    default: return 0;
    }
}

// Escapes one run of text; every UTF-16 unit takes at most 6 bytes ("\u001f").
char* putEscaped(char* p, QStringView s)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c >= 0x20 && c < 0x80 && c != u'"' && c != u'\\' && c != u'/') {
            *p++ = char(c);
        } else if (const char letter = shortEscape(c)) {
            *p++ = '\\';
            *p++ = letter;
        } else if (c < 0x20) {
            std::memcpy(p, "\\u00", 4);
            p[4] = hex[c >> 4];
            p[5] = hex[c & 0xF];
            p += 6;
        } else if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            p = putUtf8(p, QChar::surrogateToUcs4(c, s[i + 1].unicode()));
            ++i;
        } else if (QChar::isSurrogate(c)) {
            p = putUtf8(p, 0xFFFD); // a lone surrogate cannot be written as UTF-8
        } else {
            p = putUtf8(p, c);
        }
    }
    return p;
}

// A JSON string made of one or two runs of text (a target's id is a dot or colon plus its
// payload: no temporary string is built for it).
void writeString(QByteArray& out, QStringView a, QStringView b = {})
{
    char* p = reserveTail(out, (a.size() + b.size()) * 6 + 2);
    *p++ = '"';
    p = putEscaped(p, a);
    p = putEscaped(p, b);
    *p++ = '"';
    out.resize(p - out.constData());
}

void indent(QByteArray& out, int level)
{
    std::memset(reserveTail(out, qsizetype(level) * 2), ' ', size_t(level) * 2);
}

} // namespace

QByteArray write(const QJsonValue& value)
{
    JsonWriter out;
    out.value(value);
    return out.finish();
}

QJsonValue read(const QByteArray& bytes)
{
    if (bytes.size() > kMaxDocumentBytes)
        throw DecodeError(QStringLiteral("The document is too large"));
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
    return QDateTime::fromSecsSinceEpoch(secs, QTimeZone::utc()).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + u'Z';
}

QDateTime parseDate(const QString& text)
{
    // "YYYY-MM-DDTHH:MM:SSZ", ASCII digits only.
    static constexpr char16_t kShape[] = u"0000-00-00T00:00:00Z";
    constexpr qsizetype kLength = std::size(kShape) - 1;
    bool shaped = text.size() == kLength;
    for (qsizetype i = 0; shaped && i < kLength; ++i)
        shaped = kShape[i] == u'0' ? text[i] >= u'0' && text[i] <= u'9' : text[i] == kShape[i];
    if (shaped) {
        const auto number = [&](qsizetype at, qsizetype length) { return QStringView(text).sliced(at, length).toInt(); };
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
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

namespace openwright {

using Json::indent;
using Json::writeString;

JsonWriter::JsonWriter()
{
    m_out.reserve(64 * 1024);
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_empty.isEmpty())
        return;
    m_out += m_empty.last() ? "\n" : ",\n";
    m_empty.last() = false;
    indent(m_out, int(m_empty.size()));
}

void JsonWriter::close(char bracket)
{
    const bool empty = m_empty.takeLast();
    if (!empty) {
        m_out += '\n';
        indent(m_out, int(m_empty.size()));
    }
    m_out += bracket;
}

void JsonWriter::beginObject()
{
    beforeValue();
    m_out += '{';
    m_empty.append(true);
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray()
{
    beforeValue();
    m_out += '[';
    m_empty.append(true);
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::key(QLatin1StringView name)
{
    beforeValue();
    m_out += '"';
    m_out += QByteArrayView(name.data(), name.size());
    m_out += "\" : ";
    m_afterKey = true;
}

void JsonWriter::key(QStringView name)
{
    beforeValue();
    writeString(m_out, name);
    m_out += " : ";
    m_afterKey = true;
}

void JsonWriter::string(QStringView text)
{
    beforeValue();
    writeString(m_out, text);
}

void JsonWriter::string(QStringView first, QStringView second)
{
    beforeValue();
    writeString(m_out, first, second);
}

void JsonWriter::boolean(bool value)
{
    beforeValue();
    m_out += value ? "true" : "false";
}

void JsonWriter::integer(qint64 value)
{
    beforeValue();
    m_out += QByteArray::number(value);
}

void JsonWriter::null()
{
    beforeValue();
    m_out += "null";
}

void JsonWriter::value(const QJsonValue& v)
{
    switch (v.type()) {
    case QJsonValue::Null:
    case QJsonValue::Undefined: null(); break;
    case QJsonValue::Bool: boolean(v.toBool()); break;
    case QJsonValue::Double: {
        const double d = v.toDouble();
        if (d == static_cast<double>(static_cast<qint64>(d))) {
            integer(static_cast<qint64>(d));
        } else {
            beforeValue();
            m_out += QByteArray::number(d, 'g', 17);
        }
        break;
    }
    case QJsonValue::String: string(v.toString()); break;
    case QJsonValue::Array:
        beginArray();
        for (const QJsonValue& item : v.toArray())
            value(item);
        endArray();
        break;
    case QJsonValue::Object: {
        const QJsonObject object = v.toObject();
        QStringList keys = object.keys();
        // QJsonObject keeps its keys in UTF-16 order, not code point order.
        std::sort(keys.begin(), keys.end(), [](const QString& a, const QString& b) { return codePointLess(a, b); });
        beginObject();
        for (const QString& k : keys) {
            key(QStringView(k));
            value(object.value(k));
        }
        endObject();
        break;
    }
    }
}

QByteArray JsonWriter::finish()
{
    m_out += '\n';
    return std::move(m_out);
}

} // namespace openwright
