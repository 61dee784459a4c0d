// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupsView.h"

#include "AppModel.h"

namespace openwright::ui {

BackupsView::BackupsView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Backups"), parent)
    , m_model(model)
{
}

} // namespace openwright::ui
