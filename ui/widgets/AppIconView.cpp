// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIconView.h"

#include "app/AppModel.h"
#include "widgets/Icons.h"

#include <QEvent>

namespace openwright::ui {

AppIconView::AppIconView(AppModel& model, int size, QWidget* parent)
    : QLabel(parent)
    , m_model(model)
    , m_size(size)
{
    setFixedSize(size, size);
    setAlignment(Qt::AlignCenter);
    setApp(std::nullopt);
}

QPixmap AppIconView::pixmapFor(AppModel& model, const std::optional<AppInfo>& app, int size, const QWidget* context)
{
    const qreal ratio = context ? context->devicePixelRatioF() : 1.0;
    if (app) {
        const QIcon icon = Icons::application(model.iconName(*app));
        if (!icon.isNull())
            return icon.pixmap(QSize(size, size), ratio);
    }
    return Icons::placeholder(size, context ? context->palette() : QPalette(), ratio);
}

void AppIconView::setApp(const std::optional<AppInfo>& app)
{
    m_app = app;
    setPixmap(pixmapFor(m_model, app, m_size, this));
    setAccessibleName(app ? app->name : tr("No application"));
}

void AppIconView::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // The placeholder is drawn in the palette's muted colour.
    if (event->type() == QEvent::PaletteChange && !m_app)
        setPixmap(pixmapFor(m_model, m_app, m_size, this));
}

} // namespace openwright::ui
