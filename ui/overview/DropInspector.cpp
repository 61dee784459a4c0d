// SPDX-License-Identifier: GPL-3.0-or-later
#include "DropInspector.h"

#include "app/AppModel.h"
#include "types/CategoryRow.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// The empty drop panel: a dashed rounded outline around its text.
class DashedBox final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QColor line = Style::color(Style::Tone::secondary, palette());
        line.setAlphaF(0.7);
        QPen pen(line, 1.5, Qt::CustomDashLine);
        pen.setDashPattern({4, 3});
        p.setPen(pen);
        const qreal radius = Style::spacing() * 1.2;
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    }
};

} // namespace

DropInspector::DropInspector(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Style::spacing());
    column->addWidget(Style::label(tr("What opens this file?"), Style::Text::title, Style::Tone::normal, this));

    m_dropZone = buildDropZone();
    m_inspected = buildInspected();
    column->addWidget(m_dropZone);
    column->addWidget(m_inspected);

    connect(&m_model, &AppModel::inspectedChanged, this, &DropInspector::showInspected);
    connect(&m_model, &AppModel::customTargetsChanged, this, &DropInspector::updateAddButton);
    showInspected();
}

QWidget* DropInspector::buildDropZone()
{
    auto* box = new DashedBox(this);
    auto* column = new QVBoxLayout(box);
    const int pad = Style::spacing(3);
    column->setContentsMargins(pad, pad, pad, pad);
    column->setSpacing(Style::spacing());
    auto* icon = new QLabel(box);
    const int size = Style::spacing(4);
    icon->setFixedSize(size, size);
    icon->setPixmap(
        Icons::tinted(u"arrow.down.doc"_s, Style::color(Style::Tone::secondary, palette()), size, devicePixelRatioF()));
    column->addWidget(icon, 0, Qt::AlignHCenter);
    QLabel* hint = Style::label(tr("Drop any file onto this window to see and change which app opens it"),
                                Style::Text::body, Style::Tone::secondary, box);
    hint->setAlignment(Qt::AlignCenter);
    hint->setWordWrap(true);
    column->addWidget(hint);
    return box;
}

QWidget* DropInspector::buildInspected()
{
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(Style::spacing());

    m_rowCard = new Card(panel);
    m_rowCard->setTint(Style::Tone::accent);
    m_rowLayout = new QVBoxLayout(m_rowCard);
    m_rowLayout->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_rowCard);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Style::spacing());
    m_add = new QPushButton(panel);
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (const auto target = m_model.inspected())
            m_model.addCustom(target->description());
    });
    buttons->addWidget(m_add);
    m_clear = new QPushButton(tr("Clear"), panel);
    connect(m_clear, &QPushButton::clicked, this, [this] { m_model.setInspected(std::nullopt); });
    buttons->addWidget(m_clear);
    buttons->addStretch(1);
    column->addLayout(buttons);
    return panel;
}

void DropInspector::showInspected()
{
    // Deleted later (a signal of the row itself may have led here): out of sight at once.
    if (m_row) {
        m_row->hide();
        m_row->deleteLater();
    }
    const auto target = m_model.inspected();
    m_dropZone->setVisible(!target);
    m_inspected->setVisible(target.has_value());
    if (!target)
        return;
    m_row = new CategoryRow(m_model, m_model.category(*target), m_rowCard);
    m_rowLayout->addWidget(m_row);
    m_add->setText(tr("Add %1 to My File Types").arg(Style::literal(target->description())));
    m_clear->setAccessibleName(tr("Clear %1").arg(target->description()));
    updateAddButton();
}

QList<QWidget*> DropInspector::focusChain() const
{
    if (!m_row)
        return {};
    return {m_row, m_add, m_clear};
}

void DropInspector::updateAddButton()
{
    const auto target = m_model.inspected();
    bool known = false;
    if (target) {
        const QList<FileCategory> all = m_model.categories();
        known = std::any_of(all.cbegin(), all.cend(), [&](const FileCategory& c) { return c.target == *target; });
    }
    m_add->setVisible(target && !known);
}

} // namespace openwright::ui
