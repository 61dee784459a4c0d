// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// Adds any file extension or link type to "My File Types". The text starts empty; Add (and
// Return) work only while the text reads as a type, and a red line says why otherwise.
class AddTypeSheet final : public QDialog
{
    Q_OBJECT

public:
    explicit AddTypeSheet(AppModel& model, QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QPushButton* addButton() const { return m_add; }
    QLabel* errorLine() const { return m_error; }

    void accept() override;

private:
    void validate();

    AppModel& m_model;
    QLineEdit* m_field;
    QLabel* m_error;
    QPushButton* m_add;
};

} // namespace openwright::ui
