// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuardView.h"

#include "app/AppModel.h"
#include "guard/ChangeRow.h"
#include "widgets/AppIconView.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/RowList.h"
#include "widgets/Style.h"
#include "widgets/Switch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

constexpr int kPinnedIconSize = 20;

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    return Style::label(text, Style::Text::title, Style::Tone::normal, parent);
}

// A line of secondary text inside a card, where a list has nothing to show.
QWidget* emptyRow(const QString& text, const QString& objectName)
{
    auto* label = Style::label(text, Style::Text::body, Style::Tone::secondary);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    return label;
}

} // namespace

GuardView::GuardView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Default Guard"), parent)
    , m_model(model)
{
    m_checkNow
        = headerButton(u"arrow.triangle.2.circlepath"_s, tr("Check Now"), tr("Check for changed defaults now"), this);
    m_checkNow->setObjectName(u"checkNow"_s);
    connect(m_checkNow, &QToolButton::clicked, this, [this] {
        m_checkNow->setEnabled(false);
        continueOn(this, m_model.checkGuard(), [this] { m_checkNow->setEnabled(true); });
    });
    addHeaderWidget(m_checkNow);

    column()->addWidget(buildSwitch());
    buildPinned();
    buildChanges();
    column()->addStretch(1);

    connect(&m_model, &AppModel::settingsChanged, this, &GuardView::updateSwitch);
    connect(&m_model, &AppModel::guardStateChanged, this, [this] {
        updatePinned();
        updateChanges();
    });
    connect(&m_model, &AppModel::statesChanged, this, &GuardView::updatePinned);
    connect(&m_model, &AppModel::customTargetsChanged, this, [this] {
        // Titles of the user's own types come from their list.
        m_shownPinned.clear();
        m_changesBuilt = false;
        updatePinned();
        updateChanges();
    });
    // "5 minutes ago" becomes "6 minutes ago" while the screen is open.
    m_clockTick.setInterval(30s);
    connect(&m_clockTick, &QTimer::timeout, this, [this] {
        for (QWidget* row : m_changeRows->rows()) {
            if (auto* change = qobject_cast<ChangeRow*>(row))
                change->updateTime();
        }
    });
    m_clockTick.start();
    updateSwitch();
    updatePinned();
    updateChanges();
}

QWidget* GuardView::buildSwitch()
{
    auto* card = new Card(this);
    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    row->setSpacing(Style::spacing(2));
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 2);
    text->addWidget(Style::label(tr("Default Guard"), Style::Text::headline, Style::Tone::normal, card));
    auto* about = Style::label(tr("Checks your defaults in the background. When an app takes over a pinned default, "
                                  "you get a notification with a Revert button."),
                               Style::Text::callout, Style::Tone::secondary, card);
    about->setWordWrap(true);
    text->addWidget(about);
    row->addLayout(text, 1);
    m_switch = new Switch(tr("Default Guard"), card);
    m_switch->setObjectName(u"guardSwitch"_s);
    connect(m_switch, &Switch::toggled, this, [this](bool on) {
        if (on != m_model.guardEnabled())
            m_model.setGuardEnabled(on);
    });
    row->addWidget(m_switch, 0, Qt::AlignVCenter);
    return card;
}

void GuardView::buildPinned()
{
    column()->addSpacing(Style::spacing());
    m_pinnedTitle = sectionTitle({}, this);
    m_pinnedTitle->setObjectName(u"pinnedTitle"_s);
    column()->addWidget(m_pinnedTitle);
    m_pinnedRows = new RowList(this);
    m_pinnedRows->setObjectName(u"pinned"_s);
    column()->addWidget(m_pinnedRows);
}

void GuardView::buildChanges()
{
    column()->addSpacing(Style::spacing());
    auto* header = new QHBoxLayout;
    header->setSpacing(Style::spacing());
    header->addWidget(sectionTitle(tr("Recent Changes"), this));
    header->addStretch(1);
    m_clear = new QPushButton(tr("Clear"), this);
    m_clear->setObjectName(u"clearHistory"_s);
    connect(m_clear, &QPushButton::clicked, &m_model, &AppModel::clearHistory);
    header->addWidget(m_clear);
    column()->addLayout(header);
    m_changeRows = new RowList(this);
    m_changeRows->setObjectName(u"changes"_s);
    column()->addWidget(m_changeRows);
}

void GuardView::updateSwitch()
{
    const QSignalBlocker block(m_switch);
    m_switch->setChecked(m_model.guardEnabled());
}

void GuardView::updatePinned()
{
    QList<Target> targets(m_model.guardState().pinned.cbegin(), m_model.guardState().pinned.cend());
    std::sort(targets.begin(), targets.end(),
              [](const Target& a, const Target& b) { return codePointLess(a.description(), b.description()); });
    QList<std::pair<Target, std::optional<AppInfo>>> shown;
    for (const Target& t : targets)
        shown.append({t, m_model.states().value(t).current});
    m_pinnedTitle->setText(tr("Pinned (%1)").arg(targets.size()));
    if (shown == m_shownPinned && !m_pinnedRows->rows().isEmpty())
        return;
    m_shownPinned = shown;
    m_pinnedRows->clear();
    if (shown.isEmpty()) {
        m_pinnedRows->addRow(emptyRow(tr("Click the pin next to any file type to watch it."), u"noPins"_s));
        return;
    }

    // Titles share one column so the application names line up.
    QList<QString> titles;
    int titleWidth = 0;
    const QFontMetrics metrics(Style::font(Style::Text::body, font()));
    for (const auto& [target, app] : shown) {
        titles.append(m_model.category(target).title);
        titleWidth = std::max(titleWidth, metrics.horizontalAdvance(titles.last()));
    }
    titleWidth = std::min(titleWidth + Style::spacing(), Style::spacing(30));

    for (qsizetype i = 0; i < shown.size(); ++i) {
        const auto& [target, app] = shown.at(i);
        auto* row = new QWidget;
        row->setObjectName(u"pinnedRow"_s);
        row->setAccessibleName(titles.at(i));
        auto* line = new QHBoxLayout(row);
        line->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
        line->setSpacing(Style::spacing(2));
        auto* icon = new AppIconView(m_model, kPinnedIconSize, row);
        icon->setApp(app);
        line->addWidget(icon);
        auto* title = ElidedLabel::make(titles.at(i), Style::Text::body, Style::Tone::normal, row);
        title->setFixedWidth(titleWidth);
        line->addWidget(title);
        line->addWidget(
            ElidedLabel::make(app ? app->name : tr("No default"), Style::Text::body, Style::Tone::secondary, row), 1);
        auto* unpin = new QToolButton(row);
        unpin->setObjectName(u"unpin"_s);
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, unpin);
        unpin->setIcon(
            Icons::tinted(u"pin.slash"_s, Style::color(Style::Tone::secondary, palette()), size, devicePixelRatioF()));
        unpin->setToolTip(tr("Stop watching"));
        unpin->setAccessibleName(tr("Stop watching"));
        unpin->setAutoRaise(true);
        unpin->setFocusPolicy(Qt::StrongFocus);
        connect(unpin, &QToolButton::clicked, this, [this, target] { m_model.togglePin(target); });
        line->addWidget(unpin);
        m_pinnedRows->addRow(row);
    }
}

void GuardView::updateChanges()
{
    const QList<DefaultChange>& history = m_model.guardState().history;
    const QSet<Target>& pins = m_model.guardState().pinned;
    m_clear->setVisible(!history.isEmpty());
    if (m_changesBuilt && history == m_shownHistory && pins == m_shownPins)
        return;
    m_changesBuilt = true;
    m_shownHistory = history;
    m_shownPins = pins;
    m_changeRows->clear();
    if (history.isEmpty()) {
        m_changeRows->addRow(emptyRow(tr("No changes spotted yet."), u"noChanges"_s));
        return;
    }
    for (const DefaultChange& change : history)
        m_changeRows->addRow(new ChangeRow(m_model, change, pins.contains(change.target)));
}

} // namespace openwright::ui
