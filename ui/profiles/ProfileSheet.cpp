// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileSheet.h"

#include "app/AppModel.h"
#include "core/PlatformText.h"
#include "profiles/StepRow.h"
#include "widgets/Icons.h"
#include "widgets/ProminentButton.h"
#include "widgets/RowList.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kSymbolSize = 32;
constexpr int kPlanHeight = 260;

} // namespace

ProfileSheet::ProfileSheet(AppModel& model, const Profile& profile, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_profile(profile)
    , m_plan(model.plan(profile))
    , m_changes(int(std::count_if(m_plan.cbegin(), m_plan.cend(),
                                  [](const PlanStep& s) { return s.kind == PlanStep::Case::change; })))
{
    setObjectName(u"profileSheet"_s);
    setWindowTitle(profile.name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(Style::spacing(72));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(3));
    column->setSpacing(Style::spacing(2));
    column->addWidget(buildHeader());
    column->addWidget(buildPlan(), 1);
    column->addWidget(buildFooter());
    updateState();
}

QWidget* ProfileSheet::buildHeader()
{
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    auto* symbol = new QLabel(header);
    const QColor accent = Style::color(Style::Tone::accent, palette());
    QPixmap glyph = Icons::tinted(m_profile.symbol, accent, kSymbolSize, devicePixelRatioF());
    if (glyph.isNull())
        glyph = Icons::tinted(u"square.stack.3d.down.right"_s, accent, kSymbolSize, devicePixelRatioF());
    symbol->setPixmap(glyph);
    symbol->setFixedSize(kSymbolSize, kSymbolSize);
    row->addWidget(symbol, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 4);
    auto* name = Style::label(m_profile.name, Style::Text::title, Style::Tone::normal, header);
    name->setWordWrap(true);
    text->addWidget(name);
    // A backup keeps its summary as written when it was taken, in English: counted here instead,
    // in the window's language.
    const QString line = m_profile.kind == Profile::Kind::snapshot
        ? tr("%n defaults", nullptr, int(m_profile.entries.size()))
        : m_profile.summary;
    if (!line.isEmpty()) {
        auto* summary = Style::label(line, Style::Text::callout, Style::Tone::secondary, header);
        summary->setWordWrap(true);
        text->addWidget(summary);
    }
    row->addLayout(text, 1);
    return header;
}

QWidget* ProfileSheet::buildPlan()
{
    auto* scroll = new QScrollArea(this);
    Style::showFocus(scroll);
    scroll->setObjectName(u"plan"_s);
    scroll->setAccessibleName(tr("Steps"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedHeight(kPlanHeight);
    scroll->viewport()->setAutoFillBackground(false);
    auto* content = new QWidget;
    content->setAutoFillBackground(false);
    auto* inner = new QVBoxLayout(content);
    inner->setContentsMargins(0, 0, 0, 0);
    // What differs first; what is already set folded under its count, so that a restore of fifty
    // defaults shows its few differences at once.
    auto* list = new RowList(content);
    auto* unchanged = new RowList(content);
    // The types' column as wide as its longest name (a MIME type reads whole), up to about a
    // third of the sheet: the apps beside it need the rest.
    int column = 0;
    for (bool same : {false, true}) {
        for (const PlanStep& step : m_plan) {
            if ((step.kind == PlanStep::Case::alreadySet) != same)
                continue;
            auto* row = new StepRow(step);
            (same ? unchanged : list)->addRow(row);
            m_rows.append(row);
            column = std::max(column, row->targetWidth());
        }
    }
    for (StepRow* row : std::as_const(m_rows))
        row->setTargetWidth(std::clamp(column, Style::spacing(11), Style::spacing(22)));
    const int same = int(std::count_if(m_plan.cbegin(), m_plan.cend(),
                                       [](const PlanStep& s) { return s.kind == PlanStep::Case::alreadySet; }));
    const bool allSame = same == m_plan.size();
    list->setVisible(!allSame);
    inner->addWidget(list);
    if (same > 0 && !allSame) {
        m_showUnchanged = new QToolButton(content);
        m_showUnchanged->setObjectName(u"showUnchanged"_s);
        m_showUnchanged->setText(tr("%n already set", nullptr, same));
        m_showUnchanged->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_showUnchanged->setArrowType(Qt::RightArrow);
        m_showUnchanged->setAutoRaise(true);
        m_showUnchanged->setCheckable(true);
        connect(m_showUnchanged, &QToolButton::toggled, unchanged, [this, unchanged](bool shown) {
            unchanged->setVisible(shown);
            m_showUnchanged->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
        });
        inner->addWidget(m_showUnchanged, 0, Qt::AlignLeft);
    }
    unchanged->setVisible(allSame);
    inner->addWidget(unchanged);
    inner->addStretch(1);
    scroll->setWidget(content);
    return scroll;
}

QWidget* ProfileSheet::buildFooter()
{
    auto* footer = new QWidget(this);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing());
    m_footer = new IconLabel(footer);
    m_footer->setObjectName(u"footer"_s);
    row->addWidget(m_footer, 1);
    row->addStretch(0);
    m_close = new QPushButton(tr("Cancel"), footer);
    m_close->setObjectName(u"close"_s);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &ProfileSheet::reject);
    row->addWidget(m_close);
    const QString primary = m_profile.kind == Profile::Kind::snapshot ? tr("Restore %n Defaults", nullptr, m_changes)
                                                                      : tr("Apply %n Changes", nullptr, m_changes);
    m_primary = new ProminentButton(primary, footer);
    m_primary->setObjectName(u"primary"_s);
    connect(m_primary, &QPushButton::clicked, this, &ProfileSheet::run);
    row->addWidget(m_primary);
    // Keeps the footer's height whether or not its line shows.
    footer->setMinimumHeight(std::max(m_primary->sizeHint().height(), fontMetrics().height()));
    return footer;
}

QString ProfileSheet::footerText() const
{
    return m_footer->isVisibleTo(this) ? m_footer->textLabel()->text() : QString();
}

void ProfileSheet::reject()
{
    if (m_running)
        return;
    QDialog::reject();
}

void ProfileSheet::run()
{
    if (m_running || m_changes == 0 || !m_results.isEmpty())
        return;
    m_running = true;
    updateState();
    continueOn(this, m_model.apply(m_profile), [this](const AppModel::Results& results) {
        for (auto it = results.cbegin(); it != results.cend(); ++it)
            m_results.insert(it.key().target, it.value());
        m_running = false;
        updateState();
    });
}

void ProfileSheet::updateState()
{
    for (StepRow* row : m_rows) {
        const auto it = m_results.constFind(row->step().target());
        row->setState(it != m_results.cend() ? std::optional(*it) : std::nullopt, m_running);
    }
    const bool finished = !m_running && !m_results.isEmpty();
    if (m_running) {
        m_footer->set(u"hourglass"_s, platformText(PlatformText::ConfirmEach), Style::Tone::secondary);
    } else if (finished) {
        const auto changed
            = std::count_if(m_results.cbegin(), m_results.cend(), [](const ChangeResult& r) { return r.isSuccess(); });
        m_footer->set(u"checkmark.circle"_s, tr("%1 of %2 changed.").arg(changed).arg(m_results.size()),
                      Style::Tone::secondary);
    } else {
        m_footer->clear();
    }
    m_close->setText(finished ? tr("Done") : tr("Cancel"));
    m_close->setEnabled(!m_running);
    // One run per sheet: its outcomes stay in view, and the plan they answer is no longer current.
    m_primary->setEnabled(m_changes > 0 && !m_running && !finished);
    // Return presses the primary button while it can run, and Done once it has.
    m_primary->setDefault(m_primary->isEnabled());
    m_close->setDefault(finished);
}

} // namespace openwright::ui
