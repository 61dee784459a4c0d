// SPDX-License-Identifier: GPL-3.0-or-later
#include "Target.h"

#include "Json.h"

#include <algorithm>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

// The example host of http and https sample links: a reserved documentation domain.
constexpr auto kSampleHost = "example.com";

bool isLetterOrMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Letter_Uppercase:
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing: return true;
    default: return false;
    }
}

bool isDigit(char32_t c)
{
    const auto cat = QChar::category(c);
    return cat == QChar::Number_DecimalDigit || cat == QChar::Number_Letter || cat == QChar::Number_Other;
}

// A type's or subtype's name, of the characters the MIME standard allows: a letter or digit,
// then letters, digits and !#$&^_.+-. By hand: a regular expression costs a command more to
// compile than the one match it makes.
bool isMimeName(QStringView s)
{
    const auto alphanumeric = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    return !s.isEmpty() && alphanumeric(s.front()) && std::all_of(s.begin(), s.end(), [&](QChar c) {
        return alphanumeric(c) || QStringView(u"!#$&^_.+-").contains(c);
    });
}

} // namespace

const QStringList& Target::roleNames()
{
    static const QStringList names {QStringLiteral("terminal")};
    return names;
}

bool Target::isValidScheme(const QString& s)
{
    const QList<uint> scalars = s.toUcs4();
    if (scalars.isEmpty() || !isLetterOrMark(scalars.first()))
        return false;
    return std::all_of(scalars.cbegin(), scalars.cend(), [](char32_t c) {
        return isLetterOrMark(c) || isDigit(c) || c == U'+' || c == U'-' || c == U'.';
    });
}

std::optional<Target> Target::parse(const QString& text)
{
    // The system matches types by their exact spelling
    // (application/vnd.ms-excel.sheet.macroEnabled.12), so a type keeps its case.
    if (const QString written = text.trimmed(); written.contains(u'/')) {
        const qsizetype slash = written.indexOf(u'/');
        const QStringView view(written);
        return isMimeName(view.first(slash)) && isMimeName(view.mid(slash + 1)) ? std::optional(mimeType(written))
                                                                                : std::nullopt;
    }
    QString t = text.trimmed().toLower();
    // A bare role name is the role; the extension of that name is still written with its dot.
    if (roleNames().contains(t))
        return role(t);
    if (t.endsWith(u':')) {
        t.chop(1);
        if (isValidScheme(t))
            return scheme(t);
        return std::nullopt;
    }
    if (t.startsWith(u'.'))
        t.remove(0, 1);
    if (t.isEmpty())
        return std::nullopt;
    if (t.contains(u'.') || t.contains(u'/') || t.contains(u' '))
        return std::nullopt;
    return fileExtension(t);
}

QString Target::id() const
{
    switch (m_kind) {
    case Kind::FileExtension: return u'.' + m_payload;
    case Kind::Scheme: return m_payload + u':';
    case Kind::MimeType:
    case Kind::Role: return m_payload;
    }
    return m_payload;
}

std::optional<QUrl> Target::sampleURL() const
{
    if (m_kind != Kind::Scheme)
        return std::nullopt;
    const QString text = (m_payload == u"http" || m_payload == u"https")
        ? m_payload + QStringLiteral("://") + QLatin1StringView(kSampleHost)
        : m_payload + QStringLiteral(":openwright");
    QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

QList<Target> Target::linkedTargets() const
{
    if (m_kind == Kind::Scheme && m_payload == u"http")
        // What the desktops' own browser settings move together.
        return {scheme(QStringLiteral("https")),
                fileExtension(QStringLiteral("html")),
                fileExtension(QStringLiteral("htm")),
                mimeType(QStringLiteral("application/xhtml+xml")),
                scheme(QStringLiteral("about")),
                scheme(QStringLiteral("unknown"))};
    return {};
}

void Target::write(JsonWriter& out) const
{
    switch (m_kind) {
    case Kind::FileExtension: out.string(u".", m_payload); break;
    case Kind::Scheme: out.string(m_payload, u":"); break;
    case Kind::MimeType:
    case Kind::Role: out.string(m_payload); break;
    }
}

Target Target::fromJson(const QJsonValue& value)
{
    if (!value.isString())
        throw DecodeError(QStringLiteral("Expected a target string"));
    const QString text = value.toString();
    auto target = parse(text);
    if (!target)
        throw DecodeError(QStringLiteral("Bad target ") + text);
    return *target;
}

} // namespace openwright
