// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ApplicationIndex.h"
#include "profiles/ProfileSheet.h"
#include "widgets/HitRow.h"
#include "widgets/Page.h"

#include <QPointer>

class QHBoxLayout;
class QLineEdit;
class QListView;
class QSortFilterProxyModel;
class QStackedLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class ApplicationListModel;
class ApplicationPage;
class EmptyState;

// The Applications screen: every installed application a person would choose from, searchable,
// and the page of the selected one (the model's selected application).
class ApplicationsView final : public Page
{
    Q_OBJECT

public:
    explicit ApplicationsView(AppModel& model, QWidget* parent = nullptr);

    QListView* list() const { return m_list; }
    QLineEdit* filter() const { return m_filter; }
    ApplicationPage* page() const { return m_page; }
    // Whether the "select an application" panel shows instead of a page.
    bool isShowingPlaceholder() const;
    ProfileSheet* sheet() const { return m_sheet; }
    void openSheet(std::optional<TypeFamily> family);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildList();
    QWidget* buildDetail();
    void followSelection();
    // Selects the first application the search shows, unless one it shows is selected.
    void openFirstMatch();

    AppModel& m_model;
    ApplicationListModel* m_apps = nullptr;
    QSortFilterProxyModel* m_filtered = nullptr;
    QLineEdit* m_filter = nullptr;
    QListView* m_list = nullptr;
    QStackedLayout* m_detail = nullptr;
    EmptyState* m_placeholder = nullptr;
    ApplicationPage* m_page = nullptr;
    QPointer<ProfileSheet> m_sheet;
};

// Above the search results: the applications whose name matches the search text, each a button
// that opens its page. Hidden while nothing matches.
class ApplicationHits final : public HitRow
{
    Q_OBJECT

public:
    explicit ApplicationHits(AppModel& model, QWidget* parent = nullptr);
    void update();

private:
    AppModel& m_model;
};

} // namespace openwright::ui
