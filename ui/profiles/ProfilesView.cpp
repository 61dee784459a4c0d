// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilesView.h"

#include "AppModel.h"

namespace openwright::ui {

ProfilesView::ProfilesView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Profiles"), parent)
    , m_model(model)
{
}

} // namespace openwright::ui
