// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen in a language other than English, at the smallest window: each label and button
// shows its whole text. Run once per shipped language and once in the pseudo-translation, whose
// texts are 40% longer than English (see tests/CMakeLists.txt). With OPENWRIGHT_SHOTS=DIR it
// also saves each screen as DIR/SCREEN.png, for the README.
#include "app/Updater.h"
#include "ModelFixture.h"
#include "Sandbox.h"
#include "settings/SettingsWindow.h"
#include "shell/MainWindow.h"
#include "shell/OpenwrightApp.h"
#include "widgets/ElidedLabel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextDocument>

#include <gtest/gtest.h>

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
        // An elided label shortens on purpose and shows the rest as its tooltip.
        if (!label->isVisibleTo(&root) || text.trimmed().isEmpty() || qobject_cast<ElidedLabel*>(label))
            continue;
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
    void SetUp() override
    {
        // A type of All Types, selected there: its details and picker show under the list.
        fake->setDefault(Target::mimeType(u"text/plain"_s), evince);
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
    QStringList found;
    for (const auto& [item, name] : screens) {
        model->setSelection(item);
        settle(*model);
        QCoreApplication::processEvents();
        found += clipped(window, name);
        save(window, name);
    }
    Updater updater;
    SettingsWindow settings(*model, updater);
    settings.show();
    QCoreApplication::processEvents();
    found += clipped(settings, u"settings"_s);
    save(settings, u"settings"_s);
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
