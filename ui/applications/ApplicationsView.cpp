// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationsView.h"

#include "app/AppModel.h"
#include "applications/ApplicationPage.h"
#include "profiles/ProfileSheet.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QAbstractListModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QSortFilterProxyModel>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kUrlRole = Qt::UserRole + 2;

} // namespace

// The installed applications of the model's index, one row each: icon, name (with what tells
// packagings apart) and how many types open in it.
class ApplicationListModel final : public QAbstractListModel
{
public:
    explicit ApplicationListModel(AppModel& model, QObject* parent)
        : QAbstractListModel(parent)
        , m_model(model)
    {
        connect(&m_model, &AppModel::applicationsChanged, this, &ApplicationListModel::update);
        update();
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_urls.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const QList<InstalledApp>& apps = m_model.applicationIndex().apps();
        if (!index.isValid() || index.row() >= apps.size())
            return {};
        const InstalledApp& app = apps.at(index.row());
        switch (role) {
        case Qt::DisplayRole: return app.shownName + u'\n' + counted(app);
        case Qt::AccessibleTextRole:
        case kNameRole: return app.shownName;
        case Qt::AccessibleDescriptionRole: return counted(app);
        case Qt::ToolTipRole: return app.app.url.toLocalFile();
        case kUrlRole: return app.app.url;
        case Qt::DecorationRole: {
            QIcon icon = Icons::application(app.icon);
            return icon.isNull() ? Icons::symbol(u"app.dashed"_s) : icon;
        }
        default: return {};
        }
    }

private:
    QString counted(const InstalledApp& app) const
    {
        const int n = m_model.applicationIndex().defaultCount(app.app.url);
        if (n == 0)
            return ApplicationsView::tr("Not a default");
        return ApplicationsView::tr("Default for %n types", nullptr, n);
    }

    void update()
    {
        QList<QUrl> urls;
        for (const InstalledApp& app : m_model.applicationIndex().apps())
            urls.append(app.app.url);
        if (urls == m_urls) {
            if (!m_urls.isEmpty())
                Q_EMIT dataChanged(index(0), index(int(m_urls.size()) - 1));
            return;
        }
        beginResetModel();
        m_urls = std::move(urls);
        endResetModel();
    }

    AppModel& m_model;
    QList<QUrl> m_urls;
};

ApplicationsView::ApplicationsView(AppModel& model, QWidget* parent)
    : Page(tr("Applications"), parent)
    , m_model(model)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(Style::spacing(3), 0, Style::spacing(3), Style::spacing(2));
    row->setSpacing(Style::spacing(2));
    row->addWidget(buildList(), 2);
    row->addWidget(buildDetail(), 5);
    connect(&m_model, &AppModel::selectedApplicationChanged, this, &ApplicationsView::followSelection);
    connect(&m_model, &AppModel::applicationsChanged, this, &ApplicationsView::followSelection);
    if (!m_model.applicationIndex().isRead())
        m_model.readApplications();
    followSelection();
}

QWidget* ApplicationsView::buildList()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Style::spacing());
    m_filter = new QLineEdit(panel);
    m_filter->setPlaceholderText(tr("Search applications"));
    m_filter->setAccessibleName(tr("Search applications"));
    m_filter->setClearButtonEnabled(true);
    Style::nameFieldButtons(m_filter);
    column->addWidget(m_filter);
    m_apps = new ApplicationListModel(m_model, this);
    m_filtered = new QSortFilterProxyModel(this);
    m_filtered->setSourceModel(m_apps);
    m_filtered->setFilterRole(kNameRole);
    m_filtered->setFilterCaseSensitivity(Qt::CaseInsensitive);
    connect(m_filter, &QLineEdit::textChanged, m_filtered, &QSortFilterProxyModel::setFilterFixedString);
    m_list = new QListView(panel);
    // Wide enough for a usual name and its count; the page beside it takes the rest.
    m_list->setMinimumWidth(Style::spacing(26));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // names elide instead
    m_list->setObjectName(u"applications"_s);
    m_list->setAccessibleName(tr("Applications"));
    m_list->setModel(m_filtered);
    m_list->setUniformItemSizes(true);
    m_list->setIconSize(QSize(Style::spacing(4), Style::spacing(4)));
    m_list->setSpacing(Style::spacing() / 4);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (current.isValid())
            m_model.setSelectedApplication(current.data(kUrlRole).toUrl());
    });
    // From the search field: Return opens the first match, Down goes into the matches.
    connect(m_filter, &QLineEdit::returnPressed, this, &ApplicationsView::openFirstMatch);
    m_filter->installEventFilter(this);
    column->addWidget(m_list, 1);
    return panel;
}

QWidget* ApplicationsView::buildDetail()
{
    auto* detail = new QWidget(this);
    m_detail = new QStackedLayout(detail);
    m_placeholder = new EmptyState(u"square.grid.2x2"_s, tr("No Application Selected"),
                                   tr("Choose an application to see the types it opens, and make it the default for "
                                      "all of them or for a whole family."),
                                   detail);
    m_detail->addWidget(m_placeholder);
    auto* scroll = new QScrollArea(detail);
    Style::showFocus(scroll);
    scroll->setAccessibleName(tr("Types the application opens"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_page = new ApplicationPage(m_model);
    connect(m_page, &ApplicationPage::useForRequested, this, &ApplicationsView::openSheet);
    scroll->setWidget(m_page);
    m_detail->addWidget(scroll);
    return detail;
}

void ApplicationsView::openFirstMatch()
{
    if (m_filtered->rowCount() > 0 && !m_list->currentIndex().isValid())
        m_list->setCurrentIndex(m_filtered->index(0, 0));
}

bool ApplicationsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down) {
        openFirstMatch();
        m_list->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ApplicationsView::isShowingPlaceholder() const
{
    return m_detail->currentWidget() == m_placeholder;
}

void ApplicationsView::followSelection()
{
    const QUrl selected = m_model.selectedApplication();
    const bool known = m_model.applicationIndex().app(selected) != nullptr;
    if (m_page->app() != selected || !known)
        m_page->show(selected);
    m_detail->setCurrentIndex(known ? 1 : 0);
    const QModelIndex current = m_list->currentIndex();
    if (known && (!current.isValid() || current.data(kUrlRole).toUrl() != selected)) {
        for (int row = 0; row < m_filtered->rowCount(); ++row) {
            const QModelIndex index = m_filtered->index(row, 0);
            if (index.data(kUrlRole).toUrl() == selected) {
                m_list->setCurrentIndex(index);
                m_list->scrollTo(index);
                break;
            }
        }
    }
}

void ApplicationsView::openSheet(std::optional<TypeFamily> family)
{
    if (m_sheet && m_sheet->isVisible())
        return;
    const auto profile = m_model.useFor(m_model.selectedApplication(), family);
    if (!profile)
        return;
    m_sheet = new ProfileSheet(m_model, *profile, window());
    m_sheet->open();
}

ApplicationHits::ApplicationHits(AppModel& model, QWidget* parent)
    : HitRow(parent)
    , m_model(model)
{
    setObjectName(u"applicationHits"_s);
    connect(&m_model, &AppModel::searchTextChanged, this, &ApplicationHits::update);
    connect(&m_model, &AppModel::applicationsChanged, this, &ApplicationHits::update);
    update();
}

void ApplicationHits::update()
{
    constexpr int kShown = 6;
    if (!m_model.searchText().isEmpty() && !m_model.applicationIndex().isRead())
        m_model.readApplications();
    const QList<InstalledApp> hits = m_model.applicationResults();
    clearHits();
    setVisible(!hits.isEmpty());
    if (hits.isEmpty())
        return;
    setLead(Style::label(tr("Applications:"), Style::Text::callout, Style::Tone::secondary, this));
    for (const InstalledApp& app : hits.mid(0, kShown)) {
        auto* open = new QToolButton(this);
        open->setObjectName(u"applicationHit"_s);
        open->setText(Style::literal(app.shownName));
        open->setToolTip(tr("Show the types %1 opens").arg(app.shownName));
        QIcon icon = Icons::application(app.icon);
        open->setIcon(icon.isNull() ? Icons::symbol(u"app.dashed"_s) : icon);
        open->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        const QUrl url = app.app.url;
        connect(open, &QToolButton::clicked, this, [this, url] { m_model.openApplication(url); });
        addHit(open);
    }
    auto* more = Style::label({}, Style::Text::callout, Style::Tone::secondary, this);
    more->setObjectName(u"applicationHitsMore"_s);
    setTail(more, hits.size(), [more](qsizetype left) { more->setText(tr("and %1 more").arg(left)); });
}

} // namespace openwright::ui
