// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Profile.h"
#include "widgets/FileDialogs.h"
#include "widgets/Page.h"
#include "widgets/Style.h"

#include <QPointer>
#include <QTimer>

#include <functional>

class QAction;
class QLabel;
class QPushButton;
class QToolButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class Card;
class IconLabel;
class ProfileCard;
class ProfileSheet;

// Every profile as a card: the presets, then the user's own. Saves the current defaults as a
// profile, imports and exports profile files, and opens a profile's sheet to apply it.
class ProfilesView final : public ScrollingPage
{
    Q_OBJECT

public:
    // Asks the user for a file and calls `chosen` with its path, if they chose one. The
    // proposed name is empty when opening. Tests replace these with ones that answer at once.
    FileDialogs::Picker pickExportFile;
    FileDialogs::Picker pickImportFile;

    explicit ProfilesView(AppModel& model, QWidget* parent = nullptr);

    void openSheet(const Profile& profile);
    ProfileSheet* sheet() const;
    void exportProfiles(const QList<Profile>& profiles);
    void importProfiles();
    // The outcome of the last action (an import, an export, a delete), shown above the cards in
    // its tone until the next action.
    QString message() const;
    // The message's button, such as a delete's Undo; null when it has none.
    QPushButton* messageAction() const;

    static QString proposedFileName(const QList<Profile>& profiles);

private:
    void buildHeader();
    void promptForName();
    void rebuildCards();
    void updatePlans();
    void setMessage(const QString& text, Style::Tone tone = Style::Tone::normal, const QString& actionText = {},
                    std::function<void()> action = {});
    void deleteProfile(const Profile& profile);

    AppModel& m_model;
    QWidget* m_grid = nullptr;
    QList<ProfileCard*> m_cards;
    Card* m_messageBar = nullptr;
    IconLabel* m_message = nullptr;
    QPushButton* m_messageAction = nullptr;
    std::function<void()> m_action;
    QAction* m_exportMine = nullptr;
    QPointer<ProfileSheet> m_sheet;
    // States arrive in bursts (a refresh, a guard check); the plans follow once per burst.
    QTimer m_planUpdate;
};

} // namespace openwright::ui
