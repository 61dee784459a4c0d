// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSet>

namespace openwright {
class Updater;
struct UpdateCheckResult;
} // namespace openwright

namespace openwright::ui {

// Tells the user what an update check found. A check the user started always ends in a small
// dialog: up to date, a new version with the way to its page, or why it failed. Automatic
// checks stay quiet unless they find a new version, which is announced once per version and
// run of the application.
class UpdatePrompt final : public QObject
{
    Q_OBJECT

public:
    explicit UpdatePrompt(Updater& updater, QObject* parent = nullptr);
    ~UpdatePrompt() override;

    // Starts a check on the user's behalf, when one can start.
    void checkNow();
    // The dialog on screen, if any.
    QMessageBox* dialog() const { return m_dialog; }

private:
    void checkEnded();
    void show(const UpdateCheckResult& result);

    Updater& m_updater;
    bool m_userCheck = false;
    QSet<QString> m_announced;
    QPointer<QMessageBox> m_dialog;
};

} // namespace openwright::ui
