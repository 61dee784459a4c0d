// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverviewView.h"

#include "AppModel.h"

namespace openwright::ui {

OverviewView::OverviewView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Overview"), parent)
    , m_model(model)
{
}

} // namespace openwright::ui
