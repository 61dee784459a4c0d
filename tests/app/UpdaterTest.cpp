// SPDX-License-Identifier: GPL-3.0-or-later
#include "Updater.h"
#include "ModelFakes.h"
#include "Settings.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sodium.h>

using namespace openwright;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using Kind = UpdateCheckResult::Kind;

namespace {

unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
[[maybe_unused]] const bool keysMade = sodium_init() >= 0 && crypto_sign_keypair(publicKey, secretKey) == 0;

enum Signature
{
    Signed,
    Forged,
    Unsigned
};

QByteArray item(const QByteArray& version, Signature signature = Signed)
{
    const QByteArray link = "https://openwright.example/releases/" + version;
    const QByteArray message = version + '\n' + link;
    QByteArray sig(crypto_sign_BYTES, 0);
    crypto_sign_detached(reinterpret_cast<unsigned char*>(sig.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(message.constData()), size_t(message.size()),
                         secretKey);
    sig[0] = char(sig[0] ^ (signature == Forged));
    return "<item><title>Openwright " + version + "</title><link>" + link + "</link><sparkle:version>" + version
        + "</sparkle:version>"
        + (signature == Unsigned ? "" : "<sparkle:edSignature>" + sig.toBase64() + "</sparkle:edSignature>")
        + "</item>";
}

QByteArray feed(const QByteArray& items)
{
    return "<?xml version=\"1.0\"?><rss version=\"2.0\" "
           "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>"
           "<title>Openwright</title><link>https://openwright.example/</link>"
        + items + "</channel></rss>";
}

// A feed server on 127.0.0.1 that answers every GET with one status and body.
class UpdaterTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QTcpServer server;
    quint16 port = (server.listen(QHostAddress::LocalHost), server.serverPort());
    int requests = 0;

    void answer(int status, const QByteArray& body)
    {
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, status, body] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, status, body] {
                ++requests;
                socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Length: "
                              + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    UpdaterConfig config(const char* currentVersion = "1.0") const
    {
        UpdaterConfig c;
        c.feedUrl = u"http://127.0.0.1:%1/appcast.xml"_s.arg(port);
        c.publicKey
            = QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(publicKey), sizeof publicKey).toBase64());
        c.currentVersion = QString::fromLatin1(currentVersion);
        c.settingsPath = dir.filePath(u"settings.conf"_s);
        return c;
    }
};

struct CheckCase
{
    const char* name;
    const char* currentVersion;
    int status; // 0: nothing listens
    QByteArray body;
    Kind kind;
    QString message;
    const char* version = ""; // when available
    const char* seen = ""; // the newest release an earlier check found
};
void PrintTo(const CheckCase& row, std::ostream* os)
{
    *os << row.name;
}

class UpdaterCheck : public UpdaterTest, public ::testing::WithParamInterface<CheckCase>
{
};

TEST_P(UpdaterCheck, ReportsTheNewestSignedReleaseOrWhyNot)
{
    const CheckCase& row = GetParam();
    row.status ? answer(row.status, row.body) : server.close(); // closed: the connection is refused
    const UpdaterConfig c = config(row.currentVersion);
    if (*row.seen) {
        Settings settings(c.settingsPath);
        settings.setValue(Settings::updateNewestVersion, row.seen);
        settings.setValue(Settings::updateNewestLink, "https://openwright.example/releases/" + QByteArray(row.seen));
    }
    Updater updater(c);
    ASSERT_TRUE(updater.isAvailable() && updater.canCheck());
    QList<bool> canCheck;
    QObject::connect(&updater, &Updater::canCheckChanged, &updater, [&](bool can) { canCheck.append(can); });

    updater.checkForUpdates();
    updater.checkForUpdates(); // ignored while one runs
    EXPECT_FALSE(updater.canCheck());
    test::spinUntil([&] { return canCheck.size() == 2; }, 20000);

    EXPECT_EQ(canCheck, (QList<bool> {false, true}));
    EXPECT_LE(requests, 1);
    const UpdateCheckResult& result = updater.lastResult();
    EXPECT_EQ(result.kind, row.kind);
    EXPECT_EQ(result.message, row.message);
    EXPECT_EQ(result.version, QString::fromLatin1(row.version));
    EXPECT_EQ(result.link.toString(),
              *row.version ? u"https://openwright.example/releases/"_s + row.version : QString());
    if (*row.version) {
        EXPECT_EQ(Settings(c.settingsPath).value(Settings::updateNewestVersion), row.version);
    }
}

const QString kBadSignature = u"The update feed's signature is not valid."_s;

INSTANTIATE_TEST_SUITE_P(
    Feeds, UpdaterCheck,
    ::testing::Values(
        CheckCase {"Newer", "1.0", 200, feed(item("1.1") + item("1.0.1")), Kind::Available,
                   u"Openwright 1.1 is available."_s, "1.1"},
        CheckCase {"TenAfterNine", "1.9", 200, feed(item("1.10")), Kind::Available, u"Openwright 1.10 is available."_s,
                   "1.10"},
        CheckCase {"SameWithFewerParts", "1.2.0", 200, feed(item("1.2")), Kind::UpToDate, u"You're up to date."_s},
        // An old copy of the feed, replayed after a newer release was seen, does not hide it.
        CheckCase {"OlderCopyReplayed", "1.0", 200, feed(item("1.1")), Kind::Available,
                   u"Openwright 1.3 is available."_s, "1.3", "1.3"},
        CheckCase {"ForgedNewerIgnored", "1.0", 200, feed(item("9.0", Forged) + item("1.1")), Kind::Available,
                   u"Openwright 1.1 is available."_s, "1.1"},
        CheckCase {"NoValidSignature", "1.0", 200, feed(item("2.0", Forged) + item("3.0", Unsigned)), Kind::Failed,
                   kBadSignature},
        CheckCase {"NotXml", "1.0", 200, "<html><body>Moved", Kind::Failed,
                   u"The update feed could not be read: it is not an RSS document."_s},
        CheckCase {"NotFound", "1.0", 404, "Not Found", Kind::Failed, u"The update feed was not found (HTTP 404)."_s},
        CheckCase {"Refused", "1.0", 0, {}, Kind::Failed, u"Could not reach the update server: Connection refused"_s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdaterTest, WithoutACompleteConfigurationItNeverChecks)
{
    answer(200, feed(item("2.0")));
    UpdaterConfig noKey = config(), shortKey = config(), noFeed = config();
    noKey.publicKey.clear();
    shortKey.publicKey.chop(8);
    noFeed.feedUrl.clear();
    for (UpdaterConfig c : {noKey, shortKey, noFeed}) {
        c.firstCheckDelay = 0ms;
        Updater updater(c);
        updater.checkForUpdates();
        EXPECT_FALSE(updater.isAvailable());
        EXPECT_FALSE(updater.canCheck());
    }
    test::spinUntil([&, until = QDeadlineTimer(100ms)] { return until.hasExpired(); });
    EXPECT_EQ(requests, 0);
}

TEST_F(UpdaterTest, ChecksByItselfOnlyWhileAutomaticChecksAreOn)
{
    answer(200, feed(item("1.0")));
    UpdaterConfig c = config();
    c.firstCheckDelay = 10ms;
    {
        Updater updater(c);
        test::spinUntil([&] { return updater.lastResult().kind == Kind::UpToDate; }, 20000);
        int changes = 0;
        QObject::connect(&updater, &Updater::automaticallyChecksChanged, &updater, [&] { ++changes; });
        updater.setAutomaticallyChecks(false);
        updater.setAutomaticallyChecks(false);
        EXPECT_EQ(changes, 1);
    }
    Updater restarted(c); // keeps the choice
    EXPECT_FALSE(restarted.automaticallyChecks());
    test::spinUntil([&, until = QDeadlineTimer(200ms)] { return until.hasExpired(); });
    EXPECT_EQ(requests, 1);
}

} // namespace
