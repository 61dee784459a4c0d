// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/GuardState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class ElidedLabel;

// One detected change: what took over which type, which program likely did it, and when, with
// Revert and Keep while it is unresolved and "Handled" (or "Put back", with Allow) once it is.
class ChangeRow final : public QWidget
{
    Q_OBJECT

public:
    ChangeRow(AppModel& model, const DefaultChange& change, bool pinned, QWidget* parent = nullptr);
    const DefaultChange& change() const { return m_change; }
    // The same change later (resolved now, or its type pinned or unpinned): updated in place.
    void setChange(const DefaultChange& change, bool pinned);
    // "5 minutes ago" moves on while the screen stays open.
    void updateTime();

private:
    void buildActions();
    void paintIcon();
    void updateNote();

    AppModel& m_model;
    DefaultChange m_change;
    bool m_pinned;
    QLabel* m_icon = nullptr;
    QLabel* m_time = nullptr;
    ElidedLabel* m_note = nullptr;
    QWidget* m_actions = nullptr;
};

} // namespace openwright::ui
