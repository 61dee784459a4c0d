// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryRow.h"

#include "app/AppModel.h"
#include "core/PlatformText.h"
#include "types/AppPicker.h"
#include "widgets/AppIconView.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kIconSize = 32;
constexpr int kPinSize = 18;

std::optional<TargetState> stateOf(const AppModel& model, const Target& target)
{
    const auto it = model.states().constFind(target);
    return it == model.states().cend() ? std::nullopt : std::optional(*it);
}

std::optional<ChangeResult> resultOf(const AppModel& model, const Target& target)
{
    const auto it = model.results().constFind(target);
    return it == model.results().cend() ? std::nullopt : std::optional(*it);
}

} // namespace

CategoryRow::CategoryRow(AppModel& model, const FileCategory& category, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_category(category)
    , m_icon(new AppIconView(model, kIconSize, this))
    , m_title(new ElidedLabel(this))
    , m_summary(new ElidedLabel(this))
    , m_pin(new QToolButton(this))
    , m_picker(new AppPicker(model, category, this))
    , m_source(new QLabel(this))
{
    setAccessibleName(category.title);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    row->addWidget(m_icon, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    m_text = text;
    text->setSpacing(2);
    m_title->setFont(Style::font(Style::Text::headline, font()));
    m_title->setFullText(category.title);
    m_summary->setFont(Style::font(Style::Text::callout, font()));
    Style::setTone(m_summary, Style::Tone::secondary);
    m_summary->setFullText(category.summary);
    text->addWidget(m_title);
    text->addWidget(m_summary);
    row->addLayout(text, 1);

    m_pin->setAutoRaise(true);
    m_pin->setIconSize(QSize(kPinSize, kPinSize));
    m_pin->setFocusPolicy(Qt::StrongFocus);
    connect(m_pin, &QToolButton::clicked, this, [this] {
        m_model.togglePin(m_category.target);
        // The model answers through guardStateChanged; until then the button shows the truth.
        showPin();
    });
    row->addWidget(m_pin, 0, Qt::AlignVCenter);
    // Where the answer comes from, under the app it names, as a status column reads.
    auto* choice = new QVBoxLayout;
    choice->setSpacing(0);
    choice->addStretch();
    choice->addWidget(m_picker);
    m_source->setFont(Style::font(Style::Text::caption, font()));
    Style::setTone(m_source, Style::Tone::secondary);
    m_source->setContentsMargins(Style::spacing(), 0, 0, 0);
    choice->addWidget(m_source);
    choice->addStretch();
    row->addLayout(choice);
    setTabOrder(m_pin, m_picker);

    m_state = stateOf(model, category.target);
    m_pending = model.pending().contains(category.target);
    m_result = resultOf(model, category.target);
    m_pinned = model.guardState().pinned.contains(category.target);
    m_icon->setApp(m_state ? m_state->current : std::nullopt);
    m_picker->setState(m_state, m_pending);
    showSource();
    showStatus();
    showPin();

    connect(&m_model, &AppModel::statesChanged, this, &CategoryRow::followState);
    connect(&m_model, &AppModel::pendingChanged, this, &CategoryRow::followStatus);
    connect(&m_model, &AppModel::resultsChanged, this, &CategoryRow::followStatus);
    connect(&m_model, &AppModel::guardStateChanged, this, &CategoryRow::followPin);
}

QString CategoryRow::statusText() const
{
    return !m_status || m_status->isHidden() ? QString() : m_status->textLabel()->text();
}

void CategoryRow::setStatus(const QString& symbol, const QString& text, Style::Tone tone)
{
    if (text.isEmpty()) {
        if (m_status)
            m_status->clear();
        return;
    }
    // Made on first use: most rows never show a status, and a long list is made in one go.
    if (!m_status) {
        m_status = new IconLabel(this, IconLabel::Lines::elide);
        m_text->addWidget(m_status);
    }
    m_status->set(symbol, text, tone);
}

QWidget* CategoryRow::firstFocus() const
{
    return m_pin;
}

QWidget* CategoryRow::lastFocus() const
{
    return m_picker;
}

void CategoryRow::followState()
{
    auto state = stateOf(m_model, m_category.target);
    if (state == m_state)
        return;
    const bool appChanged = !state || !m_state || state->current != m_state->current;
    m_state = std::move(state);
    if (appChanged)
        m_icon->setApp(m_state ? m_state->current : std::nullopt);
    m_picker->setState(m_state, m_pending);
    showSource();
    showStatus();
}

QString CategoryRow::sourceText() const
{
    return m_source->isHidden() ? QString() : m_source->text();
}

void CategoryRow::showSource()
{
    const QString text = m_state && m_state->source ? openwright::sourceText(*m_state->source) : QString();
    m_source->setText(text);
    m_source->setVisible(!text.isEmpty());
    m_picker->setAccessibleDescription(text);
}

void CategoryRow::followStatus()
{
    const bool pending = m_model.pending().contains(m_category.target);
    auto result = resultOf(m_model, m_category.target);
    if (pending == m_pending && result == m_result)
        return;
    const bool pendingChanged = pending != m_pending;
    m_pending = pending;
    m_result = std::move(result);
    if (pendingChanged)
        m_picker->setState(m_state, m_pending);
    showStatus();
}

void CategoryRow::followPin()
{
    const bool pinned = m_model.guardState().pinned.contains(m_category.target);
    if (pinned == m_pinned)
        return;
    m_pinned = pinned;
    showPin();
}

void CategoryRow::showStatus()
{
    if (m_pending) {
        setStatus(u"hourglass"_s, platformText(PlatformText::ConfirmChange), Style::Tone::warning);
    } else if (m_result) {
        Style::Tone tone = Style::Tone::success;
        if (!m_result->isSuccess())
            tone = m_result->kind() == ChangeResult::Case::Declined ? Style::Tone::secondary : Style::Tone::danger;
        const QString symbol = m_result->isSuccess() ? u"checkmark.circle.fill"_s : u"exclamationmark.circle.fill"_s;
        setStatus(symbol, m_result->message(), tone);
    } else if (const QString note = m_state ? m_state->note() : QString(); !note.isEmpty()) {
        if (m_state->removedDefault)
            setStatus(u"trash"_s, note, Style::Tone::danger);
        else
            setStatus({}, note, Style::Tone::secondary);
    } else if (m_state && m_state->candidates.isEmpty() && m_category.target.isFileExtension()
               && !m_model.knowsType(m_category.target)) {
        // Not a missing app: no installed program describes the type at all.
        setStatus({}, unknownTypeText(m_category.target.payload()), Style::Tone::secondary);
    } else if (m_state && m_state->candidates.isEmpty()) {
        setStatus({}, tr("No installed app can open %1").arg(m_category.target.description()), Style::Tone::secondary);
    } else {
        setStatus({}, {}, Style::Tone::secondary);
    }
}

void CategoryRow::showPin()
{
    // Not a checkable button: a pressed-in look would read as "being clicked"; the name says it.
    m_pin->setAccessibleName(m_pinned ? tr("Unpin %1").arg(m_category.target.description())
                                      : tr("Pin %1").arg(m_category.target.description()));
    const QString symbol = m_pinned ? u"pin.fill"_s : u"pin"_s;
    const Style::Tone tone = m_pinned ? Style::Tone::accent : Style::Tone::secondary;
    m_pin->setIcon(QIcon(Icons::tinted(symbol, Style::color(tone, palette()), kPinSize, devicePixelRatioF())));
    m_pin->setToolTip(m_pinned ? tr("Default Guard is watching this default")
                               : tr("Pin to get alerted if another app takes it over"));
}

void CategoryRow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Tinted glyphs and tones are drawn for one palette: redraw them for the new one.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        Style::setTone(m_summary, Style::Tone::secondary);
        Style::setTone(m_source, Style::Tone::secondary);
        showStatus();
        showPin();
    }
}

} // namespace openwright::ui
