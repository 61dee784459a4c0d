// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Target.h"

#include <QList>
#include <QWidget>

class QMenu;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace openwright::ui {

// One screen of the main window's detail area: its title and the buttons it adds to the
// header bar above it (the toolbar of that screen). The root view shows the title and the
// buttons; the page shows everything below.
class Page : public QWidget
{
    Q_OBJECT

public:
    explicit Page(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    const QList<QWidget*>& headerWidgets() const { return m_headerWidgets; }

    // Scrolls to and selects the row of `target`, where the page lists one.
    virtual void reveal(const Target& target) { Q_UNUSED(target); }

    // A header button with an icon and its label beside it.
    static QToolButton* headerButton(const QString& symbol, const QString& text, const QString& tooltip,
                                     QWidget* parent = nullptr);
    // A header button that opens `menu` (which it takes), its arrow on the label's line.
    static QToolButton* headerMenuButton(const QString& symbol, const QString& text, QMenu* menu,
                                         QWidget* parent = nullptr);

Q_SIGNALS:
    void titleChanged();
    // Asks the shell to show `target`'s row on the page now selected (see reveal()).
    void revealRequested(const Target& target);

protected:
    void addHeaderWidget(QWidget* widget);

private:
    QString m_title;
    QList<QWidget*> m_headerWidgets;
};

// A page whose content is one scrolling column with the screens' standard margins.
class ScrollingPage : public Page
{
    Q_OBJECT

public:
    explicit ScrollingPage(const QString& title, QWidget* parent = nullptr);

protected:
    QVBoxLayout* column() const { return m_column; }
    QScrollArea* scrollArea() const { return m_scroll; }

private:
    QScrollArea* m_scroll;
    QVBoxLayout* m_column;
};

} // namespace openwright::ui
