// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrderSheet.h"

#include "app/AppModel.h"
#include "app/Async.h"
#include "widgets/Icons.h"
#include "widgets/Style.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace openwright::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kUrlRole = Qt::UserRole;
constexpr int kRemovedRole = Qt::UserRole + 1;

} // namespace

OrderSheet::OrderSheet(AppModel& model, const FileCategory& category, QWidget* parent)
    : QDialog(parent)
    , m_model(model)
    , m_category(category)
    , m_list(new QListWidget(this))
    , m_up(new QPushButton(tr("Move Up"), this))
    , m_down(new QPushButton(tr("Move Down"), this))
    , m_remove(new QPushButton(tr("Remove"), this))
    , m_outcome(Style::label({}, Style::Text::callout, Style::Tone::secondary, this))
{
    setWindowTitle(tr("Order Apps"));
    setWindowModality(Qt::WindowModal);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(Style::spacing(3), Style::spacing(3), Style::spacing(3), Style::spacing(2));
    column->setSpacing(Style::spacing());
    auto* heading = Style::label(tr("The apps offered for %1").arg(category.target.description()), Style::Text::title,
                                 Style::Tone::normal, this);
    heading->setWordWrap(true);
    column->addWidget(heading);
    auto* sub = Style::label(tr("The system tries them in this order: the first is the default. An app you remove is "
                                "no longer offered for it, until you give it back."),
                             Style::Text::callout, Style::Tone::secondary, this);
    sub->setWordWrap(true);
    column->addWidget(sub);
    // Recommended first, as in every menu: here the order is the system's, so they are marked.
    auto* recommended = Style::label(tr("In bold: the apps made for it. The others open it as a parent type."),
                                     Style::Text::callout, Style::Tone::secondary, this);
    recommended->setWordWrap(true);
    column->addWidget(recommended);

    m_list->setAccessibleName(tr("Apps offered for %1").arg(category.target.description()));
    m_list->setIconSize(QSize(24, 24));
    auto* row = new QHBoxLayout;
    row->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_up, m_down, m_remove})
        buttons->addWidget(b);
    buttons->addStretch(1);
    row->addLayout(buttons);
    column->addLayout(row, 1);
    m_outcome->setWordWrap(true);
    m_outcome->hide();
    column->addWidget(m_outcome);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    column->addWidget(close);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(m_remove, &QPushButton::clicked, this, &OrderSheet::removeOrRestore);
    connect(m_list, &QListWidget::currentRowChanged, this, &OrderSheet::updateButtons);
    resize(Style::spacing(70), Style::spacing(60));
    load();
}

QString OrderSheet::outcome() const
{
    return m_outcome->isHidden() ? QString() : m_outcome->text();
}

void OrderSheet::load()
{
    m_busy = true;
    updateButtons();
    continueOn(this, m_model.associations(m_category.target), [this](const Associations& offer) { show(offer); });
}

void OrderSheet::show(const Associations& offer)
{
    const QString current = m_list->currentItem() ? m_list->currentItem()->data(kUrlRole).toString() : QString();
    m_offer = offer;
    m_list->clear();
    const auto add = [&](const AppInfo& app, bool removed) {
        QIcon icon = Icons::application(m_model.iconName(app));
        auto* item = new QListWidgetItem(icon, removed ? tr("%1 (removed)").arg(app.name) : app.name, m_list);
        item->setData(kUrlRole, app.url.toString());
        item->setData(kRemovedRole, removed);
        if (removed)
            item->setForeground(Style::color(Style::Tone::secondary, palette()));
        if (!removed && offer.recommended.contains(app.url)) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        if (item->data(kUrlRole).toString() == current)
            m_list->setCurrentItem(item);
    };
    for (const QUrl& url : offer.offered)
        add(m_model.applicationAt(url), false);
    for (const QUrl& url : offer.restorable)
        add(m_model.applicationAt(url), true);
    m_busy = false;
    m_loaded = true;
    updateButtons();
}

void OrderSheet::updateButtons()
{
    const int row = m_list->currentRow();
    const bool removed = row >= 0 && m_list->item(row)->data(kRemovedRole).toBool();
    const int offered = int(m_offer.offered.size());
    m_up->setEnabled(!m_busy && row > 0 && !removed);
    m_down->setEnabled(!m_busy && row >= 0 && row + 1 < offered && !removed);
    m_remove->setEnabled(!m_busy && row >= 0);
    m_remove->setText(removed ? tr("Give Back") : tr("Remove"));
}

void OrderSheet::move(int by)
{
    const int row = m_list->currentRow();
    QList<QUrl> order = m_offer.offered;
    if (row < 0 || row + by < 0 || row + by >= order.size())
        return;
    order.swapItemsAt(row, row + by);
    // The order as far as the moved app: what follows keeps the system's own order.
    arrange(Arrangement::order, order.first(std::max(row, row + by) + 1));
}

void OrderSheet::removeOrRestore()
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const QUrl app(item->data(kUrlRole).toString());
    arrange(item->data(kRemovedRole).toBool() ? Arrangement::restore : Arrangement::remove, {app});
}

void OrderSheet::arrange(Arrangement how, const QList<QUrl>& apps)
{
    m_busy = true;
    updateButtons();
    continueOn(this, m_model.arrange(m_category.target, how, apps), [this](const ChangeResult& result) {
        m_outcome->setText(result.message());
        m_outcome->setVisible(!result.message().isEmpty());
        Style::setTone(m_outcome, result.isSuccess() ? Style::Tone::secondary : Style::Tone::danger);
        load();
    });
}

} // namespace openwright::ui
