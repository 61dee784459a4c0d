// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include "app/AppModel.h"
#include "shell/TrayPanel.h"
#include "widgets/Icons.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

TrayIcon::TrayIcon(AppModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
    , m_menu(new QMenu)
{
    // The application's own icon: panels differ in colour, and a single-colour glyph in the
    // window's text colour could vanish on a dark or light panel.
    m_icon.setIcon(QApplication::windowIcon());
    m_icon.setToolTip(tr("Openwright"));
    buildMenu();
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            togglePanel();
    });

    m_retry.setInterval(5000);
    connect(&m_retry, &QTimer::timeout, this, &TrayIcon::tryShow);
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
    m_icon.setContextMenu(m_menu);
}

void TrayIcon::tryShow()
{
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available && !m_icon.isVisible()) {
        m_icon.show();
        m_retry.stop();
        Q_EMIT shownChanged(true);
    } else if (!available) {
        if (m_icon.isVisible()) {
            m_icon.hide();
            Q_EMIT shownChanged(false);
        }
        m_retry.start();
    }
}

QRect TrayIcon::panelAnchor() const
{
    // Trays that embed the icon say where it is; StatusNotifier hosts do not, and there the
    // pointer, which just clicked the icon, is the best guess.
    const QRect icon = m_icon.geometry();
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
