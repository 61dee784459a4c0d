// SPDX-License-Identifier: GPL-3.0-or-later
#include "Page.h"

#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

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

QToolButton* Page::headerButton(const QString& symbol, const QString& text, const QString& tooltip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(Icons::symbol(symbol));
    button->setText(text);
    button->setToolTip(tooltip);
    button->setAccessibleName(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
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
