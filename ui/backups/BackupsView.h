// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Profile.h"
#include "widgets/Page.h"

#include <QPointer>
#include <QTimer>

class QLabel;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class BackupRow;
class IconLabel;
class ProfileSheet;

// The backups, grouped by day, newest first: restore one through the profile sheet, delete
// one, take one now, and switch automatic backups on or off.
class BackupsView final : public ScrollingPage
{
    Q_OBJECT

public:
    explicit BackupsView(AppModel& model, QWidget* parent = nullptr);

    void openRestore(const Profile& backup);
    ProfileSheet* sheet() const;

private:
    void backUpNow();
    QWidget* buildEmptyState();
    void rebuild();
    void updateDifferences();
    void updateDayTitles();

    AppModel& m_model;
    IconLabel* m_problem = nullptr;
    QVBoxLayout* m_sections = nullptr;
    QList<std::pair<QDate, QLabel*>> m_dayTitles;
    QList<BackupRow*> m_rows;
    QList<Profile> m_shown;
    bool m_built = false;
    QPointer<ProfileSheet> m_restoring;
    // States arrive in bursts; the rows' differences follow once per burst.
    QTimer m_differenceUpdate;
    // "Today" becomes "Yesterday" at midnight while the screen is open.
    QTimer m_clockTick;
};

} // namespace openwright::ui
