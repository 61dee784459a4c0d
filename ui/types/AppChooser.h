// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AppInfo.h"
#include "core/Target.h"
#include "widgets/FileDialogs.h"

#include <QDialog>

#include <optional>

class QDialogButtonBox;
class QLabel;
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
// kept elsewhere, which is added to the user's applications (after asking, when it would
// replace one) or refused with the reason. The list is read off the GUI thread; a busy line
// shows until it lands.
class AppChooser final : public QDialog
{
    Q_OBJECT

public:
    AppChooser(AppModel& model, const Target& target, QWidget* parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    QLineEdit* searchField() const { return m_search; }
    QListWidget* list() const { return m_list; }
    QPushButton* useButton() const { return m_use; }
    QPushButton* browseButton() const { return m_browse; }
    // Why the entry chosen with Browse… cannot be used; empty when there is nothing to say.
    QString problem() const;

    // Asks for a desktop entry; the system's file dialog unless a test answers.
    FileDialogs::Picker pickDesktopFile;

    void accept() override;

Q_SIGNALS:
    // The user confirmed an application; the dialog closes right after.
    void chosen(const AppInfo& app);
    // The user chose a desktop entry from elsewhere, to be added to their applications.
    void chosenFile(const QUrl& file);

private:
    void load(const QList<AppInfo>& apps);
    void filter(const QString& text);
    void browse();
    void useFile(const QString& path);
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
    QLabel* m_problem;
};

} // namespace openwright::ui
