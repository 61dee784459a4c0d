// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GuardState.h"
#include "widgets/Page.h"

#include <QTimer>

#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class RowList;
class Switch;

// The Default Guard: its switch, the pinned types it watches, and the changes it spotted, each
// with Revert and Keep.
class GuardView final : public ScrollingPage
{
    Q_OBJECT

public:
    explicit GuardView(AppModel& model, QWidget* parent = nullptr);

private:
    QWidget* buildSwitch();
    void buildPinned();
    void buildChanges();
    void updateSwitch();
    void updatePinned();
    void updateChanges();
    void keepFocusIn(RowList* list, const std::function<void()>& update, const QStringList& sameControls);

    AppModel& m_model;
    Switch* m_switch = nullptr;
    QLabel* m_pinnedTitle = nullptr;
    RowList* m_pinnedRows = nullptr;
    QPushButton* m_clear = nullptr;
    RowList* m_changeRows = nullptr;
    QToolButton* m_checkNow = nullptr;
    QTimer m_clockTick;
    // What the lists show, so that a signal that changed neither leaves them alone.
    QList<std::pair<Target, std::optional<AppInfo>>> m_shownPinned;
    QSet<Target> m_shownKept;
    QList<DefaultChange> m_shownHistory;
    QSet<Target> m_shownPins;
    bool m_changesBuilt = false;
};

} // namespace openwright::ui
