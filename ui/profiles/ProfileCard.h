// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProfilePlanner.h"

#include <QAbstractButton>

namespace openwright::ui {

class ElidedLabel;
class IconLabel;

// One profile as a card: its symbol, the "Preset" tag, name, summary and how much of it
// differs from now. The whole card is one button (click, Return or Space opens it); the
// actions added to it (Export…, Delete) make its context menu.
class ProfileCard final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit ProfileCard(const Profile& profile, QWidget* parent = nullptr);

    const Profile& profile() const { return m_profile; }
    void setPlan(const QList<PlanStep>& plan);
    QString planSummary() const;
    // The cards' narrowest: three fit beside the sidebar in the default window, two in the smallest.
    static int cardWidth();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Profile m_profile;
    ElidedLabel* m_name = nullptr;
    IconLabel* m_plan = nullptr;
};

} // namespace openwright::ui
