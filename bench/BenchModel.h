// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's model over the real GIO layer, as the window benchmarks drive it: data in a
// throw-away folder, no launch notices.
#include "AppModel.h"
#include "DefaultsService.h"
#include "Notifier.h"
#include "SystemLaunchServices.h"

#include <QTemporaryDir>

#include <memory>

namespace openwright::bench {

class BenchModel
{
public:
    BenchModel()
        : model(std::make_shared<DefaultsService>(std::make_shared<SystemLaunchServices>()), config())
    {
    }

private:
    QTemporaryDir m_data;
    Notifier m_notifier;

    AppModelConfig config()
    {
        AppModelConfig c;
        c.dataDirectory = m_data.path();
        c.settingsPath = m_data.filePath(QStringLiteral("settings.conf"));
        c.notifier = &m_notifier;
        c.makeNotices = [] { return std::unique_ptr<WorkspaceNotices>(); };
        return c;
    }

public:
    AppModel model;
};

} // namespace openwright::bench
