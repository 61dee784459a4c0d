// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepRow.h"

#include "widgets/Spinner.h"

#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QTimerEvent>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kTargetColumn = 90; // until the plan sets its width
constexpr int kOutcomeSize = 18;

} // namespace

StepRow::StepRow(const PlanStep& step, QWidget* parent)
    : QWidget(parent)
    , m_step(step)
{
    setObjectName(u"stepRow"_s);
    setAccessibleName(step.target().description());
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    row->setSpacing(Style::spacing());

    m_target = ElidedLabel::make(step.target().description(), Style::Text::body, Style::Tone::normal, this);
    m_target->setFixedWidth(kTargetColumn);
    row->addWidget(m_target);
    row->addWidget(buildMiddle(), 1);

    // The spinner and the outcome share one cell, kept while empty so rows keep one height.
    auto* status = new QWidget(this);
    status->setFixedSize(kOutcomeSize, kOutcomeSize);
    m_spinner = new Spinner(status);
    m_spinner->hide();
    m_outcome = new QLabel(status);
    m_outcome->setObjectName(u"outcome"_s);
    m_outcome->setFixedSize(kOutcomeSize, kOutcomeSize);
    m_outcome->hide();
    row->addWidget(status);
}

int StepRow::targetWidth() const
{
    return m_target->fontMetrics().horizontalAdvance(m_step.target().description()) + 1;
}

void StepRow::setTargetWidth(int width)
{
    m_target->setFixedWidth(width);
}

QWidget* StepRow::buildMiddle()
{
    auto* box = new QWidget(this);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(Style::spacing() / 2);
    switch (m_step.kind) {
    case PlanStep::Case::change: {
        line->addWidget(ElidedLabel::make(m_step.from ? m_step.from->name : tr("No default"), Style::Text::body,
                                          Style::Tone::normal, box));
        auto* arrow = new QLabel(box);
        const int size = fontMetrics().height();
        arrow->setPixmap(Icons::tinted(u"arrow.right"_s, Style::color(Style::Tone::secondary, palette()), size,
                                       devicePixelRatioF()));
        arrow->setFixedSize(size, size);
        line->addWidget(arrow);
        line->addWidget(ElidedLabel::make(m_step.appName, Style::Text::body, Style::Tone::normal, box));
        break;
    }
    case PlanStep::Case::alreadySet:
        line->addWidget(Style::label(tr("Already set"), Style::Text::body, Style::Tone::secondary, box));
        break;
    case PlanStep::Case::notInstalled: {
        auto* missing = new IconLabel(box);
        missing->set(u"xmark.app"_s, tr("%1 isn't installed").arg(m_step.appName), Style::Tone::secondary,
                     Style::Text::body);
        line->addWidget(missing);
        break;
    }
    case PlanStep::Case::replaced:
    case PlanStep::Case::unknownType:
        line->addWidget(ElidedLabel::make(m_step.skipReason(), Style::Text::body, Style::Tone::secondary, box));
        break;
    }
    line->addStretch(1);
    return box;
}

void StepRow::setState(const std::optional<ChangeResult>& result, bool running)
{
    m_result = result;
    m_spinner->setVisible(running && !result && m_step.kind == PlanStep::Case::change);
    if (!result) {
        m_outcome->hide();
        return;
    }
    const bool success = result->isSuccess();
    const Style::Tone tone = success ? Style::Tone::success : Style::Tone::secondary;
    m_outcome->setPixmap(Icons::tinted(success ? u"checkmark.circle.fill"_s : u"xmark.circle.fill"_s,
                                       Style::color(tone, palette()), kOutcomeSize, devicePixelRatioF()));
    m_outcome->setToolTip(result->message());
    m_outcome->setAccessibleName(result->message());
    m_outcome->show();
}

} // namespace openwright::ui
