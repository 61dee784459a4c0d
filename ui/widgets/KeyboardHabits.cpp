// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardHabits.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QWidget>

namespace openwright::ui::KeyboardHabits {

namespace {

// Menus search by what is typed, as on macOS: Fusion and the Linux styles leave it off.
class TypeAheadStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_Menu_KeyboardSearch)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class Keys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            // Sent like the Menu key's: unanswered, it goes on to the parents (a row's menu).
            const QPoint at = widget->rect().center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
            QApplication::sendEvent(widget, &menu);
            return true;
        }
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            // A search field, known by its clear button: a field one fills in keeps Escape for its sheet.
            auto* field = qobject_cast<QLineEdit*>(widget);
            if (field && field->isClearButtonEnabled() && !field->isReadOnly() && !field->text().isEmpty()) {
                field->clear();
                return true;
            }
        }
        return false;
    }
};

} // namespace

QObject* install(QApplication& app)
{
    app.setStyle(new TypeAheadStyle(app.style()->name()));
    auto* keys = new Keys(&app);
    app.installEventFilter(keys);
    return keys;
}

} // namespace openwright::ui::KeyboardHabits
