// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ChangeResult.h"
#include "core/ProfilePlanner.h"

#include <QWidget>

#include <optional>

class QLabel;

namespace openwright::ui {

class Spinner;

// One step of a profile's plan: the type, what it does (old → new, already set, not
// installed) and, once run, its outcome with the outcome's message as tooltip.
class StepRow final : public QWidget
{
    Q_OBJECT

public:
    explicit StepRow(const PlanStep& step, QWidget* parent = nullptr);
    const PlanStep& step() const { return m_step; }
    void setState(const std::optional<ChangeResult>& result, bool running);
    const std::optional<ChangeResult>& result() const { return m_result; }
    // The first column, the type: the width its whole name takes, and the width it is given
    // (the same in every row of a plan).
    int targetWidth() const;
    void setTargetWidth(int width);

private:
    QWidget* buildMiddle();

    PlanStep m_step;
    std::optional<ChangeResult> m_result;
    QLabel* m_target = nullptr;
    Spinner* m_spinner = nullptr;
    QLabel* m_outcome = nullptr;
};

} // namespace openwright::ui
