// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/HealthReport.h"
#include "widgets/Style.h"

class QLabel;

namespace openwright::ui {

class HealthGauge;

// The colour a health score is shown in: good from 85, fair from 60, poor below.
Style::Tone healthTone(int score);

// The health report at a glance: a ring gauge with the score in its centre, how many types
// need attention, and what the score measures.
class HealthCard final : public Card
{
    Q_OBJECT

public:
    explicit HealthCard(QWidget* parent = nullptr);
    void setReport(const HealthReport& report);

private:
    HealthGauge* m_gauge;
    QLabel* m_summary;
};

} // namespace openwright::ui
