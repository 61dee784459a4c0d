// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "ManualClock.h"
#include "ModelFakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace openwright::test {

inline const Target pdf = Target::fileExtension(QStringLiteral("pdf"));
inline const Target mailto = Target::scheme(QStringLiteral("mailto"));

// One model over the in-memory platform, in a throw-away data folder, on a manual clock:
// Evince is the .pdf default with Okular beside it, Thunderbird opens mailto:. Tests add their
// own applications before `make()`; an application's URL in `deleted` reads as uninstalled.
class ModelFixture : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    std::shared_ptr<FakeLaunchServices> fake = std::make_shared<FakeLaunchServices>();
    QSet<QUrl> deleted;
    std::shared_ptr<DefaultsService> service
        = std::make_shared<DefaultsService>(fake, [this](const QUrl& url) { return !deleted.contains(url); });
    ManualClock clock {QDateTime(QDate(2025, 3, 1), QTime(9, 30), QTimeZone::utc())};
    Notifier notifier;
    FakeNotificationBackend* shown = nullptr;
    FakeNotices* notices = nullptr;
    int noticesMade = 0;
    // The doctor's view of the files; unset, the sandbox's folders through GIO.
    std::function<DoctorPaths()> doctorPaths;
    DoctorPlatform doctorPlatform;
    std::unique_ptr<AppModel> model;
    AppInfo evince, okular, thunderbird;

    ModelFixture()
    {
        auto backend = std::make_unique<FakeNotificationBackend>();
        shown = backend.get();
        notifier.setBackend(std::move(backend));
        evince = fake->addApp(QStringLiteral("Evince"), QStringLiteral("org.gnome.Evince"));
        okular = fake->addApp(QStringLiteral("Okular"), QStringLiteral("org.kde.okular"));
        thunderbird = fake->addApp(QStringLiteral("Thunderbird"), QStringLiteral("thunderbird"));
        fake->setDefault(pdf, evince);
        fake->setCandidates(pdf, {evince, okular});
        fake->setDefault(mailto, thunderbird);
    }

    QString dataDir() const { return dir.filePath(QStringLiteral("data")); }
    // The doctor over `text` as the user's mimeapps.list (returned) in a folder of this test, on a
    // platform where all but gone.desktop is installed and application/x-pdf names application/pdf.
    QString useDoctorList(const QByteArray& text)
    {
        const QString config = dir.filePath(QStringLiteral("config"));
        QDir().mkpath(config);
        QFile list(config + QStringLiteral("/mimeapps.list"));
        if (!list.open(QIODevice::WriteOnly) || list.write(text) != text.size())
            ADD_FAILURE() << "cannot write the list";
        doctorPaths = [this, config] { return DoctorPaths {config, dir.filePath(QStringLiteral("data")), {}, {}}; };
        doctorPlatform.installed = [](const QString& id) { return id != QStringLiteral("gone.desktop"); };
        doctorPlatform.canonical = [](const QString& type) {
            return type == QStringLiteral("application/x-pdf") ? QStringLiteral("application/pdf") : type;
        };
        doctorPlatform.programFound = [](const QString&) { return true; };
        doctorPlatform.installedRunning = [](const QString&) { return QString(); };
        doctorPlatform.decidingList = [](const QString&) { return QString(); };
        doctorPlatform.opens = [](const QStringList&, const FileChanges&) { return QHash<QString, QString>(); };
        doctorPlatform.affected = [](const QStringList& types, const QStringList&) { return types; };
        return list.fileName();
    }
    QString settingsPath() const { return dir.filePath(QStringLiteral("settings.conf")); }

    AppModel& make(const QString& data = {})
    {
        // The last run ends first, as a start follows one: its kept states are written by
        // then, and the new model's sweep of stale temporaries cannot meet its write.
        model.reset();
        AppModelConfig config;
        config.dataDirectory = data.isEmpty() ? dataDir() : data;
        config.settingsPath = settingsPath();
        config.cacheDirectory = dir.filePath(QStringLiteral("cache"));
        config.clock = &clock;
        config.notifier = &notifier;
        config.doctorPaths = doctorPaths;
        config.doctorPlatform = doctorPlatform;
        config.makeNotices = [this] {
            ++noticesMade;
            auto made = std::make_unique<FakeNotices>();
            notices = made.get();
            return made;
        };
        model = std::make_unique<AppModel>(service, std::move(config));
        return *model;
    }
    // Re-reads every default and lets the views take in their coalesced updates.
    void refresh()
    {
        await(model->refresh());
        settle(*model);
        QCoreApplication::processEvents();
    }
    void check()
    {
        await(model->checkGuard());
        settle(*model);
    }
    void advance(std::chrono::milliseconds by)
    {
        clock.advance(by, [this] { settle(*model); });
    }
};

} // namespace openwright::test
