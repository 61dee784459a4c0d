// SPDX-License-Identifier: GPL-3.0-or-later
#include "HealthCard.h"

#include "core/PlatformText.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace openwright::ui {

Style::Tone healthTone(int score)
{
    if (score >= 85)
        return Style::Tone::success;
    if (score >= 60)
        return Style::Tone::warning;
    return Style::Tone::danger;
}

// A ring that fills clockwise from the top with the score, the score in its centre.
class HealthGauge final : public QWidget
{
public:
    explicit HealthGauge(QWidget* parent = nullptr)
        : QWidget(parent)
    {
        const int side = Style::spacing(13);
        setFixedSize(side, side);
        setAccessibleName(HealthCard::tr("Health score"));
    }

    void setScore(int score)
    {
        m_score = qBound(0, score, 100);
        setAccessibleDescription(QString::number(m_score));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor tone = Style::color(healthTone(m_score), palette());
        const qreal thickness = Style::spacing() * 1.1;
        const QRectF ring = QRectF(rect()).adjusted(thickness / 2, thickness / 2, -thickness / 2, -thickness / 2);

        QColor track = tone;
        track.setAlphaF(Style::isDark(palette()) ? 0.22 : 0.16);
        p.setPen(QPen(track, thickness, Qt::SolidLine, Qt::FlatCap));
        p.drawEllipse(ring);
        if (m_score > 0) {
            // Qt counts sixteenths of a degree, anticlockwise from three o'clock.
            p.setPen(QPen(tone, thickness, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(ring, 90 * 16, -int(360 * 16 * m_score / 100));
        }

        // About three times the body text, whatever unit the font was given in.
        QFont number = font();
        number.setPointSizeF(QFontInfo(font()).pointSizeF() * 2.3);
        number.setWeight(QFont::Bold);
        p.setFont(number);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignCenter, QString::number(m_score));
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
            update();
        QWidget::changeEvent(event);
    }

private:
    int m_score = 100;
};

namespace {

// The platform's wording ends the sentence ("…instead of making the system ask, …"): join it
// to its start without the ellipsis that marks it as a continuation.
QString explanation()
{
    QString tail = platformText(PlatformText::ProfileInstallHint);
    if (tail.startsWith(QChar(0x2026)))
        tail.remove(0, 1);
    return HealthCard::tr("The share of known file and link types that open in a specific app %1").arg(tail);
}

} // namespace

HealthCard::HealthCard(QWidget* parent)
    : Card(parent)
    , m_gauge(new HealthGauge(this))
    , m_summary(Style::label({}, Style::Text::headline, Style::Tone::normal, this))
{
    setContentsMargins(Style::spacing(2), Style::spacing(2), Style::spacing(2), Style::spacing(2));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Style::spacing(2));
    column->addWidget(Style::label(tr("Defaults Health"), Style::Text::headline, Style::Tone::normal, this));

    auto* row = new QHBoxLayout;
    row->setSpacing(Style::spacing(2));
    row->addWidget(m_gauge, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->setSpacing(Style::spacing() / 2);
    m_summary->setWordWrap(true);
    text->addWidget(m_summary);
    QLabel* detail = Style::label(explanation(), Style::Text::callout, Style::Tone::secondary, this);
    detail->setWordWrap(true);
    text->addWidget(detail);
    text->addStretch(1);
    row->addLayout(text, 1);
    column->addLayout(row, 1);

    setReport({});
}

void HealthCard::setReport(const HealthReport& report)
{
    m_gauge->setScore(report.score);
    const auto issues = int(report.issues.size());
    m_summary->setText(issues == 0 ? tr("Everything has a home.") : tr("%n types need attention", nullptr, issues));
}

} // namespace openwright::ui
