// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Target.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// Adds any file extension or link type to "My File Types". The text starts empty; Add (and
// Return) work only while the text reads as a type, and a red line says why otherwise. A type
// that is listed already is not added again: the sheet says where it is, and Show goes there.
class AddTypeSheet final : public QDialog
{
    Q_OBJECT

public:
    explicit AddTypeSheet(AppModel& model, QWidget* parent = nullptr);

    QLineEdit* field() const { return m_field; }
    QPushButton* addButton() const { return m_add; }
    QLabel* errorLine() const { return m_error; }
    // "PDF Documents (.pdf) is already in Documents & Office." while the text names such a type, or
    // that the system does not recognise the extension it names.
    QLabel* listedLine() const { return m_listed; }

Q_SIGNALS:
    // The type is listed already: its group is selected, and its row should be shown there.
    void revealRequested(const Target& target);

public:
    void accept() override;

private:
    void validate();

    AppModel& m_model;
    QLineEdit* m_field;
    QLabel* m_error;
    QLabel* m_listed;
    QPushButton* m_add;
};

} // namespace openwright::ui
