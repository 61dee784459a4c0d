// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhyPanel.h"

#include "app/AppModel.h"
#include "app/Async.h"
#include "widgets/Spinner.h"
#include "widgets/Style.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// Under a step, the group of the list it was read in, as the file spells it (file syntax is
// never translated); the step's own line already names the file and the line.
QString location(const DecisionStep& step)
{
    switch (step.group) {
    case DecisionStep::Group::DefaultApplications: return u"[Default Applications]"_s;
    case DecisionStep::Group::AddedAssociations: return u"[Added Associations]"_s;
    case DecisionStep::Group::RemovedAssociations: return u"[Removed Associations]"_s;
    case DecisionStep::Group::InstalledHandlers:
    case DecisionStep::Group::DesktopSetting:
    case DecisionStep::Group::TerminalList:
    case DecisionStep::Group::TerminalSetting:
    case DecisionStep::Group::SystemAlternative: return {};
    }
    return {};
}

QString span(const QString& text, const QColor& color, bool small = false)
{
    return u"<span style=\"color:%1;%2\">%3</span>"_s.arg(color.name(), small ? u"font-size:small;"_s : QString(),
                                                          text.toHtmlEscaped());
}

} // namespace

WhyPanel::WhyPanel(AppModel& model, const FileCategory& category, QWidget* parent)
    : QDialog(parent)
    , m_stack(new QStackedWidget(this))
    , m_text(new QTextBrowser(this))
{
    setWindowTitle(tr("Why this app?"));
    setWindowModality(Qt::WindowModal);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing());
    auto* heading = Style::label(tr("Why %1 opens where it does").arg(category.target.description()),
                                 Style::Text::title, Style::Tone::normal, this);
    heading->setWordWrap(true);
    column->addWidget(heading);
    auto* sub = Style::label(category.title, Style::Text::callout, Style::Tone::secondary, this);
    column->addWidget(sub);

    auto* busy = new QWidget(m_stack);
    auto* busyRow = new QHBoxLayout(busy);
    busyRow->addStretch(1);
    busyRow->addWidget(new Spinner(busy));
    busyRow->addWidget(Style::label(tr("Reading the lists…"), Style::Text::body, Style::Tone::secondary, busy));
    busyRow->addStretch(1);
    m_stack->addWidget(busy);

    m_text->setOpenLinks(false);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(tr("Explanation"));
    m_text->document()->setDocumentMargin(Style::spacing());
    m_stack->addWidget(m_text);
    column->addWidget(m_stack, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);

    resize(Style::spacing(90), Style::spacing(66));
    continueOn(this, model.explain(category.target), [this](const DecisionChain& chain) { showChain(chain); });
}

QString WhyPanel::html(const DecisionChain& chain, const QPalette& palette)
{
    const QColor secondary = Style::color(Style::Tone::secondary, palette);
    const QColor success = Style::color(Style::Tone::success, palette);
    const QColor warning = Style::color(Style::Tone::warning, palette);

    QString out = u"<p style=\"font-weight:600\">"_s + chain.summary().toHtmlEscaped() + u"</p>"_s;
    if (const QString system = chain.systemSetting(); !system.isEmpty())
        out += u"<p>"_s + span(system + u'.', secondary, true) + u"</p>"_s;
    if (chain.mimeType)
        out += u"<p>"_s + span(tr("Type: %1").arg(*chain.mimeType), secondary, true) + u"</p>"_s;
    if (const QString desktops = chain.desktopSummary(); !desktops.isEmpty())
        out += u"<p>"_s + span(desktops + u'.', secondary, true) + u"</p>"_s;
    if (!chain.steps.isEmpty()) {
        out += u"<p style=\"font-weight:600; margin-top:%1px\">"_s.arg(Style::spacing(2))
            + tr("Where the system looked, in order").toHtmlEscaped()
            + u"</p><ol style=\"margin-left:0; -qt-list-indent:1\">"_s;
        for (const DecisionStep& step : chain.steps) {
            out += u"<li style=\"margin-bottom:%1px\">"_s.arg(Style::spacing());
            if (step.decided())
                out += u"<b>"_s + step.summary().toHtmlEscaped() + u"</b> "_s + span(tr("(decides)"), success);
            else
                out += step.summary().toHtmlEscaped();
            if (const QString group = location(step); !group.isEmpty() && step.presence == DecisionStep::Presence::Read)
                out += u"<br>"_s + span(group, secondary, true);
            if (!step.skipped.isEmpty()) {
                out += u"<br>"_s
                    + span(tr("Skipped, not installed: %1").arg(step.skipped.join(u", "_s)), warning, true);
            }
            if (!step.removed.isEmpty())
                out += u"<br>"_s + span(tr("Removed: %1").arg(step.removed.join(u", "_s)), secondary, true);
            out += u"</li>"_s;
        }
        out += u"</ol>"_s;
    }
    return out;
}

void WhyPanel::showChain(const DecisionChain& chain)
{
    m_text->setHtml(html(chain, palette()));
    m_loaded = true;
    m_stack->setCurrentWidget(m_text);
}

} // namespace openwright::ui
