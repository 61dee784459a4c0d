// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupRow.h"

#include "app/AppModel.h"
#include "app/DateText.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kReasonIconSize = 20;

} // namespace

BackupRow::BackupRow(AppModel& model, const Profile& backup, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_backup(backup)
{
    setObjectName(u"backupRow"_s);
    // A backup saved without a reason was saved by hand.
    const BackupReason reason = backup.backupReason.value_or(BackupReason::manual());
    setAccessibleName(reason.title());

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    row->setSpacing(Style::spacing(2));

    auto* icon = new QLabel(this);
    icon->setObjectName(u"reasonIcon"_s);
    const Style::Tone tone = reason.isAutomatic() ? Style::Tone::secondary : Style::Tone::accent;
    icon->setPixmap(
        Icons::tinted(reason.symbol(), Style::color(tone, palette()), kReasonIconSize, devicePixelRatioF()));
    icon->setFixedSize(kReasonIconSize, kReasonIconSize);
    row->addWidget(icon);

    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 4);
    auto* title = ElidedLabel::make(reason.title(), Style::Text::body, Style::Tone::normal, this);
    title->setObjectName(u"title"_s);
    text->addWidget(title);
    const QString time = DateText::shortTime(backup.createdAt.toTimeZone(m_model.zone()).time());
    text->addWidget(Style::label(time + u" \u00B7 "_s + tr("%n defaults", nullptr, int(backup.entries.size())),
                                 Style::Text::caption, Style::Tone::secondary, this));
    row->addLayout(text, 1);

    m_difference = Style::label({}, Style::Text::callout, Style::Tone::secondary, this);
    m_difference->setObjectName(u"difference"_s);
    row->addWidget(m_difference);

    m_restore = new QPushButton(tr("Restore…"), this);
    // Many rows share the titles: the time tells them apart.
    const QDateTime created = backup.createdAt.toTimeZone(m_model.zone());
    const QString which = tr("%1 from %2 %3")
                              .arg(reason.title(), QLocale().toString(created.date(), QLocale::ShortFormat),
                                   QLocale().toString(created.time(), QLocale::LongFormat));
    m_restore->setAccessibleName(tr("Restore %1").arg(which));
    m_restore->setObjectName(u"restore"_s);
    connect(m_restore, &QPushButton::clicked, this, [this] { Q_EMIT restoreRequested(m_backup); });
    row->addWidget(m_restore);

    auto* remove = new QToolButton(this);
    remove->setObjectName(u"delete"_s);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    remove->setIcon(Icons::tinted(u"trash"_s, Style::color(Style::Tone::danger, palette()), size, devicePixelRatioF()));
    remove->setToolTip(tr("Delete this backup"));
    remove->setAccessibleName(tr("Delete %1").arg(which));
    remove->setAutoRaise(true);
    remove->setFocusPolicy(Qt::StrongFocus);
    connect(remove, &QToolButton::clicked, this, [this] { m_model.deleteProfile(m_backup); });
    row->addWidget(remove);

    updateDifference();
}

void BackupRow::updateDifference()
{
    const QList<PlanStep> plan = m_model.plan(m_backup);
    const qsizetype changes = ProfilePlanner::differences(plan);
    if (changes == 0) {
        m_difference->setText(tr("Same as now"));
        Style::setTone(m_difference, Style::Tone::secondary);
    } else {
        m_difference->setText(tr("%n different from now", nullptr, int(changes)));
        Style::setTone(m_difference, Style::Tone::warning);
    }
    m_restore->setEnabled(changes > 0);
}

QString BackupRow::differenceText() const
{
    return m_difference->text();
}

} // namespace openwright::ui
