// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryListView.h"

#include "app/AppModel.h"
#include "types/AddTypeSheet.h"
#include "types/AppPicker.h"
#include "types/CategoryRow.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QAction>
#include <QApplication>
#include <QLoggingCategory>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStackedLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

Q_LOGGING_CATEGORY(lcTypeList, "openwright.ui.typelist", QtWarningMsg)

namespace {

// Time for making new rows within one update of the search list, out of a 16 ms frame that
// also lays out and paints them.
constexpr qint64 kBuildBudgetMs = 6;
constexpr int kAddIconSize = 20;

} // namespace

// The rows on one card, every other one on a faintly darker band.
class CategoryRowList final : public Card
{
public:
    explicit CategoryRowList(QWidget* parent)
        : Card(parent)
        , m_column(new QVBoxLayout(this))
    {
        setContentsMargins(0, 0, 0, 0);
        m_column->setContentsMargins(0, 0, 0, 0);
        m_column->setSpacing(0);
    }

    CategoryRow* selected() const { return m_selected; }
    void select(CategoryRow* row)
    {
        m_selected = row;
        update();
    }

    // Puts `rows` in the layout in this order; rows left out are hidden, not destroyed.
    void setRows(const QList<CategoryRow*>& rows, const QList<CategoryRow*>& before)
    {
        if (showInPlace(rows))
            return;
        // Showing a child of a visible widget lays out every parent at once: with the list
        // hidden meanwhile, the rows cost one layout together instead of one each.
        QWidget* focused = QApplication::focusWidget();
        if (!isAncestorOf(focused))
            focused = nullptr;
        const bool shown = isVisibleTo(parentWidget());
        hide();
        for (CategoryRow* row : before) {
            m_column->removeWidget(row);
            if (!rows.contains(row))
                row->hide();
        }
        for (CategoryRow* row : rows) {
            m_column->addWidget(row);
            row->show();
        }
        setVisible(shown);
        if (focused && focused->isVisible())
            focused->setFocus(Qt::OtherFocusReason);
    }

private:
    // When the rows keep the order they have in the layout (search results always keep the
    // catalog's order), only the rows whose visibility changes are touched: typing a letter
    // shows or hides a few rows instead of laying all of them out again.
    bool showInPlace(const QList<CategoryRow*>& rows)
    {
        int last = -1;
        for (CategoryRow* row : rows) {
            const int at = m_column->indexOf(row);
            if (at < 0)
                continue;
            if (at <= last)
                return false;
            last = at;
        }
        int insertAt = 0;
        for (CategoryRow* row : rows) {
            const int at = m_column->indexOf(row);
            if (at >= 0) {
                insertAt = at + 1;
            } else {
                m_column->insertWidget(insertAt, row);
                ++insertAt;
            }
        }
        const QSet<CategoryRow*> wanted(rows.cbegin(), rows.cend());
        for (int i = 0; i < m_column->count(); ++i) {
            auto* row = static_cast<CategoryRow*>(m_column->itemAt(i)->widget());
            const bool show = wanted.contains(row);
            if (row && row->isVisibleTo(this) != show)
                row->setVisible(show);
        }
        return true;
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Card::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(outline(event->rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius(), cornerRadius());
        p.setClipPath(clip);
        QColor band = palette().color(QPalette::WindowText);
        band.setAlphaF(Style::isDark(palette()) ? 0.045 : 0.03);
        const QColor fill = fillColor();
        band = Style::over(band, fill);
        QColor selection = palette().color(QPalette::Highlight);
        selection.setAlphaF(0.18);
        int shown = 0;
        for (int i = 0; i < m_column->count(); ++i) {
            QWidget* row = m_column->itemAt(i)->widget();
            if (!row || !row->isVisibleTo(this))
                continue;
            const bool banded = shown++ % 2 == 1;
            if (!row->geometry().intersects(event->rect()))
                continue;
            if (row == m_selected || banded)
                p.fillRect(QRect(0, row->y(), width(), row->height()),
                           row == m_selected ? Style::over(selection, banded ? band : fill) : band);
        }
    }

    QVBoxLayout* m_column;
    QPointer<CategoryRow> m_selected;
};

CategoryListView::CategoryListView(AppModel& model, const QString& title, const QList<FileCategory>& categories,
                                   std::optional<CategoryGroup> group, const QString& emptyMessage, QWidget* parent)
    : Page(title, parent)
    , m_model(model)
    , m_group(group)
{
    buildList();
    if (m_group) {
        m_addType = headerButton(u"plus"_s, tr("Add Type"), tr("Add any file extension or link type"), this);
        connect(m_addType, &QToolButton::clicked, this, &CategoryListView::showAddSheet);
        addHeaderWidget(m_addType);
    }
    setCategories(categories, emptyMessage);
}

void CategoryListView::buildList()
{
    m_stack = new QStackedLayout(this);
    m_emptyPage = new QWidget(this);
    auto* emptyColumn = new QVBoxLayout(m_emptyPage);
    emptyColumn->setContentsMargins(Style::spacing(3), 0, Style::spacing(3), Style::spacing(3));
    m_stack->addWidget(m_emptyPage);

    m_scroll = new QScrollArea(this);
    Style::showFocus(m_scroll);
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(Style::spacing(3), Style::spacing(1), Style::spacing(3), Style::spacing(3));
    column->setSpacing(Style::spacing(2));

    if (m_group == CategoryGroup::custom) {
        auto* section = new Card(content);
        section->setContentsMargins(Style::spacing(), Style::spacing(), Style::spacing(), Style::spacing());
        auto* sectionRow = new QHBoxLayout(section);
        sectionRow->setContentsMargins(0, 0, 0, 0);
        m_addSection = new QToolButton(section);
        m_addSection->setText(tr("Add a File Type or Link…"));
        m_addSection->setIconSize(QSize(kAddIconSize, kAddIconSize));
        m_addSection->setIcon(QIcon(
            Icons::tinted(u"plus"_s, Style::color(Style::Tone::accent, palette()), kAddIconSize, devicePixelRatioF())));
        m_addSection->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        m_addSection->setAutoRaise(true);
        m_addSection->setFocusPolicy(Qt::StrongFocus);
        QPalette accent = m_addSection->palette();
        accent.setColor(QPalette::ButtonText, Style::color(Style::Tone::accent, palette()));
        m_addSection->setPalette(accent);
        connect(m_addSection, &QToolButton::clicked, this, &CategoryListView::showAddSheet);
        sectionRow->addWidget(m_addSection);
        sectionRow->addStretch(1);
        column->addWidget(section);
    }

    m_list = new CategoryRowList(content);
    column->addWidget(m_list);
    column->addStretch(1);
    m_scroll->setWidget(content);
    m_scroll->setAccessibleName(title()); // a tab stop of its own, for scrolling by keyboard
    m_scroll->viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    m_stack->addWidget(m_scroll);
}

CategoryRow* CategoryListView::cachedRow(const FileCategory& category)
{
    CategoryRow* row = m_rows.value(category.id);
    if (!row || row->category() == category)
        return row;
    // The same id with another title or summary (a custom type read again): make it anew.
    m_shown.removeAll(row);
    m_list->layout()->removeWidget(row);
    m_rows.remove(category.id);
    row->hide();
    row->deleteLater();
    return nullptr;
}

CategoryRow* CategoryListView::makeRow(const FileCategory& category)
{
    auto* row = new CategoryRow(m_model, category, m_list);
    row->setContentsMargins(Style::spacing(2), Style::spacing(), Style::spacing(2), Style::spacing());
    row->hide();
    // Styled now, within the build budget, rather than when first shown in a later update.
    row->ensurePolished();
    if (category.group == CategoryGroup::custom) {
        auto* remove = new QAction(Icons::symbol(u"trash"_s), tr("Remove from My File Types"), row);
        const Target target = category.target;
        connect(remove, &QAction::triggered, this, [this, target] { m_model.removeCustom(target); });
        row->addAction(remove);
        row->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(row, &QWidget::customContextMenuRequested, row, [row](const QPoint& at) {
            auto* menu = new QMenu(row);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->addActions(row->actions());
            menu->popup(row->mapToGlobal(at));
        });
    }
    m_rows.insert(category.id, row);
    return row;
}

void CategoryListView::setCategories(const QList<FileCategory>& categories, const QString& emptyMessage)
{
    QElapsedTimer timer;
    timer.start();
    m_categories = categories;
    m_emptyMessage = emptyMessage;
    m_scrollToTop = true;
    applyCategories(timer);
    m_lastUpdate = std::chrono::microseconds(timer.nsecsElapsed() / 1000);
    qCDebug(lcTypeList) << title() << categories.size() << "rows in" << m_lastUpdate.count() << "us";
}

void CategoryListView::applyCategories(const QElapsedTimer& started)
{
    // The user's own list always offers its add button, even with nothing in it.
    if (m_categories.isEmpty() && m_group != CategoryGroup::custom) {
        if (!m_shown.isEmpty()) {
            m_list->setRows({}, m_shown);
            m_shown.clear();
        }
        showEmpty(m_emptyMessage);
        return;
    }

    // Search results show within the frame: the rows that do not fit into its budget are made
    // on the next turns of the event loop, top rows first.
    const bool budgeted = !m_group;
    QList<CategoryRow*> order;
    order.reserve(m_categories.size());
    bool missing = false;
    for (const FileCategory& category : m_categories) {
        CategoryRow* row = cachedRow(category);
        if (!row) {
            if (budgeted && started.elapsed() >= kBuildBudgetMs) {
                missing = true;
                continue;
            }
            row = makeRow(category);
        }
        if (!order.contains(row))
            order.append(row);
    }
    if (order != m_shown) {
        m_list->setRows(order, m_shown);
        m_shown = order;
        // Rows made earlier keep their place in the focus chain: follow the shown order.
        for (int i = 1; i < order.size(); ++i)
            setTabOrder(order[i - 1]->lastFocus(), order[i]->firstFocus());
    }
    if (m_scrollToTop) {
        m_scroll->verticalScrollBar()->setValue(0);
        m_scrollToTop = false;
    }
    m_list->setVisible(!order.isEmpty());
    m_stack->setCurrentWidget(m_scroll);
    if (missing || !m_group)
        scheduleBuild();
}

void CategoryListView::scheduleBuild()
{
    if (m_buildScheduled)
        return;
    m_buildScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_buildScheduled = false;
        QElapsedTimer timer;
        timer.start();
        // First the rows the current results still lack.
        const bool complete = std::all_of(m_categories.cbegin(), m_categories.cend(),
                                          [this](const FileCategory& c) { return m_rows.contains(c.id); });
        if (!complete) {
            applyCategories(timer);
            return;
        }
        // Then, while the user reads or types, the rows of every other type, so that later
        // keystrokes only show and hide.
        for (const FileCategory& category : m_model.categories()) {
            if (timer.elapsed() >= kBuildBudgetMs) {
                scheduleBuild();
                return;
            }
            if (!m_rows.contains(category.id))
                makeRow(category);
        }
    });
}

void CategoryListView::showEmpty(const QString& message)
{
    if (!m_empty || m_emptyShown != message) {
        delete m_empty;
        m_empty = new EmptyState(u"magnifyingglass"_s, message, {}, m_emptyPage);
        m_emptyPage->layout()->addWidget(m_empty);
        m_emptyShown = message;
    }
    m_stack->setCurrentWidget(m_emptyPage);
}

bool CategoryListView::isShowingEmptyState() const
{
    return m_stack->currentWidget() == m_emptyPage;
}

void CategoryListView::reveal(const Target& target)
{
    for (CategoryRow* row : std::as_const(m_shown)) {
        if (row->category().target != target)
            continue;
        m_list->select(row);
        m_scroll->ensureWidgetVisible(row);
        row->picker()->setFocus(Qt::OtherFocusReason);
        return;
    }
}

CategoryRow* CategoryListView::selectedRow() const
{
    return m_list->selected();
}

AddTypeSheet* CategoryListView::addSheet() const
{
    return m_sheet;
}

void CategoryListView::showAddSheet()
{
    if (m_sheet) {
        m_sheet->raise();
        m_sheet->activateWindow();
        return;
    }
    m_sheet = new AddTypeSheet(m_model, this);
    m_sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_sheet, &AddTypeSheet::revealRequested, this, &Page::revealRequested);
    m_sheet->open();
}

} // namespace openwright::ui
