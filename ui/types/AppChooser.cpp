// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppChooser.h"

#include "app/AppModel.h"
#include "app/Async.h"
#include "widgets/AppIconView.h"
#include "widgets/Icons.h"
#include "widgets/Spinner.h"
#include "widgets/Style.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kIconSize = 32;
constexpr int kAppRole = Qt::UserRole + 1;

// Lets the arrow keys move through the list while the search field keeps the focus.
class SearchKeys final : public QObject
{
public:
    SearchKeys(QListWidget* list, QObject* parent)
        : QObject(parent)
        , m_list(list)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up || key->key() == Qt::Key_PageDown
                || key->key() == Qt::Key_PageUp) {
                QCoreApplication::sendEvent(m_list, event);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* m_list;
};

} // namespace

AppChooser::AppChooser(AppModel& model, const Target& target, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_target(target)
    , m_search(new QLineEdit(this))
    , m_stack(new QStackedWidget(this))
    , m_list(new QListWidget(this))
    , m_buttons(new QDialogButtonBox(this))
{
    pickDesktopFile = [this](QWidget* parent, const QString&, std::function<void(const QString&)> chosen) {
        FileDialogs::Options options;
        options.title = tr("Choose the app that should open %1").arg(m_target.description());
        options.nameFilter = tr("Applications (*.desktop)");
        options.acceptLabel = tr("Use as Default");
        FileDialogs::pick(parent, options, {}, chosen);
    };
    setWindowTitle(tr("Choose Another App"));
    setWindowModality(Qt::WindowModal);
    const QString message = tr("Choose the app that should open %1").arg(target.description());

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing() * 3 / 2);
    auto* heading = Style::label(message, Style::Text::headline, Style::Tone::normal, this);
    heading->setWordWrap(true);
    column->addWidget(heading);

    m_search->setPlaceholderText(tr("Search applications"));
    m_search->setClearButtonEnabled(true);
    m_search->addAction(Icons::symbol(u"magnifyingglass"_s), QLineEdit::LeadingPosition);
    m_search->setAccessibleName(tr("Search applications"));
    Style::nameFieldButtons(m_search);
    m_search->installEventFilter(new SearchKeys(m_list, this));
    column->addWidget(m_search);

    // The busy line until the installed applications have been read.
    auto* busy = new QWidget(m_stack);
    auto* busyRow = new QHBoxLayout(busy);
    busyRow->addStretch(1);
    busyRow->addWidget(new Spinner(busy));
    busyRow->addWidget(Style::label(tr("Looking for applications…"), Style::Text::body, Style::Tone::secondary, busy));
    busyRow->addStretch(1);
    m_stack->addWidget(busy);

    m_list->setIconSize(QSize(kIconSize, kIconSize));
    m_list->setUniformItemSizes(true);
    m_list->setSpacing(2);
    m_list->setAccessibleName(tr("Applications"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stack->addWidget(m_list);
    column->addWidget(m_stack, 1);
    m_problem = Style::label({}, Style::Text::caption, Style::Tone::danger, this);
    m_problem->setObjectName(u"problem"_s);
    m_problem->setWordWrap(true);
    m_problem->hide();
    column->addWidget(m_problem);

    // "Browse…" stands apart on the left; the answer buttons keep the platform's order.
    auto* bottom = new QHBoxLayout;
    m_browse = new QPushButton(tr("Browse…"), this);
    m_browse->setAutoDefault(false);
    m_browse->setToolTip(tr("Choose an application's .desktop file from another folder"));
    bottom->addWidget(m_browse);
    bottom->addStretch(1);
    m_buttons->addButton(QDialogButtonBox::Cancel);
    m_use = m_buttons->addButton(tr("Use as Default"), QDialogButtonBox::AcceptRole);
    m_use->setDefault(true);
    bottom->addWidget(m_buttons);
    column->addLayout(bottom);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &AppChooser::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &AppChooser::reject);
    connect(m_browse, &QPushButton::clicked, this, &AppChooser::browse);
    connect(m_search, &QLineEdit::textChanged, this, &AppChooser::filter);
    connect(m_list, &QListWidget::currentItemChanged, this, &AppChooser::updateButtons);
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (item && !item->isHidden())
            accept();
    });

    resize(Style::spacing(66), Style::spacing(76));
    updateButtons();
    continueOn(this, m_model.installedApplications(), [this](const QList<AppInfo>& apps) { load(apps); });
}

void AppChooser::load(const QList<AppInfo>& all)
{
    // The apps made for the type first, marked, as desktop choosers list them.
    QSet<QString> made;
    if (const auto state = m_model.states().constFind(m_target); state != m_model.states().cend()) {
        for (const AppInfo& app : state->candidates.first(state->recommended))
            made.insert(pathOf(app.url));
    }
    QList<AppInfo> apps = all;
    std::stable_partition(apps.begin(), apps.end(), [&](const AppInfo& a) { return made.contains(pathOf(a.url)); });
    m_apps = apps;
    const QHash<QUrl, QString> names = distinctNames(apps);
    const QPixmap placeholder = Icons::placeholder(kIconSize, palette(), devicePixelRatioF());
    m_list->setUpdatesEnabled(false);
    for (int i = 0; i < apps.size(); ++i) {
        const AppInfo& app = apps[i];
        QIcon icon = Icons::application(m_model.iconName(app));
        if (icon.isNull())
            icon = QIcon(placeholder);
        auto* item = new QListWidgetItem(icon, names.value(app.url, app.name), m_list);
        item->setData(kAppRole, i);
        item->setToolTip(pathOf(app.url));
        if (made.contains(pathOf(app.url))) {
            QFont bold = m_list->font();
            bold.setBold(true);
            item->setFont(bold);
            item->setToolTip(tr("Made for %1").arg(m_target.description()) + u'\n' + pathOf(app.url));
        }
    }
    m_list->setUpdatesEnabled(true);
    m_loaded = true;
    m_stack->setCurrentWidget(m_list);
    filter(m_search->text());
}

void AppChooser::filter(const QString& text)
{
    const QString query = text.trimmed();
    QListWidgetItem* firstShown = nullptr;
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        const bool shown = query.isEmpty() || item->text().contains(query, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstShown)
            firstShown = item;
    }
    // While searching, the best match is ready for Return; a hidden choice is no choice.
    QListWidgetItem* current = m_list->currentItem();
    if (!query.isEmpty() && (!current || current->isHidden()))
        m_list->setCurrentItem(firstShown);
    else if (current && current->isHidden())
        m_list->setCurrentItem(nullptr);
    updateButtons();
}

void AppChooser::updateButtons()
{
    QListWidgetItem* current = m_list->currentItem();
    m_use->setEnabled(current && !current->isHidden());
}

void AppChooser::accept()
{
    QListWidgetItem* current = m_list->currentItem();
    if (!current || current->isHidden())
        return;
    const AppInfo app = m_apps.value(current->data(kAppRole).toInt());
    QDialog::accept();
    Q_EMIT chosen(app);
}

void AppChooser::browse()
{
    QPointer<AppChooser> self(this);
    pickDesktopFile(this, {}, [self](const QString& path) {
        if (self)
            self->useFile(path);
    });
}

QString AppChooser::problem() const
{
    return m_problem->isHidden() ? QString() : m_problem->text();
}

void AppChooser::useFile(const QString& path)
{
    const QUrl file = QUrl::fromLocalFile(path);
    const ApplicationFile entry = m_model.checkApplicationFile(file);
    m_problem->setText(entry.problem);
    m_problem->setVisible(!entry.problem.isEmpty());
    if (!entry.problem.isEmpty())
        return;
    if (entry.installed) {
        const AppInfo app = m_model.applicationAt(file);
        QDialog::accept();
        Q_EMIT chosen(app);
        return;
    }
    const auto add = [this, file] {
        QDialog::accept();
        Q_EMIT chosenFile(file);
    };
    if (!entry.replaces) {
        add();
        return;
    }
    auto* question = new QMessageBox(QMessageBox::Question, tr("Replace the Installed App?"),
                                     tr("An app with the ID \u201c%1\u201d is already installed. Replace it with the "
                                        "one you chose?")
                                         .arg(entry.id),
                                     QMessageBox::Cancel, this);
    question->setObjectName(u"replaceQuestion"_s);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* replace = question->addButton(tr("Replace"), QMessageBox::AcceptRole);
    question->setDefaultButton(QMessageBox::Cancel);
    connect(replace, &QPushButton::clicked, this, add);
    question->open();
}
} // namespace openwright::ui
