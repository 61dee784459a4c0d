// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace openwright::ui {

// The one action a panel is about ("Back Up Now" on an empty list, "Apply 3 Changes"), drawn
// in the palette's accent colour.
class ProminentButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit ProminentButton(const QString& text, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyPalette();
    bool m_applying = false;
};

} // namespace openwright::ui
