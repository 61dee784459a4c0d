// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsView.h"

#include "app/AppModel.h"
#include "app/LaunchAtLogin.h"
#include "app/Updater.h"
#include "widgets/Style.h"
#include "widgets/Switch.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <cmath>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// One titled group of the form: a heading, then a card whose rows hold a label on the left
// and its control on the right, each row's notes below it.
class Section
{
public:
    explicit Section(const QString& title)
        : m_widget(new QWidget)
        , m_card(new Card)
        , m_rows(new QVBoxLayout(m_card))
    {
        auto* column = new QVBoxLayout(m_widget);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(Style::spacing());
        auto* heading = Style::label(title, Style::Text::headline, Style::Tone::normal, m_widget);
        heading->setAccessibleName(title);
        column->addWidget(heading);
        column->addWidget(m_card);
        m_rows->setContentsMargins(0, 0, 0, 0);
        m_rows->setSpacing(Style::spacing() / 2);
    }

    QWidget* widget() const { return m_widget; }

    // `label` may be empty: the control then sits alone at the right.
    QLabel* addRow(const QString& label, QWidget* control)
    {
        if (m_rows->count() > 0)
            m_rows->addWidget(new Divider(m_card));
        auto* row = new QHBoxLayout;
        row->setContentsMargins(0, Style::spacing() / 2, 0, Style::spacing() / 2);
        row->setSpacing(Style::spacing(2));
        auto* text = Style::label(label, Style::Text::body, Style::Tone::normal, m_card);
        text->setMinimumHeight(control->sizeHint().height());
        row->addWidget(text, 1);
        row->addWidget(control, 0, Qt::AlignVCenter);
        m_rows->addLayout(row);
        return text;
    }

    // A caption under the last row: a note, a status or an error.
    QLabel* addNote(const QString& text, Style::Tone tone)
    {
        auto* note = Style::label(text, Style::Text::caption, tone, m_card);
        note->setWordWrap(true);
        note->setContentsMargins(0, 0, 0, Style::spacing() / 2);
        m_rows->addWidget(note);
        return note;
    }

private:
    QWidget* m_widget;
    Card* m_card;
    QVBoxLayout* m_rows;
};

// A stored interval that is none of the choices (set by an older version, or by hand), as the
// picker shows it rather than pretend it is one of them.
QString intervalText(double seconds)
{
    const QLocale locale;
    if (seconds >= 60 && std::fmod(seconds, 60) == 0) {
        const double minutes = seconds / 60;
        return SettingsView::tr("%n minutes", nullptr, int(minutes));
    }
    if (std::fmod(seconds, 1) == 0)
        return SettingsView::tr("%n seconds", nullptr, int(seconds));
    return SettingsView::tr("%1 seconds").arg(locale.toString(seconds));
}

} // namespace

const QList<double>& SettingsView::intervalChoices()
{
    static const QList<double> choices {30, 60, 300, 900};
    return choices;
}

SettingsView::SettingsView(AppModel& model, Updater& updater, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_updater(updater)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(2), Style::spacing(3), Style::spacing(3));
    column->setSpacing(Style::spacing(3));
    column->addWidget(buildGeneral());
    column->addWidget(buildUpdates());
    column->addWidget(buildGuard());
    column->addStretch(1);

    connect(&m_updater, &Updater::isAvailableChanged, this, &SettingsView::updateUpdates);
    connect(&m_updater, &Updater::canCheckChanged, this, &SettingsView::updateUpdates);
    connect(&m_updater, &Updater::automaticallyChecksChanged, this, &SettingsView::updateUpdates);
    connect(&m_updater, &Updater::resultChanged, this, &SettingsView::updateUpdates);
    connect(&m_model, &AppModel::settingsChanged, this, &SettingsView::updateGuard);
    updateUpdates();
    updateGuard();
}

QWidget* SettingsView::buildGeneral()
{
    Section section(tr("General"));
    m_openAtLogin = new Switch(tr("Open at login"));
    m_openAtLogin->setObjectName(u"openAtLogin"_s);
    m_openAtLogin->setChecked(LaunchAtLogin::enabled());
    section.addRow(tr("Open at login"), m_openAtLogin);
    m_loginError = section.addNote({}, Style::Tone::danger);
    m_loginError->setObjectName(u"loginError"_s);
    m_loginError->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_loginError->hide();
    connect(m_openAtLogin, &Switch::toggled, this, &SettingsView::setLaunchAtLogin);
    return section.widget();
}

QWidget* SettingsView::buildUpdates()
{
    Section section(tr("Updates"));
    m_checkAutomatically = new Switch(tr("Check for updates automatically"));
    m_checkAutomatically->setObjectName(u"checkAutomatically"_s);
    section.addRow(tr("Check for updates automatically"), m_checkAutomatically);
    connect(m_checkAutomatically, &Switch::toggled, this,
            [this](bool enabled) { m_updater.setAutomaticallyChecks(enabled); });

    m_checkNow = new QPushButton(tr("Check Now"));
    m_checkNow->setObjectName(u"checkNow"_s);
    m_checkNow->setAutoDefault(false);
    m_updateStatus = section.addRow({}, m_checkNow);
    m_updateStatus->setFont(Style::font(Style::Text::caption, font()));
    m_updateStatus->setWordWrap(true);
    connect(m_checkNow, &QPushButton::clicked, this, &SettingsView::checkForUpdatesRequested);
    m_updatesSection = section.widget();
    m_updatesSection->setObjectName(u"updates"_s);
    return m_updatesSection;
}

QWidget* SettingsView::buildGuard()
{
    Section section(tr("Default Guard"));
    m_watch = new Switch(tr("Watch for changed defaults"));
    m_watch->setObjectName(u"watchForChanges"_s);
    section.addRow(tr("Watch for changed defaults"), m_watch);
    connect(m_watch, &Switch::toggled, this, [this](bool enabled) { m_model.setGuardEnabled(enabled); });

    m_interval = new QComboBox;
    m_interval->setObjectName(u"checkEvery"_s);
    m_interval->setAccessibleName(tr("Check every"));
    m_interval->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const QStringList labels {tr("30 seconds"), tr("1 minute"), tr("5 minutes"), tr("15 minutes")};
    for (qsizetype i = 0; i < labels.size(); ++i)
        m_interval->addItem(labels[i], intervalChoices()[i]);
    section.addRow(tr("Check every"), m_interval);
    connect(m_interval, &QComboBox::currentIndexChanged, this, [this](int index) {
        const double seconds = m_interval->itemData(index).toDouble();
        if (index >= 0 && seconds != m_model.guardInterval())
            m_model.setGuardInterval(seconds);
    });
    section.addNote(tr("Openwright also checks whenever an app launches or quits."), Style::Tone::secondary);
    return section.widget();
}

// Failing, the switch goes back to what is really set, and the reason stays until the next
// failure replaces it or the settings are opened anew.
void SettingsView::setLaunchAtLogin(bool enabled)
{
    const auto error = LaunchAtLogin::set(enabled);
    if (!error)
        return;
    m_loginError->setText(*error);
    m_loginError->show();
    const QSignalBlocker blocker(m_openAtLogin);
    m_openAtLogin->setChecked(LaunchAtLogin::enabled());
}

void SettingsView::updateUpdates()
{
    {
        const QSignalBlocker blocker(m_checkAutomatically);
        m_checkAutomatically->setChecked(m_updater.automaticallyChecks());
    }
    // A build without an update feed has nothing to check and nothing to switch: no section.
    m_updatesSection->setVisible(m_updater.isAvailable());
    m_checkNow->setEnabled(m_updater.canCheck());

    const UpdateCheckResult& result = m_updater.lastResult();
    m_updateStatus->setText(result.kind == UpdateCheckResult::Kind::None ? QString() : result.message);
    Style::setTone(m_updateStatus,
                   result.kind == UpdateCheckResult::Kind::Failed ? Style::Tone::danger : Style::Tone::secondary);
}

void SettingsView::updateGuard()
{
    {
        const QSignalBlocker blocker(m_watch);
        m_watch->setChecked(m_model.guardEnabled());
    }

    const QSignalBlocker blocker(m_interval);
    const int choices = int(intervalChoices().size());
    while (m_interval->count() > choices)
        m_interval->removeItem(choices);
    const double seconds = m_model.guardInterval();
    const int index = int(intervalChoices().indexOf(seconds));
    if (index >= 0) {
        m_interval->setCurrentIndex(index);
        return;
    }
    // Shown as it is, greyed so that it reads as the current value rather than an offer.
    m_interval->addItem(intervalText(seconds), seconds);
    if (auto* items = qobject_cast<QStandardItemModel*>(m_interval->model()))
        items->item(choices)->setEnabled(false);
    m_interval->setCurrentIndex(choices);
}

} // namespace openwright::ui
