// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"
#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "LaunchAtLogin.h"
#include "ModelFakes.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindow.h"
#include "Updater.h"
#include "widgets/Switch.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Notifier notifier;
    std::unique_ptr<AppModel> model;
    std::unique_ptr<Updater> updater; // this build has no update feed: unconfigured
    std::unique_ptr<SettingsView> view;

    QString settingsPath() const { return dir.filePath(u"settings.conf"_s); }
    QString autostart() const { return QFileInfo(LaunchAtLogin::entryPath()).path(); }

    void make()
    {
        AppModelConfig config;
        config.dataDirectory = dir.filePath(u"data"_s);
        config.settingsPath = settingsPath();
        config.notifier = &notifier;
        config.makeNotices = [] { return std::unique_ptr<WorkspaceNotices>(); };
        model = std::make_unique<AppModel>(std::make_shared<DefaultsService>(std::make_shared<FakeLaunchServices>()),
                                           std::move(config));
        UpdaterConfig updates;
        updates.settingsPath = settingsPath();
        updater = std::make_unique<Updater>(updates);
        view = std::make_unique<SettingsView>(*model, *updater);
        view->show();
    }

    template<typename T> T* find(const char* name) const
    {
        auto* widget = view->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            throw std::runtime_error(std::string("no widget ") + name);
        return widget;
    }

    void TearDown() override
    {
        view.reset();
        QFile::remove(LaunchAtLogin::entryPath());
        QFile::remove(autostart()); // the blocking file, if any
        QDir().rmdir(autostart());
    }
};

TEST_F(SettingsTest, FailingLoginRegistrationShowsTheReasonAndRestoresTheSwitch)
{
    // A file where the autostart folder belongs: the entry cannot be written.
    QDir().mkpath(QFileInfo(autostart()).path());
    QFile blocker(autostart());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    make();
    auto* openAtLogin = find<Switch>("openAtLogin");
    auto* error = find<QLabel>("loginError");
    EXPECT_FALSE(openAtLogin->isChecked());
    EXPECT_TRUE(error->isHidden());
    EXPECT_TRUE(find<QWidget>("updates")->isHidden()); // no feed: nothing to check or switch

    openAtLogin->click();
    EXPECT_FALSE(openAtLogin->isChecked());
    EXPECT_FALSE(LaunchAtLogin::enabled());
    EXPECT_FALSE(error->isHidden());
    EXPECT_TRUE(error->text().startsWith(u"Could not create the folder ~/.config/autostart"_s))
        << error->text().toStdString();

    // Once it can be written, the switch turns on; the earlier reason stays until replaced.
    QFile::remove(autostart());
    openAtLogin->click();
    EXPECT_TRUE(openAtLogin->isChecked());
    EXPECT_TRUE(LaunchAtLogin::enabled());
    EXPECT_FALSE(error->isHidden());
}

TEST_F(SettingsTest, FifteenMinutesStores900)
{
    // A stored interval none of the choices is shown as itself, not as a neighbouring choice.
    Settings(settingsPath()).setValue(Settings::guardInterval, 45.0);
    make();
    auto* interval = find<QComboBox>("checkEvery");
    ASSERT_EQ(interval->count(), 5);
    EXPECT_EQ(interval->currentText(), u"45 seconds"_s);

    interval->setCurrentIndex(interval->findText(u"15 minutes"_s));
    EXPECT_EQ(model->guardInterval(), 900);
    EXPECT_EQ(Settings(settingsPath()).value(Settings::guardInterval), 900);
    EXPECT_EQ(interval->count(), 4);
    EXPECT_EQ(interval->currentText(), u"15 minutes"_s);
}

// Wherever the main window is, the settings open wholly on the screen, over its middle when it
// has room, scrolling only where the screen is shorter than the form.
TEST_F(SettingsTest, TheWindowOpensWhollyOnTheScreen)
{
    make();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget main;
    for (const QRect& at : {QRect(screen.center() - QPoint(300, 200), QSize(600, 400)),
                            QRect(screen.bottomRight() - QPoint(150, 100), QSize(600, 400))}) {
        main.setGeometry(at);
        main.show();
        SettingsWindow settings(*model, *updater);
        settings.present(&main);
        EXPECT_TRUE(screen.contains(settings.frameGeometry()));
        if (screen.contains(at)) {
            EXPECT_LE((settings.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
        }
    }
}

} // namespace
