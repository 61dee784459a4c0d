// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GuardState.h"

#include <QObject>
#include <QUuid>

#include <functional>
#include <memory>

namespace openwright {

// Where notifications are shown: the desktop's notification server, or a fake in tests.
// A backend shows one notification per change (showing the same change again replaces it)
// and reports the user's answer: the action key ("revert", or anything else for a click)
// and the change id it was posted with, empty when it no longer knows it.
class NotificationBackend
{
public:
    using Respond = std::function<void(const QString& action, const QString& changeID)>;

    virtual ~NotificationBackend() = default;
    // `action` is the button's key and `actionTitle` its text.
    virtual void show(const QString& changeID, const QString& title, const QString& body, const QString& action,
                      const QString& actionTitle)
        = 0;
    // Takes the change's notification down, if it still shows.
    virtual void close(const QString& changeID) = 0;
    // Takes every notification shown here down before the process ends: returns once the
    // server has them.
    virtual void closeAll() = 0;
    void setRespond(Respond respond) { m_respond = std::move(respond); }

protected:
    void respond(const QString& action, const QString& changeID) const
    {
        if (m_respond)
            m_respond(action, changeID);
    }

private:
    Respond m_respond;
};

// The application's one link to desktop notifications: announces a takeover of a pinned type
// with a "Revert" action (or, for a kept type the guard put back, "Allow") and routes the answer
// to the model's callbacks. One per process
// (`shared()`), used on the GUI thread.
class Notifier final : public QObject
{
    Q_OBJECT

public:
    static constexpr auto kRevertAction = "revert";
    // Accepts the application the guard put a kept type back from.
    static constexpr auto kAllowAction = "allow";

    static Notifier& shared();
    explicit Notifier(QObject* parent = nullptr);
    ~Notifier() override;

    // Connects to the session bus's notification server, unless a backend was set already.
    void configure();
    void setBackend(std::unique_ptr<NotificationBackend> backend);

    void post(const DefaultChange& change);
    // Openwright keeps guarding with its window closed and no tray: says so, and how to quit.
    void announceBackground();
    static constexpr auto kBackgroundKey = "background";
    // A resolved change offers nothing more to do: its notification goes.
    void withdraw(const QUuid& changeID);
    // Openwright quits: none of its notifications may outlive it with a Revert nobody answers.
    void withdrawAll();
    // Nothing to ask on this platform: posting needs no permission. Kept so the model's pin
    // flow stays the same everywhere.
    void requestPermission() { }

    static QString title(const DefaultChange& change);
    static QString body(const DefaultChange& change);
    // "Probably Anytype, which started 5 seconds before", or empty when nobody can be named.
    static QString likelyCulprit(const DefaultChange& change);
    // How long before: "5 seconds", "2 minutes".
    static QString durationText(qint64 seconds);
    // Routing of an answer: "revert" with a readable change id reverts, anything else opens.
    void handleResponse(const QString& action, const QString& changeID);

    std::function<void(const QUuid&)> onRevert;
    std::function<void(const QUuid&)> onAllow;
    std::function<void()> onOpen;

private:
    std::unique_ptr<NotificationBackend> m_backend;
};

} // namespace openwright
