// SPDX-License-Identifier: GPL-3.0-or-later
#include "IssueRow.h"

#include "app/AppModel.h"
#include "widgets/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QString symbolOf(HealthReport::Issue::Case kind)
{
    switch (kind) {
    case HealthReport::Issue::Case::noHandler: return u"app.dashed"_s;
    case HealthReport::Issue::Case::noDefault: return u"questionmark.circle"_s;
    case HealthReport::Issue::Case::missingApp: return u"trash"_s;
    case HealthReport::Issue::Case::split:
    case HealthReport::Issue::Case::openersDiffer: return u"arrow.left.arrow.right"_s;
    }
    return {};
}

} // namespace

QString IssueRow::message(const HealthReport::Issue& issue)
{
    switch (issue.kind) {
    case HealthReport::Issue::Case::noHandler:
        return tr("No installed app can open %1. Install one, or ignore it if you never use it.")
            .arg(issue.target.description());
    case HealthReport::Issue::Case::noDefault: return tr("Several apps can open it, but none is the default.");
    case HealthReport::Issue::Case::missingApp:
        return tr("Set to %1, which is no longer installed.").arg(issue.app ? issue.app->name : QString());
    case HealthReport::Issue::Case::split: return TargetState {issue.target, {}, {}, issue.byType}.note();
    case HealthReport::Issue::Case::openersDiffer:
        return TargetState {issue.target, {}, {}, {}, {}, {}, 0, issue.otherOpeners}.note();
    }
    return {};
}

IssueRow::IssueRow(AppModel& model, const HealthReport::Issue& issue, QWidget* parent)
    : Card(parent)
    , m_model(model)
    , m_issue(issue)
    , m_show(new QPushButton(tr("Show"), this))
{
    const Style::Tone tone
        = issue.kind == HealthReport::Issue::Case::missingApp ? Style::Tone::danger : Style::Tone::warning;
    setTint(tone);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2) - Style::spacing() / 2);

    auto* icon = new QLabel(this);
    const int size = QFontMetrics(Style::font(Style::Text::title, font())).height();
    icon->setFixedSize(size, size);
    icon->setPixmap(Icons::tinted(symbolOf(issue.kind), Style::color(tone, palette()), size, devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignVCenter);

    const FileCategory category = m_model.category(issue.target);
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    QLabel* title = Style::label(category.title, Style::Text::headline, Style::Tone::normal, this);
    text->addWidget(title);
    QLabel* detail = Style::label(message(issue), Style::Text::caption, Style::Tone::secondary, this);
    detail->setWordWrap(true);
    text->addWidget(detail);
    row->addLayout(text, 1);

    m_show->setAccessibleName(tr("Show %1").arg(issue.target.description()));
    m_show->setAccessibleDescription(category.title);
    row->addWidget(m_show, 0, Qt::AlignVCenter);
    const CategoryGroup group = category.group;
    connect(m_show, &QPushButton::clicked, this,
            [this, group] { m_model.setSelection(SidebarItem::groupItem(group)); });
}

} // namespace openwright::ui
