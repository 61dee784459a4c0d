// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardView.h"

#include "AppModel.h"

namespace openwright::ui {

GuardView::GuardView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Default Guard"), parent)
    , m_model(model)
{
}

} // namespace openwright::ui
