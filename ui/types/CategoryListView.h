// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalog.h"
#include "widgets/Page.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>

#include <chrono>
#include <optional>

class QScrollArea;
class QStackedLayout;
class QToolButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class AddTypeSheet;
class CategoryRow;
class EmptyState;
class CategoryRowList;

// A list of file and link types with the application that opens each: the screen of every
// sidebar group and of search results (no group then).
//
// The search list is updated on every keystroke, so rows are made once per type and kept:
// a new list of categories only shows, hides and orders the rows it already has.
class CategoryListView : public Page
{
    Q_OBJECT

public:
    CategoryListView(AppModel& model, const QString& title, const QList<FileCategory>& categories,
                     std::optional<CategoryGroup> group, const QString& emptyMessage, QWidget* parent = nullptr);

    // Shows other categories in place (the search list, as the text changes).
    void setCategories(const QList<FileCategory>& categories, const QString& emptyMessage);

    const QList<FileCategory>& categories() const { return m_categories; }
    // The rows shown, in order.
    const QList<CategoryRow*>& rows() const { return m_shown; }
    bool isShowingEmptyState() const;
    QString emptyMessage() const { return m_emptyMessage; }
    // The "Add Type" header button; absent for search results.
    QToolButton* addTypeButton() const { return m_addType; }
    // The "Add a File Type or Link…" button of the custom group; absent elsewhere.
    QToolButton* addSectionButton() const { return m_addSection; }
    // The add sheet while it is open.
    AddTypeSheet* addSheet() const;
    void showAddSheet();
    void reveal(const Target& target) override;
    // The row shown selected (reveal()), if any.
    CategoryRow* selectedRow() const;

    // How long the last setCategories() took on this thread, for the keystroke budget of the
    // search list (one frame, 16 ms, with the layout and painting that follow).
    std::chrono::microseconds lastUpdateTime() const { return m_lastUpdate; }

private:
    void buildList();
    void applyCategories(const QElapsedTimer& started);
    // The row kept for `category`, or none when it must be made (again).
    CategoryRow* cachedRow(const FileCategory& category);
    CategoryRow* makeRow(const FileCategory& category);
    // Makes the rows left out of the last update, then those of every type, a little at a time.
    void scheduleBuild();
    void showEmpty(const QString& message);

    AppModel& m_model;
    std::optional<CategoryGroup> m_group;
    QList<FileCategory> m_categories;
    QString m_emptyMessage;

    QStackedLayout* m_stack = nullptr;
    QWidget* m_emptyPage = nullptr;
    EmptyState* m_empty = nullptr;
    QString m_emptyShown;
    QScrollArea* m_scroll = nullptr;
    CategoryRowList* m_list = nullptr;
    QToolButton* m_addType = nullptr;
    QToolButton* m_addSection = nullptr;
    QPointer<AddTypeSheet> m_sheet;
    QHash<QString, CategoryRow*> m_rows; // by category id
    QList<CategoryRow*> m_shown;
    std::chrono::microseconds m_lastUpdate {0};
    bool m_buildScheduled = false;
    bool m_scrollToTop = false;
};

} // namespace openwright::ui
