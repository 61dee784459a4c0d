// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QWidget>

namespace openwright::ui {

// A small indeterminate progress indicator: an arc turning on a faint ring, as tall as a line
// of text. It animates only while shown, so hidden spinners in long lists cost nothing.
class Spinner final : public QWidget
{
    Q_OBJECT

public:
    explicit Spinner(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    bool isSpinning() const { return m_timer.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer m_timer;
    int m_step = 0;
};

} // namespace openwright::ui
