// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace openwright::ui {

// One line of plain text that shortens itself with "…" to the width it gets, and then shows
// the whole text as its tooltip. Lets names and summaries of any length sit in fixed columns.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void setFullText(const QString& text);
    const QString& fullText() const { return m_text; }
    bool isElided() const { return m_elided; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void elide();

    QString m_text;
    bool m_elided = false;
};

} // namespace openwright::ui
