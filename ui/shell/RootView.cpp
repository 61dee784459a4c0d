// SPDX-License-Identifier: GPL-3.0-or-later
#include "RootView.h"

#include "app/AppModel.h"
#include "applications/ApplicationsView.h"
#include "backups/BackupsView.h"
#include "guard/GuardView.h"
#include "overview/OverviewView.h"
#include "profiles/ProfilesView.h"
#include "shell/Sidebar.h"
#include "types/AllTypesView.h"
#include "types/CategoryListView.h"
#include "widgets/ElidedLabel.h"
#include "widgets/Icons.h"
#include "widgets/Page.h"
#include "widgets/Style.h"

#include <algorithm>
#include <QAbstractScrollArea>
#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kRetireDelayMs = 400;
// The search page is made once the window has shown its first frames.
constexpr int kPrepareSearchDelayMs = 100;

// The sidebar sits on the view background, a shade apart from the screens beside it.
class SidebarPanel final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QColor fill = palette().color(QPalette::Base);
        if (Style::isDark(palette()))
            fill = palette().color(QPalette::Window).darker(112);
        p.fillRect(rect(), fill);
        QColor line = palette().color(QPalette::WindowText);
        line.setAlphaF(0.12);
        p.setPen(Style::over(line, fill));
        p.drawLine(rect().topRight(), rect().bottomRight());
    }
};

} // namespace

RootView::RootView(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->setHandleWidth(1);
    splitter->addWidget(buildSidebar());
    splitter->addWidget(buildDetail());
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({std::max(Style::spacing(34), splitter->widget(0)->minimumWidth()), Style::spacing(110)});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(&m_model, &AppModel::selectionChanged, this, &RootView::choosePage);
    connect(&m_model, &AppModel::searchTextChanged, this, &RootView::choosePage);
    connect(&m_model, &AppModel::customTargetsChanged, this, &RootView::choosePage);
    connect(&m_model, &AppModel::statesChanged, this, [this] {
        // Search matches the current applications' names too.
        if (!m_model.searchText().isEmpty())
            choosePage();
    });
    connect(&m_model, &AppModel::loadingChanged, this, [this] { m_refresh->setEnabled(!m_model.isLoading()); });
    m_refresh->setEnabled(!m_model.isLoading());
    choosePage();
}

QWidget* RootView::buildSidebar()
{
    auto* panel = new SidebarPanel;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, Style::spacing(), 0, Style::spacing());
    column->setSpacing(Style::spacing());

    m_search = new QLineEdit(panel);
    m_search->setPlaceholderText(tr("Search types, e.g. .md or browser"));
    m_search->setClearButtonEnabled(true);
    m_search->addAction(Icons::symbol(u"magnifyingglass"_s), QLineEdit::LeadingPosition);
    m_search->setAccessibleName(tr("Search types"));
    Style::nameFieldButtons(m_search);
    m_search->installEventFilter(this);
    m_search->setText(m_model.searchText());
    connect(m_search, &QLineEdit::textChanged, &m_model, &AppModel::setSearchText);
    connect(&m_model, &AppModel::searchTextChanged, this, [this] {
        if (m_search->text() != m_model.searchText())
            m_search->setText(m_model.searchText());
    });
    auto* searchRow = new QHBoxLayout;
    searchRow->setContentsMargins(Style::spacing(), 0, Style::spacing(), 0);
    searchRow->addWidget(m_search);
    // At least 220, and wide enough that the prompt shows whole beside the search icon and
    // the clear button, but never so wide that the smallest window cuts the rows' names: a
    // longer prompt ends in "…" and reads whole as the field's tooltip.
    const int sideWidget = m_search->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_search) + 6;
    const int prompt = m_search->fontMetrics().horizontalAdvance(m_search->placeholderText());
    panel->setMinimumWidth(std::clamp(prompt + 2 * sideWidget + Style::spacing(4), 220, Style::spacing(42)));
    m_search->setToolTip(m_search->placeholderText());
    column->addLayout(searchRow);
    column->addWidget(new Sidebar(m_model, panel), 1);
    return panel;
}

QWidget* RootView::buildDetail()
{
    auto* panel = new QWidget;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new QWidget(panel);
    m_header = header;
    header->installEventFilter(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(Style::spacing(3), Style::spacing(2), Style::spacing(2), Style::spacing());
    row->setSpacing(Style::spacing());
    m_title = ElidedLabel::make({}, Style::Text::largeTitle, Style::Tone::normal, header);
    row->addWidget(m_title, 1);
    m_headerButtons = new QHBoxLayout;
    m_headerButtons->setSpacing(Style::spacing() / 2);
    row->addLayout(m_headerButtons);
    m_refresh = Page::headerButton(u"arrow.clockwise"_s, tr("Refresh"), tr("Re-read all defaults (Ctrl+R)"), header);
    connect(m_refresh, &QToolButton::clicked, this, [this] { m_model.refresh(); });
    row->addWidget(m_refresh);
    column->addWidget(header);
    column->addWidget(buildProblemBanner(panel));

    column->addWidget(new ApplicationHits(m_model, panel));
    column->addWidget(new TypeHits(m_model, panel));
    m_stack = new QStackedWidget(panel);
    column->addWidget(m_stack, 1);
    return panel;
}

Page* RootView::currentPage() const
{
    return m_page;
}

QWidget* RootView::buildProblemBanner(QWidget* parent)
{
    // A data file that could not be saved (a read-only folder, a full disk): say so, with the
    // system's reason, until a save succeeds again.
    auto* banner = new Card(parent);
    banner->setTint(Style::Tone::danger);
    auto* row = new QHBoxLayout(banner);
    auto* text = new IconLabel(banner);
    row->addWidget(text, 1);
    auto* wrapper = new QWidget(parent);
    auto* margins = new QVBoxLayout(wrapper);
    margins->setContentsMargins(Style::spacing(3), 0, Style::spacing(3), Style::spacing());
    margins->addWidget(banner);
    const auto update = [this, wrapper, text] {
        const QString problem = m_model.saveProblem();
        wrapper->setVisible(!problem.isEmpty());
        if (!problem.isEmpty()) {
            text->set(u"exclamationmark.circle.fill"_s, tr("Openwright could not save its data: %1").arg(problem),
                      Style::Tone::danger, Style::Text::callout);
            text->textLabel()->setWordWrap(true);
        }
    };
    connect(&m_model, &AppModel::saveProblemChanged, wrapper, update);
    update();
    return wrapper;
}

void RootView::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void RootView::choosePage()
{
    const QString text = m_model.searchText();
    if (!text.isEmpty()) {
        // One search page, updated in place as the text changes: typing stays within a frame.
        const QString empty = noMatchText(text);
        if (!m_searchPage) {
            m_searchPage = new CategoryListView(m_model, tr("Search"), m_model.searchResults(), std::nullopt, empty);
            m_stack->addWidget(m_searchPage);
        } else {
            m_searchPage->setCategories(m_model.searchResults(), empty);
        }
        if (m_page && m_page != m_searchPage) {
            m_behindSearch = m_page;
            m_behindKey = m_pageKey;
        }
        m_pageKey = u"search"_s;
        showPage(m_searchPage);
        return;
    }

    const SidebarItem item = m_model.selection().value_or(SidebarItem::overview());
    QString key = QString::number(int(item.kind));
    if (item.kind == SidebarItem::Kind::group)
        key += u'/' + CategoryGroups::rawValue(item.group);
    // The custom list follows the user's types; other screens stay as they are.
    const bool customChanged = item.kind == SidebarItem::Kind::group && item.group == CategoryGroup::custom;
    if (key == m_pageKey && m_page && m_page != m_searchPage && !customChanged)
        return;
    if (Page* behind = m_behindSearch) {
        m_behindSearch = nullptr;
        if (key == m_behindKey && !customChanged) {
            m_pageKey = key;
            showPage(behind);
            return;
        }
        retire(behind);
    }
    m_pageKey = key;

    Page* page = nullptr;
    switch (item.kind) {
    case SidebarItem::Kind::group:
        page = new CategoryListView(m_model, CategoryGroups::title(item.group), m_model.categories(item.group),
                                    item.group, tr("Nothing here yet."));
        break;
    case SidebarItem::Kind::overview: page = new OverviewView(m_model); break;
    case SidebarItem::Kind::profiles: page = new ProfilesView(m_model); break;
    case SidebarItem::Kind::backups: page = new BackupsView(m_model); break;
    case SidebarItem::Kind::guardActivity: page = new GuardView(m_model); break;
    case SidebarItem::Kind::applications: page = new ApplicationsView(m_model); break;
    case SidebarItem::Kind::allTypes: page = new AllTypesView(m_model); break;
    }
    m_stack->addWidget(page);
    showPage(page);
}

void RootView::showPage(Page* page)
{
    if (m_page == page) {
        updateHeader();
        return;
    }
    // Each screen starts afresh: the one left behind goes (the search page is kept, and so is
    // the screen behind it).
    if (m_page && m_page != m_searchPage && m_page != m_behindSearch)
        retire(m_page);
    m_page = page;
    m_stack->setCurrentWidget(page);
    connect(page, &Page::titleChanged, this, &RootView::updateHeader, Qt::UniqueConnection);
    connect(page, &Page::revealRequested, this, &RootView::reveal, Qt::UniqueConnection);
    updateHeader();
}

QString RootView::noMatchText(const QString& text) const
{
    return tr("No file types match") + u" \""_s + text + u"\"."_s;
}

void RootView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_searchPage)
        QTimer::singleShot(kPrepareSearchDelayMs, this, &RootView::prepareSearch);
}

void RootView::prepareSearch()
{
    if (m_searchPage || !isVisible())
        return;
    // Every type's row, made a few at a time between events (the page budgets its work), and
    // polished and laid out behind the current screen: a search then shows rows already made.
    m_searchPage = new CategoryListView(m_model, tr("Search"), m_model.categories(), std::nullopt, noMatchText({}));
    m_stack->addWidget(m_searchPage);
    m_searchPage->ensurePolished();
}

void RootView::retire(Page* page)
{
    // Taken down once the user pauses: the keystroke that replaced the screen should not also
    // pay for destroying it.
    m_stack->removeWidget(page);
    page->hide();
    for (QWidget* w : page->headerWidgets()) {
        w->hide();
        QTimer::singleShot(kRetireDelayMs, w, &QObject::deleteLater);
    }
    QTimer::singleShot(kRetireDelayMs, page, &QObject::deleteLater);
}

// Asked by a page that may itself be leaving (its sheet chose another group): the page shown
// by then has the row.
void RootView::reveal(const Target& target)
{
    if (m_page)
        m_page->reveal(target);
}

void RootView::updateHeader()
{
    m_title->setText(m_page ? m_page->title() : QString());
    while (QLayoutItem* item = m_headerButtons->takeAt(0)) {
        if (QWidget* w = item->widget())
            w->hide();
        delete item;
    }
    if (!m_page)
        return;
    // Tab goes as the window reads: the sidebar, the header's buttons from the page's to
    // Refresh, then the page. The header's buttons are made with their page, after the rest.
    QWidget* previous = findChild<Sidebar*>();
    for (QWidget* w : m_page->headerWidgets()) {
        m_headerButtons->addWidget(w);
        w->show();
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    if (previous)
        setTabOrder(previous, m_refresh);
    fitHeader();
}

namespace {

// The first control of `page` that Tab reaches, its scroll area left out.
QWidget* firstControl(QWidget* page)
{
    if (!page)
        return nullptr;
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !qobject_cast<QAbstractScrollArea*>(w))
            return w;
    }
    return nullptr;
}

} // namespace

bool RootView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_header && event->type() == QEvent::Resize)
        fitHeader();
    // Down or Enter in a search goes to the first result's first control, as Tab would after
    // the header's buttons and the page itself.
    if (watched == m_search && event->type() == QEvent::KeyPress && !m_search->text().trimmed().isEmpty()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (QWidget* first = firstControl(m_page)) {
                first->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A narrow window or a long translation: the title keeps its room and the header's buttons their
// icons, with their names in the tooltips and for screen readers; only then does the title elide.
void RootView::fitHeader()
{
    const QList<QToolButton*> buttons = m_header->findChildren<QToolButton*>();
    for (QToolButton* b : buttons)
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (m_header->sizeHint().width() <= m_header->width())
        return;
    for (QToolButton* b : buttons) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        if (b->toolTip().isEmpty())
            b->setToolTip(b->accessibleName());
    }
}

} // namespace openwright::ui
