// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QPushButton;
class QVBoxLayout;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

class Card;
class CategoryRow;

// "What opens this file?": an invitation to drop a file on the window, or, once one was
// dropped, its type's row with the picker and pin, the way to add the type to the user's
// own, and Clear. It follows the model's inspected type and the user's types.
class DropInspector final : public QWidget
{
    Q_OBJECT

public:
    explicit DropInspector(AppModel& model, QWidget* parent = nullptr);

    QPushButton* addButton() const { return m_add; }
    QPushButton* clearButton() const { return m_clear; }
    // The inspected row and the buttons under it, in the order Tab should visit them.
    QList<QWidget*> focusChain() const;

private:
    QWidget* buildDropZone();
    QWidget* buildInspected();
    void showInspected();
    void updateAddButton();

    AppModel& m_model;
    QWidget* m_dropZone = nullptr;
    QWidget* m_inspected = nullptr;
    Card* m_rowCard = nullptr;
    QVBoxLayout* m_rowLayout = nullptr;
    QPointer<CategoryRow> m_row;
    QPushButton* m_add = nullptr;
    QPushButton* m_clear = nullptr;
};

} // namespace openwright::ui
