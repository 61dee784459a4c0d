// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppPicker.h"

#include "app/AppModel.h"
#include "types/AppChooser.h"
#include "types/OrderSheet.h"
#include "types/WhyPanel.h"
#include "widgets/AppIconView.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Spinner.h"
#include "widgets/Style.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kWidth = 230;
constexpr int kMenuIconSize = 20;
constexpr int kMaxMenuApps = 12;

// The names to show for the candidates and the current application side by side.
QHash<QUrl, QString> namesFor(const TargetState& state)
{
    QList<AppInfo> apps = state.candidates;
    if (state.current
        && std::none_of(apps.cbegin(), apps.cend(), [&](const AppInfo& a) { return a.isSameEntry(state.current); }))
        apps.append(*state.current);
    return distinctNames(apps);
}

} // namespace

AppPicker::AppPicker(AppModel& model, const FileCategory& category, QWidget* parent)
    : QPushButton(parent)
    , m_model(model)
    , m_category(category)
    , m_menu(new QMenu(this))
    , m_spinner(new Spinner(this))
    , m_label(new ElidedLabel(this))
{
    setFixedWidth(kWidth);
    setFocusPolicy(Qt::StrongFocus);

    // The label sits over the button face, leaving the style's menu arrow free at the right.
    auto* row = new QHBoxLayout(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int arrow = style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, this);
    row->setContentsMargins(Style::spacing(), 0, arrow + Style::spacing(), 0);
    row->setSpacing(Style::spacing() / 2);
    row->addWidget(m_spinner);
    row->addWidget(m_label, 1);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_spinner->hide();

    m_menu->setMinimumWidth(kWidth);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &AppPicker::rebuildMenu);
    setState(std::nullopt, false);
}

QSize AppPicker::sizeHint() const
{
    const QSize base = QPushButton::sizeHint();
    return {kWidth, qMax(base.height(), fontMetrics().height() + Style::spacing())};
}

QString AppPicker::label() const
{
    if (!m_state)
        return tr("Loading…");
    if (!m_state->current)
        return tr("No default");
    // A name is told apart only from the entries of the same name: those alone are looked at (a
    // type may have thousands of candidates, and every row is labelled at start).
    const AppInfo& current = *m_state->current;
    QList<AppInfo> namesake {current};
    for (const AppInfo& a : m_state->candidates) {
        if (a.name == current.name && !a.isSameEntry(current))
            namesake.append(a);
    }
    return distinctNames(namesake).value(current.url, current.name);
}

void AppPicker::setState(const std::optional<TargetState>& state, bool pending)
{
    m_state = state;
    m_pending = pending;
    const QString text = label();
    m_label->setFullText(text);
    Style::setTone(m_label, m_state && m_state->current ? Style::Tone::normal : Style::Tone::secondary);
    m_spinner->setVisible(pending);
    setAccessibleName(tr("Choose the app for %1 (%2)").arg(m_category.target.description(), text));
    // The button's own tooltip names the full application when the label had to shorten it.
    setToolTip(m_label->isElided() ? text : QString());
}

void AppPicker::rebuildMenu()
{
    m_menu->clear();
    const QList<AppInfo> candidates = m_state ? m_state->candidates : QList<AppInfo>();
    if (candidates.isEmpty()) {
        QAction* none = m_menu->addAction(tr("No apps can open this"));
        none->setEnabled(false);
    } else {
        const QHash<QUrl, QString> names = namesFor(*m_state);
        // A type many programs can open (a hundred, for plain text) lists the current one and
        // the platform's likeliest; the chooser has them all, with a search.
        const bool listsCurrent = std::any_of(candidates.cbegin(), candidates.cend(),
                                              [&](const AppInfo& a) { return a.isSameEntry(m_state->current); });
        int others = kMaxMenuApps - (listsCurrent ? 1 : 0);
        int left = 0;
        bool separated = false;
        // The apps made for the type first (as desktop choosers list them), then those that open
        // it as one of a parent type, set apart.
        for (qsizetype i = 0; i < candidates.size(); ++i) {
            const AppInfo& app = candidates[i];
            if (!app.isSameEntry(m_state->current) && others-- <= 0) {
                ++left;
                continue;
            }
            if (!separated && m_state->recommended > 0 && i >= m_state->recommended && !m_menu->isEmpty()) {
                m_menu->addSeparator();
                separated = true;
            }
            QAction* item = m_menu->addAction(Style::literal(names.value(app.url, app.name)));
            // Two packagings of one program are two choices: only this very entry is current.
            if (app.isSameEntry(m_state->current)) {
                // Checked and without an icon, so the style draws its own check mark.
                item->setCheckable(true);
                item->setChecked(true);
                item->setEnabled(false);
                continue;
            }
            item->setIcon(QIcon(AppIconView::pixmapFor(m_model, app, kMenuIconSize, this)));
            connect(item, &QAction::triggered, this, [this, app] { m_model.change(m_category, app); });
        }
        // The list was cut: say so, and where the rest are.
        if (left > 0)
            m_menu->addAction(tr("Choose Another App… shows %n more", nullptr, left))->setEnabled(false);
    }
    m_menu->addSeparator();
    // Back to what the system would choose without the user's own choice.
    QAction* reset = m_menu->addAction(tr("Reset to System Default"));
    connect(reset, &QAction::triggered, this, [this] { m_model.reset({m_category.target}); });
    // The terminal is one choice, not an order.
    if (!m_category.target.isRole()) {
        QAction* order = m_menu->addAction(tr("Order Apps…"));
        connect(order, &QAction::triggered, this, &AppPicker::orderApps);
    }
    QAction* other = m_menu->addAction(tr("Choose Another App…"));
    connect(other, &QAction::triggered, this, &AppPicker::chooseAnother);
    QAction* why = m_menu->addAction(Icons::symbol(u"info.circle"_s), tr("Why this app?"));
    connect(why, &QAction::triggered, this, &AppPicker::explain);
}

AppChooser* AppPicker::chooseAnother()
{
    auto* chooser = new AppChooser(m_model, m_category.target, this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &AppChooser::chosen, this, [this](const AppInfo& app) { m_model.change(m_category, app); });
    connect(chooser, &AppChooser::chosenFile, this,
            [this](const QUrl& file) { m_model.addAndChange(m_category, file); });
    chooser->open();
    return chooser;
}

OrderSheet* AppPicker::orderApps()
{
    auto* sheet = new OrderSheet(m_model, m_category, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->open();
    return sheet;
}

void AppPicker::explain()
{
    auto* panel = new WhyPanel(m_model, m_category, this);
    panel->setAttribute(Qt::WA_DeleteOnClose);
    panel->open();
}

} // namespace openwright::ui
