// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalog.h"
#include "core/LaunchServicing.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// "Order Apps…": the applications the system offers for a type, in the order it tries them
// (the default first), each moved up or down or removed from the offer, and the removed ones,
// each given back. Every action is a change of its own, backed up first, and the list is read
// again after it.
class OrderSheet final : public QDialog
{
    Q_OBJECT

public:
    OrderSheet(AppModel& model, const FileCategory& category, QWidget* parent = nullptr);

    bool isLoaded() const { return m_loaded; }
    QListWidget* list() const { return m_list; }
    QPushButton* upButton() const { return m_up; }
    QPushButton* downButton() const { return m_down; }
    QPushButton* removeButton() const { return m_remove; }
    // The outcome of the last change, empty before one.
    QString outcome() const;

private:
    void load();
    void show(const Associations& offer);
    void updateButtons();
    void move(int by);
    void removeOrRestore();
    void arrange(Arrangement how, const QList<QUrl>& apps);

    AppModel& m_model;
    FileCategory m_category;
    Associations m_offer;
    bool m_loaded = false;
    bool m_busy = false;
    QListWidget* m_list;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_remove;
    QLabel* m_outcome;
};

} // namespace openwright::ui
