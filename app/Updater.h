// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FeedDownload.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <memory>

namespace openwright {

class Settings;

// What the updater is built with. A default-constructed config is unconfigured;
// `build()` gives the feed and key this build was configured with (both empty by default).
struct UpdaterConfig
{
    QString feedUrl; // an http or https URL of the appcast
    QString publicKey; // base64 of the 32-byte Ed25519 key that signs the feed's items
    QString currentVersion; // default: the application's version
    QString settingsPath; // default: Settings::defaultPath()
    std::chrono::milliseconds firstCheckDelay {std::chrono::seconds(30)};
    std::chrono::milliseconds checkInterval {std::chrono::hours(24)};
    std::chrono::milliseconds timeout {std::chrono::seconds(30)};

    static UpdaterConfig build();
};

// The outcome of the last finished check.
struct UpdateCheckResult
{
    enum class Kind
    {
        None,
        UpToDate,
        Available,
        Failed
    };
    Kind kind = Kind::None;
    QString version; // the newest signed release, when Available
    QUrl link; // its release page, when Available (the UI opens it)
    QString message; // for the user: "You're up to date.", "Openwright 1.2 is available.", or why it failed

    bool operator==(const UpdateCheckResult&) const = default;
};

// Software updates without an update framework: reads a signed appcast and says whether a
// newer release exists and where its page is. Installing stays with the user's package source.
//
// The feed is RSS 2.0 with the Sparkle namespace
// (xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle"). Each <item> carries
//   <sparkle:version>1.2.0</sparkle:version>             dotted numbers
//   <link>https://example.org/releases/1.2.0</link>      the release page, http or https
//   <sparkle:edSignature>BASE64</sparkle:edSignature>    Ed25519, 64 bytes
// The signature covers the UTF-8 bytes of version + "\n" + link, each the element's text with
// surrounding white space removed. Items whose signature does not verify against the
// configured key are ignored; the newest of the rest is compared with the running version.
//
// Unconfigured (no http(s) feed URL, or a key that is not 32 bytes of base64) the updater is
// not available and never touches the network. GUI thread only.
class Updater final : public QObject
{
    Q_OBJECT

public:
    explicit Updater(UpdaterConfig config = UpdaterConfig::build(), QObject* parent = nullptr);
    ~Updater() override;

    bool isAvailable() const { return m_available; }
    // False while a check runs, and always when unavailable.
    bool canCheck() const { return m_available && !m_download; }
    const UpdateCheckResult& lastResult() const { return m_result; }

    // Whether to check by itself: a short while after start, then once a day. Stored setting.
    bool automaticallyChecks() const { return m_automatic; }
    void setAutomaticallyChecks(bool enabled);

    // Starts a check when one can start. Its end is canCheckChanged(true); resultChanged comes
    // before it when the outcome differs from the last one.
    void checkForUpdates();

Q_SIGNALS:
    // Availability is decided at construction; the signal lets screens bind it like the rest.
    void isAvailableChanged(bool available);
    void canCheckChanged(bool canCheck);
    void automaticallyChecksChanged(bool enabled);
    void resultChanged(const openwright::UpdateCheckResult& result);

private:
    void scheduleAutomaticCheck(std::chrono::milliseconds delay);
    void finishCheck(const FeedResponse& response);
    UpdateCheckResult evaluate(const QByteArray& feed);
    void setResult(UpdateCheckResult result);

    UpdaterConfig m_config;
    std::unique_ptr<Settings> m_settings;
    QByteArray m_publicKey;
    bool m_available = false;
    bool m_automatic = true;
    UpdateCheckResult m_result;
    QPointer<FeedDownload> m_download;
    QTimer m_timer;
};

} // namespace openwright
