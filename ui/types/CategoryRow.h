// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Catalog.h"

#include <QWidget>

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// One type on one line: the current application's icon, the title and summary, the status
// line (pending, the last outcome, or "No installed app can open …"), the pin and the picker.
// It follows the model's states, pending changes, outcomes and pins by itself.
class CategoryRow final : public QWidget
{
    Q_OBJECT

public:
    CategoryRow(AppModel& model, const FileCategory& category, QWidget* parent = nullptr);
    const FileCategory& category() const { return m_category; }

private:
    AppModel& m_model;
    FileCategory m_category;
};

} // namespace openwright::ui
