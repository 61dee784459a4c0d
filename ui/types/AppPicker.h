// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalog.h"
#include "core/TargetState.h"

#include <QPushButton>

#include <optional>

class QMenu;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class AppChooser;
class OrderSheet;
class ElidedLabel;
class Spinner;

// The drop-down that shows which application opens a type and lets the user pick another:
// the installed candidates (the current one checked), "Choose Another App…" for any installed
// application, and "Why this app?" for the explanation. The row it sits in feeds it the
// type's state; the menu is built when it opens, so a state change costs only the label.
class AppPicker final : public QPushButton
{
    Q_OBJECT

public:
    AppPicker(AppModel& model, const FileCategory& category, QWidget* parent = nullptr);

    void setState(const std::optional<TargetState>& state, bool pending);
    // The text the label shows: "Loading…", "No default", or the current application's name.
    QString label() const;
    bool isPending() const { return m_pending; }
    // The picker's menu, for a list that opens it where the pointer is.
    QMenu* menu() const { return m_menu; }
    // Fills the menu from the current state; runs by itself each time the menu opens.
    void rebuildMenu();
    // Opens the chooser of every installed application ("Choose Another App…").
    AppChooser* chooseAnother();
    // Opens the order of the apps offered for the type.
    OrderSheet* orderApps();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    void explain();

    AppModel& m_model;
    FileCategory m_category;
    std::optional<TargetState> m_state;
    bool m_pending = false;
    QMenu* m_menu;
    Spinner* m_spinner;
    ElidedLabel* m_label;
};

} // namespace openwright::ui
