// SPDX-License-Identifier: GPL-3.0-or-later
#include "CleanUpSheet.h"

#include "app/AppModel.h"
#include "core/DecisionChain.h"
#include "widgets/Style.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

CleanUpSheet::CleanUpSheet(AppModel& model, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
{
    setWindowTitle(tr("Clean Up"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);
    setMinimumWidth(Style::spacing(80));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(3));
    column->setSpacing(Style::spacing(2));
    column->addWidget(Style::label(tr("Clean Up Your Defaults Files"), Style::Text::title, Style::Tone::normal, this));
    auto* about
        = Style::label(tr("Each changed file is first copied beside itself, and your defaults are backed up. "
                          "A fix changes which app opens a type only where it says so; one whose effect cannot be told "
                          "beforehand is not selected."),
                       Style::Text::callout, Style::Tone::secondary, this);
    about->setWordWrap(true);
    column->addWidget(about);

    auto* scroll = new QScrollArea(this);
    Style::showFocus(scroll);
    scroll->setAccessibleName(tr("Problems found")); // a tab stop of its own, for scrolling
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* list = new QWidget(scroll);
    m_rows = new QVBoxLayout(list);
    m_rows->setContentsMargins(0, 0, 0, 0);
    m_rows->setSpacing(Style::spacing(2));
    scroll->setWidget(list);
    scroll->setMinimumHeight(Style::spacing(40));
    column->addWidget(scroll, 1);

    m_outcome = Style::label({}, Style::Text::callout, Style::Tone::normal, this);
    m_outcome->setObjectName(u"outcome"_s);
    m_outcome->setWordWrap(true);
    m_outcome->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_outcome->hide();
    column->addWidget(m_outcome);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Close);
    m_fix = buttons->addButton(tr("Fix Selected"), QDialogButtonBox::AcceptRole);
    m_fix->setObjectName(u"fixSelected"_s);
    m_fix->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fix, &QPushButton::clicked, this, &CleanUpSheet::fixSelected);
    column->addWidget(buttons);

    connect(&m_model, &AppModel::doctorChanged, this, &CleanUpSheet::rebuild);
    rebuild();
    // What the files say now, should another program have written them since.
    m_model.examineFiles();
}

void CleanUpSheet::rebuild()
{
    m_findings = m_model.doctorFindings();
    m_boxes.clear();
    m_boxOf.clear();
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->deleteLater();
        delete item;
    }
    QWidget* list = m_rows->parentWidget();
    for (const DoctorFinding& f : std::as_const(m_findings)) {
        auto* row = new QWidget(list);
        auto* columns = new QHBoxLayout(row);
        columns->setContentsMargins(0, 0, 0, 0);
        // The explanation names the file and line itself: the box needs no text of its own,
        // and a click on the explanation ticks it as a click on a box's text would.
        auto* box = new QCheckBox(row);
        // A fix whose effect on what opens a type is not known for sure is the person's choice.
        box->setChecked(f.fixable && f.predictable);
        box->setEnabled(f.fixable);
        box->setAccessibleName(f.explanation());
        connect(box, &QCheckBox::toggled, this, &CleanUpSheet::updateButton);
        columns->addWidget(box, 0, Qt::AlignTop);
        m_boxes.append(box);
        auto* lines = new QVBoxLayout;
        lines->setSpacing(Style::spacing() / 4);
        auto* why = Style::label(f.explanation(), Style::Text::body, Style::Tone::normal, row);
        why->setWordWrap(true);
        why->installEventFilter(this);
        m_boxOf.insert(why, box);
        lines->addWidget(why);
        auto* fix = Style::label(f.fixable ? tr("Fix: %1").arg(f.fix()) : f.fix(), Style::Text::callout,
                                 f.changesDefault ? Style::Tone::warning : Style::Tone::secondary, row);
        fix->setWordWrap(true);
        lines->addWidget(fix);
        columns->addLayout(lines, 1);
        m_rows->addWidget(row);
    }
    if (m_findings.isEmpty()) {
        auto* none
            = Style::label(tr("No problems in your defaults files."), Style::Text::body, Style::Tone::secondary, list);
        m_rows->addWidget(none);
    }
    m_rows->addStretch(1);
    updateButton();
}

bool CleanUpSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (QCheckBox* box = m_boxOf.value(watched); box && box->isEnabled())
            box->toggle();
    }
    return QDialog::eventFilter(watched, event);
}

void CleanUpSheet::updateButton()
{
    const bool any = std::any_of(m_boxes.cbegin(), m_boxes.cend(), [](QCheckBox* b) { return b->isChecked(); });
    m_fix->setEnabled(any && !m_running);
}

QString CleanUpSheet::outcomeText() const
{
    return m_outcome->text();
}

void CleanUpSheet::fixSelected()
{
    QList<DoctorFinding> selected;
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]->isChecked())
            selected.append(m_findings.value(i));
    }
    m_running = true;
    updateButton();
    continueOn(this, m_model.cleanUp(selected), [this](const CleanUpOutcome& outcome) {
        m_running = false;
        QStringList lines;
        for (const QString& done : outcome.done)
            lines.append(tr("Fixed %1").arg(done));
        lines.append(outcome.moved);
        for (const QString& copy : outcome.copies)
            lines.append(tr("The old file is kept as %1").arg(homeRelativePath(copy)));
        for (const QString& problem : outcome.problems)
            lines.append(tr("Not fixed: %1").arg(problem));
        if (outcome.stale > 0)
            lines.append(tr("Left alone: %1 no longer found, as the files changed meanwhile.").arg(outcome.stale));
        if (lines.isEmpty())
            lines.append(tr("Nothing was changed."));
        m_outcome->setText(lines.join(u'\n'));
        m_outcome->show();
        updateButton();
    });
}

} // namespace openwright::ui
