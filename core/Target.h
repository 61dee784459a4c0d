// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHashFunctions>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <optional>

namespace openwright {

class JsonWriter;

// What a default is set for: files with one extension, links with one URL scheme, one
// platform type named directly (folders: "inode/directory"), or a role the desktop fills with
// an application outside every type ("terminal"). An immutable value; its `id` (".pdf",
// "mailto:", "inode/directory", "terminal") is also its label and its JSON form. A type
// contains "/", which no extension or scheme can, and a role is one of a few bare words that
// an extension's id (with its dot) never is, so the four never read as each other.
// Safe to copy and use on any thread.
class Target final
{
public:
    enum class Kind
    {
        FileExtension = 0,
        Scheme = 1,
        MimeType = 2,
        Role = 3
    };

    Target() = default;
    static Target fileExtension(QString extension) { return Target(Kind::FileExtension, std::move(extension)); }
    static Target scheme(QString scheme) { return Target(Kind::Scheme, std::move(scheme)); }
    static Target mimeType(QString type) { return Target(Kind::MimeType, std::move(type)); }
    static Target role(QString name) { return Target(Kind::Role, std::move(name)); }
    // The roles there are, by name: the terminal programs that run in one open in.
    static const QStringList& roleNames();

    // The only way user text, stored strings and JSON member names become targets.
    static std::optional<Target> parse(const QString& text);
    static bool isValidScheme(const QString& s);

    Kind kind() const { return m_kind; }
    bool isScheme() const { return m_kind == Kind::Scheme; }
    bool isFileExtension() const { return m_kind == Kind::FileExtension; }
    bool isMimeType() const { return m_kind == Kind::MimeType; }
    bool isRole() const { return m_kind == Kind::Role; }
    const QString& payload() const { return m_payload; }

    QString id() const;
    QString description() const { return id(); }
    std::optional<QUrl> sampleURL() const;
    // Targets that follow this one's default: the web browser carries https, .html and .htm.
    QList<Target> linkedTargets() const;

    void write(JsonWriter& out) const;
    static Target fromJson(const QJsonValue& value);

    friend bool operator==(const Target&, const Target&) = default;

private:
    Target(Kind kind, QString payload)
        : m_kind(kind)
        , m_payload(std::move(payload))
    {
    }

    Kind m_kind = Kind::FileExtension;
    QString m_payload;
};

// Orders texts by Unicode code point, the order the JSON writer sorts keys in. QString's own
// operator< compares UTF-16 units, which puts characters beyond U+FFFF before U+E000–U+FFFF.
inline bool codePointLess(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        // Surrogates (U+D800–U+DFFF) stand for code points above every unit from U+E000 up.
        if (x >= 0xD800 && y >= 0xD800) {
            x = char16_t(x >= 0xE000 ? x - 0x800 : x + 0x2000);
            y = char16_t(y >= 0xE000 ? y - 0x800 : y + 0x2000);
        }
        return x < y;
    }
    return a.size() < b.size();
}

// Orders targets by their id text, the order used wherever a stable listing is wanted.
inline bool lessById(const Target& a, const Target& b)
{
    return codePointLess(a.id(), b.id());
}

inline size_t qHash(const Target& t, size_t seed = 0) noexcept
{
    return qHashMulti(seed, static_cast<int>(t.kind()), t.payload());
}

// A JSON member name that stands for a target; it only ever carries a string.
struct TargetKey
{
    QString stringValue;
    static std::optional<TargetKey> fromInt(int) { return std::nullopt; }
    static TargetKey of(const Target& t) { return {t.id()}; }
    std::optional<Target> target() const { return Target::parse(stringValue); }
};

} // namespace openwright

template<> struct std::hash<openwright::Target>
{
    size_t operator()(const openwright::Target& t) const noexcept { return openwright::qHash(t); }
};
