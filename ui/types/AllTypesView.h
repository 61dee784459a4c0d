// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/HitRow.h"
#include "widgets/Page.h"

#include <chrono>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QStackedLayout;
class QTreeView;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class AppPicker;
class KnownTypeFilter;
class KnownTypeModel;

// Every type the system knows, grouped by media type (application, audio, image…, and the link
// types as x-scheme-handler), each with its description, patterns, the app that opens it and
// where that answer comes from; a filter; and under the list the selected type with its picker.
class AllTypesView final : public Page
{
    Q_OBJECT

public:
    enum Column
    {
        typeColumn,
        nameColumn,
        patternsColumn,
        appColumn,
        sourceColumn,
        columnCount
    };

    explicit AllTypesView(AppModel& model, QWidget* parent = nullptr);

    QLineEdit* filter() const { return m_filter; }
    QTreeView* tree() const { return m_tree; }
    // The picker of the selected type; none while no type is selected.
    AppPicker* picker() const { return m_picker; }
    bool isLoading() const;
    // Selects the row of a type (a MIME or link type target).
    void reveal(const Target& target) override;
    // How long the last filter change took on this thread, for the keystroke budget.
    std::chrono::microseconds lastFilterTime() const { return m_lastFilter; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter(const QString& text);
    void showSelected();
    void updatePicker();
    void openMenu(const QPoint& at);
    void fitColumns();
    // Group rows span the columns and every group is open: after each filter or reset.
    void arrangeGroups();

    AppModel& m_model;
    KnownTypeModel* m_types;
    KnownTypeFilter* m_filtered;
    QLineEdit* m_filter;
    QStackedLayout* m_stack;
    QTreeView* m_tree;
    QWidget* m_detail;
    QLabel* m_detailTitle;
    QLabel* m_detailLine;
    QLabel* m_detailSource;
    QHBoxLayout* m_pickerSlot;
    AppPicker* m_picker = nullptr; // in m_pickerSlot
    std::chrono::microseconds m_lastFilter {0};
};

// Under the search field, while the search text matches types no list shows: the first few as
// buttons that open them in All Types, and one that shows every match there.
class TypeHits final : public HitRow
{
    Q_OBJECT

public:
    explicit TypeHits(AppModel& model, QWidget* parent = nullptr);
    void update();

private:
    AppModel& m_model;
};

} // namespace openwright::ui
