// SPDX-License-Identifier: GPL-3.0-or-later
#include "AllTypesView.h"

#include "app/AppModel.h"
#include "applications/ApplicationPage.h"
#include "types/AppPicker.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QStackedLayout>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kTypeRole = Qt::UserRole + 1;
// A group row's internal ID; a type row's is its group's row plus one.
constexpr quintptr kGroupId = 0;

} // namespace

// The model's type index as a tree: one row per media type, the types under it.
class KnownTypeModel final : public QAbstractItemModel
{
public:
    explicit KnownTypeModel(AppModel& model, QObject* parent)
        : QAbstractItemModel(parent)
        , m_model(model)
    {
        connect(&m_model, &AppModel::typesChanged, this, &KnownTypeModel::update);
        update();
    }

    const KnownType* type(const QModelIndex& index) const
    {
        if (!index.isValid() || index.internalId() == kGroupId)
            return nullptr;
        const Group& g = m_groups.at(qsizetype(index.internalId() - 1));
        return &m_model.typeIndex().types().at(g.first + index.row());
    }

    QModelIndex indexOf(const QString& type) const
    {
        const QList<KnownType>& types = m_model.typeIndex().types();
        for (qsizetype g = 0; g < m_groups.size(); ++g) {
            for (qsizetype i = 0; i < m_groups[g].count; ++i) {
                if (types.at(m_groups[g].first + i).type == type)
                    return createIndex(int(i), 0, quintptr(g + 1));
            }
        }
        return {};
    }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override
    {
        if (row < 0 || column < 0 || column >= AllTypesView::columnCount)
            return {};
        if (!parent.isValid())
            return row < m_groups.size() ? createIndex(row, column, kGroupId) : QModelIndex();
        if (parent.internalId() != kGroupId || row >= m_groups.at(parent.row()).count)
            return {};
        return createIndex(row, column, quintptr(parent.row() + 1));
    }

    QModelIndex parent(const QModelIndex& child) const override
    {
        if (!child.isValid() || child.internalId() == kGroupId)
            return {};
        return createIndex(int(child.internalId() - 1), 0, kGroupId);
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (!parent.isValid())
            return int(m_groups.size());
        if (parent.internalId() != kGroupId || parent.column() != 0)
            return 0;
        return int(m_groups.at(parent.row()).count);
    }

    int columnCount(const QModelIndex& = {}) const override { return AllTypesView::columnCount; }

    // Asked for by every cell at every paint: worked out once per palette.
    void setPalette(const QPalette& palette) { m_secondary = Style::color(Style::Tone::secondary, palette); }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case AllTypesView::typeColumn: return AllTypesView::tr("Type");
        case AllTypesView::nameColumn: return AllTypesView::tr("MIME Type");
        case AllTypesView::patternsColumn: return AllTypesView::tr("Patterns");
        case AllTypesView::appColumn: return AllTypesView::tr("Opens With");
        case AllTypesView::sourceColumn: return AllTypesView::tr("Status");
        default: return {};
        }
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (index.internalId() == kGroupId) {
            const Group& g = m_groups.at(index.row());
            // The cells the group's title spans still name it to a screen reader.
            if (index.column() != 0)
                return role == Qt::AccessibleTextRole ? QVariant(g.mediaType) : QVariant();
            // The filter counts what it shows.
            if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
                return g.mediaType;
            if (role == Qt::FontRole) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        }
        const KnownType& t = *type(index);
        if (role == kTypeRole)
            return t.type;
        switch (index.column()) {
        case AllTypesView::typeColumn:
            if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
                return t.title.isEmpty() ? t.description : t.title;
            if (role == Qt::ToolTipRole)
                return t.description;
            break;
        case AllTypesView::nameColumn:
            if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
                return t.type;
            break;
        case AllTypesView::patternsColumn:
            if (role == Qt::AccessibleTextRole && t.patterns.isEmpty())
                return AllTypesView::tr("No patterns");
            if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
                return t.patterns.join(", "_L1);
            break;
        case AllTypesView::appColumn:
            if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
                return t.current ? t.current->name : AllTypesView::tr("No default");
            if (role == Qt::ToolTipRole && t.current)
                return t.current->url.toLocalFile();
            if (role == Qt::DecorationRole && t.current)
                return icon(*t.current);
            if (role == Qt::ForegroundRole && !t.current)
                return m_secondary;
            break;
        case AllTypesView::sourceColumn:
            if ((role == Qt::DisplayRole || role == Qt::AccessibleTextRole) && t.source)
                return sourceText(*t.source);
            if (role == Qt::AccessibleTextRole)
                return AllTypesView::tr("Unknown");
            if (role == Qt::ForegroundRole)
                return m_secondary;
            break;
        default: break;
        }
        return {};
    }

private:
    struct Group
    {
        QString mediaType;
        qsizetype first = 0;
        qsizetype count = 0;
    };

    QIcon icon(const AppInfo& app) const
    {
        auto it = m_icons.constFind(app.url);
        if (it == m_icons.cend()) {
            // The index knows most apps' icons; a read of the entry is kept for the others.
            const InstalledApp* installed = m_model.applicationIndex().app(app.url);
            QIcon found = Icons::application(installed ? installed->icon : m_model.iconName(app));
            it = m_icons.insert(app.url, found.isNull() ? Icons::symbol(u"app.dashed"_s) : found);
        }
        return *it;
    }

    void update()
    {
        QList<Group> groups;
        const QList<KnownType>& types = m_model.typeIndex().types();
        for (qsizetype i = 0; i < types.size(); ++i) {
            if (groups.isEmpty() || groups.last().mediaType != types[i].mediaType)
                groups.append({types[i].mediaType, i, 0});
            ++groups.last().count;
        }
        const auto same = [](const QList<Group>& a, const QList<Group>& b) {
            return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const Group& x, const Group& y) {
                return x.mediaType == y.mediaType && x.first == y.first && x.count == y.count;
            });
        };
        // The same types with other defaults: the rows stay, and so do the selection and scroll.
        if (same(groups, m_groups) && !m_groups.isEmpty()) {
            for (qsizetype g = 0; g < m_groups.size(); ++g) {
                const QModelIndex parent = createIndex(int(g), 0, kGroupId);
                Q_EMIT dataChanged(index(0, AllTypesView::appColumn, parent),
                                   index(int(m_groups[g].count) - 1, AllTypesView::sourceColumn, parent));
            }
            return;
        }
        beginResetModel();
        m_groups = std::move(groups);
        endResetModel();
    }

    AppModel& m_model;
    QList<Group> m_groups;
    mutable QHash<QUrl, QIcon> m_icons;
    QColor m_secondary;
};

// Keeps the types that match the filter text, and the groups that hold one.
class KnownTypeFilter final : public QSortFilterProxyModel
{
public:
    explicit KnownTypeFilter(KnownTypeModel* types, QObject* parent)
        : QSortFilterProxyModel(parent)
        , m_types(types)
    {
        setSourceModel(types);
        setRecursiveFilteringEnabled(true);
        setSortLocaleAware(true);
        setSortCaseSensitivity(Qt::CaseInsensitive);
    }

    void setQuery(const QString& query)
    {
        if (query == m_query)
            return;
        m_query = query;
        invalidateRowsFilter();
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (index.isValid() && !index.parent().isValid() && index.column() == 0
            && (role == Qt::DisplayRole || role == Qt::AccessibleTextRole))
            return AllTypesView::tr("%1 (%2)")
                .arg(QSortFilterProxyModel::data(index, role).toString())
                .arg(rowCount(index));
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (m_query.isEmpty())
            return true;
        // A group shows through its types (recursive filtering).
        if (!parent.isValid())
            return false;
        const KnownType* t = m_types->type(m_types->index(row, 0, parent));
        return t && TypeIndex::matches(*t, m_query);
    }

private:
    KnownTypeModel* m_types;
    QString m_query;
};

AllTypesView::AllTypesView(AppModel& model, QWidget* parent)
    : Page(tr("All Types"), parent)
    , m_model(model)
    , m_types(new KnownTypeModel(model, this))
    , m_filtered(new KnownTypeFilter(m_types, this))
    , m_filter(new QLineEdit(this))
    , m_tree(new QTreeView(this))
    , m_detail(new QWidget(this))
    , m_detailTitle(Style::label({}, Style::Text::headline, Style::Tone::normal, m_detail))
    , m_detailLine(Style::label({}, Style::Text::caption, Style::Tone::secondary, m_detail))
    , m_detailSource(Style::label({}, Style::Text::caption, Style::Tone::secondary, m_detail))
    , m_pickerSlot(new QHBoxLayout)
{
    m_types->setPalette(palette());
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), 0, Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing());

    m_filter->setPlaceholderText(tr("Filter by description, MIME type, pattern or app"));
    m_filter->setAccessibleName(tr("Filter types"));
    m_filter->setClearButtonEnabled(true);
    Style::nameFieldButtons(m_filter);
    m_filter->setText(m_model.typeFilter());
    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textChanged, this, &AllTypesView::applyFilter);
    column->addWidget(m_filter);

    m_stack = new QStackedLayout;
    auto* loading
        = new EmptyState(u"list.bullet.rectangle"_s, tr("Reading every type…"),
                         tr("The system's MIME database and every installed application are read once."), this);
    m_stack->addWidget(loading);
    m_tree->setObjectName(u"allTypes"_s);
    m_tree->setAccessibleName(tr("All types"));
    m_tree->setModel(m_filtered);
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setIconSize(QSize(Style::spacing(2), Style::spacing(2)));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    // By description at first; a click on a header sorts by that column within each group.
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(typeColumn, Qt::AscendingOrder);
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    QHeaderView* header = m_tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    m_stack->addWidget(m_tree);
    column->addLayout(m_stack, 1);

    // The selected type, and what changes it.
    auto* detail = new QHBoxLayout(m_detail);
    detail->setContentsMargins(0, Style::spacing(), 0, 0);
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 4);
    text->addWidget(m_detailTitle);
    text->addWidget(m_detailLine);
    text->addWidget(m_detailSource);
    for (QLabel* l : {m_detailTitle, m_detailLine, m_detailSource}) {
        l->setTextFormat(Qt::PlainText);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setWordWrap(true);
    }
    detail->addLayout(text, 1);
    detail->addLayout(m_pickerSlot);
    column->addWidget(m_detail);

    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this, &AllTypesView::showSelected);
    connect(m_tree, &QTreeView::activated, this, [this](const QModelIndex& index) {
        if (m_picker && m_types->type(m_filtered->mapToSource(index)))
            m_picker->chooseAnother();
    });
    connect(m_tree, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { openMenu(m_tree->viewport()->mapToGlobal(at)); });
    connect(m_filtered, &QAbstractItemModel::modelReset, this, &AllTypesView::arrangeGroups);
    connect(&m_model, &AppModel::typesChanged, this, [this] {
        m_stack->setCurrentIndex(isLoading() ? 0 : 1);
        // The type selected before the list was read is selected once it is.
        if (const auto selected = m_model.selectedType(); selected && !m_tree->currentIndex().isValid())
            reveal(*selected);
        showSelected();
    });
    connect(&m_model, &AppModel::typesOpened, this, [this] {
        m_filter->setText(m_model.typeFilter());
        if (const auto selected = m_model.selectedType())
            reveal(*selected);
    });
    connect(&m_model, &AppModel::statesChanged, this, &AllTypesView::updatePicker);
    connect(&m_model, &AppModel::pendingChanged, this, &AllTypesView::updatePicker);

    m_filtered->setQuery(m_model.typeFilter().trimmed());
    arrangeGroups();
    m_stack->setCurrentIndex(isLoading() ? 0 : 1);
    if (!m_model.typeIndex().isRead())
        m_model.readTypes();
    if (const auto selected = m_model.selectedType())
        reveal(*selected);
    showSelected();
}

bool AllTypesView::isLoading() const
{
    return !m_model.typeIndex().isRead();
}

void AllTypesView::applyFilter(const QString& text)
{
    QElapsedTimer started;
    started.start();
    m_model.setTypeFilter(text);
    m_filtered->setQuery(text.trimmed());
    arrangeGroups();
    m_lastFilter = std::chrono::microseconds(started.nsecsElapsed() / 1000);
}

void AllTypesView::arrangeGroups()
{
    // The groups alone: expandAll() would walk every type too.
    for (int row = 0; row < m_filtered->rowCount(); ++row) {
        m_tree->setFirstColumnSpanned(row, {}, true);
        m_tree->expand(m_filtered->index(row, 0));
    }
}

void AllTypesView::reveal(const Target& target)
{
    QString type = target.isScheme() ? u"x-scheme-handler/"_s + target.payload() : target.payload();
    const QModelIndex index = m_filtered->mapFromSource(m_types->indexOf(type));
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void AllTypesView::showSelected()
{
    const KnownType* t = m_types->type(m_filtered->mapToSource(m_tree->currentIndex()));
    m_detail->setVisible(t != nullptr);
    if (!t) {
        takeDown(m_pickerSlot);
        m_picker = nullptr;
        return;
    }
    m_detailTitle->setText(t->title.isEmpty() ? t->description : t->title);
    QString line = t->type;
    if (!t->patterns.isEmpty())
        line += u"  ·  "_s + t->patterns.join(", "_L1);
    m_detailLine->setText(line);
    m_detailSource->setText(t->source ? sourceText(*t->source) : QString());
    const Target target = t->target;
    if (!m_picker || m_model.selectedType() != target) {
        m_model.setSelectedType(target);
        takeDown(m_pickerSlot);
        m_picker = new AppPicker(m_model, m_model.category(target), m_detail);
        m_pickerSlot->addWidget(m_picker, 0, Qt::AlignVCenter);
    }
    updatePicker();
}

void AllTypesView::updatePicker()
{
    if (!m_picker)
        return;
    const auto target = m_model.selectedType();
    if (!target)
        return;
    const auto it = m_model.states().constFind(*target);
    m_picker->setState(it == m_model.states().cend() ? std::nullopt : std::optional(*it),
                       m_model.pending().contains(*target));
}

void AllTypesView::openMenu(const QPoint& at)
{
    // The picker's own menu, where the pointer is.
    if (m_picker && m_picker->menu())
        m_picker->menu()->popup(at);
}

void AllTypesView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        m_types->setPalette(palette());
    Page::changeEvent(event);
}

void AllTypesView::fitColumns()
{
    // The status column fits its longest text, in the user's language; the others share the
    // rest of the width, so that every column shows at the smallest window too.
    QHeaderView* header = m_tree->header();
    const QFontMetrics metrics = fontMetrics();
    const int unit = metrics.averageCharWidth();
    int status = metrics.horizontalAdvance(tr("Status"));
    for (DefaultSource source :
         {DefaultSource::notSet, DefaultSource::user, DefaultSource::desktop, DefaultSource::system})
        status = std::max(status, metrics.horizontalAdvance(sourceText(source)));
    status += unit * 3;
    const int rest = std::max(m_tree->viewport()->width() - status, unit * 40);
    const int type = rest * 30 / 100;
    const int name = rest * 26 / 100;
    const int patterns = rest * 14 / 100;
    header->resizeSection(typeColumn, type);
    header->resizeSection(nameColumn, name);
    header->resizeSection(patternsColumn, patterns);
    header->resizeSection(appColumn, rest - type - name - patterns);
    header->resizeSection(sourceColumn, status);
}

bool AllTypesView::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport's own resize: it comes after the tree's, and after a scroll bar came or went.
    if (watched == m_tree->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    if (event->type() != QEvent::KeyPress)
        return Page::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // From the filter: Down or Return goes into the matches, at the first type.
    if (watched == m_filter && (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!m_types->type(m_filtered->mapToSource(m_tree->currentIndex()))) {
            const QModelIndex group = m_filtered->index(0, 0);
            const QModelIndex first = m_filtered->index(0, 0, group);
            if (first.isValid())
                m_tree->setCurrentIndex(first);
        }
        m_tree->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == m_tree && key == Qt::Key_Menu) {
        openMenu(m_tree->viewport()->mapToGlobal(m_tree->visualRect(m_tree->currentIndex()).center()));
        return true;
    }
    return Page::eventFilter(watched, event);
}

TypeHits::TypeHits(AppModel& model, QWidget* parent)
    : HitRow(parent)
    , m_model(model)
{
    setObjectName(u"typeHits"_s);
    connect(&m_model, &AppModel::searchTextChanged, this, &TypeHits::update);
    connect(&m_model, &AppModel::typesChanged, this, &TypeHits::update);
    update();
}

void TypeHits::update()
{
    constexpr int kShown = 4;
    if (!m_model.searchText().trimmed().isEmpty() && !m_model.typeIndex().isRead())
        m_model.readTypes();
    const QList<KnownType> hits = m_model.typeResults();
    clearHits();
    setVisible(!hits.isEmpty());
    if (hits.isEmpty())
        return;
    setLead(Style::label(tr("Other types:"), Style::Text::callout, Style::Tone::secondary, this));
    for (const KnownType& type : hits.mid(0, kShown)) {
        auto* open = new QToolButton(this);
        open->setObjectName(u"typeHit"_s);
        open->setText(Style::literal(type.description));
        open->setToolTip(type.type);
        const Target target = type.target;
        connect(open, &QToolButton::clicked, this, [this, target] { m_model.openTypes(QString(), target); });
        addHit(open);
    }
    auto* all = new QToolButton(this);
    all->setObjectName(u"typeHitsAll"_s);
    all->setText(tr("All %n in All Types", nullptr, int(hits.size())));
    connect(all, &QToolButton::clicked, this, [this] { m_model.openTypes(m_model.searchText().trimmed()); });
    setTail(all, hits.size());
}

} // namespace openwright::ui
