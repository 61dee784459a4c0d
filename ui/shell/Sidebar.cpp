// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sidebar.h"

#include "app/AppModel.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

// Section titles in small secondary type; item rows with a rounded selection and a count
// badge at the right end.
class SidebarDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Tighter rows, for a window too short to show every row at ease.
    bool compact = false;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int line = option.fontMetrics.height();
        if (index.data(SidebarModel::HeaderRole).toBool())
            return {0, line + (compact ? Style::spacing() : Style::spacing(2))};
        return {0, compact ? line + Style::spacing() / 2 : qMax(line + Style::spacing(), Style::spacing(4))};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QPalette& pal = option.palette;
        const QRect r = option.rect.adjusted(Style::spacing(), 0, -Style::spacing(), 0);
        // Laid out left to right, then mirrored for a right-to-left layout.
        const auto visual = [&](const QRect& rect) { return QStyle::visualRect(option.direction, option.rect, rect); };
        const auto visualF = [&](const QRectF& rect) { return QRectF(visual(rect.toAlignedRect())); };
        const Qt::Alignment leading = QStyle::visualAlignment(option.direction, Qt::AlignLeft);
        if (index.data(SidebarModel::HeaderRole).toBool()) {
            QFont f = Style::font(Style::Text::caption, option.font);
            f.setWeight(QFont::DemiBold);
            p->setFont(f);
            p->setPen(Style::color(Style::Tone::secondary, pal));
            p->drawText(visual(r.adjusted(Style::spacing() / 2, 0, 0, -Style::spacing() / 2)),
                        leading | Qt::AlignBottom, index.data().toString());
            p->restore();
            return;
        }
        const bool selected = option.state & QStyle::State_Selected;
        const bool hovered = option.state & QStyle::State_MouseOver;
        const QRectF pill = QRectF(r).adjusted(0, 1.5, 0, -1.5);
        if (selected || hovered) {
            QColor fill = pal.color(QPalette::Highlight);
            if (!selected)
                fill.setAlphaF(0.12);
            else if (!(option.state & QStyle::State_HasFocus) && !(option.state & QStyle::State_Active))
                fill.setAlphaF(0.85);
            p->setPen(Qt::NoPen);
            p->setBrush(fill);
            p->drawRoundedRect(pill, Style::spacing() * 0.8, Style::spacing() * 0.8);
        }
        const QColor text = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::WindowText);
        const int iconSize = option.fontMetrics.height() + 2;
        const int x = r.left() + Style::spacing();
        const QRect iconRect(x, r.center().y() - iconSize / 2 + 1, iconSize, iconSize);
        const QString symbol = index.data(SidebarModel::SymbolRole).toString();
        const QColor iconColor = selected ? text : Style::color(Style::Tone::accent, pal);
        p->drawPixmap(visual(iconRect), Icons::tinted(symbol, iconColor, iconSize, p->device()->devicePixelRatioF()));

        int right = r.right() - Style::spacing();
        const int badge = index.data(SidebarModel::BadgeRole).toInt();
        if (badge > 0) {
            QFont f = Style::font(Style::Text::caption, option.font);
            f.setWeight(QFont::DemiBold);
            p->setFont(f);
            const QString count = QString::number(badge);
            const QFontMetrics fm(f);
            const int w = qMax(fm.horizontalAdvance(count) + Style::spacing(), fm.height() + 2);
            const QRectF box(right - w, r.center().y() - fm.height() / 2.0, w, fm.height());
            QColor fill = selected ? text : pal.color(QPalette::WindowText);
            fill.setAlphaF(selected ? 0.25 : 0.09);
            p->setPen(Qt::NoPen);
            p->setBrush(fill);
            p->drawRoundedRect(visualF(box), box.height() / 2, box.height() / 2);
            p->setPen(selected ? text : Style::color(Style::Tone::secondary, pal));
            p->drawText(visualF(box), Qt::AlignCenter, count);
            right = int(box.left()) - Style::spacing();
        }
        p->setFont(option.font);
        p->setPen(text);
        const QRect textRect(iconRect.right() + Style::spacing(), r.top(), right - iconRect.right() - Style::spacing(),
                             r.height());
        p->drawText(visual(textRect), leading | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, textRect.width()));
        p->restore();
    }
};

SidebarModel::SidebarModel(AppModel& model, QObject* parent)
    : QAbstractListModel(parent)
    , m_model(model)
{
    rebuild();
    connect(&m_model, &AppModel::customTargetsChanged, this, &SidebarModel::rebuild);
    // Badges: the counts of the groups and of unresolved changes.
    connect(&m_model, &AppModel::guardStateChanged, this, [this] {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {BadgeRole, Qt::AccessibleDescriptionRole});
    });
}

void SidebarModel::rebuild()
{
    beginResetModel();
    m_rows.clear();
    m_rows.append({tr("Overview"), u"gauge.with.dots.needle.67percent"_s, SidebarItem::overview()});
    m_rows.append({tr("File & Link Types"), {}, std::nullopt});
    for (CategoryGroup g : CategoryGroups::allCases()) {
        if (g == CategoryGroup::custom && m_model.customTargets().isEmpty())
            continue;
        m_rows.append({CategoryGroups::title(g), CategoryGroups::symbol(g), SidebarItem::groupItem(g)});
    }
    m_rows.append({tr("All Types"), u"list.bullet.rectangle"_s, SidebarItem::allTypes()});
    m_rows.append({tr("Tools"), {}, std::nullopt});
    m_rows.append({tr("Profiles"), u"square.stack"_s, SidebarItem::profiles()});
    m_rows.append({tr("Backups"), u"clock.arrow.circlepath"_s, SidebarItem::backups()});
    m_rows.append({tr("Default Guard"), u"shield.lefthalf.filled"_s, SidebarItem::guardActivity()});
    m_rows.append({tr("Applications"), u"square.grid.2x2"_s, SidebarItem::applications()});
    endResetModel();
}

int SidebarModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SidebarModel::badge(const SidebarItem& item) const
{
    if (item.kind == SidebarItem::Kind::group)
        return int(m_model.categories(item.group).size());
    if (item.kind == SidebarItem::Kind::guardActivity)
        return int(m_model.unresolvedChanges().size());
    return 0;
}

QVariant SidebarModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row& row = m_rows[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return row.title;
    case HeaderRole: return !row.item.has_value();
    case SymbolRole: return row.symbol;
    case BadgeRole: return row.item ? badge(*row.item) : 0;
    // What the badge shows, for a screen reader, which reads it after the name.
    case Qt::AccessibleDescriptionRole: {
        const int count = row.item ? badge(*row.item) : 0;
        if (count == 0)
            return {};
        return row.item->kind == SidebarItem::Kind::guardActivity ? tr("%n changes wait", nullptr, count)
                                                                  : tr("%n types", nullptr, count);
    }
    default: return {};
    }
}

Qt::ItemFlags SidebarModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || !m_rows[index.row()].item)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

std::optional<SidebarItem> SidebarModel::itemAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].item : std::nullopt;
}

int SidebarModel::rowOf(const SidebarItem& item) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].item == item)
            return i;
    }
    return -1;
}

Sidebar::Sidebar(AppModel& model, QWidget* parent)
    : QListView(parent)
    , m_model(model)
    , m_rows(model)
{
    setModel(&m_rows);
    m_delegate = new SidebarDelegate(this);
    setItemDelegate(m_delegate);
    setFrameShape(QFrame::NoFrame);
    setMouseTracking(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAccessibleName(tr("Sidebar"));
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (m_updating)
            return;
        if (const auto item = m_rows.itemAt(current.row())) {
            // Choosing a row while search results show leaves the search for that screen.
            m_model.setSearchText({});
            m_model.setSelection(*item);
        }
    });
    connect(&m_model, &AppModel::selectionChanged, this, &Sidebar::followSelection);
    connect(&m_model, &AppModel::searchTextChanged, this, &Sidebar::followSelection);
    connect(&m_rows, &QAbstractItemModel::modelReset, this, &Sidebar::followSelection);
    followSelection();
}

void Sidebar::followSelection()
{
    m_updating = true;
    // Search results are no screen of the sidebar: nothing is highlighted while they show.
    const int row
        = m_model.searchText().isEmpty() ? m_rows.rowOf(m_model.selection().value_or(SidebarItem::overview())) : -1;
    if (row >= 0) {
        setCurrentIndex(m_rows.index(row));
    } else {
        clearSelection();
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    }
    m_updating = false;
}

bool Sidebar::isCompact() const
{
    return m_delegate->compact;
}

void Sidebar::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    // Every row fits at the window's minimum size, the guard's badge included: rows tighten
    // when the comfortable ones would run below the fold.
    const bool wasCompact = m_delegate->compact;
    m_delegate->compact = false;
    int comfortable = 0;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int i = 0; i < m_rows.rowCount(); ++i)
        comfortable += m_delegate->sizeHint(option, m_rows.index(i)).height();
    m_delegate->compact = comfortable > viewport()->height();
    if (m_delegate->compact != wasCompact)
        scheduleDelayedItemsLayout();
}

} // namespace openwright::ui
