// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileCard.h"

#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kSymbolSize = 32;

// A small rounded tag: "Preset".
class Tag final : public QLabel
{
public:
    Tag(const QString& text, QWidget* parent)
        : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
        setFont(Style::font(Style::Text::caption, font()));
        Style::setTone(this, Style::Tone::secondary);
        setContentsMargins(Style::spacing() / 2 + 2, 1, Style::spacing() / 2 + 2, 1);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor fill = Style::color(Style::Tone::secondary, palette());
        fill.setAlphaF(0.16);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        const qreal radius = height() / 2.0;
        p.drawRoundedRect(QRectF(rect()), radius, radius);
        p.end();
        QLabel::paintEvent(event);
    }
};

} // namespace

ProfileCard::ProfileCard(const Profile& profile, QWidget* parent)
    : QAbstractButton(parent)
    , m_profile(profile)
{
    setObjectName(u"profileCard"_s);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    // Labels inside a button would take the button's text colour; these keep their own tones.
    setBackgroundRole(QPalette::Window);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumWidth(cardWidth());
    setAccessibleName(profile.name);
    setAccessibleDescription(profile.summary);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(2), Style::spacing(2), Style::spacing(2), Style::spacing(2));
    column->setSpacing(Style::spacing() / 2);

    auto* top = new QHBoxLayout;
    top->setSpacing(Style::spacing());
    auto* symbol = new QLabel(this);
    const QColor accent = Style::color(Style::Tone::accent, palette());
    QPixmap glyph = Icons::tinted(profile.symbol, accent, kSymbolSize, devicePixelRatioF());
    if (glyph.isNull()) // an imported profile may name a symbol this system has no icon for
        glyph = Icons::tinted(u"square.stack.3d.down.right"_s, accent, kSymbolSize, devicePixelRatioF());
    symbol->setPixmap(glyph);
    symbol->setFixedSize(kSymbolSize, kSymbolSize);
    top->addWidget(symbol);
    top->addStretch(1);
    if (profile.kind == Profile::Kind::preset) {
        auto* tag = new Tag(tr("Preset"), this);
        tag->setObjectName(u"presetTag"_s);
        top->addWidget(tag, 0, Qt::AlignTop);
    }
    column->addLayout(top);
    column->addSpacing(Style::spacing() / 2);

    m_name = ElidedLabel::make(profile.name, Style::Text::headline, Style::Tone::normal, this);
    column->addWidget(m_name);
    auto* summary = Style::label(profile.summary, Style::Text::callout, Style::Tone::secondary, this);
    summary->setWordWrap(true);
    summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(summary);
    column->addStretch(1);
    m_plan = new IconLabel(this);
    m_plan->setObjectName(u"planSummary"_s);
    column->addWidget(m_plan);

    // The card takes every click and shows its own tooltip.
    for (QWidget* child : findChildren<QWidget*>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
}

int ProfileCard::cardWidth()
{
    return Style::spacing(30);
}

QSize ProfileCard::sizeHint() const
{
    return {cardWidth(), heightForWidth(cardWidth())};
}

void ProfileCard::setPlan(const QList<PlanStep>& plan)
{
    const auto changes
        = std::count_if(plan.cbegin(), plan.cend(), [](const PlanStep& s) { return s.kind == PlanStep::Case::change; });
    if (changes > 0)
        m_plan->set({}, tr("%1 of %2 to change").arg(changes).arg(plan.size()), Style::Tone::accent);
    else
        m_plan->set(u"checkmark.circle"_s, tr("All set"), Style::Tone::success);
    setAccessibleDescription(m_profile.summary + u' ' + planSummary());
}

QString ProfileCard::planSummary() const
{
    return m_plan->textLabel()->text();
}

void ProfileCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const bool dark = Style::isDark(pal);
    QColor fill = dark ? pal.color(QPalette::Window).lighter(118) : pal.color(QPalette::Base);
    if (underMouse() || isDown()) {
        QColor tint = pal.color(QPalette::Highlight);
        tint.setAlphaF(isDown() ? 0.2 : (dark ? 0.12 : 0.07));
        fill = Style::over(tint, fill);
    }
    QColor border = pal.color(QPalette::WindowText);
    border.setAlphaF(dark ? 0.14 : 0.11);
    border = Style::over(border, fill);
    qreal width = 1;
    if (hasFocus()) {
        border = pal.color(QPalette::Highlight);
        width = 2;
    }
    const qreal radius = Style::spacing() * 1.2;
    QPainterPath path;
    const qreal inset = width / 2;
    path.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
    p.fillPath(path, fill);
    p.setPen(QPen(border, width));
    p.drawPath(path);
}

void ProfileCard::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ProfileCard::contextMenuEvent(QContextMenuEvent* event)
{
    if (actions().isEmpty()) {
        event->ignore();
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions());
    // From the keyboard (the Menu key) the menu opens at the card, not where the pointer is.
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                  : mapToGlobal(QPoint(width() / 2, height() / 2));
    menu->popup(at);
}

void ProfileCard::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    setToolTip(m_name->isElided() ? m_profile.name : QString());
}

} // namespace openwright::ui
