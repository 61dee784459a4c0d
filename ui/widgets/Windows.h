// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace openwright::ui {

// Whether a window of Openwright's other than `leaving` is on screen: while none is, the model
// may do its quiet work where its timers fire (see AppModel::setInBackground).
inline bool anotherWindowShows(const QWidget* leaving)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [&](const QWidget* w) {
        return w != leaving && w->isVisible() && !(w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip);
    });
}

} // namespace openwright::ui
