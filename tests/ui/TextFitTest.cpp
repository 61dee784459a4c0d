// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen, panel, sheet and dialog in a language other than English, the screens at the
// smallest window: each label and button shows its whole text, and a screen reader can name
// every control it can focus and every button without a text. Run once per shipped language and once in the
// pseudo-translation, whose texts are 40% longer than English (see tests/CMakeLists.txt). With OPENWRIGHT_SHOTS=DIR it
// also saves each screen as DIR/SCREEN.png, for the README.
#include "app/Updater.h"
#include "ModelFixture.h"
#include "overview/CleanUpSheet.h"
#include "profiles/ProfileSheet.h"
#include "Sandbox.h"
#include "settings/SettingsWindow.h"
#include "shell/MainWindow.h"
#include "shell/OpenwrightApp.h"
#include "shell/Sidebar.h"
#include "shell/TrayPanel.h"
#include "types/AddTypeSheet.h"
#include "types/AppChooser.h"
#include "types/OrderSheet.h"
#include "types/WhyPanel.h"
#include "widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

using namespace openwright;
using namespace openwright::test;
using namespace openwright::ui;
using namespace Qt::Literals::StringLiterals;

namespace {

QString plain(const QString& text)
{
    if (!Qt::mightBeRichText(text))
        return QString(text).remove(u'&');
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

// What of `root`'s visible labels and buttons does not fit: one line each.
QStringList clipped(QWidget& root, const QString& screen)
{
    QStringList found;
    const auto report = [&](QWidget* w, const QString& text, int need, int have) {
        found.append(u"%1: %2 \u201C%3\u201D needs %4 px, has %5"_s
                         .arg(screen, QString::fromLatin1(w->metaObject()->className()), text)
                         .arg(need)
                         .arg(have));
    };
    for (QLabel* label : root.findChildren<QLabel*>()) {
        const QString text = plain(label->text());
        if (!label->isVisibleTo(&root) || text.trimmed().isEmpty())
            continue;
        // An elided label shortens a long text on purpose and shows the rest as its tooltip; a
        // short one, such as a MIME type or an app's name, reads whole.
        if (auto* elided = qobject_cast<ElidedLabel*>(label)) {
            if (elided->isElided() && text.size() <= 20)
                report(label, text, label->fontMetrics().horizontalAdvance(text), label->width());
            continue;
        }
        const QRect box = label->contentsRect();
        if (label->wordWrap()) {
            const int need = label->heightForWidth(label->width());
            if (need > label->height() + 1)
                report(label, text, need, label->height());
        } else if (!Qt::mightBeRichText(label->text()) && !text.contains(u'\n')) {
            const int need = label->fontMetrics().horizontalAdvance(text);
            if (need > box.width() + 1)
                report(label, text, need, box.width());
        }
    }
    for (QAbstractButton* button : root.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&root) || button->text().trimmed().isEmpty())
            continue;
        const int need = button->sizeHint().width();
        if (need > button->width() + 1)
            report(button, plain(button->text()), need, button->width());
    }
    // A text of its whole width, cut by what holds it: a page wider than its scroll area.
    for (QWidget* w : root.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(w);
        auto* button = qobject_cast<QAbstractButton*>(w);
        const QString text = label ? plain(label->text()) : button ? plain(button->text()) : QString();
        if (text.trimmed().isEmpty() || !w->isVisibleTo(&root))
            continue;
        const int shown = w->visibleRegion().boundingRect().width();
        if (shown > 0 && shown + 1 < w->width())
            report(w, text, w->width(), shown);
    }
    return found;
}

// What a screen reader cannot name: a control it can focus, or a button with no text, whose
// accessible name is empty. One line each.
QStringList unnamed(QWidget& root, const QString& screen)
{
    QStringList found;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* iface, int depth) {
        if (!iface || !iface->isValid() || depth > 60)
            return;
        const QAccessible::State state = iface->state();
        if (state.invisible)
            return;
        const QAccessible::Role role = iface->role();
        // Lists and scroll areas are tab stops too; their rows and cells are named by their text.
        QObject* object = iface->object();
        const bool control = state.focusable && role != QAccessible::Window && role != QAccessible::Dialog
            && role != QAccessible::ListItem && role != QAccessible::TreeItem && role != QAccessible::Cell
            && role != QAccessible::StaticText
            && (role != QAccessible::Client || qobject_cast<QAbstractScrollArea*>(object));
        const bool button = role == QAccessible::Button || role == QAccessible::PushButton;
        if ((control || button) && iface->text(QAccessible::Name).trimmed().isEmpty()) {
            found.append(u"%1: %2 (role %3) has no accessible name"_s
                             .arg(screen, object ? QString::fromLatin1(object->metaObject()->className()) : u"?"_s)
                             .arg(int(role)));
        }
        for (int i = 0; i < iface->childCount(); ++i)
            walk(iface->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(&root), 0);
    return found;
}

void save(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("OPENWRIGHT_SHOTS");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(name + u".png"_s));
}

class TextFitTest : public ModelFixture
{
protected:
    AppInfo vlc;

    void SetUp() override
    {
        // A type of All Types, selected there: its details and picker show under the list.
        fake->setDefault(Target::mimeType(u"text/plain"_s), evince);
        // An application's page with two families.
        vlc = fake->addApp(u"VLC media player"_s, u"org.videolan.vlc"_s);
        fake->setDeclared(vlc, {u"video/mp4"_s, u"video/webm"_s, u"audio/mpeg"_s});
        fake->setDefault(Target::mimeType(u"video/mp4"_s), vlc);
        fake->setUnknown(Target::fileExtension(u"xyz"_s));
        // Search hits among the other types, too long to sit side by side at the smallest window.
        const AppInfo archiver = fake->addApp(u"Archiver"_s, u"org.example.Archiver"_s);
        QStringList compressed;
        for (const char* kind : {"bzip2", "gzip", "lzip", "xz", "zstd"})
            compressed.append(u"application/x-compressed-document-"_s + QLatin1StringView(kind));
        fake->setDeclared(archiver, compressed);
        // And applications of the same words, more than the row shows.
        for (int i = 1; i <= 8; ++i)
            fake->addApp(u"Compressed Document Viewer Professional %1"_s.arg(i), u"org.example.Viewer%1"_s.arg(i));
        make();
        model->setSelectedType(Target::mimeType(u"text/plain"_s));
        model->togglePin(pdf);
        model->backUpNow();
        refresh();
    }
};

TEST_F(TextFitTest, EveryScreenShowsItsWholeTextsAtTheSmallestWindow)
{
    MainWindow window(*model);
    window.resize(window.minimumSize());
    window.show();
    QList<std::pair<SidebarItem, QString>> screens {{SidebarItem::overview(), u"overview"_s},
                                                    {SidebarItem::profiles(), u"profiles"_s},
                                                    {SidebarItem::backups(), u"backups"_s},
                                                    {SidebarItem::guardActivity(), u"guard"_s}};
    for (CategoryGroup group : CategoryGroups::allCases())
        screens.append({SidebarItem::groupItem(group), CategoryGroups::rawValue(group)});
    screens.append({SidebarItem::allTypes(), u"all-types"_s});
    screens.append({SidebarItem::applications(), u"applications-none"_s});
    screens.append({SidebarItem::applications(), u"applications"_s});
    QStringList found;
    for (const auto& [item, name] : screens) {
        model->setSelection(item);
        if (name == u"applications"_s)
            model->setSelectedApplication(vlc.url);
        settle(*model);
        QCoreApplication::processEvents();
        found += clipped(window, name) + unnamed(window, name);
        save(window, name);
    }
    // The hits that fit show whole; "All N" and "and N more" stand for the rest.
    model->setSearchText(u"compressed"_s);
    settle(*model);
    QCoreApplication::processEvents();
    found += clipped(window, u"search"_s);
    for (const char* rest : {"typeHitsAll", "applicationHitsMore"}) {
        const auto* tail = window.findChild<QWidget*>(QLatin1StringView(rest));
        EXPECT_TRUE(tail && tail->isVisible()) << rest;
    }
    save(window, u"search"_s);
    model->setSearchText({});

    Updater updater;
    SettingsWindow settings(*model, updater);
    settings.show();
    QCoreApplication::processEvents();
    found += clipped(settings, u"settings"_s) + unnamed(settings, u"settings"_s);
    save(settings, u"settings"_s);
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

// A 1024×600 screen less a 32 px panel holds the whole window, frame and title bar included;
// a large screen gets the usual size.
TEST(FirstWindow, FitsTheScreensFreeArea)
{
    const QSize small(1024, 600 - 32);
    EXPECT_TRUE(
        QRect(QPoint(), small).contains(QRect(QPoint(), MainWindow::firstSize(small) + MainWindow::kFrameRoom)));
    EXPECT_TRUE(QRect(QPoint(), small).contains(QRect(QPoint(), MainWindow::kMinimumSize + MainWindow::kFrameRoom)));
    EXPECT_EQ(MainWindow::firstSize(QSize(1920, 1050)), QSize(1100, 700));
    EXPECT_EQ(MainWindow::firstSize(QSize()), QSize(1100, 700));
}

TEST_F(TextFitTest, EverySheetDialogAndTheTrayPanelShowTheirWholeTexts)
{
    // A takeover of the pinned .pdf, for the tray panel's changes.
    fake->setDefault(pdf, okular);
    check();
    ASSERT_TRUE(model->saveCurrentAsProfile(u"Everyday"_s));
    fake->setDefault(mailto, evince);
    refresh();
    MainWindow window(*model);
    // The sidebar's badges reach a screen reader: the guard's row says a change waits.
    const QAbstractItemModel* rows = window.findChild<Sidebar*>()->model();
    QStringList badges;
    for (int row = 0; row < rows->rowCount(); ++row)
        badges.append(rows->index(row, 0).data(Qt::AccessibleDescriptionRole).toString());
    EXPECT_TRUE(badges.contains(QCoreApplication::translate("openwright::ui::SidebarModel", "%n changes wait", nullptr,
                                                            int(model->unresolvedChanges().size()))))
        << badges.join(u'|').toStdString();
    QStringList found;
    const auto walk = [&](QWidget* shown, const QString& name) {
        ASSERT_TRUE(shown) << name.toStdString();
        shown->show();
        QCoreApplication::processEvents();
        settle(*model);
        QCoreApplication::processEvents();
        found += clipped(*shown, name) + unnamed(*shown, name);
        save(*shown, name);
        shown->hide(); // not close(): some delete themselves when closed
    };
    TrayPanel panel(*model);
    panel.popUp(
        QRect(QGuiApplication::primaryScreen()->availableGeometry().bottomRight() - QPoint(24, 24), QSize(24, 24)));
    QCoreApplication::processEvents();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(panel.frameGeometry()))
        << "the tray panel leaves the screen";
    walk(&panel, u"tray-panel"_s);
    const FileCategory pdfCategory = model->category(pdf);
    CleanUpSheet cleanUp(*model);
    walk(&cleanUp, u"clean-up"_s);
    WhyPanel why(*model, pdfCategory);
    walk(&why, u"why"_s);
    AppChooser chooser(*model, pdf);
    walk(&chooser, u"chooser"_s);
    OrderSheet order(*model, pdfCategory);
    walk(&order, u"order"_s);
    AddTypeSheet add(*model);
    add.field()->setText(u".xyz"_s);
    walk(&add, u"add-type"_s);
    ASSERT_FALSE(model->profiles().isEmpty());
    ProfileSheet plan(*model, model->profiles().first());
    walk(&plan, u"plan"_s);
    model->backUpNow();
    ASSERT_FALSE(model->backups().isEmpty());
    // A restore that puts back MIME types, whose names are long.
    Profile backup = model->backups().first();
    for (const QString& type : {u"video/x-matroska"_s, u"application/vnd.oasis.opendocument.text"_s})
        backup.entries.append({Target::mimeType(type), vlc.bundleID.value_or(QString()), vlc.name});
    ProfileSheet restore(*model, backup);
    walk(&restore, u"restore"_s);
    walk(window.aboutBox(), u"about"_s);
    EXPECT_TRUE(found.isEmpty()) << found.join(u'\n').toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    Sandbox::instance();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The language comes from the environment (LC_ALL, or OPENWRIGHT_PSEUDO), as at start-up.
    OpenwrightApp::prepare(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
