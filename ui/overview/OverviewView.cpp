// SPDX-License-Identifier: GPL-3.0-or-later
#include "OverviewView.h"

#include "app/AppModel.h"
#include "overview/CleanUpSheet.h"
#include "overview/DropInspector.h"
#include "overview/HealthCard.h"
#include "overview/IssueRow.h"
#include "overview/StatTile.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// Covers the screen while the very first read runs: nothing below it means anything yet
// (an empty report would read as a perfect score).
class LoadingOverlay final : public QWidget
{
public:
    explicit LoadingOverlay(QWidget* parent)
        : QWidget(parent)
    {
        auto* column = new QVBoxLayout(this);
        column->setSpacing(Style::spacing());
        column->addStretch(1);
        auto* bar = new QProgressBar(this);
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        bar->setFixedWidth(Style::spacing(20));
        bar->setAccessibleName(OverviewView::tr("Reading your defaults…"));
        column->addWidget(bar, 0, Qt::AlignHCenter);
        QLabel* text
            = Style::label(OverviewView::tr("Reading your defaults…"), Style::Text::body, Style::Tone::secondary, this);
        column->addWidget(text, 0, Qt::AlignHCenter);
        column->addStretch(2);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), palette().color(QPalette::Window)); }
};

} // namespace

OverviewView::OverviewView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Overview"), parent)
    , m_model(model)
{
    column()->addLayout(buildSummary());
    column()->addWidget(buildFileProblems());
    column()->addWidget(buildOpeners());
    m_inspector = new DropInspector(m_model, this);
    column()->addWidget(m_inspector);
    column()->addWidget(buildIssues());
    column()->addStretch(1);

    m_loading = new LoadingOverlay(this);

    connect(&m_model, &AppModel::statesChanged, this, [this] {
        updateHealth();
        updateLoading();
    });
    connect(&m_model, &AppModel::loadingChanged, this, &OverviewView::updateLoading);
    // After the inspector has built its row (it connected first).
    connect(&m_model, &AppModel::inspectedChanged, this, &OverviewView::orderFocus);
    connect(&m_model, &AppModel::userProfilesChanged, this, &OverviewView::updateBackups);
    connect(&m_model, &AppModel::guardStateChanged, this, &OverviewView::updateChanges);
    connect(&m_model, &AppModel::doctorChanged, this, &OverviewView::updateFileProblems);
    updateFileProblems();
    updateHealth();
    updateBackups();
    updateChanges();
    updateLoading();
}

QLayout* OverviewView::buildSummary()
{
    auto* row = new QHBoxLayout;
    row->setSpacing(Style::spacing(2));
    m_health = new HealthCard(this);
    row->addWidget(m_health, 3);

    auto* tiles = new QVBoxLayout;
    tiles->setSpacing(Style::spacing());
    m_configured = new StatTile(u"checkmark.seal"_s, tr("Types with a default"), this);
    m_backups = new StatTile(u"clock.arrow.circlepath"_s, tr("Backups"), this);
    m_changes = new StatTile(u"shield.lefthalf.filled"_s, tr("Changes spotted by Guard"), this);
    for (StatTile* tile : {m_configured, m_backups, m_changes})
        tiles->addWidget(tile);
    row->addLayout(tiles, 2);
    return row;
}

QWidget* OverviewView::buildFileProblems()
{
    m_fileProblems = new QWidget(this);
    m_fileProblems->setObjectName(u"fileProblems"_s);
    auto* row = new QHBoxLayout(m_fileProblems);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    m_fileProblemsText = Style::label({}, Style::Text::headline, Style::Tone::normal, m_fileProblems);
    row->addWidget(m_fileProblemsText, 1);
    m_cleanUp = new QPushButton(tr("Clean Up…"), m_fileProblems);
    m_cleanUp->setObjectName(u"cleanUp"_s);
    connect(m_cleanUp, &QPushButton::clicked, this, [this] { (new CleanUpSheet(m_model, window()))->open(); });
    row->addWidget(m_cleanUp);
    return m_fileProblems;
}

void OverviewView::updateFileProblems()
{
    const int problems = m_model.defaultsFileProblems();
    m_fileProblems->setVisible(problems > 0);
    m_fileProblemsText->setText(tr("%n problems in your defaults files", nullptr, problems));
}

// Where KDE programs or xdg-open would start something else: one button settles them all.
QWidget* OverviewView::buildOpeners()
{
    m_openers = new QWidget(this);
    m_openers->setObjectName(u"openers"_s);
    auto* row = new QHBoxLayout(m_openers);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(Style::spacing(2));
    m_openersText = Style::label({}, Style::Text::headline, Style::Tone::normal, m_openers);
    m_openersText->setWordWrap(true);
    row->addWidget(m_openersText, 1);
    m_agree = new QPushButton(tr("Make every program agree"), m_openers);
    m_agree->setObjectName(u"agree"_s);
    connect(m_agree, &QPushButton::clicked, this, [this] { m_model.makeOpenersAgree(); });
    row->addWidget(m_agree);
    m_openers->hide();
    return m_openers;
}

QWidget* OverviewView::buildIssues()
{
    m_issuesSection = new QWidget(this);
    auto* column = new QVBoxLayout(m_issuesSection);
    // The heading keeps more air above it than the rows keep between them.
    column->setContentsMargins(0, Style::spacing(), 0, 0);
    column->setSpacing(Style::spacing());
    column->addWidget(Style::label(tr("Needs attention"), Style::Text::title, Style::Tone::normal, m_issuesSection));
    m_issueRows = new QVBoxLayout;
    m_issueRows->setSpacing(Style::spacing());
    column->addLayout(m_issueRows);
    return m_issuesSection;
}

void OverviewView::updateHealth()
{
    const HealthReport report = m_model.health();
    m_health->setReport(report);
    m_configured->setValue(QString::number(report.configured) + u'/' + QString::number(report.total));

    const int differ = int(std::count_if(report.issues.cbegin(), report.issues.cend(), [](const auto& i) {
        return i.kind == HealthReport::Issue::Case::openersDiffer;
    }));
    m_openers->setVisible(differ > 0);
    m_openersText->setText(tr("%n types open differently in other programs", nullptr, differ));
    m_issuesSection->setVisible(!report.issues.isEmpty());
    // Rows are rebuilt only when the issues themselves changed, not on every re-read.
    if (report.issues == m_shownIssues)
        return;
    m_shownIssues = report.issues;
    setUpdatesEnabled(false);
    while (QLayoutItem* item = m_issueRows->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            w->hide();
            w->deleteLater();
        }
        delete item;
    }
    for (const HealthReport::Issue& issue : report.issues) {
        auto* row = new IssueRow(m_model, issue, m_issuesSection);
        // After the row has selected the group: its page shows the type selected.
        const Target target = issue.target;
        connect(row->showButton(), &QPushButton::clicked, this, [this, target] { Q_EMIT revealRequested(target); });
        m_issueRows->addWidget(row);
    }
    setUpdatesEnabled(true);
    orderFocus();
}

void OverviewView::orderFocus()
{
    // Rows are made as the model changes, after the widgets below them: Tab follows the
    // screen from top to bottom all the same.
    QList<QWidget*> chain = m_inspector->focusChain();
    for (int i = 0; i < m_issueRows->count(); ++i) {
        if (auto* row = qobject_cast<IssueRow*>(m_issueRows->itemAt(i)->widget()))
            chain.append(row->showButton());
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void OverviewView::updateBackups()
{
    m_backups->setValue(QString::number(m_model.backupTimes().size()));
}

void OverviewView::updateChanges()
{
    m_changes->setValue(QString::number(m_model.unresolvedChanges().size()));
}

void OverviewView::updateLoading()
{
    const bool firstRead = m_model.isLoading() && m_model.states().isEmpty();
    m_loading->setVisible(firstRead);
    // Nothing under the veil takes the keyboard.
    scrollArea()->setEnabled(!firstRead);
    if (firstRead) {
        m_loading->setGeometry(rect());
        m_loading->raise();
    }
}

void OverviewView::resizeEvent(QResizeEvent* event)
{
    ScrollingPage::resizeEvent(event);
    m_loading->setGeometry(rect());
}

} // namespace openwright::ui
