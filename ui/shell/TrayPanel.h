// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Target.h"

#include <QFrame>
#include <QSet>
#include <QUuid>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class IconLabel;

// The tray's panel: a compact status of the defaults and the guard, the latest unresolved
// changes with Revert, and the way to the window, a check, the settings and quit. A popup:
// it closes when it loses focus and on Escape. It follows the model while it is open.
class TrayPanel final : public QFrame
{
    Q_OBJECT

public:
    // The panel lists no more than this many of the newest unresolved changes.
    static constexpr int kMaxChanges = 4;

    explicit TrayPanel(AppModel& model, QWidget* parent = nullptr);

    // Shows the panel beside `anchor` (the tray icon's area, or the pointer's spot) and inside
    // that screen's free area: below it where it fits, above it otherwise.
    void popUp(const QRect& anchor);

Q_SIGNALS:
    void openRequested();
    void settingsRequested();
    void quitRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLayout* buildHeader();
    QWidget* buildChanges();
    QLayout* buildFooter();
    void updateHealth();
    void updateGuard();
    void updateChanges();
    // A revert asked for here that could not be done says why on its row.
    void updateOutcomes();
    void fitHeight();
    // Moves the panel beside the anchor, inside the free area of the anchor's screen.
    void place();

    AppModel& m_model;
    bool m_rounded;
    bool m_hadFocus = false;
    QRect m_anchor;
    QLabel* m_health = nullptr;
    IconLabel* m_guard = nullptr;
    QWidget* m_changesSection = nullptr;
    QVBoxLayout* m_changeRows = nullptr;
    struct ChangeLine
    {
        QUuid id;
        Target target;
        QWidget* row;
        QToolButton* revert;
        IconLabel* outcome;
    };
    QList<ChangeLine> m_lines;
    QList<QUuid> m_shownChanges;
    QSet<QUuid> m_asked; // reverts pressed in this panel
    QList<QWidget*> m_footer;
};

} // namespace openwright::ui
