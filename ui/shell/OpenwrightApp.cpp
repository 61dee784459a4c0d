// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenwrightApp.h"

#include "app/AppId.h"
#include "app/AppModel.h"
#include "app/BackgroundPortal.h"
#include "app/cli/Cli.h"
#include "app/DesktopAppearance.h"
#include "app/Language.h"
#include "app/Notifier.h"
#include "app/SingleInstance.h"
#include "app/StartupReport.h"
#include "app/Updater.h"
#include "core/DefaultsService.h"
#include "core/linux/SystemLaunchServices.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindow.h"
#include "settings/UpdatePrompt.h"
#include "shell/MainWindow.h"
#include "shell/TrayIcon.h"
#include "widgets/Icons.h"
#include "widgets/KeyboardHabits.h"
#include "widgets/Style.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QDBusConnection>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <utility>

// Resources of a static library are registered by hand, from the global namespace.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kFirstFrameWaitMs = 500;

// Before the window is built: it shows the kept defaults, and draws its symbols as kept, from its
// first frame.
bool showKept(AppModel& model, KeptRead* kept)
{
    Icons::keepDrawingsIn(model.cacheDirectory() + u"/drawings"_s);
    return model.showCachedStates(kept);
}

} // namespace

OpenwrightApp::Options OpenwrightApp::parse(const QStringList& arguments)
{
    Options options;
    options.background = arguments.contains(u"--background"_s);
    return options;
}

void OpenwrightApp::prepare(QApplication& app)
{
    initResources();
    Language::install(app);
    app.setApplicationName(u"Openwright"_s);
    app.setApplicationDisplayName(u"Openwright"_s);
    app.setDesktopFileName(QString::fromLatin1(kAppId));
    app.setApplicationVersion(QStringLiteral(OPENWRIGHT_VERSION));
    // A dark desktop that gives Qt no palette of its own (no platform theme) still gets dark.
    const bool dark = DesktopAppearance::prefersDark() && !Style::isDark(app.palette());
    if (dark)
        app.setStyle(u"Fusion"_s);
    // Before the palette: a change of style puts the palette back.
    KeyboardHabits::install(app);
    if (dark)
        app.setPalette(Style::darkPalette());
    Icons::install();
}

QIcon OpenwrightApp::appIcon()
{
    return QIcon::fromTheme(QString::fromLatin1(kAppId), QIcon(u":/icons/openwright.svg"_s));
}

void OpenwrightApp::showIcons()
{
    // Drawn from a scalable file at every size the window system and the tray ask for: after
    // the first frame of a start with kept defaults, not before it.
    if (QApplication::windowIcon().isNull())
        m_app.setWindowIcon(appIcon());
    m_tray->start();
}

OpenwrightApp::OpenwrightApp(QApplication& app, SingleInstance& instance, Options options,
                             std::shared_ptr<DefaultsService> service, KeptRead* kept)
    : m_app(app)
    , m_updater(std::make_unique<Updater>())
    , m_service(std::move(service))
    , m_model(std::make_unique<AppModel>(m_service))
    , m_fromCache(showKept(*m_model, kept))
    , m_window(std::make_unique<MainWindow>(*m_model))
    , m_tray(std::make_unique<TrayIcon>(*m_model))
    , m_updatePrompt(std::make_unique<UpdatePrompt>(*m_updater))
{
    Notifier::shared().configure();
    // Commands typed while the window runs are carried out here, against this one model.
    cli::serve(instance, *m_model);

    connect(&instance, &SingleInstance::activationRequested, this, [this](const QString& token) {
        // On Wayland the compositor raises a window only with the token the start was given;
        // Qt's xdg-activation support takes it from the environment when the window asks.
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        showWindow();
    });
    connect(m_model.get(), &AppModel::activationRequested, this, &OpenwrightApp::showWindow);
    connect(m_window.get(), &MainWindow::quitRequested, this, &OpenwrightApp::quit);
    connect(m_window.get(), &MainWindow::settingsRequested, this, &OpenwrightApp::showSettings);
    connect(m_window.get(), &MainWindow::firstShown, this, &OpenwrightApp::readAfterFirstFrame);
    connect(m_tray.get(), &TrayIcon::openRequested, this, &OpenwrightApp::showWindow);
    connect(m_tray.get(), &TrayIcon::settingsRequested, this, &OpenwrightApp::showSettings);
    connect(m_tray.get(), &TrayIcon::quitRequested, this, &OpenwrightApp::quit);
    // What closing the window means is decided as it closes: a tray may have come or gone.
    m_app.setQuitOnLastWindowClosed(false);
    connect(m_window.get(), &MainWindow::closed, this, &OpenwrightApp::windowClosed);
    connectUpdates();

    if (options.background) {
        m_model->setInBackground(true);
        startReading();
    } else {
        m_window->show();
    }
}

OpenwrightApp::~OpenwrightApp()
{
    // A top-level window of its own: it goes before the model and the updater it shows.
    delete m_settings;
    Notifier::shared().withdrawAll();
    Icons::saveDrawings();
}

// "Check for Updates…" shows only in a build with an update feed, and waits while a check runs.
void OpenwrightApp::connectUpdates()
{
    QAction* check = m_window->checkForUpdatesAction();
    check->setVisible(m_updater->isAvailable());
    check->setEnabled(m_updater->canCheck());
    connect(m_updater.get(), &Updater::isAvailableChanged, check, &QAction::setVisible);
    connect(m_updater.get(), &Updater::canCheckChanged, check, &QAction::setEnabled);
    connect(check, &QAction::triggered, m_updatePrompt.get(), &UpdatePrompt::checkNow);
}

SettingsWindow* OpenwrightApp::settingsWindow() const
{
    return m_settings;
}

void OpenwrightApp::showSettings()
{
    if (!m_settings) {
        m_settings = new SettingsWindow(*m_model, *m_updater);
        connect(m_settings->view(), &SettingsView::checkForUpdatesRequested, m_updatePrompt.get(),
                &UpdatePrompt::checkNow);
    }
    m_settings->present(m_window.get());
}

// With kept defaults on screen their first frame goes first, and the system's read right after
// it: on two cores the reader would otherwise compete with the first paint. Without them the
// window shows that it is reading, and the read starts at once.
void OpenwrightApp::readAfterFirstFrame()
{
    if (!m_fromCache)
        return startReading();
    m_window->installEventFilter(this);
    // A window the desktop never paints (minimised at start) still reads.
    QTimer::singleShot(kFirstFrameWaitMs, this, &OpenwrightApp::startReading);
}

void OpenwrightApp::startReading()
{
    if (std::exchange(m_reading, true))
        return;
    showIcons();
    continueOn(this, m_model->refresh(), [this] {
        m_model->startGuard();
        if (qEnvironmentVariableIsSet("OPENWRIGHT_STARTUP_PROBE"))
            reportStartup();
    });
}

bool OpenwrightApp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window.get() && event->type() == QEvent::Paint) {
        m_window->removeEventFilter(this);
        // Once this frame is painted: the same moment the bare window's probe reports.
        QTimer::singleShot(0, this, [this] {
            if (qEnvironmentVariableIsSet("OPENWRIGHT_STARTUP_PROBE") && !std::exchange(m_reportedReady, true))
                startup::reportReady();
            startReading();
        });
    }
    return QObject::eventFilter(watched, event);
}

void OpenwrightApp::reportStartup()
{
    // The window painted with every default read: say so with the memory it took, then quit.
    if (!std::exchange(m_reportedReady, true)) {
        m_window->repaint();
        startup::reportReady();
    }
    // Settled once the rest of the start-up's reading (the doctor's look at the files) has landed too.
    if (m_model->isBusy()) {
        QTimer::singleShot(10, this, &OpenwrightApp::reportStartup);
        return;
    }
    startup::reportSettled(m_model->cacheDifferences());
    m_app.quit();
}

void OpenwrightApp::showWindow()
{
    m_window->present();
}

void OpenwrightApp::windowClosed()
{
    if (m_quitting || m_tray->isShown())
        return;
    if (!m_model->guardEnabled())
        return quit();
    keepGuardingInBackground();
}

void OpenwrightApp::keepGuardingInBackground()
{
    // Asked, and said, once a run: the answer stands until Openwright quits.
    if (std::exchange(m_backgroundAsked, true))
        return;
    m_portal = std::make_unique<BackgroundPortal>(QDBusConnection::sessionBus());
    m_portal->request(tr("Openwright keeps guarding your default applications with its window closed."),
                      [this](BackgroundPortal::Answer answer) {
                          // The desktop said no: respect it, unless the window is back meanwhile.
                          if (answer == BackgroundPortal::Answer::refused) {
                              m_backgroundAsked = false;
                              if (!m_window->isVisible())
                                  quit();
                              return;
                          }
                          Notifier::shared().announceBackground();
                      });
}

void OpenwrightApp::quit()
{
    m_quitting = true;
    if (m_settings)
        m_settings->close();
    if (m_window->isVisible())
        m_window->close();
    m_app.quit();
}

int OpenwrightApp::run(int& argc, char** argv)
{
    auto service = std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>());
    KeptRead kept(service, AppModel::keptStatesPath());
    QApplication app(argc, argv);
    prepare(app);
    SingleInstance instance;
    if (!instance.claim()) {
        if (instance.problem().isEmpty())
            return 0; // the running Openwright shows its window
        // Started from a menu there is no terminal to read: say it in a window too.
        std::fprintf(stderr, "openwright: %s\n", qPrintable(instance.problem()));
        QMessageBox::critical(nullptr, QObject::tr("Openwright cannot start"), instance.problem());
        return 1;
    }
    OpenwrightApp shell(app, instance, parse(app.arguments()), std::move(service), &kept);
    return app.exec();
}

} // namespace openwright::ui
