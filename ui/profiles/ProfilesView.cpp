// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilesView.h"

#include "app/AppModel.h"
#include "core/PlatformText.h"
#include "core/ProfileExport.h"
#include "profiles/CardFlow.h"
#include "profiles/ProfileCard.h"
#include "profiles/ProfileSheet.h"
#include "widgets/FileDialogs.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// The system's file dialog, limited to JSON files.
void pickFile(QWidget* parent, const QString& proposedName, const std::function<void(const QString&)>& chosen,
              bool save)
{
    FileDialogs::Options options;
    options.nameFilter = ProfilesView::tr("JSON files (*.json)");
    options.defaultSuffix = u"json"_s;
    options.save = save;
    FileDialogs::pick(parent, options, proposedName, chosen);
}

} // namespace

ProfilesView::ProfilesView(AppModel& model, QWidget* parent)
    : ScrollingPage(tr("Profiles"), parent)
    , m_model(model)
{
    pickExportFile = [](QWidget* parent, const QString& proposedName, std::function<void(const QString&)> chosen) {
        pickFile(parent, proposedName, chosen, true);
    };
    pickImportFile = [](QWidget* parent, const QString&, std::function<void(const QString&)> chosen) {
        pickFile(parent, {}, chosen, false);
    };
    buildHeader();

    auto* intro
        = Style::label(platformText(PlatformText::ProfileIntro), Style::Text::body, Style::Tone::secondary, this);
    intro->setWordWrap(true);
    column()->addWidget(intro);
    // What the last action did, in its tone, with an Undo where it can be undone: above the
    // cards, where the eye is after a menu closes.
    m_messageBar = new Card(this);
    m_messageBar->setObjectName(u"message"_s);
    auto* bar = new QHBoxLayout(m_messageBar);
    bar->setContentsMargins(Style::spacing(2), Style::spacing(), Style::spacing(), Style::spacing());
    m_message = new IconLabel(m_messageBar);
    m_message->textLabel()->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bar->addWidget(m_message, 1);
    m_messageAction = new QPushButton(m_messageBar);
    connect(m_messageAction, &QPushButton::clicked, this, [this] {
        const auto action = std::exchange(m_action, {});
        setMessage({});
        if (action)
            action();
    });
    bar->addWidget(m_messageAction);
    m_messageBar->hide();
    column()->addWidget(m_messageBar);
    m_grid = new QWidget(this);
    m_grid->setObjectName(u"profileGrid"_s);
    new CardFlow(m_grid);
    column()->addWidget(m_grid);
    column()->addStretch(1);

    m_planUpdate.setSingleShot(true);
    m_planUpdate.setInterval(0);
    connect(&m_planUpdate, &QTimer::timeout, this, &ProfilesView::updatePlans);
    connect(&m_model, &AppModel::userProfilesChanged, this, &ProfilesView::rebuildCards);
    connect(&m_model, &AppModel::statesChanged, &m_planUpdate, qOverload<>(&QTimer::start));
    rebuildCards();
}

void ProfilesView::buildHeader()
{
    auto* save = headerButton(u"plus.square.on.square"_s, tr("Save Current as Profile"),
                              tr("Save your current defaults as a profile"), this);
    save->setObjectName(u"saveCurrent"_s);
    connect(save, &QToolButton::clicked, this, &ProfilesView::promptForName);
    addHeaderWidget(save);

    auto* menu = new QMenu(this);
    QAction* import = menu->addAction(tr("Import Profiles…"), this, &ProfilesView::importProfiles);
    import->setObjectName(u"importProfiles"_s);
    m_exportMine = menu->addAction(tr("Export My Profiles…"), this, [this] {
        QList<Profile> mine;
        for (const Profile& p : m_model.profiles()) {
            if (p.kind == Profile::Kind::custom)
                mine.append(p);
        }
        exportProfiles(mine);
    });
    m_exportMine->setObjectName(u"exportMine"_s);
    auto* files = headerMenuButton(u"square.and.arrow.up.on.square"_s, tr("Import & Export"), menu, this);
    files->setObjectName(u"importExport"_s);
    addHeaderWidget(files);
}

void ProfilesView::rebuildCards()
{
    auto* flow = m_grid->layout();
    while (QLayoutItem* item = flow->takeAt(0)) {
        if (QWidget* card = item->widget()) {
            // A card's own Delete may be what brought us here: it goes once its menu is done.
            card->hide();
            card->setParent(nullptr);
            card->deleteLater();
        }
        delete item;
    }
    m_cards.clear();
    bool anyCustom = false;
    for (const Profile& profile : m_model.profiles()) {
        auto* card = new ProfileCard(profile, m_grid);
        connect(card, &ProfileCard::clicked, this, [this, card] { openSheet(card->profile()); });
        if (profile.kind == Profile::Kind::custom) {
            anyCustom = true;
            auto* exportOne = new QAction(tr("Export…"), card);
            exportOne->setObjectName(u"exportProfile"_s);
            connect(exportOne, &QAction::triggered, this, [this, profile] { exportProfiles({profile}); });
            card->addAction(exportOne);
            auto* remove = new QAction(Icons::symbol(u"trash"_s), tr("Delete"), card);
            remove->setObjectName(u"deleteProfile"_s);
            connect(remove, &QAction::triggered, this, [this, profile] { deleteProfile(profile); });
            card->addAction(remove);
        }
        flow->addWidget(card);
        m_cards.append(card);
    }
    m_exportMine->setEnabled(anyCustom);
    // Tab follows the cards in reading order.
    for (qsizetype i = 1; i < m_cards.size(); ++i)
        setTabOrder(m_cards.at(i - 1), m_cards.at(i));
    updatePlans();
}

void ProfilesView::updatePlans()
{
    m_planUpdate.stop();
    for (ProfileCard* card : m_cards)
        card->setPlan(m_model.plan(card->profile()));
}

ProfileSheet* ProfilesView::sheet() const
{
    return m_sheet;
}

void ProfilesView::deleteProfile(const Profile& profile)
{
    const QList<Profile> mine = m_model.userProfiles();
    const auto at = std::find_if(mine.cbegin(), mine.cend(), [&](const Profile& p) { return p.id == profile.id; });
    if (at == mine.cend())
        return;
    const qsizetype index = at - mine.cbegin();
    m_model.deleteProfile(profile);
    setMessage(tr("Deleted \u201C%1\u201D.").arg(profile.name), Style::Tone::normal, tr("Undo"),
               [this, profile, index] {
                   if (!m_model.putBackProfile(profile, index))
                       setMessage(m_model.saveProblem(), Style::Tone::danger);
               });
    // The card and its menu are gone: the keyboard goes to the Undo.
    m_messageAction->setFocus(Qt::OtherFocusReason);
}

void ProfilesView::openSheet(const Profile& profile)
{
    setMessage({});
    if (m_sheet && m_sheet->isVisible())
        return;
    m_sheet = new ProfileSheet(m_model, profile, window());
    m_sheet->open();
}

QString ProfilesView::proposedFileName(const QList<Profile>& profiles)
{
    if (profiles.size() != 1)
        return u"Openwright Profiles.json"_s;
    // A name is free text; a file name cannot hold a folder separator.
    QString name = profiles.first().name;
    name.replace(u'/', u'-');
    name.remove(QChar(0));
    return name + u".openwright.json"_s;
}

void ProfilesView::exportProfiles(const QList<Profile>& profiles)
{
    setMessage({});
    if (profiles.isEmpty())
        return;
    QPointer<ProfilesView> self(this);
    pickExportFile(this, proposedFileName(profiles), [self, profiles](const QString& path) {
        if (!self || path.isEmpty())
            return;
        if (const auto error = self->m_model.exportProfiles(profiles, path))
            self->setMessage(tr("Export failed: %1").arg(*error), Style::Tone::danger);
        else
            self->setMessage(tr("Exported %n profile(s).", nullptr, int(profiles.size())), Style::Tone::success);
    });
}

void ProfilesView::importProfiles()
{
    setMessage({});
    QPointer<ProfilesView> self(this);
    pickImportFile(this, {}, [self](const QString& path) {
        if (!self || path.isEmpty())
            return;
        try {
            const AppModel::ProfileImport outcome = self->m_model.importProfilesFrom(path);
            if (outcome.alreadyThere.isEmpty()) {
                self->setMessage(tr("Imported %n profile(s).", nullptr, outcome.added), Style::Tone::success);
            } else {
                const QString there = AppModel::alreadyThereText(outcome.alreadyThere);
                self->setMessage(
                    outcome.added == 0 ? there : tr("Imported %n profile(s).", nullptr, outcome.added) + u' ' + there,
                    outcome.added == 0 ? Style::Tone::normal : Style::Tone::success);
            }
        } catch (const StoreError& e) {
            self->setMessage(e.message(), Style::Tone::danger);
        } catch (const DecodeError&) {
            self->setMessage(ProfileExport::notAnExportMessage(), Style::Tone::danger);
        }
    });
}

QString ProfilesView::message() const
{
    return m_messageBar->isHidden() ? QString() : m_message->textLabel()->text();
}

QPushButton* ProfilesView::messageAction() const
{
    return m_messageAction->isHidden() ? nullptr : m_messageAction;
}

void ProfilesView::setMessage(const QString& text, Style::Tone tone, const QString& actionText,
                              std::function<void()> action)
{
    m_action = std::move(action);
    m_messageAction->setText(actionText);
    m_messageAction->setVisible(m_action != nullptr);
    const QString symbol = tone == Style::Tone::success ? u"checkmark.circle.fill"_s
        : tone == Style::Tone::danger                   ? u"exclamationmark.circle.fill"_s
                                                        : u"info.circle"_s;
    m_message->set(symbol, text, tone, Style::Text::body);
    m_messageBar->setTint(tone == Style::Tone::normal ? std::nullopt : std::optional(tone));
    m_messageBar->setVisible(!text.isEmpty());
}

void ProfilesView::promptForName()
{
    setMessage({});
    auto* prompt = new QDialog(window());
    prompt->setObjectName(u"namePrompt"_s);
    prompt->setAttribute(Qt::WA_DeleteOnClose);
    prompt->setWindowModality(Qt::WindowModal);
    prompt->setWindowTitle(tr("Save Current Defaults"));
    auto* column = new QVBoxLayout(prompt);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing(2));
    column->addWidget(Style::label(tr("Save Current Defaults"), Style::Text::headline, Style::Tone::normal, prompt));
    auto* name = new QLineEdit(prompt);
    name->setPlaceholderText(tr("Profile name"));
    name->setAccessibleName(tr("Profile name"));
    name->setMinimumWidth(Style::spacing(40));
    column->addWidget(name);
    auto* buttons = new QDialogButtonBox(prompt);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    save->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, prompt, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, prompt, &QDialog::reject);
    column->addWidget(buttons);
    connect(prompt, &QDialog::accepted, this, [this, name] {
        const QString entered = name->text().trimmed();
        if (!m_model.saveCurrentAsProfile(entered.isEmpty() ? tr("My Profile") : entered))
            setMessage(m_model.saveProblem(), Style::Tone::danger);
    });
    prompt->open();
    name->setFocus();
}

} // namespace openwright::ui
