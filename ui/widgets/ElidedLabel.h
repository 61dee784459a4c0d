// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/Style.h"

#include <QLabel>

namespace openwright::ui {

// One line of plain text that shortens with "…" when the space runs out, and then shows the
// whole text as its tooltip: names of profiles and applications can be long.
class ElidedLabel final : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(const QString& text = {}, QWidget* parent = nullptr);
    explicit ElidedLabel(QWidget* parent)
        : ElidedLabel(QString(), parent)
    {
    }
    static ElidedLabel* make(const QString& text, Style::Text role, Style::Tone tone = Style::Tone::normal,
                             QWidget* parent = nullptr);

    // Hides QLabel's, so that the tooltip follows the text.
    void setText(const QString& text);
    void setFullText(const QString& text) { setText(text); }
    QString fullText() const { return text(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void measure();
    void updateToolTip();

    int m_fullWidth = 0;
    int m_lineHeight = 0;
    int m_minimumWidth = 0;
    int m_shownForWidth = -1;
    QString m_shown;
};

} // namespace openwright::ui
