// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>

#include <optional>

class QAbstractScrollArea;
class QBoxLayout;
class QHBoxLayout;
class QLineEdit;
class QVBoxLayout;

namespace openwright::ui {

// The screens' shared look, derived from the current palette and font so that it follows the
// system (dark palettes, large fonts, HiDPI). Text roles follow a type ramp: large titles for
// pages, headlines for row titles, captions for secondary lines.
namespace Style {

enum class Text
{
    largeTitle, // a page's title
    title, // a section or panel title
    headline, // a row's title
    body,
    callout, // explanations under a heading
    caption, // secondary lines, status lines
};

enum class Tone
{
    normal,
    secondary,
    accent,
    success,
    warning,
    danger,
};

QFont font(Text role, const QFont& base = QFont());
// A dark palette for the Fusion style, for desktops that ask for dark and give no palette.
QPalette darkPalette();
QColor color(Tone tone, const QPalette& palette);
bool isDark(const QPalette& palette);
// `top` laid over the opaque `below`, as one opaque colour. Large areas are painted opaque: Qt
// hands a translucent fill of more than some 96 lines to its thread pool and waits for it, which
// costs milliseconds whenever the other cores are busy.
QColor over(const QColor& top, const QColor& below);

// A label in a role and tone; rich text off, word wrap as asked.
QLabel* label(const QString& text, Text role = Text::body, Tone tone = Tone::normal, QWidget* parent = nullptr);
void setTone(QLabel* label, Tone tone);

// A name as a button or menu item shows it: an ampersand there would mark the letter after it
// as a shortcut ("Text & Code" read as "Text _Code").
inline QString literal(QString text)
{
    return text.replace(u'&', QStringLiteral("&&"));
}

// Spacing in device-independent pixels, scaled to the font so large fonts keep their air.
int spacing(int units = 1);
void clearLayout(QBoxLayout* layout);
// Names the buttons inside a text field for screen readers: its clear button "Clear", and an
// icon beside the text by the field's own name. Call once its buttons are added.
void nameFieldButtons(QLineEdit* field);
// Rings `area` in the highlight colour while it holds the keyboard focus: a scroll area is a
// Tab stop (the arrows scroll it) that the style shows no focus for.
void showFocus(QAbstractScrollArea* area);

} // namespace Style

// A rounded panel on a slightly raised background: rows and cards sit on it.
class Card : public QFrame
{
    Q_OBJECT

public:
    explicit Card(QWidget* parent = nullptr);
    // A lightly tinted variant for highlighted rows (issues, the inspected file).
    void setTint(std::optional<Style::Tone> tone);

protected:
    void paintEvent(QPaintEvent* event) override;
    static qreal cornerRadius();
    // The card's outline cut to the part `exposed` shows, its cut ends beyond it: a tall card (a
    // long list) is painted a screenful at a time, and filling or clipping to a rounded shape
    // costs by the shape's height, not by what is shown.
    QRectF outline(const QRect& exposed) const;
    QColor fillColor() const;

private:
    std::optional<Style::Tone> m_tint;
};

// The hairline between two rows of a card or two parts of a panel, in the card border's tone.
class Divider final : public QWidget
{
public:
    explicit Divider(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// An icon and a text side by side in one tone: status lines, footers, small labels.
class IconLabel final : public QWidget
{
    Q_OBJECT

public:
    // An elided label keeps to one line (the whole text in its tooltip): cheap in long lists.
    enum class Lines
    {
        wrap,
        elide
    };
    explicit IconLabel(QWidget* parent = nullptr, Lines lines = Lines::wrap);
    void set(const QString& symbol, const QString& text, Style::Tone tone, Style::Text role = Style::Text::caption);
    void clear();
    QLabel* textLabel() const { return m_text; }

private:
    QLabel* m_icon;
    QLabel* m_text;
};

// A centred panel for a screen with nothing to show: an icon, a title, a line of text and an
// optional action.
class EmptyState final : public QWidget
{
    Q_OBJECT

public:
    EmptyState(const QString& symbol, const QString& title, const QString& description = {}, QWidget* parent = nullptr);
    QVBoxLayout* actions() const { return m_actions; }

private:
    QVBoxLayout* m_actions;
};

} // namespace openwright::ui
