// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryHeader.h"

#include "app/AppModel.h"
#include "widgets/Switch.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

HistoryHeader::HistoryHeader(AppModel& model, QWidget* parent)
    : Card(parent)
    , m_model(model)
    , m_switch(new Switch(tr("Automatic Backup History"), this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    row->setSpacing(Style::spacing(2));
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 2);
    text->addWidget(Style::label(tr("Automatic Backup History"), Style::Text::headline, Style::Tone::normal, this));
    auto* promise = Style::label(tr("Backs up before every profile, restore and Guard revert, and once a day. "
                                    "Unchanged days are skipped; automatic backups are kept for 30 days."),
                                 Style::Text::caption, Style::Tone::secondary, this);
    promise->setWordWrap(true);
    text->addWidget(promise);
    row->addLayout(text, 1);
    m_switch->setObjectName(u"autoBackupSwitch"_s);
    row->addWidget(m_switch, 0, Qt::AlignVCenter);
    connect(m_switch, &Switch::toggled, this, [this](bool on) {
        if (on != m_model.autoBackupEnabled())
            m_model.setAutoBackupEnabled(on);
    });
    connect(&m_model, &AppModel::settingsChanged, this, &HistoryHeader::updateSwitch);
    updateSwitch();
}

void HistoryHeader::updateSwitch()
{
    const QSignalBlocker block(m_switch);
    m_switch->setChecked(m_model.autoBackupEnabled());
}

} // namespace openwright::ui
