// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include "app/AppModel.h"
#include "shell/TrayPanel.h"
#include "widgets/Icons.h"

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QMenu>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr auto kWatcher = "org.kde.StatusNotifierWatcher";
constexpr auto kWatcherPath = "/StatusNotifierWatcher";

bool isX11()
{
    return QGuiApplication::platformName() == u"xcb";
}

// Whether a StatusNotifier host (a panel's tray) has registered with the watcher.
bool hostRegistered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(QLatin1StringView(kWatcher)))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(QLatin1StringView(kWatcher), QLatin1StringView(kWatcherPath),
                                                      u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
    get << QLatin1StringView(kWatcher) << u"IsStatusNotifierHostRegistered"_s;
    const QDBusReply<QVariant> reply = bus.call(get, QDBus::Block, 1000);
    return reply.isValid() && reply.value().toBool();
}
} // namespace

TrayIcon::TrayIcon(AppModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_menu(new QMenu)
    , m_watcher(QLatin1StringView(kWatcher), QDBusConnection::sessionBus(),
                QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration)
{
    buildMenu();
    // A tray that comes later says so: no polling, which would wake the program all day.
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, &TrayIcon::tryShow);
    connect(&m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &TrayIcon::tryShow);
    // D-Bus signals can only be connected by signature; there is no functor form.
    QDBusConnection::sessionBus().connect(QLatin1StringView(kWatcher), QLatin1StringView(kWatcherPath),
                                          QLatin1StringView(kWatcher), u"StatusNotifierHostRegistered"_s, this,
                                          SLOT(tryShow()));
}

void TrayIcon::start()
{
    m_started = true;
    tryShow();
}

TrayIcon::~TrayIcon()
{
    delete m_menu;
    delete m_panel;
}

void TrayIcon::buildMenu()
{
    QAction* open = m_menu->addAction(tr("Open Openwright"), this, &TrayIcon::openRequested);
    m_menu->setDefaultAction(open);
    m_menu->addSeparator();
    m_menu->addAction(Icons::symbol(u"arrow.clockwise"_s), tr("Check now"), this, [this] { m_model.checkGuard(); });
    m_menu->addAction(Icons::symbol(u"gearshape"_s), tr("Settings"), this, &TrayIcon::settingsRequested);
    m_menu->addSeparator();
    m_menu->addAction(Icons::symbol(u"power"_s), tr("Quit Openwright"), this, &TrayIcon::quitRequested);
}

bool TrayIcon::isShown() const
{
    return m_icon && m_icon->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::createIcon()
{
    m_icon = std::make_unique<QSystemTrayIcon>();
    // The application's own icon: panels differ in colour, and a single-colour glyph in the
    // window's text colour could vanish on a dark or light panel.
    m_icon->setIcon(QApplication::windowIcon());
    m_icon->setToolTip(tr("Openwright"));
    m_icon->setContextMenu(m_menu);
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            togglePanel();
    });
}

void TrayIcon::tryShow()
{
    // Off X11 only a StatusNotifier host shows the icon, and Qt must not be asked before one is
    // there: as the first icon is made it settles for good on whether it speaks to one.
    if (!m_started || (!m_icon && !isX11() && !hostRegistered()))
        return;
    if (!m_icon)
        createIcon();
    // Shown even without a tray on X11: Qt embeds it as soon as one takes the screen.
    if (isX11() || QSystemTrayIcon::isSystemTrayAvailable())
        m_icon->show();
    else
        m_icon->hide();
}

QRect TrayIcon::panelAnchor() const
{
    // Trays that embed the icon say where it is; StatusNotifier hosts do not, and there the
    // pointer, which just clicked the icon, is the best guess.
    const QRect icon = m_icon ? m_icon->geometry() : QRect();
    return icon.isValid() && !icon.isEmpty() ? icon : QRect(QCursor::pos(), QSize(1, 1));
}

void TrayIcon::togglePanel()
{
    if (m_panel && m_panel->isVisible())
        m_panel->close();
    else
        showPanel();
}

void TrayIcon::showPanel()
{
    if (!m_panel) {
        m_panel = new TrayPanel(m_model);
        connect(m_panel, &TrayPanel::openRequested, this, &TrayIcon::openRequested);
        connect(m_panel, &TrayPanel::settingsRequested, this, &TrayIcon::settingsRequested);
        connect(m_panel, &TrayPanel::quitRequested, this, &TrayIcon::quitRequested);
    }
    m_panel->popUp(panelAnchor());
}

} // namespace openwright::ui
