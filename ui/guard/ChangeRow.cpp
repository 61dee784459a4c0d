// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChangeRow.h"

#include "app/AppModel.h"
#include "app/DateText.h"
#include "app/Notifier.h"
#include "core/DecisionChain.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kIconSize = 20;

QString nameOf(const std::optional<AppInfo>& app)
{
    return app ? app->name : ChangeRow::tr("No default");
}

} // namespace

ChangeRow::ChangeRow(AppModel& model, const DefaultChange& change, bool pinned, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_change(change)
    , m_pinned(pinned)
{
    const QString title = m_model.category(change.target).title;
    setAccessibleName(title);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    row->setSpacing(Style::spacing(2));

    m_icon = new QLabel(this);
    m_icon->setFixedSize(kIconSize, kIconSize);
    row->addWidget(m_icon, 0, Qt::AlignTop);
    paintIcon();

    auto* column = new QVBoxLayout;
    column->setSpacing(Style::spacing() / 4);
    column->addWidget(ElidedLabel::make(title, Style::Text::headline, Style::Tone::normal, this));

    auto* apps = new QHBoxLayout;
    apps->setSpacing(Style::spacing() / 2);
    auto* from = ElidedLabel::make(nameOf(change.from), Style::Text::callout, Style::Tone::normal, this);
    from->setObjectName(u"from"_s);
    apps->addWidget(from);
    auto* arrow = new QLabel(this);
    const int arrowSize = QFontMetrics(from->font()).height();
    // Points the way the text reads: left in a right-to-left layout.
    QPixmap glyph = Icons::tinted(u"arrow.right"_s, Style::color(Style::Tone::secondary, palette()), arrowSize,
                                  devicePixelRatioF());
    if (layoutDirection() == Qt::RightToLeft)
        glyph = QPixmap::fromImage(glyph.toImage().mirrored(true, false));
    arrow->setPixmap(glyph);
    arrow->setFixedSize(arrowSize, arrowSize);
    apps->addWidget(arrow);
    auto* to = ElidedLabel::make(nameOf(change.to), Style::Text::callout, Style::Tone::normal, this);
    to->setObjectName(u"to"_s);
    apps->addWidget(to);
    apps->addStretch(1);
    column->addLayout(apps);
    if (change.opener) {
        // The default stayed: another program that opens files chose otherwise.
        const QString text = *change.opener == Opener::kde
            ? tr("Only in KDE programs: the default is still %1").arg(nameOf(change.from))
            : tr("Only with xdg-open: the default is still %1").arg(nameOf(change.from));
        auto* opener = ElidedLabel::make(text, Style::Text::caption, Style::Tone::secondary, this);
        opener->setObjectName(u"opener"_s);
        column->addWidget(opener);
    }
    if (!change.file.isEmpty()) {
        // What another program (or an editor) wrote, so the user can look there.
        auto* file = ElidedLabel::make(tr("Changed in %1").arg(homeRelativePath(change.file)), Style::Text::caption,
                                       Style::Tone::secondary, this);
        file->setObjectName(u"changedFile"_s);
        column->addWidget(file);
    }

    m_note = ElidedLabel::make({}, Style::Text::caption, Style::Tone::secondary, this);
    m_note->setObjectName(u"note"_s);
    column->addWidget(m_note);
    m_time = Style::label({}, Style::Text::caption, Style::Tone::secondary, this);
    m_time->setObjectName(u"detectedAt"_s);
    column->addWidget(m_time);
    row->addLayout(column, 1);
    m_actions = new QWidget(this);
    auto* buttons = new QHBoxLayout(m_actions);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(Style::spacing());
    row->addWidget(m_actions, 0, Qt::AlignVCenter);
    buildActions();
    updateNote();
    updateTime();
}

void ChangeRow::updateNote()
{
    // Who likely did it, and what the guard did by itself.
    QStringList parts;
    if (const QString likely = Notifier::likelyCulprit(m_change); !likely.isEmpty())
        parts.append(likely);
    if (m_change.handling == DefaultChange::Handling::stopped)
        parts.append(tr("Taken over three times in a minute: the guard stopped putting it back"));
    m_note->setText(parts.join(u". "_s));
    m_note->setVisible(!parts.isEmpty());
}

void ChangeRow::setChange(const DefaultChange& change, bool pinned)
{
    const bool resolvedChanged = change.resolved != m_change.resolved || change.handling != m_change.handling;
    const bool iconChanged = resolvedChanged || pinned != m_pinned;
    m_change = change;
    m_pinned = pinned;
    if (iconChanged)
        paintIcon();
    if (resolvedChanged)
        buildActions();
    updateNote();
    updateTime();
}

void ChangeRow::paintIcon()
{
    const Style::Tone tone = m_change.resolved ? Style::Tone::secondary : Style::Tone::warning;
    m_icon->setPixmap(Icons::tinted(m_pinned ? u"pin.fill"_s : u"arrow.left.arrow.right"_s,
                                    Style::color(tone, palette()), kIconSize, devicePixelRatioF()));
}

void ChangeRow::buildActions()
{
    auto* buttons = static_cast<QHBoxLayout*>(m_actions->layout());
    for (QWidget* old : m_actions->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        old->hide(); // at once: the view moves the focus on from a button that went
    Style::clearLayout(buttons);
    const QString type = m_change.target.description();
    if (m_change.resolved) {
        const bool putBack = m_change.handling == DefaultChange::Handling::putBack;
        const QString text = putBack                                ? tr("Put back")
            : m_change.handling == DefaultChange::Handling::allowed ? tr("Allowed")
                                                                    : tr("Handled");
        auto* handled = Style::label(text, Style::Text::caption, Style::Tone::secondary, m_actions);
        handled->setObjectName(u"handled"_s);
        buttons->addWidget(handled);
        if (putBack && m_change.to) {
            // The guard decided alone; the person may still take the new application.
            auto* allow = new QPushButton(tr("Allow"), m_actions);
            allow->setObjectName(u"allow"_s);
            allow->setAccessibleName(tr("Allow %1 for %2").arg(m_change.to->name, type));
            connect(allow, &QPushButton::clicked, this, [this, allow] {
                allow->setEnabled(false);
                continueOn(allow, m_model.allow(m_change.id), [allow] { allow->setEnabled(true); });
            });
            buttons->addWidget(allow);
        }
        return;
    }
    if (m_change.from) {
        auto* revert = new QPushButton(tr("Revert"), m_actions);
        revert->setObjectName(u"revert"_s);
        revert->setAccessibleName(tr("Revert %1 to %2").arg(type, m_change.from->name));
        connect(revert, &QPushButton::clicked, this, [this, revert] {
            // The row stays until the model says the change is resolved; a second click meanwhile
            // would only take a second backup.
            revert->setEnabled(false);
            continueOn(revert, m_model.revert(m_change.id), [revert] { revert->setEnabled(true); });
        });
        buttons->addWidget(revert);
    }
    auto* keep = new QPushButton(tr("Keep"), m_actions);
    keep->setObjectName(u"keep"_s);
    keep->setAccessibleName(tr("Keep %1 for %2").arg(nameOf(m_change.to), type));
    connect(keep, &QPushButton::clicked, this, [this] { m_model.markResolved(m_change.id); });
    buttons->addWidget(keep);
}

void ChangeRow::updateTime()
{
    m_time->setText(DateText::relativeTime(m_change.detectedAt, m_model.now(), m_model.zone()));
    m_time->setToolTip(QLocale().toString(m_change.detectedAt.toTimeZone(m_model.zone()), QLocale::LongFormat));
}

} // namespace openwright::ui
