// SPDX-License-Identifier: GPL-3.0-or-later
#include "Page.h"

#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QMenu>
#include <QScrollArea>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

namespace {

// A header button that opens a menu, its arrow after the label on the text's line. The style
// draws a menu button's arrow small in the bottom corner, below the baseline.
class MenuHeaderButton final : public QToolButton
{
public:
    using QToolButton::QToolButton;

    QSize sizeHint() const override { return QToolButton::sizeHint() + QSize(arrowRoom(), 0); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.features &= ~QStyleOptionToolButton::HasMenu;
        QStyleOptionToolButton panel = option;
        panel.text.clear();
        panel.icon = QIcon();
        painter.drawComplexControl(QStyle::CC_ToolButton, panel);

        const int room = arrowRoom();
        QStyleOptionToolButton label = option;
        label.rect = QStyle::visualRect(layoutDirection(), rect(), rect().adjusted(0, 0, -room, 0));
        painter.drawControl(QStyle::CE_ToolButtonLabel, label);

        // Into the label's own trailing margin, so the arrow follows the text closely.
        QStyleOption arrow = option;
        const int size = arrowSize();
        const QRect end(width() - room - spacing(), rect().center().y() - size / 2 + 1, size, size);
        arrow.rect = QStyle::visualRect(layoutDirection(), rect(), end);
        painter.drawPrimitive(QStyle::PE_IndicatorArrowDown, arrow);
    }

private:
    int arrowSize() const { return fontMetrics().height() / 2 + 1; }
    int spacing() const { return Style::spacing(1) / 2; }
    int arrowRoom() const { return arrowSize() + spacing(); }
};

} // namespace

Page::Page(const QString& title, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
{
}

void Page::setTitle(const QString& title)
{
    if (m_title == title)
        return;
    m_title = title;
    Q_EMIT titleChanged();
}

void Page::addHeaderWidget(QWidget* widget)
{
    m_headerWidgets.append(widget);
}

namespace {

// The look every header button shares: its icon with `shown` beside it, flat until hovered,
// reached by Tab; a screen reader reads `name`.
QToolButton* dress(QToolButton* button, const QString& symbol, const QString& shown, const QString& name)
{
    button->setIcon(Icons::symbol(symbol));
    button->setText(shown);
    button->setAccessibleName(name);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

QToolButton* Page::headerButton(const QString& symbol, const QString& text, const QString& tooltip, QWidget* parent)
{
    QToolButton* button = dress(new QToolButton(parent), symbol, text, text);
    button->setToolTip(tooltip);
    return button;
}

QToolButton* Page::headerMenuButton(const QString& symbol, const QString& text, QMenu* menu, QWidget* parent)
{
    QToolButton* button = dress(new MenuHeaderButton(parent), symbol, Style::literal(text), text);
    button->setPopupMode(QToolButton::InstantPopup);
    menu->setParent(button, menu->windowFlags());
    button->setMenu(menu);
    return button;
}

ScrollingPage::ScrollingPage(const QString& title, QWidget* parent)
    : Page(title, parent)
    , m_scroll(new QScrollArea(this))
    , m_column(new QVBoxLayout)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroll);
    m_scroll->setWidgetResizable(true);
    Style::showFocus(m_scroll);
    m_scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    content->setLayout(m_column);
    m_column->setContentsMargins(Style::spacing(3), Style::spacing(1), Style::spacing(3), Style::spacing(3));
    m_column->setSpacing(Style::spacing(2));
    m_scroll->setWidget(content);
    m_scroll->setAccessibleName(title); // a tab stop of its own, for scrolling by keyboard
    m_scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
}

} // namespace openwright::ui
