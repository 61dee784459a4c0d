// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AppInfo.h"
#include "core/Target.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// Picks any installed application for a type: every installed entry with its icon and name
// (told apart where two share a name), a search field, and "Browse…" for a desktop entry
// kept elsewhere. The list is read off the GUI thread; a busy line shows until it lands.
class AppChooser final : public QDialog
{
    Q_OBJECT

public:
    AppChooser(AppModel& model, const Target& target, QWidget* parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    QLineEdit* searchField() const { return m_search; }
    QListWidget* list() const { return m_list; }
    QPushButton* useButton() const { return m_use; }

    void accept() override;

Q_SIGNALS:
    // The user confirmed an application; the dialog closes right after.
    void chosen(const AppInfo& app);

private:
    void load(const QList<AppInfo>& apps);
    void filter(const QString& text);
    void browse();
    void updateButtons();

    AppModel& m_model;
    Target m_target;
    QList<AppInfo> m_apps;
    bool m_loaded = false;
    QLineEdit* m_search;
    QStackedWidget* m_stack;
    QListWidget* m_list;
    QDialogButtonBox* m_buttons;
    QPushButton* m_use;
    QPushButton* m_browse;
};

} // namespace openwright::ui
