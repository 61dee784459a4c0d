// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <exception>
#include <optional>

namespace openwright {

// A document or value that does not have the shape a record needs. Its message is the
// text a caller may show or log; decoding never yields a half-built value.
class DecodeError final : public std::exception
{
public:
    explicit DecodeError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8())
    {
    }
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The JSON settings shared by the data files and the export file: pretty-printed, members
// sorted by key, dates as ISO 8601 UTC text with whole seconds and "Z", "/" written as "\/".
namespace Json {

// Documents larger than this are refused rather than read into memory. 200 backups of 64
// defaults take 1.8 MB and the stress case of 2,000 takes 18.5 MB; the automatic ones are
// pruned to 100, so only thousands of manual backups come near.
constexpr qsizetype kMaxDocumentBytes = 32 * 1024 * 1024;

// Writes a generic value (tests, tools); records stream through JsonWriter instead.
QByteArray write(const QJsonValue& value);
// Parses a whole document; throws DecodeError for anything that is not valid UTF-8 JSON.
QJsonValue read(const QByteArray& bytes);

QString formatDate(const QDateTime& date);
// Strict: exactly YYYY-MM-DDTHH:MM:SSZ naming a real instant. Throws DecodeError otherwise.
QDateTime parseDate(const QString& text);

// Field access that throws DecodeError naming the member when it is missing or mistyped.
QJsonObject asObject(const QJsonValue& value, const char* what);
QJsonArray asArray(const QJsonValue& value, const char* what);
QString requireString(const QJsonObject& object, QLatin1StringView key);
bool requireBool(const QJsonObject& object, QLatin1StringView key);
qint64 requireInteger(const QJsonObject& object, QLatin1StringView key);
QJsonArray requireArray(const QJsonObject& object, QLatin1StringView key);
QJsonObject requireObject(const QJsonObject& object, QLatin1StringView key);
QDateTime requireDate(const QJsonObject& object, QLatin1StringView key);
// A member that may be missing or null: absent then; any other non-object is an error.
std::optional<QJsonObject> optionalObject(const QJsonObject& object, QLatin1StringView key);
std::optional<QString> optionalString(const QJsonObject& object, QLatin1StringView key);

} // namespace Json

// Streams one pretty-printed document. Callers emit object members in ascending key order
// (the documents' fixed form); building no intermediate tree keeps large saves within a frame.
class JsonWriter final
{
public:
    JsonWriter();

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(QLatin1StringView name);
    void key(QStringView name);
    void string(QStringView text);
    // One string written from two runs of text, without joining them first.
    void string(QStringView first, QStringView second);
    void boolean(bool value);
    void integer(qint64 value);
    void null();
    void date(const QDateTime& value) { string(Json::formatDate(value)); }
    // A member whose value is a string.
    void member(QLatin1StringView name, QStringView text)
    {
        key(name);
        string(text);
    }
    // Any JSON value, members sorted.
    void value(const QJsonValue& value);

    QByteArray finish();

private:
    void beforeValue();
    void close(char bracket);

    QByteArray m_out;
    QList<bool> m_empty; // per open container: nothing written in it yet
    bool m_afterKey = false;
};

// How a value of T becomes JSON and back. Records provide write(JsonWriter&) and a static
// fromJson(); lists of them are arrays.
template<typename T> struct JsonCodec
{
    static void encode(JsonWriter& out, const T& value) { value.write(out); }
    static T decode(const QJsonValue& json) { return T::fromJson(json); }
};

template<typename T> struct JsonCodec<QList<T>>
{
    static void encode(JsonWriter& out, const QList<T>& list)
    {
        out.beginArray();
        for (const T& item : list)
            JsonCodec<T>::encode(out, item);
        out.endArray();
    }
    // Where T reads its lists straight from the bytes: nothing when it cannot.
    static std::optional<QList<T>> readDirect(QByteArrayView bytes)
        requires requires { T::readList(bytes); }
    {
        return T::readList(bytes);
    }
    static QList<T> decode(const QJsonValue& json)
    {
        const QJsonArray array = Json::asArray(json, "list");
        QList<T> list;
        list.reserve(array.size());
        for (const QJsonValue& item : array)
            list.append(JsonCodec<T>::decode(item));
        return list;
    }
};

// The whole document of one value.
template<typename T> QByteArray encodeDocument(const T& value)
{
    JsonWriter out;
    JsonCodec<T>::encode(out, value);
    return out.finish();
}

} // namespace openwright
