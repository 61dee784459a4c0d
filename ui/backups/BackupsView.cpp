// SPDX-License-Identifier: GPL-3.0-or-later
#include "BackupsView.h"

#include "app/AppModel.h"
#include "app/DateText.h"
#include "backups/BackupRow.h"
#include "backups/HistoryHeader.h"
#include "profiles/ProfileSheet.h"
#include "widgets/Icons.h"
#include "widgets/ProminentButton.h"
#include "widgets/RowList.h"
#include "widgets/Style.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QMap>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

BackupsView::BackupsView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Backups"), parent)
    , m_model(model)
{
    auto* backUp = headerButton(u"plus"_s, tr("Back Up Now"), tr("Save your current defaults"), this);
    backUp->setObjectName(u"backUpNow"_s);
    connect(backUp, &QToolButton::clicked, this, &BackupsView::backUpNow);
    addHeaderWidget(backUp);

    column()->addWidget(new HistoryHeader(m_model, this));
    m_problem = new IconLabel(this);
    m_problem->setObjectName(u"problem"_s);
    m_problem->hide();
    column()->addWidget(m_problem);
    m_sections = new QVBoxLayout;
    m_sections->setSpacing(Style::spacing(2));
    column()->addLayout(m_sections);
    column()->addStretch(1);

    m_differenceUpdate.setSingleShot(true);
    m_differenceUpdate.setInterval(0);
    connect(&m_differenceUpdate, &QTimer::timeout, this, &BackupsView::updateDifferences);
    connect(&m_model, &AppModel::statesChanged, &m_differenceUpdate, qOverload<>(&QTimer::start));
    connect(&m_model, &AppModel::userProfilesChanged, this, &BackupsView::rebuild);
    m_clockTick.setInterval(60s);
    connect(&m_clockTick, &QTimer::timeout, this, &BackupsView::updateDayTitles);
    m_clockTick.start();
    rebuild();
}

void BackupsView::backUpNow()
{
    if (m_model.backUpNow())
        m_problem->clear();
    else
        m_problem->set(u"exclamationmark.circle.fill"_s, m_model.saveProblem(), Style::Tone::warning,
                       Style::Text::body);
}

void BackupsView::rebuild()
{
    const QList<Profile> backups = m_model.backups();
    if (m_built && backups == m_shown)
        return;
    m_built = true;
    m_shown = backups;
    while (QLayoutItem* item = m_sections->takeAt(0)) {
        if (QWidget* w = item->widget()) {
            // The delete button of a row in here may be what brought us here.
            w->hide();
            w->setParent(nullptr);
            w->deleteLater();
        }
        delete item;
    }
    m_dayTitles.clear();
    m_rows.clear();

    if (backups.isEmpty()) {
        m_sections->addWidget(buildEmptyState());
        return;
    }

    // Days on the user's calendar, newest first; each day's backups in the model's order.
    QMap<QDate, QList<Profile>> days;
    for (const Profile& backup : backups)
        days[backup.createdAt.toTimeZone(m_model.zone()).date()].append(backup);
    for (auto day = days.keyValueEnd(); day != days.keyValueBegin();) {
        --day;
        const QDate date = day->first;
        auto* section = new QWidget(this);
        section->setObjectName(u"daySection"_s);
        auto* layout = new QVBoxLayout(section);
        layout->setContentsMargins(0, Style::spacing(), 0, 0);
        layout->setSpacing(Style::spacing());
        auto* title = Style::label({}, Style::Text::headline, Style::Tone::normal, section);
        title->setObjectName(u"dayTitle"_s);
        layout->addWidget(title);
        m_dayTitles.append(std::make_pair(date, title));
        auto* list = new RowList(section);
        for (const Profile& backup : day->second) {
            auto* row = new BackupRow(m_model, backup);
            connect(row, &BackupRow::restoreRequested, this, &BackupsView::openRestore);
            list->addRow(row);
            m_rows.append(row);
        }
        layout->addWidget(list);
        m_sections->addWidget(section);
    }
    updateDayTitles();
}

QWidget* BackupsView::buildEmptyState()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(u"noBackups"_s);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, Style::spacing(5), 0, Style::spacing(3));
    column->setSpacing(Style::spacing());
    auto* icon = new QLabel(panel);
    // The theme's own drawing: at this size its history icon is a full-colour clock.
    const int size = Style::spacing(7);
    icon->setPixmap(Icons::symbol(u"clock.arrow.circlepath"_s).pixmap(QSize(size, size), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    column->addWidget(icon);
    auto* title = Style::label(tr("No Backups Yet"), Style::Text::title, Style::Tone::normal, panel);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    // Centred in a measure of its own, wrapping within it.
    auto* line = new QHBoxLayout;
    auto* text = Style::label(tr("Back up your defaults before trying a profile or installing new apps, so you can "
                                 "put everything back."),
                              Style::Text::body, Style::Tone::secondary, panel);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    text->setMaximumWidth(Style::spacing(56));
    line->addStretch(1);
    line->addWidget(text, 100);
    line->addStretch(1);
    column->addLayout(line);
    column->addSpacing(Style::spacing());
    auto* backUp = new ProminentButton(tr("Back Up Now"), panel);
    backUp->setObjectName(u"emptyBackUpNow"_s);
    // The panel's one action, a size up from a row's buttons.
    const QSize hint = backUp->sizeHint();
    backUp->setMinimumSize(hint.width() + Style::spacing(4), hint.height() + Style::spacing());
    connect(backUp, &QPushButton::clicked, this, &BackupsView::backUpNow);
    column->addWidget(backUp, 0, Qt::AlignHCenter);
    return panel;
}

void BackupsView::updateDifferences()
{
    m_differenceUpdate.stop();
    for (BackupRow* row : m_rows)
        row->updateDifference();
}

void BackupsView::updateDayTitles()
{
    const QDateTime now = m_model.now();
    for (const auto& [day, label] : m_dayTitles)
        label->setText(DateText::dayTitle(day, now, m_model.zone()));
}

ProfileSheet* BackupsView::sheet() const
{
    return m_restoring;
}

void BackupsView::openRestore(const Profile& backup)
{
    if (m_restoring && m_restoring->isVisible())
        return;
    m_restoring = new ProfileSheet(m_model, backup, window());
    // A run rebuilds the rows, the Restore button that opened the sheet with them: the
    // keyboard goes back to the same backup's row as it stands now.
    connect(m_restoring, &QDialog::finished, this, [this, id = backup.id] {
        QTimer::singleShot(0, this, [this, id] {
            for (BackupRow* row : std::as_const(m_rows)) {
                if (row->backup().id != id || !row->isVisible())
                    continue;
                // Restore, or where it cannot (the backup is now the defaults) the row's delete.
                for (QAbstractButton* button : row->findChildren<QAbstractButton*>()) {
                    if (button->isEnabled() && button->isVisible() && (button->focusPolicy() & Qt::TabFocus)) {
                        button->setFocus(Qt::OtherFocusReason);
                        break;
                    }
                }
                return;
            }
        });
    });
    m_restoring->open();
}

} // namespace openwright::ui
