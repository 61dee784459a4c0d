// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/Style.h"

class QLabel;

namespace openwright::ui {

// One figure of the overview: a symbol, the value in large type and what it counts.
class StatTile final : public Card
{
    Q_OBJECT

public:
    StatTile(const QString& symbol, const QString& label, QWidget* parent = nullptr);
    void setValue(const QString& value);
    QString value() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void paintSymbol();

    QString m_symbol;
    QLabel* m_icon;
    QLabel* m_value;
};

} // namespace openwright::ui
