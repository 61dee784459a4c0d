// SPDX-License-Identifier: GPL-3.0-or-later
// Notifications and launch notices over a private bus, against fake servers.
#include "AppModel.h"
#include "BackgroundPortal.h"
#include "DBusNotifications.h"
#include "FakeLaunchServices.h"
#include "FakeNotificationServer.h"
#include "LinuxWorkspaceNotices.h"
#include "ManualClock.h"
#include "ModelFakes.h"
#include "Printers.h"
#include "PrivateBus.h"
#include "Sandbox.h"
#include "XdgTree.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

class FakeSystemd : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.systemd1.Manager")

public:
    int subscribed = 0;
    explicit FakeSystemd(QDBusConnection bus)
        : m_bus(bus)
    {
        m_bus.registerObject(u"/org/freedesktop/systemd1"_s, this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(u"org.freedesktop.systemd1"_s);
    }
    void unit(const char* signal, const QString& name)
    {
        QDBusMessage m = QDBusMessage::createSignal(u"/org/freedesktop/systemd1"_s,
                                                    u"org.freedesktop.systemd1.Manager"_s, QString::fromLatin1(signal));
        m << name << QVariant::fromValue(QDBusObjectPath(u"/org/freedesktop/systemd1/unit/x"_s));
        m_bus.send(m);
    }

public Q_SLOTS:
    void Subscribe() { ++subscribed; }

private:
    QDBusConnection m_bus;
};

// The Background portal: answers each request on its Request object, as the desktop would.
class FakeBackgroundPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Background")

public:
    QList<QVariantMap> requests;
    std::optional<bool> allow = true; // nothing: the request ends with no answer (code 2)

    explicit FakeBackgroundPortal(QDBusConnection bus)
        : m_bus(bus)
    {
        m_bus.registerObject(u"/org/freedesktop/portal/desktop"_s, this, QDBusConnection::ExportAllSlots);
        m_bus.registerService(u"org.freedesktop.portal.Desktop"_s);
    }

public Q_SLOTS:
    QDBusObjectPath RequestBackground(const QString&, const QVariantMap& options, const QDBusMessage& message)
    {
        requests.append(options);
        QString sender = message.service().mid(1);
        sender.replace(u'.', u'_');
        const QString path
            = u"/org/freedesktop/portal/desktop/request/"_s + sender + u'/' + options.value(u"handle_token"_s).toString();
        // The answer comes after the reply, as the user's click would.
        QTimer::singleShot(10, this, [this, path] {
            QDBusMessage response
                = QDBusMessage::createSignal(path, u"org.freedesktop.portal.Request"_s, u"Response"_s);
            response << uint(allow ? 0 : 2) << QVariantMap {{u"background"_s, allow.value_or(false)}};
            m_bus.send(response);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
};

namespace {

class DBusTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!bus.isRunning())
            GTEST_SKIP() << "no dbus-daemon (Debian package dbus)";
    }
    PrivateBus bus;
};

TEST_F(DBusTest, NotificationsReachTheServerAndAnswersComeBack)
{
    QDBusConnection serverBus = bus.connect(u"server"_s);
    FakeNotificationServer server(serverBus);
    Notifier notifier;
    notifier.setBackend(std::make_unique<DBusNotifications>(bus.connect(u"client"_s)));
    QList<QUuid> reverted;
    int opened = 0;
    notifier.onRevert = [&](const QUuid& id) { reverted.append(id); };
    notifier.onOpen = [&] { ++opened; };

    const AppInfo a {QUrl::fromLocalFile(u"/a.desktop"_s), u"a"_s, u"Atril"_s};
    const AppInfo b {QUrl::fromLocalFile(u"/b.desktop"_s), u"b"_s, u"Bee"_s};
    const DefaultChange change {QUuid::createUuid(), Target::fileExtension(u"pdf"_s), a, b, {}, false, {}, {}, {}};
    notifier.post(change);
    notifier.post(change); // before the server has answered the first
    // The repost may follow at once: wait for "at least", never "exactly", a count.
    spinUntil([&] { return server.calls.size() >= 1; });
    const auto& call = server.calls[0];
    EXPECT_EQ(call.appName, u"Openwright"_s);
    EXPECT_EQ(call.replacesId, 0u);
    EXPECT_EQ(call.summary, u".pdf default changed"_s);
    EXPECT_EQ(call.body, u"Bee replaced Atril. Revert to keep Atril."_s);
    EXPECT_EQ(call.actions, (QStringList {u"default"_s, u"Open"_s, u"revert"_s, u"Revert"_s}));

    // The same change again replaces its notification, however quickly it comes.
    spinUntil([&] { return server.calls.size() >= 2; });
    EXPECT_EQ(server.calls[1].replacesId, 7u);
    notifier.post(change);
    spinUntil([&] { return server.calls.size() >= 3; });
    EXPECT_EQ(server.calls[2].replacesId, 7u);

    server.emitSignal("ActionInvoked", {7u, u"revert"_s});
    spinUntil([&] { return reverted.size() == 1; });
    EXPECT_EQ(reverted[0], change.id);
    server.emitSignal("ActionInvoked", {7u, u"default"_s});
    spinUntil([&] { return opened == 1; });
    // Another application's notification is none of ours.
    server.emitSignal("ActionInvoked", {99u, u"revert"_s});
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(reverted.size(), 1);
    EXPECT_EQ(opened, 1);

    // Resolved, the change's notification goes; one resolved before the server named it goes
    // as soon as it does.
    notifier.withdraw(change.id);
    spinUntil([&] { return server.closed.size() == 1; });
    EXPECT_EQ(server.closed[0], 7u);
    DefaultChange other = change;
    other.id = QUuid::createUuid();
    notifier.post(other);
    notifier.withdraw(other.id);
    spinUntil([&] { return server.closed.size() == 2; });
    EXPECT_EQ(server.calls.size(), 4);
    EXPECT_EQ(server.closed[1], 8u);
    server.emitSignal("ActionInvoked", {7u, u"revert"_s});
    QThread::msleep(50);
    QCoreApplication::processEvents();
    EXPECT_EQ(reverted.size(), 1);

    // The server goes away: posting is a quiet no-op.
    serverBus.unregisterService(u"org.freedesktop.Notifications"_s);
    bus.disconnect(u"server"_s);
    notifier.post(change);
    QThread::msleep(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(server.calls.size(), 4);
}

// A server that renders markup gets names that carry markup's own characters escaped.
// Keeping on with no window asks the portal, which answers on a Request object; without a
// portal, or without an answer, Openwright carries on as it would without one.
TEST_F(DBusTest, TheBackgroundPortalIsAskedAndItsAnswerHeard)
{
    using Answer = BackgroundPortal::Answer;
    QDBusConnection client = bus.connect(u"client"_s);
    const auto ask = [&] {
        BackgroundPortal portal(client);
        std::optional<Answer> answer;
        portal.request(u"Keeps guarding"_s, [&](Answer a) { answer = a; });
        const QDeadlineTimer deadline(5000);
        while (!answer && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return answer;
    };
    EXPECT_EQ(ask(), Answer::unavailable);

    FakeBackgroundPortal fake(bus.connect(u"portal"_s));
    EXPECT_EQ(ask(), Answer::allowed);
    ASSERT_EQ(fake.requests.size(), 1);
    EXPECT_EQ(fake.requests[0].value(u"reason"_s).toString(), u"Keeps guarding"_s);
    EXPECT_FALSE(fake.requests[0].value(u"autostart"_s).toBool());
    fake.allow = false;
    EXPECT_EQ(ask(), Answer::refused);
    fake.allow.reset();
    EXPECT_EQ(ask(), Answer::unavailable);
}

TEST_F(DBusTest, BodiesAreEscapedForServersThatRenderMarkup)
{
    FakeNotificationServer server(bus.connect(u"server"_s), {u"actions"_s, u"body"_s, u"body-markup"_s});
    Notifier notifier;
    notifier.setBackend(std::make_unique<DBusNotifications>(bus.connect(u"client"_s)));
    const AppInfo tom {QUrl::fromLocalFile(u"/t.desktop"_s), u"t"_s, u"Tom & Jerry <3>"_s};
    notifier.post(
        DefaultChange {QUuid::createUuid(), Target::fileExtension(u"pdf"_s), std::nullopt, tom, {}, false, {}, {}, {}});
    spinUntil([&] { return server.calls.size() >= 1; });
    EXPECT_EQ(server.calls[0].body, u"Tom &amp; Jerry &lt;3&gt; replaced no app. Revert to keep no app."_s);
}

class NoticesTest : public DBusTest
{
protected:
    std::shared_ptr<FakeLaunchServices> fake = std::make_shared<FakeLaunchServices>();
    ManualClock clock {QDateTime(QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc())};
    Notifier notifier;
    QTemporaryDir data;
    std::unique_ptr<AppModel> model;

    void start(QDBusConnection client)
    {
        AppModelConfig config;
        config.dataDirectory = data.path();
        config.settingsPath = data.filePath(u"settings.conf"_s);
        config.clock = &clock;
        config.notifier = &notifier;
        config.makeNotices = [client] { return std::make_unique<LinuxWorkspaceNotices>(client); };
        model = std::make_unique<AppModel>(std::make_shared<DefaultsService>(fake), std::move(config));
        await(model->refresh());
        settle(*model);
        model->setGuardEnabled(false); // only the notices lead to checks
        model->startGuard();
    }
};

TEST_F(NoticesTest, ALaunchLeadsToOneCheckThreeSecondsLater)
{
    FakeSystemd systemd(bus.connect(u"systemd"_s));
    start(bus.connect(u"client"_s));
    spinUntil([&] { return systemd.subscribed == 1; });

    systemd.unit("UnitNew", u"session-2.scope"_s); // not an application
    systemd.unit("UnitNew", u"app-gnome-org.gnome.Evince-1234.scope"_s);
    spinUntil([&] { return clock.scheduled() == 1; });
    EXPECT_EQ(clock.nextDueIn(), 3000);
    const int reads = fake->readCalls();
    clock.advance(2999ms, [&] { settle(*model); });
    EXPECT_EQ(fake->readCalls(), reads);
    clock.advance(1ms, [&] { settle(*model); });
    EXPECT_EQ(fake->readCalls(), reads + 65);

    systemd.unit("UnitRemoved", u"app-org.gnome.Evince@autostart.service"_s);
    spinUntil([&] { return clock.scheduled() == 1; });
}

TEST_F(NoticesTest, ARenameReplaceOfMimeappsListLeadsToOneCheck)
{
    start(QDBusConnection::connectToBus(u"unix:path=/nonexistent"_s, u"nobus"_s));
    EXPECT_EQ(clock.scheduled(), 0);
    XdgTree::writeList(u"mimeapps.list"_s, u"[Default Applications]\ntext/plain=a.desktop;\n"_s);
    spinUntil([&] { return clock.scheduled() == 1; });
    XdgTree::writeList(u"mimeapps.list"_s, u"[Default Applications]\ntext/plain=b.desktop;\n"_s);
    QThread::msleep(100);
    QCoreApplication::processEvents();
    EXPECT_EQ(clock.scheduled(), 1); // both notices share the one check
    const int reads = fake->readCalls();
    clock.advance(3s, [&] { settle(*model); });
    EXPECT_EQ(fake->readCalls(), reads + 65);
}

// A first ~/.local/share/applications (or a first Flatpak) appears after the guard started.
TEST_F(NoticesTest, AnApplicationsFolderMadeLaterIsWatched)
{
    const QString folder = XdgTree::applicationsDir(XdgTree::Level::user);
    QDir(folder).removeRecursively();
    start(QDBusConnection::connectToBus(u"unix:path=/nonexistent"_s, u"nobus"_s));
    QDir().mkpath(folder);
    spinUntil([&] { return clock.scheduled() == 1; });
    clock.advance(3s, [&] { settle(*model); });
    XdgTree::addApp(u"late"_s, u"Late"_s, {u"text/plain"_s}, XdgTree::Level::user);
    spinUntil([&] { return clock.scheduled() == 1; });
}

TEST(LinuxWorkspaceNotices, ApplicationUnits)
{
    EXPECT_TRUE(LinuxWorkspaceNotices::isApplicationUnit(u"app-gnome-firefox-4821.scope"_s));
    EXPECT_TRUE(LinuxWorkspaceNotices::isApplicationUnit(u"app-flatpak-org.gimp.GIMP-123.scope"_s));
    EXPECT_TRUE(LinuxWorkspaceNotices::isApplicationUnit(u"app-org.kde.okular@x.service"_s));
    EXPECT_FALSE(LinuxWorkspaceNotices::isApplicationUnit(u"app.slice"_s));
    EXPECT_FALSE(LinuxWorkspaceNotices::isApplicationUnit(u"dbus.service"_s));
    EXPECT_FALSE(LinuxWorkspaceNotices::isApplicationUnit(u"app-.scope"_s));
    EXPECT_FALSE(LinuxWorkspaceNotices::isApplicationUnit(u"session-3.scope"_s));
    // Every config and applications folder is watched, the user's first.
    const QStringList folders = LinuxWorkspaceNotices::watchedFolders();
    EXPECT_EQ(folders.value(0), Sandbox::instance().configHome());
    EXPECT_TRUE(folders.contains(Sandbox::instance().dataHome() + u"/applications"_s));
    EXPECT_TRUE(folders.contains(Sandbox::instance().systemData() + u"/applications"_s));
}

} // namespace

#include "DBusTest.moc"
