// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

namespace openwright::ui {

// An on/off switch: a checkable button drawn as a sliding toggle, with Space to flip it and
// its label as the accessible name. Used for the guard, automatic backups and the settings.
class Switch final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit Switch(const QString& accessibleName, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace openwright::ui
