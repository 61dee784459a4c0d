// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/HealthReport.h"
#include "widgets/Page.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class DropInspector;
class HealthCard;
class StatTile;

// The first screen: how healthy the defaults are, three figures, the problems in the defaults
// files with their clean-up, the drop panel, and the types that need attention. It follows the model as it changes.
class OverviewView final : public ScrollingPage
{
    Q_OBJECT

public:
    explicit OverviewView(AppModel& model, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLayout* buildSummary();
    QWidget* buildIssues();
    QWidget* buildFileProblems();
    QWidget* buildOpeners();
    void updateFileProblems();
    void updateHealth();
    void updateBackups();
    void updateChanges();
    void updateLoading();
    void orderFocus();

    AppModel& m_model;
    HealthCard* m_health = nullptr;
    StatTile* m_configured = nullptr;
    StatTile* m_backups = nullptr;
    StatTile* m_changes = nullptr;
    DropInspector* m_inspector = nullptr;
    QWidget* m_issuesSection = nullptr;
    QVBoxLayout* m_issueRows = nullptr;
    QList<HealthReport::Issue> m_shownIssues;
    QWidget* m_loading = nullptr;
    QWidget* m_fileProblems = nullptr;
    QLabel* m_fileProblemsText = nullptr;
    QPushButton* m_cleanUp = nullptr;
    QWidget* m_openers = nullptr;
    QLabel* m_openersText = nullptr;
    QPushButton* m_agree = nullptr;
};

} // namespace openwright::ui
