// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/SidebarItem.h"

#include <QAbstractListModel>
#include <QListView>

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class SidebarDelegate;

// The sidebar's rows as an item model over the application model: "Overview", the section
// "File & Link Types" with one row per group (the user's own group only while it has members),
// and the section "Tools". Section titles are rows that cannot be selected.
class SidebarModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        BadgeRole = Qt::UserRole + 1,
        HeaderRole,
        SymbolRole,
    };

    explicit SidebarModel(AppModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    std::optional<SidebarItem> itemAt(int row) const;
    int rowOf(const SidebarItem& item) const;

private:
    struct Row
    {
        QString title;
        QString symbol;
        std::optional<SidebarItem> item; // none for a section title
    };
    void rebuild();
    int badge(const SidebarItem& item) const;

    AppModel& m_model;
    QList<Row> m_rows;
};

// The list of the sidebar, bound both ways to the model's selection.
class Sidebar final : public QListView
{
    Q_OBJECT

public:
    explicit Sidebar(AppModel& model, QWidget* parent = nullptr);
    // Whether the rows are tightened to fit a short window.
    bool isCompact() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void followSelection();

    AppModel& m_model;
    SidebarModel m_rows;
    SidebarDelegate* m_delegate;
    bool m_updating = false;
};

} // namespace openwright::ui
