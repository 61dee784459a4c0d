// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalog.h"
#include "core/DecisionChain.h"

#include <QDialog>

class QStackedWidget;
class QTextBrowser;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// "Why this app?": the chain of lists the system consults for a type, read off the GUI thread,
// shown as selectable text: the one-line answer, then every place consulted with its file and
// line, and the entries it skipped.
class WhyPanel final : public QDialog
{
    Q_OBJECT

public:
    WhyPanel(AppModel& model, const FileCategory& category, QWidget* parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    QTextBrowser* text() const { return m_text; }

    // The explanation as HTML in the colours of `palette`.
    static QString html(const DecisionChain& chain, const QPalette& palette);

private:
    void showChain(const DecisionChain& chain);

    bool m_loaded = false;
    QStackedWidget* m_stack;
    QTextBrowser* m_text;
};

} // namespace openwright::ui
