// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/Style.h"

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class Switch;

// The automatic-backups switch, with what it promises.
class HistoryHeader final : public Card
{
    Q_OBJECT

public:
    explicit HistoryHeader(AppModel& model, QWidget* parent = nullptr);
    Switch* toggle() const { return m_switch; }

private:
    void updateSwitch();

    AppModel& m_model;
    Switch* m_switch;
};

} // namespace openwright::ui
