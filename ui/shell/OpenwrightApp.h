// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class QApplication;

namespace openwright {
class AppModel;
class BackgroundPortal;
class DefaultsService;
class KeptRead;
class SingleInstance;
class Updater;
} // namespace openwright

namespace openwright::ui {

class MainWindow;
class SettingsWindow;
class TrayIcon;
class UpdatePrompt;

// The application: one per process. Builds the updater, the defaults service over the
// system's launch services and the one model, the main window and the tray; reads every default and starts
// the guard when the window is first shown (at once with --background, which starts in the
// tray without a window). Closing the window keeps the application running while the tray
// icon shows. Without a tray it keeps running while the guard is on, with the Background
// portal's leave where there is one and a notification that says so; with the guard off it
// quits, since nothing would be left to do.
class OpenwrightApp final : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool background = false;
    };
    static Options parse(const QStringList& arguments);

    // `kept`, when given, is the read of the kept states already under way for `service`.
    OpenwrightApp(QApplication& app, SingleInstance& instance, Options options,
                  std::shared_ptr<DefaultsService> service, KeptRead* kept = nullptr);
    ~OpenwrightApp() override;

    AppModel& model() const { return *m_model; }
    MainWindow& window() const { return *m_window; }
    Updater& updater() const { return *m_updater; }
    // The settings window while it is open.
    SettingsWindow* settingsWindow() const;
    // Opens the settings window, or brings the open one to the front.
    void showSettings();

    // Sets the application's names, palette and matching icons: before any window exists.
    static void prepare(QApplication& app);
    // The application's own icon: the installed theme's, else the one built in.
    static QIcon appIcon();
    // Runs the whole application, from the creation of the QApplication; returns the exit status.
    static int run(int& argc, char** argv);

private:
    void showIcons();
    void readAfterFirstFrame();
    void startReading();
    void reportStartup();
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showWindow();
    void connectUpdates();
    void quit();
    void windowClosed();
    void keepGuardingInBackground();

    QApplication& m_app;
    std::unique_ptr<Updater> m_updater;
    std::shared_ptr<DefaultsService> m_service;
    std::unique_ptr<AppModel> m_model;
    bool m_fromCache = false; // the first window shows the defaults kept from the last run
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<TrayIcon> m_tray;
    std::unique_ptr<UpdatePrompt> m_updatePrompt;
    QPointer<SettingsWindow> m_settings;
    std::unique_ptr<BackgroundPortal> m_portal;
    bool m_reading = false;
    bool m_reportedReady = false;
    bool m_quitting = false;
    bool m_backgroundAsked = false;
};

} // namespace openwright::ui
