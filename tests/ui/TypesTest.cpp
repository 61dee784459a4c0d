// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppModel.h"
#include "FakeLaunchServices.h"
#include "ModelFixture.h"
#include "shell/MainWindow.h"
#include "shell/RootView.h"
#include "shell/Sidebar.h"
#include "types/AddTypeSheet.h"
#include "types/AppChooser.h"
#include "types/AppPicker.h"
#include "types/CategoryListView.h"
#include "types/CategoryRow.h"
#include "types/OrderSheet.h"
#include "types/WhyPanel.h"
#include "widgets/ElidedLabel.h"
#include "widgets/KeyboardHabits.h"
#include "widgets/Style.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;

namespace {

const Target mkv = Target::fileExtension(u"mkv"_s);
const Target nfo = Target::fileExtension(u"nfo"_s);

class TypesTest : public ModelFixture
{
protected:
    // One program twice: a Debian package and a Flatpak, both named "VLC".
    AppInfo vlcDeb {QUrl::fromLocalFile(u"/usr/share/applications/vlc.desktop"_s), u"org.videolan.vlc"_s, u"VLC"_s};
    AppInfo vlcFlatpak {QUrl::fromLocalFile(u"/var/lib/flatpak/exports/share/applications/org.videolan.VLC.desktop"_s),
                        u"org.videolan.vlc"_s, u"VLC"_s};

    void SetUp() override
    {
        fake->addApp(vlcDeb);
        fake->addApp(vlcFlatpak);
        fake->setDefault(mkv, vlcDeb);
        fake->setCandidates(mkv, {vlcDeb, vlcFlatpak});
        make();
        refresh();
    }

    static CategoryRow* rowOf(QWidget& view, const Target& target)
    {
        for (CategoryRow* row : view.findChildren<CategoryRow*>()) {
            if (row->category().target == target)
                return row;
        }
        return nullptr;
    }

    // The picker's menu as it opens: its items by text.
    static QHash<QString, QAction*> menuOf(AppPicker* picker)
    {
        picker->rebuildMenu();
        QHash<QString, QAction*> items;
        for (QAction* a : picker->menu()->actions()) {
            if (!a->isSeparator())
                items.insert(a->text(), a);
        }
        return items;
    }

    static CategoryListView* pageOf(MainWindow& window)
    {
        QCoreApplication::processEvents(); // the page left behind goes
        return qobject_cast<CategoryListView*>(window.rootView()->currentPage());
    }

    static QStringList sidebarTitles(MainWindow& window)
    {
        QStringList titles;
        const QAbstractItemModel* rows = window.findChild<Sidebar*>()->model();
        for (int i = 0; i < rows->rowCount(); ++i)
            titles.append(rows->index(i, 0).data().toString());
        return titles;
    }
};

TEST_F(TypesTest, PickingAnAppShowsApplyingThenTheOutcome)
{
    // The user's choice was uninstalled: the system opens another application meanwhile.
    fake->setRemovedDefault(pdf, fake->addApp(u"atom"_s, u"io.atom.Atom"_s));
    refresh();
    fake->setChangeDelay(100ms);
    CategoryListView view(*model, u"Documents"_s, model->categories(CategoryGroup::document), CategoryGroup::document,
                          u"Nothing here yet."_s);
    CategoryRow* row = rowOf(view, pdf);
    ASSERT_TRUE(row);
    AppPicker* picker = row->picker();
    EXPECT_EQ(picker->label(), u"Evince"_s);
    EXPECT_EQ(row->statusText(), u"Set to atom, which is no longer installed. Evince opens it for now."_s);
    const auto issues = model->health().issues;
    EXPECT_TRUE(std::any_of(issues.cbegin(), issues.cend(), [](const HealthReport::Issue& i) {
        return i.target == pdf && i.kind == HealthReport::Issue::Case::missingApp && i.app->name == u"atom"_s;
    }));

    auto items = menuOf(picker);
    ASSERT_TRUE(items.contains(u"Evince"_s) && items.contains(u"Okular"_s));
    EXPECT_TRUE(items[u"Evince"_s]->isChecked());
    EXPECT_FALSE(items[u"Evince"_s]->isEnabled()); // already the default: not chosen again
    EXPECT_TRUE(items[u"Okular"_s]->isEnabled());
    EXPECT_TRUE(items.contains(u"Choose Another App…"_s));
    EXPECT_TRUE(items.contains(u"Why this app?"_s));

    items[u"Okular"_s]->trigger();
    EXPECT_EQ(row->statusText(), u"Applying…"_s);
    EXPECT_TRUE(picker->isPending());

    settle(*model);
    EXPECT_EQ(row->statusText(), u"Changed"_s);
    EXPECT_FALSE(picker->isPending());
    EXPECT_EQ(picker->label(), u"Okular"_s);

    // Back to the system's own choice, which here is none.
    menuOf(picker)[u"Reset to System Default"_s]->trigger();
    settle(*model);
    EXPECT_EQ(row->statusText(), u"Changed"_s);
    EXPECT_EQ(picker->label(), u"No default"_s);
}

TEST_F(TypesTest, TheKeyboardSearchesMenusOpensContextMenusAndClearsSearches)
{
    const QString style = QApplication::style()->name();
    const std::unique_ptr<QObject> keys(KeyboardHabits::install(*qApp));
    const auto press = [](QWidget* to, int key, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(to, &event);
    };

    // "o" in a picker's menu reaches Okular, which no mnemonic marks.
    CategoryRow row(*model, model->category(pdf));
    row.picker()->rebuildMenu();
    QMenu* menu = row.picker()->menu();
    menu->popup({0, 0});
    press(menu, Qt::Key_O, {}, u"o"_s);
    ASSERT_TRUE(menu->activeAction());
    EXPECT_EQ(menu->activeAction()->text(), u"Okular"_s);
    menu->hide();

    // Shift+F10 on a control asks its row for the row's menu, as the Menu key does.
    QWidget owner;
    auto* control = new QPushButton(u"Pin"_s, &owner);
    owner.setContextMenuPolicy(Qt::CustomContextMenu);
    int asked = 0;
    QObject::connect(&owner, &QWidget::customContextMenuRequested, [&] { ++asked; });
    press(control, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(asked, 1);

    // Escape clears a search first, and the next one leaves; a field one fills in leaves at once.
    for (const bool searching : {true, false}) {
        QDialog sheet;
        auto* field = new QLineEdit(&sheet);
        field->setClearButtonEnabled(searching);
        sheet.show();
        field->setText(u"okul"_s);
        press(field, Qt::Key_Escape);
        EXPECT_EQ(field->text().isEmpty(), searching);
        EXPECT_EQ(sheet.isVisible(), searching);
        press(field, Qt::Key_Escape);
        EXPECT_FALSE(sheet.isVisible());
    }
    QApplication::setStyle(style);
}

TEST_F(TypesTest, TheOrderSheetMovesRemovesAndGivesBack)
{
    fake->setRecommended(pdf, {evince}); // Okular opens PDF as a parent type, here
    CategoryRow row(*model, model->category(pdf));
    QPointer<OrderSheet> sheet = row.picker()->orderApps();
    const auto shown = [&] {
        spinUntil([&] {
            return sheet->isLoaded() && sheet->removeButton()->isEnabled() == (sheet->list()->currentRow() >= 0);
        });
        QStringList names;
        for (int i = 0; i < sheet->list()->count(); ++i)
            names.append(sheet->list()->item(i)->text());
        return names;
    };
    const auto press = [&](int row, QPushButton* button) {
        sheet->list()->setCurrentRow(row);
        ASSERT_TRUE(button->isEnabled());
        button->click();
        spinUntil([&] { return !sheet->outcome().isEmpty() && sheet->removeButton()->isEnabled(); });
    };
    EXPECT_EQ(shown(), (QStringList {u"Evince"_s, u"Okular"_s}));
    // The system's order stands; the apps made for the type are marked.
    EXPECT_TRUE(sheet->list()->item(0)->font().bold());
    EXPECT_FALSE(sheet->list()->item(1)->font().bold());
    press(1, sheet->upButton());
    EXPECT_EQ(shown(), (QStringList {u"Okular"_s, u"Evince"_s}));
    EXPECT_EQ(sheet->outcome(), u"Changed"_s);
    EXPECT_EQ(model->states().value(pdf).current->name, u"Okular"_s); // the first is the default
    press(0, sheet->removeButton());
    EXPECT_EQ(shown(), (QStringList {u"Evince"_s, u"Okular (removed)"_s}));
    EXPECT_EQ(sheet->removeButton()->text(), u"Give Back"_s);
    EXPECT_FALSE(sheet->upButton()->isEnabled());
    press(1, sheet->removeButton());
    EXPECT_EQ(shown(), (QStringList {u"Evince"_s, u"Okular"_s}));
    sheet->close();
}

TEST(WhyPanelText, ShowsTheDesktopNamesTheSystemTook)
{
    DecisionChain chain;
    chain.target = pdf;
    chain.mimeType = u"application/pdf"_s;
    chain.steps.append(DecisionStep {});
    chain.desktops = {u"gnome"_s};
    chain.ignoredDesktops = {u"Budgie Desktop"_s};
    EXPECT_TRUE(WhyPanel::html(chain, QPalette()).contains(chain.desktopSummary().toHtmlEscaped()));
}

// Each step names its file once (its line does), and the group as the file spells it, in every
// language.
TEST(WhyPanelText, NamesEachFileOnceAndItsGroupAsWritten)
{
    DecisionChain chain;
    chain.target = pdf;
    chain.mimeType = u"application/pdf"_s;
    DecisionStep step;
    step.file = u"/etc/xdg/mimeapps.list"_s;
    step.line = 3;
    step.group = DecisionStep::Group::AddedAssociations;
    step.mimeType = u"application/pdf"_s;
    step.listed = {u"okular.desktop"_s};
    chain.steps.append(step);
    const QString html = WhyPanel::html(chain, QPalette());
    EXPECT_EQ(html.count(u"/etc/xdg/mimeapps.list"_s), 1) << html.toStdString();
    EXPECT_TRUE(html.contains(u"[Added Associations]"_s)) << html.toStdString();
}

TEST_F(TypesTest, TheCustomGroupComesWithTheFirstTypeAndGoesWithTheLast)
{
    MainWindow window(*model);
    window.show();
    const QString custom = CategoryGroups::title(CategoryGroup::custom);
    EXPECT_FALSE(sidebarTitles(window).contains(custom));

    model->setSelection(SidebarItem::groupItem(CategoryGroup::document));
    CategoryListView* page = pageOf(window);
    ASSERT_TRUE(page && page->addTypeButton());
    page->addTypeButton()->click();
    AddTypeSheet* sheet = page->addSheet();
    ASSERT_TRUE(sheet);
    sheet->field()->setText(u".nfo"_s);
    sheet->addButton()->click();
    settle(*model);

    EXPECT_EQ(model->customTargets(), QList<Target> {nfo});
    EXPECT_EQ(model->selection(), SidebarItem::groupItem(CategoryGroup::custom));
    EXPECT_TRUE(sidebarTitles(window).contains(custom));
    page = pageOf(window);
    ASSERT_TRUE(page && page->addSectionButton());
    ASSERT_EQ(page->rows().size(), 1);
    EXPECT_EQ(page->rows()[0]->category().target, nfo);
    EXPECT_EQ(page->rows()[0]->statusText(), u"No installed app can open .nfo"_s);

    // The row's context menu removes it; the list stays, with only its add button.
    ASSERT_EQ(page->rows()[0]->actions().size(), 1);
    EXPECT_EQ(page->rows()[0]->actions()[0]->text(), u"Remove from My File Types"_s);
    page->rows()[0]->actions()[0]->trigger();
    EXPECT_TRUE(model->customTargets().isEmpty());
    EXPECT_FALSE(sidebarTitles(window).contains(custom));
    page = pageOf(window);
    ASSERT_TRUE(page && page->addSectionButton());
    EXPECT_TRUE(page->rows().isEmpty());
    EXPECT_FALSE(page->isShowingEmptyState());
}

TEST_F(TypesTest, ASearchWithoutMatchesSaysSoAndOffersNoAddType)
{
    MainWindow window(*model);
    window.show();
    model->setSearchText(u"pd"_s);
    CategoryListView* page = pageOf(window);
    ASSERT_TRUE(page);
    EXPECT_FALSE(page->isShowingEmptyState());
    ASSERT_TRUE(rowOf(*page, pdf));
    EXPECT_TRUE(rowOf(*page, pdf)->isVisibleTo(page));

    model->setSearchText(u"pdzz"_s);
    EXPECT_EQ(pageOf(window), page); // updated in place as the text changes
    EXPECT_EQ(page->title(), u"Search"_s);
    EXPECT_TRUE(page->isShowingEmptyState());
    EXPECT_TRUE(page->rows().isEmpty());
    const QString message = u"No file types match \"pdzz\"."_s;
    EXPECT_EQ(page->emptyMessage(), message);
    bool shown = false;
    for (QLabel* label : page->findChildren<QLabel*>())
        shown = shown || (label->text() == message && label->isVisible());
    EXPECT_TRUE(shown);
    EXPECT_EQ(page->addTypeButton(), nullptr);
    EXPECT_TRUE(page->headerWidgets().isEmpty());
}

TEST_F(TypesTest, EntriesWithTheSameNameAreToldApart)
{
    CategoryRow row(*model, model->category(mkv));
    EXPECT_EQ(row.picker()->label(), u"VLC (/usr/share/applications)"_s);
    auto items = menuOf(row.picker());
    ASSERT_TRUE(items.contains(u"VLC (/usr/share/applications)"_s) && items.contains(u"VLC (Flatpak)"_s));
    EXPECT_FALSE(items[u"VLC (/usr/share/applications)"_s]->isEnabled());
    // The other packaging of the same program is a choice of its own.
    EXPECT_TRUE(items[u"VLC (Flatpak)"_s]->isEnabled());

    AppChooser chooser(*model, mkv);
    spinUntil([&] { return chooser.isLoaded(); });
    QStringList names;
    for (int i = 0; i < chooser.list()->count(); ++i)
        names.append(chooser.list()->item(i)->text());
    EXPECT_TRUE(names.contains(u"VLC (Flatpak)"_s) && names.contains(u"VLC (/usr/share/applications)"_s))
        << names.join(u", "_s).toStdString();
    EXPECT_FALSE(chooser.useButton()->isEnabled());
    chooser.searchField()->setText(u"flatpak"_s);
    ASSERT_TRUE(chooser.useButton()->isEnabled());
    std::optional<AppInfo> chosen;
    QObject::connect(&chooser, &AppChooser::chosen, [&](const AppInfo& app) { chosen = app; });
    chooser.useButton()->click();
    EXPECT_EQ(chosen, vlcFlatpak);

    items[u"VLC (Flatpak)"_s]->trigger();
    settle(*model);
    EXPECT_EQ(fake->defaultApp(mkv), vlcFlatpak.url);
    EXPECT_EQ(row.picker()->label(), u"VLC (Flatpak)"_s);
}

TEST_F(TypesTest, TheAppsMadeForATypeComeFirstAndACutListSaysSo)
{
    // Sixteen apps open it as one of a parent type; Zed and Xreader are made for it.
    QList<AppInfo> apps;
    for (int i = 16; i >= 1; --i)
        apps.append(fake->addApp(u"App %1"_s.arg(i), u"org.example.App%1"_s.arg(i)));
    const AppInfo zed = fake->addApp(u"Zed"_s, u"dev.zed.Zed"_s);
    const AppInfo xreader = fake->addApp(u"Xreader"_s, u"org.x.reader"_s);
    fake->setCandidates(mkv, apps + QList {zed, xreader});
    fake->setRecommended(mkv, {zed, xreader});
    fake->setSource(mkv, DefaultSource::desktop);
    refresh();
    CategoryRow row(*model, model->category(mkv));
    EXPECT_EQ(row.sourceText(), u"Desktop default"_s);

    row.picker()->rebuildMenu();
    QStringList shown;
    for (QAction* a : row.picker()->menu()->actions())
        shown.append(a->isSeparator() ? u"—"_s : a->text());
    const QStringList expected {u"Xreader"_s, u"Zed"_s,
                                u"—"_s,       u"App 1"_s,
                                u"App 2"_s,   u"App 3"_s,
                                u"App 4"_s,   u"App 5"_s,
                                u"App 6"_s,   u"App 7"_s,
                                u"App 8"_s,   u"App 9"_s,
                                u"App 10"_s,  u"Choose Another App… shows 6 more"_s};
    EXPECT_EQ(shown.first(expected.size()), expected) << shown.join(u", "_s).toStdString();

    AppChooser chooser(*model, mkv);
    spinUntil([&] { return chooser.isLoaded(); });
    EXPECT_EQ(chooser.list()->item(0)->text(), u"Xreader"_s);
    EXPECT_TRUE(chooser.list()->item(1)->font().bold());
    EXPECT_FALSE(chooser.list()->item(2)->font().bold());
}

TEST_F(TypesTest, BrowseAddsAnEntryFromElsewhereOrSaysWhyNot)
{
    const QUrl foliate = QUrl::fromLocalFile(u"/home/me/Downloads/Foliate.desktop"_s);
    const QUrl site = QUrl::fromLocalFile(u"/home/me/Downloads/site.desktop"_s);
    const QUrl nightly = QUrl::fromLocalFile(u"/home/me/Downloads/Evince.desktop"_s);
    fake->addLooseEntry(foliate, u"Foliate"_s);
    fake->addLooseEntry(site, u"Site"_s, u"That entry is not an application: its Type is Link."_s);
    fake->addLooseEntry(nightly, u"Evince Nightly"_s);
    CategoryRow row(*model, model->category(pdf));
    QString answer;
    const auto open = [&] {
        AppChooser* chooser = row.picker()->chooseAnother();
        chooser->pickDesktopFile
            = [&](QWidget*, const QString&, std::function<void(const QString&)> chosen) { chosen(answer); };
        return QPointer<AppChooser>(chooser);
    };

    // No application: refused with the reason; the chooser stays and nothing is written.
    QPointer<AppChooser> chooser = open();
    answer = site.toLocalFile();
    chooser->browseButton()->click();
    EXPECT_EQ(chooser->problem(), u"That entry is not an application: its Type is Link."_s);
    EXPECT_TRUE(chooser->isVisible());
    answer = foliate.toLocalFile();
    chooser->browseButton()->click();
    EXPECT_FALSE(chooser && chooser->isVisible());
    settle(*model);
    EXPECT_EQ(fake->defaultApp(pdf), QUrl::fromLocalFile(u"/apps/Foliate.desktop"_s));
    EXPECT_EQ(row.statusText(), u"Changed. Added Foliate to your applications"_s);

    // An entry of an installed application's ID replaces it only once the user agrees.
    chooser = open();
    answer = nightly.toLocalFile();
    chooser->browseButton()->click();
    auto* question = chooser->findChild<QMessageBox*>(u"replaceQuestion"_s);
    ASSERT_TRUE(question);
    question->button(QMessageBox::Cancel)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(fake->defaultApp(pdf), QUrl::fromLocalFile(u"/apps/Foliate.desktop"_s));
    chooser->browseButton()->click();
    question = chooser->findChild<QMessageBox*>(u"replaceQuestion"_s);
    ASSERT_TRUE(question);
    for (QAbstractButton* button : question->buttons()) {
        if (button->text() == u"Replace"_s)
            button->click();
    }
    settle(*model);
    EXPECT_EQ(fake->defaultApp(pdf), evince.url);
    EXPECT_EQ(row.picker()->label(), u"Evince Nightly"_s);
}

TEST_F(TypesTest, ASheetClosedWithEscapeGivesTheKeyboardBackToItsOpener)
{
    MainWindow window(*model);
    window.show();
    window.activateWindow();
    model->setSelection(SidebarItem::groupItem(CategoryGroup::document));
    CategoryListView* page = pageOf(window);
    ASSERT_TRUE(page && page->addTypeButton());
    page->addTypeButton()->setFocus();
    page->addTypeButton()->click();
    AddTypeSheet* sheet = page->addSheet();
    ASSERT_TRUE(sheet);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(sheet->field(), &escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(page->addSheet() && page->addSheet()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &window);
    EXPECT_EQ(window.focusWidget(), page->addTypeButton());

    // A type listed elsewhere is not added: the sheet says where it is, and Show goes there.
    model->setSelection(SidebarItem::groupItem(CategoryGroup::media));
    page = pageOf(window);
    page->showAddSheet();
    page->addSheet()->field()->setText(u".PDF"_s);
    EXPECT_EQ(page->addSheet()->addButton()->text(), u"Show"_s);
    page->addSheet()->addButton()->click();
    EXPECT_EQ(model->selection(), SidebarItem::groupItem(CategoryGroup::document));
    EXPECT_TRUE(model->customTargets().isEmpty());
    page = pageOf(window);
    ASSERT_TRUE(page && page->selectedRow());
    EXPECT_EQ(page->selectedRow()->category().target, pdf);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.focusWidget(), page->selectedRow()->picker());
}

// Tab reads the header as it is laid out, Add Type then Refresh, and then the page.
TEST_F(TypesTest, TabGoesThroughTheHeaderInReadingOrder)
{
    MainWindow window(*model);
    window.show();
    model->setSelection(SidebarItem::groupItem(CategoryGroup::document));
    QCoreApplication::processEvents();
    QStringList order;
    QWidget* w = window.findChild<QLineEdit*>(); // the sidebar's search
    for (int i = 0; i < 400 && order.size() < 4; ++i) {
        w = w->nextInFocusChain();
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && !w->accessibleName().isEmpty()
            && !order.contains(w->accessibleName()))
            order.append(w->accessibleName());
    }
    EXPECT_EQ(order, (QStringList {u"Sidebar"_s, u"Add Type"_s, u"Refresh"_s, u"Documents & Office"_s}));
}

TEST_F(TypesTest, TheSidebarFitsTheSmallestWindowAndHighlightsNothingWhileSearching)
{
    model->addCustom(u".nfo"_s); // the longest sidebar: My File Types is listed too
    MainWindow window(*model);
    window.resize(window.minimumSize());
    window.show();
    QCoreApplication::processEvents();
    auto* sidebar = window.findChild<Sidebar*>();
    const QAbstractItemModel* rows = sidebar->model();
    const QModelIndex last = rows->index(rows->rowCount() - 1, 0);
    EXPECT_EQ(last.data().toString(), u"Applications"_s);
    EXPECT_LE(sidebar->visualRect(last).bottom(), sidebar->viewport()->height());
    EXPECT_TRUE(sidebar->isCompact());
    // The search prompt shows whole beside the search icon and the clear button.
    auto* search = window.findChild<QLineEdit*>();
    const int icons = 2 * (search->style()->pixelMetric(QStyle::PM_SmallIconSize) + 6);
    EXPECT_GE(search->width() - icons, search->fontMetrics().horizontalAdvance(search->placeholderText()));

    model->setSearchText(u"pdf"_s);
    EXPECT_TRUE(sidebar->selectionModel()->selectedIndexes().isEmpty());
    EXPECT_FALSE(sidebar->currentIndex().isValid());
    // Choosing a row leaves the search for that screen.
    sidebar->setCurrentIndex(rows->index(0, 0));
    EXPECT_TRUE(model->searchText().isEmpty());
    EXPECT_EQ(model->selection(), SidebarItem::overview());
    EXPECT_EQ(sidebar->currentIndex().row(), 0);
}

TEST_F(TypesTest, ALongCandidateListShowsTheCurrentAndTheLikeliestThenTheChooser)
{
    const Target txt = Target::fileExtension(u"txt"_s);
    QList<AppInfo> editors;
    for (int i = 1; i <= 40; ++i)
        editors.append(fake->addApp(u"Editor %1"_s.arg(i)));
    fake->setCandidates(txt, editors);
    fake->setDefault(txt, editors.at(29));
    refresh();
    CategoryRow row(*model, model->category(txt));
    const auto items = menuOf(row.picker());
    int apps = 0;
    for (const QString& text : items.keys())
        apps += int(text.startsWith(u"Editor "_s));
    EXPECT_EQ(apps, 12);
    // The platform's first eleven, and the current one wherever it stands.
    const QList<AppInfo> order = model->states().value(txt).candidates;
    ASSERT_EQ(order.size(), 40);
    int listed = 0;
    for (const AppInfo& app : order) {
        if (app.name != u"Editor 30"_s) {
            EXPECT_EQ(items.contains(app.name), listed++ < 11) << app.name.toStdString();
        }
    }
    ASSERT_TRUE(items.contains(u"Editor 30"_s));
    EXPECT_TRUE(items[u"Editor 30"_s]->isChecked());
    EXPECT_TRUE(items.contains(u"Choose Another App…"_s));
}

TEST_F(TypesTest, RightToLeftMirrorsTheScreensAndTheSidebarRows)
{
    QApplication::setLayoutDirection(Qt::RightToLeft);
    struct Restore
    {
        ~Restore() { QApplication::setLayoutDirection(Qt::LeftToRight); }
    } restore;
    MainWindow window(*model);
    window.resize(1100, 700);
    window.show();
    QCoreApplication::processEvents();
    auto* sidebar = window.findChild<Sidebar*>();
    EXPECT_GT(sidebar->mapTo(&window, QPoint()).x(), window.width() / 2);
    // A label starts where the lines start, whatever its text's own direction; and follows a
    // change of direction.
    QLabel* name = Style::label(u"Okular"_s, Style::Text::body, Style::Tone::normal, &window);
    EXPECT_EQ(name->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
    name->setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(name->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    name->setAlignment(Qt::AlignCenter); // a centred one stays centred
    name->setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(name->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // A group's icon is drawn at the row's right end.
    const QModelIndex documents = sidebar->model()->index(2, 0);
    const QRect rect = sidebar->visualRect(documents);
    const QImage image = sidebar->viewport()->grab(rect).toImage();
    const QColor accent = Style::color(Style::Tone::accent, sidebar->palette());
    int leftmost = image.width();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - accent.red()) + std::abs(c.green() - accent.green())
                    + std::abs(c.blue() - accent.blue())
                < 60)
                leftmost = std::min(leftmost, x);
        }
    }
    EXPECT_GT(leftmost, image.width() * 3 / 4);

    // A row's text starts at its right; the picker sits left of the pin.
    model->setSelection(SidebarItem::groupItem(CategoryGroup::document));
    CategoryRow* row = rowOf(*pageOf(window), pdf);
    ASSERT_TRUE(row);
    QCoreApplication::processEvents();
    EXPECT_LT(row->picker()->x(), row->pinButton()->x());
    ElidedLabel label(u"PDF"_s);
    label.resize(300, label.sizeHint().height());
    const QImage text = label.grab().toImage();
    int inked = text.width();
    for (int y = 0; y < text.height(); ++y) {
        for (int x = 0; x < text.width(); ++x) {
            if (text.pixelColor(x, y) != text.pixelColor(0, 0))
                inked = std::min(inked, x);
        }
    }
    EXPECT_GT(inked, 150);
}

struct SheetCase
{
    const char* name;
    QString text;
    bool valid;
    // The group shown after adding: the user's own for a new type, the catalog's for a known one.
    std::optional<CategoryGroup> shows;
    QString listed = {}; // where the sheet says a listed type is
};

void PrintTo(const SheetCase& c, std::ostream* out)
{
    *out << c.name;
}

class AddTypeSheetTest : public TypesTest, public ::testing::WithParamInterface<SheetCase>
{
};

TEST_P(AddTypeSheetTest, AddsOnlyATypeAndReturnAddsIt)
{
    const SheetCase& c = GetParam();
    fake->setUnknown(Target::fileExtension(u"xyz"_s)); // no installed MIME description knows it
    AddTypeSheet sheet(*model);
    sheet.show();
    sheet.field()->setText(c.text);
    EXPECT_EQ(sheet.addButton()->isEnabled(), c.valid);
    EXPECT_EQ(sheet.errorLine()->isVisible(), !c.valid && !c.text.isEmpty());
    EXPECT_EQ(sheet.listedLine()->isVisible() ? sheet.listedLine()->text() : QString(), c.listed);

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(sheet.field(), &press);
    EXPECT_EQ(sheet.isVisible(), !c.valid);
    EXPECT_EQ(model->customTargets().size(), c.shows == CategoryGroup::custom ? 1 : 0);
    if (c.shows) {
        EXPECT_EQ(model->selection(), SidebarItem::groupItem(*c.shows));
    } else {
        EXPECT_EQ(model->selection(), SidebarItem::overview());
    }
    // Its row says the same, not that an app is missing.
    if (!c.listed.isEmpty() && c.shows == CategoryGroup::custom) {
        refresh();
        CategoryRow row(*model, model->category(model->customTargets().first()));
        EXPECT_EQ(row.statusText(), u"The system doesn't recognise .xyz files"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, AddTypeSheetTest,
                         ::testing::Values(SheetCase {"Empty", u""_s, false, {}},
                                           SheetCase {"Extension", u".nfo"_s, true, CategoryGroup::custom},
                                           SheetCase {"BareExtension", u"nfo"_s, true, CategoryGroup::custom},
                                           SheetCase {"Scheme", u"myapp:"_s, true, CategoryGroup::custom},
                                           SheetCase {"KnownType", u"zoommtg:"_s, true, CategoryGroup::communication,
                                                      u"Zoom Meetings (zoommtg:) is already in Communication Links."_s},
                                           SheetCase {"KnownTypeInCapitals", u".PDF"_s, true, CategoryGroup::document,
                                                      u"PDF Documents (.pdf) is already in Documents & Office."_s},
                                           SheetCase {"UnknownExtension", u".xyz"_s, true, CategoryGroup::custom,
                                                      u"The system does not recognise .xyz files: no app can open them "
                                                      u"until a program you install describes them. Added, the type "
                                                      u"waits for one."_s},
                                           SheetCase {"Spaces", u"not a type"_s, false, {}},
                                           SheetCase {"TwoDots", u".tar.gz"_s, false, {}},
                                           SheetCase {"BadScheme", u"1zoom:"_s, false, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// Set .pdf, pin it, and undo the change from Backups, by keyboard alone: few keys, and every
// stop on the way shows that it holds the focus (the style draws it for controls; a scroll
// area gets a ring).
TEST_F(TypesTest, TheKeyboardTaskTakesFewKeysAndShowsEveryStop)
{
    const std::unique_ptr<QObject> habits(KeyboardHabits::install(*qApp));
    MainWindow window(*model);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int keys = 0;
    QStringList unseen;
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* to
            = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        QTest::keyClick(to ? to : &window, Qt::Key(key), modifiers);
        ++keys;
        settle(*model);
        QCoreApplication::processEvents();
        // An item view shows its current row; a page's scroll area shows nothing by itself.
        auto* area = qobject_cast<QAbstractScrollArea*>(QApplication::focusWidget());
        if (area && !qobject_cast<QAbstractItemView*>(area) && !QApplication::activePopupWidget()) {
            const auto rings = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            if (std::none_of(rings.begin(), rings.end(), [area](QWidget* w) {
                    return w->isVisible() && w->geometry() == area->rect()
                        && w->testAttribute(Qt::WA_TransparentForMouseEvents);
                }))
                unseen.append(area->accessibleName());
        }
    };
    const auto type = [&](const QString& text) {
        for (const QChar c : text)
            press(c.toUpper().unicode());
    };
    // A menu runs its own loop: its keys are sent from within it.
    const auto choose = [&](const QString& item) {
        QTimer::singleShot(0, [&, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (int i = 0; menu && i < 10 && !(menu->activeAction() && menu->activeAction()->text() == item); ++i)
                press(Qt::Key_Down);
            press(Qt::Key_Return);
        });
        press(Qt::Key_Space);
    };

    press(Qt::Key_F, Qt::ControlModifier);
    type(u"pdf"_s);
    press(Qt::Key_Down); // the first result's first control: its pin
    press(Qt::Key_Tab);
    choose(u"Okular"_s);
    EXPECT_EQ(model->states().value(pdf).current, okular);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    EXPECT_TRUE(model->guardState().pinned.contains(pdf));

    press(Qt::Key_F, Qt::ControlModifier);
    press(Qt::Key_Escape); // the search cleared
    press(Qt::Key_Tab); // the sidebar
    type(u"b"_s); // Backups
    ASSERT_EQ(model->selection(), std::optional(SidebarItem::backups()));
    const auto onRestore = [] { return QApplication::focusWidget()->accessibleName().startsWith(u"Restore "_s); };
    for (int i = 0; i < 8 && !onRestore(); ++i)
        press(Qt::Key_Tab);
    ASSERT_TRUE(onRestore());
    press(Qt::Key_Space); // the restore sheet
    press(Qt::Key_Return); // Restore 1 Default
    press(Qt::Key_Return); // Done
    EXPECT_EQ(model->states().value(pdf).current, evince);
    EXPECT_TRUE(model->guardState().pinned.contains(pdf));
    EXPECT_TRUE(unseen.isEmpty()) << unseen.join(u", "_s).toStdString();
    EXPECT_LE(keys, 24);
    std::printf("The keyboard task took %d keys.\n", keys);
}

// A long list is painted a screenful at a time: any part painted on its own, the selected row's
// and a corner's included, looks as that part of the whole list painted at once.
TEST_F(TypesTest, AnyPartOfALongListPaintsAsTheWholeDoes)
{
    MainWindow window(*model);
    window.resize(900, 600);
    window.show();
    model->setSearchText(u"e"_s);
    CategoryListView* page = pageOf(window);
    ASSERT_TRUE(page);
    Card* list = nullptr;
    for (Card* card : page->findChildren<Card*>()) {
        if (!list || card->height() > list->height())
            list = card;
    }
    QList<CategoryRow*> order = page->findChildren<CategoryRow*>();
    order.removeIf([](CategoryRow* row) { return !row->isVisible(); });
    std::sort(order.begin(), order.end(), [](CategoryRow* a, CategoryRow* b) { return a->y() < b->y(); });
    ASSERT_GT(order.size(), 8);
    const qsizetype at = order.size() / 2;
    const auto paint = [list] {
        QImage image(list->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        list->render(&image);
        return image;
    };
    // The selection shows on a banded row and a plain one alike: unlike the row two further on.
    const int x = list->width() / 2;
    for (const qsizetype selected : {at + 1, at}) {
        page->reveal(order[selected]->category().target);
        const QImage image = paint();
        EXPECT_NE(image.pixel(x, order[selected]->y() + 2), image.pixel(x, order[selected + 2]->y() + 2));
    }
    CategoryRow* middle = order[at];
    const QImage whole = paint();
    const int h = list->height();
    for (const QRect part : {QRect(0, h / 2 - 40, list->width(), 120), QRect(0, h - 30, list->width(), 30),
                             QRect(0, 0, list->width(), 25), QRect(0, middle->y() + 3, list->width(), 20)}) {
        QImage painted(list->size(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        list->render(&painted, part.topLeft(), QRegion(part));
        EXPECT_EQ(painted.copy(part), whole.copy(part)) << part.y() << " of " << h;
    }
}
