// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProminentButton.h"

#include <QApplication>
#include <QEvent>

namespace openwright::ui {

ProminentButton::ProminentButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    applyPalette();
}

void ProminentButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !m_applying)
        applyPalette();
}

void ProminentButton::applyPalette()
{
    // Active and inactive take the accent; disabled keeps the style's own muted look.
    m_applying = true;
    const QPalette base = QApplication::palette(this);
    QPalette p = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Button, base.color(group, QPalette::Highlight));
        p.setColor(group, QPalette::ButtonText, base.color(group, QPalette::HighlightedText));
    }
    setPalette(p);
    m_applying = false;
}

} // namespace openwright::ui
