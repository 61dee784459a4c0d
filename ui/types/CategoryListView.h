// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalog.h"
#include "Page.h"

#include <optional>

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// A list of file and link types with the application that opens each: the screen of every
// sidebar group and of search results (no group then).
class CategoryListView : public Page
{
    Q_OBJECT

public:
    CategoryListView(AppModel& model, const QString& title, const QList<FileCategory>& categories,
                     std::optional<CategoryGroup> group, const QString& emptyMessage, QWidget* parent = nullptr);

    // Shows other categories in place (the search list, as the text changes).
    void setCategories(const QList<FileCategory>& categories, const QString& emptyMessage);

private:
    AppModel& m_model;
    std::optional<CategoryGroup> m_group;
    QList<FileCategory> m_categories;
    QString m_emptyMessage;
};

} // namespace openwright::ui
