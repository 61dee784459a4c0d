// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryRow.h"

#include "AppModel.h"

namespace openwright::ui {

CategoryRow::CategoryRow(AppModel& model, const FileCategory& category, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_category(category)
{
}

} // namespace openwright::ui
