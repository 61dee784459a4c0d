// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalog.h"
#include "core/ChangeResult.h"
#include "core/TargetState.h"
#include "widgets/Style.h"

#include <QWidget>

#include <optional>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class AppIconView;
class AppPicker;
class ElidedLabel;
class IconLabel;

// One type on one line: the current application's icon, the title and summary, the status
// line (pending, the last outcome, or "No installed app can open …"), the pin and the picker.
// It follows the model's states, pending changes, outcomes and pins by itself, and redraws
// only when its own type's part of them changed.
class CategoryRow final : public QWidget
{
    Q_OBJECT

public:
    CategoryRow(AppModel& model, const FileCategory& category, QWidget* parent = nullptr);
    const FileCategory& category() const { return m_category; }

    AppPicker* picker() const { return m_picker; }
    QToolButton* pinButton() const { return m_pin; }
    // Where the answer comes from ("Set by you"), empty when the row does not say.
    QString sourceText() const;
    // The status line's text, empty when it shows nothing.
    QString statusText() const;
    // The first and last widgets of the row in the tab chain.
    QWidget* firstFocus() const;
    QWidget* lastFocus() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void followState();
    void followStatus();
    void followPin();
    void showSource();
    void showStatus();
    void setStatus(const QString& symbol, const QString& text, Style::Tone tone);
    void showPin();

    AppModel& m_model;
    FileCategory m_category;
    AppIconView* m_icon;
    ElidedLabel* m_title;
    ElidedLabel* m_summary;
    QVBoxLayout* m_text = nullptr;
    IconLabel* m_status = nullptr;
    QToolButton* m_pin;
    AppPicker* m_picker;
    QLabel* m_source;

    // What the row shows now: a model signal about other types compares equal and costs nothing.
    std::optional<TargetState> m_state;
    bool m_pending = false;
    std::optional<ChangeResult> m_result;
    bool m_pinned = false;
};

} // namespace openwright::ui
