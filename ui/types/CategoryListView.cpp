// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryListView.h"

#include "AppModel.h"

namespace openwright::ui {

CategoryListView::CategoryListView(AppModel& model, const QString& title, const QList<FileCategory>& categories,
                                   std::optional<CategoryGroup> group, const QString& emptyMessage, QWidget* parent)
    : Page(title, parent)
    , m_model(model)
    , m_group(group)
{
    setCategories(categories, emptyMessage);
}

void CategoryListView::setCategories(const QList<FileCategory>& categories, const QString& emptyMessage)
{
    m_categories = categories;
    m_emptyMessage = emptyMessage;
}

} // namespace openwright::ui
