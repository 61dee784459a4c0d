// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/HealthReport.h"
#include "widgets/Style.h"

class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// One type without a working default: what is wrong in a line, and the way to its list.
class IssueRow final : public Card
{
    Q_OBJECT

public:
    IssueRow(AppModel& model, const HealthReport::Issue& issue, QWidget* parent = nullptr);
    const HealthReport::Issue& issue() const { return m_issue; }
    QPushButton* showButton() const { return m_show; }

    static QString message(const HealthReport::Issue& issue);

private:
    AppModel& m_model;
    HealthReport::Issue m_issue;
    QPushButton* m_show;
};

} // namespace openwright::ui
