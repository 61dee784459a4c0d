// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ApplicationIndex.h"

#include <QHash>
#include <QMap>
#include <QWidget>

class QBoxLayout;
class QLabel;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class AppIconView;

// Empties `layout` at once, its widgets hidden now and deleted once control returns to the loop
// (a button of theirs may be the one whose click led here).
void takeDown(QBoxLayout* layout);

// One application's page: every type its entry declares, grouped by family, each line with what
// opens it now and a mark where this application already does, and the buttons that make it
// the default of all of them, of a family, or of one type. Made from the model's index alone.
class ApplicationPage final : public QWidget
{
    Q_OBJECT

public:
    ApplicationPage(AppModel& model, QWidget* parent = nullptr);

    // Shows `app`'s page, or nothing for an application the index does not hold.
    void show(const QUrl& app);
    QUrl app() const { return m_app; }

    // What the tests look at.
    QPushButton* useForAllButton() const { return m_useForAll; }
    QPushButton* familyButton(TypeFamily family) const { return m_familyButtons.value(family); }
    QString familyStatus(TypeFamily family) const;
    QList<TypeFamily> families() const { return m_familyButtons.keys(); }
    // The lines shown, by MIME type: whether it is marked as this application's.
    bool isMarked(const QString& type) const;
    QToolButton* useForTypeButton(const QString& type) const;
    QString emptyText() const;

Q_SIGNALS:
    // Asks for the plan sheet of `family` (all of the application's types without one).
    void useForRequested(std::optional<TypeFamily> family);

private:
    void rebuild();
    QWidget* buildHeader(const InstalledApp& app);
    QWidget* buildFamily(const InstalledApp& app, TypeFamily family, const QList<DeclaredType>& lines);
    QWidget* buildLine(const InstalledApp& app, const DeclaredType& line, QWidget* parent);

    AppModel& m_model;
    QUrl m_app;
    QVBoxLayout* m_column;
    QPushButton* m_useForAll = nullptr;
    QLabel* m_empty = nullptr;
    QMap<TypeFamily, QPushButton*> m_familyButtons;
    QMap<TypeFamily, QLabel*> m_familyStatus;
    QHash<QString, QWidget*> m_lines; // by MIME type
    QHash<QString, bool> m_marked;
    QSize m_buttonSize; // of every "Use for This Type" button on the page
};

} // namespace openwright::ui
