// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace openwright {

// The platform's hints that defaults may have changed: an application launched or quit, or a
// file that holds defaults or applications changed. The model checks the guard shortly after
// each. Lives on the GUI thread.
class WorkspaceNotices : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // Starts listening; called once, when the guard starts.
    virtual void start() = 0;

Q_SIGNALS:
    void applicationLaunchedOrQuit();
    // An application started, named by what the platform calls it (its unit): the guard names
    // it when the change that follows makes it a default.
    void applicationStarted(const QString& name);
    void defaultsFilesChanged();
};

} // namespace openwright
