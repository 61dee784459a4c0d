// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ChangeResult.h"
#include "core/ProfilePlanner.h"

#include <QDialog>
#include <QHash>

class QPushButton;
class QToolButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class IconLabel;
class StepRow;

// A profile's plan against the current defaults, and the button that carries it out: a
// window-modal dialog, deleted when closed. Shown for profiles and, to restore them, backups.
class ProfileSheet final : public QDialog
{
    Q_OBJECT

public:
    ProfileSheet(AppModel& model, const Profile& profile, QWidget* parent = nullptr);

    const Profile& profile() const { return m_profile; }
    // What differs first, then what is already set (folded under the toggle while anything differs).
    const QList<StepRow*>& rows() const { return m_rows; }
    QToolButton* showUnchangedButton() const { return m_showUnchanged; }
    QPushButton* primaryButton() const { return m_primary; }
    QPushButton* closeButton() const { return m_close; }
    QString footerText() const;
    bool isRunning() const { return m_running; }

    // A run cannot be called back once started: the sheet stays until its outcomes are in.
    void reject() override;

private:
    QWidget* buildHeader();
    QWidget* buildPlan();
    QWidget* buildFooter();
    void run();
    void updateState();

    AppModel& m_model;
    Profile m_profile;
    QList<PlanStep> m_plan;
    int m_changes = 0;
    bool m_running = false;
    QHash<Target, ChangeResult> m_results;
    QList<StepRow*> m_rows;
    IconLabel* m_footer = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_primary = nullptr;
    QToolButton* m_showUnchanged = nullptr;
};

} // namespace openwright::ui
