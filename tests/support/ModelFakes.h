// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppModel.h"
#include "Notifier.h"
#include "WorkspaceNotices.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFuture>
#include <QThread>

#include <stdexcept>

namespace openwright::test {

// Records what would have been shown, and answers as a user would.
class FakeNotificationBackend final : public NotificationBackend
{
public:
    struct Shown
    {
        QString changeID;
        QString title;
        QString body;
        QString action;
    };
    QList<Shown> shown;
    QStringList closed; // change ids whose notification was taken down
    bool closedAll = false;

    void show(const QString& changeID, const QString& title, const QString& body, const QString& action,
              const QString&) override
    {
        shown.append({changeID, title, body, action});
    }
    void close(const QString& changeID) override { closed.append(changeID); }
    void closeAll() override { closedAll = true; }
    void answer(const QString& action, const QString& changeID) const { respond(action, changeID); }
};

// Launch, quit and file notices the test sends itself.
class FakeNotices final : public WorkspaceNotices
{
public:
    int starts = 0;
    void start() override { ++starts; }
    void launchOrQuit() { Q_EMIT applicationLaunchedOrQuit(); }
    void filesChanged() { Q_EMIT defaultsFilesChanged(); }
    void started(const QString& unit) { Q_EMIT applicationStarted(unit); }
};

// Runs the event loop until `done` holds (a model's results arrive through it).
template<typename Done> void spinUntil(Done done, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            throw std::runtime_error("timed out waiting for the model");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

template<typename T> T await(QFuture<T> future)
{
    spinUntil([&] { return future.isFinished(); });
    if constexpr (!std::is_void_v<T>)
        return future.result();
}

inline void settle(const AppModel& model)
{
    spinUntil([&] { return !model.isBusy(); });
}

} // namespace openwright::test
