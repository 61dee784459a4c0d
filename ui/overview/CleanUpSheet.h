// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Doctor.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// The problems the doctor found in the user's defaults files, each with its fix and a check box,
// and "Fix Selected": a window-modal dialog, deleted when closed. The outcome says what changed.
class CleanUpSheet final : public QDialog
{
    Q_OBJECT

public:
    CleanUpSheet(AppModel& model, QWidget* parent = nullptr);

    QPushButton* fixButton() const { return m_fix; }
    const QList<QCheckBox*>& boxes() const { return m_boxes; }
    QString outcomeText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuild();
    void fixSelected();
    void updateButton();

    AppModel& m_model;
    QList<DoctorFinding> m_findings;
    QList<QCheckBox*> m_boxes;
    QHash<QObject*, QCheckBox*> m_boxOf; // a finding's explanation, and its box
    QVBoxLayout* m_rows = nullptr;
    QLabel* m_outcome = nullptr;
    QPushButton* m_fix = nullptr;
    bool m_running = false;
};

} // namespace openwright::ui
