// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the X screen, or a part of it, as a PNG, for the end-to-end test's screenshots:
//   e2e_grab FILE [X Y WIDTH HEIGHT]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    int x = 0, y = 0, width = -1, height = -1;
    if (argc >= 6) {
        x = QByteArray(argv[2]).toInt();
        y = QByteArray(argv[3]).toInt();
        width = QByteArray(argv[4]).toInt();
        height = QByteArray(argv[5]).toInt();
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, x, y, width, height);
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
