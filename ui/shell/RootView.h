// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Target.h"

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class CategoryListView;
class ElidedLabel;
class Page;

// The main window's content: the sidebar with its search field on the left, and on the right
// a header bar (the screen's title and buttons, and "Refresh") above the selected screen, or
// the search results while the search field holds text. It follows the model's selection and
// search text; it keeps no navigation state of its own.
class RootView final : public QWidget
{
    Q_OBJECT

public:
    explicit RootView(AppModel& model, QWidget* parent = nullptr);

    void focusSearch();
    Page* currentPage() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSidebar();
    QWidget* buildDetail();
    QWidget* buildProblemBanner(QWidget* parent);
    void choosePage();
    // Makes the search page, idle after the first frames, so the first keystroke only filters.
    void prepareSearch();
    QString noMatchText(const QString& text) const;
    void showPage(Page* page);
    void retire(Page* page);
    void updateHeader();
    void fitHeader();
    void reveal(const Target& target);

    AppModel& m_model;
    QLineEdit* m_search = nullptr;
    QWidget* m_header = nullptr;
    ElidedLabel* m_title = nullptr;
    QHBoxLayout* m_headerButtons = nullptr;
    QToolButton* m_refresh = nullptr;
    QStackedWidget* m_stack = nullptr;
    QPointer<Page> m_page;
    CategoryListView* m_searchPage = nullptr;
    QString m_pageKey;
    // The screen the search replaced, kept as it was: clearing the field shows it again at once.
    QPointer<Page> m_behindSearch;
    QString m_behindKey;
};

} // namespace openwright::ui
