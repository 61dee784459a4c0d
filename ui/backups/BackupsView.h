// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Page.h"

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class BackupsView final : public ScrollingPage
{
    Q_OBJECT

public:
    explicit BackupsView(AppModel& model, QWidget* parent = nullptr);

private:
    AppModel& m_model;
};

} // namespace openwright::ui
