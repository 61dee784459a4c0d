// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Profile.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// One backup: why and when it was taken, how many defaults it holds, how far today's defaults
// have moved from it, Restore… and delete.
class BackupRow final : public QWidget
{
    Q_OBJECT

public:
    BackupRow(AppModel& model, const Profile& backup, QWidget* parent = nullptr);
    const Profile& backup() const { return m_backup; }
    // Plans the backup against the current defaults again.
    void updateDifference();
    QString differenceText() const;
    QPushButton* restoreButton() const { return m_restore; }

Q_SIGNALS:
    void restoreRequested(const Profile& backup);

private:
    AppModel& m_model;
    Profile m_backup;
    QLabel* m_difference = nullptr;
    QPushButton* m_restore = nullptr;
};

} // namespace openwright::ui
