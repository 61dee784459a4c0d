// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatTile.h"

#include "widgets/Icons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace openwright::ui {

StatTile::StatTile(const QString& symbol, const QString& label, QWidget* parent)
    : Card(parent)
    , m_symbol(symbol)
    , m_icon(new QLabel(this))
    , m_value(Style::label({}, Style::Text::title, Style::Tone::normal, this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    row->addWidget(m_icon, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    QFont valueFont = m_value->font();
    valueFont.setWeight(QFont::Bold);
    m_value->setFont(valueFont);
    text->addWidget(m_value);
    QLabel* caption = Style::label(label, Style::Text::caption, Style::Tone::secondary, this);
    caption->setWordWrap(true);
    text->addWidget(caption);
    row->addLayout(text, 1);

    setAccessibleName(label);
    paintSymbol();
}

void StatTile::setValue(const QString& value)
{
    m_value->setText(value);
    setAccessibleDescription(value);
}

QString StatTile::value() const
{
    return m_value->text();
}

void StatTile::changeEvent(QEvent* event)
{
    Card::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paintSymbol();
}

void StatTile::paintSymbol()
{
    const int size = QFontMetrics(Style::font(Style::Text::title, font())).height() + Style::spacing() / 2;
    m_icon->setFixedSize(size, size);
    m_icon->setPixmap(Icons::tinted(m_symbol, Style::color(Style::Tone::accent, palette()), size, devicePixelRatioF()));
}

} // namespace openwright::ui
