// SPDX-License-Identifier: GPL-3.0-or-later
#include "Style.h"

#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHash>
#include <QLayoutItem>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace openwright::ui {

namespace Style {

QFont font(Text role, const QFont& base)
{
    QFont f = base;
    const qreal size = base.pointSizeF() > 0 ? base.pointSizeF() : 10.0;
    switch (role) {
    case Text::largeTitle:
        f.setPointSizeF(size * 1.6);
        f.setWeight(QFont::DemiBold);
        break;
    case Text::title:
        f.setPointSizeF(size * 1.25);
        f.setWeight(QFont::DemiBold);
        break;
    case Text::headline: f.setWeight(QFont::DemiBold); break;
    case Text::body: break;
    case Text::callout: f.setPointSizeF(size * 0.95); break;
    case Text::caption: f.setPointSizeF(size * 0.88); break;
    }
    return f;
}

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x2a, 0x2c, 0x30);
    const QColor base(0x1f, 0x21, 0x24);
    const QColor text(0xe8, 0xea, 0xed);
    const QColor disabled(0x80, 0x84, 0x8a);
    const QColor highlight(0x3d, 0x8b, 0xd9);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window.lighter(108));
    p.setColor(QPalette::ToolTipBase, window.lighter(120));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window.lighter(115));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(120));
    p.setColor(QPalette::Dark, window.darker(160));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, highlight.lighter(130));
    p.setColor(QPalette::LinkVisited, highlight.lighter(110));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    p.setColor(QPalette::Disabled, QPalette::Button, window);
    return p;
}

QColor over(const QColor& top, const QColor& below)
{
    const float a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + below.redF() * (1 - a), top.greenF() * a + below.greenF() * (1 - a),
                            top.blueF() * a + below.blueF() * (1 - a));
}

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5;
}

QColor color(Tone tone, const QPalette& palette)
{
    const bool dark = isDark(palette);
    switch (tone) {
    case Tone::normal: return palette.color(QPalette::WindowText);
    case Tone::secondary: {
        // Halfway to the background reads as secondary on light and dark palettes alike.
        const QColor text = palette.color(QPalette::WindowText);
        const QColor back = palette.color(QPalette::Window);
        return QColor::fromRgbF(text.redF() * 0.62 + back.redF() * 0.38, text.greenF() * 0.62 + back.greenF() * 0.38,
                                text.blueF() * 0.62 + back.blueF() * 0.38);
    }
    case Tone::accent: return palette.color(QPalette::Highlight);
    case Tone::success: return dark ? QColor(0x5c, 0xd0, 0x7a) : QColor(0x22, 0x8b, 0x3f);
    case Tone::warning: return dark ? QColor(0xf5, 0xa6, 0x4a) : QColor(0xc4, 0x65, 0x0c);
    case Tone::danger: return dark ? QColor(0xff, 0x7a, 0x72) : QColor(0xc8, 0x2e, 0x2e);
    }
    return palette.color(QPalette::WindowText);
}

void setTone(QLabel* label, Tone tone)
{
    QPalette p = label->palette();
    const QColor c = color(tone, QApplication::palette(label));
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    label->setPalette(p);
}

namespace {

// Wrapped text is asked its height for every width a layout tries, and each answer lays the
// text out again: the answers are kept until the text, font or wrapping changes.
class Label final : public QLabel
{
public:
    Label(const QString& text, QWidget* parent)
        : QLabel(text, parent)
    {
        followDirection();
    }

    int heightForWidth(int width) const override
    {
        if (text() != m_text || font() != m_font || wordWrap() != m_wraps) {
            m_heights.clear();
            m_text = text();
            m_font = font();
            m_wraps = wordWrap();
        }
        if (const auto it = m_heights.constFind(width); it != m_heights.cend())
            return *it;
        if (m_heights.size() >= kKeptHeights)
            m_heights.clear();
        const int height = QLabel::heightForWidth(width);
        m_heights.insert(width, height);
        return height;
    }

protected:
    void changeEvent(QEvent* event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::LayoutDirectionChange)
            followDirection();
    }

private:
    // A label at the start of its line starts where the window's lines start: QLabel aligns a
    // text by the text's own direction, so an English name in a right-to-left window went to
    // the left while the layout around it went right. Centred and end-aligned texts are left.
    void followDirection()
    {
        const Qt::Alignment horizontal = alignment() & Qt::AlignHorizontal_Mask;
        if (horizontal != Qt::AlignLeft && !(m_following && horizontal == (Qt::AlignRight | Qt::AlignAbsolute)))
            return;
        m_following = true;
        const Qt::Alignment start = isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft;
        setAlignment(start | (alignment() & Qt::AlignVertical_Mask));
    }

    bool m_following = false;
    static constexpr qsizetype kKeptHeights = 16;
    mutable QString m_text;
    mutable QFont m_font;
    mutable bool m_wraps = false;
    mutable QHash<int, int> m_heights;
};

} // namespace

QLabel* label(const QString& text, Text role, Tone tone, QWidget* parent)
{
    auto* l = new Label(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font(role, l->font()));
    if (tone != Tone::normal)
        setTone(l, tone);
    return l;
}

int spacing(int units)
{
    // 8 px at a 10 pt font, scaled with the user's font. Asked for by every widget as it is
    // built: measured once for each font.
    // Kept for the program's life: a font must not outlive the application that made it.
    static QFont* measured = nullptr;
    static int base = 0;
    if (const QFont font = QApplication::font(); !measured || font != *measured) {
        delete measured;
        measured = new QFont(font);
        base = qMax(6, QFontMetrics(font).height() / 2);
    }
    return base * units;
}

void clearLayout(QBoxLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->deleteLater();
        else if (auto* inner = qobject_cast<QBoxLayout*>(item->layout()))
            clearLayout(inner);
        delete item;
    }
}

namespace {

// Drawn over the scroll area it rings, letting every click through.
class FocusRing final : public QWidget
{
public:
    explicit FocusRing(QAbstractScrollArea* area)
        : QWidget(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* area = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::FocusIn:
            // A click shows where it landed by itself; the ring is for the keyboard.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
                setGeometry(area->rect());
                raise();
                show();
            }
            break;
        case QEvent::FocusOut: hide(); break;
        case QEvent::Resize: setGeometry(area->rect()); break;
        default: break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal width = 2.0;
        p.setPen(QPen(palette().color(QPalette::Highlight), width));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2), 4, 4);
    }
};

} // namespace

void showFocus(QAbstractScrollArea* area)
{
    new FocusRing(area);
}

void nameFieldButtons(QLineEdit* field)
{
    for (QToolButton* button : field->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        const QAction* action = button->defaultAction();
        // Qt's own name for the clear button's action.
        if (action && action->objectName() == QLatin1StringView("_q_qlineeditclearaction"))
            button->setAccessibleName(QCoreApplication::translate("Style", "Clear"));
        else if (button->accessibleName().isEmpty() && button->text().isEmpty())
            button->setAccessibleName(field->accessibleName());
    }
}

} // namespace Style

Card::Card(QWidget* parent)
    : QFrame(parent)
{
    setAttribute(Qt::WA_StyledBackground, false);
    setContentsMargins(Style::spacing(2), Style::spacing(), Style::spacing(2), Style::spacing());
}

void Card::setTint(std::optional<Style::Tone> tone)
{
    m_tint = tone;
    update();
}

qreal Card::cornerRadius()
{
    return Style::spacing() * 1.2;
}

QRectF Card::outline(const QRect& exposed) const
{
    QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal beyond = cornerRadius() + 2;
    box.setTop(std::max(box.top(), exposed.top() - beyond));
    box.setBottom(std::min(box.bottom(), exposed.bottom() + 1 + beyond));
    return box;
}

QColor Card::fillColor() const
{
    const QPalette pal = palette();
    QColor fill = pal.color(QPalette::Base);
    if (Style::isDark(pal))
        fill = pal.color(QPalette::Window).lighter(118);
    if (m_tint) {
        QColor tint = Style::color(*m_tint, pal);
        tint.setAlphaF(Style::isDark(pal) ? 0.16 : 0.09);
        fill = Style::over(tint, fill);
    }
    return fill;
}

void Card::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    const QColor fill = fillColor();
    QColor border = pal.color(QPalette::WindowText);
    border.setAlphaF(Style::isDark(pal) ? 0.14 : 0.11);
    border = Style::over(border, fill);
    QPainterPath path;
    path.addRoundedRect(outline(event->rect()), cornerRadius(), cornerRadius());
    p.fillPath(path, fill);
    p.setPen(QPen(border, 1));
    p.drawPath(path);
}

Divider::Divider(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Divider::paintEvent(QPaintEvent*)
{
    QColor line = palette().color(QPalette::WindowText);
    line.setAlphaF(Style::isDark(palette()) ? 0.12 : 0.09);
    QPainter(this).fillRect(rect(), line);
}

IconLabel::IconLabel(QWidget* parent, Lines lines)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_text(lines == Lines::elide ? new ElidedLabel(this) : new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing() / 2);
    row->addWidget(m_icon);
    row->addWidget(m_text, 1);
    m_text->setTextFormat(Qt::PlainText);
    // A long translation goes on to a second line rather than being cut mid-word.
    m_text->setWordWrap(lines == Lines::wrap);
    row->setAlignment(m_icon, Qt::AlignTop);
    m_icon->hide();
}

void IconLabel::set(const QString& symbol, const QString& text, Style::Tone tone, Style::Text role)
{
    m_text->setFont(Style::font(role, font()));
    if (auto* elided = qobject_cast<ElidedLabel*>(m_text))
        elided->setText(text); // QLabel::setText is not virtual
    else
        m_text->setText(text);
    Style::setTone(m_text, tone);
    const int size = QFontMetrics(m_text->font()).height();
    if (symbol.isEmpty()) {
        m_icon->hide();
    } else {
        m_icon->setPixmap(Icons::tinted(symbol, Style::color(tone, palette()), size, devicePixelRatioF()));
        m_icon->setFixedSize(size, size);
        m_icon->show();
    }
    setVisible(!text.isEmpty());
}

void IconLabel::clear()
{
    m_text->clear();
    m_icon->hide();
    hide();
}

EmptyState::EmptyState(const QString& symbol, const QString& title, const QString& description, QWidget* parent)
    : QWidget(parent)
    , m_actions(new QVBoxLayout)
{
    auto* column = new QVBoxLayout(this);
    column->setSpacing(Style::spacing());
    column->addStretch(1);
    auto* icon = new QLabel(this);
    const int size = Style::spacing(7);
    icon->setPixmap(Icons::tinted(symbol, Style::color(Style::Tone::secondary, palette()), size, devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto* heading = Style::label(title, Style::Text::title, Style::Tone::normal, this);
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    column->addWidget(heading);
    if (!description.isEmpty()) {
        auto* text = Style::label(description, Style::Text::body, Style::Tone::secondary, this);
        text->setAlignment(Qt::AlignCenter);
        text->setWordWrap(true);
        text->setMaximumWidth(Style::spacing(60));
        // Centred by stretches, not by a layout alignment: an aligned wrapped label is given
        // the height of its one-line hint and loses its first and last lines.
        auto* centred = new QHBoxLayout;
        centred->addStretch(1);
        centred->addWidget(text, 100);
        centred->addStretch(1);
        column->addLayout(centred);
    }
    m_actions->setAlignment(Qt::AlignHCenter);
    column->addLayout(m_actions);
    column->addStretch(2);
}

} // namespace openwright::ui
