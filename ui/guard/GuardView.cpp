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

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
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

// One pinned type: the icon and name of the application that opens it, and "Stop watching".
class PinnedRow final : public QWidget
{
public:
    PinnedRow(AppModel& model, const Target& target, const QString& title, QWidget* parent)
        : QWidget(parent)
        , m_target(target)
        , m_icon(new AppIconView(model, kPinnedIconSize, this))
        , m_title(ElidedLabel::make(title, Style::Text::body, Style::Tone::normal, this))
        , m_app(ElidedLabel::make({}, Style::Text::body, Style::Tone::secondary, this))
        , m_keep(new QCheckBox(GuardView::tr("Always keep"), this))
        , m_unpin(new QToolButton(this))
    {
        setObjectName(u"pinnedRow"_s);
        setAccessibleName(title);
        auto* line = new QHBoxLayout(this);
        line->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
        line->setSpacing(Style::spacing(2));
        line->addWidget(m_icon);
        line->addWidget(m_title);
        line->addWidget(m_app, 1);
        m_keep->setObjectName(u"alwaysKeep"_s);
        m_keep->setAccessibleName(GuardView::tr("Always keep %1").arg(target.description()));
        m_keep->setToolTip(GuardView::tr("Put the app back at once when another program takes this type over"));
        line->addWidget(m_keep);
        m_unpin->setObjectName(u"unpin"_s);
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_unpin);
        m_unpin->setIcon(
            Icons::tinted(u"pin.slash"_s, Style::color(Style::Tone::secondary, palette()), size, devicePixelRatioF()));
        m_unpin->setToolTip(GuardView::tr("Stop watching"));
        m_unpin->setAccessibleName(GuardView::tr("Stop watching %1").arg(target.description()));
        m_unpin->setAutoRaise(true);
        m_unpin->setFocusPolicy(Qt::StrongFocus);
        line->addWidget(m_unpin);
    }

    const Target& target() const { return m_target; }
    QString title() const { return m_title->fullText(); }
    QToolButton* unpinButton() const { return m_unpin; }
    QCheckBox* keepBox() const { return m_keep; }
    void setKept(bool kept)
    {
        const QSignalBlocker block(m_keep);
        m_keep->setChecked(kept);
    }
    void setApp(const std::optional<AppInfo>& app)
    {
        m_icon->setApp(app);
        m_app->setText(app ? app->name : GuardView::tr("No default"));
    }
    void setTitleWidth(int width) { m_title->setFixedWidth(width); }

private:
    Target m_target;
    AppIconView* m_icon;
    ElidedLabel* m_title;
    ElidedLabel* m_app;
    QCheckBox* m_keep;
    QToolButton* m_unpin;
};

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
    m_pinnedRows->setAccessibleName(tr("Pinned types"));
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
    m_clear->setAccessibleName(tr("Clear recent changes"));
    m_clear->setObjectName(u"clearHistory"_s);
    connect(m_clear, &QPushButton::clicked, &m_model, &AppModel::clearHistory);
    header->addWidget(m_clear);
    column()->addLayout(header);
    m_changeRows = new RowList(this);
    m_changeRows->setAccessibleName(tr("Recent changes"));
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
    const QSet<Target>& kept = m_model.guardState().kept;
    if (shown == m_shownPinned && kept == m_shownKept && !m_pinnedRows->rows().isEmpty())
        return;
    m_shownPinned = shown;
    m_shownKept = kept;

    // Rows of types still pinned stay as they are; only the app beside them follows.
    QHash<Target, PinnedRow*> stay;
    for (QWidget* w : m_pinnedRows->rows()) {
        if (auto* row = dynamic_cast<PinnedRow*>(w))
            stay.insert(row->target(), row);
    }
    QList<QWidget*> rows;
    int titleWidth = 0;
    const QFontMetrics metrics(Style::font(Style::Text::body, font()));
    for (const auto& [target, app] : shown) {
        PinnedRow* row = stay.value(target);
        if (!row) {
            row = new PinnedRow(m_model, target, m_model.category(target).title, this);
            connect(row->unpinButton(), &QToolButton::clicked, this, [this, target] { m_model.togglePin(target); });
            connect(row->keepBox(), &QCheckBox::toggled, this,
                    [this, target](bool on) { m_model.setAlwaysKeep(target, on); });
        }
        row->setApp(app);
        row->setKept(kept.contains(target));
        titleWidth = std::max(titleWidth, metrics.horizontalAdvance(row->title()));
        rows.append(row);
    }
    // Titles share one column so the application names line up.
    titleWidth = std::min(titleWidth + Style::spacing(), Style::spacing(30));
    for (QWidget* row : rows)
        static_cast<PinnedRow*>(row)->setTitleWidth(titleWidth);
    if (rows.isEmpty())
        rows.append(emptyRow(tr("Click the pin next to any file type to watch it."), u"noPins"_s));
    keepFocusIn(m_pinnedRows, [&] { m_pinnedRows->setRows(rows); }, {});
}

void GuardView::updateChanges()
{
    const QList<DefaultChange>& history = m_model.guardState().history;
    const QSet<Target>& pins = m_model.guardState().pinned;
    // Rows are updated in place: the list keeps its scroll position and the focus its row.
    keepFocusIn(m_changeRows,
                [&] {
                    m_clear->setVisible(!history.isEmpty());
                    if (m_changesBuilt && history == m_shownHistory && pins == m_shownPins)
                        return;
                    m_changesBuilt = true;
                    m_shownHistory = history;
                    m_shownPins = pins;
                    QHash<QUuid, ChangeRow*> kept;
                    for (QWidget* w : m_changeRows->rows()) {
                        if (auto* row = qobject_cast<ChangeRow*>(w))
                            kept.insert(row->change().id, row);
                    }
                    QList<QWidget*> rows;
                    for (const DefaultChange& change : history) {
                        ChangeRow* row = kept.value(change.id);
                        if (row)
                            row->setChange(change, pins.contains(change.target));
                        else
                            row = new ChangeRow(m_model, change, pins.contains(change.target));
                        rows.append(row);
                    }
                    if (rows.isEmpty())
                        rows.append(emptyRow(tr("No changes spotted yet."), u"noChanges"_s));
                    m_changeRows->setRows(rows);
                },
                {u"revert"_s, u"keep"_s});
}

// Runs `update` on `list`; when the control that had the focus went with it (its row removed,
// or its buttons replaced by "Handled"), the focus moves to the same control of the next row
// that has one (`sameControls` names the controls that count), else to the list itself: never
// to whatever Qt would pick, which may unpin or revert something the user never pointed at.
void GuardView::keepFocusIn(RowList* list, const std::function<void()>& update, const QStringList& sameControls)
{
    QPointer<QWidget> focus = window()->focusWidget();
    const bool inside = focus && (list->isAncestorOf(focus) || focus == m_clear);
    QWidget* focusRow = nullptr;
    for (QWidget* row : list->rows()) {
        if (focus && row->isAncestorOf(focus))
            focusRow = row;
    }
    const QString control = focus ? focus->objectName() : QString();
    const qsizetype before = list->rows().indexOf(focusRow);
    update();
    if (!inside || (focus && focus->isVisible() && (list->isAncestorOf(focus) || focus == m_clear)))
        return;
    if (sameControls.contains(control)) {
        const QList<QWidget*> rows = list->rows();
        const qsizetype from = std::max<qsizetype>(0, rows.contains(focusRow) ? rows.indexOf(focusRow) : before);
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QWidget* row = rows.at((from + i) % rows.size());
            auto* same = row->findChild<QWidget*>(control);
            if (same && same->isVisibleTo(row)) {
                same->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    list->setFocus(Qt::OtherFocusReason);
}

} // namespace openwright::ui
