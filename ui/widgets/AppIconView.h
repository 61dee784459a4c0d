// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/AppInfo.h"

#include <QLabel>

#include <optional>

namespace openwright {
class AppModel;
}

namespace openwright::ui {

// An application's icon at a given size, from its desktop entry's Icon; the placeholder symbol
// in a muted colour when there is no application or no icon.
class AppIconView final : public QLabel
{
    Q_OBJECT

public:
    AppIconView(AppModel& model, int size, QWidget* parent = nullptr);
    void setApp(const std::optional<AppInfo>& app);

    // The pixmap for `app` at `size`, as this view draws it (menus and lists use it too).
    static QPixmap pixmapFor(AppModel& model, const std::optional<AppInfo>& app, int size, const QWidget* context);

protected:
    void changeEvent(QEvent* event) override;

private:
    AppModel& m_model;
    int m_size;
    std::optional<AppInfo> m_app;
};

} // namespace openwright::ui
