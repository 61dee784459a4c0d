// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up floor: a bare Qt window of the main window's size, started the same way as
// Openwright. Prints "ready RSS_KB" once its first frame is painted, and exits.
#include "app/StartupReport.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class Window final : public QWidget
{
protected:
    bool event(QEvent* e) override
    {
        const bool handled = QWidget::event(e);
        if (e->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QTimer::singleShot(0, qApp, [] {
                openwright::startup::reportReady();
                QCoreApplication::quit();
            });
        }
        return handled;
    }

private:
    bool m_painted = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(1100, 700);
    window.show();
    return app.exec();
}
