// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QObject;

namespace openwright::ui::KeyboardHabits {

// What people expect of the keyboard on every desktop, for every window of the application:
// typing in an open menu reaches the item that starts so ("o" reaches Okular), Shift+F10 opens
// the focused control's context menu as the Menu key does, and Escape in a search field (a field
// with a clear button) clears it (a second Escape then leaves, as it would have). Call once, after the style is chosen; a
// change of style then puts the palette back. Returns the keys' filter, owned by `app`: deleting
// it ends all but the menus' search.
QObject* install(QApplication& app);

} // namespace openwright::ui::KeyboardHabits
