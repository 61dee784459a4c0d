// SPDX-License-Identifier: GPL-3.0-or-later
#include "Updater.h"

#include "Settings.h"

#include <QXmlStreamReader>

#include <sodium.h>

#include <algorithm>
#include <optional>

namespace openwright {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr auto kSparkleNamespace = "http://www.andymatuschak.org/xml-namespaces/sparkle";
// A feed lists releases, not downloads: anything bigger is not a feed.
constexpr qint64 kMaxFeedBytes = 4 * 1024 * 1024;
constexpr int kMaxRedirects = 3;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// Dotted numbers, each without leading zeros and without trailing zero parts, so that equal
// versions have equal parts ("1.2" and "1.02.0"). Compared as digit strings: no overflow.
std::optional<QStringList> versionParts(const QString& text)
{
    QStringList parts = text.split(u'.');
    for (QString& part : parts) {
        if (part.isEmpty() || !std::all_of(part.cbegin(), part.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return std::nullopt;
        qsizetype zeros = 0;
        while (zeros < part.size() - 1 && part[zeros] == u'0')
            ++zeros;
        part.remove(0, zeros);
    }
    while (parts.size() > 1 && parts.last() == u"0"_s)
        parts.removeLast();
    return parts;
}

int compareVersions(const QStringList& a, const QStringList& b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QString x = i < a.size() ? a[i] : u"0"_s;
        const QString y = i < b.size() ? b[i] : u"0"_s;
        if (x.size() != y.size())
            return x.size() < y.size() ? -1 : 1;
        if (const int c = x.compare(y))
            return c < 0 ? -1 : 1;
    }
    return 0;
}

struct FeedItem
{
    QString version;
    QString link;
    QString signature;
};

FeedItem readItem(QXmlStreamReader& xml)
{
    FeedItem item;
    while (xml.readNextStartElement()) {
        const bool sparkle = xml.namespaceUri() == QLatin1StringView(kSparkleNamespace);
        QString* field = sparkle && xml.name() == u"version"        ? &item.version
            : sparkle && xml.name() == u"edSignature"               ? &item.signature
            : xml.namespaceUri().isEmpty() && xml.name() == u"link" ? &item.link
                                                                    : nullptr;
        if (field)
            *field = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        else
            xml.skipCurrentElement();
    }
    return item;
}

// nullopt when the document is not a well-formed RSS document.
std::optional<QList<FeedItem>> readFeed(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    QList<FeedItem> items;
    if (!xml.readNextStartElement() || xml.name() != u"rss" || !xml.namespaceUri().isEmpty())
        return std::nullopt;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"channel") {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() == u"item" && xml.namespaceUri().isEmpty())
                items.append(readItem(xml));
            else
                xml.skipCurrentElement();
        }
    }
    while (!xml.atEnd() && !xml.hasError())
        xml.readNext();
    if (xml.hasError())
        return std::nullopt;
    return items;
}

// The signature covers version + "\n" + link, as UTF-8.
bool signatureVerifies(const FeedItem& item, const QByteArray& publicKey)
{
    const auto signature
        = QByteArray::fromBase64Encoding(item.signature.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!signature || signature.decoded.size() != crypto_sign_BYTES || publicKey.size() != crypto_sign_PUBLICKEYBYTES)
        return false;
    const QByteArray message = (item.version + u'\n' + item.link).toUtf8();
    return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.decoded.constData()),
                                       reinterpret_cast<const unsigned char*>(message.constData()),
                                       size_t(message.size()),
                                       reinterpret_cast<const unsigned char*>(publicKey.constData()))
        == 0;
}

// The UI hands the link to the desktop to open: only a web page will do.
bool isWebPage(const QUrl& url)
{
    return url.isValid() && (url.scheme() == u"https" || url.scheme() == u"http") && !url.host().isEmpty();
}

} // namespace

UpdaterConfig UpdaterConfig::build()
{
    UpdaterConfig config;
    config.feedUrl = QStringLiteral(OPENWRIGHT_UPDATE_FEED_URL);
    config.publicKey = QStringLiteral(OPENWRIGHT_UPDATE_PUBLIC_KEY);
    return config;
}

Updater::Updater(UpdaterConfig config, QObject* parent)
    : QObject(parent)
    , m_config(std::move(config))
    , m_settings(
          std::make_unique<Settings>(m_config.settingsPath.isEmpty() ? Settings::defaultPath() : m_config.settingsPath))
{
    if (m_config.currentVersion.isEmpty())
        m_config.currentVersion = QStringLiteral(OPENWRIGHT_VERSION);
    m_automatic = m_settings->value(Settings::updateAutomatic);

    const auto key = QByteArray::fromBase64Encoding(m_config.publicKey.trimmed().toLatin1(),
                                                    QByteArray::AbortOnBase64DecodingErrors);
    const QUrl feed(m_config.feedUrl, QUrl::StrictMode);
    m_available = key && key.decoded.size() == crypto_sign_PUBLICKEYBYTES && isWebPage(feed) && sodiumReady()
        && FeedDownload::isSupported();
    if (!m_available)
        return;
    m_publicKey = key.decoded;

    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        checkForUpdates();
        scheduleAutomaticCheck(m_config.checkInterval);
    });
    scheduleAutomaticCheck(m_config.firstCheckDelay);
}

Updater::~Updater()
{
    if (m_download)
        m_download->abort();
}

void Updater::setAutomaticallyChecks(bool enabled)
{
    if (enabled == m_automatic)
        return;
    m_automatic = enabled;
    m_settings->setValue(Settings::updateAutomatic, enabled);
    scheduleAutomaticCheck(m_config.firstCheckDelay);
    Q_EMIT automaticallyChecksChanged(enabled);
}

void Updater::scheduleAutomaticCheck(std::chrono::milliseconds delay)
{
    if (m_available && m_automatic)
        m_timer.start(delay);
    else
        m_timer.stop();
}

void Updater::checkForUpdates()
{
    if (!canCheck())
        return;
    m_download = FeedDownload::start({QUrl(m_config.feedUrl, QUrl::StrictMode), u"Openwright/"_s + m_config.currentVersion,
                                      m_config.timeout, kMaxFeedBytes, kMaxRedirects},
                                     this);
    connect(m_download, &FeedDownload::finished, this, &Updater::finishCheck);
    Q_EMIT canCheckChanged(false);
}

void Updater::finishCheck(const FeedResponse& response)
{
    m_download->deleteLater();
    m_download = nullptr;

    using Failure = FeedResponse::Failure;
    const int status = response.httpStatus;
    const auto failed = [](const QString& message) {
        return UpdateCheckResult {UpdateCheckResult::Kind::Failed, {}, {}, message};
    };
    UpdateCheckResult result;
    if (response.failure == Failure::tooLarge)
        result = failed(tr("The update feed is too large."));
    else if (response.failure == Failure::none)
        result = evaluate(response.body);
    else if (status == 404 || status == 410)
        result = failed(tr("The update feed was not found (HTTP %1).").arg(status));
    else if (status >= 400)
        result = failed(tr("The update server answered with an error (HTTP %1).").arg(status));
    else if (response.failure == Failure::timedOut)
        result = failed(tr("The update server did not answer in time."));
    else if (response.failure == Failure::badRedirect)
        result = failed(tr("The update feed redirects too often or to an unsafe address."));
    else
        result = failed(tr("Could not reach the update server: %1").arg(response.errorText));

    setResult(std::move(result));
    Q_EMIT canCheckChanged(canCheck());
}

UpdateCheckResult Updater::evaluate(const QByteArray& bytes)
{
    using Kind = UpdateCheckResult::Kind;
    const auto items = readFeed(bytes);
    if (!items)
        return {Kind::Failed, {}, {}, tr("The update feed could not be read: it is not an RSS document.")};
    if (items->isEmpty())
        return {Kind::Failed, {}, {}, tr("The update feed lists no releases.")};

    const QStringList current = versionParts(m_config.currentVersion).value_or(QStringList {u"0"_s});
    const FeedItem* newest = nullptr;
    QStringList newestParts;
    bool refused = false;
    for (const FeedItem& item : *items) {
        if (!signatureVerifies(item, m_publicKey)) {
            refused = true;
            continue;
        }
        const auto parts = versionParts(item.version);
        if (!parts || !isWebPage(QUrl(item.link, QUrl::StrictMode)))
            continue; // signed, but in a form this version does not read
        if (!newest || compareVersions(*parts, newestParts) > 0) {
            newest = &item;
            newestParts = *parts;
        }
    }
    if (!newest)
        return {Kind::Failed,
                {},
                {},
                refused ? tr("The update feed's signature is not valid.") : tr("The update feed lists no releases.")};
    // A feed whose newest release is older than one seen before is an old copy served again
    // (its signatures are still good): the newest release seen stands.
    QString version = newest->version;
    QString link = newest->link;
    const QString seen = QString::fromUtf8(m_settings->value(Settings::updateNewestVersion));
    const auto seenParts = versionParts(seen);
    if (seenParts && compareVersions(*seenParts, newestParts) > 0) {
        version = seen;
        link = QString::fromUtf8(m_settings->value(Settings::updateNewestLink));
        newestParts = *seenParts;
    } else if (!seenParts || compareVersions(newestParts, *seenParts) > 0) {
        m_settings->setValue(Settings::updateNewestVersion, version.toUtf8());
        m_settings->setValue(Settings::updateNewestLink, link.toUtf8());
    }
    if (compareVersions(newestParts, current) <= 0)
        return {Kind::UpToDate, {}, {}, tr("You're up to date.")};
    return {Kind::Available, version, QUrl(link, QUrl::StrictMode), tr("Openwright %1 is available.").arg(version)};
}

void Updater::setResult(UpdateCheckResult result)
{
    if (result == m_result)
        return;
    m_result = std::move(result);
    Q_EMIT resultChanged(m_result);
}

} // namespace openwright
